#include "platform/x11/x11clipboardwatch.h"

#include "platform/x11/x11wait.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>

namespace {

// After the fetch: how long the transfer may stay quiet before it counts as
// over. A target may ask for a second format right after the first; a text
// sent in parts goes on with property changes on the requestor's window.
constexpr int QuietAfterFetchMs = 10;
constexpr int QuietAfterPartMs = 150;

} // namespace

X11ClipboardWatch::X11ClipboardWatch(xcb_connection_t *connection) : m_connection(connection)
{
    if (!m_connection)
        return;
    m_clipboard = atom("CLIPBOARD");
    m_targets = atom("TARGETS");
    m_timestamp = atom("TIMESTAMP");
    m_saveTargets = atom("SAVE_TARGETS");
    m_clientMask = ~xcb_get_setup(m_connection)->resource_id_mask;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installNativeEventFilter(this);
}

X11ClipboardWatch::~X11ClipboardWatch()
{
    if (m_connection && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

xcb_atom_t X11ClipboardWatch::atom(const char *name) const
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, quint16(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_NONE);
    std::free(reply);
    return a;
}

void X11ClipboardWatch::arm(xcb_window_t target, int textBytes)
{
    m_armed = m_connection != nullptr;
    m_target = target;
    m_requestor = XCB_NONE;
    m_fetched = m_lost = false;
    // Qt's clipboard sends a text larger than one request in parts (INCR).
    const qint64 oneRequest = qint64(xcb_get_maximum_request_length(m_connection)) * 4 - 24;
    m_incremental = textBytes > oneRequest;
    m_lastActivity.start();
}

// Windows a client makes carry its client's bits: the requestor window of a
// paste belongs to the same connection as the window the user pasted in.
bool X11ClipboardWatch::fromTarget(xcb_window_t requestor) const
{
    const quint32 ours = xcb_get_setup(m_connection)->resource_id_base & m_clientMask;
    if ((requestor & m_clientMask) == ours)
        return false;
    return m_target == XCB_NONE || (requestor & m_clientMask) == (m_target & m_clientMask);
}

bool X11ClipboardWatch::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    if (!m_armed || eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    switch (event->response_type & 0x7f) {
    case XCB_SELECTION_REQUEST: {
        const auto *request = reinterpret_cast<const xcb_selection_request_event_t *>(event);
        if (request->selection != m_clipboard || !fromTarget(request->requestor))
            break;
        // Asking which formats there are, or since when we own it, is not
        // reading the text; MULTIPLE may carry a text format, so it counts.
        const xcb_atom_t t = request->target;
        if (t == m_targets || t == m_timestamp || t == m_saveTargets)
            break;
        m_fetched = true;
        m_requestor = request->requestor;
        m_lastActivity.restart();
        break;
    }
    case XCB_SELECTION_CLEAR: {
        const auto *clear = reinterpret_cast<const xcb_selection_clear_event_t *>(event);
        if (clear->selection == m_clipboard)
            m_lost = true;
        break;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto *change = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (m_fetched && change->window == m_requestor)
            m_lastActivity.restart();
        break;
    }
    default:
        break;
    }
    return false; // Qt's clipboard still answers every request
}

bool X11ClipboardWatch::waitForFetch(int maxMs)
{
    QElapsedTimer clock;
    clock.start();
    const int quiet = m_incremental ? QuietAfterPartMs : QuietAfterFetchMs;
    const bool done = X11Wait::serveEventsUntil(
        [&] { return m_lost || (m_fetched && m_lastActivity.elapsed() >= quiet); }, maxMs, 2);
    m_armed = false;
    return done;
}
