#include "app/MousecfgWidget.h"

#include "buttons/QuorBtnWindow.h"
#include "macro/MacroDialog.h"
#include "pages/QuorColorWindow.h"
#include "pages/QuorDPIWindow.h"
#include "pages/QuorPointSpeed.h"
#include "pages/QuorReportRate.h"
#include "pages/StoreUi.h"
#include "storage/ConfigIni.h"
#include "storage/ModelDescriptor.h"
#include "storage/SettingsBlock.h"
#include "widgets/ModalGate.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"

#include <QScrollArea>
#include <QScrollBar>

// Each page is placed by the re-layout.
void MousecfgWidget::createPages()
{
    ProfileRecord &record = currentRecord(workingSettings);
    m_btnWindow = new QuorBtnWindow(&record, this, 1.0);
    m_btnWindow->setGeometry(scaledRect(m_dScale, 285, 342, 664, 199));
    connect(m_btnWindow, &QuorBtnWindow::SelBtnControl, this, &MousecfgWidget::slotMouseOver);
    connect(m_btnWindow, &QuorBtnWindow::GotoMacroTab, this, &MousecfgWidget::slotGotoMacro);
    connect(m_btnWindow, &QuorBtnWindow::PopOneClickBox, this, &MousecfgWidget::slotPopOneClickBox);
    m_buttonScroll = new QScrollArea(this);
    m_buttonScroll->setWidget(m_btnWindow);
    m_buttonScroll->setStyleSheet(QStringLiteral("QScrollArea{background-color:transparent;margin:0px;border:0px}"));
    m_buttonScroll->viewport()->setStyleSheet(QStringLiteral("background-color:transparent;margin:0px;"));
    m_buttonScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_buttonScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The area itself shows no focus; Tab goes to the buttons in it.
    m_buttonScroll->setFocusPolicy(Qt::NoFocus);
    m_dpiWindow = new QuorDPIWindow(record, this);
    m_pointSpeed = new QuorPointSpeed(&record, this);
    m_reportRate = new QuorReportRate(record, this);
    connect(m_reportRate, &QuorReportRate::RefreshLift, this, &MousecfgWidget::slotLiftChange);
    m_macroDialog = new MacroDialog(this);
    connect(m_macroDialog, &MacroDialog::RefreshButtonSlots, this,
            [this] { m_btnWindow->setButtonRecords(&currentRecord(workingSettings)); });
    connect(m_macroDialog, &MacroDialog::EnableButtonsSignal, this, &MousecfgWidget::slotEnableButtons);
    m_colorWindow = new QuorColorWindow(this, m_dScale);
}

void MousecfgWidget::placePages()
{
    const double s = m_dScale;
    m_colorWindow->setGeometry(scaledRect(s, 285, 90, 351, 440));
    m_colorWindow->setScale(s);
    m_dpiWindow->setGeometry(scaledRect(s, 285, 90, 456, 460));
    m_dpiWindow->setScale(s);
    m_pointSpeed->setGeometry(scaledRect(s, 746, 245, 229, 306));
    m_reportRate->setGeometry(scaledRect(s, 746, 90, 229, 150));
    m_macroDialog->setGeometry(scaledRect(s, 285, 90, 665, 467));
    placeButtonPage();
}

// The button page grows with the model's button count past nine; the scroll area
// shows what the window has room for.
void MousecfgWidget::placeButtonPage()
{
    const double s = m_dScale;
    const int count = qBound(0, modelButtonCount(), MatrixSize);
    const int height = count <= 9 ? scaledPixels(440, s) : scaledPixels(50 * count + 20, s);
    m_btnWindow->setFixedSize(scaledPixels(332, s), height);
    m_btnWindow->applyFonts(s);
    m_buttonScroll->setGeometry(scaledRect(s, 285, 90, 332, 442));
}

void MousecfgWidget::retranslatePages()
{
    m_btnWindow->retranslate();
    m_dpiWindow->retranslate();
    m_pointSpeed->retranslate();
    m_reportRate->retranslate();
    m_colorWindow->retranslate();
    m_macroDialog->retranslate();
}

void MousecfgWidget::showPagesOfTab(int tab)
{
    m_dpiWindow->setVisible(tab == DpiTab);
    m_pointSpeed->setVisible(tab == DpiTab);
    m_reportRate->setVisible(tab == DpiTab);
    m_colorWindow->setVisible(tab == LightingTab);
    m_buttonScroll->setVisible(tab == ButtonsTab);
    m_btnWindow->setVisible(tab == ButtonsTab);
    m_macroDialog->setVisible(tab == MacroTab);
}

void MousecfgWidget::showButtonGroupOnPage()
{
    const int group = qBound(0, m_iKeyGroup, int(m_selectedKey.size()) - 1);
    m_btnWindow->selectButton(quint8(m_selectedKey[size_t(group)]), quint8(group));
}

void MousecfgWidget::refreshPages()
{
    for (QuorPushButton *slot : m_slotButtons)
        slot->setSelected(false);
    m_slotButtons[size_t(safeProfileIndex(workingSettings.currentProfile))]->setSelected(true);
    ProfileRecord &record = currentRecord(workingSettings);
    m_colorWindow->setProfileData(&lightingRecord(workingSettings));
    m_btnWindow->layoutButtons();
    m_btnWindow->setButtonRecords(&record);
    m_pointSpeed->setProfileData(&record);
    m_reportRate->setProfileData(&record, workingSettings.LiftHigh);
    m_dpiWindow->setProfileData(&record, readMouseSensor());
}

void MousecfgWidget::storeUiIntoProfile()
{
    storeUiIntoRecord(currentRecord(workingSettings), *m_dpiWindow, *m_reportRate);
}

SettingsBlock MousecfgWidget::settingsAsShown() const
{
    SettingsBlock shown = workingSettings;
    storeUiIntoRecord(currentRecord(shown), *m_dpiWindow, *m_reportRate);
    return shown;
}

void MousecfgWidget::slotLiftChange(quint8 lift)
{
    workingSettings.LiftHigh = lift;
}

void MousecfgWidget::slotPopOneClickBox()
{
    QuorMessageBox box(2, QString(), QObject::tr("Warning"),
                       QObject::tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."), this, false,
                       Qt::FramelessWindowHint);
    ModalGate::exec(box);
}

// Hovering one of the page's front buttons lights its place on the mouse picture.
void MousecfgWidget::slotMouseOver(QuorPushButton *button, bool over)
{
    const QVector<QuorPushButton *> front = m_btnWindow->frontButtons();
    const QString name = readCurrentProductName();
    for (int i = 0; i < front.size() && i < 20; ++i) {
        if (front[i] != button)
            continue;
        m_hotspots[size_t(i)]->setSelected(!over);
        const QString picture = over ? QStringLiteral("/skin/mouse/%1/mouse_%2.png").arg(name).arg(i + 1)
                                     : "/skin/mouse/" + name + "/Mouse.png";
        showSkinPicture(m_frontPicture, picture, scaledPixels(300, m_dScale), scaledPixels(400, m_dScale),
                    Qt::KeepAspectRatio);
    }
}
