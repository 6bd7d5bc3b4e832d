#include "storage/MacroFile.h"

#include "storage/AppFolder.h"
#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/ProfileFiles.h"
#include "storage/RegularFile.h"

#include <sys/stat.h>

#include <algorithm>

namespace {
const QString kFilePath = QStringLiteral("Setting/MacroFilePath");
const QString kDefaultDelay = QStringLiteral("Setting/DefaultDelay");
const QString kDelayType = QStringLiteral("Setting/DelayType");
const QString kLoopType = QStringLiteral("Setting/LoopType");
const QString kLoopTime = QStringLiteral("Setting/LoopTime");
const QString kCount = QStringLiteral("Setting/Count");
const QString kWriteSign = QStringLiteral("Setting/WriteSign");

QString rowKey(const char *key, int row)
{
    return QStringLiteral("Setting/%1_%2").arg(QLatin1String(key)).arg(row);
}

quint8 rowByte(const IniFile &ini, const char *key, int row)
{
    return quint8(ini.number(rowKey(key, row)) & 0xFF);
}

int boundedValue(const IniFile &ini, const QString &key, int max)
{
    return int(std::clamp<qint64>(ini.number(key), 0, max));
}

// An option outside 0..count-1 reads as 0.
int optionValue(const IniFile &ini, const QString &key, int count)
{
    const qint64 v = ini.number(key);
    return v >= 0 && v < count ? int(v) : 0;
}

QString macroListKey(int slot)
{
    return QStringLiteral("MACRO_LIST/%1").arg(slot);
}

constexpr quint8 PressBit = 0x80;

bool isButtonBit(quint8 bit)
{
    return bit != 0 && (bit & (bit - 1)) == 0 && bit <= 16;
}

bool holdsNumber(const IniFile &ini, const QString &key)
{
    bool numeric = false;
    ini.value(key).toLongLong(&numeric);
    return numeric;
}

bool holdsWholeRow(const IniFile &ini, int row)
{
    return holdsNumber(ini, rowKey("Map", row)) && holdsNumber(ini, rowKey("DataH", row))
           && holdsNumber(ini, rowKey("DataL", row));
}

MacroFileCheck checkIni(const IniFile &ini)
{
    const qint64 count = ini.number(kCount);
    if (!holdsNumber(ini, kCount) || count < 0 || ini.lastLineCut())
        return MacroFileCheck::NotWhole;
    if (count > MaxMacroRows)
        return MacroFileCheck::TooLong;
    for (int i = 0; i < count; ++i) {
        if (!holdsNumber(ini, rowKey("Map", i)))
            return MacroFileCheck::NotWhole;
    }
    return MacroFileCheck::Whole;
}
}

bool isValidMacroName(const QString &name)
{
    return isSafeProfileName(name)
           && std::none_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString macroFilePath(const QString &name)
{
    if (!isValidMacroName(name))
        return QString();
    return configDirPath() + QStringLiteral("/MacroDB/") + name + QStringLiteral(".MSMACRO");
}

std::optional<MacroAction> readableMacroRow(const MacroAction &stored)
{
    const bool press = stored.type & PressBit;
    switch (stored.type & ~PressBit) {
    case MacroKeyRelease:
        return MacroAction{press ? MacroKeyPress : MacroKeyRelease, 0, stored.dataL};
    case MacroButtonRelease:
        if (!isButtonBit(stored.dataL))
            return std::nullopt;
        return MacroAction{press ? MacroButtonPress : MacroButtonRelease, 0, stored.dataL};
    case MacroMove:
        if (stored.dataH != 0 && stored.dataL != 0)
            return MacroAction{MacroMove, 0, 0};
        return MacroAction{MacroMove, stored.dataH, stored.dataL};
    case MacroDelay:
        return MacroAction{MacroDelay, stored.dataH, stored.dataL};
    default:
        return std::nullopt;
    }
}

MacroFile readMacroFile(const QString &name)
{
    MacroFile macro;
    const QString path = macroFilePath(name);
    if (path.isEmpty())
        return macro;
    const IniFile ini(path);
    struct stat st;
    macro.damaged = fileKind(path, FileLinks::Followed, st) == FileKind::Regular
                    && checkIni(ini) == MacroFileCheck::NotWhole;
    macro.defaultDelay = boundedValue(ini, kDefaultDelay, MaxDefaultDelayMs);
    macro.delayType = optionValue(ini, kDelayType, DelayDefault + 1);
    macro.loopType = optionValue(ini, kLoopType, LoopTypeCount);
    macro.loopTime = boundedValue(ini, kLoopTime, MaxLoopTime);
    macro.writeSign = ini.number(kWriteSign) != 0;
    const int count = boundedValue(ini, kCount, MaxMacroRows);
    for (int i = 0; i < count; ++i) {
        if (macro.damaged && !holdsWholeRow(ini, i))
            continue;
        const MacroAction stored{rowByte(ini, "Map", i), rowByte(ini, "DataH", i), rowByte(ini, "DataL", i)};
        if (const std::optional<MacroAction> row = readableMacroRow(stored))
            macro.rows.append(*row);
    }
    return macro;
}

MacroFileCheck checkMacroFile(const QString &name)
{
    const QString path = macroFilePath(name);
    if (path.isEmpty())
        return MacroFileCheck::NotWhole;
    return checkIni(IniFile(path));
}

bool macroFileDamaged(const QString &name)
{
    const QString path = macroFilePath(name);
    return !path.isEmpty() && fileExists(path) && checkMacroFile(name) == MacroFileCheck::NotWhole;
}

bool writeMacroFile(const QString &name, const MacroFile &macro, WriteSign sign)
{
    const QString path = macroFilePath(name);
    if (path.isEmpty() || macro.rows.size() > MaxMacroRows)
        return false;
    IniFile ini(path);
    ini.setValue(kFilePath, path);
    ini.setValue(kDefaultDelay, macro.defaultDelay);
    ini.setValue(kDelayType, macro.delayType);
    ini.setValue(kLoopType, macro.loopType);
    ini.setValue(kLoopTime, macro.loopTime);
    ini.setValue(kCount, macro.rows.size());
    for (int i = 0; i < macro.rows.size(); ++i) {
        ini.setValue(rowKey("Map", i), macro.rows[i].type);
        ini.setValue(rowKey("DataH", i), macro.rows[i].dataH);
        ini.setValue(rowKey("DataL", i), macro.rows[i].dataL);
    }
    if (sign == WriteSign::Mark)
        ini.setValue(kWriteSign, 1);
    return ini.commit();
}

bool takeMacroWriteSign(const QString &name)
{
    const QString path = macroFilePath(name);
    if (path.isEmpty() || !fileExists(path))
        return false;
    IniFile ini(path);
    if (ini.number(kWriteSign) == 0)
        return false;
    ini.setValue(kWriteSign, 0);
    return true;
}

KeyStep keyStepFromMacroRow(int type, int dataH, int dataL)
{
    return KeyStep{quint8(type & 0xFF), quint8(dataL & 0xFF), quint8(dataH & 0xFF)};
}

KeyStep keyStepFromMacroRow(const MacroAction &row)
{
    return keyStepFromMacroRow(row.type, row.dataH, row.dataL);
}

void copyMacroRowsToSlot(const QVector<MacroAction> &rows, ButtonSlot &slot)
{
    const int n = std::min(int(rows.size()), MaxMacroRows);
    for (int i = 0; i < n; ++i)
        slot.KeyInfo[size_t(i)] = keyStepFromMacroRow(rows[i]);
    slot.KeyNumber = n;
}

QStringList readMacroList()
{
    const IniFile ini(configIniPath());
    QStringList names;
    for (int i = 0; i < MacroListSize; ++i)
        names << ini.text(macroListKey(i));
    return names;
}

QStringList listedMacroNames()
{
    QStringList names = readMacroList();
    names.removeAll(QString());
    return names;
}

int countMacros()
{
    return listedMacroNames().size();
}

int firstFreeMacroSlot()
{
    return findMacroSlot(QString());
}

int findMacroSlot(const QString &name)
{
    const QStringList names = readMacroList();
    for (int i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            return i;
    }
    return -1;
}

bool setMacroListSlot(int slot, const QString &name)
{
    if (slot < 0 || slot >= MacroListSize)
        return false;
    IniFile ini(configIniPath());
    ini.setValue(macroListKey(slot), name);
    return ini.commit();
}

int addToMacroList(const QString &name)
{
    if (!isValidMacroName(name))
        return -1;
    const int slot = firstFreeMacroSlot();
    return setMacroListSlot(slot, name) ? slot : -1;
}

int removeFromMacroList(const QString &name)
{
    if (name.isEmpty())
        return -1;
    const int slot = findMacroSlot(name);
    return setMacroListSlot(slot, QString()) ? slot : -1;
}
