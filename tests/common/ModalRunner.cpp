#include "tests/common/ModalRunner.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QDialog>
#include <QPointer>
#include <QWidget>

namespace {
QWidget *openModal()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::activeModalWidget();
}

void closeEverything()
{
    // Popups first: a menu may stand over a dialog.
    for (int guard = 0; guard < 32; ++guard) {
        QWidget *w = openModal();
        if (!w)
            return;
        if (QDialog *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
        if (w->isVisible())
            w->close();
        if (w->isVisible())
            w->hide();
    }
}

// Polls from zero-delay timers until a modal or popup is up, then runs the step.
void whenModalOpens(const std::function<void(QWidget *)> &inside, const QPointer<ModalWatchdog> &dog, bool *ran)
{
    QTimer::singleShot(0, [inside, dog, ran] {
        if (!dog || dog->fired())
            return;
        if (QWidget *w = openModal()) {
            *ran = true;
            inside(w);
        } else {
            whenModalOpens(inside, dog, ran);
        }
    });
}
}

ModalWatchdog::ModalWatchdog(int timeoutMs)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_fired = true;
        closeEverything();
    });
    m_timer.start(timeoutMs);
}

bool runModal(const std::function<void()> &open, const std::function<void(QWidget *)> &inside, int timeoutMs)
{
    ModalWatchdog dog(timeoutMs);
    bool ran = false;
    whenModalOpens(inside, &dog, &ran);
    open();
    return ran && !dog.fired();
}

bool pickMenuEntry(QPushButton *button, const QString &text)
{
    bool found = false;
    const bool ran = runModal([button] { QTest::mouseClick(button, Qt::LeftButton); },
                              [text, &found](QWidget *popup) {
                                  auto *menu = qobject_cast<QMenu *>(popup);
                                  for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
                                      if (action->text() == text) {
                                          found = true;
                                          menu->setActiveAction(action);
                                          QTest::keyClick(menu, Qt::Key_Return);
                                          return;
                                      }
                                  }
                                  popup->close();
                              });
    return ran && found;
}
