#include "app/InterfaceName.h"

#include <QRegularExpression>

namespace {
struct CollectionPattern
{
    QRegularExpression pattern;
    int collection;
};

QRegularExpression idPattern(const char *tail)
{
    return QRegularExpression(QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&") + QLatin1String(tail),
                              QRegularExpression::CaseInsensitiveOption);
}

quint16 hexId(const QString &text)
{
    bool ok = false;
    const quint16 id = text.toUShort(&ok, 16);
    return ok ? id : 0;
}
}

// The first pattern that matches anywhere in the name decides.
InterfaceName parseInterfaceName(const QString &name)
{
    static const CollectionPattern patterns[] = {
        {idPattern("col01"), 1},
        {idPattern("col04"), 4},
        {idPattern("MI_00&col01"), 1},
        {idPattern("MI_00&col04"), 4},
    };
    InterfaceName parsed;
    parsed.path = name.section(QLatin1Char('#'), 2);
    for (const CollectionPattern &p : patterns) {
        const QRegularExpressionMatch match = p.pattern.match(name);
        if (match.hasMatch()) {
            parsed.vendorId = hexId(match.captured(QStringLiteral("vid")));
            parsed.productId = hexId(match.captured(QStringLiteral("pid")));
            parsed.collection = p.collection;
            break;
        }
    }
    return parsed;
}
