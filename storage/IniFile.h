#pragma once

#include <QColor>
#include <QSettings>
#include <QString>
#include <QVariant>

// Settings files are a few megabytes at most; a larger file is not ours.
constexpr qint64 MaxIniFileSize = 16 * 1024 * 1024;

// Every INI file of the program is opened through this class: INI format with
// UTF-8 text, so hand-written files with non-ASCII names read right. The file is
// written when the object is destroyed. A file that is too large or holds stream
// data the program never writes reads as empty and is left as it is.
class IniFile : public QSettings
{
public:
    explicit IniFile(const QString &path);

    // Number read with its low bits kept; text that is not a number and a
    // missing key give 0.
    qint64 number(const QString &key) const;
    qint64 number(const QString &key, qint64 missing) const;
    QString text(const QString &key) const;
    QColor color(const QString &key) const;

    // Writes the pending keys now; false when the file could not be written.
    bool commit();
};

qint64 variantNumber(const QVariant &value);
QString variantText(const QVariant &value);
QColor variantColor(const QVariant &value);
