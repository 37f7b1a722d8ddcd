// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QByteArray>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include "x11/x11keywatch.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

X11KeyWatch::X11KeyWatch(const QByteArray &displayName) : m_displayName(displayName) {}

X11KeyWatch::~X11KeyWatch()
{
    m_notifier.reset();
    if (m_display)
        XCloseDisplay(m_display);
}

bool X11KeyWatch::open()
{
    if (m_display)
        return m_xiOpcode >= 0;
    m_display = XOpenDisplay(m_displayName.isEmpty() ? nullptr : m_displayName.constData());
    if (!m_display)
        return false;
    int event = 0;
    int error = 0;
    int opcode = 0;
    int major = 2;
    int minor = 1; // raw events regardless of grabs
    if (!XQueryExtension(m_display, "XInputExtension", &opcode, &event, &error) ||
        XIQueryVersion(m_display, &major, &minor) != Success || major < 2 ||
        (major == 2 && minor < 1))
        return false;
    m_xiOpcode = opcode;
    m_notifier =
        std::make_unique<QSocketNotifier>(ConnectionNumber(m_display), QSocketNotifier::Read);
    m_notifier->setEnabled(false);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { readEvents(); });
    return true;
}

bool X11KeyWatch::start()
{
    if (m_watching)
        return true;
    if (!open())
        return false;
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask{XIAllMasterDevices, int(sizeof bits), bits};
    XISelectEvents(m_display, DefaultRootWindow(m_display), &mask, 1);
    // Selected first, then read: an event between the two is applied to a
    // state that already holds it, which changes nothing.
    XSync(m_display, False);
    char keys[32];
    XQueryKeymap(m_display, keys);
    m_down.reset();
    for (int k = 0; k < 256; ++k)
        m_down[size_t(k)] = keys[k / 8] & (1 << (k % 8));
    m_watching = true;
    m_notifier->setEnabled(true);
    readEvents(); // anything that came with the reply
    return true;
}

void X11KeyWatch::stop()
{
    if (!m_watching)
        return;
    m_watching = false;
    m_notifier->setEnabled(false);
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XIEventMask mask{XIAllMasterDevices, int(sizeof bits), bits};
    XISelectEvents(m_display, DefaultRootWindow(m_display), &mask, 1);
    XSync(m_display, True); // drops what is still queued
    m_down.reset();
}

const std::bitset<256> &X11KeyWatch::keysDown()
{
    readEvents();
    return m_down;
}

void X11KeyWatch::readEvents()
{
    while (m_display && XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        XGenericEventCookie *cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_xiOpcode ||
            !XGetEventData(m_display, cookie))
            continue;
        if (m_watching &&
            (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease)) {
            const auto *raw = static_cast<const XIRawEvent *>(cookie->data);
            if (raw->detail > 0 && raw->detail < 256)
                m_down[size_t(raw->detail)] = cookie->evtype == XI_RawKeyPress;
            m_eventSeen = true;
        }
        XFreeEventData(m_display, cookie);
    }
}

void X11KeyWatch::waitForKeyEvent(int maxMs)
{
    if (!m_watching || maxMs <= 0)
        return;
    readEvents();
    if (m_eventSeen) {
        m_eventSeen = false;
        return;
    }
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    timeout.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto conn = QObject::connect(m_notifier.get(), &QSocketNotifier::activated, &loop, [&] {
        if (m_eventSeen)
            loop.quit();
    });
    timeout.start(maxMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QObject::disconnect(conn);
    m_eventSeen = false;
}
