#pragma once

#include <QMenu>

// A menu that paints a single title text instead of its entries.
class QuorMenu : public QMenu
{
public:
    explicit QuorMenu(QWidget *parent = nullptr);
    ~QuorMenu() override;

    void setTitleText(const QString &text);
    QString titleText() const { return m_titleText; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_titleText;
};
