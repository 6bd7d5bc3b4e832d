#include "storage/LedKeys.h"

#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileKeys.h"

namespace {
// "<stem>_RGB", "_h", "_s", "_v", "_bright", "_breath" of one effect.
void writeEffect(IniFile &ini, const QString &stem, const QColor &color, quint32 h, quint32 s,
                 quint32 v, quint32 bright, quint32 breath)
{
    ini.setValue(stem + QLatin1String("_RGB"), color);
    ini.setValue(stem + QLatin1String("_h"), h);
    ini.setValue(stem + QLatin1String("_s"), s);
    ini.setValue(stem + QLatin1String("_v"), v);
    ini.setValue(stem + QLatin1String("_bright"), bright);
    ini.setValue(stem + QLatin1String("_breath"), breath);
}

QString shortStem(const QString &section, int m)
{
    return section + QStringLiteral("/LED_MODE_") + QString::number(m);
}
}

// The short form: the effect keys lie beside "LedMode", not in its group.
void loadProfileLedKeys(int index, ProfileRecord &record, const QString &fileName)
{
    const IniFile ini(profileIniPath(fileName));
    const QString section = profileSection(index, fileName);
    record.LedMode = quint8(ini.number(section + QStringLiteral("/LedMode")));
    for (int m = 0; m < LedModeCount; ++m) {
        const QString stem = shortStem(section, m);
        LedModeRecord &effect = record.ledModes[m];
        effect.color = ini.color(stem + QLatin1String("_RGB"));
        effect.h = qint32(ini.number(stem + QLatin1String("_h")));
        effect.s = qint32(ini.number(stem + QLatin1String("_s")));
        effect.v = qint32(ini.number(stem + QLatin1String("_v")));
        effect.bright = qint32(ini.number(stem + QLatin1String("_bright")));
        effect.breath = qint32(ini.number(stem + QLatin1String("_breath")));
    }
}

// An unusable profile name reads as a missing file.
void loadProfileLedFile(ProfileRecord &record, const QString &name)
{
    const QString path = profileFilePath(name);
    if (path.isEmpty()) {
        record.LedMode = 0;
        record.ledModes = {};
        return;
    }
    loadProfileLedKeys(0, record, path);
}

void loadAllProfileLedFiles(SettingsBlock &block)
{
    for (int i = 0; i < ProfileCount; ++i)
        loadProfileLedFile(block.profiles[i], block.names[i]);
}

bool saveProfileLedKeys(int index, const ProfileRecord &record, const QString &fileName)
{
    IniFile ini(profileIniPath(fileName));
    const QString section = profileSection(index, fileName);
    ini.setValue(section + QStringLiteral("/LedMode"), uint(record.LedMode));
    for (int m = 0; m < LedModeCount; ++m) {
        const LedModeRecord &e = record.ledModes[m];
        writeEffect(ini, shortStem(section, m), e.color, quint32(e.h), quint32(e.s), quint32(e.v),
                    quint32(e.bright), quint32(e.breath));
    }
    return ini.commit();
}

bool saveProfileLedFile(const ProfileRecord &record, const QString &name)
{
    const QString path = profileFilePath(name);
    return !path.isEmpty() && saveProfileLedKeys(0, record, path);
}

bool saveAllProfileLedFiles(const SettingsBlock &block)
{
    bool saved = true;
    for (int i = 0; i < ProfileCount; ++i)
        saved = saveProfileLedFile(block.profiles[i], block.names[i]) && saved;
    return saved;
}

// The long form of the profile files, for one effect.
bool writeProfileLedKeys(const QString &name, quint8 mode, const QColor &color, quint32 h,
                         quint32 s, quint32 v, quint32 bright, quint32 breath)
{
    const QString path = profileFilePath(name);
    if (path.isEmpty())
        return false;
    IniFile ini(path);
    ini.setValue(QStringLiteral("PROFILE/LedMode"), uint(mode));
    writeEffect(ini, QStringLiteral("PROFILE/LedMode/LED_MODE_") + QString::number(mode), color, h, s,
                v, bright, breath);
    return ini.commit();
}
