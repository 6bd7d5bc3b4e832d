#pragma once

#include <QDialog>
#include <QPixmap>

#include <functional>

class QLabel;
class QToolButton;
class QuorLabel;

// The program's question and warning dialog: a frameless skinned box with an icon,
// a heading, a message and one or two buttons. With waitForDevice it accepts itself
// as soon as its device probe reports a connected mouse.
class QuorMessageBox : public QDialog
{
    Q_OBJECT
public:
    // Answers whether a mouse is connected; the box's owner supplies it.
    using DeviceProbe = std::function<bool()>;

    QuorMessageBox(int type, const QString &title, const QString &heading, const QString &message,
                   QWidget *parent = nullptr, bool waitForDevice = false,
                   Qt::WindowFlags flags = Qt::FramelessWindowHint);
    ~QuorMessageBox() override;

    void setDevicePresentProbe(DeviceProbe probe);

    int type() const { return m_type; }
    QuorLabel *headingLabel() const { return m_headingLabel; }
    QuorLabel *messageLabel() const { return m_messageLabel; }
    QLabel *iconLabel() const { return m_iconLabel; }
    QToolButton *firstButton() const { return m_firstButton; }
    QToolButton *secondButton() const { return m_secondButton; }

public slots:
    void GetPlugInSignal();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_background;
    QLabel *m_iconLabel = nullptr;
    QuorLabel *m_headingLabel = nullptr;
    QuorLabel *m_messageLabel = nullptr;
    QToolButton *m_firstButton = nullptr;
    QToolButton *m_secondButton = nullptr;
    int m_type;
    DeviceProbe m_devicePresent;
};
