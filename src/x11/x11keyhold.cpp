// Holding back the keys of others while a phrase replaces an abbreviation:
// the keyboard grabbed to a window of ours, or the server grabbed while our
// own keys go out, each change marked on that window in step with the key
// events.

// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QElapsedTimer>
#include <QThread>

#include "x11/x11keyboard.h"
#include "x11/xcbreply.h"

#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>

#include <cstdlib>

xcb_window_t X11Keyboard::holdWindow()
{
    if (m_holdWindow || !isReady())
        return m_holdWindow;
    // Input only, off screen and unmanaged: it takes the keys and shows
    // nothing. A grab needs a window that is mapped.
    const xcb_window_t window = xcb_generate_id(m_connection);
    const quint32 overrideRedirect = 1;
    xcb_void_cookie_t created =
        xcb_create_window_checked(m_connection, XCB_COPY_FROM_PARENT, window, m_root, -10, -10, 1,
                                  1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                                  XCB_CW_OVERRIDE_REDIRECT, &overrideRedirect);
    xcb_map_window(m_connection, window);
    static const char on[] = "_ZEM_SCRIVLET_KEYS_HELD";
    static const char off[] = "_ZEM_SCRIVLET_KEYS_FREE";
    const xcb_intern_atom_cookie_t onCookie = xcb_intern_atom(m_connection, 0, sizeof on - 1, on);
    const xcb_intern_atom_cookie_t offCookie =
        xcb_intern_atom(m_connection, 0, sizeof off - 1, off);
    XcbReply<xcb_intern_atom_reply_t> onAtom(
        xcb_intern_atom_reply(m_connection, onCookie, nullptr));
    XcbReply<xcb_intern_atom_reply_t> offAtom(
        xcb_intern_atom_reply(m_connection, offCookie, nullptr));
    if (xcb_generic_error_t *error = xcb_request_check(m_connection, created)) {
        std::free(error);
        return 0;
    }
    if (!onAtom || !offAtom)
        return 0;
    m_holdOn = onAtom->atom;
    m_holdOff = offAtom->atom;
    m_holdWindow = window;
    return m_holdWindow;
}

bool X11Keyboard::grabKeyboardTo(xcb_window_t window)
{
    XcbReply<xcb_grab_keyboard_reply_t> grab(
        xcb_grab_keyboard_reply(m_connection,
                                xcb_grab_keyboard(m_connection, 0, window, XCB_CURRENT_TIME,
                                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                nullptr));
    return grab && grab->status == XCB_GRAB_STATUS_SUCCESS;
}

void X11Keyboard::markHold(bool on)
{
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_holdWindow, holdMark(on),
                        XCB_ATOM_STRING, 8, 0, nullptr);
    ++m_holdMarks;
}

bool X11Keyboard::modifierDown()
{
    return (queryKeysDown() & modifierKeys()).any();
}

bool X11Keyboard::beginHold()
{
    if (m_hold != Hold::Off || !holdWindow())
        return false;
    // Under the server grab, so that the mark stands exactly where the
    // grab begins among other programs' keys.
    xcb_grab_server(m_connection);
    const bool grabbed = grabKeyboardTo(m_holdWindow);
    if (grabbed)
        markHold(true);
    xcb_ungrab_server(m_connection);
    xcb_flush(m_connection);
    if (grabbed)
        m_hold = Hold::Keys;
    return grabbed;
}

bool X11Keyboard::holdServer(bool waitForModifiers, int maxMs)
{
    if (m_hold == Hold::Server)
        return true;
    if (m_hold != Hold::Keys)
        return false;
    m_watch.stop(); // its connection would wait for the server grab
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        xcb_grab_server(m_connection);
        if (!waitForModifiers || !modifierDown()) {
            xcb_ungrab_keyboard(m_connection, XCB_CURRENT_TIME);
            markHold(false);
            xcb_flush(m_connection);
            m_hold = Hold::Server;
            return true;
        }
        xcb_ungrab_server(m_connection);
        xcb_flush(m_connection);
        if (clock.elapsed() >= maxMs)
            return false;
        // No event loop here: a timer could change the map under the batch
        // that waits. Others' key-ups go on meanwhile, to the held keys.
        QThread::usleep(1000);
        if (m_holdWait)
            m_holdWait();
        if (m_hold != Hold::Keys)
            return false; // a batch sent meanwhile lost the hold
    }
}

bool X11Keyboard::holdKeys()
{
    if (m_hold != Hold::Server)
        return m_hold == Hold::Keys;
    const bool grabbed = grabKeyboardTo(m_holdWindow);
    if (grabbed)
        markHold(true);
    xcb_ungrab_server(m_connection);
    xcb_flush(m_connection);
    m_hold = grabbed ? Hold::Keys : Hold::Off;
    return grabbed;
}

void X11Keyboard::endHold()
{
    if (m_hold == Hold::Keys)
        holdServer(false, 0);
    if (m_hold == Hold::Server) {
        xcb_ungrab_server(m_connection);
        xcb_flush(m_connection);
    }
    m_hold = Hold::Off;
}
