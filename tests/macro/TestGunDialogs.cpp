#include "device/ButtonTable.h"
#include "device/MacroUpload.h"
#include "macro/MacroRows.h"
#include "macro/QuorGunEditDialog.h"
#include "macro/QuorGunsetDialog.h"
#include "storage/FunctionCodes.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"
#include "tests/macro/MacroFixture.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/SkinFont.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>

class TestGunDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init() { setCurrentLanguageIndex(1); }
    void cleanup() { setCurrentLanguageIndex(0); }

    // GUN SET is offered in the languages 1 and 2 only, on a new page and after a switch;
    // a row edit hides it in every language, and SAVE or CANCEL brings it back only
    // where the language offers it.
    void gunSetFollowsTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("offered");
        QTest::newRow("English") << 0 << false;
        QTest::newRow("traditional Chinese") << 1 << true;
        QTest::newRow("simplified Chinese") << 2 << true;
    }
    void gunSetFollowsTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(bool, offered);
        MacroFixture fx;
        MacroFixture::writeMacro("m", "132/0/4 4/0/4");
        const int before = (language + 1) % 3;
        setCurrentLanguageIndex(before);
        auto page = shownPage();
        QuorPushButton *gunSet = page->button(MacroDialog::GunSetButton);
        QCOMPARE(gunSet->isVisible(), before != 0);
        setCurrentLanguageIndex(language);
        page->retranslate();
        QCOMPARE(gunSet->isVisible(), offered);
        for (MacroDialog::PageButton end : {MacroDialog::SaveButton, MacroDialog::CancelButton}) {
            clickRow(*page, 0);
            click(page->button(MacroDialog::EditButton));
            QVERIFY(page->isKeyEditing());
            page->retranslate();
            QVERIFY(!gunSet->isVisible());
            click(page->button(end));
            QVERIFY(!page->isKeyEditing());
            QCOMPARE(gunSet->isVisible(), offered);
        }
    }

    // Shots become rows, the rows a recoil file that the page lists and loads, and
    // the upload packs that file for a recoil button as [type, DataL, DataH].
    void shotsReachTheMouse_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("shots");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("packed");
        QTest::newRow("one shot") << 1 << "100,0,0" << "129/0/1 1/0/1 6/0/10" << "810100 010100 060a00";
        QTest::newRow("up and right") << 1 << "990,-100,37" << "129/0/1 1/0/1 2/156/0 2/0/37 6/0/99"
                                      << "810100 010100 02009c 022500 066300";
        QTest::newRow("two of five") << 2 << "10,3,0 20,0,-4 300,9,9 300,9,9 300,9,9"
                                     << "129/0/1 1/0/1 2/3/0 6/0/1 129/0/1 1/0/1 2/0/252 6/0/2"
                                     << "810100 010100 020003 060100 810100 010100 02fc00 060200";
    }
    void shotsReachTheMouse()
    {
        QFETCH(int, count);
        QFETCH(QString, shots);
        QFETCH(QString, rows);
        QFETCH(QString, packed);
        DeviceFixture fx;
        ModalWatchdog watchdog(20000);
        auto page = shownPage();
        QVERIFY(page->button(MacroDialog::GunSetButton)->isVisible());
        QVERIFY(runModal([&] { click(page->button(MacroDialog::GunSetButton)); }, [&](QWidget *w) {
            auto *dialog = qobject_cast<QuorGunsetDialog *>(w);
            if (count != QuorGunsetDialog::MaxShots)
                pickMenuEntry(dialog->countButton(), QString::number(count));
            const QStringList columns = shots.split(' '); // "delay,y,x" a shot
            for (int i = 0; i < columns.size(); ++i) {
                dialog->delayBox(i)->setValue(columns[i].section(',', 0, 0).toInt());
                dialog->yBox(i)->setValue(columns[i].section(',', 1, 1).toInt());
                dialog->xBox(i)->setValue(columns[i].section(',', 2, 2).toInt());
            }
            // The page's dark background does not reach the name field, whose text is black.
            const QImage field = dialog->nameField()->grab().toImage();
            QVERIFY(field.pixelColor(4, field.height() / 2).lightness() > 200);
            QTest::keyClicks(dialog->nameField(), "Burst");
            QTest::mouseClick(dialog->yesButton(), Qt::LeftButton);
        }));
        QCOMPARE(listedMacroNames(), QStringList{"Burst"});
        QCOMPARE(page->currentMacroName(), QString("Burst"));
        QCOMPARE(rowsText(page->actionRows()), rows);
        QVERIFY(page->recordDelayBox()->isChecked());
        const MacroFile file = readMacroFile("Burst");
        QCOMPARE(rowsText(file.rows), rows);
        QCOMPARE(file.defaultDelay, 10);
        QCOMPARE(file.loopType, 0);
        QCOMPARE(file.loopTime, 1);
        QVERIFY(!IniFile(macroFilePath("Burst")).value("Setting/WriteSign").isValid());

        ButtonSlot &button = deviceSettings.profiles[0].buttons[1];
        button.Fun = FunGunFile;
        button.macroname = "Burst";
        QCOMPARE(sendButtonTable(), quint8(0));
        QCOMPARE(uploadMacros(), quint8(0));
        const QByteArray expected = QByteArray::fromHex((packed + " 000000").toLatin1());
        QCOMPARE(fx.mouse().state().macroSlot(0).left(expected.size()), expected);
        QVERIFY(!watchdog.fired());
    }

    // The recoil edit dialog: the direction box chosen last and the distance, 1 to 120.
    void editDialog_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("distance");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("moved");
        QTest::newRow("up 30") << int(MoveUp) << 30 << "" << true << int(MoveUp) << 30;
        QTest::newRow("direction 7, distance 0") << 7 << 0 << "" << true << 7 << 1;
        QTest::newRow("down, then left") << int(MoveRight) << 5 << "3 0" << true << int(MoveLeft) << 5;
        QTest::newRow("the chosen box again, 500") << int(MoveUp) << 500 << "2" << true << int(MoveUp) << 120;
        QTest::newRow("no") << int(MoveUp) << 5 << "3" << false << int(MoveDown) << 5;
        QTest::newRow("return in the distance") << int(MoveUp) << 30 << "3 return" << true << int(MoveDown) << 30;
        QTest::newRow("0 typed, held to 1 as the box is left") << int(MoveUp) << 30 << "type:0 tab" << true
                                                               << int(MoveUp) << 1;
        QTest::newRow("200 typed, past the top at 20") << int(MoveUp) << 30 << "type:200" << true << int(MoveUp) << 20;
    }
    void editDialog()
    {
        QFETCH(int, direction);
        QFETCH(int, distance);
        QFETCH(QString, clicks);
        QFETCH(bool, yes);
        QFETCH(int, chosen);
        QFETCH(int, moved);
        MacroFixture fx;
        QuorGunEditDialog dialog(direction, distance, nullptr, 1.0, Qt::FramelessWindowHint);
        int result = -1;
        QVERIFY(runModal([&] { result = dialog.exec(); }, [&](QWidget *) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            for (const QString &box : clicks.split(' ', Qt::SkipEmptyParts)) {
                if (box == "return" || box.startsWith("type:"))
                    dialog.distanceBox()->setFocus();
                if (box == "return")
                    return tapNativeKey(&dialog, 28, Qt::Key_Return);
                if (box == "tab") {
                    tapNativeKey(&dialog, 15, Qt::Key_Tab);
                } else if (box.startsWith("type:")) {
                    dialog.distanceBox()->selectAll();
                    QTest::keyClicks(dialog.distanceBox(), box.mid(5));
                } else {
                    QTest::mouseClick(dialog.directionBox(box.toInt()), Qt::LeftButton);
                }
            }
            QTest::mouseClick(yes ? dialog.yesButton() : dialog.noButton(), Qt::LeftButton);
        }));
        QCOMPARE(result, int(yes ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(dialog.direction(), chosen);
        QCOMPARE(dialog.distance(), moved);
        QCOMPARE(dialog.distanceBox()->text(), QString::number(moved));
        for (int d = 0; d < MoveDirectionCount; ++d)
            QCOMPARE(dialog.directionBox(d)->isSelected(), d == chosen);
    }

    // The bullet count stands centred left of the drop-down arrow's square.
    void bulletCountClearsTheArrow()
    {
        SkinFixture fx;
        fx.writeSkin("bulletsel.png", Qt::darkGray, QSize(70, 20));
        for (double scale : {1.0, 2.0}) {
            QuorGunsetDialog dialog(nullptr, scale, Qt::FramelessWindowHint);
            QuorPushButton *count = dialog.countButton();
            const QImage shown = count->grab().toImage();
            count->setCaption(QString());
            const QRect ink = diffBox(shown, count->grab().toImage());
            QVERIFY(!ink.isEmpty());
            QVERIFY(qAbs(ink.center().x() - (count->width() - count->height()) / 2) <= 2 * scale);
        }
    }
};

MOUSECFG_TEST(TestGunDialogs)
#include "TestGunDialogs.moc"
