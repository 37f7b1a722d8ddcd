#pragma once

// The X clipboard as the tests see and set it, exactly, on a connection of
// their own: the targets its owner offers and the bytes of each (Qt's
// clipboard folds TEXT, STRING and UTF8_STRING into one text, and offers an
// image under every format it can write), an owner that offers exactly the
// targets it is given (some late or in parts, if asked), served from a thread
// of its own while the test waits on something else, and a clipboard manager
// that takes over the clipboard of a program that quits.

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QPair>
#include <QTest>
#include <QVector>

#include <xcb/xcb.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <poll.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace XSelection {

using Formats = QVector<QPair<QByteArray, QByteArray>>;

// The selection protocol's own targets: every owner adds them.
inline bool isProtocolTarget(const QByteArray &name)
{
    return name == "TARGETS" || name == "TIMESTAMP" || name == "MULTIPLE" ||
           name == "SAVE_TARGETS" || name == "DELETE" || name == "INCR";
}

class Connection
{
public:
    Connection()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            return;
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_window = xcb_generate_id(m_connection);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &mask);
        xcb_flush(m_connection);
    }
    ~Connection() { xcb_disconnect(m_connection); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool ok() const { return !xcb_connection_has_error(m_connection) && m_window; }
    xcb_connection_t *get() const { return m_connection; }
    xcb_window_t window() const { return m_window; }

    xcb_atom_t atom(const QByteArray &name) const
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(name.size()), name.constData()),
            nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return a;
    }
    QByteArray name(xcb_atom_t a) const
    {
        xcb_get_atom_name_reply_t *reply =
            xcb_get_atom_name_reply(m_connection, xcb_get_atom_name(m_connection, a), nullptr);
        QByteArray out;
        if (reply)
            out = QByteArray(xcb_get_atom_name_name(reply), xcb_get_atom_name_name_length(reply));
        std::free(reply);
        return out;
    }

    // The next event, or null once timeoutMs have passed; owned by the caller.
    // This process's own events are served meanwhile: the owner may be in
    // it (the program's desktop, in a test that runs it in process).
    xcb_generic_event_t *nextEvent(int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            if (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
                return event;
            const int left = timeoutMs - int(clock.elapsed());
            if (left <= 0 || xcb_connection_has_error(m_connection))
                return nullptr;
            if (QCoreApplication::instance())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            pollfd p{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            ::poll(&p, 1, qMin(left, 5));
        }
    }

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_window = 0;
};

// The bytes the owner gives for target; false when it refused or did not
// answer in time (a transfer in parts is not read).
inline bool read(const QByteArray &selection, const QByteArray &target, QByteArray *out,
                 xcb_atom_t *type = nullptr, int timeoutMs = 3000)
{
    Connection c;
    if (!c.ok())
        return false;
    const xcb_atom_t property = c.atom("SCRIVLET_TEST_SELECTION");
    xcb_convert_selection(c.get(), c.window(), c.atom(selection), c.atom(target), property,
                          XCB_CURRENT_TIME);
    xcb_flush(c.get());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(
            c.nextEvent(timeoutMs - int(clock.elapsed())), &std::free);
        if (!event)
            return false;
        if ((event->response_type & 0x7f) != XCB_SELECTION_NOTIFY)
            continue;
        const auto *notify = reinterpret_cast<xcb_selection_notify_event_t *>(event.get());
        if (notify->property == XCB_ATOM_NONE)
            return false;
        xcb_get_property_reply_t *reply =
            xcb_get_property_reply(c.get(),
                                   xcb_get_property(c.get(), 1, c.window(), property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 64 * 1024 * 1024),
                                   nullptr);
        if (!reply)
            return false;
        const bool incremental = reply->type == c.atom("INCR");
        *out = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                          xcb_get_property_value_length(reply)); // in bytes
        if (type)
            *type = reply->type;
        std::free(reply);
        return !incremental;
    }
    return false;
}

// The targets the owner offers, in its order, without the protocol's own;
// false when there is no owner or it did not answer.
inline bool targets(const QByteArray &selection, QList<QByteArray> *out, int timeoutMs = 3000)
{
    QByteArray atoms;
    if (!read(selection, "TARGETS", &atoms, nullptr, timeoutMs))
        return false;
    Connection c;
    out->clear();
    for (int i = 0; i + 4 <= atoms.size(); i += 4) {
        xcb_atom_t a = 0;
        std::memcpy(&a, atoms.constData() + i, 4);
        const QByteArray name = c.name(a);
        if (!isProtocolTarget(name))
            out->append(name);
    }
    return true;
}

// How an owner serves one of its targets, where it is not at once and whole:
// a program slow to render a format (an image editor writing a PNG), or one
// that sends it in parts (INCR), each part after a pause.
// A thread that serves a connection until it is told to stop (through an
// event file the serving loop polls beside the connection). Declared last
// in its owner, so that it is stopped before anything it uses goes.
class ServingThread
{
public:
    ServingThread() : m_stop(eventfd(0, EFD_CLOEXEC)) {}
    ~ServingThread()
    {
        if (m_thread.joinable()) {
            const uint64_t one = 1;
            (void)::write(m_stop, &one, sizeof one);
            m_thread.join();
        }
        if (m_stop >= 0)
            ::close(m_stop);
    }
    ServingThread(const ServingThread &) = delete;
    ServingThread &operator=(const ServingThread &) = delete;

    template <typename Serve> void start(Serve serve) { m_thread = std::thread(serve); }
    int stopFd() const { return m_stop; }

private:
    int m_stop = -1;
    std::thread m_thread;
};

// Takes selection for the connection's window; true when the server says it
// is ours.
inline bool takeSelection(Connection &c, xcb_atom_t selection)
{
    xcb_set_selection_owner(c.get(), c.window(), selection, XCB_CURRENT_TIME);
    xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
        c.get(), xcb_get_selection_owner(c.get(), selection), nullptr);
    const bool ours = owner && owner->owner == c.window();
    std::free(owner);
    return ours;
}

struct Serving
{
    QByteArray target;
    int answerAfterMs = 0; // the owner is busy this long before it answers
    int partBytes = 0;     // in parts of this many bytes (0: whole)
    int partEveryMs = 0;   // each part this long after the last was taken
};

// Owns the selection with exactly these formats (each target's bytes, typed
// as the target itself) until it is destroyed or another program takes the
// selection. Serving says which targets come late or in parts; onRequest is
// told (on the owner's thread) of each request before it is answered.
class Owner
{
public:
    Owner(const QByteArray &selection, const Formats &formats,
          const QVector<Serving> &serving = QVector<Serving>(),
          std::function<void(const QByteArray &target)> onRequest = nullptr)
        : m_formats(formats), m_serving(serving), m_onRequest(std::move(onRequest))
    {
        if (!m_c.ok())
            return;
        m_selection = m_c.atom(selection);
        m_targets = m_c.atom("TARGETS");
        m_timestamp = m_c.atom("TIMESTAMP");
        m_incr = m_c.atom("INCR");
        for (const auto &f : formats)
            m_atoms.append(m_c.atom(f.first));
        m_owns = takeSelection(m_c, m_selection);
        if (m_owns)
            m_server.start([this] { serve(); });
    }
    Owner(const Owner &) = delete;
    Owner &operator=(const Owner &) = delete;

    // Whether it took the selection and holds it still.
    bool owns() const { return m_owns && !m_lost; }
    // How many parts of transfers in parts were taken so far.
    int partsTaken() const { return m_partsTaken; }

private:
    using Clock = std::chrono::steady_clock;
    struct Transfer
    {
        xcb_window_t requestor = 0;
        xcb_atom_t property = 0;
        xcb_atom_t type = 0;
        QByteArray data;
        int sent = 0;
        Serving serving;
        bool taken = false; // the requestor deleted the last part
        bool lastSent = false;
        Clock::time_point due;
    };

    const Serving *servingOf(xcb_atom_t target) const
    {
        for (const Serving &s : m_serving) {
            if (m_c.atom(s.target) == target)
                return &s;
        }
        return nullptr;
    }

    void serve()
    {
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_c.get())) {
                handle(event);
                std::free(event);
            }
            if (xcb_connection_has_error(m_c.get()))
                return;
            int timeout = -1;
            const Clock::time_point now = Clock::now();
            for (Transfer &t : m_transfers) {
                if (!t.taken)
                    continue;
                if (t.due <= now) {
                    sendPart(&t);
                    timeout = 0;
                } else {
                    const int ms =
                        int(std::chrono::duration_cast<std::chrono::milliseconds>(t.due - now)
                                .count()) +
                        1;
                    timeout = timeout < 0 ? ms : qMin(timeout, ms);
                }
            }
            xcb_flush(m_c.get());
            pollfd p[2] = {{xcb_get_file_descriptor(m_c.get()), POLLIN, 0},
                           {m_server.stopFd(), POLLIN, 0}};
            ::poll(p, 2, timeout);
            if (p[1].revents)
                return;
        }
    }

    void sendPart(Transfer *t)
    {
        const int n = qMin(t->serving.partBytes, t->data.size() - t->sent);
        xcb_change_property(m_c.get(), XCB_PROP_MODE_REPLACE, t->requestor, t->property, t->type, 8,
                            uint32_t(n), t->data.constData() + t->sent);
        t->sent += n;
        t->lastSent = n == 0;
        t->taken = false;
    }

    void handle(xcb_generic_event_t *event)
    {
        const int kind = event->response_type & 0x7f;
        if (kind == XCB_SELECTION_CLEAR) {
            m_lost = true;
            return;
        }
        if (kind == XCB_PROPERTY_NOTIFY) {
            const auto *change = reinterpret_cast<xcb_property_notify_event_t *>(event);
            if (change->state != XCB_PROPERTY_DELETE)
                return;
            for (auto it = m_transfers.begin(); it != m_transfers.end(); ++it) {
                if (it->requestor != change->window || it->property != change->atom || it->taken)
                    continue;
                ++m_partsTaken;
                if (it->lastSent) {
                    m_transfers.erase(it);
                    return;
                }
                it->taken = true;
                it->due = Clock::now() + std::chrono::milliseconds(it->serving.partEveryMs);
                return;
            }
            return;
        }
        if (kind != XCB_SELECTION_REQUEST)
            return;
        const auto *request = reinterpret_cast<xcb_selection_request_event_t *>(event);
        if (m_onRequest)
            m_onRequest(m_c.name(request->target));
        const Serving *serving = servingOf(request->target);
        if (serving && serving->answerAfterMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(serving->answerAfterMs));
        xcb_atom_t property = request->property ? request->property : request->target;
        if (m_lost) {
            property = XCB_ATOM_NONE;
        } else if (request->target == m_targets) {
            QVector<xcb_atom_t> list = {m_targets, m_timestamp};
            list += m_atoms;
            xcb_change_property(m_c.get(), XCB_PROP_MODE_REPLACE, request->requestor, property,
                                XCB_ATOM_ATOM, 32, uint32_t(list.size()), list.constData());
        } else if (request->target == m_timestamp) {
            const uint32_t zero = 0;
            xcb_change_property(m_c.get(), XCB_PROP_MODE_REPLACE, request->requestor, property,
                                XCB_ATOM_INTEGER, 32, 1, &zero);
        } else {
            const int i = m_atoms.indexOf(request->target);
            if (i < 0) {
                property = XCB_ATOM_NONE;
            } else if (serving && serving->partBytes > 0) {
                // The size first; each part once the requestor deleted the last.
                Transfer t;
                t.requestor = request->requestor;
                t.property = property;
                t.type = m_atoms[i];
                t.data = m_formats[i].second;
                t.serving = *serving;
                m_transfers.push_back(t);
                const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
                xcb_change_window_attributes(m_c.get(), request->requestor, XCB_CW_EVENT_MASK,
                                             &mask);
                const uint32_t size = uint32_t(t.data.size());
                xcb_change_property(m_c.get(), XCB_PROP_MODE_REPLACE, request->requestor, property,
                                    m_incr, 32, 1, &size);
            } else {
                const QByteArray &bytes = m_formats[i].second;
                xcb_change_property(m_c.get(), XCB_PROP_MODE_REPLACE, request->requestor, property,
                                    m_atoms[i], 8, uint32_t(bytes.size()), bytes.constData());
            }
        }
        xcb_selection_notify_event_t notify = {};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = request->time;
        notify.requestor = request->requestor;
        notify.selection = request->selection;
        notify.target = request->target;
        notify.property = property;
        xcb_send_event(m_c.get(), 0, request->requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&notify));
        xcb_flush(m_c.get());
    }

    Connection m_c;
    Formats m_formats;
    QVector<Serving> m_serving;
    std::function<void(const QByteArray &)> m_onRequest;
    QVector<xcb_atom_t> m_atoms;
    std::vector<Transfer> m_transfers;
    xcb_atom_t m_selection = 0;
    xcb_atom_t m_targets = 0;
    xcb_atom_t m_timestamp = 0;
    xcb_atom_t m_incr = 0;
    bool m_owns = false;
    std::atomic<bool> m_lost{false};
    std::atomic<int> m_partsTaken{0};
    ServingThread m_server; // last: stopped first
};

// A clipboard manager as desktops run one (the freedesktop clipboard manager
// convention): it owns CLIPBOARD_MANAGER, and a program that quits while it
// owns the clipboard asks it to SAVE_TARGETS. It then reads every target of
// the clipboard from that program and owns the clipboard with the copy.
class ClipboardManager
{
public:
    ClipboardManager()
    {
        if (!m_c.ok())
            return;
        const xcb_atom_t manager = m_c.atom("CLIPBOARD_MANAGER");
        m_owns = takeSelection(m_c, manager);
        if (m_owns)
            m_server.start([this] { serve(); });
    }
    ClipboardManager(const ClipboardManager &) = delete;
    ClipboardManager &operator=(const ClipboardManager &) = delete;

    bool ok() const { return m_owns; }
    // How many programs asked it to save their clipboard.
    int saves() const { return m_saves; }

private:
    void serve()
    {
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_c.get())) {
                if ((event->response_type & 0x7f) == XCB_SELECTION_REQUEST)
                    save(reinterpret_cast<xcb_selection_request_event_t *>(event));
                std::free(event);
            }
            if (xcb_connection_has_error(m_c.get()))
                return;
            pollfd p[2] = {{xcb_get_file_descriptor(m_c.get()), POLLIN, 0},
                           {m_server.stopFd(), POLLIN, 0}};
            ::poll(p, 2, -1);
            if (p[1].revents)
                return;
        }
    }

    // One target of CLIPBOARD, read whole (no transfer in parts).
    bool convert(xcb_atom_t target, QByteArray *out)
    {
        const xcb_atom_t property = m_c.atom("SCRIVLET_TEST_SAVED");
        xcb_convert_selection(m_c.get(), m_c.window(), m_c.atom("CLIPBOARD"), target, property,
                              XCB_CURRENT_TIME);
        xcb_flush(m_c.get());
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 3000) {
            xcb_generic_event_t *event = xcb_poll_for_event(m_c.get());
            if (!event) {
                pollfd p{xcb_get_file_descriptor(m_c.get()), POLLIN, 0};
                ::poll(&p, 1, 10);
                continue;
            }
            const bool notified = (event->response_type & 0x7f) == XCB_SELECTION_NOTIFY;
            const xcb_atom_t answered =
                notified ? reinterpret_cast<xcb_selection_notify_event_t *>(event)->property
                         : xcb_atom_t(XCB_ATOM_NONE);
            std::free(event);
            if (!notified)
                continue;
            if (answered == XCB_ATOM_NONE)
                return false;
            xcb_get_property_reply_t *reply = xcb_get_property_reply(
                m_c.get(),
                xcb_get_property(m_c.get(), 1, m_c.window(), property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                                 16 * 1024 * 1024),
                nullptr);
            if (!reply)
                return false;
            *out = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                              xcb_get_property_value_length(reply));
            std::free(reply);
            return true;
        }
        return false;
    }

    void save(const xcb_selection_request_event_t *request)
    {
        bool saved = false;
        QByteArray atoms;
        if (request->target == m_c.atom("SAVE_TARGETS") && convert(m_c.atom("TARGETS"), &atoms)) {
            Formats formats;
            for (int i = 0; i + 4 <= atoms.size(); i += 4) {
                xcb_atom_t a = 0;
                std::memcpy(&a, atoms.constData() + i, 4);
                const QByteArray name = m_c.name(a);
                QByteArray bytes;
                if (!isProtocolTarget(name) && convert(a, &bytes))
                    formats.append({name, bytes});
            }
            m_saved.reset(new Owner("CLIPBOARD", formats));
            saved = m_saved->owns();
            ++m_saves;
        }
        xcb_selection_notify_event_t notify = {};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = request->time;
        notify.requestor = request->requestor;
        notify.selection = request->selection;
        notify.target = request->target;
        notify.property = saved ? request->property : xcb_atom_t(XCB_ATOM_NONE);
        xcb_send_event(m_c.get(), 0, request->requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&notify));
        xcb_flush(m_c.get());
    }

    Connection m_c;
    bool m_owns = false;
    std::atomic<int> m_saves{0};
    std::unique_ptr<Owner> m_saved;
    ServingThread m_server; // last: stopped first
};

} // namespace XSelection

Q_DECLARE_METATYPE(XSelection::Serving)

namespace QTest {
// An offer, readably, when a comparison fails.
template <> inline char *toString(const XSelection::Formats &formats)
{
    QByteArray out;
    for (const auto &f : formats)
        out += f.first + '=' +
               (f.second.size() > 40 ? QByteArray::number(f.second.size()) + " bytes" : f.second) +
               "; ";
    return qstrdup(out.constData());
}
} // namespace QTest
