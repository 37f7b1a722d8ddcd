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
// Every wait and every transfer has a limit.

#include <QAbstractNativeEventFilter>
#include <QByteArray>
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

    // A target is given up when its owner does not answer (or takes nothing
    // of a transfer in parts) for TargetTimeoutMs; reading a whole selection
    // stops after ReadLimitMs, and at CopyLimitBytes.
    static constexpr int TargetTimeoutMs = 1000;
    static constexpr int ReadLimitMs = 3000;
    static constexpr qint64 CopyLimitBytes = 64 * 1024 * 1024;
    // Serving a requestor that takes nothing for StallMs, or not everything
    // within TransferLimitMs, is given up.
    static constexpr int StallMs = 1000;
    static constexpr int TransferLimitMs = 10000;

    // connection is Qt's; the copy installs itself on the application.
    explicit X11SelectionCopy(xcb_connection_t *connection);
    ~X11SelectionCopy() override;
    X11SelectionCopy(const X11SelectionCopy &) = delete;
    X11SelectionCopy &operator=(const X11SelectionCopy &) = delete;

    bool isValid() const { return m_window != XCB_NONE; }
    xcb_atom_t atom(const char *name) const;

    // What selection offers now; false when its owner did not say what it
    // offers (the selection must then not be overwritten).
    bool read(xcb_atom_t selection, Content *out);
    // Takes selection with content, served until another program takes it;
    // false when the selection could not be had.
    bool offer(xcb_atom_t selection, const Content &content);

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

private:
    struct Outgoing;

    bool readTarget(xcb_atom_t selection, xcb_atom_t target, int timeoutMs, Format *out,
                    qint64 room);
    // Waits, serving events, for our conversion's answer; false on time-out.
    bool awaitNotify(xcb_atom_t selection, xcb_atom_t target, int timeoutMs, bool *refused);
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
    xcb_atom_t m_property = XCB_NONE; // where conversions for us land
    xcb_atom_t m_targets = XCB_NONE;
    xcb_atom_t m_timestamp = XCB_NONE;
    xcb_atom_t m_multiple = XCB_NONE;
    xcb_atom_t m_incr = XCB_NONE;
    xcb_atom_t m_atomPair = XCB_NONE;
    QVector<xcb_atom_t> m_protocolTargets;
    quint32 m_maxChunk = 0; // bytes one property write may carry

    // The conversion we wait for.
    bool m_notified = false;
    xcb_atom_t m_notifiedProperty = XCB_NONE;
    bool m_propertyChanged = false; // a new value of our property

    // What we offer, by selection, and since when.
    QHash<xcb_atom_t, Content> m_offers;
    QHash<xcb_atom_t, xcb_timestamp_t> m_offeredSince;
    std::vector<std::unique_ptr<Outgoing>> m_outgoing;
    QTimer *m_outgoingClock = nullptr;
};
