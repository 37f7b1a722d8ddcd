#include "x11/x11clipboardwatch.h"

#include "base/testtrace.h"
#include "x11/x11wait.h"
#include "x11/xcbreply.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <cstring>

X11ClipboardWatch::X11ClipboardWatch(xcb_connection_t *connection)
    : m_connection(connection), m_copy(connection)
{
    if (!m_connection)
        return;
    m_clipboard = atom("CLIPBOARD");
    // The formats Qt offers a text under. Asking for the list of formats
    // (TARGETS), the owner's timestamp or a program's own format (GTK's rich
    // text buffer) is not reading the text.
    for (const char *name : {"UTF8_STRING", "text/plain;charset=utf-8", "text/plain", "STRING",
                             "TEXT", "COMPOUND_TEXT"})
        m_textFormats.append(atom(name));
    m_clientMask = ~xcb_get_setup(m_connection)->resource_id_mask;
    m_wmProtocols = atom("WM_PROTOCOLS");
    m_netWmPing = atom("_NET_WM_PING");
    if (const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data)
        m_root = screen->root;
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
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, quint16(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_NONE);
}

void X11ClipboardWatch::arm(xcb_window_t target, int textBytes, bool primary)
{
    m_armed = m_connection != nullptr;
    m_primaryToo = primary;
    m_target = target;
    m_requestor = XCB_NONE;
    m_property = XCB_NONE;
    m_transferring = m_lastPartWritten = m_lost = m_ponged = false;
    m_reads = 0;
    m_pinged = XCB_NONE;
    // Qt's clipboard sends a text larger than one request in parts (INCR).
    const qint64 oneRequest = qint64(xcb_get_maximum_request_length(m_connection)) * 4 - 24;
    m_incremental = textBytes > oneRequest;
    m_lastActivity.start();
}

void X11ClipboardWatch::setTarget(xcb_window_t target)
{
    m_target = target;
    if (!fetched() || fromTarget(m_requestor))
        return;
    m_transferring = m_lastPartWritten = false;
    m_reads = 0;
    m_requestor = XCB_NONE;
    m_property = XCB_NONE;
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

bool X11ClipboardWatch::ping(xcb_window_t window)
{
    m_pinged = XCB_NONE;
    m_ponged = false;
    if (!m_connection || window == XCB_NONE || m_root == XCB_NONE || m_netWmPing == XCB_NONE)
        return false;
    XcbReply<xcb_get_property_reply_t> protocols(xcb_get_property_reply(
        m_connection,
        xcb_get_property(m_connection, 0, window, m_wmProtocols, XCB_ATOM_ATOM, 0, 64), nullptr));
    if (!protocols || protocols->format != 32)
        return false;
    const auto *listed = static_cast<const xcb_atom_t *>(xcb_get_property_value(protocols.p));
    const int count = xcb_get_property_value_length(protocols.p) / 4;
    if (std::find(listed, listed + count, m_netWmPing) == listed + count)
        return false;
    // The answer goes to the root window, to whoever takes its
    // substructure events: added to what our connection takes there.
    XcbReply<xcb_get_window_attributes_reply_t> root(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, m_root), nullptr));
    if (!root)
        return false;
    if (!m_rootMaskChanged)
        m_rootMask = root->your_event_mask;
    const uint32_t mask = m_rootMask | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    m_rootMaskChanged = true;
    // A time of our own, to tell our ping's answer from any other.
    m_pingTime = xcb_timestamp_t(quintptr(this) & 0x7fffffff) ^ xcb_timestamp_t(++m_pingCount);
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = m_wmProtocols;
    event.data.data32[0] = m_netWmPing;
    event.data.data32[1] = m_pingTime;
    event.data.data32[2] = window;
    xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(m_connection);
    m_pinged = window;
    return true;
}

bool X11ClipboardWatch::ownedByUs(xcb_atom_t selection) const
{
    if (!m_connection)
        return false;
    XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, selection), nullptr));
    const quint32 ours = xcb_get_setup(m_connection)->resource_id_base & m_clientMask;
    return owner && owner->owner != XCB_NONE && (owner->owner & m_clientMask) == ours;
}

bool X11ClipboardWatch::isWatched(xcb_atom_t selection) const
{
    return selection == m_clipboard || (m_primaryToo && selection == m_primary);
}

bool X11ClipboardWatch::isTextFormat(xcb_atom_t target) const
{
    return m_textFormats.contains(target);
}

bool X11ClipboardWatch::propertyIsEmpty(xcb_window_t window, xcb_atom_t property) const
{
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection,
        xcb_get_property(m_connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0),
        nullptr));
    return reply && reply->bytes_after == 0 && reply->value_len == 0;
}

bool X11ClipboardWatch::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    if (!m_armed || eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    switch (event->response_type & 0x7f) {
    case XCB_SELECTION_REQUEST: {
        const auto *request = reinterpret_cast<const xcb_selection_request_event_t *>(event);
        if (!isWatched(request->selection) || !fromTarget(request->requestor))
            break;
        // Whatever the target asks once it has the text keeps the paste
        // going: the restore waits for it to be quiet.
        if (isTextFormat(request->target)) {
            ++m_reads;
            m_requestor = request->requestor;
            m_property = request->property != XCB_NONE ? request->property : request->target;
            // Qt answers a small text within this event; a large one goes in
            // parts, written as the requestor deletes each.
            m_transferring = m_incremental;
            m_lastPartWritten = false;
        }
        m_lastActivity.restart();
        break;
    }
    case XCB_SELECTION_CLEAR: {
        const auto *clear = reinterpret_cast<const xcb_selection_clear_event_t *>(event);
        // Our copy window losing the selection to Qt's clipboard (which took
        // it for the text) is no loss: only another program's owning is.
        if (isWatched(clear->selection) && !ownedByUs(clear->selection))
            m_lost = true;
        break;
    }
    case XCB_CLIENT_MESSAGE: {
        const auto *message = reinterpret_cast<const xcb_client_message_event_t *>(event);
        if (m_pinged != XCB_NONE && message->window == m_root && message->format == 32 &&
            message->type == m_wmProtocols && message->data.data32[0] == m_netWmPing &&
            message->data.data32[1] == m_pingTime && message->data.data32[2] == m_pinged) {
            m_ponged = true;
            m_lastActivity.restart();
        }
        break;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto *change = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (!m_transferring || change->window != m_requestor || change->atom != m_property)
            break;
        m_lastActivity.restart();
        // The last part is empty; the transfer is over when the requestor
        // has taken (deleted) it.
        if (change->state == XCB_PROPERTY_NEW_VALUE)
            m_lastPartWritten = propertyIsEmpty(change->window, change->atom);
        else if (m_lastPartWritten)
            m_transferring = false;
        break;
    }
    default:
        break;
    }
    return false; // Qt's clipboard still answers every request
}

// Stops watching, and gives the root window back the events our
// connection took there before a ping.
void X11ClipboardWatch::disarm()
{
    m_armed = false;
    if (m_rootMaskChanged) {
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &m_rootMask);
        xcb_flush(m_connection);
        m_rootMaskChanged = false;
    }
}

bool X11ClipboardWatch::quietSinceAnswer() const
{
    return m_ponged && !m_transferring && m_lastActivity.elapsed() >= QuietAfterAnswerMs;
}

PasteFetch X11ClipboardWatch::checkPending(int maxMs)
{
    if (!m_armed)
        return PasteFetch::NotFetched;
    const auto over = [&] {
        return m_lost || (fetched() ? m_ponged && through() : quietSinceAnswer());
    };
    X11Wait::serveEventsUntil(over, maxMs, 2);
    if (!over())
        return PasteFetch::Pending;
    const bool read = fetched() && !m_lost;
    if (read)
        learnReads();
    disarm();
    return read ? PasteFetch::Fetched : PasteFetch::NotFetched;
}

bool X11ClipboardWatch::through() const
{
    return PasteReads::over(m_reads, m_pasteReads.expected(m_target), m_lastActivity.elapsed(),
                            m_transferring);
}

// Kept by the window pasted into: window numbers are reused too, but a
// reused one is mostly the same program started again.
void X11ClipboardWatch::learnReads()
{
    // A paste lost in the target after all is told apart by its reads.
    if (TestTrace::enabled())
        TestTrace::line(QStringLiteral("paste read %1 times, %2 in the last one")
                            .arg(m_reads)
                            .arg(m_pasteReads.expected(m_target)));
    if (m_target != XCB_NONE)
        m_pasteReads.learn(m_target, m_reads);
}

bool X11ClipboardWatch::waitForFetch(int maxMs)
{
    // Up to maxMs for the target to ask; then for as long as it keeps going,
    // until it is through (a transfer that stalls for maxMs is given up, and
    // so is one still going after a minute).
    X11Wait::serveEventsUntil([&] { return m_lost || fetched(); }, maxMs, 2);
    if (fetched())
        X11Wait::serveEventsUntil(
            [&] { return m_lost || m_lastActivity.elapsed() >= maxMs || through(); }, 60000, 2);
    const bool whole = fetched() && !m_transferring;
    if (whole && !m_lost)
        learnReads();
    disarm();
    return whole;
}
