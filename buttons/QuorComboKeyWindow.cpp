#include "buttons/QuorComboKeyWindow.h"

#include "platform/ScanCodes.h"
#include "storage/KeyCodes.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorPushButton.h"

#include <QDebug>
#include <QToolButton>

namespace {
constexpr quint8 LeftSide = 1;
constexpr quint8 RightSide = 2;
constexpr int StoredComboSteps = 5;

// Left and right key codes of Shift, Ctrl, Windows and Alt.
constexpr std::array<std::array<quint8, 2>, 4> modifierCodes{{{42, 54}, {29, 238}, {91, 92}, {56, 239}}};
}

QuorComboKeyWindow::QuorComboKeyWindow(QWidget *parent)
    : QuorParamDialog(parent, 400, 258)
    , m_hook(this, [this] { return m_capturing; }, [this](int code, int flags) { return onKey(code, flags); },
             KeyCaptureHook::Pass::Consume)
{
    m_keyField = makeKeyField(300, 30);
    buildButtons(QObject::tr("Ok"), QObject::tr("No"));
    m_hook.ensureHook();
    retranslate();
    for (int part = 0; part < AltPart + 1; ++part)
        m_keyCodes[size_t(part)] = modifierCodes[size_t(part)];
}

QuorComboKeyWindow::~QuorComboKeyWindow()
{
    m_hook.removeHook();
}

int QuorComboKeyWindow::modifierPart(int code, quint8 *sideBit)
{
    for (int part = 0; part < int(modifierCodes.size()); ++part) {
        for (int side = 0; side < 2; ++side) {
            if (modifierCodes[size_t(part)][size_t(side)] == code) {
                *sideBit = side == 0 ? LeftSide : RightSide;
                return part;
            }
        }
    }
    return -1;
}

bool QuorComboKeyWindow::onKey(int code, int flags)
{
    if (!m_hook.isNewEvent(code, flags))
        return false;
    qDebug("QuorComboKeyWindow dwVCode = %x dwFlag = %x", unsigned(code), unsigned(flags));
    if (m_resetPending) {
        m_result.fill(0);
        m_live.fill(0);
        m_resetPending = false;
    }
    const bool down = (flags & KeyHookUp) == 0;
    quint8 side = 0;
    const int part = modifierPart(code, &side);
    if (part >= 0) {
        quint8 &held = m_live[size_t(part)];
        held = down ? quint8(held | side) : quint8(held & ~side);
    } else {
        m_live[KeyPart] = down ? 1 : 0;
        if (down)
            m_keyCodes[KeyPart][0] = quint8(code);
    }
    if (down) {
        showLiveText();
        m_result = m_live;
    }
    return true;
}

void QuorComboKeyWindow::showStoredCombo(const KeyStep *steps)
{
    m_live.fill(0);
    for (int i = 0; i < StoredComboSteps; ++i) {
        if (steps[i].map == 0)
            continue;
        int code = 0;
        hidUsageToKeyCode(steps[i].map, &code);
        quint8 side = 0;
        const int part = modifierPart(code, &side);
        if (part >= 0) {
            m_live[size_t(part)] |= side;
        } else {
            m_keyCodes[KeyPart][0] = quint8(code);
            m_live[KeyPart] = 1;
        }
    }
    showLiveText();
    m_result = m_live;
}

void QuorComboKeyWindow::showLiveText()
{
    QStringList names;
    for (int part = 0; part < PartCount; ++part) {
        const quint8 state = m_live[size_t(part)];
        if (state == 0)
            continue;
        const auto &codes = m_keyCodes[size_t(part)];
        const quint8 code = part != KeyPart && state > RightSide ? codes[1] : codes[0];
        names << keyCodeName(code);
    }
    m_text = names.join(QStringLiteral(" + "));
    m_keyField->setCaption(m_text);
}

void QuorComboKeyWindow::retranslate()
{
    m_title->setCaption(QObject::tr("Combo Key"));
    m_ok->setText(QObject::tr("OK"));
    m_cancel->setText(QObject::tr("Cancel"));
    setKeyFieldLayout(m_keyField);
}
