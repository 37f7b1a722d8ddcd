// The X11 backend: EWMH window queries and activation, XTest input, and the
// clipboard through QClipboard.

// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QX11Info>

#include "platform/wayland/waylandconnection.h"
#include "platform/wayland/waylanddesktop.h"
#include "platform/x11/atspicaret.h"
#include "platform/x11/x11desktop.h"
#include "platform/x11/x11wait.h"
#include "platform/x11/xerrortrap.h"

#include <X11/Xatom.h>
#include <X11/Xlib-xcb.h>

namespace {

struct XFreeDeleter
{
    void operator()(void *p) const
    {
        if (p)
            XFree(p);
    }
};

// One 32-bit item of a window property (a WINDOW or CARDINAL); false when the
// property is missing, of another type, or the window is gone.
bool readProperty32(Display *d, Window w, const char *name, Atom type, unsigned long *value)
{
    const Atom property = XInternAtom(d, name, False);
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *raw = nullptr;
    XErrorTrap trap(d);
    const int status = XGetWindowProperty(d, w, property, 0, 1, False, type, &actualType, &format,
                                          &count, &after, &raw);
    std::unique_ptr<unsigned char, XFreeDeleter> data(raw);
    if (trap.failed() || status != Success || actualType != type || format != 32 || count < 1)
        return false;
    *value = reinterpret_cast<unsigned long *>(data.get())[0];
    return true;
}

} // namespace

X11Desktop::X11Desktop(Display *display)
    : m_display(display), m_keyboard(display),
      m_clipboardWatch(display ? XGetXCBConnection(display) : nullptr)
{
    m_clock.start();
}

X11Desktop::~X11Desktop() = default;

Window X11Desktop::rootWindow() const
{
    return DefaultRootWindow(m_display);
}

WindowHandle X11Desktop::foregroundWindow()
{
    if (!m_display)
        return 0;
    unsigned long active = 0;
    if (readProperty32(m_display, rootWindow(), "_NET_ACTIVE_WINDOW", XA_WINDOW, &active))
        return active;
    // No EWMH window manager: the window that holds the input focus.
    Window focus = None;
    int revert = 0;
    XGetInputFocus(m_display, &focus, &revert);
    return (focus == None || focus == PointerRoot || focus == rootWindow()) ? 0 : focus;
}

bool X11Desktop::isWindow(WindowHandle w)
{
    if (!m_display || !w)
        return false;
    XErrorTrap trap(m_display);
    XWindowAttributes attributes;
    const Status ok = XGetWindowAttributes(m_display, Window(w), &attributes);
    return !trap.failed() && ok != 0;
}

bool X11Desktop::isWindowVisible(WindowHandle w)
{
    if (!m_display || !w)
        return false;
    XErrorTrap trap(m_display);
    XWindowAttributes attributes;
    const Status ok = XGetWindowAttributes(m_display, Window(w), &attributes);
    return !trap.failed() && ok != 0 && attributes.map_state == IsViewable;
}

// X has no threads to speak of: a window's "thread" is its process, named by
// _NET_WM_PID. Windows that do not name one report 0.
quint32 X11Desktop::windowThreadProcessId(WindowHandle w, quint32 *processId)
{
    unsigned long pid = 0;
    if (!m_display || !w || !readProperty32(m_display, Window(w), "_NET_WM_PID", XA_CARDINAL, &pid))
        pid = 0;
    if (processId)
        *processId = quint32(pid);
    return quint32(pid);
}

quint32 X11Desktop::currentThreadId()
{
    return currentProcessId();
}

quint32 X11Desktop::currentProcessId()
{
    return quint32(QCoreApplication::applicationPid());
}

bool X11Desktop::attachThreadInput(quint32, quint32, bool)
{
    return false;
}

bool X11Desktop::focusIsWithin(Window w)
{
    XErrorTrap trap(m_display);
    Window focus = None;
    int revert = 0;
    XGetInputFocus(m_display, &focus, &revert);
    const Window root = rootWindow();
    // Walk up from the focus window: a program may focus a child of its
    // top-level window.
    for (int depth = 0; depth < 64; ++depth) {
        if (focus == w)
            return true;
        if (focus == None || focus == PointerRoot || focus == root)
            return false;
        Window rootReturn = None;
        Window parent = None;
        Window *children = nullptr;
        unsigned int count = 0;
        const Status ok = XQueryTree(m_display, focus, &rootReturn, &parent, &children, &count);
        std::unique_ptr<Window, XFreeDeleter> owned(children);
        if (!ok || trap.failed())
            return false;
        focus = parent;
    }
    return false;
}

void X11Desktop::requestActivation(Window w)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = w;
    event.xclient.message_type = XInternAtom(m_display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // the request comes from a pager-like tool, not an application
    event.xclient.data.l[1] = CurrentTime;
    event.xclient.data.l[2] = 0;
    XErrorTrap trap(m_display);
    XSendEvent(m_display, rootWindow(), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XFlush(m_display);
}

// Asks the window manager, then checks that the window really got the input
// focus; a window manager busy with something else may drop the request, so
// it is asked once more.
bool X11Desktop::setForegroundWindow(WindowHandle w)
{
    if (!isWindow(w))
        return false;
    if (focusIsWithin(Window(w)))
        return true;
    for (int attempt = 0; attempt < 2; ++attempt) {
        requestActivation(Window(w));
        if (X11Wait::serveEventsUntil([&] { return focusIsWithin(Window(w)); }, ActivationWaitMs))
            return true;
    }
    return false;
}

bool X11Desktop::bringWindowToTop(WindowHandle)
{
    return false; // the window manager raises what it activates
}

bool X11Desktop::activateOwnWindow(WindowHandle w, int maxMs)
{
    if (!m_display || !w)
        return false;
    QElapsedTimer clock;
    clock.start();
    const auto left = [&] { return int(qMax<qint64>(0, maxMs - clock.elapsed())); };
    // The manager drops a request for a window it has not mapped yet.
    if (!X11Wait::serveEventsUntil([&] { return isWindowVisible(w); }, maxMs))
        return false;
    // Qt has asked already, as an application; a manager that keeps the focus
    // where the user was typing may refuse that, and a request in the name of
    // a pager it grants.
    while (!focusIsWithin(Window(w))) {
        if (left() == 0)
            return false;
        requestActivation(Window(w));
        X11Wait::serveEventsUntil([&] { return focusIsWithin(Window(w)); },
                                  qMin(ActivationWaitMs, left()));
    }
    return true;
}

bool X11Desktop::addStatesBeforeMapping(Window w, const Atom *states, int count)
{
    XErrorTrap trap(m_display);
    // Appended: the states Qt sets when it maps the window are merged in,
    // and the window manager reads them all then.
    XChangeProperty(m_display, w, XInternAtom(m_display, "_NET_WM_STATE", False), XA_ATOM, 32,
                    PropModeAppend, reinterpret_cast<const unsigned char *>(states), count);
    XSync(m_display, False);
    return !trap.failed();
}

bool X11Desktop::keepOutOfTaskBar(WindowHandle w)
{
    if (!m_display || !w)
        return false;
    const Atom states[] = {XInternAtom(m_display, "_NET_WM_STATE_SKIP_TASKBAR", False),
                           XInternAtom(m_display, "_NET_WM_STATE_SKIP_PAGER", False)};
    return addStatesBeforeMapping(Window(w), states, 2);
}

bool X11Desktop::yieldTopmost(WindowHandle, WindowHandle dialog, bool yield)
{
    if (!yield)
        return true; // the dialog is gone, and the window on top kept its place
    if (!m_display || !dialog)
        return false;
    const Atom above = XInternAtom(m_display, "_NET_WM_STATE_ABOVE", False);
    XErrorTrap trap(m_display);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(m_display, Window(dialog), &attributes))
        return false;
    if (attributes.map_state == IsUnmapped)
        return addStatesBeforeMapping(Window(dialog), &above, 1);
    // A mapped window's state is the window manager's: it is asked.
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = Window(dialog);
    event.xclient.message_type = XInternAtom(m_display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1; // _NET_WM_STATE_ADD
    event.xclient.data.l[1] = long(above);
    event.xclient.data.l[3] = 1; // from an application
    XSendEvent(m_display, rootWindow(), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XSync(m_display, False);
    return !trap.failed();
}

bool X11Desktop::guiThreadInfo(quint32, GuiThreadInfo *)
{
    return false;
}

bool X11Desktop::accessibleCaret(WindowHandle w, QRect *screenRect)
{
    quint32 pid = 0;
    windowThreadProcessId(w, &pid);
    return pid != 0 && AtspiCaret::caretRect(pid, screenRect, RefocusWaitMs);
}

bool X11Desktop::clientToScreen(WindowHandle w, QPoint *point)
{
    if (!m_display || !w)
        return false;
    XErrorTrap trap(m_display);
    int x = 0;
    int y = 0;
    Window child = None;
    const Bool ok = XTranslateCoordinates(m_display, Window(w), rootWindow(), point->x(),
                                          point->y(), &x, &y, &child);
    if (trap.failed() || !ok)
        return false;
    *point = QPoint(x, y);
    return true;
}

bool X11Desktop::className(WindowHandle, QString *)
{
    return false;
}

QPoint X11Desktop::cursorPos()
{
    if (!m_display)
        return QPoint();
    Window root = None;
    Window child = None;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(m_display, rootWindow(), &root, &child, &rootX, &rootY, &winX, &winY, &mask))
        return QPoint();
    return QPoint(rootX, rootY);
}

ProcessLevel X11Desktop::processLevel(quint32)
{
    return ProcessLevel{ProcessLevel::Ok, 0};
}

bool X11Desktop::ownProcessLevel(quint32 *level)
{
    *level = 0;
    return true;
}

// X11 has no standard text controls: findTextControl never finds one.
bool X11Desktop::textFieldTraits(WindowHandle, TextFieldTraits *)
{
    return false;
}

bool X11Desktop::controlText(WindowHandle, QString *)
{
    return false;
}

bool X11Desktop::selection(WindowHandle, int *, int *)
{
    return false;
}

bool X11Desktop::setSelection(WindowHandle, int, int)
{
    return false;
}

bool X11Desktop::replaceSelection(WindowHandle, const QString &)
{
    return false;
}

bool X11Desktop::undo(WindowHandle)
{
    return false;
}

bool X11Desktop::setControlText(WindowHandle, const QString &)
{
    return false;
}

bool X11Desktop::paste(WindowHandle)
{
    return false;
}

int X11Desktop::sendInput(const QVector<KeyInput> &events)
{
    return m_keyboard.send(events);
}

// One keymap for every window: the target does not change the keycode.
quint16 X11Desktop::scanCodeForVirtualKey(quint16 vk, WindowHandle)
{
    return m_keyboard.keycodeForVirtualKey(vk);
}

bool X11Desktop::isKeyDown(int vk)
{
    return m_keyboard.isVirtualKeyDown(vk);
}

bool X11Desktop::isNonModifierKeyDown()
{
    return m_keyboard.isNonModifierKeyDown();
}

void X11Desktop::waitForKeyEvent(int maxMs)
{
    m_keyboard.waitForKeyEvent(maxMs);
}

bool X11Desktop::canTypeExactly(const QString &text)
{
    return m_keyboard.prepareText(text);
}

QString X11Desktop::altGrCharacter(int vk, bool shift)
{
    const quint16 keycode = m_keyboard.keycodeForVirtualKey(quint16(vk));
    const KeyboardLayout *layout = m_keyboard.layout();
    return keycode && layout ? layout->levelThreeText(keycode, shift) : QString();
}

quint32 X11Desktop::tickCount()
{
    return quint32(m_clock.elapsed());
}

void X11Desktop::sleep(int ms)
{
    X11Wait::serveEvents(ms);
}

// What the fixed settle stands for: the target has the input focus. When the
// shortcut was pressed in the target itself this costs nothing.
void X11Desktop::settle(WindowHandle target, int maxMs)
{
    if (!m_display || !target)
        return;
    X11Wait::serveEventsUntil([&] { return focusIsWithin(Window(target)); }, maxMs);
}

// On a Wayland desktop whose compositor lets us type and read the window in
// front, Wayland programs are reached too; elsewhere X11 alone.
std::unique_ptr<Desktop> createDesktop()
{
    auto x11 =
        std::make_unique<X11Desktop>(QX11Info::isPlatformX11() ? QX11Info::display() : nullptr);
    return WaylandDesktop::create(std::move(x11), WaylandConnection::open());
}
