#pragma once

// Driving the real program from an end-to-end test: its data file, its
// windows as the X server sees them, and the pointer and keys a user would
// press. Header-only: the tests that start the program share it.

#include "x11/datafile.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTest>
#include <QVector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <initializer_list>
#include <iterator>

namespace ProgramDriver {

// The main window's title, as the X server shows it.
inline const QString programTitle = QStringLiteral("Zem Scrivlet");

// Polls against the clock: some checks start a process and take their own time.
template <typename Condition> bool waitUntil(Condition condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(50);
    }
    return true;
}

// The viewable top-level window with exactly this title, or 0.
inline Window visibleWindowNamed(const QString &title)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                  QStringLiteral("--name"), QStringLiteral("^%1$").arg(title)});
    search.waitForFinished(5000);
    if (search.exitCode() != 0)
        return 0;
    return Window(search.readAllStandardOutput().split('\n').value(0).trimmed().toULong());
}

inline long windowPid(Display *display, Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), 0, 1, False,
                           XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        data && count == 1 && format == 32)
        pid = long(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

// Viewable windows of the process below `under`, with their screen rectangles.
inline void windowsOf(Display *display, Window under, long pid, QVector<QPair<Window, QRect>> *out)
{
    Window root = 0, parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, under, &root, &parent, &children, &count))
        return;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes a;
        if (XGetWindowAttributes(display, children[i], &a) && a.map_state == IsViewable &&
            windowPid(display, children[i]) == pid) {
            int x = 0, y = 0;
            Window child = 0;
            XTranslateCoordinates(display, children[i], root, 0, 0, &x, &y, &child);
            out->append(qMakePair(children[i], QRect(x, y, a.width, a.height)));
        }
        windowsOf(display, children[i], pid, out);
    }
    if (children)
        XFree(children);
}

// The program's icon docked in the XEmbed tray: a small viewable window of
// the process that the tray has taken in (its parent is not the root, unlike
// the process's popups).
inline QRect trayIcon(Display *display, long pid)
{
    QVector<QPair<Window, QRect>> windows;
    windowsOf(display, DefaultRootWindow(display), pid, &windows);
    for (const auto &w : windows) {
        Window root = 0, parent = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        XQueryTree(display, w.first, &root, &parent, &children, &count);
        if (children)
            XFree(children);
        if (parent != root && w.second.width() <= 64 && w.second.height() <= 64)
            return w.second;
    }
    return QRect();
}

// A popup of the process (an open menu) is on screen.
inline bool popupShown(Display *display, long pid)
{
    QVector<QPair<Window, QRect>> windows;
    windowsOf(display, DefaultRootWindow(display), pid, &windows);
    for (const auto &w : windows) {
        XWindowAttributes a;
        if (XGetWindowAttributes(display, w.first, &a) && a.override_redirect &&
            w.second.height() > 60)
            return true;
    }
    return false;
}

// The keyboard focus is in window or one of its children.
inline bool focusIsIn(Display *display, Window window)
{
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    for (int depth = 0; depth < 64 && focus != None && focus != PointerRoot; ++depth) {
        if (focus == window)
            return true;
        Window root = 0, parent = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, focus, &root, &parent, &children, &count))
            return false;
        if (children)
            XFree(children);
        if (focus == root)
            return false;
        focus = parent;
    }
    return false;
}

// How many viewable windows the process has.
inline int windowCount(Display *display, long pid)
{
    QVector<QPair<Window, QRect>> windows;
    windowsOf(display, DefaultRootWindow(display), pid, &windows);
    return windows.size();
}

inline void click(Display *display, const QPoint &at, unsigned int button)
{
    XTestFakeMotionEvent(display, -1, at.x(), at.y(), CurrentTime);
    XSync(display, False);
    QTest::qWait(100);
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XSync(display, False);
}

inline void press(Display *display, std::initializer_list<KeySym> modifiers, KeySym key)
{
    for (KeySym m : modifiers)
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, m), True, CurrentTime);
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), True, CurrentTime);
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), False, CurrentTime);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, *it), False, CurrentTime);
    XSync(display, False);
}

// What a window manager's close button sends.
inline void requestClose(Display *display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

} // namespace ProgramDriver
