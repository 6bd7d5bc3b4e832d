#include "app/MousecfgWidget.h"

#include "device/DeviceTable.h"
#include "storage/Theme.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinFont.h"
#include "widgets/UiScale.h"

#include <QDebug>
#include <QMenu>

namespace {
bool pairComplete(const DeviceModelRecord &record, int pair)
{
    return record.present[size_t(2 * pair)] == 1 && record.present[size_t(2 * pair + 1)] == 1;
}

bool recordConnected(const DeviceModelRecord &record)
{
    return pairComplete(record, ReceiverPair) || pairComplete(record, CablePair);
}

// Config.ini is rewritten only when the name changes.
void storeCurrentProductName(const QString &name)
{
    if (readCurrentProductName() != name)
        writeCurrentProductName(name);
}
}

void MousecfgWidget::countConnectedMice()
{
    m_iConnectedCount = 0;
    for (int i = 0; i < deviceTypeCount && i < MaxDeviceTypes; ++i)
        if (recordConnected(deviceTable[size_t(i)]))
            ++m_iConnectedCount;
}

void MousecfgWidget::refreshMouseList(int)
{
    m_mouseNames.clear();
    if (deviceTypeCount <= 1)
        m_mouseButton->hide();
    // The old menu goes with its entries.
    delete m_mouseMenu;
    m_mouseMenu = new QMenu(this);
    m_iConnectedCount = 0;
    for (int i = 0; i < deviceTypeCount && i < MaxDeviceTypes; ++i) {
        const DeviceModelRecord &record = deviceTable[size_t(i)];
        if (!recordConnected(record))
            continue;
        m_mouseNames << QString::fromLatin1(record.productName);
        m_mouseMenu->addAction(m_mouseNames.last());
        ++m_iConnectedCount;
    }
    if (m_iConnectedCount <= 1) {
        m_mouseButton->hide();
        if (m_iConnectedCount == 1)
            qDebug() << "RefreshMouseList " << m_mouseNames.first();
        storeCurrentProductName(m_iConnectedCount == 1 ? m_mouseNames.first() : QString());
        return;
    }
    m_mouseButton->show();
    const QString current = readCurrentProductName();
    if (m_mouseNames.contains(current))
        m_mouseButton->setCaption(current);
    else
        storeCurrentProductName(m_mouseNames.first());
    m_mouseButton->setMenu(m_mouseMenu);
    m_mouseMenu->setFixedWidth(scaledPixels(150));
    m_mouseMenu->setStyleSheet(menuStyleSheet());
    m_mouseMenu->setFont(languageFont());
}
