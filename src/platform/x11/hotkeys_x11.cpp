// Global shortcuts of the X11 backend: passive key grabs on the root window
// through Qt's X connection, so that the presses come back through Qt's
// native event filter to HotkeyManager.

#include "platform/x11/x11desktop.h"
#include "platform/x11/x11hotkeygrabber.h"

#include <X11/XKBlib.h>
#include <X11/Xlib-xcb.h>

struct X11HotkeyState
{
    X11HotkeyState(Display *display, X11Keyboard &keyboard)
        : grabber(keyboard, XGetXCBConnection(display), DefaultRootWindow(display))
    {
        // Held keys then repeat as presses alone, without a release between
        // them, which is how the grabber tells a repeat from a new press.
        Bool supported = False;
        XkbSetDetectableAutoRepeat(display, True, &supported);
    }
    X11HotkeyGrabber grabber;
};

void X11HotkeyStateDeleter::operator()(X11HotkeyState *state) const
{
    delete state;
}

bool X11Desktop::registerShortcut(WindowHandle owner, int id, int mods, int vk)
{
    // X grabs belong to the connection, not to a window: owner only has to be
    // a window of ours, as on Windows.
    if (!m_display || owner == 0)
        return false;
    if (!hotkeys)
        hotkeys.reset(new X11HotkeyState(m_display, m_keyboard));
    return hotkeys->grabber.grab(id, mods, vk);
}

bool X11Desktop::unregisterShortcut(WindowHandle owner, int id)
{
    Q_UNUSED(owner)
    return hotkeys && hotkeys->grabber.ungrab(id);
}

int X11Desktop::pressedShortcut(const QByteArray &eventType, void *message)
{
    return hotkeys ? hotkeys->grabber.idFromNativeEvent(eventType, message) : 0;
}
