#include "x11/x11selectioncopy.h"

#include "x11/x11wait.h"
#include "x11/xcbreply.h"

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
    m_clipboard = atom("CLIPBOARD");
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
    handOver();
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

namespace {

// What is left of deadline, at most capMs.
int leftOf(const QDeadlineTimer &deadline, int capMs)
{
    const qint64 left = deadline.remainingTime();
    return left < 0 ? capMs : int(qMin<qint64>(left, capMs));
}

} // namespace

X11SelectionCopy::Property *X11SelectionCopy::findProperty(xcb_atom_t atom)
{
    for (Property &p : m_properties) {
        if (p.atom == atom)
            return &p;
    }
    return nullptr;
}

// A property no conversion may still write to: one whose owner answered, or
// one given up on long ago.
xcb_atom_t X11SelectionCopy::takeProperty()
{
    for (Property &p : m_properties) {
        if (!p.awaited || p.since.elapsed() >= ReclaimMs) {
            p.awaited = true;
            p.since.restart();
            return p.atom;
        }
    }
    if (m_properties.size() >= MaxProperties)
        return XCB_NONE;
    const QByteArray name = "_SCRIVLET_SELECTION_" + QByteArray::number(m_properties.size());
    Property p;
    p.atom = atom(name.constData());
    if (p.atom == XCB_NONE)
        return XCB_NONE;
    p.awaited = true;
    p.since.start();
    m_properties.append(p);
    return p.atom;
}

void X11SelectionCopy::releaseProperty(xcb_atom_t atom)
{
    xcb_delete_property(m_connection, m_window, atom);
    if (Property *p = findProperty(atom))
        p->awaited = false;
}

bool X11SelectionCopy::convert(xcb_atom_t selection, xcb_atom_t target, xcb_timestamp_t time,
                               int timeoutMs, xcb_atom_t *property)
{
    *property = XCB_NONE;
    const xcb_atom_t into = takeProperty();
    if (into == XCB_NONE || timeoutMs <= 0)
        return false;
    xcb_delete_property(m_connection, m_window, into);
    m_converting = true;
    m_convSelection = selection;
    m_convTarget = target;
    m_convProperty = into;
    m_notified = false;
    m_refused = false;
    m_partWritten = false;
    xcb_convert_selection(m_connection, m_window, selection, target, into, time);
    xcb_flush(m_connection);
    const bool answered = X11Wait::serveEventsUntil([&] { return m_notified; }, timeoutMs, PollMs);
    m_converting = false;
    if (!answered)
        return false; // the property stays taken: the owner may still answer into it
    if (m_refused) {
        releaseProperty(into);
        return false;
    }
    *property = into;
    return true;
}

bool X11SelectionCopy::readTarget(xcb_atom_t selection, xcb_atom_t target, xcb_timestamp_t time,
                                  const QDeadlineTimer &deadline, Format *out, qint64 room)
{
    xcb_atom_t property = XCB_NONE;
    if (!convert(selection, target, time, leftOf(deadline, TargetTimeoutMs), &property))
        return false;
    const auto take = [&](Format *into, bool *incremental) {
        // Read and deleted at once: a transfer in parts asks for the next.
        XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 1, m_window, property, XCB_GET_PROPERTY_TYPE_ANY, 0,
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
    bool done = take(&whole, &incremental);
    if (done && incremental) {
        // Parts until an empty one, each within the time limit, all before
        // the deadline. Given up half way, the owner may go on writing: the
        // property is not taken again for a while.
        m_convProperty = property;
        whole.data.clear();
        whole.type = XCB_NONE;
        done = false;
        for (;;) {
            m_partWritten = false;
            m_converting = true;
            const bool written = X11Wait::serveEventsUntil(
                [&] { return m_partWritten; }, leftOf(deadline, TargetTimeoutMs), PollMs);
            m_converting = false;
            if (!written || deadline.hasExpired())
                break;
            Format part;
            bool again = false;
            if (!take(&part, &again))
                break;
            if (part.data.isEmpty()) {
                if (part.type != XCB_NONE) {
                    done = true;
                    break;
                }
                continue; // our own deletion, or nothing yet
            }
            whole.type = part.type;
            whole.format = part.format;
            whole.data += part.data;
            if (whole.data.size() > room)
                break;
        }
        if (!done) {
            if (Property *p = findProperty(property))
                p->since.restart();
            return false;
        }
    }
    releaseProperty(property);
    if (!done || whole.data.size() > room)
        return false;
    *out = whole;
    return true;
}

xcb_window_t X11SelectionCopy::selectionOwner(xcb_atom_t selection, bool *ok) const
{
    XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, selection), nullptr));
    *ok = bool(owner);
    return owner ? owner->owner : xcb_window_t(XCB_NONE);
}

xcb_timestamp_t X11SelectionCopy::ownerTime(xcb_atom_t selection, const QDeadlineTimer &deadline)
{
    Format time;
    if (!readTarget(selection, m_timestamp, XCB_CURRENT_TIME, deadline, &time, 64) ||
        time.format != 32 || time.data.size() < 4)
        return XCB_CURRENT_TIME;
    xcb_timestamp_t t = XCB_CURRENT_TIME;
    std::memcpy(&t, time.data.constData(), 4);
    return t;
}

X11SelectionCopy::Copied X11SelectionCopy::readOnce(xcb_atom_t selection, Content *out,
                                                    const QDeadlineTimer &deadline)
{
    *out = Content();
    bool ok = false;
    const xcb_window_t owner = selectionOwner(selection, &ok);
    if (!ok)
        return Copied::Failed;
    if (owner == XCB_NONE)
        return Copied::Whole;
    // Our own copy, still offered: taken as it is.
    if (owner == m_window) {
        if (const Content *own = offered(selection))
            *out = *own;
        return Copied::Whole;
    }
    // Every conversion names the owner's time: an owner that took the
    // selection since then refuses them rather than mix its content in.
    const xcb_timestamp_t time = ownerTime(selection, deadline);
    Format list;
    if (!readTarget(selection, m_targets, time, deadline, &list, 64 * 1024) || list.format != 32)
        return Copied::Failed;
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
        Format format;
        if (deadline.hasExpired() ||
            !readTarget(selection, target, time, deadline, &format, CopyLimitBytes - total)) {
            ++out->lostFormats;
            continue;
        }
        total += format.data.size();
        out->formats.append(format);
    }
    // The same owner, with the same time, from first to last.
    const xcb_window_t after = selectionOwner(selection, &ok);
    if (!ok)
        return Copied::Failed;
    if (after != owner)
        return Copied::OwnerChanged;
    if (time != XCB_CURRENT_TIME) {
        const QDeadlineTimer brief(qMin<qint64>(TargetTimeoutMs, 200));
        const xcb_timestamp_t now = ownerTime(selection, brief);
        if (now != XCB_CURRENT_TIME && now != time)
            return Copied::OwnerChanged;
    }
    return Copied::Whole;
}

bool X11SelectionCopy::read(xcb_atom_t selection, Content *out, const QDeadlineTimer &deadline)
{
    *out = Content();
    if (!isValid())
        return false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (readOnce(selection, out, deadline)) {
        case Copied::Whole:
            return true;
        case Copied::Failed:
            *out = Content();
            return false;
        case Copied::OwnerChanged:
            *out = Content();
            break;
        }
    }
    return false;
}

// --- offering -----------------------------------------------------------

void X11SelectionCopy::handOver()
{
    // The manager's requests are answered from the event loop.
    if (!isValid() || !m_offers.contains(m_clipboard) || !QCoreApplication::instance())
        return;
    bool ok = false;
    if (selectionOwner(m_clipboard, &ok) != m_window || !ok)
        return;
    const xcb_atom_t manager = atom("CLIPBOARD_MANAGER");
    if (manager == XCB_NONE || selectionOwner(manager, &ok) == XCB_NONE || !ok)
        return;
    // The manager asks us for the targets while we wait, answered from the
    // event filter; its answer (or refusal) ends the wait.
    xcb_atom_t property = XCB_NONE;
    if (convert(manager, atom("SAVE_TARGETS"), XCB_CURRENT_TIME, HandOverLimitMs, &property))
        releaseProperty(property);
}

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
        // Added to what our connection takes on the window already (it may
        // be one of Qt's), and put back when the last transfer to it ends.
        if (!m_requestorMasks.contains(request->requestor)) {
            XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
                m_connection, xcb_get_window_attributes(m_connection, request->requestor),
                nullptr));
            if (!attributes)
                return false;
            m_requestorMasks.insert(request->requestor, attributes->your_event_mask);
        }
        const uint32_t mask =
            m_requestorMasks.value(request->requestor) | XCB_EVENT_MASK_PROPERTY_CHANGE;
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
        const uint32_t before = m_requestorMasks.take(transfer->requestor);
        xcb_change_window_attributes(m_connection, transfer->requestor, XCB_CW_EVENT_MASK, &before);
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
        // Only the answer to the conversion under way counts. A late answer
        // to an earlier one frees its property; any other is thrown away.
        if (m_converting && !m_notified && notify->selection == m_convSelection &&
            notify->target == m_convTarget &&
            (notify->property == m_convProperty || notify->property == XCB_NONE)) {
            m_notified = true;
            m_refused = notify->property == XCB_NONE;
        } else if (notify->property != XCB_NONE && notify->property != m_convProperty) {
            if (Property *p = findProperty(notify->property)) {
                if (p->awaited && !(m_converting && p->atom == m_convProperty))
                    releaseProperty(p->atom);
            }
        }
        return true;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto *change = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (change->window == m_window && m_converting && change->atom == m_convProperty &&
            change->state == XCB_PROPERTY_NEW_VALUE)
            m_partWritten = true;
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
