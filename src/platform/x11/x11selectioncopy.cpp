#include "platform/x11/x11selectioncopy.h"

#include "platform/x11/x11wait.h"
#include "platform/x11/xcbreply.h"

#include <QCoreApplication>
#include <QTimer>
#include <QX11Info>

#include <cstring>

// A transfer in parts (INCR) to a requestor that deletes each part to ask for
// the next.
struct X11SelectionCopy::Outgoing
{
    xcb_window_t requestor = XCB_NONE;
    xcb_atom_t property = XCB_NONE;
    xcb_atom_t type = XCB_NONE;
    quint8 format = 8;
    QByteArray data;
    qint64 sent = 0;
    bool lastSent = false; // the empty part that ends it
    QElapsedTimer started;
    QElapsedTimer progressed;
};

namespace {

constexpr int PollMs = 2;

// The selection protocol's own targets: every owner lists them, and ours
// answers them itself.
const char *const ProtocolTargets[] = {"TARGETS",         "TIMESTAMP", "MULTIPLE",
                                       "SAVE_TARGETS",    "DELETE",    "INSERT_SELECTION",
                                       "INSERT_PROPERTY", "INCR"};

} // namespace

X11SelectionCopy::X11SelectionCopy(xcb_connection_t *connection) : m_connection(connection)
{
    if (!m_connection)
        return;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    if (!screen)
        return;
    m_window = xcb_generate_id(m_connection);
    const uint32_t values[] = {1, XCB_EVENT_MASK_PROPERTY_CHANGE};
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, -10, -10, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                      XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    m_property = atom("_SCRIVLET_SELECTION");
    m_targets = atom("TARGETS");
    m_timestamp = atom("TIMESTAMP");
    m_multiple = atom("MULTIPLE");
    m_incr = atom("INCR");
    m_atomPair = atom("ATOM_PAIR");
    for (const char *name : ProtocolTargets)
        m_protocolTargets.append(atom(name));
    // A part well inside the largest request, as ICCCM asks.
    m_maxChunk = qMin<quint32>(xcb_get_maximum_request_length(m_connection) * 4 - 1024, 256 * 1024);
    m_outgoingClock = new QTimer;
    m_outgoingClock->setInterval(StallMs / 4);
    QObject::connect(m_outgoingClock, &QTimer::timeout, [this] { checkOutgoing(); });
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installNativeEventFilter(this);
}

X11SelectionCopy::~X11SelectionCopy()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    delete m_outgoingClock;
    if (m_window) {
        xcb_destroy_window(m_connection, m_window);
        xcb_flush(m_connection);
    }
}

xcb_atom_t X11SelectionCopy::atom(const char *name) const
{
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, quint16(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_NONE);
}

const X11SelectionCopy::Content *X11SelectionCopy::offered(xcb_atom_t selection) const
{
    const auto it = m_offers.constFind(selection);
    return it == m_offers.constEnd() ? nullptr : &it.value();
}

// --- reading ------------------------------------------------------------

bool X11SelectionCopy::awaitNotify(xcb_atom_t selection, xcb_atom_t target, int timeoutMs,
                                   bool *refused)
{
    m_notified = false;
    xcb_convert_selection(m_connection, m_window, selection, target, m_property, XCB_CURRENT_TIME);
    xcb_flush(m_connection);
    if (!X11Wait::serveEventsUntil([&] { return m_notified; }, timeoutMs, PollMs))
        return false;
    *refused = m_notifiedProperty == XCB_NONE;
    return true;
}

bool X11SelectionCopy::readTarget(xcb_atom_t selection, xcb_atom_t target, int timeoutMs,
                                  Format *out, qint64 room)
{
    bool refused = false;
    if (!awaitNotify(selection, target, timeoutMs, &refused) || refused)
        return false;
    const auto take = [&](Format *into, bool *incremental) {
        // Read and deleted at once: a transfer in parts asks for the next.
        XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 1, m_window, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                             quint32(qMin<qint64>(room, CopyLimitBytes) / 4 + 1)),
            nullptr));
        if (!reply || reply->bytes_after > 0)
            return false;
        *incremental = reply->type == m_incr;
        into->type = reply->type;
        into->format = reply->format ? reply->format : 8;
        into->data.append(static_cast<const char *>(xcb_get_property_value(reply.p)),
                          xcb_get_property_value_length(reply.p)); // in bytes
        return true;
    };
    Format whole;
    whole.target = target;
    bool incremental = false;
    if (!take(&whole, &incremental))
        return false;
    if (incremental) {
        // Parts until an empty one; each within the time limit.
        whole.data.clear();
        whole.type = XCB_NONE;
        for (;;) {
            m_propertyChanged = false;
            if (!X11Wait::serveEventsUntil([&] { return m_propertyChanged; }, timeoutMs, PollMs))
                return false;
            Format part;
            bool again = false;
            if (!take(&part, &again))
                return false;
            if (part.data.isEmpty()) {
                if (part.type != XCB_NONE)
                    break;
                continue; // our own deletion, or nothing yet
            }
            whole.type = part.type;
            whole.format = part.format;
            whole.data += part.data;
            if (whole.data.size() > room)
                return false;
        }
    }
    if (whole.data.size() > room)
        return false;
    *out = whole;
    return true;
}

bool X11SelectionCopy::read(xcb_atom_t selection, Content *out)
{
    *out = Content();
    if (!isValid())
        return false;
    XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, selection), nullptr));
    if (!owner)
        return false;
    if (owner->owner == XCB_NONE)
        return true;
    // Our own copy, still offered: taken as it is.
    if (owner->owner == m_window) {
        if (const Content *own = offered(selection))
            *out = *own;
        return true;
    }
    QElapsedTimer clock;
    clock.start();
    Format list;
    if (!readTarget(selection, m_targets, TargetTimeoutMs, &list, 64 * 1024) || list.format != 32)
        return false;
    QVector<xcb_atom_t> targets;
    for (int i = 0; i + 4 <= list.data.size(); i += 4) {
        xcb_atom_t target = XCB_NONE;
        std::memcpy(&target, list.data.constData() + i, 4);
        if (target != XCB_NONE && !m_protocolTargets.contains(target) && !targets.contains(target))
            targets.append(target);
    }
    out->empty = targets.isEmpty();
    qint64 total = 0;
    for (const xcb_atom_t target : qAsConst(targets)) {
        const int left = int(ReadLimitMs - clock.elapsed());
        Format format;
        if (left <= 0 || !readTarget(selection, target, qMin(left, TargetTimeoutMs), &format,
                                     CopyLimitBytes - total)) {
            ++out->lostFormats;
            continue;
        }
        total += format.data.size();
        out->formats.append(format);
    }
    return true;
}

// --- offering -----------------------------------------------------------

bool X11SelectionCopy::offer(xcb_atom_t selection, const Content &content)
{
    if (!isValid())
        return false;
    // Qt's own time: a later ownership of Qt's (the next paste) carries the
    // same, and the server refuses an owner older than the one before.
    const xcb_timestamp_t now = QX11Info::appTime();
    m_offers.insert(selection, content);
    m_offeredSince.insert(selection, now);
    xcb_set_selection_owner(m_connection, m_window, selection, now);
    XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, selection), nullptr));
    if (!owner || owner->owner != m_window) {
        m_offers.remove(selection);
        return false;
    }
    return true;
}

bool X11SelectionCopy::answer(const xcb_selection_request_event_t *request, xcb_atom_t property)
{
    const Content *content = offered(request->selection);
    if (!content || property == XCB_NONE)
        return false;
    if (request->target == m_targets) {
        QVector<xcb_atom_t> list = {m_targets, m_timestamp, m_multiple};
        for (const Format &f : content->formats)
            list.append(f.target);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request->requestor, property,
                            XCB_ATOM_ATOM, 32, quint32(list.size()), list.constData());
        return true;
    }
    if (request->target == m_timestamp) {
        const quint32 since = m_offeredSince.value(request->selection);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request->requestor, property,
                            XCB_ATOM_INTEGER, 32, 1, &since);
        return true;
    }
    for (const Format &f : content->formats) {
        if (f.target != request->target)
            continue;
        const int unit = qMax(1, f.format / 8);
        if (quint32(f.data.size()) <= m_maxChunk) {
            xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request->requestor, property,
                                f.type, f.format, quint32(f.data.size() / unit),
                                f.data.constData());
            return true;
        }
        // In parts: the size first; each part once the requestor deleted the
        // last, which it tells us through its window's property events.
        auto transfer = std::make_unique<Outgoing>();
        transfer->requestor = request->requestor;
        transfer->property = property;
        transfer->type = f.type;
        transfer->format = f.format;
        transfer->data = f.data;
        transfer->started.start();
        transfer->progressed.start();
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(m_connection, request->requestor, XCB_CW_EVENT_MASK, &mask);
        const quint32 size = quint32(f.data.size());
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request->requestor, property,
                            m_incr, 32, 1, &size);
        m_outgoing.push_back(std::move(transfer));
        m_outgoingClock->start();
        return true;
    }
    return false;
}

// MULTIPLE: a list of (target, property) pairs on the requestor; each pair
// refused is answered with no property.
bool X11SelectionCopy::answerMultiple(const xcb_selection_request_event_t *request)
{
    if (request->property == XCB_NONE)
        return false;
    XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(m_connection,
                               xcb_get_property(m_connection, 0, request->requestor,
                                                request->property, m_atomPair, 0, 4096),
                               nullptr));
    if (!reply || reply->format != 32)
        return false;
    const int count = xcb_get_property_value_length(reply.p) / 4;
    QVector<xcb_atom_t> pairs(count);
    std::memcpy(pairs.data(), xcb_get_property_value(reply.p), size_t(count) * 4);
    for (int i = 0; i + 1 < count; i += 2) {
        xcb_selection_request_event_t one = *request;
        one.target = pairs[i];
        if (one.target == m_multiple || !answer(&one, pairs[i + 1]))
            pairs[i + 1] = XCB_NONE;
    }
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, request->requestor, request->property,
                        m_atomPair, 32, quint32(count), pairs.constData());
    return true;
}

void X11SelectionCopy::serve(const xcb_selection_request_event_t *request)
{
    // An old client names no property: the target stands for it.
    const xcb_atom_t property = request->property != XCB_NONE ? request->property : request->target;
    const bool answered =
        request->target == m_multiple ? answerMultiple(request) : answer(request, property);
    xcb_selection_notify_event_t notify = {};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request->time;
    notify.requestor = request->requestor;
    notify.selection = request->selection;
    notify.target = request->target;
    notify.property = answered ? (request->target == m_multiple ? request->property : property)
                               : xcb_atom_t(XCB_NONE);
    xcb_send_event(m_connection, 0, request->requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&notify));
    xcb_flush(m_connection);
}

void X11SelectionCopy::continueOutgoing(const xcb_property_notify_event_t *change)
{
    if (change->state != XCB_PROPERTY_DELETE)
        return;
    for (const auto &t : m_outgoing) {
        if (t->requestor != change->window || t->property != change->atom)
            continue;
        if (t->lastSent) {
            finishOutgoing(t.get());
            return;
        }
        const int unit = qMax(1, t->format / 8);
        const qint64 n = qMin<qint64>(m_maxChunk, t->data.size() - t->sent) / unit * unit;
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, t->requestor, t->property, t->type,
                            t->format, quint32(n / unit), t->data.constData() + t->sent);
        t->sent += n;
        t->lastSent = n == 0;
        t->progressed.restart();
        xcb_flush(m_connection);
        return;
    }
}

void X11SelectionCopy::checkOutgoing()
{
    for (std::size_t i = 0; i < m_outgoing.size();) {
        Outgoing *t = m_outgoing[i].get();
        if (t->progressed.elapsed() >= StallMs || t->started.elapsed() >= TransferLimitMs) {
            finishOutgoing(t);
            continue;
        }
        ++i;
    }
}

void X11SelectionCopy::finishOutgoing(Outgoing *transfer)
{
    // The requestor's events are ours no more (unless another transfer to it
    // still runs).
    bool another = false;
    for (const auto &t : m_outgoing)
        another = another || (t.get() != transfer && t->requestor == transfer->requestor);
    if (!another) {
        const uint32_t none = XCB_EVENT_MASK_NO_EVENT;
        xcb_change_window_attributes(m_connection, transfer->requestor, XCB_CW_EVENT_MASK, &none);
        xcb_flush(m_connection);
    }
    for (auto it = m_outgoing.begin(); it != m_outgoing.end(); ++it) {
        if (it->get() == transfer) {
            m_outgoing.erase(it);
            break;
        }
    }
    if (m_outgoing.empty())
        m_outgoingClock->stop();
}

bool X11SelectionCopy::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    if (!isValid() || eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    switch (event->response_type & 0x7f) {
    case XCB_SELECTION_NOTIFY: {
        const auto *notify = reinterpret_cast<const xcb_selection_notify_event_t *>(event);
        if (notify->requestor != m_window)
            return false;
        m_notified = true;
        m_notifiedProperty = notify->property;
        return true;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto *change = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (change->window == m_window && change->atom == m_property &&
            change->state == XCB_PROPERTY_NEW_VALUE)
            m_propertyChanged = true;
        else
            continueOutgoing(change);
        return false; // Qt takes its time from these, and the window may be one of its own
    }
    case XCB_SELECTION_REQUEST: {
        const auto *request = reinterpret_cast<const xcb_selection_request_event_t *>(event);
        if (request->owner != m_window)
            return false;
        serve(request);
        return true;
    }
    case XCB_SELECTION_CLEAR: {
        const auto *clear = reinterpret_cast<const xcb_selection_clear_event_t *>(event);
        if (clear->owner != m_window)
            return false;
        m_offers.remove(clear->selection);
        return true;
    }
    default:
        return false;
    }
}
