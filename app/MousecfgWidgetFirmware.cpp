#include "app/MousecfgWidget.h"

#include "app/ArrowSkins.h"
#include "device/BatteryThreadControl.h"
#include "device/DeviceTable.h"
#include "platform/DetachedStart.h"
#include "storage/AppFolder.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTranslator>

#include <utility>

namespace {
const char *const UpdaterEnglish = "/skin/mouse/bin/KQ40-7716-20220101-en.exe";
const char *const UpdaterOther = "/skin/mouse/bin/KQ40-7716-20220101.exe";

// The release number of the cable's vendor interface plugged now, 0 without one.
quint32 cableReleaseNow()
{
    const DeviceModelRecord &record = deviceTable[0];
    if (deviceTypeCount < 1 || record.present[CableVendor] != 1)
        return 0;
    return quint32(getReleaseNumber(record.path[CableVendor]));
}
} // namespace

void MousecfgWidget::onTabOrFirmwareButton(QuorPushButton *sender)
{
    if (sender == m_firmwareButton) {
        offerFirmwareUpdate();
        return;
    }
    for (int i = 0; i < TabCount; ++i) {
        if (sender == m_buttons[size_t(i)]) {
            switchPage(i);
            return;
        }
    }
}

// The updater runs alone: the program ends once it has started, through its normal
// shutdown. A start that fails says so and the program goes on.
void MousecfgWidget::offerFirmwareUpdate()
{
    m_firmwareButton->setSelected(false);
    if (cableReleaseNow() == 0) {
        showMessage(OneButton, "To update the firmware, please connect to the computer with a cable.");
        return;
    }
    if (showMessage(TwoButtons, "Do you want to upgrade the firmware?") != QDialog::Accepted)
        return;
    m_batteryControl->stopBatteryThread();
    const QString updater = appDirPath() + (currentLanguageIndex() == 0 ? UpdaterEnglish : UpdaterOther);
    if (startDetached(updater)) {
        requestQuit();
        return;
    }
    showMessage(OneButton, "The firmware updater could not be started.");
    m_batteryControl->startBatteryThread();
}

void MousecfgWidget::updateArrowButtons()
{
    const QString name = readCurrentProductName();
    for (auto arrow : {std::make_pair(m_arrowUp, true), std::make_pair(m_arrowDown, false)}) {
        QStringList paths;
        for (const QString &skin : arrowSkins(arrow.second, name))
            paths << skinPath(skin);
        arrow.first->setPixmaps(paths);
    }
}

// A catalog that does not load keeps the language shown, its texts and its stored id.
void MousecfgWidget::onLanguageAction()
{
    int index = -1;
    for (int i = 0; i < m_iLangCount && i < int(m_langActions.size()); ++i)
        if (sender() == m_langActions[size_t(i)].get())
            index = i;
    if (index < 0)
        return;
    auto *translator = new QTranslator(this);
    if (!translator->load(appDirPath() + "/lang/" + m_languages.files[size_t(index)] + ".qm")) {
        delete translator;
        showMessage(OneButton, "The language file could not be loaded.");
        return;
    }
    QCoreApplication::removeTranslator(m_translator);
    delete m_translator;
    m_translator = translator;
    m_iLangIndex = index;
    setCurrentLanguageIndex(index);
    m_langButton->setCaption(m_langActions[size_t(index)]->text());
    QCoreApplication::installTranslator(m_translator);
    retranslateUi();
    if (!writeLangId(index))
        showMessage(OneButton, "The settings could not be saved.");
}
