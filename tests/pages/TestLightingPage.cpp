#include "pages/DefaultColorArea.h"
#include "pages/QuorColorArea.h"
#include "pages/QuorColorWindow.h"
#include "tests/common/NativeKeyInput.h"
#include "tests/common/ProfileSamples.h"
#include "tests/common/TestMain.h"
#include "tests/pages/PageFixture.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorPushButton.h"
#include "widgets/QuorSlider.h"

#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>
#include <QTranslator>

namespace {
ProfileRecord lightingSample()
{
    ProfileRecord r;
    r.LedMode = 1;
    r.LedSleepTime = 5;
    r.LedMoveOFF = 255;
    for (int m = 0; m < LedModeCount; ++m)
        r.ledModes[size_t(m)] = LedModeRecord{QColor(10 * m, 20, 30), m, m, m, 1, 2};
    return r;
}

// The arrow: the pixels of the button's right half, away from its frame, that stand
// out from the plate in the middle of their row.
QRect arrowBox(const QImage &plain)
{
    QRect box;
    for (int y = plain.height() / 4; y < plain.height() * 3 / 4; ++y) {
        const int plate = qGray(plain.pixel(plain.width() / 2, y));
        for (int x = plain.width() / 2; x < plain.width() - plain.height() / 4; ++x)
            if (qAbs(qGray(plain.pixel(x, y)) - plate) > 16)
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

const QStringList Catalogs{"en", "tc", "sc"};
const QStringList MenuTexts{"FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE",
                            "REACTIVE", "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF"};
}

class TestLightingPage : public QObject
{
    Q_OBJECT
private slots:
    void menuOffersTenEffectsInOrder()
    {
        PageFixture fx;
        QuorColorWindow page(nullptr, 1.0);
        ProfileRecord r = lightingSample();
        page.setProfileData(&r);
        QStringList texts;
        for (QAction *action : page.effectMenu()->actions())
            texts << action->text();
        QCOMPARE(texts, MenuTexts);
        const int indexes[] = {1, 2, 3, 4, 9, 11, 10, 12, 13, 0};
        for (int i = 0; i < MenuTexts.size(); ++i) {
            QVERIFY(pickMenuEntry(page.effectButton(), MenuTexts[i]));
            QCOMPARE(int(r.LedMode), indexes[i]);
            QCOMPARE(page.effectButton()->caption(), MenuTexts[i]);
        }
    }

    void layoutFollowsTheEffect_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("brightness");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<int>("speedY");
        QTest::newRow("FULL LIGHTED") << 1 << true << false << true << 156;
        QTest::newRow("BREATHING") << 2 << false << true << true << 97;
        QTest::newRow("RAINBOW") << 4 << true << true << false << 156;
        QTest::newRow("FLASH") << 5 << true << true << false << 156;
        QTest::newRow("REACTIVE") << 11 << true << false << false << 156;
        QTest::newRow("OFF") << 0 << false << false << false << 156;
    }
    void layoutFollowsTheEffect()
    {
        QFETCH(int, effect);
        QFETCH(bool, brightness);
        QFETCH(bool, speed);
        QFETCH(bool, colour);
        QFETCH(int, speedY);
        PageFixture fx;
        QuorColorWindow page(nullptr, 1.0);
        ProfileRecord r = lightingSample();
        r.LedMode = 3;
        page.setProfileData(&r);
        page.setScale(1.0);
        page.setEffect(effect);
        QCOMPARE(int(r.LedMode), effect);
        QCOMPARE(!page.brightnessSlider()->isHidden(), brightness);
        QCOMPARE(!page.title(QuorColorWindow::BrightnessTitle)->isHidden(), brightness);
        QCOMPARE(!page.speedSlider()->isHidden(), speed);
        QCOMPARE(!page.colorSwatch()->isHidden(), colour);
        QCOMPARE(page.speedSlider()->y(), speedY);
        QVERIFY(!page.sleepSlider()->isHidden() && !page.moveOffBox()->isHidden());
    }

    // Each effect keeps its own values; a value the slider clamps on loading is stored
    // clamped, and the effect the mouse reports shows its own values.
    void eachEffectKeepsItsValues()
    {
        PageFixture fx;
        QuorColorWindow page(nullptr, 1.0);
        ProfileRecord r = lightingSample();
        r.ledModes[9].bright = 0;
        r.ledModes[9].breath = 9;
        page.setProfileData(&r);
        ProfileRecord expected = r;
        QVERIFY(pickMenuEntry(page.effectButton(), "RAINBOW"));
        QTest::keyClick(page.brightnessSlider(), Qt::Key_Right);
        QVERIFY(pickMenuEntry(page.effectButton(), "WAVE"));
        QCOMPARE(page.brightnessSlider()->value(), 1);
        QTest::keyClick(page.brightnessSlider(), Qt::Key_End);
        QTest::keyClick(page.speedSlider(), Qt::Key_Left);
        page.setEffect(4);
        QCOMPARE(page.brightnessSlider()->value(), 2);
        expected.LedMode = 4;
        expected.ledModes[4].bright = 2;
        expected.ledModes[9].bright = 3;
        expected.ledModes[9].breath = 4;
        QCOMPARE(firstDifference(r, expected), QString());
        QCOMPARE(page.colorSwatch()->color(), r.ledModes[4].color);
    }

    // Every effect's caption, the longest too, keeps clear of the drop-down arrow by a
    // few design pixels, in each language, at each scale and with either program's
    // caption rule.
    void captionKeepsClearOfTheArrow_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("fitFirst");
        for (double scale : {1.0, 1.25, 1.5, 2.0})
            for (int language = 0; language < 3; ++language)
                for (bool fitFirst : {false, true})
                    QTest::addRow("%.2f %s%s", scale, qPrintable(Catalogs[language]), fitFirst ? " fit first" : "")
                        << scale << language << fitFirst;
    }
    void captionKeepsClearOfTheArrow()
    {
        QFETCH(double, scale);
        QFETCH(int, language);
        QFETCH(bool, fitFirst);
        PageFixture fx;
        // The build's skin: its drop-down picture draws the arrow.
        QVERIFY(QFile::link(QStringLiteral(MOUSECFG_APP_DIR "/skin"), fx.folder.path() + "/skin"));
        fx.folder.writeFile("Configs/Config.ini", "[Config]\nGColorID=2\n\n[FONT_LIST]\nFONT_0=DejaVu Sans\n"
                                                  "FONT_SIZE_0=12\nFONT_1=Noto Sans CJK TC\nFONT_SIZE_1=12\n"
                                                  "FONT_2=Noto Sans CJK SC\nFONT_SIZE_2=12\n");
        QTranslator catalog;
        QVERIFY(catalog.load(QStringLiteral(":/lang/%1.qm").arg(Catalogs[language])));
        QCoreApplication::installTranslator(&catalog);
        setCurrentLanguageIndex(language);
        setUiScale(scale);
        QuorPushButton::setCaptionFitFirst(fitFirst);
        QuorColorWindow page(nullptr, scale);
        ProfileRecord r = lightingSample();
        page.setProfileData(&r);
        page.setScale(scale);
        QuorPushButton *button = page.effectButton();
        for (int effect = 0; effect < LedModeCount; ++effect) {
            page.setEffect(effect);
            const QString caption = button->caption();
            const QImage shown = renderOver(*button);
            button->setCaption(QString());
            const QImage plain = renderOver(*button);
            const QRect arrow = arrowBox(plain), text = diffBox(shown, plain);
            QVERIFY(arrow.isValid() && text.isValid());
            QVERIFY2(text.right() + scaledPixels(4, scale) < arrow.left(), qPrintable(caption));
        }
        QuorPushButton::setCaptionFitFirst(false);
        setCurrentLanguageIndex(0);
    }

    void sleepTimeAndMoveOff_data()
    {
        QTest::addColumn<int>("showSleep");
        QTest::newRow("shown") << 1;
        QTest::newRow("not shown") << 0;
    }
    void sleepTimeAndMoveOff()
    {
        QFETCH(int, showSleep);
        PageFixture fx("QM700", 8, showSleep);
        QuorColorWindow page(nullptr, 1.0);
        ProfileRecord r = lightingSample();
        r.LedSleepTime = 0;
        r.LedMoveOFF = 1;
        page.setProfileData(&r);
        page.setScale(1.0);
        QCOMPARE(int(r.LedSleepTime), 1);
        QVERIFY(!page.moveOffBox()->isChecked());
        QCOMPARE(page.sleepSlider()->geometry().isEmpty(), !showSleep);
        QCOMPARE(page.moveOffBox()->focusPolicy(), showSleep ? Qt::StrongFocus : Qt::NoFocus);
        QTest::keyClick(page.sleepSlider(), Qt::Key_End);
        QCOMPARE(int(r.LedSleepTime), 9);
        QCOMPARE(page.minutesLabel()->caption(), QString("9 MINUTE"));
        page.moveOffBox()->click();
        QCOMPARE(int(r.LedMoveOFF), 0);
        page.moveOffBox()->click();
        QCOMPARE(int(r.LedMoveOFF), 255);
    }

    // An effect without a row: no caption, its controls disabled, nothing read or
    // written outside the 14 records, the byte kept until an effect is picked.
    void unknownEffectAndNoRecord()
    {
        PageFixture fx;
        QuorColorWindow page(nullptr, 1.0);
        page.setEffect(3);
        page.refresh();
        page.retranslate();
        page.setScale(1.5);
        QTest::keyClick(page.brightnessSlider(), Qt::Key_Right);
        QTest::mouseClick(page.colorSwatch(), Qt::LeftButton);

        ProfileRecord r = lightingSample();
        r.LedMode = 200;
        const ProfileRecord stored = r;
        page.setProfileData(&r);
        QCOMPARE(page.effectButton()->caption(), QString());
        QVERIFY(!page.brightnessSlider()->isEnabled() && !page.speedSlider()->isEnabled());
        QVERIFY(!page.colorSwatch()->isEnabled());
        page.brightnessSlider()->setValue(3);
        page.slotSendLedState(Qt::green);
        QCOMPARE(firstDifference(r, stored), QString());
        QVERIFY(pickMenuEntry(page.effectButton(), "REACTIVE"));
        QCOMPARE(int(r.LedMode), 11);
        QVERIFY(page.brightnessSlider()->isEnabled());
    }

    // The dialog's colour reaches the record and effect it was opened for, also when
    // the page was reloaded meanwhile; Return in a box keeps what OK keeps, and nothing
    // while a box is left empty; Cancel and Escape change nothing.
    void colourDialogResult_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("ok") << "ok";
        QTest::newRow("return") << "return";
        QTest::newRow("return in an emptied box") << "emptied return";
        QTest::newRow("cancel") << "cancel";
        QTest::newRow("escape") << "escape";
        QTest::newRow("reloaded meanwhile") << "reload";
    }
    void colourDialogResult()
    {
        QFETCH(QString, how);
        PageFixture fx;
        QuorColorWindow page(nullptr, 1.0);
        ProfileRecord r = lightingSample();
        ProfileRecord other = lightingSample();
        page.setProfileData(&r);
        ProfileRecord expected = r;
        const ProfileRecord otherBefore = other;
        QVERIFY(runModal([&] { QTest::mouseClick(page.colorSwatch(), Qt::LeftButton); },
            [&](QWidget *window) {
                auto *dialog = qobject_cast<QuorColorArea *>(window);
                QVERIFY(dialog);
                QCOMPARE(dialog->color(), r.ledModes[1].color);
                dialog->box(4)->setFocus();
                dialog->box(4)->selectAll();
                QTest::keyClicks(dialog->box(4), "99");
                if (how.startsWith("emptied")) {
                    dialog->box(4)->selectAll();
                    QTest::keyClick(dialog->box(4), Qt::Key_Backspace);
                }
                if (how.endsWith("return")) {
                    tapNativeKey(dialog, 28, Qt::Key_Return);
                    if (!how.startsWith("emptied"))
                        return;
                    QVERIFY(dialog->isVisible() && !dialog->okButton()->isEnabled());
                }
                if (how == "reload") {
                    page.setProfileData(&other);
                    page.setEffect(2);
                }
                if (how == "escape")
                    QTest::keyClick(dialog, Qt::Key_Escape);
                else
                    QTest::mouseClick(how == "ok" || how == "reload" ? dialog->okButton() : dialog->cancelButton(),
                                      Qt::LeftButton);
            }));
        const QColor picked(10, 99, 30);
        const bool kept = how == "ok" || how == "return";
        if (kept || how == "reload")
            expected.ledModes[1].color = picked;
        QCOMPARE(firstDifference(r, expected), QString());
        QCOMPARE(page.colorSwatch()->color(), kept ? picked : page.record()->ledModes[page.record()->LedMode].color);
        if (how == "reload") {
            QCOMPARE(int(other.LedMode), 2);
            other.LedMode = otherBefore.LedMode;
            QCOMPARE(firstDifference(other, otherBefore), QString());
        }
    }

    // The main window hands the page lightingRecord(): profile 0 for "X642" only.
    void x642EditsProfileZero_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("edited");
        QTest::newRow("X642") << "X642" << 0;
        QTest::newRow("x642") << "x642" << 3;
    }
    void x642EditsProfileZero()
    {
        QFETCH(QString, product);
        QFETCH(int, edited);
        PageFixture fx(product);
        SettingsBlock block;
        for (ProfileRecord &r : block.profiles)
            r = lightingSample();
        block.currentProfile = 3;
        const SettingsBlock before = block;
        QuorColorWindow page(nullptr, 1.0);
        page.setProfileData(&lightingRecord(block));
        QVERIFY(pickMenuEntry(page.effectButton(), "RAINBOW"));
        QTest::keyClick(page.speedSlider(), Qt::Key_Right);
        page.moveOffBox()->click();
        for (int p = 0; p < ProfileCount; ++p) {
            const QString difference = firstDifference(block.profiles[size_t(p)], before.profiles[size_t(p)]);
            QCOMPARE(difference.isEmpty(), p != edited);
        }
        const ProfileRecord &r = block.profiles[size_t(edited)];
        QCOMPARE(QVector<int>({r.LedMode, r.ledModes[4].breath, r.LedMoveOFF}), QVector<int>({4, 3, 0}));
    }
};

MOUSECFG_TEST(TestLightingPage)
#include "TestLightingPage.moc"
