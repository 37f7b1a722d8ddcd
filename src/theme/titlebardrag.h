#pragma once

// The drag that both title bars share: a left press away from the buttons
// moves the window, through the window manager where it offers that, else by
// following the pointer.

#include <QPoint>

class QMouseEvent;
class QWidget;

class TitleBarDrag final
{
public:
    // True when the press began a drag; `bar` is the title bar that got it.
    bool press(QWidget *bar, QMouseEvent *event);
    // True when the event belonged to a drag in progress. `canMove` is false
    // while the window must stay put (the maximised main window).
    bool move(QWidget *bar, QMouseEvent *event, bool canMove);
    bool release(QMouseEvent *event);
    bool dragging() const { return active; }

private:
    bool active = false;
    QPoint offset;
};
