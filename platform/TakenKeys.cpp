#include "platform/TakenKeys.h"

bool TakenKeys::reaches(const KeyHookRecord &record)
{
    if (record.flags & KeyHookUp)
        return m_keys.erase(keyOf(record)) > 0;
    return !record.repeat || m_keys.count(keyOf(record)) > 0;
}

void TakenKeys::take(const KeyHookRecord &record)
{
    m_keys.insert(keyOf(record));
}

bool TakenKeys::isNewPress(const KeyHookRecord &record)
{
    return (record.flags & KeyHookUp) == 0 && !record.repeat;
}

quint32 TakenKeys::keyOf(const KeyHookRecord &record)
{
    return record.scanCode | (record.flags & KeyHookExtended) << 8;
}
