#include "wayland/mutterremotedesktop.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

// The clipboard half of mutter's remote desktop session: what we offer is
// written to the readers mutter hands us, what another program owns is read
// through mutter, and the session stays open while mutter could not keep the
// user's content by itself.

namespace {

// A selection set this long before the paste keys has reached the target.
constexpr int SelectionSettleMs = 50;
constexpr int FetchLimitMs = 2000;
constexpr int ReadFormatTimeoutMs = 1000;
constexpr int ReadTimeoutMs = 3000;
constexpr int MaxFormatBytes = 64 * 1024 * 1024;

// A write that cannot kill the program when the reader has gone: SIGPIPE is
// held back for the call and a SIGPIPE it raised is taken off again.
ssize_t writeWithoutSigpipe(int fd, const char *data, size_t size)
{
    sigset_t pipeSet;
    sigset_t old;
    sigemptyset(&pipeSet);
    sigaddset(&pipeSet, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSet, &old);
    sigset_t pending;
    sigemptyset(&pending);
    sigpending(&pending);
    const bool wasPending = sigismember(&pending, SIGPIPE);
    ssize_t n;
    do {
        n = ::write(fd, data, size);
    } while (n < 0 && errno == EINTR);
    const int error = errno;
    if (n < 0 && error == EPIPE && !wasPending) {
        const timespec zero = {0, 0};
        sigtimedwait(&pipeSet, nullptr, &zero);
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    errno = error;
    return n;
}

// The file descriptor of a reply, as our own copy; -1 when there is none.
int takeDescriptor(const QDBusMessage &reply)
{
    if (reply.arguments().isEmpty())
        return -1;
    const QDBusUnixFileDescriptor fd = qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments()[0]);
    if (!fd.isValid())
        return -1;
    return ::fcntl(fd.fileDescriptor(), F_DUPFD_CLOEXEC, 0);
}

// mutter 43 sends the MIME types of SelectionOwnerChanged as a structure
// holding the list; a plain list is taken too.
QStringList mimeTypesOf(const QVariant &value)
{
    QVariant inner = value;
    if (inner.userType() == qMetaTypeId<QDBusVariant>())
        inner = qvariant_cast<QDBusVariant>(inner).variant();
    if (inner.userType() == QMetaType::QStringList)
        return inner.toStringList();
    if (inner.userType() != qMetaTypeId<QDBusArgument>())
        return {};
    // Checked for its form before it is read: reading a value of another
    // type than the message holds aborts inside libdbus.
    const QDBusArgument argument = qvariant_cast<QDBusArgument>(inner);
    const QString signature = argument.currentSignature();
    QStringList types;
    if (signature == QLatin1String("(as)")) {
        argument.beginStructure();
        argument >> types;
        argument.endStructure();
    } else if (signature == QLatin1String("as")) {
        argument >> types;
    }
    return types;
}

} // namespace

bool MutterRemoteDesktop::mutterKeepsWhole(const QVector<QPair<QByteArray, QByteArray>> &formats)
{
    // mutter's own copy: the type it likes best among plain text and a few
    // pictures (meta-clipboard-manager.c), from the least liked up.
    static const char *const kept[] = {"image/tiff",    "image/bmp",  "image/gif",
                                       "image/jpeg",    "image/webp", "image/png",
                                       "image/svg+xml", "text/plain", "text/plain;charset=utf-8"};
    int best = -1;
    for (const auto &format : formats) {
        for (int i = 0; i < int(sizeof kept / sizeof *kept); ++i) {
            if (format.first == kept[i])
                best = qMax(best, i);
        }
    }
    if (best < 0)
        return formats.isEmpty();
    const QByteArray *bestBytes = nullptr;
    for (const auto &format : formats) {
        if (format.first == kept[best])
            bestBytes = &format.second;
    }
    // Every other type is lost, but for the same text under the names X11
    // programs and older ones ask for: mutter offers its copy to them too.
    static const QByteArrayList sameText = {"text/plain;charset=utf-8", "text/plain", "UTF8_STRING",
                                            "STRING", "TEXT"};
    for (const auto &format : formats) {
        if (format.first == kept[best])
            continue;
        if (!(sameText.contains(kept[best]) && sameText.contains(format.first) &&
              format.second == *bestBytes))
            return false;
    }
    return true;
}

void MutterRemoteDesktop::onOwnerChanged(const QVariantMap &options)
{
    m_ownerGeneration++;
    m_ownerMimeTypes = mimeTypesOf(options.value(QStringLiteral("mime-types")));
    m_ownerIsUs = options.value(QStringLiteral("session-is-owner")).toBool();
    if (!m_ownerIsUs)
        m_offer.clear();
}

void MutterRemoteDesktop::onTransfer(const QString &mimeType, uint serial)
{
    if (m_session.isEmpty())
        return;
    const QByteArray type = mimeType.toUtf8();
    const QByteArray *data = nullptr;
    for (const auto &format : qAsConst(m_offer)) {
        if (format.first == type) {
            data = &format.second;
            break;
        }
    }
    // mutter keeps a copy of every new clipboard, asking for it as soon as
    // the selection is set, before anyone could paste. A text we paste is not
    // to outlive the paste, so that request is left unanswered: mutter drops
    // it with the selection. What the user owns is handed over, so that it
    // stays when we end.
    if (!m_offerSettled && m_offerWatched)
        return;
    m_lastTransferActivity.start();
    QDBusMessage reply;
    const int fd =
        data && call(QStringLiteral("SelectionWrite"), {QVariant::fromValue(serial)}, &reply)
            ? takeDescriptor(reply)
            : -1;
    if (fd < 0) {
        if (!m_session.isEmpty())
            call(QStringLiteral("SelectionWriteDone"),
                 {QVariant::fromValue(serial), QVariant::fromValue(false)});
        return;
    }
    auto *transfer = new Transfer;
    transfer->serial = serial;
    transfer->fd = fd;
    transfer->data = *data;
    // Only what the paste keys asked for counts: a clipboard history that
    // reads every new selection says nothing of the paste.
    transfer->counted = m_offerWatched && m_offerSettled && m_pasteKeysSent;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    transfer->started.start();
    transfer->progressed.start();
    m_transfers << transfer;
    m_activeTransfers++;
    m_transferClock->start();
    writeMore(transfer);
}

void MutterRemoteDesktop::writeMore(Transfer *transfer)
{
    while (transfer->written < transfer->data.size()) {
        const ssize_t n =
            writeWithoutSigpipe(transfer->fd, transfer->data.constData() + transfer->written,
                                size_t(transfer->data.size() - transfer->written));
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!transfer->notifier) {
                transfer->notifier = new QSocketNotifier(transfer->fd, QSocketNotifier::Write);
                connect(transfer->notifier, &QSocketNotifier::activated, this,
                        [this, transfer] { writeMore(transfer); });
            }
            transfer->notifier->setEnabled(true);
            return;
        }
        if (n <= 0) {
            finishTransfer(transfer, false);
            return;
        }
        transfer->written += n;
        transfer->progressed.start();
        m_lastTransferActivity.start();
    }
    finishTransfer(transfer, true);
}

void MutterRemoteDesktop::checkTransfers()
{
    const QVector<Transfer *> transfers = m_transfers;
    for (Transfer *transfer : transfers) {
        if (transfer->progressed.elapsed() >= TransferStallMs ||
            transfer->started.elapsed() >= TransferLimitMs)
            finishTransfer(transfer, false);
    }
    if (m_transfers.isEmpty())
        m_transferClock->stop();
}

void MutterRemoteDesktop::finishTransfer(Transfer *transfer, bool complete)
{
    if (transfer->notifier) {
        transfer->notifier->setEnabled(false);
        transfer->notifier->deleteLater();
        transfer->notifier = nullptr;
    }
    const bool closed = ::close(transfer->fd) == 0;
    transfer->fd = -1;
    m_transfers.removeOne(transfer);
    m_activeTransfers--;
    m_lastTransferActivity.start();
    const bool told =
        call(QStringLiteral("SelectionWriteDone"),
             {QVariant::fromValue(transfer->serial), QVariant::fromValue(complete && closed)});
    if (complete && closed && told && transfer->counted)
        m_fetches++;
    delete transfer;
}

bool MutterRemoteDesktop::setSelection(const QVector<QPair<QByteArray, QByteArray>> &formats,
                                       bool watched)
{
    QVariantMap options;
    if (!formats.isEmpty()) {
        QStringList types;
        for (const auto &format : formats)
            types << QString::fromUtf8(format.first);
        options.insert(QStringLiteral("mime-types"), types);
    }
    // Requests from here until the selection has settled are mutter's own.
    m_offer = formats;
    m_offerWatched = watched;
    m_offerSettled = false;
    m_pasteKeysSent = false;
    m_fetches = 0;
    if (!call(QStringLiteral("SetSelection"), {QVariant::fromValue(options)})) {
        m_offer.clear();
        m_offerSettled = true;
        return false;
    }
    flushSignals();
    m_offerSettled = true;
    return !m_session.isEmpty();
}

bool MutterRemoteDesktop::offerText(Selection which, const QByteArray &utf8, bool watched)
{
    if (which != Selection::Clipboard) {
        m_error = QStringLiteral("mutter's session has no primary selection");
        return false;
    }
    if (!ensureSession())
        return false;
    const QVector<QPair<QByteArray, QByteArray>> formats = {
        {QByteArrayLiteral("text/plain;charset=utf-8"), utf8},
        {QByteArrayLiteral("text/plain"), utf8},
        {QByteArrayLiteral("UTF8_STRING"), utf8},
        {QByteArrayLiteral("STRING"), utf8},
        {QByteArrayLiteral("TEXT"), utf8},
    };
    if (!setSelection(formats, watched))
        return false;
    if (!m_ownerIsUs) {
        m_error = QStringLiteral("the clipboard did not become ours");
        return false;
    }
    // The target learns of the new selection on its next input event; keys
    // that follow at once could still paste the old one.
    serveFor(SelectionSettleMs);
    if (!m_ownerIsUs) {
        m_error = QStringLiteral("another program took the clipboard");
        return false;
    }
    return true;
}

bool MutterRemoteDesktop::awaitFetch(quint64 target)
{
    if (!m_offerWatched || m_offer.isEmpty()) {
        m_error = QStringLiteral("no pasted text is offered");
        return false;
    }
    const int expected = m_pasteReads.expected(target);
    const QDeadlineTimer deadline(FetchLimitMs + PasteReads::MissingReadSettleMs);
    for (;;) {
        if (m_session.isEmpty() || !m_ownerIsUs) {
            m_error = QStringLiteral("the clipboard was lost before the target fetched it");
            return false;
        }
        if (m_fetches > 0 && m_activeTransfers == 0 &&
            PasteReads::over(m_fetches, expected, m_lastTransferActivity.elapsed(), false)) {
            if (target)
                m_pasteReads.learn(target, m_fetches);
            return true;
        }
        if (deadline.hasExpired()) {
            m_error = m_fetches > 0 ? QStringLiteral("the target kept fetching")
                                    : QStringLiteral("no target fetched the pasted text");
            return false;
        }
        serveFor(10);
    }
}

bool MutterRemoteDesktop::readFormat(const QString &mimeType, int timeoutMs, QByteArray *out)
{
    // mutter serves one read at a time and learns only a moment after the
    // end of the last one that it is over; until then it refuses.
    const QDeadlineTimer deadline(timeoutMs);
    QDBusMessage reply;
    for (;;) {
        if (call(QStringLiteral("SelectionRead"), {mimeType}, &reply))
            break;
        if (m_errorName != QStringLiteral("org.freedesktop.DBus.Error.LimitsExceeded") ||
            deadline.hasExpired() || m_session.isEmpty())
            return false;
        serveFor(5);
    }
    const int fd = takeDescriptor(reply);
    if (fd < 0) {
        m_error = QStringLiteral("SelectionRead: no file descriptor");
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    QByteArray data;
    bool done = false;
    bool failed = false;
    QEventLoop loop;
    QSocketNotifier notifier(fd, QSocketNotifier::Read);
    auto drain = [&] {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                data.append(buffer, int(n));
                if (data.size() > MaxFormatBytes) {
                    failed = true;
                    break;
                }
                continue;
            }
            if (n == 0)
                done = true;
            else if (errno == EINTR)
                continue;
            else if (errno != EAGAIN && errno != EWOULDBLOCK)
                failed = true;
            break;
        }
        if (done || failed)
            loop.quit();
    };
    connect(&notifier, &QSocketNotifier::activated, &loop, drain);
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    drain();
    if (!done && !failed) {
        timer.start(int(qMax<qint64>(1, deadline.remainingTime())));
        loop.exec();
    }
    notifier.setEnabled(false);
    ::close(fd);
    if (!done) {
        m_error = failed ? QStringLiteral("reading %1 failed").arg(mimeType)
                         : QStringLiteral("reading %1 timed out").arg(mimeType);
        return false;
    }
    *out = data;
    return true;
}

bool MutterRemoteDesktop::read(Selection which, Content *out, const QDeadlineTimer &limit)
{
    if (which != Selection::Clipboard) {
        m_error = QStringLiteral("mutter's session has no primary selection");
        return false;
    }
    if (!ensureSession())
        return false;
    flushSignals();
    if (m_session.isEmpty())
        return false;
    Content content;
    if (m_ownerIsUs) {
        // mutter does not let a session read its own selection; it is what we
        // offer.
        content.formats = m_offer;
        content.empty = m_offer.isEmpty();
        *out = content;
        return true;
    }
    const quint64 generation = m_ownerGeneration;
    QStringList types;
    for (const QString &type : qAsConst(m_ownerMimeTypes)) {
        // X11 programs list the selection protocol's own targets beside
        // their data; they are no format to keep.
        static const QStringList protocol = {
            QStringLiteral("TARGETS"),      QStringLiteral("MULTIPLE"), QStringLiteral("TIMESTAMP"),
            QStringLiteral("SAVE_TARGETS"), QStringLiteral("DELETE"),   QStringLiteral("INCR")};
        if (!protocol.contains(type))
            types << type;
    }
    content.empty = types.isEmpty();
    const QDeadlineTimer deadline = qMin(limit, QDeadlineTimer(ReadTimeoutMs));
    for (const QString &type : qAsConst(types)) {
        QByteArray data;
        const int timeout = int(qMin<qint64>(ReadFormatTimeoutMs, deadline.remainingTime()));
        if (timeout > 0 && readFormat(type, timeout, &data))
            content.formats.append({type.toUtf8(), data});
        else
            content.lostFormats++;
        if (m_session.isEmpty())
            return false;
    }
    flushSignals();
    if (m_ownerGeneration != generation) {
        // A copy from two owners would be worse than none.
        m_error = QStringLiteral("the clipboard changed while it was read");
        return false;
    }
    if (!types.isEmpty() && content.formats.isEmpty())
        return false;
    *out = content;
    return true;
}

bool MutterRemoteDesktop::put(Selection which, const Content &content)
{
    if (which != Selection::Clipboard) {
        m_error = QStringLiteral("mutter's session has no primary selection");
        return false;
    }
    if (!ensureSession())
        return false;
    flushSignals();
    if (content.empty || content.formats.isEmpty()) {
        // mutter lets a session give up only its own selection; another
        // program's stays. With our own gone, the clipboard is empty unless
        // mutter kept a copy of it.
        if (!m_ownerIsUs) {
            if (m_ownerMimeTypes.isEmpty())
                return true;
            m_error = QStringLiteral("the clipboard belongs to another program now");
            return false;
        }
        if (!setSelection({}, false))
            return false;
        if (!m_ownerMimeTypes.isEmpty()) {
            m_error = QStringLiteral("mutter kept a copy of the clipboard");
            return false;
        }
        return true;
    }
    if (!setSelection(content.formats, false))
        return false;
    if (!m_ownerIsUs) {
        m_error = QStringLiteral("the clipboard did not become ours");
        return false;
    }
    return true;
}
