#pragma once

// Who is in front on a Wayland desktop, which the core protocol does not tell
// a client: the compositor's own IPC (sway) or the toplevel list of wlroots
// compositors. The first names every window's process and place and the X
// window behind an XWayland one; the second only the application and the
// keyboard focus, with XWayland's own active window standing in for X11
// windows.

#include "platform/desktop.h"
#include "wayland/waylandwindow.h"

#include <QPoint>
#include <QVector>

#include <memory>

class WaylandConnection;
class X11Desktop;

class WaylandTargets
{
public:
    virtual ~WaylandTargets() = default;
    // Every window the compositor lists; false when it cannot say.
    virtual bool windows(QVector<WaylandWindow> *out) = 0;
    // The window with the keyboard focus; false when none has it.
    virtual bool focused(WaylandWindow *out) = 0;
    // Asks the compositor to focus a window; false when it refused.
    virtual bool focus(qint64 id) = 0;
    // Moves one of our floating windows; false where that cannot be asked.
    virtual bool moveTo(qint64 id, const QPoint &topLeft) = 0;
    // Whether windows() names the X window of an XWayland one.
    virtual bool namesX11Windows() const = 0;
};

// sway's IPC; null when SWAYSOCK names no socket that answers.
std::unique_ptr<WaylandTargets> swayTargets();
// The wlroots toplevel list; null where the compositor does not offer it.
std::unique_ptr<WaylandTargets> toplevelTargets(WaylandConnection *connection, X11Desktop *x11);
// KWin's window list; null where KWin does not offer it to us.
std::unique_ptr<WaylandTargets> plasmaTargets(WaylandConnection *connection);
// For a compositor that names no window to us (mutter): one of ours when it
// has the focus, an X11 one when XWayland names it, else "another program's
// window", which cannot be named, focused or told apart from others.
std::unique_ptr<WaylandTargets> ownFocusTargets(X11Desktop *x11);
