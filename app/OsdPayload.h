#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <array>

// The on-screen message: 1,044 bytes, little-endian, fields back to back.
constexpr int OsdTextUnits = 256; // UTF-16 units of a text field, terminator included
constexpr int OsdMessageSize = 1044;

struct OsdMessage
{
    std::array<char16_t, OsdTextUnits> text{};
    qint32 param1 = 0;
    qint32 param2 = 1500;
    qint32 param3 = 0;
    quint32 color = 0; // red | green << 8 | blue << 16
    qint32 param4 = 60;
    std::array<char16_t, OsdTextUnits> fontFace{};
};

// The text is cut to what its field holds (255 units, a surrogate pair kept whole)
// and always terminated; the font face is "Arial".
OsdMessage makeOsdMessage(const QString &text, const QColor &color);
QByteArray osdMessageBytes(const OsdMessage &message);
// The text field up to its terminator.
QString osdMessageText(const OsdMessage &message);

// Announcements of changes made on the mouse: "Profile 3" for profile index 2,
// "DPI 2:1600" for stage index 1, the rate of a report-rate code ("1000 HZ" for 1),
// empty for a code that is not 1, 2, 4 or 8.
QString osdProfileText(int profileIndex);
QString osdDpiText(int stageIndex, int dpi);
QString osdRateText(int rateCode);
