#pragma once

#include "platform/KeyboardHook.h"

#include <set>

// The keys whose press a keyboard hook took. A hook takes a key's repeats and its
// release only when it took the press: a key pressed before the hook came, into an
// edit, or at a box over its window ends where it began.
class TakenKeys
{
public:
    // Whether the event is the hook's: a new press, or a repeat or the release of a key
    // whose press was taken. A release also ends the key.
    bool reaches(const KeyHookRecord &record);
    void take(const KeyHookRecord &record);
    void clear() { m_keys.clear(); }

    static bool isNewPress(const KeyHookRecord &record);

private:
    // By scan code and extended bit, as typed: Alt held changes how a key remaps
    // between its press and its release.
    static quint32 keyOf(const KeyHookRecord &record);

    std::set<quint32> m_keys;
};
