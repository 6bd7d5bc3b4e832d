#pragma once

#include <QProgressBar>

// A progress bar that draws a text of its own over the painted bar, in white and
// the language font.
class QuorProcessbar : public QProgressBar
{
    Q_OBJECT
public:
    explicit QuorProcessbar(QWidget *parent = nullptr);
    ~QuorProcessbar() override;

    void setText(const QString &text);
    QString drawnText() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
