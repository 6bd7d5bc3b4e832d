#include "storage/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextCodec>

#include <algorithm>
#include <atomic>
#include <iterator>

namespace {
int digitValue(char ch, int base)
{
    const int d = (ch >= '0' && ch <= '9')   ? ch - '0'
                  : (ch >= 'a' && ch <= 'f') ? ch - 'a' + 10
                  : (ch >= 'A' && ch <= 'F') ? ch - 'A' + 10
                                             : -1;
    return d < base ? d : -1;
}

// A value's text as the INI reader unescapes it: quotes dropped, "\x.." and "\ooo"
// greedy with the low 16 bits kept, a backslash before a line end joins lines, an
// unknown escape drops its character. Other bytes stay one character each; a
// character above 255 becomes 255, which keeps every comparison below.
QByteArray unescapedIniText(const QByteArray &data)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                      {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                      {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QByteArray text;
    text.reserve(data.size());
    const char *p = data.constData();
    const int end = data.size();
    int i = 0;
    while (i < end) {
        const char ch = p[i++];
        if (ch == '"')
            continue;
        if (ch != '\\') {
            text += ch;
            continue;
        }
        if (i >= end)
            break;
        const char code = p[i++];
        const auto known = std::find_if(std::begin(escapes), std::end(escapes),
                                        [code](const char *e) { return e[0] == code; });
        if (known != std::end(escapes)) {
            text += (*known)[1];
        } else if (code == 'x' || (code >= '0' && code <= '7')) {
            const bool hex = code == 'x';
            uint value = hex ? 0 : uint(code - '0');
            bool digits = !hex;
            for (int d; i < end && (d = digitValue(p[i], hex ? 16 : 8)) >= 0; ++i) {
                value = ((value << (hex ? 4 : 3)) | uint(d)) & 0xFFFF;
                digits = true;
            }
            if (digits)
                text += char(qMin(value, 0xFFu));
        } else if ((code == '\n' || code == '\r') && i < end && (p[i] == '\n' || p[i] == '\r')
                   && p[i] != code) {
            ++i;
        }
    }
    return text;
}

// Whether a value or list element of the INI reader can begin at this point of
// the unescaped text: only blanks between it and "=", "," or a line start.
bool startsAValue(const QByteArray &text, int at)
{
    while (at > 0 && (text.at(at - 1) == ' ' || text.at(at - 1) == '\t'))
        --at;
    if (at == 0)
        return true;
    const char before = text.at(at - 1);
    return before == '=' || before == ',' || before == '\n' || before == '\r';
}

// The INI reader turns "@Variant(" values into objects through a binary stream
// that trusts the counts it finds, so a damaged or hostile value can demand
// gigabytes. Our files hold only colours there (stream type 67).
bool holdsForeignVariant(const QByteArray &data)
{
    if (!data.contains('@') && !data.contains('\\'))
        return false;
    const QByteArray text = unescapedIniText(data);
    const QByteArray marker("@Variant(");
    const QByteArray colourType("\0\0\0\x43", 4);
    for (int at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at + 1)) {
        if (startsAValue(text, at) && text.mid(at + marker.size(), colourType.size()) != colourType)
            return true;
    }
    return false;
}

QString refusedPath(const QString &path, const char *reason)
{
    static std::atomic<int> refused{0};
    qWarning("Ignoring the INI file %s: %s", qPrintable(path), reason);
    return QStringLiteral("/dev/null/refused-%1.ini").arg(++refused);
}

// A file far larger than any settings file or holding foreign stream data is
// neither read nor written: it reads as an empty file and writes go to a path
// that cannot exist.
QString usablePath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return path;
    if (info.size() > MaxIniFileSize)
        return refusedPath(path, "it is too large");
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && holdsForeignVariant(file.readAll()))
        return refusedPath(path, "it holds data of a foreign type");
    return path;
}
}

IniFile::IniFile(const QString &path)
    : QSettings(usablePath(path), QSettings::IniFormat)
{
    setIniCodec(QTextCodec::codecForName("UTF-8"));
}

qint64 IniFile::number(const QString &key) const
{
    return variantNumber(value(key));
}

qint64 IniFile::number(const QString &key, qint64 missing) const
{
    const QVariant v = value(key);
    return v.isValid() ? variantNumber(v) : missing;
}

QString IniFile::text(const QString &key) const
{
    return variantText(value(key));
}

QColor IniFile::color(const QString &key) const
{
    return variantColor(value(key));
}

bool IniFile::commit()
{
    sync();
    return status() == QSettings::NoError;
}

qint64 variantNumber(const QVariant &value)
{
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    return ok ? n : 0;
}

QString variantText(const QVariant &value)
{
    // An unquoted hand-written value with commas reads as a list.
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

QColor variantColor(const QVariant &value)
{
    if (!value.isValid())
        return QColor();
    return value.value<QColor>();
}
