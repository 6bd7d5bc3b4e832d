#include "storage/IniText.h"

#include <QColor>
#include <QDataStream>
#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTextCodec>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {
// ---- reading ----------------------------------------------------------------

enum : uchar { Blank = 1, Special = 2 };

constexpr std::array<uchar, 256> charTraits()
{
    std::array<uchar, 256> t{};
    t['\t'] = Blank;
    t[' '] = Blank;
    t['\n'] = Blank | Special;
    t['\r'] = Blank | Special;
    for (uchar c : {'"', ';', '=', '\\'})
        t[c] = Special;
    return t;
}
constexpr std::array<uchar, 256> kTraits = charTraits();

bool isBlank(char c)
{
    return kTraits[uchar(c)] & Blank;
}

struct IniLine
{
    int start = 0;
    int length = 0;
    int equals = -1;
    bool openQuote = false; // a line break inside quotes ended the line
};

// One logical line as Qt's reader splits them: comments skipped, a backslash
// joins lines. Qt lets a quote run on over line breaks; here the line ends and
// is marked, so one damaged value cannot swallow the rest of the file.
bool readLine(const QByteArray &data, int &pos, IniLine &line)
{
    const char *d = data.constData();
    const int n = data.size();
    bool inQuotes = false;
    line.equals = -1;
    line.openQuote = false;
    int start = pos;
    while (start < n && isBlank(d[start]))
        ++start;
    int i = start;
    while (i < n) {
        char ch = d[i];
        while (!(kTraits[uchar(ch)] & Special)) {
            if (++i == n)
                goto done;
            ch = d[i];
        }
        ++i;
        if (ch == '=') {
            if (!inQuotes && line.equals == -1)
                line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == start + 1) {
                ++start;
            } else {
                line.openQuote = inQuotes;
                --i;
                goto done;
            }
        } else if (ch == '\\') {
            if (i < n) {
                const char next = d[i++];
                if (i < n && ((next == '\n' && d[i] == '\r') || (next == '\r' && d[i] == '\n')))
                    ++i;
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (i == start + 1) { // ';' opens a comment line
            while (i < n && d[i] != '\n' && d[i] != '\r')
                ++i;
            while (i < n && isBlank(d[i]))
                ++i;
            start = i;
        } else if (!inQuotes) {
            --i;
            goto done;
        }
    }
done:
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

// Keys are Latin-1; "\" stands for "/", "%XX" and "%UXXXX" for one character.
void unescapeKey(const QByteArray &data, int from, int to, QString &out)
{
    const char *d = data.constData();
    if (std::none_of(d + from, d + to, [](char c) { return c == '\\' || c == '%'; })) {
        out += QLatin1String(d + from, to - from);
        return;
    }
    out.reserve(out.size() + to - from);
    int i = from;
    while (i < to) {
        const uchar ch = uchar(d[i]);
        if (ch == '\\') {
            out += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            out += QLatin1Char(char(ch));
            ++i;
            continue;
        }
        const bool wide = d[i + 1] == 'U';
        const int first = i + (wide ? 2 : 1);
        const int digits = wide ? 4 : 2;
        bool ok = false;
        const int code = first + digits <= to ? QByteArray(d + first, digits).toInt(&ok, 16) : 0;
        if (!ok) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        out += QChar(ushort(code));
        i = first + digits;
    }
}

QString sectionPrefix(const QByteArray &data, const IniLine &line)
{
    const int end = line.start + line.length;
    const int close = data.indexOf(']', line.start);
    const int nameEnd = (close == -1 || close >= end) ? end : close;
    const QByteArray name = data.mid(line.start + 1, nameEnd - line.start - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return QString();
    QString prefix;
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        prefix = QLatin1String(name.constData() + 1);
    else
        unescapeKey(name, 0, name.size(), prefix);
    return prefix + QLatin1Char('/');
}

int digitValue(char ch, int base)
{
    const int d = (ch >= '0' && ch <= '9')   ? ch - '0'
                  : (ch >= 'a' && ch <= 'f') ? ch - 'a' + 10
                  : (ch >= 'A' && ch <= 'F') ? ch - 'A' + 10
                                             : 99;
    return d < base ? d : -1;
}

char simpleEscape(char code)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                      {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                      {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    for (const auto &e : escapes) {
        if (e[0] == code)
            return e[1];
    }
    return 0;
}

void chopBlanks(QString &s, int limit)
{
    int n = s.size();
    while (n > limit && (s.at(n - 1) == QLatin1Char(' ') || s.at(n - 1) == QLatin1Char('\t')))
        --n;
    s.truncate(n);
}

void appendUtf8(QString &out, const char *p, int n)
{
    static QTextCodec *const utf8 = QTextCodec::codecForName("UTF-8");
    if (std::all_of(p, p + n, [](char c) { return uchar(c) < 0x80; }))
        out += QLatin1String(p, n);
    else
        out += utf8->toUnicode(p, n);
}

// A value's text, or its list of texts when an unquoted comma splits it: quotes
// dropped, escapes decoded, unquoted trailing blanks removed, as Qt reads them.
bool unescapeValue(const QByteArray &data, int i, int to, QString &out, QStringList &list)
{
    const char *s = data.constData();
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    bool chopAtEnd = true;
    auto skipBlanks = [&] {
        while (i < to && (s[i] == ' ' || s[i] == '\t'))
            ++i;
    };
    skipBlanks();
    int chopLimit = out.size();
    while (i < to) {
        const char ch = s[i];
        if (ch == '\\') {
            if (++i >= to) {
                chopAtEnd = false;
                break;
            }
            const char code = s[i++];
            if (const char c = simpleEscape(code)) {
                out += QLatin1Char(c);
            } else if (code == 'x' || (code >= '0' && code <= '7')) {
                const int base = code == 'x' ? 16 : 8;
                if (base == 16 && (i >= to || digitValue(s[i], 16) < 0)) {
                    if (i >= to) {
                        chopAtEnd = false;
                        break;
                    }
                    chopLimit = out.size();
                    continue;
                }
                uint value = base == 16 ? 0 : uint(code - '0');
                for (int d; i < to && (d = digitValue(s[i], base)) >= 0; ++i)
                    value = (value * uint(base) + uint(d)) & 0xFFFF;
                out += QChar(ushort(value));
                if (i >= to) {
                    chopAtEnd = false;
                    break;
                }
            } else if ((code == '\n' || code == '\r') && i < to && (s[i] == '\n' || s[i] == '\r')
                       && s[i] != code) {
                ++i;
            }
            chopLimit = out.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = out.size();
            }
        } else if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopBlanks(out, chopLimit);
            if (!isList) {
                isList = true;
                list.clear();
            }
            list.append(out);
            out.clear();
            quoted = false;
            ++i;
            skipBlanks();
            chopLimit = 0;
        } else {
            int j = i + 1;
            while (j < to && s[j] != '\\' && s[j] != '"' && s[j] != ',')
                ++j;
            appendUtf8(out, s + i, j - i);
            i = j;
        }
    }
    if (chopAtEnd && !quoted)
        chopBlanks(out, chopLimit);
    if (isList)
        list.append(out);
    return isList;
}

ushort channel(const QByteArray &a, int at)
{
    return qFromBigEndian<quint16>(a.constData() + at);
}

double unit(ushort v)
{
    return v / 65535.0;
}

// Hue of the stream form: hundredths of a degree, 65535 for none.
bool hueOk(ushort hue)
{
    return hue < 36000 || hue == 0xFFFF;
}

double hueUnit(ushort hue)
{
    return hue == 0xFFFF ? -1.0 : hue / 36000.0;
}

// An IEEE half-precision word as a double.
double half(const QByteArray &a, int at)
{
    const ushort h = channel(a, at);
    const int exponent = (h >> 10) & 0x1F;
    const int mantissa = h & 0x3FF;
    const double v = exponent == 0    ? std::ldexp(mantissa, -24)
                     : exponent == 31 ? (mantissa ? NAN : INFINITY)
                                      : std::ldexp(mantissa + 1024, exponent - 25);
    return (h & 0x8000) ? -v : v;
}

// The colour of a stream body (type 67, Qt 4.0 stream): spec byte, then alpha,
// three channels and a fourth word. A spec Qt does not know reads invalid.
QColor streamColor(const QByteArray &a)
{
    const ushort alpha = channel(a, 5);
    const ushort c1 = channel(a, 7);
    const ushort c2 = channel(a, 9);
    const ushort c3 = channel(a, 11);
    const ushort c4 = channel(a, 13);
    switch (qint8(a.at(4))) {
    case QColor::Rgb:
        return QColor::fromRgba64(c1, c2, c3, alpha);
    case QColor::Hsv:
        return hueOk(c1) ? QColor::fromHsvF(hueUnit(c1), unit(c2), unit(c3), unit(alpha)) : QColor();
    case QColor::Cmyk:
        return QColor::fromCmykF(unit(c1), unit(c2), unit(c3), unit(c4), unit(alpha));
    case QColor::Hsl:
        return hueOk(c1) ? QColor::fromHslF(hueUnit(c1), unit(c2), unit(c3), unit(alpha)) : QColor();
    case QColor::ExtendedRgb: {
        const double f[4] = {half(a, 5), half(a, 7), half(a, 9), half(a, 11)};
        const bool finite = std::all_of(std::begin(f), std::end(f), [](double v) { return std::isfinite(v); });
        return finite && f[0] >= 0 && f[0] <= 1 ? QColor::fromRgbF(f[1], f[2], f[3], f[0]) : QColor();
    }
    default:
        return QColor();
    }
}

constexpr int ColorStreamSize = 15;
const char kColorType[] = {0, 0, 0, 67};

// "@Variant(...)": only a colour is ours; any other body is foreign.
QVariant streamedValue(const QStringRef &body, bool *ok)
{
    const bool narrow = std::all_of(body.begin(), body.end(), [](QChar c) { return c.unicode() < 0x100; });
    const QByteArray a = body.toLatin1();
    if (!narrow || a.size() != ColorStreamSize || !a.startsWith(QByteArray(kColorType, 4))) {
        *ok = false;
        return QVariant();
    }
    return QVariant(streamColor(a));
}

QStringList geometryArgs(const QString &s, int open)
{
    QStringList args;
    QString item;
    for (int i = open + 1; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == QLatin1Char(')')) {
            args.append(item);
        } else if (c == QLatin1Char(' ')) {
            args.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return args;
}

// Qt's text forms of a value; *ok turns false for data that is not ours.
QVariant textValue(const QString &s, bool *ok)
{
    if (!s.startsWith(QLatin1Char('@')))
        return s;
    if (s.endsWith(QLatin1Char(')'))) {
        if (s.startsWith(QLatin1String("@ByteArray(")))
            return QVariant(s.midRef(11, s.size() - 12).toLatin1());
        if (s.startsWith(QLatin1String("@String(")))
            return QVariant(s.midRef(8, s.size() - 9).toString());
        if (s.startsWith(QLatin1String("@Variant(")))
            return streamedValue(s.midRef(9, s.size() - 10), ok);
        if (s.startsWith(QLatin1String("@DateTime("))) {
            *ok = false;
            return QVariant();
        }
        if (s.startsWith(QLatin1String("@Rect("))) {
            const QStringList a = geometryArgs(s, 5);
            if (a.size() == 4)
                return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
        } else if (s.startsWith(QLatin1String("@Size("))) {
            const QStringList a = geometryArgs(s, 5);
            if (a.size() == 2)
                return QSize(a[0].toInt(), a[1].toInt());
        } else if (s.startsWith(QLatin1String("@Point("))) {
            const QStringList a = geometryArgs(s, 6);
            if (a.size() == 2)
                return QPoint(a[0].toInt(), a[1].toInt());
        } else if (s == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (s.startsWith(QLatin1String("@@")))
        return s.mid(1);
    return s;
}

QVariant listValue(QStringList list, bool *ok)
{
    const QStringList original = list;
    for (QString &s : list) {
        if (!s.startsWith(QLatin1Char('@')))
            continue;
        if (s.size() >= 2 && s.at(1) == QLatin1Char('@')) {
            s.remove(0, 1);
            continue;
        }
        QVariantList values;
        values.reserve(original.size());
        for (const QString &e : original) {
            values.append(textValue(e, ok));
            if (!*ok)
                return QVariant();
        }
        return values;
    }
    return list;
}

// ---- writing ----------------------------------------------------------------

const char kHex[] = "0123456789ABCDEF";

bool isPlainKeyChar(uint ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
           || ch == '-' || ch == '.';
}

// Appends ASCII text that needs no escape in one step.
void appendAscii(QByteArray &out, const QChar *u, int n)
{
    const int at = out.size();
    out.resize(at + n);
    char *p = out.data() + at;
    for (int i = 0; i < n; ++i)
        p[i] = char(u[i].unicode());
}

void appendEscapedKey(QByteArray &out, const QStringRef &key)
{
    const QChar *u = key.unicode();
    const int n = key.size();
    if (std::all_of(u, u + n, [](QChar c) { return isPlainKeyChar(c.unicode()); })) {
        appendAscii(out, u, n);
        return;
    }
    for (int i = 0; i < n; ++i) {
        uint ch = u[i].unicode();
        if (ch == '/') {
            out += '\\';
        } else if (isPlainKeyChar(ch)) {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += kHex[ch / 16];
            out += kHex[ch % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(ch >> shift) & 0xF];
        }
    }
}

bool isHexDigit(uint ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

void appendHexEscape(QByteArray &out, uint ch)
{
    out += "\\x";
    out += QByteArray::number(ch, 16);
}

// Printable ASCII that needs neither escapes nor quotes.
bool isPlainText(const QString &text)
{
    const QChar *u = text.unicode();
    const int n = text.size();
    if (n > 0 && (u[0] == QLatin1Char(' ') || u[n - 1] == QLatin1Char(' ')))
        return false;
    return std::all_of(u, u + n, [](QChar qc) {
        const uint c = qc.unicode();
        return c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != ';' && c != ',' && c != '=';
    });
}

// A value as Qt writes it with no codec set: control characters and every UTF-16
// unit from 0x7F up as "\x" escapes (a hex digit right after one is escaped too),
// so the text is ASCII and reads back the same in any Qt program.
void appendEscapedText(QByteArray &out, const QString &text)
{
    if (isPlainText(text)) {
        appendAscii(out, text.unicode(), text.size());
        return;
    }
    bool quotes = false;
    bool escapeNextIfDigit = false;
    const int start = out.size();
    const QChar *u = text.unicode();
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const uint ch = u[i].unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            quotes = true;
        if (escapeNextIfDigit && isHexDigit(ch)) {
            appendHexEscape(out, ch);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0': out += "\\0"; escapeNextIfDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || ch >= 0x7F) {
                appendHexEscape(out, ch);
                escapeNextIfDigit = true;
            } else {
                out += char(ch);
            }
        }
    }
    if (quotes || (start < out.size() && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

QString streamText(const QVariant &v)
{
    const bool dateTime = v.userType() == QMetaType::QDateTime;
    QByteArray a;
    {
        QDataStream s(&a, QIODevice::WriteOnly);
        s.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
        s << v;
    }
    return QLatin1String(dateTime ? "@DateTime(" : "@Variant(") + QLatin1String(a.constData(), a.size())
           + QLatin1Char(')');
}

// A value as Qt's INI writer turns it into text.
QString valueText(const QVariant &v)
{
    switch (v.userType()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray: {
        const QByteArray a = v.toByteArray();
        return QLatin1String("@ByteArray(") + QLatin1String(a.constData(), a.size()) + QLatin1Char(')');
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence: {
        QString text = v.toString();
        if (text.contains(QChar::Null))
            return QLatin1String("@String(") + text + QLatin1Char(')');
        if (text.startsWith(QLatin1Char('@')))
            text.prepend(QLatin1Char('@'));
        return text;
    }
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: {
        const QSize s = v.toSize();
        return QString::asprintf("@Size(%d %d)", s.width(), s.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = v.toPoint();
        return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    default:
        return streamText(v);
    }
}

void appendNumber(QByteArray &out, const QVariant &v)
{
    const bool isSigned = v.userType() == QMetaType::Int || v.userType() == QMetaType::LongLong;
    const qlonglong signedValue = isSigned ? v.toLongLong() : 0;
    qulonglong magnitude = isSigned ? (signedValue < 0 ? 0 - qulonglong(signedValue) : qulonglong(signedValue))
                                    : v.toULongLong();
    char digits[24];
    char *p = digits + sizeof digits;
    do {
        *--p = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (signedValue < 0)
        *--p = '-';
    out.append(p, int(digits + sizeof digits - p));
}

void appendValue(QByteArray &out, const QVariant &v)
{
    switch (v.userType()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        appendNumber(out, v);
        return;
    case QMetaType::QStringList:
        break;
    case QMetaType::QVariantList:
        if (v.toList().size() != 1)
            break;
        Q_FALLTHROUGH();
    default:
        appendEscapedText(out, valueText(v));
        return;
    }
    const QVariantList list = v.toList();
    if (list.isEmpty())
        out += "@Invalid()";
    for (int i = 0; i < list.size(); ++i) {
        if (i != 0)
            out += ", ";
        appendEscapedText(out, valueText(list.at(i)));
    }
}

struct Entry
{
    QStringRef section;
    QStringRef key;
    const QVariant *value;
};
}

IniSections splitIniSections(const QByteArray &data)
{
    IniSections sections;
    int pos = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    QString prefix;
    int bodyStart = pos;
    IniLine line;
    auto flush = [&](int end) {
        QByteArray &body = sections[prefix];
        if (!body.isEmpty())
            body += '\n';
        body += data.mid(bodyStart, end - bodyStart);
    };
    while (readLine(data, pos, line)) {
        if (data.at(line.start) != '[')
            continue;
        flush(line.start);
        prefix = sectionPrefix(data, line);
        bodyStart = pos;
    }
    flush(data.size());
    return sections;
}

void parseIniSection(const QString &prefix, const QByteArray &body, QSettings::SettingsMap &map)
{
    const char *d = body.constData();
    int pos = 0;
    QStringList list;
    IniLine line;
    while (readLine(body, pos, line)) {
        if (line.equals < 0 || line.openQuote)
            continue;
        int keyEnd = line.equals;
        while (keyEnd > line.start && (d[keyEnd - 1] == ' ' || d[keyEnd - 1] == '\t'))
            --keyEnd;
        QString key;
        key.reserve(prefix.size() + keyEnd - line.start);
        key += prefix;
        unescapeKey(body, line.start, keyEnd, key);
        QString text;
        bool ok = true;
        const bool isList = unescapeValue(body, line.equals + 1, line.start + line.length, text, list);
        const QVariant value = isList ? listValue(list, &ok) : textValue(text, &ok);
        if (ok)
            map.insert(map.cend(), key, value);
    }
}

QSettings::SettingsMap parseIniText(const QByteArray &data)
{
    QSettings::SettingsMap map;
    const IniSections sections = splitIniSections(data);
    for (auto it = sections.cbegin(); it != sections.cend(); ++it)
        parseIniSection(it.key(), it.value(), map);
    return map;
}

QByteArray iniText(const QSettings::SettingsMap &map)
{
    std::vector<Entry> entries;
    entries.reserve(size_t(map.size()));
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString &k = it.key();
        const int slash = k.indexOf(QLatin1Char('/'));
        if (slash < 0)
            entries.push_back({QStringRef(), QStringRef(&k), &it.value()});
        else
            entries.push_back({k.leftRef(slash), k.midRef(slash + 1), &it.value()});
    }
    // Sections in name order, [General] first; keys keep their order within each.
    auto bySection = [](const Entry &a, const Entry &b) { return a.section < b.section; };
    if (!std::is_sorted(entries.begin(), entries.end(), bySection))
        std::stable_sort(entries.begin(), entries.end(), bySection);

    QByteArray out;
    out.reserve(map.size() * 24);
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        if (i == 0 || e.section != entries[i - 1].section) {
            if (i != 0)
                out += '\n';
            QByteArray name;
            appendEscapedKey(name, e.section);
            if (name.isEmpty())
                out += "[General]\n";
            else if (name.compare("general", Qt::CaseInsensitive) == 0)
                out += "[%General]\n";
            else
                out += '[' + name + "]\n";
        }
        appendEscapedKey(out, e.key);
        out += '=';
        appendValue(out, *e.value);
        out += '\n';
    }
    return out;
}
