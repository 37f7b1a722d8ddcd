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
    active = true;
    systemAsked = false;
    offset = event->globalPos() - bar->window()->frameGeometry().topLeft();
    event->accept();
    return true;
}

bool TitleBarDrag::move(QWidget *bar, QMouseEvent *event, bool canMove)
{
    if (!active || !(event->buttons() & Qt::LeftButton))
        return false;
    if (!canMove)
        return true;
    // The window manager is asked on the first movement rather than on the
    // press, so that a double-click on the bar still reaches the bar.
    if (!systemAsked) {
        systemAsked = true;
        if (WindowFrame::startSystemMove(bar->window())) {
            active = false;
            return true;
        }
    }
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
