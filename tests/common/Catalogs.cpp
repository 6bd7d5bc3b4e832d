#include "tests/common/Catalogs.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

namespace {
QList<CatalogMessage> catalogFileMessages(const QString &tsPath)
{
    QList<CatalogMessage> messages;
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.append({context, xml.readElementText()});
    }
    return messages;
}
}

QList<CatalogMessage> catalogMessages(const QString &language)
{
    const QDir lang(QStringLiteral(MOUSECFG_SOURCE_DIR "/resources/lang"));
    QList<CatalogMessage> messages = catalogFileMessages(lang.filePath(language + ".ts"));
    for (const QString &area : lang.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        messages += catalogFileMessages(lang.filePath(area + '/' + language + ".ts"));
    return messages;
}
