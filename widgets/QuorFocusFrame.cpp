#include "widgets/QuorFocusFrame.h"

#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QEvent>
#include <QPainter>

QuorFocusFrame::QuorFocusFrame(QWidget *control)
    : QWidget(control)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(control->rect());
    control->installEventFilter(this);
    show();
}

bool QuorFocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    // A child the control makes later stays under the cue.
    else if (event->type() == QEvent::ChildAdded)
        raise();
    return QWidget::eventFilter(watched, event);
}

void QuorFocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintFocusCue(painter, rect(), uiScale());
}
