#pragma once

// Tells when the target of a paste has fetched our text from the X
// clipboard. We own the CLIPBOARD selection while we paste, so every program
// that reads it sends us a SelectionRequest, which Qt's clipboard answers on
// the event loop. Watching those requests lets the paste put the user's
// clipboard back as soon as the target has its copy (not after a fixed time a
// slow target may miss), and tells a paste the target never asked for from
// one it took.

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>

#include <xcb/xcb.h>

class X11ClipboardWatch final : public QAbstractNativeEventFilter
{
public:
    // connection is Qt's; the watch installs itself on the application.
    explicit X11ClipboardWatch(xcb_connection_t *connection);
    ~X11ClipboardWatch() override;

    // From now on, requests from target's X client (any client but ours when
    // target is 0) count as the paste's fetch. textBytes is the size of the
    // text the target will receive: large texts go in several parts.
    void arm(xcb_window_t target, int textBytes);
    void setTarget(xcb_window_t target) { m_target = target; }
    // Serves events (without user input) until the target has fetched the
    // text and the transfer is over, another program took the clipboard, or
    // maxMs pass. True for the first two.
    bool waitForFetch(int maxMs);

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

private:
    bool fromTarget(xcb_window_t requestor) const;
    xcb_atom_t atom(const char *name) const;

    xcb_connection_t *m_connection;
    xcb_atom_t m_clipboard = XCB_NONE;
    xcb_atom_t m_targets = XCB_NONE;
    xcb_atom_t m_timestamp = XCB_NONE;
    xcb_atom_t m_saveTargets = XCB_NONE;
    quint32 m_clientMask = 0; // the bits of a resource id that name its client

    bool m_armed = false;
    xcb_window_t m_target = XCB_NONE;
    xcb_window_t m_requestor = XCB_NONE;
    bool m_fetched = false;
    bool m_lost = false;
    bool m_incremental = false;
    QElapsedTimer m_lastActivity;
};
