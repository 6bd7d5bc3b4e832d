#include "macro/QuorTreeWidget.h"

#include "storage/Theme.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"

#include <QHeaderView>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr Qt::ImageConversionFlags PictureFlags = Qt::ThresholdDither | Qt::AvoidDither;
}

void paintMarkTint(QPainter &painter, const QRect &rect, int mark)
{
    if (mark != QuorTreeWidget::HoverMark && mark != QuorTreeWidget::PressMark)
        return;
    const QColor theme = themeColor();
    const int divisor = mark == QuorTreeWidget::HoverMark ? 2 : 3;
    QLinearGradient gradient(60, 50, 200, 150);
    gradient.setColorAt(0.1, QColor(theme.red() / divisor, theme.green() / divisor, theme.blue() / divisor, 150));
    gradient.setColorAt(0.4, QColor(theme.red(), theme.green(), theme.blue(), 150));
    painter.save();
    painter.setBrush(gradient);
    painter.drawRects(&rect, 1);
    painter.restore();
}

QuorTreeWidget::QuorTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    for (QPixmap &picture : m_pictures)
        picture = QPixmap(skinPath(QStringLiteral("/skin/insert_mouse_key_1.png")), nullptr, PictureFlags);
    headerItem()->setData(0, Qt::TextAlignmentRole, int(Qt::AlignCenter));
    header()->setStyleSheet(QStringLiteral(
        "QHeaderView::section{background-color:rgb(50,50,50);color:white;}QHeaderView::section{border:0px}"));
    applyStyle();
    setExpandsOnDoubleClick(false);
    setRootIsDecorated(false);
}

QuorTreeWidget::~QuorTreeWidget() = default;

void QuorTreeWidget::applyStyle()
{
    const double s = uiScale();
    const QSize size(scaledPixels(150, s), scaledPixels(25, s));
    for (size_t i = 0; i < m_pictures.size(); ++i) {
        m_scaledPictures[i] = m_pictures[i].isNull()
                                  ? QPixmap()
                                  : m_pictures[i].scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    setStyleSheet(QStringLiteral("QTreeWidget{background-color:rgb(30,30,30);font-size:%1px;height:%2;}"
                                 "*{outline:0px;}QTreeWidget{border:0px white; color:white;}"
                                 "QTreeWidget::Item{height:%3;border:0px white;}QTreeWidget::Item:hover{color:white;}"
                                 "QTreeWidget::item:selected{border-width:0px;color:white;}"
                                 "QTreeWidget::item:selected:!active{border-width:0px;color:white;}"
                                 "QTreeView::item{margin:0px;}")
                      .arg(int(10 * s))
                      .arg(int(434 * s))
                      .arg(int(30 * s)));
}

void QuorTreeWidget::resetMarks()
{
    m_topMarks.fill(NoMark);
    m_childMarks.fill(NoMark);
}

void QuorTreeWidget::clearMarks()
{
    resetMarks();
    viewport()->update();
}

void QuorTreeWidget::markAt(const QPoint &pos, int mark)
{
    const QModelIndex index = indexAt(pos);
    resetMarks();
    if (index.parent().isValid()) {
        if (index.row() < ChildRowCount)
            m_childMarks[size_t(index.row())] = mark;
    } else if (index.isValid() && index.row() < TopRowCount) {
        m_topMarks[size_t(index.row())] = mark;
    }
    viewport()->update();
}

void QuorTreeWidget::mousePressEvent(QMouseEvent *event)
{
    markAt(event->pos(), PressMark);
    QTreeWidget::mousePressEvent(event);
}

void QuorTreeWidget::mouseReleaseEvent(QMouseEvent *event)
{
    markAt(event->pos(), HoverMark);
    QTreeWidget::mouseReleaseEvent(event);
}

void QuorTreeWidget::mouseMoveEvent(QMouseEvent *event)
{
    markAt(event->pos(), HoverMark);
}

void QuorTreeWidget::enterEvent(QEvent *event)
{
    viewport()->setAttribute(Qt::WA_MouseTracking, true);
    QTreeWidget::enterEvent(event);
}

void QuorTreeWidget::leaveEvent(QEvent *event)
{
    viewport()->setAttribute(Qt::WA_MouseTracking, false);
    clearMarks();
    QTreeWidget::leaveEvent(event);
}

void QuorTreeWidget::drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const double s = uiScale();
    const QRect r = option.rect;
    const bool child = index.parent().isValid();
    const int pictureRow = child ? index.parent().row() : index.row();
    if (pictureRow >= 0 && pictureRow < PictureRowCount) {
        const QRect inner = child ? QRect(int(r.left() + 10 * s), int(r.top() + 3 * s), int(r.width() - 20 * s),
                                          int(r.height() - 6 * s))
                                  : QRect(r.left(), int(r.top() + 3 * s), r.width(), int(r.height() - 6 * s));
        const QPixmap &picture = m_scaledPictures[size_t(pictureRow)];
        if (!picture.isNull())
            painter->drawPixmap(inner, picture);
        const int mark = child ? (index.row() < ChildRowCount ? m_childMarks[size_t(index.row())] : NoMark)
                               : m_topMarks[size_t(pictureRow)];
        paintMarkTint(*painter, inner, mark);
    }
    QTreeWidget::drawRow(painter, option, index);
}
