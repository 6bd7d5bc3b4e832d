#pragma once

#include <QObject>
#include <QTimer>

#include <QString>

#include <functional>

class QPushButton;
class QWidget;

// When its time runs out, closes every popup and modal dialog still open, so a
// test whose dialog never closes fails instead of hanging.
class ModalWatchdog : public QObject
{
public:
    explicit ModalWatchdog(int timeoutMs = 3000);
    // Whether its time ran out.
    bool fired() const { return m_fired; }

private:
    QTimer m_timer;
    bool m_fired = false;
};

// Runs `open`, which shows a modal dialog or a popup menu and returns once it has
// closed (exec()), and from a zero-delay timer, as soon as the dialog or menu is up,
// `inside` with it. False when `inside` never ran or the watchdog's time ran out.
//   QVERIFY(runModal([&] { result = dialog.exec(); }, [](QWidget *d) { ... }));
bool runModal(const std::function<void()> &open, const std::function<void(QWidget *)> &inside,
              int timeoutMs = 3000);

// Picks the entry of the button's menu as a user does: press the button, then
// Return on the entry in the menu that pops up. False when no entry has the text.
bool pickMenuEntry(QPushButton *button, const QString &text);
