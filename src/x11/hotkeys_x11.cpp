// Global shortcuts of the X11 backend: passive key grabs on the root window
// through Qt's X connection, so that the presses come back among Qt's native
// events, where the backend picks them out and hands their ids to the press
// handler.

// Qt first: Xlib's macros would break its headers.
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QVector>

#include "x11/x11desktop.h"
#include "x11/x11hotkeygrabber.h"
#include "x11/xcbreply.h"

#include <X11/XKBlib.h>
#include <X11/Xlib-xcb.h>
#include <X11/keysym.h>

#include <cstdlib>

// The grabs, and the watch on Qt's native events for as long as there are
// any: a press of one becomes a call of the press handler, and a change of
// the keyboard map moves the grabs to the keys that now carry them (whether
// or not anyone listens to the presses yet).
struct X11HotkeyState final : public QAbstractNativeEventFilter
{
    X11HotkeyState(Display *display, X11Keyboard &keyboard, const std::function<void(int)> &onPress)
        : grabber(keyboard, XGetXCBConnection(display), DefaultRootWindow(display)),
          onPress(onPress)
    {
        // Held keys then repeat as presses alone, without a release between
        // them, which is how the grabber tells a repeat from a new press.
        Bool supported = False;
        XkbSetDetectableAutoRepeat(display, True, &supported);
        // Installed after the keyboard's own watch, so asked before it: a
        // press of ours goes no further once it has been handled.
        if (QCoreApplication::instance())
            QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~X11HotkeyState() override
    {
        // Before the grabs and the keyboard they name go.
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *) override
    {
        // The grabber drops the repeats of a press it has reported.
        const int id = grabber.idFromNativeEvent(eventType, message);
        if (id == 0 || !onPress)
            return false;
        // A copy: the handler may replace itself (its owner going away).
        const std::function<void(int)> handler = onPress;
        handler(id);
        return true;
    }

    X11HotkeyGrabber grabber;
    const std::function<void(int)> &onPress;
};

void X11HotkeyStateDeleter::operator()(X11HotkeyState *state) const
{
    delete state;
}

bool X11Desktop::registerShortcut(WindowHandle owner, int id, const KeyCombination &combination)
{
    // X grabs belong to the connection, not to a window: owner only has to be
    // a window of ours, as on Windows.
    if (!m_display || owner == 0)
        return false;
    return hotkeyState().grabber.grab(id, combination);
}

bool X11Desktop::unregisterShortcut(WindowHandle owner, int id)
{
    Q_UNUSED(owner)
    return hotkeys && hotkeys->grabber.ungrab(id);
}

X11HotkeyState &X11Desktop::hotkeyState()
{
    if (!hotkeys)
        hotkeys.reset(new X11HotkeyState(m_display, m_keyboard, m_onPress));
    return *hotkeys;
}

void X11Desktop::setPressHandler(std::function<void(int)> onPress)
{
    m_onPress = std::move(onPress);
}

bool X11Desktop::heldElsewhere(const KeyCombination &combination)
{
    if (!m_display)
        return false;
    return hotkeyState().grabber.heldElsewhere(combination);
}

bool X11Desktop::holdKeyboard(WindowHandle window,
                              std::function<void(const KeyCombination &)> onHeld)
{
    Q_UNUSED(onHeld)
    releaseKeyboard();
    if (!m_display || window == 0)
        return false;
    xcb_connection_t *connection = XGetXCBConnection(m_display);
    // Not an active grab for as long as the field has the focus: that would
    // keep the keyboard from every other client, a screen locker included,
    // while the dialog stays open. A passive grab of each modifier key on
    // our own window instead: the server itself gives us the keyboard from
    // the moment a modifier goes down in that window until it comes up, so
    // a combination completed meanwhile reaches the field and not another
    // client's grab, and with no modifier down nothing is held.
    // owner_events: the keys still go to whichever of our windows has the
    // focus.
    const KeySym modifiers[] = {XK_Control_L, XK_Control_R, XK_Alt_L,   XK_Alt_R,  XK_Shift_L,
                                XK_Shift_R,   XK_Super_L,   XK_Super_R, XK_Meta_L, XK_Meta_R};
    QVector<xcb_void_cookie_t> cookies;
    QVector<xcb_keycode_t> codes;
    for (const KeySym sym : modifiers) {
        const xcb_keycode_t code = xcb_keycode_t(XKeysymToKeycode(m_display, sym));
        if (code == 0 || codes.contains(code))
            continue;
        codes << code;
        cookies << xcb_grab_key_checked(connection, 1, xcb_window_t(window), XCB_MOD_MASK_ANY, code,
                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    for (int i = 0; i < cookies.size(); ++i) {
        // A grab refused (the window gone) is simply not ours to undo.
        if (xcb_generic_error_t *error = xcb_request_check(connection, cookies.at(i)))
            std::free(error);
        else
            m_heldKeys << codes.at(i);
    }
    m_heldWindow = window;
    m_keyboardHeld = !m_heldKeys.isEmpty();
    return m_keyboardHeld;
}

void X11Desktop::releaseKeyboard()
{
    if (!m_keyboardHeld || !m_display) {
        m_heldKeys.clear();
        return;
    }
    m_keyboardHeld = false;
    xcb_connection_t *connection = XGetXCBConnection(m_display);
    for (const xcb_keycode_t code : qAsConst(m_heldKeys))
        xcb_ungrab_key(connection, code, xcb_window_t(m_heldWindow), XCB_MOD_MASK_ANY);
    m_heldKeys.clear();
    xcb_flush(connection);
}
