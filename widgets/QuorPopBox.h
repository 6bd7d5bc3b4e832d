#pragma once

#include <QDialog>
#include <QPixmap>

class QLineEdit;
class QToolButton;
class QuorLabel;

// The name-entry variant of the message box.
class QuorPopBox : public QDialog
{
    Q_OBJECT
public:
    static constexpr int BoxWidth = 478;
    static constexpr int BoxHeight = 309;

    QuorPopBox(int type, const QString &title, const QString &heading, const QString &message,
               QWidget * = nullptr, bool = false);
    ~QuorPopBox() override;

    QString enteredName() const { return m_name; }
    QLineEdit *nameEdit() const { return m_nameEdit; }
    QToolButton *firstButton() const { return m_firstButton; }
    QToolButton *secondButton() const { return m_secondButton; }

public slots:
    void NameChanged(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_background;
    QuorLabel *m_headingLabel;
    QuorLabel *m_messageLabel;
    QLineEdit *m_nameEdit;
    QToolButton *m_firstButton;
    QToolButton *m_secondButton = nullptr;
    QString m_name;
};
