#pragma once

#include <QWidget>

class QuorLabel;

// A text entry for a profile menu.
class QuorProfileMenuItem : public QWidget
{
    Q_OBJECT
public:
    QuorProfileMenuItem(QWidget *parent, const QString &text);
    ~QuorProfileMenuItem() override;

    void setText(const QString &text);
    QString text() const;

signals:
    void CheckBtnSignal(QWidget *item);

private:
    QuorLabel *m_label;
};
