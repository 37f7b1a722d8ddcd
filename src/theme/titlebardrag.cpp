#include "theme/titlebardrag.h"

#include "platform/windowframe.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QWidget>

namespace {

bool onButton(QWidget *bar, const QPoint &pos)
{
    for (QWidget *w = bar->childAt(pos); w && w != bar; w = w->parentWidget()) {
        if (qobject_cast<QAbstractButton *>(w))
            return true;
    }
    return false;
}

} // namespace

bool TitleBarDrag::press(QWidget *bar, QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || onButton(bar, event->pos()))
        return false;
    event->accept();
    // Where the window manager moves windows, it does so from the press on,
    // with its own snapping and constraints; otherwise the bar follows the
    // pointer itself.
    if (WindowFrame::startSystemMove(bar->window())) {
        active = false;
        return true;
    }
    active = true;
    offset = event->globalPos() - bar->window()->frameGeometry().topLeft();
    return true;
}

bool TitleBarDrag::move(QWidget *bar, QMouseEvent *event, bool canMove)
{
    if (!active || !(event->buttons() & Qt::LeftButton))
        return false;
    if (!canMove)
        return true;
    bar->window()->move(event->globalPos() - offset);
    return true;
}

bool TitleBarDrag::release(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !active)
        return false;
    active = false;
    return true;
}
