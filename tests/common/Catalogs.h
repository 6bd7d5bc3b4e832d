#pragma once

#include <QList>
#include <QString>

// One text of the translation catalogs in resources/lang.
struct CatalogMessage
{
    QString context;
    QString source;
};

// Every text of one language ("en", "tc", "sc"): the shared catalog and each area's,
// in the order the build joins them.
QList<CatalogMessage> catalogMessages(const QString &language);
