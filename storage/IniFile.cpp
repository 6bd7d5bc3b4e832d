#include "storage/IniFile.h"

#include <QStringList>
#include <QTextCodec>

IniFile::IniFile(const QString &path)
    : QSettings(path, QSettings::IniFormat)
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
