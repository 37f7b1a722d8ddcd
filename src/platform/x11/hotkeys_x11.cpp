// Global shortcuts of the X11 backend: passive key grabs on the root window
// through Qt's X connection, so that the presses come back through Qt's
// native event filter to HotkeyManager.

#include "platform/x11/x11desktop.h"
#include "platform/x11/x11hotkeygrabber.h"
#include "platform/x11/xcbreply.h"

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

bool X11Desktop::heldElsewhere(int mods, int vk)
{
    if (!m_display)
        return false;
    if (!hotkeys)
        hotkeys.reset(new X11HotkeyState(m_display, m_keyboard));
    return hotkeys->grabber.heldElsewhere(mods, vk);
}

bool X11Desktop::holdKeyboard(WindowHandle window, std::function<void(int, int)> onHeld)
{
    Q_UNUSED(onHeld)
    releaseKeyboard();
    if (!m_display || window == 0)
        return false;
    xcb_connection_t *connection = XGetXCBConnection(m_display);
    // owner_events: keys still go to whichever of our windows has the focus.
    // The reply says whether the grab holds: a window not yet viewable, or
    // another client's active grab (an open menu), refuses it.
    XcbReply<xcb_grab_keyboard_reply_t> reply(xcb_grab_keyboard_reply(
        connection,
        xcb_grab_keyboard(connection, 1, xcb_window_t(window), XCB_CURRENT_TIME,
                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr));
    m_keyboardHeld = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    return m_keyboardHeld;
}

void X11Desktop::releaseKeyboard()
{
    if (!m_keyboardHeld || !m_display)
        return;
    m_keyboardHeld = false;
    xcb_connection_t *connection = XGetXCBConnection(m_display);
    xcb_ungrab_keyboard(connection, XCB_CURRENT_TIME);
    xcb_flush(connection);
}
