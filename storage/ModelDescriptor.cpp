#include "storage/ModelDescriptor.h"

#include "storage/AppFolder.h"
#include "storage/IniFile.h"

#include <QStandardPaths>

std::array<quint8, MatrixSize> buttonMatrix{};

namespace {
// Every descriptor key lies in the section PROFILE.
QString key(const QString &text)
{
    return QStringLiteral("PROFILE/") + text;
}

QString indexed(const char *stem, int n, const char *tail)
{
    return key(QLatin1String(stem) + QString::number(n) + QLatin1String(tail));
}

int descriptorInt(const IniFile &ini, const QString &text)
{
    return int(ini.number(key(text)));
}

int readDescriptorInt(const QString &text, qint64 missing = 0)
{
    return int(IniFile(modelDescriptorPath()).number(key(text), missing));
}

int unmaskedButtonCount(const IniFile &ini)
{
    return descriptorInt(ini, QStringLiteral("ButtonCount")) ^ descriptorInt(ini, QStringLiteral("MouseDpi"));
}

// Reads descriptor keys and notes whether one the factory profile needs is missing or
// holds no number or colour.
class DescriptorReader
{
public:
    explicit DescriptorReader(const IniFile &ini) : m_ini(ini) {}
    qint64 needed(const QString &k)
    {
        bool ok = false;
        const qint64 n = m_ini.value(k).toLongLong(&ok);
        m_complete = m_complete && ok;
        return ok ? n : 0;
    }
    QColor neededColor(const QString &k)
    {
        const QColor color = m_ini.color(k);
        m_complete = m_complete && color.isValid();
        return color;
    }
    bool complete() const { return m_complete && !m_ini.lastLineCut(); }

private:
    const IniFile &m_ini;
    bool m_complete = true;
};

void readMatrix(const IniFile &ini, const char *tail, quint8 *matrix)
{
    for (int i = 0; i < MatrixSize; ++i)
        matrix[i] = quint8(ini.number(indexed("BUTTON_INFO_", i, tail)));
}

// What the factory profile takes (stage, raw values, rate, effect, the 16 button
// functions and the effects' colour, brightness and speed) must be there, in a file
// whose last line ends.
bool readModelDefaults(const IniFile &ini, ModelDescriptor &d)
{
    DescriptorReader reader(ini);
    auto needed = [&reader](const QString &text) { return reader.needed(key(text)); };
    auto text = [&ini](const QString &t) { return ini.text(key(t)); };
    d.dpi = quint8(needed(QStringLiteral("dpi")));
    for (int i = 0; i < int(d.xy.size()); ++i)
        d.xy[i] = qint32(reader.needed(indexed("DPI_INFO_", i, "_xy")));
    d.BackPic = text(QStringLiteral("BackPic"));
    d.CompanyName = text(QStringLiteral("CompanyName"));
    d.ProductName = text(QStringLiteral("ProductName"));
    d.FolderPath = text(QStringLiteral("FolderPath"));
    d.pollrate = qint32(needed(QStringLiteral("pollrate")));
    d.LedMode = quint8(needed(QStringLiteral("LedMode")));
    for (int n = 0; n < 4; ++n) {
        d.Lang[n] = quint8(ini.number(indexed("Lang_", n, "")));
        d.FontSize[n] = quint8(ini.number(indexed("FontSize_", n, "")));
        d.FontName[n] = ini.text(indexed("FontName_", n, ""));
    }
    d.FontRgb = ini.color(key(QStringLiteral("Font_RGB")));
    d.Style = quint8(ini.number(key(QStringLiteral("Style"))));
    d.ButtonCount = quint8(ini.number(key(QStringLiteral("ButtonCount"))));
    for (int i = 0; i < int(d.buttons.size()); ++i) {
        DescriptorButton &b = d.buttons[i];
        b.ID = qint32(ini.number(indexed("BUTTON_INFO_", i, "_ID")));
        b.Fun = qint32(reader.needed(indexed("BUTTON_INFO_", i, "_Fun")));
        b.LoopNumber = qint32(ini.number(indexed("BUTTON_INFO_", i, "_LoopNumber")));
        b.KeyNumber = qint32(ini.number(indexed("BUTTON_INFO_", i, "_KeyNumber")));
        b.Res1 = quint8(ini.number(indexed("BUTTON_INFO_", i, "_Res1")));
        b.Res2 = quint8(ini.number(indexed("BUTTON_INFO_", i, "_Res2")));
        b.Res3 = quint8(ini.number(indexed("BUTTON_INFO_", i, "_Res3")));
        b.Res4 = quint8(ini.number(indexed("BUTTON_INFO_", i, "_Res4")));
    }
    for (int m = 0; m < int(d.effects.size()); ++m) {
        DescriptorEffect &e = d.effects[m];
        e.color = reader.neededColor(indexed("LedMode/LED_MODE_", m, "_RGB"));
        e.bright = qint32(reader.needed(indexed("LedMode/LED_MODE_", m, "_bright")));
        e.breath = qint32(reader.needed(indexed("LedMode/LED_MODE_", m, "_breath")));
    }
    return reader.complete();
}

// A descriptor that is not there, or is damaged, gives no counts or matrix of its own.
bool wholeDescriptor(const IniFile &ini)
{
    ModelDescriptor scratch;
    return readModelDefaults(ini, scratch);
}

void builtInMatrix(quint8 *matrix, quint8 absent)
{
    for (int i = 0; i < MatrixSize; ++i)
        matrix[i] = i < BuiltInButtonCount ? quint8(i) : absent;
}
}

QString modelDescriptorPath()
{
    return appDirPath() + QStringLiteral("/DefaultProfile.bin");
}

int modelButtonCount()
{
    const IniFile ini(modelDescriptorPath());
    return wholeDescriptor(ini) ? unmaskedButtonCount(ini) : BuiltInButtonCount;
}

int modelDpiStageCount()
{
    const IniFile ini(modelDescriptorPath());
    if (!wholeDescriptor(ini))
        return BuiltInDpiStageCount;
    return unmaskedButtonCount(ini) ^ descriptorInt(ini, QStringLiteral("DPICount"));
}

int loadButtonMatrix(quint8 *matrix)
{
    const IniFile ini(modelDescriptorPath());
    if (!wholeDescriptor(ini)) {
        builtInMatrix(matrix, 0);
        return -1;
    }
    readMatrix(ini, "_Matrix", matrix);
    return 0;
}

int loadButtonMatrix2(quint8 *matrix)
{
    const IniFile ini(modelDescriptorPath());
    if (!wholeDescriptor(ini)) {
        builtInMatrix(matrix, 255);
        return BuiltInButtonCount;
    }
    readMatrix(ini, "_Matrix2", matrix);
    return unmaskedButtonCount(ini);
}

QString modelProductName()
{
    return IniFile(modelDescriptorPath()).text(key(QStringLiteral("ProductName")));
}

QString modelDocumentsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
           + modelProductName();
}

QString modelVersion()
{
    return IniFile(modelDescriptorPath()).text(key(QStringLiteral("Version")));
}

bool modelLanguage(int n)
{
    return readDescriptorInt(QStringLiteral("LANG_%1").arg(n)) == 1;
}

int modelDisableMacro()
{
    return readDescriptorInt(QStringLiteral("DisableMacro"));
}

int modelShowUpdate()
{
    return readDescriptorInt(QStringLiteral("ShowUpdate"), 1);
}

int modelShowSleep()
{
    return readDescriptorInt(QStringLiteral("ShowSleep"), 1);
}

int loadModelDefaults(ModelDescriptor &d)
{
    if (!fileExists(modelDescriptorPath()))
        return ModelDefaultsMissing;
    const IniFile ini(modelDescriptorPath());
    return readModelDefaults(ini, d) ? ModelDefaultsRead : ModelDefaultsIncomplete;
}

bool modelDescriptorDamaged()
{
    ModelDescriptor descriptor;
    return loadModelDefaults(descriptor) == ModelDefaultsIncomplete;
}

// Each character at or above 256 becomes 0; below a key of 256 it is XORed with the
// key's low byte; the 8-bit result is kept sign-extended.
QString xorStringWithByte(const QString &text, int key)
{
    QString result = text;
    for (QChar &ch : result) {
        int c = ch.unicode() >= 256 ? 0 : ch.unicode();
        if (key < 256)
            c ^= key & 0xFF;
        ch = QChar(ushort(qint16(qint8(quint8(c)))));
    }
    return result;
}

int xorValues(int a, int b)
{
    return a ^ b;
}
