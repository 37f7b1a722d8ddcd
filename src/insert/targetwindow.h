#pragma once

// The stateless window queries that come before any text is sent: where the
// caret is, whether a window is our own, and the shortcut's keys going up.
// Written once over the desktop's services; every failure of a platform
// call degrades to a fallback, never a report.

#include "platform/desktop.h"

#include <QPoint>
#include <QRect>
#include <QVector>

class QWindow;

// One screen as Qt describes it: logical geometry and device pixel ratio.
struct ScreenGeometry
{
    QRect logical;
    qreal ratio = 1.0;
};

// Physical pixels to Qt logical global coordinates, with Qt's own rule: a
// screen's native top-left is its logical top-left, and the offset inside it
// is divided by its ratio. The first screen whose physical rectangle holds p
// converts it; a point outside every screen is divided by primaryRatio (1
// when there is no primary screen).
QPoint physicalToLogical(const QPoint &p, const QVector<ScreenGeometry> &screens,
                         qreal primaryRatio);
// The same over QGuiApplication's screens.
QPoint physicalToLogical(const QPoint &p);
// The other way, for one of our own windows: its frame in physical pixels,
// by the same rule on the screen it is on. Null for a null window.
QRect physicalFrame(const QWindow *window);

// Logical global point where a popup for target should open: 6 pixels below
// the caret, or the mouse pointer when the caret cannot be read.
QPoint caretPosition(Desktop &desktop, WindowHandle target);
// Waits, at most maxMs, until no key but modifiers is held: the key of the
// shortcut that has just fired. Where a global shortcut grabs the keyboard
// while its key is down (X11), the focused program has lost its focus to the
// grab meanwhile and names no caret. Returns at once where shortcuts take no
// grab (Windows). True when the keys are up.
bool waitForShortcutKeysUp(Desktop &desktop, int maxMs);
// True for windows of our own process (by process id, or one of our own
// top-level windows where the window system reports no process).
bool isOwnProcessWindow(Desktop &desktop, WindowHandle window);
