#include "tests/common/ControlLook.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QHash>
#include <QLabel>
#include <QWidget>

namespace {
QString text(const QRect &r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString text(const QSize &s)
{
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

QString lookOf(const QWidget &w)
{
    const QWidget &window = *w.window();
    const bool popup = &window == &w;
    const QWidget *owner = popup ? w.parentWidget() : &w;
    if (!owner || !owner->isVisibleTo(owner->window()))
        return QStringLiteral("hidden");
    QStringList entries;
    for (const QAction *action : w.actions())
        entries << action->font().toString();
    QString look = QStringLiteral("limits %1-%2 entries %3")
                       .arg(text(w.minimumSize()), text(w.maximumSize()), entries.join('|'));
    if (popup)
        return look;
    look += QStringLiteral(" geometry %1 font %2 style %3").arg(text(w.geometry()), w.font().toString(), w.styleSheet());
    if (auto *label = qobject_cast<const QLabel *>(&w))
        look += " picture " + text(label->pixmap(Qt::ReturnByValue).size());
    return look;
}

// Content of a scroll area is clipped by its viewport.
bool scrolled(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (auto *area = qobject_cast<const QAbstractScrollArea *>(p->parentWidget()); area && area->viewport() == p)
            return true;
    return false;
}

// Siblings are counted by class: raising a widget reorders its siblings.
void walk(const QWidget &parent, const QString &path, QStringList &looks)
{
    QHash<QString, int> counts;
    for (QObject *child : parent.children()) {
        if (auto *w = qobject_cast<QWidget *>(child)) {
            const QString type = QLatin1String(w->metaObject()->className());
            const QString place = QStringLiteral("%1/%2#%3").arg(path, type).arg(counts[type]++);
            const QString look = lookOf(*w);
            looks << place + ": " + look;
            if (look != QLatin1String("hidden"))
                walk(*w, place, looks);
        }
    }
}
}

QStringList controlLooks(const QWidget &window)
{
    QStringList looks;
    walk(window, QString(), looks);
    return looks;
}

QStringList lookDifferences(const QStringList &got, const QStringList &expected)
{
    if (got.size() != expected.size())
        return {QStringLiteral("%1 controls instead of %2").arg(got.size()).arg(expected.size())};
    QStringList differences;
    for (int i = 0; i < got.size(); ++i)
        if (got[i] != expected[i])
            differences << got[i] + " <> " + expected[i];
    differences.removeDuplicates();
    return differences;
}

QStringList controlsOutside(const QWidget &window)
{
    QStringList outside;
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        if (w->isWindow() || !w->isVisibleTo(&window) || w->geometry().isEmpty() || scrolled(w))
            continue;
        const QRect r(w->mapTo(&window, QPoint(0, 0)), w->size());
        if (!window.rect().contains(r))
            outside << QStringLiteral("%1 %2").arg(w->metaObject()->className(), text(r));
    }
    return outside;
}
