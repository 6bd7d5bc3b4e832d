#include "storage/ProfileKeys.h"

#include "storage/ConfigIni.h"

namespace {
// Marks a signed field that the files hold as an unsigned number.
template <class T>
struct AsUnsigned
{
    T &value;
};

template <class T>
AsUnsigned<T> asUnsigned(T &value)
{
    return AsUnsigned<T>{value};
}

QString indexed(const char *stem, int n, const char *tail)
{
    return QLatin1String(stem) + QString::number(n) + QLatin1String(tail);
}

// Visits the keys of button slot n in the writer's order.
template <class Slot, class Visitor>
void walkButtonKeys(int n, Slot &slot, Visitor &visit)
{
    visit(indexed("BUTTON_INFO_", n, "_ID"), slot.ID);
    visit(indexed("BUTTON_INFO_", n, "_Fun"), slot.Fun);
    visit(indexed("BUTTON_INFO_", n, "_LoopNumber"), slot.LoopNumber);
    visit(indexed("BUTTON_INFO_", n, "_KeyNumber"), slot.KeyNumber);
    visit(indexed("BUTTON_INFO_", n, "_Res1"), slot.Res1);
    visit(indexed("BUTTON_INFO_", n, "_Res2"), slot.Res2);
    visit(indexed("BUTTON_INFO_", n, "_Res3"), slot.Res3);
    visit(indexed("BUTTON_INFO_", n, "_Res4"), slot.Res4);
    visit(indexed("BUTTON_INFO_", n, "_macroname"), slot.macroname);
    const QString stepStem = indexed("BUTTON_INFO_", n, "_KeyInfo_");
    for (int k = 0; k < KeyStepCount; ++k) {
        auto &step = slot.KeyInfo[k];
        const QString stem = stepStem + QString::number(k);
        visit(stem + QLatin1String("_map"), step.map);
        visit(stem + QLatin1String("_"), step.key);
        visit(stem + QLatin1String("_H"), step.H);
    }
}

// Visits every key of a record in the writer's order with its key text (below the
// section) and the field it stores; each button slot through visit.button.
template <class Record, class Visitor>
void walkProfileKeys(Record &r, Visitor &visit, LedSwitchKeys ledSwitches)
{
    visit(QStringLiteral("pollrate"), r.pollrate);
    visit(QStringLiteral("dpi"), r.dpi);
    for (int i = 0; i < DpiStageCount; ++i) {
        auto &stage = r.stages[i];
        visit(indexed("DPI_INFO_", i, "_used"), stage.used);
        visit(indexed("DPI_INFO_", i, "_link"), stage.link);
        visit(indexed("DPI_INFO_", i, "_xy"), stage.xy);
        visit(indexed("DPI_INFO_", i, "_x"), stage.x);
        visit(indexed("DPI_INFO_", i, "_y"), stage.y);
    }
    visit(QStringLiteral("mousespeed"), r.mousespeed);
    visit(QStringLiteral("dbclickspeed"), r.dbclickspeed);
    visit(QStringLiteral("scrollispage"), r.scrollispage);
    visit(QStringLiteral("scrollspeed"), r.scrollspeed);
    visit(QStringLiteral("accelenable"), r.accelenable);
    visit(QStringLiteral("acee"), r.acee);
    for (int n = 0; n < ButtonSlotCount; ++n)
        visit.button(n, r.buttons[n]);
    visit(QStringLiteral("ProfileName"), r.ProfileName);
    visit(QStringLiteral("ProfilePath"), r.ProfilePath);
    visit(QStringLiteral("LedMode"), r.LedMode);
    if (ledSwitches == LedSwitchKeys::Stored) {
        visit.withMissing(QStringLiteral("LedMoveOFF"), r.LedMoveOFF, 255);
        visit.withMissing(QStringLiteral("LedSleepTime"), r.LedSleepTime, 1);
    }
    for (int m = 0; m < LedModeCount; ++m) {
        auto &effect = r.ledModes[m];
        const QString stem = indexed("LedMode/LED_MODE_", m, "");
        visit(stem + QLatin1String("_RGB"), effect.color);
        visit(stem + QLatin1String("_h"), asUnsigned(effect.h));
        visit(stem + QLatin1String("_s"), asUnsigned(effect.s));
        visit(stem + QLatin1String("_v"), asUnsigned(effect.v));
        visit(stem + QLatin1String("_bright"), asUnsigned(effect.bright));
        visit(stem + QLatin1String("_breath"), asUnsigned(effect.breath));
    }
}

// Bytes widened without sign, signed slot fields as int, raw values and LED levels
// as unsigned, texts as text, colours as colour variants.
class KeyWriter
{
public:
    KeyWriter(IniFile &ini, const QString &section) : m_ini(ini), m_prefix(section + '/') {}
    void operator()(const QString &key, quint8 v) { put(key, uint(v)); }
    void operator()(const QString &key, qint32 v) { put(key, int(v)); }
    void operator()(const QString &key, quint32 v) { put(key, uint(v)); }
    void operator()(const QString &key, AsUnsigned<const qint32> v) { put(key, quint32(v.value)); }
    void operator()(const QString &key, const QString &v) { put(key, v); }
    void operator()(const QString &key, const QColor &v) { put(key, v); }
    void withMissing(const QString &key, quint8 v, quint8) { put(key, uint(v)); }
    void button(int n, const ButtonSlot &slot) { walkButtonKeys(n, slot, *this); }

private:
    void put(const QString &key, const QVariant &v) { m_ini.setValue(m_prefix + key, v); }
    IniFile &m_ini;
    const QString m_prefix;
};

// Numbers keep the low bits of the stored integer, so unsigned 32-bit values come
// back bit for bit and 300 in a byte field reads as 44. A key the section lacks, or a
// number key that holds no number, is counted; it reads as 0, empty text or an
// invalid colour, or leaves its field as it was. A button slot that lacks a key is
// left whole: one field of a slot without the others could make a macro button
// without its macro.
class KeyReader
{
public:
    KeyReader(const IniFile &ini, const QString &section, bool keepLacking)
        : m_ini(ini), m_prefix(section + '/'), m_keepLacking(keepLacking)
    {
    }
    void operator()(const QString &key, quint8 &v) { number(key, 0, [&v](qint64 n) { v = quint8(n); }); }
    void operator()(const QString &key, qint32 &v) { number(key, 0, [&v](qint64 n) { v = qint32(quint32(n)); }); }
    void operator()(const QString &key, quint32 &v) { number(key, 0, [&v](qint64 n) { v = quint32(n); }); }
    void operator()(const QString &key, AsUnsigned<qint32> v) { (*this)(key, v.value); }
    void operator()(const QString &key, QString &v)
    {
        const QVariant value = present(key);
        if (value.isValid() || !m_keepLacking)
            v = variantText(value);
    }
    void operator()(const QString &key, QColor &v)
    {
        const QVariant value = present(key);
        if (value.isValid() || !m_keepLacking)
            v = variantColor(value);
    }
    void withMissing(const QString &key, quint8 &v, quint8 missing)
    {
        number(key, missing, [&v](qint64 n) { v = quint8(n); });
    }
    void button(int n, ButtonSlot &slot)
    {
        if (!m_keepLacking) {
            walkButtonKeys(n, slot, *this);
            return;
        }
        ButtonSlot read = slot;
        const int lacking = m_lacking;
        walkButtonKeys(n, read, *this);
        if (m_lacking == lacking)
            slot = read;
    }
    bool complete() const { return m_lacking == 0; }

private:
    QVariant present(const QString &key)
    {
        const QVariant value = m_ini.value(m_prefix + key);
        m_lacking += value.isValid() ? 0 : 1;
        return value;
    }
    template <class Store>
    void number(const QString &key, qint64 missing, Store store)
    {
        const QVariant value = m_ini.value(m_prefix + key);
        bool ok = false;
        const qint64 n = value.toLongLong(&ok);
        if (ok) {
            store(n);
            return;
        }
        ++m_lacking;
        if (!m_keepLacking)
            store(value.isValid() ? 0 : missing);
    }
    const IniFile &m_ini;
    const QString m_prefix;
    const bool m_keepLacking;
    int m_lacking = 0;
};
}

void writeProfileKeys(IniFile &ini, const QString &section, const ProfileRecord &record,
                      LedSwitchKeys ledSwitches)
{
    KeyWriter writer(ini, section);
    walkProfileKeys(record, writer, ledSwitches);
}

void readProfileKeys(const IniFile &ini, const QString &section, ProfileRecord &record,
                     LedSwitchKeys ledSwitches)
{
    KeyReader reader(ini, section, false);
    walkProfileKeys(record, reader, ledSwitches);
}

bool readHeldProfileKeys(const IniFile &ini, const QString &section, ProfileRecord &record,
                         LedSwitchKeys ledSwitches)
{
    KeyReader reader(ini, section, true);
    walkProfileKeys(record, reader, ledSwitches);
    return reader.complete();
}

bool holdsProfileKeys(const IniFile &ini, const QString &section, LedSwitchKeys ledSwitches)
{
    ProfileRecord scratch;
    return readHeldProfileKeys(ini, section, scratch, ledSwitches);
}

QString profileIniPath(const QString &fileName)
{
    return fileName.isEmpty() ? configIniPath() : fileName;
}

QString profileSection(int index, const QString &fileName)
{
    return fileName.isEmpty() ? QStringLiteral("PROFILE_") + QString::number(index)
                              : QStringLiteral("PROFILE");
}

QString profileNameKey(int slot)
{
    return QStringLiteral("Config/Profile") + QString::number(slot + 1);
}

void writeBlockHeader(IniFile &ini, const SettingsBlock &block)
{
    ini.setValue(QStringLiteral("Config/ProfileID"), uint(block.currentProfile));
    ini.setValue(QStringLiteral("Config/AngleValue"), uint(block.AngleValue));
    ini.setValue(QStringLiteral("Config/LiftHigh"), uint(block.LiftHigh));
    ini.setValue(QStringLiteral("Config/Count"), uint(block.Count));
    for (int i = 0; i < ProfileCount; ++i)
        ini.setValue(profileNameKey(i), block.names[i]);
}

void readBlockHeader(const IniFile &ini, SettingsBlock &block)
{
    block.currentProfile = quint8(ini.number(QStringLiteral("Config/ProfileID")));
    block.AngleValue = quint8(ini.number(QStringLiteral("Config/AngleValue")));
    block.LiftHigh = quint8(ini.number(QStringLiteral("Config/LiftHigh")));
    block.Count = quint8(ini.number(QStringLiteral("Config/Count")));
    for (int i = 0; i < ProfileCount; ++i)
        block.names[i] = ini.text(profileNameKey(i));
}
