#pragma once

// The clipboard (and the primary selection) through the compositor's data
// control protocol, the one road by which a program in the background reaches
// them on Wayland: a clipboard set through the window system from a window
// without the focus never reaches other programs. Mirrors the X11 paste road:
// our text is offered, the paste counts only when the target fetched a text
// format to its end, and the user's content comes back once the target has
// stopped asking.

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

class DataControlClipboard final : public QObject
{
    Q_OBJECT

public:
    enum class Selection
    {
        Clipboard,
        Primary,
    };

    // What a selection held: its formats (MIME type and bytes), in the order
    // offered.
    struct Content
    {
        bool empty = true;
        QVector<QPair<QByteArray, QByteArray>> formats;
        int lostFormats = 0; // offered but not read
    };

    // Reading a format gives up after this long; a program that does not
    // answer loses that format, not the paste.
    static constexpr int ReadTimeoutMs = 1000;
    // The target stopped asking for this long: it has what it wants.
    static constexpr int QuietMs = 150;
    static constexpr int FetchWaitMs = 2000;

    explicit DataControlClipboard(WaylandConnection *connection);
    ~DataControlClipboard() override;

    bool isValid() const { return m_device != nullptr; }
    bool hasPrimary() const { return m_primaryAvailable; }

    // A copy of what the selection holds now; false when it could not be
    // read at all.
    bool read(Selection which, Content *out);
    // Offers text (UTF-8) on the selection. watched: a paste of ours, whose
    // fetch by the target is counted; else the user's, kept until replaced.
    bool offerText(Selection which, const QByteArray &utf8, bool watched);
    // After the paste keys: waits until a target has fetched a watched text
    // to its end and then stopped asking for QuietMs; false when none
    // fetched it within FetchWaitMs or we lost the selection first.
    bool awaitFetch();
    // Puts a copy back; an empty one clears the selection.
    bool put(Selection which, const Content &content);

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
    bool setSource(Selection which, std::unique_ptr<Source> source);
    Offer *findOffer(zwlr_data_control_offer_v1 *offer);

    WaylandConnection *m_connection;
    zwlr_data_control_device_v1 *m_device = nullptr;
    bool m_primaryAvailable = false;
    std::vector<std::unique_ptr<Offer>> m_offers;
    Offer *m_current[2] = {nullptr, nullptr};
    std::vector<std::unique_ptr<Source>> m_sources;
    // The watched paste: fetched to its end, and when it was last asked for.
    bool m_fetched = false;
    bool m_watchLost = false;
    QElapsedTimer m_sinceRequest;
};
