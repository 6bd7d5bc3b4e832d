#include "app/MousecfgWidget.h"

#include "app/OsdPayload.h"
#include "app/VariantSettings.h"
#include "platform/DesktopNotifier.h"
#include "storage/Theme.h"

// The desktop's notification service shows the message; each one replaces the last.
// Nothing waits for it, and without a service nothing shows.
void MousecfgWidget::sendOsdMessage(const QString &text)
{
    const OsdMessage message = makeOsdMessage(text, themeColor());
    if (!m_notifier)
        m_notifier = new DesktopNotifier(programVariant().programName, this);
    m_notifier->show(osdMessageText(message));
}
