#include "buttons/QuorSingleKeyWindow.h"

#include "storage/KeyCodes.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorPushButton.h"

#include <QToolButton>

QuorSingleKeyWindow::QuorSingleKeyWindow(QWidget *parent)
    : QuorParamDialog(parent, 400, 258)
    , m_hook(this, [this] { return m_capturing; }, [this](int code, int flags) { return onKey(code, flags); },
             KeyCaptureHook::Pass::On)
{
    buildUi();
    m_hook.ensureHook();
    retranslate();
}

QuorSingleKeyWindow::~QuorSingleKeyWindow()
{
    m_hook.removeHook();
}

void QuorSingleKeyWindow::buildUi()
{
    m_keyField = makeKeyField(300, 30);
    buildButtons(QObject::tr("Ok"), QObject::tr("No"));
}

void QuorSingleKeyWindow::showStoredKey(int code)
{
    m_keyField->setCaption(keyCodeName(unsigned(code & 0xFF)));
    m_keyCode = quint8(code);
}

bool QuorSingleKeyWindow::onKey(int code, int flags)
{
    if (!m_hook.isNewEvent(code, flags))
        return false;
    m_keyField->setCaption(keyCodeName(unsigned(code)));
    m_keyCode = quint8(code);
    return true;
}

void QuorSingleKeyWindow::retranslate()
{
    m_title->setCaption(QObject::tr("Single Key"));
    m_ok->setText(QObject::tr("OK"));
    m_cancel->setText(QObject::tr("Cancel"));
    setKeyFieldLayout(m_keyField);
}
