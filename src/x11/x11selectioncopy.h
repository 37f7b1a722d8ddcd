#pragma once

// A copy of an X selection (CLIPBOARD, PRIMARY) exactly as its owner offered
// it, and the selection offered again from that copy. Every target is kept
// with its own type, format and bytes, and served again under the same
// names: no more, no fewer. Qt's clipboard cannot do that: it reads TEXT,
// STRING and UTF8_STRING as one "text/plain", offers that back under its own
// list (a program on the other side of XWayland then sees "text/plain" twice
// and no UTF8_STRING), and offers an image under every format Qt can write.
//
// Both directions run on Qt's connection and event loop: reading waits with
// the events served (an owner may be ourselves: our Wayland clipboard behind
// XWayland, or Qt's own clipboard), and requests for the copy are answered
// from the native event filter, also while Qt's clipboard waits for an owner.
// Every wait and every transfer has a limit, and a whole copy one deadline.
//
// An answer counts only for the conversion under way: each conversion has a
// property of its own, and an answer that names another selection, target or
// property (an owner's late answer to an earlier one, or one another client
// made up) is thrown away. A copy is of one owner: it is stamped with the
// owner's own time, and made again once when the owner changed meanwhile.

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHash>
#include <QVector>

#include <xcb/xcb.h>

#include <memory>
#include <vector>

class QTimer;

class X11SelectionCopy final : public QAbstractNativeEventFilter
{
public:
    // One target as the owner gave it.
    struct Format
    {
        xcb_atom_t target = XCB_NONE;
        xcb_atom_t type = XCB_NONE;
        quint8 format = 8; // bits per unit
        QByteArray data;
    };
    struct Content
    {
        bool empty = true; // no owner, or an owner offering nothing
        QVector<Format> formats;
        int lostFormats = 0; // offered, but not read in time or too large
    };

    // A target is given up when its owner does not answer (or sends no part
    // of a transfer in parts) for TargetTimeoutMs; a whole copy (of every
    // selection a paste keeps) stops at its deadline, ReadLimitMs from its
    // start, and at CopyLimitBytes. What is left then is lost.
    static constexpr int TargetTimeoutMs = 1000;
    static constexpr int ReadLimitMs = 3000;
    static constexpr qint64 CopyLimitBytes = 64 * 1024 * 1024;
    // Serving a requestor that takes nothing for StallMs, or not everything
    // within TransferLimitMs, is given up.
    static constexpr int StallMs = 1000;
    static constexpr int TransferLimitMs = 10000;
    // Handing our copy to the clipboard manager when we go waits this long
    // at most, as Qt's clipboard does.
    static constexpr int HandOverLimitMs = 5000;
    // Properties conversions land in: one per conversion under way, and one
    // for each conversion whose owner has not answered yet (its property is
    // taken again only once the answer came, or after ReclaimMs).
    static constexpr int MaxProperties = 32;
    static constexpr int ReclaimMs = 30000;

    // connection is Qt's; the copy installs itself on the application.
    explicit X11SelectionCopy(xcb_connection_t *connection);
    ~X11SelectionCopy() override;
    X11SelectionCopy(const X11SelectionCopy &) = delete;
    X11SelectionCopy &operator=(const X11SelectionCopy &) = delete;

    bool isValid() const { return m_window != XCB_NONE; }
    xcb_atom_t atom(const char *name) const;

    // What selection offers now, read before deadline; false when its owner
    // did not say what it offers, or changed twice while it was read (the
    // selection must then not be overwritten).
    bool read(xcb_atom_t selection, Content *out, const QDeadlineTimer &deadline);
    // Takes selection with content, served until another program takes it;
    // false when the selection could not be had.
    bool offer(xcb_atom_t selection, const Content &content);
    // When we go with our copy on the clipboard, the clipboard manager (if
    // one runs) is asked to take it over (SAVE_TARGETS), as programs hand
    // over what they own when they quit. Run by the destructor.
    void handOver();

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

private:
    struct Outgoing;
    struct Property
    {
        xcb_atom_t atom = XCB_NONE;
        bool awaited = false; // a conversion into it got no answer yet
        QElapsedTimer since;
    };
    enum class Copied
    {
        Whole,        // of one owner (formats it could not give are counted lost)
        OwnerChanged, // another owner took the selection meanwhile
        Failed,
    };

    Copied readOnce(xcb_atom_t selection, Content *out, const QDeadlineTimer &deadline);
    xcb_window_t selectionOwner(xcb_atom_t selection, bool *ok) const;
    // The owner's time of ownership, or XCB_CURRENT_TIME when it gives none.
    xcb_timestamp_t ownerTime(xcb_atom_t selection, const QDeadlineTimer &deadline);
    bool readTarget(xcb_atom_t selection, xcb_atom_t target, xcb_timestamp_t time,
                    const QDeadlineTimer &deadline, Format *out, qint64 room);
    // Asks for a conversion into a property of its own and waits, serving
    // events, for its answer; false on refusal or time-out. *property is
    // where the answer is, to be released once read.
    bool convert(xcb_atom_t selection, xcb_atom_t target, xcb_timestamp_t time, int timeoutMs,
                 xcb_atom_t *property);
    xcb_atom_t takeProperty();
    void releaseProperty(xcb_atom_t atom);
    Property *findProperty(xcb_atom_t atom);
    // Answers one request for a selection we offer: true when the property
    // was written (or a transfer in parts begun).
    bool answer(const xcb_selection_request_event_t *request, xcb_atom_t property);
    bool answerMultiple(const xcb_selection_request_event_t *request);
    void serve(const xcb_selection_request_event_t *request);
    void continueOutgoing(const xcb_property_notify_event_t *change);
    void checkOutgoing();
    void finishOutgoing(Outgoing *transfer);
    const Content *offered(xcb_atom_t selection) const;

    xcb_connection_t *m_connection;
    xcb_window_t m_window = XCB_NONE;
    xcb_atom_t m_clipboard = XCB_NONE;
    xcb_atom_t m_targets = XCB_NONE;
    xcb_atom_t m_timestamp = XCB_NONE;
    xcb_atom_t m_multiple = XCB_NONE;
    xcb_atom_t m_incr = XCB_NONE;
    xcb_atom_t m_atomPair = XCB_NONE;
    QVector<xcb_atom_t> m_protocolTargets;
    quint32 m_maxChunk = 0; // bytes one property write may carry

    // Where conversions for us land.
    QVector<Property> m_properties;
    // The conversion we wait for, and its answer.
    bool m_converting = false;
    xcb_atom_t m_convSelection = XCB_NONE;
    xcb_atom_t m_convTarget = XCB_NONE;
    xcb_atom_t m_convProperty = XCB_NONE;
    bool m_notified = false;
    bool m_refused = false;
    bool m_partWritten = false; // a new value of the property, in a transfer in parts

    // What we offer, by selection, and since when.
    QHash<xcb_atom_t, Content> m_offers;
    QHash<xcb_atom_t, xcb_timestamp_t> m_offeredSince;
    std::vector<std::unique_ptr<Outgoing>> m_outgoing;
    // The events our connection took on a requestor before a transfer in
    // parts to it added its property changes: put back when the last ends.
    QHash<xcb_window_t, quint32> m_requestorMasks;
    QTimer *m_outgoingClock = nullptr;
};
