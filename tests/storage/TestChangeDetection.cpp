#include "storage/ChangeDetection.h"
#include "storage/ConfigIni.h"
#include "storage/MacroFile.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"
#include "tests/common/ProfileSamples.h"

#include <QFile>
#include <QSettings>
#include <QTest>

namespace {
void writeMacro(const QString &name, int writeSign)
{
    QSettings macro(macroFilePath(name), QSettings::IniFormat);
    macro.setValue("Setting/Count", 0);
    macro.setValue("Setting/WriteSign", writeSign);
}

int writeSign(const QString &name)
{
    return QSettings(macroFilePath(name), QSettings::IniFormat).value("Setting/WriteSign").toInt();
}

SettingsBlock plainBlock()
{
    SettingsBlock b = sampleBlock(1);
    for (ProfileRecord &r : b.profiles) {
        for (ButtonSlot &slot : r.buttons)
            slot.Fun = 1;
    }
    return b;
}
}

class TestChangeDetection : public QObject
{
    Q_OBJECT
private slots:
    void equalBlocksAndUncomparedFields()
    {
        TestAppFolder folder;
        const SettingsBlock last = plainBlock();
        SettingsBlock work = last;
        QCOMPARE(detectSettingsChanges(work, last), 0);
        work.AngleValue++;
        work.Count++;
        work.names[2] = "Other";
        for (ProfileRecord &r : work.profiles) {
            r.mousespeed++;
            r.dbclickspeed++;
            r.scrollispage++;
            r.accelenable++;
            r.acee++;
            r.stages[1].link++;
            r.stages[1].xy++;
            r.ProfileName += "x";
            r.ProfilePath += "x";
            r.ledModes[(r.LedMode + 1) % LedModeCount].h++;
            r.buttons[3].macroname = "not a macro slot";
        }
        // dpi and the LED switches of profiles other than the current one.
        const int other = (work.currentProfile + 1) % ProfileCount;
        work.profiles[other].dpi++;
        work.profiles[other].LedMoveOFF++;
        work.profiles[other].LedSleepTime++;
        QCOMPARE(detectSettingsChanges(work, last), 0);
    }

    void generalBit()
    {
        TestAppFolder folder;
        const SettingsBlock last = plainBlock();
        SettingsBlock work = last;
        work.currentProfile = (last.currentProfile + 1) % ProfileCount;
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeGeneral));
        work = last;
        work.LiftHigh++;
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeGeneral));
        work = last;
        work.profiles[4].scrollspeed++;
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeGeneral));
        work = last;
        work.profiles[2].pollrate++;
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeGeneral));
        for (int field = 0; field < 3; ++field) {
            work = last;
            ProfileRecord &cur = work.profiles[work.currentProfile];
            (field == 0 ? cur.dpi : field == 1 ? cur.LedMoveOFF : cur.LedSleepTime)++;
            QCOMPARE(detectSettingsChanges(work, last), int(ChangeGeneral));
        }
        work = last;
        work.profiles[work.currentProfile].LedMode = (last.profiles[last.currentProfile].LedMode + 1) % LedModeCount;
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeGeneral | ChangeLighting));
        // For "X642" the LED switches go out from profile 0 whatever profile is current.
        writeCurrentProductName("X642");
        SettingsBlock onThird = last;
        onThird.currentProfile = 3;
        work = onThird;
        work.profiles[0].LedSleepTime++;
        QCOMPARE(detectSettingsChanges(work, onThird), int(ChangeGeneral));
        // No slot sends profile 2's own lighting: neither a change nor a wait.
        work = onThird;
        work.profiles[2].LedMode = (onThird.profiles[2].LedMode + 1) % LedModeCount;
        QCOMPARE(detectSettingsChanges(work, onThird), 0);
        QCOMPARE(waitingProfiles(work, onThird), 0);
        work.profiles[2].stages[0].x++;
        QCOMPARE(waitingProfiles(work, onThird), 1 << 2);
    }

    void dpiBit()
    {
        TestAppFolder folder;
        const SettingsBlock last = plainBlock();
        for (int field = 0; field < 3; ++field) {
            SettingsBlock work = last;
            DpiStage &s = work.profiles[3].stages[7];
            if (field == 0)
                s.used ^= 1;
            else if (field == 1)
                s.x ^= 0x80000000u;
            else
                s.y++;
            QCOMPARE(detectSettingsChanges(work, last), int(ChangeDpi));
        }
    }

    void buttonBit()
    {
        TestAppFolder folder;
        const SettingsBlock last = plainBlock();
        const auto change = [&last](auto edit) {
            SettingsBlock work = last;
            edit(work.profiles[4].buttons[41]);
            return detectSettingsChanges(work, last);
        };
        QCOMPARE(change([](ButtonSlot &b) { b.ID++; }), int(ChangeButtons));
        QCOMPARE(change([](ButtonSlot &b) { b.Fun = 2; }), int(ChangeButtons));
        QCOMPARE(change([](ButtonSlot &b) { b.LoopNumber++; }), int(ChangeButtons));
        QCOMPARE(change([](ButtonSlot &b) { b.KeyNumber++; }), int(ChangeButtons));
        QCOMPARE(change([](ButtonSlot &b) { b.Res1++; }), int(ChangeButtons));
        QCOMPARE(change([](ButtonSlot &b) { b.Res4++; }), int(ChangeButtons));
        QCOMPARE(change([](ButtonSlot &b) { b.KeyInfo[62].H++; }), int(ChangeButtons));
        QCOMPARE(change([](ButtonSlot &b) { b.KeyInfo[0].map++; }), int(ChangeButtons));
    }

    void lightingBitComparesTheSelectedEffectOnly()
    {
        TestAppFolder folder;
        const SettingsBlock last = plainBlock();
        SettingsBlock work = last;
        ProfileRecord &r = work.profiles[1];
        r.ledModes[(r.LedMode + 1) % LedModeCount].color = QColor(1, 2, 3);
        QCOMPARE(detectSettingsChanges(work, last), 0);
        r.ledModes[r.LedMode].h++;
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeLighting));
        for (int field = 0; field < 5; ++field) {
            work = last;
            LedModeRecord &e = work.profiles[0].ledModes[work.profiles[0].LedMode];
            qint32 *fields[] = {&e.s, &e.v, &e.bright, &e.breath, nullptr};
            if (fields[field])
                ++*fields[field];
            else
                e.color = e.color.lighter();
            QCOMPARE(detectSettingsChanges(work, last), int(ChangeLighting));
        }
        work = last;
        work.profiles[4].LedMode = (last.profiles[4].LedMode + 1) % LedModeCount;
        const int expected = work.currentProfile == 4 ? int(ChangeGeneral | ChangeLighting) : int(ChangeLighting);
        QCOMPARE(detectSettingsChanges(work, last), expected);
    }

    // A LedMode above 13 compares the default effect instead of reading past the table.
    void ledModeOutOfRangeUsesTheDefaultEffect()
    {
        TestAppFolder folder;
        SettingsBlock last = plainBlock();
        for (ProfileRecord &r : last.profiles)
            r.LedMode = 255;
        SettingsBlock work = last;
        work.profiles[2].ledModes[DefaultLedMode].bright++;
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeLighting));
    }

    void allPartsTogether()
    {
        TestAppFolder folder;
        const SettingsBlock last = plainBlock();
        SettingsBlock work = last;
        work.LiftHigh++;
        work.profiles[0].stages[0].y++;
        work.profiles[0].buttons[0].Res2++;
        work.profiles[0].ledModes[work.profiles[0].LedMode].breath++;
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeAll));
    }

    // The mark counts as a change for as long as it is set: only the upload of the
    // macro uses it up.
    void macroChangeMarkCountsUntilSent_data()
    {
        QTest::addColumn<int>("fun");
        QTest::newRow("macro") << int(FunMacro);
        QTest::newRow("gun file") << int(FunGunFile);
    }
    void macroChangeMarkCountsUntilSent()
    {
        QFETCH(int, fun);
        TestAppFolder folder;
        SettingsBlock last = plainBlock();
        last.profiles[2].buttons[7].Fun = fun;
        last.profiles[2].buttons[7].macroname = "Rapid";
        const SettingsBlock work = last;
        QCOMPARE(detectSettingsChanges(work, last), 0);
        writeMacro("Rapid", 1);
        for (int call = 0; call < 2; ++call) {
            QCOMPARE(detectSettingsChanges(work, last), int(ChangeButtons));
            QCOMPARE(writeSign("Rapid"), 1);
        }
        writeMacro("Rapid", 0);
        QCOMPARE(detectSettingsChanges(work, last), 0);
    }

    // Switching a slot from one macro or gun file to another is a change.
    void otherMacroNameIsAChange_data()
    {
        macroChangeMarkCountsUntilSent_data();
    }
    void otherMacroNameIsAChange()
    {
        QFETCH(int, fun);
        TestAppFolder folder;
        SettingsBlock last = plainBlock();
        last.profiles[0].buttons[0].Fun = fun;
        last.profiles[0].buttons[0].macroname = "First";
        SettingsBlock work = last;
        work.profiles[0].buttons[0].macroname = "Second";
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeButtons));
        work.profiles[0].buttons[0].KeyInfo[5].key++;
        work.profiles[0].buttons[0].macroname = "First";
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeButtons));
    }

    // Detection leaves every mark as it is, whichever difference it meets first.
    void marksStaySetWhateverTheScanMeets()
    {
        TestAppFolder folder;
        SettingsBlock last = plainBlock();
        last.profiles[1].buttons[2].Fun = FunMacro;
        last.profiles[1].buttons[2].macroname = "M1";
        last.profiles[3].buttons[0].Fun = FunGunFile;
        last.profiles[3].buttons[0].macroname = "G1";
        writeMacro("M1", 1);
        writeMacro("G1", 1);
        SettingsBlock work = last;
        work.profiles[0].buttons[9].LoopNumber++;
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeButtons));
        work = last;
        QCOMPARE(detectSettingsChanges(work, last), int(ChangeButtons));
        QCOMPARE(writeSign("M1"), 1);
        QCOMPARE(writeSign("G1"), 1);
    }

    void missingOrUnsafeMacroFilesCountAsUnchanged()
    {
        TestAppFolder folder;
        folder.writeFile("Configs/Evil.MSMACRO", "[Setting]\nWriteSign=1\n");
        SettingsBlock last = plainBlock();
        last.profiles[0].buttons[0].Fun = FunMacro;
        last.profiles[0].buttons[0].macroname = "../Evil";
        last.profiles[0].buttons[1].Fun = FunMacro;
        last.profiles[0].buttons[1].macroname = "Absent";
        last.profiles[0].buttons[2].Fun = FunMacro;
        const SettingsBlock work = last;
        QCOMPARE(detectSettingsChanges(work, last), 0);
        QVERIFY(!QFile::exists(macroFilePath("Absent")));
        QCOMPARE(QSettings(folder.configDir() + "/Evil.MSMACRO", QSettings::IniFormat).value("Setting/WriteSign").toInt(), 1);
    }
};

MOUSECFG_TEST(TestChangeDetection)
#include "TestChangeDetection.moc"
