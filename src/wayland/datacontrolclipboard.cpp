#include "wayland/datacontrolclipboard.h"

#include "wayland/waylandconnection.h"
#include "x11/x11wait.h"

#include "wlr-data-control-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

struct DataControlClipboard::Offer
{
    zwlr_data_control_offer_v1 *proxy = nullptr;
    QVector<QByteArray> mimes;
    ~Offer() { zwlr_data_control_offer_v1_destroy(proxy); }
};

struct DataControlClipboard::Source
{
    zwlr_data_control_source_v1 *proxy = nullptr;
    QVector<QPair<QByteArray, QByteArray>> formats;
    quint64 watch = 0; // the watched paste it offers; 0 for the user's content
    ~Source() { zwlr_data_control_source_v1_destroy(proxy); }
};

// One format being written to a reader, from the event loop.
struct DataControlClipboard::Transfer
{
    int fd = -1;
    QByteArray data; // a copy: the source may go meanwhile
    qint64 written = 0;
    quint64 watch = 0;                             // the watched paste it serves; 0 for none
    zwlr_data_control_source_v1 *source = nullptr; // only compared, never used
    bool text = false;
    // Deleted later: they may be what called us.
    QSocketNotifier *notifier = nullptr;
    QTimer *clock = nullptr; // a reader that takes nothing wakes nobody
    QElapsedTimer started;
    QElapsedTimer progressed;
};

namespace {

// The formats a text goes out in; a fetch of any of them is a paste.
const char *const TextFormats[] = {"text/plain;charset=utf-8", "UTF8_STRING", "text/plain", "TEXT"};
// Beyond this the rest of a copy is given up: the user loses those formats
// rather than the paste waiting on a huge image.
constexpr qint64 BackupLimit = 64 * 1024 * 1024;

bool isTextFormat(const QByteArray &mime)
{
    for (const char *format : TextFormats) {
        if (mime == format)
            return true;
    }
    return false;
}

DataControlClipboard *self(void *data)
{
    return static_cast<DataControlClipboard *>(data);
}

void onOffer(void *data, zwlr_data_control_offer_v1 *offer, const char *mime)
{
    self(data)->mimeOffered(offer, mime);
}

const zwlr_data_control_offer_v1_listener offerListener = {onOffer};

void onDataOffer(void *data, zwlr_data_control_device_v1 *, zwlr_data_control_offer_v1 *offer)
{
    zwlr_data_control_offer_v1_add_listener(offer, &offerListener, data);
    self(data)->offerAnnounced(offer);
}

void onSelection(void *data, zwlr_data_control_device_v1 *, zwlr_data_control_offer_v1 *offer)
{
    self(data)->selectionChanged(DataControlClipboard::Selection::Clipboard, offer);
}

void onFinished(void *data, zwlr_data_control_device_v1 *)
{
    self(data)->deviceFinished();
}

void onPrimarySelection(void *data, zwlr_data_control_device_v1 *,
                        zwlr_data_control_offer_v1 *offer)
{
    self(data)->selectionChanged(DataControlClipboard::Selection::Primary, offer);
}

const zwlr_data_control_device_v1_listener deviceListener = {onDataOffer, onSelection, onFinished,
                                                             onPrimarySelection};

void onSend(void *data, zwlr_data_control_source_v1 *source, const char *mime, int32_t fd)
{
    self(data)->sendRequested(source, mime, fd);
}

void onCancelled(void *data, zwlr_data_control_source_v1 *source)
{
    self(data)->sourceCancelled(source);
}

const zwlr_data_control_source_v1_listener sourceListener = {onSend, onCancelled};

} // namespace

DataControlClipboard::DataControlClipboard(WaylandConnection *connection) : m_connection(connection)
{
    if (!connection || !connection->dataControlManager() || !connection->seat())
        return;
    m_device = zwlr_data_control_manager_v1_get_data_device(connection->dataControlManager(),
                                                            connection->seat());
    zwlr_data_control_device_v1_add_listener(m_device, &deviceListener, this);
    m_primaryAvailable = wl_proxy_get_version(reinterpret_cast<wl_proxy *>(m_device)) >=
                         ZWLR_DATA_CONTROL_DEVICE_V1_SET_PRIMARY_SELECTION_SINCE_VERSION;
    // The current selections arrive at once.
    if (!connection->roundtrip()) {
        zwlr_data_control_device_v1_destroy(m_device);
        m_device = nullptr;
    }
}

DataControlClipboard::~DataControlClipboard()
{
    for (const auto &t : m_transfers)
        ::close(t->fd);
    m_transfers.clear();
    m_offers.clear();
    m_sources.clear();
    if (m_device)
        zwlr_data_control_device_v1_destroy(m_device);
    m_connection->flush();
}

DataControlClipboard::Offer *DataControlClipboard::findOffer(zwlr_data_control_offer_v1 *offer)
{
    for (const auto &o : m_offers) {
        if (o->proxy == offer)
            return o.get();
    }
    return nullptr;
}

void DataControlClipboard::offerAnnounced(zwlr_data_control_offer_v1 *offer)
{
    auto o = std::make_unique<Offer>();
    o->proxy = offer;
    m_offers.push_back(std::move(o));
}

void DataControlClipboard::mimeOffered(zwlr_data_control_offer_v1 *offer, const char *mime)
{
    if (Offer *o = findOffer(offer))
        o->mimes.append(QByteArray(mime));
}

void DataControlClipboard::selectionChanged(Selection which, zwlr_data_control_offer_v1 *offer)
{
    m_current[int(which)] = offer ? findOffer(offer) : nullptr;
    // Every offer is named by its selection event right after it is
    // announced: the ones no selection holds now are done with.
    for (auto it = m_offers.begin(); it != m_offers.end();) {
        if (it->get() != m_current[0] && it->get() != m_current[1])
            it = m_offers.erase(it);
        else
            ++it;
    }
}

void DataControlClipboard::deviceFinished()
{
    m_current[0] = m_current[1] = nullptr;
    m_offers.clear();
    zwlr_data_control_device_v1_destroy(m_device);
    m_device = nullptr;
}

void DataControlClipboard::sendRequested(zwlr_data_control_source_v1 *source, const char *mime,
                                         int fd)
{
    const QByteArray type(mime);
    const QByteArray *data = nullptr;
    quint64 watch = 0;
    for (const auto &s : m_sources) {
        if (s->proxy != source)
            continue;
        watch = s->watch;
        for (const auto &format : qAsConst(s->formats)) {
            if (format.first == type) {
                data = &format.second;
                break;
            }
        }
        break;
    }
    int running = 0;
    for (const auto &t : m_transfers)
        running += t->source == source ? 1 : 0;
    const int flags = ::fcntl(fd, F_GETFL);
    if (!data || running >= MaxTransfersPerSource || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0) {
        ::close(fd);
        return;
    }
    auto transfer = std::make_unique<Transfer>();
    transfer->fd = fd;
    transfer->data = *data;
    transfer->watch = watch;
    transfer->source = source;
    transfer->text = isTextFormat(type);
    transfer->started.start();
    transfer->progressed.start();
    if (watch == m_watch && watch)
        m_sinceRequest.restart();
    Transfer *t = transfer.get();
    m_transfers.push_back(std::move(transfer));
    writeMore(t);
}

// Writes what the pipe takes now; the rest when it has room again.
void DataControlClipboard::writeMore(Transfer *t)
{
    while (t->written < t->data.size()) {
        const ssize_t n =
            ::write(t->fd, t->data.constData() + t->written, size_t(t->data.size() - t->written));
        if (n > 0) {
            t->written += n;
            t->progressed.restart();
            if (t->watch == m_watch && t->watch)
                m_sinceRequest.restart();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            if (t->progressed.elapsed() >= StallMs || t->started.elapsed() >= TransferLimitMs) {
                finish(t, false);
                return;
            }
            if (!t->notifier) {
                t->notifier = new QSocketNotifier(t->fd, QSocketNotifier::Write, this);
                connect(t->notifier, &QSocketNotifier::activated, this,
                        [this, t] { writeMore(t); });
                t->clock = new QTimer(this);
                connect(t->clock, &QTimer::timeout, this, [this, t] { writeMore(t); });
                t->clock->start(StallMs / 4);
            }
            return;
        }
        finish(t, false); // EPIPE: the reader went away
        return;
    }
    finish(t, true);
}

void DataControlClipboard::finish(Transfer *t, bool whole)
{
    if (t->watch == m_watch && t->watch) {
        m_sinceRequest.restart();
        if (whole && t->text)
            ++m_reads;
    }
    if (t->notifier) {
        t->notifier->setEnabled(false);
        t->notifier->deleteLater();
        t->clock->stop();
        t->clock->deleteLater();
    }
    ::close(t->fd);
    for (auto it = m_transfers.begin(); it != m_transfers.end(); ++it) {
        if (it->get() == t) {
            m_transfers.erase(it);
            break;
        }
    }
}

void DataControlClipboard::sourceCancelled(zwlr_data_control_source_v1 *source)
{
    for (auto &text : m_textSource) {
        if (text == source)
            text = nullptr;
    }
    for (auto it = m_sources.begin(); it != m_sources.end(); ++it) {
        if ((*it)->proxy == source) {
            if ((*it)->watch == m_watch && m_watch)
                m_watchLost = true;
            m_sources.erase(it);
            return;
        }
    }
}

bool DataControlClipboard::watchedTransferUnderWay() const
{
    for (const auto &t : m_transfers) {
        if (t->watch == m_watch && t->watch)
            return true;
    }
    return false;
}

bool DataControlClipboard::read(Selection which, Content *out, const QDeadlineTimer &deadline)
{
    *out = Content();
    if (!m_device || !m_connection->roundtrip())
        return false;
    Offer *offer = m_current[int(which)];
    if (!offer || offer->mimes.isEmpty())
        return true; // nothing to keep
    out->empty = false;
    qint64 total = 0;
    for (const QByteArray &mime : qAsConst(offer->mimes)) {
        int ends[2];
        const qint64 left = deadline.remainingTime();
        const int timeoutMs = left < 0 ? ReadTimeoutMs : int(qMin<qint64>(left, ReadTimeoutMs));
        if (total > BackupLimit || timeoutMs <= 0 || ::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
            ++out->lostFormats;
            continue;
        }
        zwlr_data_control_offer_v1_receive(offer->proxy, mime.constData(), ends[1]);
        ::close(ends[1]);
        m_connection->flush();
        // The owner may be one of our own (a copy put back earlier, or an X
        // window of ours behind XWayland): its answers need the event loop.
        QByteArray bytes;
        bool ended = false;
        bool broken = false;
        X11Wait::serveEventsUntil(
            [&] {
                char buffer[65536];
                for (;;) {
                    const ssize_t n = ::read(ends[0], buffer, sizeof buffer);
                    if (n > 0) {
                        bytes.append(buffer, int(n));
                        if (total + bytes.size() > BackupLimit) {
                            broken = true;
                            return true;
                        }
                        continue;
                    }
                    if (n == 0)
                        ended = true;
                    else if (errno != EAGAIN && errno != EINTR)
                        broken = true;
                    return ended || broken;
                }
            },
            timeoutMs, 2);
        ::close(ends[0]);
        // The offer may have gone while we read (the selection changed).
        if (!ended || broken || m_current[int(which)] != offer) {
            ++out->lostFormats;
            if (m_current[int(which)] != offer)
                return false;
            continue;
        }
        total += bytes.size();
        out->formats.append({mime, bytes});
    }
    return true;
}

bool DataControlClipboard::setSource(Selection which, std::unique_ptr<Source> source)
{
    zwlr_data_control_source_v1_add_listener(source->proxy, &sourceListener, this);
    for (const auto &format : qAsConst(source->formats))
        zwlr_data_control_source_v1_offer(source->proxy, format.first.constData());
    if (which == Selection::Primary)
        zwlr_data_control_device_v1_set_primary_selection(m_device, source->proxy);
    else
        zwlr_data_control_device_v1_set_selection(m_device, source->proxy);
    m_sources.push_back(std::move(source));
    // Through the compositor before the paste key goes out.
    return m_connection->roundtrip();
}

bool DataControlClipboard::offerText(Selection which, const QByteArray &utf8, bool watched)
{
    if (!m_device || (which == Selection::Primary && !m_primaryAvailable))
        return false;
    auto source = std::make_unique<Source>();
    source->proxy =
        zwlr_data_control_manager_v1_create_data_source(m_connection->dataControlManager());
    for (const char *format : TextFormats)
        source->formats.append({QByteArray(format), utf8});
    if (watched) {
        source->watch = ++m_watch;
        m_reads = 0;
        m_watchLost = false;
        m_sinceRequest.invalidate();
    }
    m_textSource[int(which)] = source->proxy;
    return setSource(which, std::move(source));
}

bool DataControlClipboard::textStillOffered(Selection which)
{
    // Cancellations the compositor sent meanwhile come in first.
    return m_device && m_connection->roundtrip() && m_textSource[int(which)] != nullptr;
}

bool DataControlClipboard::awaitFetch(quint64 target)
{
    // Up to FetchWaitMs for the target to ask; then for as long as its
    // transfers go on (each within its limits) and until it is through.
    const int expected = m_pasteReads.expected(target);
    X11Wait::serveEventsUntil([&] { return m_sinceRequest.isValid() || m_watchLost; }, FetchWaitMs);
    if (m_sinceRequest.isValid())
        X11Wait::serveEventsUntil(
            [&] {
                if (m_watchLost && m_reads == 0)
                    return true;
                const bool underWay = watchedTransferUnderWay();
                const qint64 quiet = m_sinceRequest.elapsed();
                // Asked for no text yet, only for another format.
                if (m_reads == 0)
                    return !underWay && quiet >= QuietMs;
                return PasteReads::over(m_reads, expected, quiet, underWay);
            },
            TransferLimitMs + StallMs + PasteReads::MissingReadSettleMs);
    if (target)
        m_pasteReads.learn(target, m_reads);
    return m_reads > 0;
}

bool DataControlClipboard::put(Selection which, const Content &content)
{
    if (!m_device || (which == Selection::Primary && !m_primaryAvailable))
        return false;
    if (content.empty || content.formats.isEmpty()) {
        if (which == Selection::Primary)
            zwlr_data_control_device_v1_set_primary_selection(m_device, nullptr);
        else
            zwlr_data_control_device_v1_set_selection(m_device, nullptr);
        return m_connection->roundtrip();
    }
    m_textSource[int(which)] = nullptr;
    auto source = std::make_unique<Source>();
    source->proxy =
        zwlr_data_control_manager_v1_create_data_source(m_connection->dataControlManager());
    source->formats = content.formats;
    return setSource(which, std::move(source));
}
