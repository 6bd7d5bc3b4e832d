#include "widgets/KeyboardFocus.h"

#include "widgets/QuorFocusFrame.h"
#include "widgets/QuorPushButton.h"

#include <QApplication>
#include <QPointer>
#include <QRect>
#include <QScrollArea>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {
struct Block
{
    QRect rect;
    QList<QWidget *> stops;
};

// Whether a lies before b in screen order: wholly above it, or beside it and on its left.
bool liesBefore(const QRect &a, const QRect &b)
{
    if (a.bottom() < b.top())
        return true;
    const bool beside = a.top() <= b.bottom() && b.top() <= a.bottom();
    return beside && a.right() < b.left();
}

bool takesTabFocus(const QWidget *w)
{
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && w->isEnabled();
}

// The next block to take: the first of those no other remaining block lies before.
size_t nextBlock(const std::vector<Block> &blocks, const std::vector<bool> &taken)
{
    size_t first = blocks.size();
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (taken[i])
            continue;
        if (first == blocks.size())
            first = i;
        bool free = true;
        for (size_t j = 0; j < blocks.size() && free; ++j)
            free = taken[j] || j == i || !liesBefore(blocks[j].rect, blocks[i].rect);
        if (free)
            return i;
    }
    return first;
}

QList<QWidget *> stopsOf(QWidget *widget)
{
    QList<QWidget *> stops;
    if (takesTabFocus(widget))
        stops << widget;
    std::vector<Block> blocks;
    for (QObject *child : widget->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        // A hidden child, or one without area on its parent, shows nothing of its own.
        if (!w || w->isWindow() || w->isHidden() || !w->geometry().intersects(widget->rect()))
            continue;
        const QList<QWidget *> own = stopsOf(w);
        if (!own.isEmpty())
            blocks.push_back({w->geometry(), own});
    }
    // Ties (blocks in one place) keep their order from the top left.
    std::stable_sort(blocks.begin(), blocks.end(), [](const Block &a, const Block &b) {
        return a.rect.top() != b.rect.top() ? a.rect.top() < b.rect.top() : a.rect.left() < b.rect.left();
    });
    std::vector<bool> taken(blocks.size(), false);
    for (size_t n = 0; n < blocks.size(); ++n) {
        const size_t i = nextBlock(blocks, taken);
        taken[i] = true;
        stops << blocks[i].stops;
    }
    return stops;
}
} // namespace

void showFocusFrames(QWidget *window)
{
    QObject::connect(qApp, &QApplication::focusChanged, window,
                     [window, frame = QPointer<QuorFocusFrame>()](QWidget *, QWidget *now) mutable {
                         delete frame;
                         if (now && now->window() == window && !qobject_cast<QuorPushButton *>(now))
                             frame = new QuorFocusFrame(now);
                     });
}

bool focusNextStopInScreenOrder(QWidget *root, bool next)
{
    QList<QWidget *> stops = stopsOf(root);
    stops.removeOne(root);
    const int at = stops.indexOf(root->focusWidget());
    if (at < 0)
        return false;
    const int count = stops.size();
    QWidget *target = stops.at(((next ? at + 1 : at - 1) % count + count) % count);
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    for (QWidget *w = target->parentWidget(); w && w != root; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(w))
            area->ensureWidgetVisible(target);
    }
    return true;
}
