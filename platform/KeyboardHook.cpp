#include "platform/KeyboardHook.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QSet>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
constexpr quint32 EvdevOffset = 8;
constexpr int LeftAlt = 56;
constexpr int RightAlt = 100;

struct HookEntry
{
    KeyHookHandle handle;
    KeyHookProcedure procedure;
    bool removed = false;
};
using HookChain = std::vector<std::shared_ptr<HookEntry>>;

// One key being passed along a snapshot of the chain; the snapshot keeps removed
// entries (and the procedure running) alive until the key is done.
struct Dispatch
{
    HookChain chain;
    size_t next = 0;
};

HookChain &hooks()
{
    static HookChain chain; // last installed first
    return chain;
}

std::vector<Dispatch *> &dispatches()
{
    static std::vector<Dispatch *> running;
    return running;
}

long runNext(Dispatch &dispatch, KeyHookRecord &record)
{
    while (dispatch.next < dispatch.chain.size()) {
        const std::shared_ptr<HookEntry> entry = dispatch.chain[dispatch.next++];
        if (!entry->removed)
            return entry->procedure(record);
    }
    return 0;
}

long dispatchRecord(KeyHookRecord &record)
{
    Dispatch dispatch{hooks(), 0};
    dispatches().push_back(&dispatch);
    const long result = runNext(dispatch, record);
    dispatches().pop_back();
    return result;
}

class KeyHookFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            if (hooks().empty())
                return false;
            event->accept();
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // Widgets get the key from their window: handle it there only.
            return watched->isWindowType() && handleKey(static_cast<QKeyEvent *>(event));
        case QEvent::ApplicationDeactivate:
            m_heldAlts.clear();
            return false;
        case QEvent::ApplicationStateChange:
            if (static_cast<QApplicationStateChangeEvent *>(event)->applicationState() != Qt::ApplicationActive)
                m_heldAlts.clear();
            return false;
        default:
            return false;
        }
    }

private:
    bool handleKey(QKeyEvent *event)
    {
        const bool release = event->type() == QEvent::KeyRelease;
        // A held key repeats its press; the releases between the repeats are not real.
        if (release && event->isAutoRepeat())
            return false;
        const int evdev = int(event->nativeScanCode()) - int(EvdevOffset);
        if (evdev == LeftAlt || evdev == RightAlt) {
            if (release)
                m_heldAlts.remove(evdev);
            else
                m_heldAlts.insert(evdev);
        }
        KeyHookRecord record;
        if (hooks().empty() || !keyHookRecordFor(event->nativeScanCode(), release, !m_heldAlts.isEmpty(), &record))
            return false;
        record.repeat = event->isAutoRepeat();
        return dispatchRecord(record) != 0;
    }

    QSet<int> m_heldAlts;
};

QPointer<KeyHookFilter> filter;

bool ensureFilter()
{
    if (filter)
        return true;
    QGuiApplication *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app)
        return false;
    filter = new KeyHookFilter(app);
    app->installEventFilter(filter);
    return true;
}
}

KeyHookHandle installKeyboardHook(KeyHookProcedure procedure)
{
    static KeyHookHandle lastHandle = 0;
    if (!procedure || !ensureFilter())
        return 0;
    auto entry = std::make_shared<HookEntry>(HookEntry{++lastHandle, std::move(procedure)});
    hooks().insert(hooks().begin(), entry);
    return entry->handle;
}

bool removeKeyboardHook(KeyHookHandle handle)
{
    HookChain &chain = hooks();
    const auto it = std::find_if(chain.begin(), chain.end(),
                                 [handle](const std::shared_ptr<HookEntry> &e) { return e->handle == handle; });
    if (it == chain.end())
        return false;
    (*it)->removed = true;
    chain.erase(it);
    return true;
}

long callNextKeyboardHook(KeyHookRecord &record)
{
    return dispatches().empty() ? 0 : runNext(*dispatches().back(), record);
}

bool keyboardHookInstalled()
{
    return !hooks().empty();
}

bool keyHookRecordFor(quint32 nativeScanCode, bool release, bool altHeld, KeyHookRecord *record)
{
    SetOneKey key;
    if (nativeScanCode <= EvdevOffset || !setOneKeyFromEvdev(int(nativeScanCode - EvdevOffset), &key))
        return false;
    record->vkCode = key.virtualKey;
    record->scanCode = key.scanCode;
    record->flags = (key.extended ? KeyHookExtended : 0) | (altHeld ? KeyHookAltDown : 0) | (release ? KeyHookUp : 0);
    return true;
}
