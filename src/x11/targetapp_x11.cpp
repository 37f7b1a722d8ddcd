// Which application a window belongs to (WM_CLASS and the executable of its
// process), and picking a window by a click, for the per-application rules.

// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QFile>
#include <QFileInfo>

#include "x11/x11desktop.h"
#include "x11/x11wait.h"
#include "x11/xerrortrap.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>

#include <memory>

namespace {

struct XFree
{
    void operator()(void *p) const
    {
        if (p)
            ::XFree(p);
    }
};

bool hasProperty(Display *d, Window w, Atom property)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    XErrorTrap trap(d);
    const int status = XGetWindowProperty(d, w, property, 0, 0, False, AnyPropertyType, &type,
                                          &format, &count, &after, &data);
    std::unique_ptr<unsigned char, XFree> owned(data);
    return !trap.failed() && status == Success && type != None;
}

QVector<Window> children(Display *d, Window w, Window *parent = nullptr)
{
    QVector<Window> out;
    Window root = None, up = None;
    Window *list = nullptr;
    unsigned int count = 0;
    XErrorTrap trap(d);
    if (XQueryTree(d, w, &root, &up, &list, &count) && !trap.failed()) {
        for (unsigned int i = 0; i < count; ++i)
            out.append(list[i]);
        if (parent)
            *parent = up == root ? None : up;
    }
    if (list)
        ::XFree(list);
    return out;
}

// The window that carries the application's properties: the window itself
// or, for a window manager's frame or a child of an application's window, the
// nearest one below or above that has WM_CLASS.
Window clientWindow(Display *d, Window w)
{
    const Atom wmClass = XA_WM_CLASS;
    // Below: breadth first, as the frame holds the client a level or two down.
    QVector<Window> level{w};
    for (int depth = 0; depth < 4 && !level.isEmpty(); ++depth) {
        QVector<Window> next;
        for (Window c : qAsConst(level)) {
            if (hasProperty(d, c, wmClass))
                return c;
            next += children(d, c);
        }
        level = next;
    }
    // Above: a focused child of the application's window.
    Window up = w;
    for (int depth = 0; depth < 8 && up != None; ++depth) {
        Window parent = None;
        children(d, up, &parent);
        up = parent;
        if (up != None && hasProperty(d, up, wmClass))
            return up;
    }
    return None;
}

QString executableOf(unsigned long pid)
{
    if (pid == 0)
        return QString();
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    if (!exe.isEmpty())
        return QFileInfo(exe).fileName();
    // Another user's process hides its executable; its name is still there.
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                                          : QString();
}

} // namespace

bool X11Desktop::targetApplication(WindowHandle w, TargetApp *app)
{
    if (!m_display || !w)
        return false;
    const Window client = clientWindow(m_display, Window(w));
    if (client == None)
        return false;
    XClassHint hint{nullptr, nullptr};
    {
        XErrorTrap trap(m_display);
        if (!XGetClassHint(m_display, client, &hint) || trap.failed())
            return false;
    }
    app->instance = QString::fromLocal8Bit(hint.res_name);
    app->className = QString::fromLocal8Bit(hint.res_class);
    if (hint.res_name)
        ::XFree(hint.res_name);
    if (hint.res_class)
        ::XFree(hint.res_class);
    app->executable = executableOf(processId(WindowHandle(client)));
    app->preferred = !app->className.isEmpty() ? app->className : app->instance;
    return !app->isEmpty();
}

WindowHandle X11Desktop::pickWindow(int maxMs)
{
    if (!m_display)
        return 0;
    // A connection of its own for the grab: Qt reads the events of its own,
    // and keeps serving our windows meanwhile.
    std::unique_ptr<Display, int (*)(Display *)> own(XOpenDisplay(DisplayString(m_display)),
                                                     XCloseDisplay);
    if (!own)
        return 0;
    Display *d = own.get();
    const Window root = DefaultRootWindow(d);
    const Cursor crosshair = XCreateFontCursor(d, XC_crosshair);
    const int grabbed = XGrabPointer(d, root, False, ButtonPressMask | ButtonReleaseMask,
                                     GrabModeAsync, GrabModeAsync, None, crosshair, CurrentTime);
    if (grabbed != GrabSuccess) {
        XFreeCursor(d, crosshair);
        return 0;
    }
    XSync(d, False);
    Window picked = None;
    bool cancelled = false;
    X11Wait::serveEventsUntil(
        [&] {
            while (XPending(d) > 0) {
                XEvent e;
                XNextEvent(d, &e);
                if (e.type != ButtonPress)
                    continue;
                if (e.xbutton.button != Button1) {
                    cancelled = true;
                    return true;
                }
                picked = e.xbutton.subwindow;
                return true;
            }
            return false;
        },
        maxMs, 10);
    XUngrabPointer(d, CurrentTime);
    XFreeCursor(d, crosshair);
    XSync(d, False);
    if (cancelled || picked == None)
        return 0;
    const Window client = clientWindow(m_display, picked);
    return client != None ? WindowHandle(client) : WindowHandle(picked);
}
