#include "tests/common/ProfileSamples.h"

#include <QRgba64>

ProfileRecord sampleRecord(int seed)
{
    ProfileRecord r;
    int n = seed * 7919;
    auto next = [&n]() { return ++n; };
    r.pollrate = quint8(next());
    r.dpi = quint8(next());
    r.LedMode = quint8(next() % LedModeCount);
    r.LedMoveOFF = quint8(next());
    r.LedSleepTime = quint8(next());
    for (DpiStage &s : r.stages) {
        s.used = quint8(next());
        s.link = quint8(next());
        s.xy = 0xFFFFFFFFu - quint32(next());
        s.x = 0x80000000u + quint32(next());
        s.y = quint32(next()) * 65537u;
    }
    r.mousespeed = quint8(next());
    r.dbclickspeed = quint8(next());
    r.scrollispage = quint8(next());
    r.scrollspeed = quint8(next());
    r.accelenable = quint8(next());
    r.acee = quint8(next());
    int slotIndex = 0;
    for (ButtonSlot &b : r.buttons) {
        b.ID = -next();
        b.Fun = (slotIndex % 3 == 0) ? FunMacro : next();
        b.LoopNumber = 0x7FFFFFFF - next();
        b.KeyNumber = qint32(0x80000000u + quint32(next()));
        for (KeyStep &k : b.KeyInfo) {
            k.map = quint8(next());
            k.key = quint8(next());
            k.H = quint8(next());
        }
        b.Res1 = quint8(next());
        b.Res2 = quint8(next());
        b.Res3 = quint8(next());
        b.Res4 = quint8(next());
        b.macroname = QStringLiteral("Macro %1, \"q\"; =x").arg(next());
        ++slotIndex;
    }
    for (LedModeRecord &e : r.ledModes) {
        const quint16 c = quint16(next() * 257);
        e.color = QColor::fromRgba64(QRgba64::fromRgba64(c, quint16(c + 1), quint16(c + 3), 0xFFFF));
        e.h = -next();
        e.s = qint32(0xFFFFFFFFu - quint32(next()));
        e.v = next();
        e.bright = next();
        e.breath = next();
    }
    r.ProfileName = QString::fromUtf8("Profil ü %1 / 中").arg(seed);
    r.ProfilePath = QStringLiteral("C:\\Profiles\\%1.prof").arg(seed);
    return r;
}

SettingsBlock sampleBlock(int seed)
{
    SettingsBlock b;
    b.currentProfile = quint8(seed % ProfileCount);
    b.AngleValue = quint8(seed + 11);
    b.LiftHigh = quint8(seed + 1);
    b.Count = quint8(seed + 40);
    for (int i = 0; i < ProfileCount; ++i) {
        b.profiles[i] = sampleRecord(seed * 10 + i);
        b.names[i] = QStringLiteral("Slot %1-%2").arg(seed).arg(i + 1);
    }
    return b;
}

#define DIFFER(field, text)                                                                        \
    if ((a.field) != (b.field))                                                                    \
    return text

QString firstDifference(const ProfileRecord &a, const ProfileRecord &b, bool withLedSwitches)
{
    DIFFER(pollrate, "pollrate");
    DIFFER(dpi, "dpi");
    DIFFER(LedMode, "LedMode");
    if (withLedSwitches) {
        DIFFER(LedMoveOFF, "LedMoveOFF");
        DIFFER(LedSleepTime, "LedSleepTime");
    }
    for (int i = 0; i < DpiStageCount; ++i) {
        const QString s = QStringLiteral("stage %1 ").arg(i);
        DIFFER(stages[i].used, s + "used");
        DIFFER(stages[i].link, s + "link");
        DIFFER(stages[i].xy, s + "xy");
        DIFFER(stages[i].x, s + "x");
        DIFFER(stages[i].y, s + "y");
    }
    DIFFER(mousespeed, "mousespeed");
    DIFFER(dbclickspeed, "dbclickspeed");
    DIFFER(scrollispage, "scrollispage");
    DIFFER(scrollspeed, "scrollspeed");
    DIFFER(accelenable, "accelenable");
    DIFFER(acee, "acee");
    for (int n = 0; n < ButtonSlotCount; ++n) {
        const QString s = QStringLiteral("slot %1 ").arg(n);
        DIFFER(buttons[n].ID, s + "ID");
        DIFFER(buttons[n].Fun, s + "Fun");
        DIFFER(buttons[n].LoopNumber, s + "LoopNumber");
        DIFFER(buttons[n].KeyNumber, s + "KeyNumber");
        DIFFER(buttons[n].Res1, s + "Res1");
        DIFFER(buttons[n].Res2, s + "Res2");
        DIFFER(buttons[n].Res3, s + "Res3");
        DIFFER(buttons[n].Res4, s + "Res4");
        DIFFER(buttons[n].macroname, s + "macroname");
        for (int k = 0; k < KeyStepCount; ++k) {
            const QString t = s + QStringLiteral("step %1 ").arg(k);
            DIFFER(buttons[n].KeyInfo[k].map, t + "map");
            DIFFER(buttons[n].KeyInfo[k].key, t + "key");
            DIFFER(buttons[n].KeyInfo[k].H, t + "H");
        }
    }
    for (int m = 0; m < LedModeCount; ++m) {
        const QString s = QStringLiteral("effect %1 ").arg(m);
        DIFFER(ledModes[m].color, s + "colour");
        DIFFER(ledModes[m].color.rgba64(), s + "colour channels");
        DIFFER(ledModes[m].h, s + "h");
        DIFFER(ledModes[m].s, s + "s");
        DIFFER(ledModes[m].v, s + "v");
        DIFFER(ledModes[m].bright, s + "bright");
        DIFFER(ledModes[m].breath, s + "breath");
    }
    DIFFER(ProfileName, "ProfileName");
    DIFFER(ProfilePath, "ProfilePath");
    return QString();
}

ProfileRecord missingFileRecord()
{
    ProfileRecord r;
    r.LedMoveOFF = 255;
    r.LedSleepTime = 1;
    return r;
}
