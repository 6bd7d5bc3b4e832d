#pragma once

#include <QPixmap>
#include <QTreeWidget>

#include <array>

// The mouse-command tree: each button row paints over its picture, and the row under
// the mouse (hover) or under a press is tinted in the theme colour.
class QuorTreeWidget : public QTreeWidget
{
    Q_OBJECT
public:
    enum Mark { NoMark = 0, HoverMark = 1, PressMark = 2 };
    static constexpr int TopRowCount = 9;
    static constexpr int ChildRowCount = 2;
    // Only the five button rows paint a picture; the move rows carry entry widgets.
    static constexpr int PictureRowCount = 5;

    explicit QuorTreeWidget(QWidget *parent = nullptr);
    ~QuorTreeWidget() override;

    // Scales the pictures and sets the style sheet for the current UI scale.
    void applyStyle();
    void clearMarks();

    int topMark(int row) const { return m_topMarks.at(size_t(row)); }
    int childMark(int row) const { return m_childMarks.at(size_t(row)); }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    void markAt(const QPoint &pos, int mark);
    void resetMarks();

    std::array<QPixmap, PictureRowCount> m_pictures;
    std::array<QPixmap, PictureRowCount> m_scaledPictures;
    std::array<int, TopRowCount> m_topMarks{};
    std::array<int, ChildRowCount> m_childMarks{};
};

// Tints a rectangle in the theme colour: half of it for a hover, a third for a press.
void paintMarkTint(QPainter &painter, const QRect &rect, int mark);
