#pragma once

// Tells when the target of a paste has fetched our text from the X clipboard
// (and, for a Shift+Insert paste, the PRIMARY selection). We own the
// selections while we paste, so every program that reads them sends us a
// SelectionRequest, which Qt's clipboard answers on the event loop. Watching
// those requests lets the paste count as delivered only when the target read
// the text itself (a text format, to the end of a transfer in parts), and
// put the user's content back only once the target has stopped asking: a
// browser asks for the list of formats before and after the text, reads the
// text twice, and gives up the paste if the owner changes in between.

#include "platform/desktop.h"
#include "platform/pastereads.h"
#include "x11/x11selectioncopy.h"

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QVector>

#include <xcb/xcb.h>

class X11ClipboardWatch final : public QAbstractNativeEventFilter
{
public:
    // How long a target that answered the ping must then stay quiet before
    // it counts as not pasting. Qt and GTK answer a ping while they read
    // their events, before they hand the paste key queued beside it to the
    // field, and a browser's page pastes from another process: the answer
    // comes first, the request for the text a moment after (Qt a few
    // milliseconds, a page busy with other work much later). The clipboard
    // handed back in that moment would be pasted in place of the phrase.
    static constexpr int QuietAfterAnswerMs = 1000;

    // connection is Qt's; the watch installs itself on the application.
    explicit X11ClipboardWatch(xcb_connection_t *connection);
    ~X11ClipboardWatch() override;

    // From now on, requests from target's X client (any client but ours when
    // target is 0) for CLIPBOARD, and PRIMARY too when primary, count as the
    // paste's. textBytes is the size of the text the target will receive:
    // large texts go in parts (INCR).
    void arm(xcb_window_t target, int textBytes, bool primary);
    // Narrows an armed watch to target's client once the paste key has gone
    // to it. What other programs read before (a clipboard history reads each
    // new clipboard at once, and the wait for the user's keys serves it) is
    // forgotten: only the target's own read is its paste.
    void setTarget(xcb_window_t target);
    // Serves events (without user input) until the target has fetched the
    // text, the transfer is over and the target is through with its reads
    // (PasteReads, after the reads its window made in its last paste), or
    // maxMs pass. True when the target fetched the text whole; another
    // program taking the selection ends the wait too.
    bool waitForFetch(int maxMs);
    // Asks window whether it reads its input again (_NET_WM_PING, sent after
    // the paste key: X delivers a client's events in order, so its answer
    // comes only once it has read the keys before it; it may still hold
    // them, see QuietAfterAnswerMs). False when window does not answer
    // pings. The answer is watched during the next wait for the fetch.
    bool ping(xcb_window_t window);
    // The window pinged answered, and has asked nothing for
    // QuietAfterAnswerMs since: it has taken our key and did not paste.
    bool quietSinceAnswer() const;
    // After a wait that ended with the ping unanswered: goes on watching the
    // target's requests and the ping's answer from the event loop, until
    // checkPending says the paste is over or the next arm.
    void keepWatching() { m_armed = m_connection != nullptr; }
    // One look at a paste kept watched, serving events for at most maxMs:
    // Pending until the target has answered the ping (it is reading its
    // events again) and then been quiet: through with its reads of the text
    // (see PasteReads), QuietAfterAnswerMs when it asked for none. Then
    // Fetched when it asked for the text, NotFetched when not or when
    // another program took the clipboard meanwhile.
    PasteFetch checkPending(int maxMs);
    // Another program took a watched selection during the last wait.
    bool lost() const { return m_lost; }
    // selection's owner is a window of our connection (Qt's clipboard, or
    // our copy of the user's content): false once another program took it,
    // or when the server could not say.
    bool ownedByUs(xcb_atom_t selection) const;

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

    // The user's content is copied and put back beside the watch, on the
    // same connection.
    X11SelectionCopy &selectionCopy() { return m_copy; }
    xcb_atom_t clipboardAtom() const { return m_clipboard; }

private:
    void disarm();
    bool fromTarget(xcb_window_t requestor) const;
    bool isWatched(xcb_atom_t selection) const;
    bool isTextFormat(xcb_atom_t target) const;
    bool propertyIsEmpty(xcb_window_t window, xcb_atom_t property) const;
    xcb_atom_t atom(const char *name) const;
    // The target asked for the text.
    bool fetched() const { return m_reads > 0; }
    // The target's reads are through; what they were is kept for its next paste.
    bool through() const;
    void learnReads();

    xcb_connection_t *m_connection;
    X11SelectionCopy m_copy;
    xcb_atom_t m_clipboard = XCB_NONE;
    xcb_atom_t m_primary = XCB_ATOM_PRIMARY;
    QVector<xcb_atom_t> m_textFormats;
    quint32 m_clientMask = 0; // the bits of a resource id that name its client

    bool m_armed = false;
    bool m_primaryToo = false;
    xcb_window_t m_target = XCB_NONE;
    bool m_incremental = false;
    int m_reads = 0; // requests for the text, by the target
    PasteReads m_pasteReads;
    bool m_transferring = false; // a transfer in parts is under way
    bool m_lastPartWritten = false;
    xcb_window_t m_requestor = XCB_NONE;
    xcb_atom_t m_property = XCB_NONE;
    bool m_lost = false;
    xcb_window_t m_pinged = XCB_NONE;
    xcb_timestamp_t m_pingTime = 0;
    bool m_ponged = false;
    xcb_atom_t m_wmProtocols = XCB_NONE;
    xcb_atom_t m_netWmPing = XCB_NONE;
    xcb_window_t m_root = XCB_NONE;
    quint32 m_rootMask = 0; // our connection's events on the root before a ping
    bool m_rootMaskChanged = false;
    quint32 m_pingCount = 0;
    QElapsedTimer m_lastActivity; // since the target's last request or answer
};
