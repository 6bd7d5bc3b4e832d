#pragma once

#include <QPixmap>
#include <QWidget>

class QLineEdit;
class QuorLabel;

// A move entry of the mouse-command tree: a picture, a caption and a distance field
// (1 to 120); it tints itself on hover and press and reports a press.
class QuorTreeItem : public QWidget
{
    Q_OBJECT
public:
    QuorTreeItem(const QString &picturePath, const QString &unused1, const QString &unused2,
                 QWidget *parent = nullptr);
    ~QuorTreeItem() override;

    void setText(const QString &text);
    QString text() const;
    // Applies the current UI scale again.
    void setItemGeometry();
    QLineEdit *distanceEdit() const { return m_pDistanceEdit; }
    int state() const { return m_state; }

signals:
    void MouseInSignal();
    void QuorMousePressed();

public slots:
    void slotLabelClick(QuorLabel *label);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QuorLabel *m_pCaption = nullptr;
    QLineEdit *m_pDistanceEdit = nullptr;
    QPixmap m_picture;
    QPixmap m_scaledPicture;
    quint8 m_state = 0;
};
