#pragma once

// Catches the X errors of the requests made while it lives, instead of
// Xlib's default handler, which prints and exits the process. A window id
// that was destroyed a moment ago is an ordinary event for a program that
// looks at other programs' windows.

#include <X11/Xlib.h>

class XErrorTrap final
{
public:
    explicit XErrorTrap(Display *display) : m_display(display)
    {
        XSync(m_display, False);
        m_outerError = s_error;
        s_error = 0;
        m_previous = XSetErrorHandler(&XErrorTrap::record);
    }
    ~XErrorTrap()
    {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
        s_error = m_outerError;
    }
    XErrorTrap(const XErrorTrap &) = delete;
    XErrorTrap &operator=(const XErrorTrap &) = delete;

    // True when a request since the trap was set (or since the last call)
    // failed. Waits for the server's answers first.
    bool failed()
    {
        XSync(m_display, False);
        const bool f = s_error != 0;
        s_error = 0;
        return f;
    }

private:
    static int record(Display *, XErrorEvent *event)
    {
        s_error = event->error_code;
        return 0;
    }

    Display *m_display;
    int (*m_previous)(Display *, XErrorEvent *) = nullptr;
    int m_outerError = 0;
    static inline int s_error = 0;
};
