#include "widgets/ModalGate.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <deque>

namespace {
struct Pending
{
    QPointer<QObject> context;
    std::function<void()> work;
};

int openCount = 0;

std::deque<Pending> &queue()
{
    static std::deque<Pending> pending;
    return pending;
}

// One item at a time: work that opens a modal of its own leaves the rest for after it.
void runPending()
{
    while (openCount == 0 && !queue().empty()) {
        Pending next = std::move(queue().front());
        queue().pop_front();
        if (next.context)
            next.work();
    }
}
}

namespace ModalGate {
int run(const std::function<int()> &loop)
{
    ++openCount;
    const int result = loop();
    if (--openCount == 0 && !queue().empty())
        QTimer::singleShot(0, QCoreApplication::instance(), runPending);
    return result;
}

int exec(QDialog &dialog)
{
    return run([&dialog] { return dialog.exec(); });
}

bool isOpen()
{
    return openCount > 0;
}

bool isOpenOver(const QWidget *widget)
{
    // A popup menu takes the keys from the modal it stands over.
    const QWidget *top = QApplication::activePopupWidget();
    if (!top)
        top = QApplication::activeModalWidget();
    return top && top != widget->window();
}

bool defer(QObject *context, std::function<void()> work)
{
    if (openCount == 0)
        return false;
    queue().push_back({context, std::move(work)});
    return true;
}
}
