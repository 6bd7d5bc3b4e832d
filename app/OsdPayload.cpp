#include "app/OsdPayload.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {
const char kContext[] = "MousecfgWidget";

void copyText(std::array<char16_t, OsdTextUnits> &field, const QString &text)
{
    int units = qMin(text.size(), OsdTextUnits - 1);
    if (units > 0 && units < text.size() && text.at(units - 1).isHighSurrogate())
        --units;
    for (int i = 0; i < units; ++i)
        field[size_t(i)] = char16_t(text.at(i).unicode());
}

void appendText(QByteArray &bytes, const std::array<char16_t, OsdTextUnits> &field)
{
    for (char16_t unit : field) {
        const quint16 le = qToLittleEndian(quint16(unit));
        bytes.append(reinterpret_cast<const char *>(&le), sizeof le);
    }
}

void appendWord(QByteArray &bytes, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&le), sizeof le);
}
}

OsdMessage makeOsdMessage(const QString &text, const QColor &color)
{
    OsdMessage message;
    copyText(message.text, text);
    message.color = quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
    copyText(message.fontFace, QStringLiteral("Arial"));
    return message;
}

QByteArray osdMessageBytes(const OsdMessage &message)
{
    QByteArray bytes;
    bytes.reserve(OsdMessageSize);
    appendText(bytes, message.text);
    for (quint32 word : {quint32(message.param1), quint32(message.param2), quint32(message.param3),
                         message.color, quint32(message.param4)})
        appendWord(bytes, word);
    appendText(bytes, message.fontFace);
    return bytes;
}

QString osdMessageText(const OsdMessage &message)
{
    int units = 0;
    while (units < OsdTextUnits && message.text[size_t(units)] != 0)
        ++units;
    return QString::fromUtf16(message.text.data(), units);
}

QString osdProfileText(int profileIndex)
{
    return QCoreApplication::translate(kContext, "Profile") + QString::asprintf(" %d", profileIndex + 1);
}

QString osdDpiText(int stageIndex, int dpi)
{
    return QCoreApplication::translate(kContext, "DPI") + QString::asprintf(" %d:%d", stageIndex + 1, dpi);
}

QString osdRateText(int rateCode)
{
    switch (rateCode) {
    case 8:
        return QCoreApplication::translate(kContext, "125 HZ");
    case 4:
        return QCoreApplication::translate(kContext, "250 HZ");
    case 2:
        return QCoreApplication::translate(kContext, "500 HZ");
    case 1:
        return QCoreApplication::translate(kContext, "1000 HZ");
    default:
        return QString();
    }
}
