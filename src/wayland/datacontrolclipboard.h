#pragma once

// The clipboard (and the primary selection) through the compositor's data
// control protocol, the one road by which a program in the background reaches
// them on Wayland: a clipboard set through the window system from a window
// without the focus never reaches other programs. Mirrors the X11 paste road:
// our text is offered, the paste counts only when the target fetched a text
// format to its end, and the user's content comes back once the target has
// stopped asking.

#include "wayland/nativeroads.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPair>
#include <QVector>

#include <memory>

class WaylandConnection;
struct zwlr_data_control_device_v1;
struct zwlr_data_control_offer_v1;
struct zwlr_data_control_source_v1;

class DataControlClipboard final : public QObject, public NativeClipboard
{
    Q_OBJECT

public:
    // Reading a format gives up after this long; a program that does not
    // answer loses that format, not the paste.
    static constexpr int ReadTimeoutMs = 1000;
    // A whole copy (of every selection a paste keeps) stops this long after
    // it began: the formats left then are lost.
    static constexpr int ReadLimitMs = 3000;
    // Transfers of one source under way at once: a reader that asks again
    // and again without reading must not use up our file descriptors.
    static constexpr int MaxTransfersPerSource = 16;
    // The target stopped asking for this long: it has what it wants.
    static constexpr int QuietMs = 150;
    static constexpr int FetchWaitMs = 2000;
    // Writing to a reader is given up when it takes nothing for StallMs, or
    // has not taken everything after TransferLimitMs: a reader that stops
    // must not hold the program (writes wait on the event loop, never on
    // the interface) nor keep a paste open.
    static constexpr int StallMs = 1000;
    static constexpr int TransferLimitMs = 10000;

    explicit DataControlClipboard(WaylandConnection *connection);
    ~DataControlClipboard() override;

    bool isValid() const override { return m_device != nullptr; }
    bool hasPrimary() const override { return m_primaryAvailable; }
    bool read(Selection which, Content *out, const QDeadlineTimer &deadline) override;
    bool offerText(Selection which, const QByteArray &utf8, bool watched) override;
    // Waits for the fetch to begin at most FetchWaitMs, then until it ended
    // and the target is through with its reads (see PasteReads). Every
    // reader's reads count: a clipboard history's too, and it reads each
    // paste as the target does.
    bool awaitFetch(quint64 target) override;
    bool textStillOffered(Selection which) override;
    bool put(Selection which, const Content &content) override;

    // Protocol callbacks.
    struct Offer;
    struct Source;
    void offerAnnounced(zwlr_data_control_offer_v1 *offer);
    void mimeOffered(zwlr_data_control_offer_v1 *offer, const char *mime);
    void selectionChanged(Selection which, zwlr_data_control_offer_v1 *offer);
    void sendRequested(zwlr_data_control_source_v1 *source, const char *mime, int fd);
    void sourceCancelled(zwlr_data_control_source_v1 *source);
    void deviceFinished();

private:
    struct Transfer;
    bool setSource(Selection which, std::unique_ptr<Source> source);
    Offer *findOffer(zwlr_data_control_offer_v1 *offer);
    void writeMore(Transfer *transfer);
    void finish(Transfer *transfer, bool whole);
    bool watchedTransferUnderWay() const;

    WaylandConnection *m_connection;
    zwlr_data_control_device_v1 *m_device = nullptr;
    bool m_primaryAvailable = false;
    std::vector<std::unique_ptr<Offer>> m_offers;
    Offer *m_current[2] = {nullptr, nullptr};
    std::vector<std::unique_ptr<Source>> m_sources;
    // The text sources offered last, by selection, until another program's
    // offer cancels them.
    zwlr_data_control_source_v1 *m_textSource[2] = {nullptr, nullptr};
    std::vector<std::unique_ptr<Transfer>> m_transfers;
    // The watched paste (numbered): fetched to its end, and when it was last
    // asked for.
    quint64 m_watch = 0;
    int m_reads = 0; // of the watched text, to its end: fetched when any
    PasteReads m_pasteReads;
    bool m_watchLost = false;
    QElapsedTimer m_sinceRequest;
};
