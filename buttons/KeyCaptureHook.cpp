#include "buttons/KeyCaptureHook.h"

#include "platform/ScanCodes.h"
#include "storage/KeyCodes.h"
#include "widgets/ModalGate.h"

KeyCaptureHook::KeyCaptureHook(const QWidget *owner, Gate gate, Handler handler, Pass pass)
    : m_owner(owner)
    , m_gate(std::move(gate))
    , m_handler(std::move(handler))
    , m_pass(pass)
{
}

KeyCaptureHook::~KeyCaptureHook()
{
    removeHook();
}

KeyHookHandle KeyCaptureHook::ensureHook()
{
    if (!m_handle) {
        m_taken.clear();
        m_handle = installKeyboardHook([this](KeyHookRecord &record) { return procedure(record); });
    }
    return m_handle;
}

bool KeyCaptureHook::removeHook()
{
    if (!m_handle)
        return false;
    const bool removed = removeKeyboardHook(m_handle);
    m_handle = 0;
    return removed;
}

bool KeyCaptureHook::isNewEvent(int code, int flags)
{
    if (code == m_lastCode && flags == m_lastFlags)
        return false;
    m_lastCode = code;
    m_lastFlags = flags;
    return true;
}

long KeyCaptureHook::procedure(KeyHookRecord &record)
{
    if (!m_gate() || ModalGate::isOpenOver(m_owner))
        return callNextKeyboardHook(record);
    const KeyHookRecord typed = record;
    const bool reaches = m_taken.reaches(typed);
    record.scanCode = quint32(remapScanCode(record.scanCode, record.flags));
    const int code = int(record.scanCode);
    if (reaches && keyCodeHasUsage(code) && m_handler(code, int(record.flags)) && TakenKeys::isNewPress(typed))
        m_taken.take(typed);
    return m_pass == Pass::Consume ? 1 : callNextKeyboardHook(record);
}

bool keyCodeHasUsage(int code)
{
    int usage = 0;
    return keyCodeToHidUsage(code, &usage) && usage != 0;
}
