// The X11 backend: EWMH window queries and activation, XTest input, and the
// clipboard through QClipboard.

// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QClipboard>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>

#include "base/textconvert.h"
#include "x11/atspicaret.h"
#include "x11/keysymmap.h"
#include "x11/x11desktop.h"
#include "x11/x11keystream.h"
#include "x11/x11wait.h"
#include "x11/xerrortrap.h"

#include <X11/Xatom.h>
#include <X11/Xlib-xcb.h>
#include <X11/keysym.h>

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
    // Which field has the focus is known from the programs' announcements,
    // so they are followed from the start; another field is another word.
    AtspiCaret::followFocus([this] {
        if (m_keyStream)
            static_cast<X11KeyStream *>(m_keyStream.get())->focusMoved();
    });
}

X11Desktop::~X11Desktop()
{
    releaseKeyboard();
    AtspiCaret::followFocus({});
}

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

quint32 X11Desktop::processId(WindowHandle w)
{
    unsigned long pid = 0;
    if (!m_display || !w || !readProperty32(m_display, Window(w), "_NET_WM_PID", XA_CARDINAL, &pid))
        return 0;
    return quint32(pid);
}

bool X11Desktop::isOwnProcess(WindowHandle w)
{
    const quint32 pid = processId(w);
    return pid != 0 && pid == quint32(QCoreApplication::applicationPid());
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
// it is asked once more. A window the manager calls active counts as in
// front even when its program keeps the input focus elsewhere.
bool X11Desktop::bringToFront(WindowHandle w)
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
    return foregroundWindow() == w;
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

bool X11Desktop::caretRect(WindowHandle target, QRect *screenRect)
{
    const quint32 pid = processId(target);
    return pid != 0 && AtspiCaret::caretRect(pid, screenRect, RefocusWaitMs);
}

FieldKind X11Desktop::focusedField(WindowHandle target)
{
    return AtspiCaret::focusedField(processId(target), RefocusWaitMs);
}

KeyStream *X11Desktop::keyStream()
{
    if (!m_display)
        return nullptr;
    if (!m_keyStream)
        m_keyStream =
            std::make_unique<X11KeyStream>(QByteArray(DisplayString(m_display)), &m_keyboard);
    return m_keyStream.get();
}

QPoint X11Desktop::pointerPos()
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

// In batches of about 64 UTF-16 units, a surrogate pair never split: the
// keyboard suspends the grabs a batch would hit around each one.
int X11Desktop::typeText(const QString &text)
{
    constexpr int Chunk = 64;
    for (int from = 0; from < text.size();) {
        const int n = TextConvert::typingBatchEnd(text, from, Chunk) - from;
        const int typed = m_keyboard.typeText(text.mid(from, n));
        from += typed;
        if (typed < n)
            return from;
    }
    return text.size();
}

int X11Desktop::pressKey(EditKey key, int times)
{
    return m_keyboard.tapKey(key == EditKey::Left ? XK_Left : XK_BackSpace, times);
}

bool X11Desktop::isAnyKeyDown(bool modifiersToo)
{
    if (m_keyboard.isNonModifierKeyDown())
        return true;
    if (!modifiersToo)
        return false;
    // Control, Shift, Alt and the Windows keys on either side: a lock
    // counts as no key held.
    for (quint32 keysym : {XK_Control_L, XK_Control_R, XK_Shift_L, XK_Shift_R, XK_Alt_L, XK_Alt_R,
                           XK_Meta_L, XK_Meta_R, XK_ISO_Level3_Shift, XK_Super_L, XK_Super_R}) {
        if (m_keyboard.isKeysymDown(keysym))
            return true;
    }
    return false;
}

void X11Desktop::waitForKeyEvent(int maxMs)
{
    m_keyboard.waitForKeyEvent(maxMs);
}

bool X11Desktop::canTypeExactly(const QString &text)
{
    return m_keyboard.prepareText(text);
}

QString X11Desktop::altGrCharacter(const KeyCombination &key)
{
    const quint32 keysym = X11KeyMap::keysymFromCombination(key);
    if (keysym == 0)
        return QString(); // no key here
    const quint16 keycode = m_keyboard.keycodeForKeysyms({keysym});
    const KeyboardLayout *layout = m_keyboard.layout();
    return keycode && layout ? layout->levelThreeText(keycode, key.has(Qt::ShiftModifier))
                             : QString();
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
bool X11Desktop::balloonsReadMarkup()
{
    if (m_balloonMarkup >= 0)
        return m_balloonMarkup == 1;
    constexpr int AnswerMs = 500;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false; // no tray on the bus: Qt's own tip, plain text
    // Qt sends balloons to the notification service only from its
    // StatusNotifier tray, which it takes where a host is registered.
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.kde.StatusNotifierWatcher")
        << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage host = bus.call(get, QDBus::Block, AnswerMs);
    if (host.type() == QDBusMessage::ErrorMessage &&
        host.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")) {
        m_balloonMarkup = 0;
        return false;
    }
    if (host.type() == QDBusMessage::ReplyMessage &&
        !host.arguments().value(0).value<QDBusVariant>().variant().toBool()) {
        m_balloonMarkup = 0;
        return false;
    }
    const QDBusMessage capabilities =
        bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                                QStringLiteral("/org/freedesktop/Notifications"),
                                                QStringLiteral("org.freedesktop.Notifications"),
                                                QStringLiteral("GetCapabilities")),
                 QDBus::Block, AnswerMs);
    // A service that is slow to start, or did not answer: escaped, to be
    // safe, and asked again next time.
    if (host.type() != QDBusMessage::ReplyMessage ||
        capabilities.type() != QDBusMessage::ReplyMessage)
        return true;
    m_balloonMarkup =
        capabilities.arguments().value(0).toStringList().contains(QLatin1String("body-markup")) ? 1
                                                                                                : 0;
    return m_balloonMarkup == 1;
}
