#include "storage/ConfigExport.h"
#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/IniText.h"
#include "storage/MacroFile.h"
#include "storage/ProfileFiles.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <algorithm>
#include <iterator>

// Our INI text against Qt's own INI format as the program's files use it, with no
// codec set: the same keys give the same bytes, and what Qt reads from a file we
// read too.
namespace {
bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

// Qt with no codec reads raw bytes from 0x80 up as Latin-1, we read them as UTF-8
// (files of earlier builds hold such text); a file that holds any is compared with
// Qt reading UTF-8. Every section is parsed here, under that codec.
void readAsWeDo(QSettings &qt, const QByteArray &bytes)
{
    if (!isAscii(bytes))
        qt.setIniCodec("UTF-8");
    qt.allKeys();
}

// Qt keeps what it read or wrote of a file while the file's size and time look the
// same, so each read goes through a copy of a name it has never seen.
QSettings::SettingsMap qtRead(const QString &path)
{
    static QTemporaryDir copies;
    static int count = 0;
    const QString copy = copies.path() + QStringLiteral("/read%1.ini").arg(++count);
    if (!QFile::copy(path, copy))
        return {};
    QSettings qt(copy, QSettings::IniFormat);
    readAsWeDo(qt, fileBytes(copy));
    QSettings::SettingsMap map;
    for (const QString &key : qt.allKeys())
        map.insert(key, qt.value(key));
    return map;
}

QByteArray qtWrite(const QString &path, const QSettings::SettingsMap &map)
{
    QFile::remove(path);
    {
        QSettings qt(path, QSettings::IniFormat);
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            qt.setValue(it.key(), it.value());
    }
    return fileBytes(path);
}

QString randomText(QRandomGenerator &rng, int maxLength)
{
    // A character outside the BMP stays whole; a lone surrogate is a unit of its own.
    static const QStringList pool = [] {
        QStringList p;
        for (QChar c : QString::fromUtf8("aZ09 _-./@,;=\"\\%#()[]\t\n\r\x01\x7f\xc3\xbc\xe4\xb8\xad"))
            p << c;
        return p << QString::fromUtf8("\xF0\x9F\x98\x80") << QString(QChar(0xDE00));
    }();
    QString s;
    const int n = rng.bounded(maxLength + 1);
    for (int i = 0; i < n; ++i)
        s += rng.bounded(20) == 0 ? QString(QChar(0)) : pool.at(rng.bounded(pool.size()));
    if (rng.bounded(6) == 0)
        s.prepend(QStringLiteral("@Variant("));
    return s;
}

QColor randomColor(QRandomGenerator &rng)
{
    const auto c = [&] { return quint16(rng.bounded(65536)); };
    const auto f = [&] { return rng.bounded(65536) / 65535.0; };
    switch (rng.bounded(5)) {
    case 0: return QColor();
    case 1: return QColor::fromHsvF(rng.bounded(36000) / 36000.0, f(), f(), f());
    case 2: return QColor::fromCmykF(f(), f(), f(), f(), f());
    case 3: return QColor::fromHslF(rng.bounded(36000) / 36000.0, f(), f(), f());
    default: return QColor::fromRgba64(c(), c(), c(), c());
    }
}

QVariant randomValue(QRandomGenerator &rng)
{
    switch (rng.bounded(9)) {
    case 0: return uint(rng.generate());
    case 1: return int(rng.generate());
    case 2: return qint64(rng.generate64());
    case 3: return randomColor(rng);
    case 4: return QVariant(QStringList{randomText(rng, 6), randomText(rng, 6), randomText(rng, 6)}.mid(rng.bounded(4)));
    case 5: return rng.bounded(2) == 1;
    case 6: return QByteArray::number(rng.generate64()) + char(rng.bounded(256));
    default: return randomText(rng, 12);
    }
}

QSettings::SettingsMap randomMap(quint32 seed)
{
    QRandomGenerator rng(seed);
    static const QStringList sections{"", "Config/", "PROFILE_0/", "PROFILE/LedMode/", "A-b/", "A/",
                                      "general/", "Mouse List/", QString::fromUtf8("中/"), "x%y/"};
    QSettings::SettingsMap map;
    for (int i = 0; i < 60; ++i) {
        QString key = randomText(rng, 5).remove(QChar(0)).remove('/').remove('\\').trimmed();
        key.replace('@', 'k');
        if (!key.isEmpty())
            map.insert(sections.at(rng.bounded(sections.size())) + key, randomValue(rng));
    }
    return map;
}

// Where a writer stored a name: the file, the key and the text it holds.
struct NameField
{
    QString path;
    QString key;
    QString text;
};

enum class NameWriter { ProfileNames, AllSettings, ProfileFile, Export, Macro };

// Writes the name with one of the program's writers; the fields it must be read
// back from, none when a write failed.
QVector<NameField> writeName(NameWriter writer, const QString &name, const QString &exportFile)
{
    SettingsBlock block;
    block.names[0] = name;
    block.profiles[0].ProfileName = name;
    block.profiles[0].buttons[3].macroname = name;
    const QString prof = profileFilePath(name);
    const QVector<NameField> profFields{{prof, "PROFILE/ProfileName", name},
                                        {prof, "PROFILE/BUTTON_INFO_3_macroname", name}};
    switch (writer) {
    case NameWriter::ProfileNames:
        if (saveProfileNames(block))
            return {{configIniPath(), "Config/Profile1", name}};
        break;
    case NameWriter::AllSettings:
        if (saveAllSettings(block))
            return QVector<NameField>{{configIniPath(), "Config/Profile1", name}} + profFields;
        break;
    case NameWriter::ProfileFile:
        if (saveProfileFile(block.profiles[0], name))
            return profFields;
        break;
    case NameWriter::Export:
        if (exportProfiles(block, exportFile))
            return {{exportFile, "Config/Profile1", name},
                    {exportFile, "PROFILE_0/ProfileName", name},
                    {exportFile, "PROFILE_0/BUTTON_INFO_3_macroname", name}};
        break;
    case NameWriter::Macro:
        MacroFile macro;
        macro.rows = {{MacroKeyPress, 0, 4}};
        if (writeMacroFile(name, macro, WriteSign::Mark) && addToMacroList(name) == 0)
            return {{macroFilePath(name), "Setting/MacroFilePath", macroFilePath(name)},
                    {configIniPath(), "MACRO_LIST/0", name}};
        break;
    }
    return {};
}

void compareMaps(const QSettings::SettingsMap &ours, const QSettings::SettingsMap &qt)
{
    QCOMPARE(ours.keys(), qt.keys());
    for (auto it = qt.cbegin(); it != qt.cend(); ++it) {
        // A key with an empty part cannot be asked for through either reader.
        if (it.key().isEmpty() || it.key().startsWith('/') || it.key().endsWith('/') || it.key().contains("//"))
            continue;
        const QVariant &mine = ours.value(it.key());
        QVERIFY2(mine.userType() == it->userType() && mine == *it, qPrintable(it.key()));
    }
}
}
Q_DECLARE_METATYPE(NameWriter)

class TestIniCompat : public QObject
{
    Q_OBJECT
private slots:
    // Keys of every file the application folder is seeded with (shipped or written at
    // build time) and randomised keys of every stored type.
    void sameKeysGiveQtsBytes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<quint32>("seed");
        const QString data = TestAppFolder::sourceDataDir();
        QTest::newRow("data/DefaultProfile.bin") << data + "/DefaultProfile.bin" << 0u;
        for (const QString &root : {data + "/Configs", QStringLiteral(MOUSECFG_SEED_CONFIGS)}) {
            QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                const QString tag = (root.startsWith(data) ? "data/" : "seed/") + QDir(root).relativeFilePath(file);
                QTest::newRow(qPrintable(tag)) << file << 0u;
            }
        }
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(seed))) << QString() << seed;
    }
    void sameKeysGiveQtsBytes()
    {
        QFETCH(QString, source);
        QFETCH(quint32, seed);
        QTemporaryDir dir;
        const QSettings::SettingsMap keys = source.isEmpty() ? randomMap(seed) : qtRead(source);
        QVERIFY(!keys.isEmpty());
        if (!source.isEmpty()) {
            // Written as Qt writes with no codec, so a plain Qt reads what we read.
            const QByteArray shipped = fileBytes(source);
            QVERIFY2(isAscii(shipped), "raw bytes from 0x80 up");
            compareMaps(parseIniText(shipped), keys);
        }
        const QString path = dir.path() + "/qt.ini";
        const QByteArray qtBytes = qtWrite(path, keys);
        QCOMPARE(iniText(keys), qtBytes);
        compareMaps(parseIniText(qtBytes), qtRead(path));
    }

    // Hand-written files: what Qt reads we read, and Qt's rewrite after one change
    // gives the bytes that ours gives.
    void handWrittenFilesReadAsQtReadsThem_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("comments and blanks") << QByteArray("; top\n\n  [Config]  \r\n a = 1 \t\n;c=2\nb=x;y\n");
        QTest::newRow("quotes and lists") << QByteArray("[S]\nq=\"  a, b \"\nl=a , b,\"c\" ,\nm= x ,\ne=\"\"\n");
        QTest::newRow("escapes") << QByteArray("[S]\na=\\x41\\x4a1\\101\\q\\\\\\\"\\t\\0z\nb=\\x\nc=x\\\nd=y\\\r\nz\n");
        QTest::newRow("key escapes") << QByteArray("[%55%U00e4x]\nk%2Fl\\m=1\n%=2\n%4=3\n%GG=4\n%U12=5\n");
        QTest::newRow("general forms") << QByteArray("g=0\n[general]\nh=1\n[%General]\ni=2\n[GENERAL]\nj=3\n");
        QTest::newRow("duplicates") << QByteArray("[A]\nk=1\n[B]\nk=2\n[A]\nk=3\nj=4\n");
        QTest::newRow("unclosed section") << QByteArray("[A\nk=1\n[B] junk\nk=2\n");
        QTest::newRow("variant forms") << QByteArray("[V]\na=@Invalid()\nb=@@x\nc=@String(s\\0t)\nd=@ByteArray(\\xff)\n"
                                                     "e=@Rect(1 2 3 4)\nf=@Size(5 6)\ng=@Point(7)\nh=@x, @@y\n"
                                                     "i=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\0\\0\\x80\\0\\xff\\xff\\0\\0)\n");
        QTest::newRow("utf-8 and bom") << QByteArray("\xEF\xBB\xBF[S]\nn=\xE7\xB9\x81\xE9\xAB\x94 \xC3\xBC\nbad=\xFF\xC3\n");
        QTest::newRow("utf-8 of earlier builds") << QByteArray("[S]\nn=\xE9\x85\x8D \xF0\x9F\x98\x80\\x41\n");
        QTest::newRow("escaped units") << QByteArray("[S]\nn=\\x914d\\x7f6e \\xd83d\\xde00 \\xdcn\\xef\nlone=\\xde00x\n");
        QTest::newRow("unbalanced quote at the end") << QByteArray("[S]\nok=1\nq=\"abc");
    }
    void handWrittenFilesReadAsQtReadsThem()
    {
        QFETCH(QByteArray, text);
        QTemporaryDir dir;
        const QString path = dir.path() + "/hand.ini";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        QSettings::SettingsMap ours = parseIniText(text);
        compareMaps(ours, qtRead(path));
        {
            QSettings qt(path, QSettings::IniFormat);
            readAsWeDo(qt, text);
            qt.setIniCodec(static_cast<QTextCodec *>(nullptr)); // Qt takes UTF-8 after a BOM
            qt.setValue("S/added", 5);
        }
        ours.insert("S/added", 5);
        QCOMPARE(iniText(ours), fileBytes(path));
    }

    // Random lines of INI tokens (quotes stay balanced within a line, and no token
    // can form stream data that Qt would decode).
    void randomLinesReadAsQtReadsThem()
    {
        static const char *tokens[] = {"a", "Z", "1", " ", "\t", "=", ",", ";", "@", "(", ")", "[", "]", "%",
                                       "%4", "%U00", "\\x4", "\\101", "\\n", "\\\\", "\\q", "\\\"", "\"q,r\"",
                                       "\xC3\xBC", "@@", "\n", "\r\n", "\\\n", "\\xd83d", "\\xde00", "\\xfc"};
        QRandomGenerator rng(7);
        QTemporaryDir dir;
        const QString path = dir.path() + "/random.ini";
        for (int round = 0; round < 2000; ++round) {
            QByteArray text;
            for (int i = rng.bounded(60); i > 0; --i)
                text += tokens[rng.bounded(int(std::size(tokens)))];
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(text);
            f.close();
            compareMaps(parseIniText(text), qtRead(path));
            if (QTest::currentTestFailed())
                QFAIL(text.toPercentEncoding(" =[]@,;").constData());
        }
    }

    // A name of CJK, an emoji and Latin-1 letters through every writer of names: each
    // file holds Qt's escapes only, and a plain Qt reads the name as we do.
    void namesReadBackThroughPlainQt_data()
    {
        QTest::addColumn<NameWriter>("writer");
        QTest::newRow("Config.ini, saveProfileNames") << NameWriter::ProfileNames;
        QTest::newRow("Config.ini and .prof, saveAllSettings") << NameWriter::AllSettings;
        QTest::newRow(".prof, saveProfileFile") << NameWriter::ProfileFile;
        QTest::newRow("export .conf") << NameWriter::Export;
        QTest::newRow(".MSMACRO and macro list") << NameWriter::Macro;
    }
    void namesReadBackThroughPlainQt()
    {
        QFETCH(NameWriter, writer);
        TestAppFolder folder;
        const QString name = QString::fromUtf8("配置 一 😀 Ünï");
        const QVector<NameField> fields = writeName(writer, name, folder.path() + "/export.conf");
        QVERIFY(!fields.isEmpty());
        for (const NameField &field : fields) {
            const QByteArray bytes = fileBytes(field.path);
            QVERIFY2(isAscii(bytes), qPrintable(field.key));
            QVERIFY(bytes.contains("\\x914d\\x7f6e \\x4e00 \\xd83d\\xde00 \\xdcn\\xef"));
            QCOMPARE(QSettings(field.path, QSettings::IniFormat).value(field.key).toString(), field.text);
            QCOMPARE(IniFile(field.path).text(field.key), field.text);
        }
    }
};

MOUSECFG_TEST(TestIniCompat)
#include "TestIniCompat.moc"
