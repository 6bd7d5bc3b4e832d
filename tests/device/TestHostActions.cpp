#include "device/DeviceState.h"
#include "device/HostActions.h"
#include "platform/HostInput.h"
#include "tests/common/TestMain.h"

#include <QDesktopServices>
#include <QTest>

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestHostActions : public QObject
{
    Q_OBJECT
private slots:
    // The pointer speed follows the working block's current profile, not the device copy.
    void pointerSpeedOfTheCurrentProfile()
    {
        QCOMPARE(getWindowsMouseSpeed(), HostInput::DefaultPointerSpeed);
        workingSettings = SettingsBlock();
        deviceSettings = SettingsBlock();
        workingSettings.currentProfile = 2;
        workingSettings.profiles[2].mousespeed = 17;
        setWindowsMouseSpeed();
        QCOMPARE(getWindowsMouseSpeed(), 17);
        for (quint8 bad : {quint8(0), quint8(21), quint8(255)}) {
            workingSettings.profiles[2].mousespeed = bad;
            setWindowsMouseSpeed();
            QCOMPARE(getWindowsMouseSpeed(), 17);
        }
        workingSettings.currentProfile = 9; // out of range: profile 0
        workingSettings.profiles[0].mousespeed = 1;
        setWindowsMouseSpeed();
        QCOMPARE(getWindowsMouseSpeed(), 1);
        deviceSettings.currentProfile = 1;
        readWindowsMouseSpeed();
        QCOMPARE(deviceSettings.profiles[1].mousespeed, quint8(1));
        QVERIFY(HostInput::setPointerSpeed(20));
        QVERIFY(!HostInput::setPointerSpeed(-3));
        QCOMPARE(HostInput::pointerSpeed(), 20);
    }

    void mailOpensThroughTheDesktopServices()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("mailto", &catcher, "open");
        openMailClient(true);
        openMailClient(false);
        openBrowserHomePage();
        sendBrowserBack();
        sendFindShortcut();
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(catcher.urls, QList<QUrl>({QUrl("mailto:")}));
        QVERIFY(!HostInput::openUrl(QUrl()));
    }
};

MOUSECFG_TEST(TestHostActions)
#include "TestHostActions.moc"
