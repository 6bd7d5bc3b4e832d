#include "storage/Theme.h"
#include "tests/common/NativeKeyInput.h"
#include "tests/common/PointerInput.h"
#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorMessageBox.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TestQuorMessageBox : public QObject
{
    Q_OBJECT
    SkinFixture *m_skin = nullptr;

private slots:
    void init()
    {
        m_skin = new SkinFixture;
        m_skin->writeSkin("dlg.png", QColor(40, 40, 40), QSize(100, 60));
        m_skin->writeSkin("warn.png", Qt::yellow, QSize(90, 90));
        m_skin->writeSkin("dongle2.png", Qt::cyan, QSize(90, 45));
    }
    void cleanup() { delete m_skin; }

    void questionAnswersYesOrNo()
    {
        QuorMessageBox box(1, QString(), "Warning", "Are you sure you want reset this profile?");
        QCOMPARE(box.firstButton()->text(), QStringLiteral("Yes"));
        QVERIFY(box.secondButton());
        QCOMPARE(box.secondButton()->text(), QStringLiteral("No"));
        QCOMPARE(box.firstButton()->objectName(), QStringLiteral("msgBoxYesBtn"));
        QCOMPARE(box.headingLabel()->caption(), QStringLiteral("Warning"));
        QCOMPARE(box.messageLabel()->caption(), QStringLiteral("Are you sure you want reset this profile?"));

        QTimer::singleShot(0, &box, [&box] { QTest::mouseClick(box.firstButton(), Qt::LeftButton); });
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QTimer::singleShot(0, &box, [&box] { QTest::mouseClick(box.secondButton(), Qt::LeftButton); });
        QCOMPARE(box.exec(), int(QDialog::Rejected));
        QTimer::singleShot(0, &box, [&box] { QTest::keyClick(&box, Qt::Key_Escape); });
        QCOMPARE(box.exec(), int(QDialog::Rejected));
    }

    // The buttons take no focus: Return answers as the first button does. Neither a
    // press slid off a button nor the repeats of a Return held since before the box
    // opened answer anything.
    void answersOnAClickOrReturnOnly_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("Yes slid off, then clicked") << 1 << "slide Yes" << true;
        QTest::newRow("No slid off, then clicked") << 1 << "slide No" << false;
        QTest::newRow("question, Return") << 1 << "Return" << true;
        QTest::newRow("question, held Return") << 1 << "held Return" << true;
        QTest::newRow("warning, Return") << 2 << "Return" << true;
    }
    void answersOnAClickOrReturnOnly()
    {
        QFETCH(int, type);
        QFETCH(QString, way);
        QFETCH(bool, accepted);
        constexpr int EvdevEnter = 28;
        QuorMessageBox box(type, QString(), "Warning", "Are you sure you want delete this profile?");
        QToolButton *button = way == "slide No" ? box.secondButton() : box.firstButton();
        bool openBeforeTheAnswer = false;
        QTimer::singleShot(0, &box, [&] {
            if (way.startsWith("slide"))
                slideRelease(button, QPoint(5, 5), QPoint(button->width() + 30, 5));
            if (way == "held Return")
                sendNativeKey(&box, QEvent::KeyPress, EvdevEnter, Qt::Key_Return, Qt::NoModifier, true);
            openBeforeTheAnswer = box.isVisible();
            if (way.startsWith("slide"))
                QTest::mouseClick(button, Qt::LeftButton);
            else
                tapNativeKey(&box, EvdevEnter, Qt::Key_Return);
            if (box.isVisible())
                box.done(-1); // unanswered
        });
        QCOMPARE(box.exec(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
        QVERIFY(openBeforeTheAnswer);
    }

    void oneButtonTypesAndTheirPictures()
    {
        for (int type : {0, 2, 3, 4, 7}) {
            QuorMessageBox box(type, QString(), "Warning", "Dongle Disconnect!");
            QCOMPARE(box.firstButton()->text(), QStringLiteral("Ok"));
            QVERIFY(!box.secondButton());
            const QPixmap icon = box.iconLabel()->pixmap(Qt::ReturnByValue);
            QCOMPARE(!icon.isNull(), type >= 1 && type <= 4);
            if (type == 4)
                QCOMPARE(icon.size(), QSize(45, 22));
        }
    }

    void sizesFollowTheScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QSize>("button");
        QTest::newRow("1.0") << 1.0 << QSize(478, 309) << QSize(100, 30);
        QTest::newRow("1.25") << 1.25 << QSize(597, 386) << QSize(125, 37);
        QTest::newRow("2.0") << 2.0 << QSize(956, 618) << QSize(200, 60);
    }
    void sizesFollowTheScale()
    {
        QFETCH(double, scale);
        QFETCH(QSize, box);
        QFETCH(QSize, button);
        setUiScale(scale);
        QuorMessageBox dialog(2, QString(), "Warning", "Profile Exist!");
        QCOMPARE(dialog.size(), box);
        QCOMPARE(dialog.firstButton()->size(), button);
        QCOMPARE(dialog.iconLabel()->size(), QSize(int(45 * scale), int(45 * scale)));

        // The skin fills the box and a theme-coloured frame runs round it.
        const QImage image = dialog.grab().toImage();
        QCOMPARE(image.size(), box);
        QCOMPARE(image.pixelColor(box.width() / 2, 8), QColor(40, 40, 40));
        QCOMPARE(image.pixelColor(1, box.height() / 2), themeColor());
        QCOMPARE(image.pixelColor(box.width() - 1, box.height() / 2), themeColor());
    }

    // Both answers' captions stand in the middle of their buttons.
    void captionsAreCentred_data()
    {
        QTest::addColumn<double>("scale");
        for (double scale : {1.0, 1.25, 1.5, 2.0})
            QTest::newRow(qPrintable(QString::number(scale))) << scale;
    }
    void captionsAreCentred()
    {
        QFETCH(double, scale);
        setUiScale(scale);
        QuorMessageBox box(1, QString(), "Warning", "Are you sure you want reset this profile?");
        for (QToolButton *button : {box.firstButton(), box.secondButton()}) {
            const QImage image = button->grab().toImage();
            // Columns of white caption ink, the frame left out.
            int left = image.width(), right = -1;
            for (int y = 2; y < image.height() - 2; ++y)
                for (int x = 2; x < image.width() - 2; ++x)
                    if (qGray(image.pixel(x, y)) > 160) {
                        left = qMin(left, x);
                        right = qMax(right, x);
                    }
            QVERIFY2(right > left, qPrintable(button->text()));
            QVERIFY2(qAbs(left - (image.width() - 1 - right)) <= 2 * scale, qPrintable(button->text()));
        }
    }

    void waitForDeviceAcceptsWhenTheProbeSaysSo()
    {
        bool present = false;
        QuorMessageBox box(4, QString(), "Warning", "Dongle Disconnect!", nullptr, true);
        box.setDevicePresentProbe([&present] { return present; });
        QElapsedTimer clock;
        qint64 setAt = 0;
        QTimer::singleShot(250, &box, [&] {
            present = true;
            setAt = clock.elapsed();
        });
        clock.start();
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QVERIFY(present);
        QVERIFY2(clock.elapsed() - setAt <= 2000, qPrintable(QString::number(clock.elapsed() - setAt)));
    }

    void waitWithoutProbeOrWithoutOptionNeverAccepts()
    {
        QuorMessageBox noProbe(4, QString(), "Warning", "Dongle Disconnect!", nullptr, true);
        QSignalSpy accepted(&noProbe, &QDialog::accepted);
        QTimer::singleShot(350, &noProbe, &QDialog::reject);
        QCOMPARE(noProbe.exec(), int(QDialog::Rejected));
        QCOMPARE(accepted.count(), 0);

        QuorMessageBox noWait(2, QString(), "Warning", "Profile Exist!", nullptr, false);
        noWait.setDevicePresentProbe([] { return true; });
        QTimer::singleShot(350, &noWait, &QDialog::reject);
        QCOMPARE(noWait.exec(), int(QDialog::Rejected));
    }

    void missingSkinPaintsNoPicture()
    {
        QuorMessageBox box(1, QString(), "Warning", "Profile Exist!");
        delete m_skin;
        m_skin = new SkinFixture;
        QuorMessageBox bare(4, QString(), "Warning", "Dongle Disconnect!");
        QVERIFY(bare.iconLabel()->pixmap(Qt::ReturnByValue).isNull());
        const QImage image = bare.grab().toImage();
        QCOMPARE(image.pixelColor(1, 100), themeColor());
    }
};

MOUSECFG_TEST(TestQuorMessageBox)
#include "TestQuorMessageBox.moc"
