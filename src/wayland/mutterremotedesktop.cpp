#include "wayland/mutterremotedesktop.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusServiceWatcher>
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

namespace {

const QString Service = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
const QString ManagerPath = QStringLiteral("/org/gnome/Mutter/RemoteDesktop");
const QString ManagerInterface = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
const QString SessionInterface = QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session");
const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

constexpr int CallTimeoutMs = 3000;
// The first key after Start is lost; the one we send instead needs a moment
// before the next counts.
constexpr int WarmUpMs = 50;
// A selection set this long before the paste keys has reached the target.
constexpr int SelectionSettleMs = 50;
constexpr int FetchQuietMs = 150;
constexpr int FetchLimitMs = 2000;
constexpr int ReadFormatTimeoutMs = 1000;
constexpr int ReadTimeoutMs = 3000;
constexpr int MaxFormatBytes = 64 * 1024 * 1024;

constexpr quint32 KeysymShiftL = 0xffe1;

// evdev codes, as NotifyKeyboardKeycode takes them.
constexpr quint32 EvLeftCtrl = 29;
constexpr quint32 EvLeftShift = 42;
constexpr quint32 EvV = 47;
constexpr quint32 XkbKeyV = 0x76; // the keysym "v"
constexpr quint32 EvInsert = 110;
constexpr quint32 EvLeft = 105;
constexpr quint32 EvBackSpace = 14;

QString replyError(const QDBusMessage &reply)
{
    if (reply.type() == QDBusMessage::ErrorMessage)
        return reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
    return QStringLiteral("no reply");
}

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

MutterRemoteDesktop::MutterRemoteDesktop(QObject *parent)
    : QObject(parent), m_bus(QDBusConnection::sessionBus())
{
    m_watcher =
        new QDBusServiceWatcher(Service, m_bus, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            &MutterRemoteDesktop::onServiceGone);
    m_idle = new QTimer(this);
    m_idle->setSingleShot(true);
    connect(m_idle, &QTimer::timeout, this, &MutterRemoteDesktop::onIdle);
    m_transferClock = new QTimer(this);
    m_transferClock->setInterval(TransferStallMs / 4);
    connect(m_transferClock, &QTimer::timeout, this, &MutterRemoteDesktop::checkTransfers);
}

MutterRemoteDesktop::~MutterRemoteDesktop()
{
    if (!m_session.isEmpty())
        call(QStringLiteral("Stop"), {});
    dropSession();
}

bool MutterRemoteDesktop::available()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(Service);
    return registered.isValid() && registered.value();
}

bool MutterRemoteDesktop::setKeymap(const QByteArray &xkbKeymap, int layout)
{
    m_layout = layout;
    m_plan.clear();
    if (!m_keysyms.setKeymap(xkbKeymap)) {
        m_error = QStringLiteral("the keymap does not compile");
        return false;
    }
    return true;
}

bool MutterRemoteDesktop::isValid() const
{
    return m_bus.isConnected() && available();
}

// --- the session -----------------------------------------------------------

bool MutterRemoteDesktop::call(const QString &method, const QVariantList &arguments,
                               QDBusMessage *reply)
{
    if (m_session.isEmpty()) {
        m_error = QStringLiteral("no remote desktop session");
        return false;
    }
    QDBusMessage message =
        QDBusMessage::createMethodCall(Service, m_session, SessionInterface, method);
    message.setArguments(arguments);
    const QDBusMessage answer = m_bus.call(message, QDBus::Block, CallTimeoutMs);
    m_errorName.clear();
    if (answer.type() != QDBusMessage::ReplyMessage) {
        m_error = method + QStringLiteral(": ") + replyError(answer);
        m_errorName = answer.errorName();
        // The session is gone when mutter no longer knows it (GDBus answers
        // UnknownMethod for an object it does not have); a slow answer alone
        // fails the call but keeps the session.
        const QString name = answer.errorName();
        if (name == QStringLiteral("org.freedesktop.DBus.Error.UnknownObject") ||
            name == QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod") ||
            name == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown") ||
            name == QStringLiteral("org.freedesktop.DBus.Error.Disconnected"))
            dropSession();
        return false;
    }
    if (reply)
        *reply = answer;
    return true;
}

bool MutterRemoteDesktop::ensureSession()
{
    m_idle->start(IdleCloseMs);
    if (!m_session.isEmpty())
        return true;
    if (!m_bus.isConnected()) {
        m_error = QStringLiteral("no session bus");
        return false;
    }
    const QDBusMessage create =
        m_bus.call(QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface,
                                                  QStringLiteral("CreateSession")),
                   QDBus::Block, CallTimeoutMs);
    if (create.type() != QDBusMessage::ReplyMessage || create.arguments().isEmpty()) {
        m_error = QStringLiteral("CreateSession: ") + replyError(create);
        return false;
    }
    const QString path = qvariant_cast<QDBusObjectPath>(create.arguments()[0]).path();
    if (path.isEmpty()) {
        m_error = QStringLiteral("CreateSession: no session path");
        return false;
    }
    m_session = path;
    const bool connected =
        m_bus.connect(Service, path, SessionInterface, QStringLiteral("Closed"), this,
                      SLOT(onClosed())) &&
        m_bus.connect(Service, path, SessionInterface, QStringLiteral("SelectionOwnerChanged"),
                      this, SLOT(onOwnerChanged(QVariantMap))) &&
        m_bus.connect(Service, path, SessionInterface, QStringLiteral("SelectionTransfer"), this,
                      SLOT(onTransfer(QString, uint)));
    if (!connected) {
        m_error = QStringLiteral("cannot watch the session's signals");
        call(QStringLiteral("Stop"), {});
        dropSession();
        return false;
    }
    m_ownerGeneration++;
    m_ownerIsUs = false;
    m_ownerMimeTypes.clear();
    // The clipboard before the first key: mutter reports the current owner
    // at once. The first key of a session is lost, so a harmless one goes
    // first.
    if (!call(QStringLiteral("Start"), {}) ||
        !call(QStringLiteral("EnableClipboard"), {QVariant::fromValue(QVariantMap())}) ||
        !key(KeysymShiftL, true, true) || !key(KeysymShiftL, false, true)) {
        const QString error = m_error;
        if (!m_session.isEmpty())
            call(QStringLiteral("Stop"), {});
        dropSession();
        m_error = error;
        return false;
    }
    serveFor(WarmUpMs);
    if (m_session.isEmpty()) {
        m_error = QStringLiteral("the remote desktop session closed at once");
        return false;
    }
    return true;
}

void MutterRemoteDesktop::dropSession()
{
    if (!m_session.isEmpty()) {
        m_bus.disconnect(Service, m_session, SessionInterface, QStringLiteral("Closed"), this,
                         SLOT(onClosed()));
        m_bus.disconnect(Service, m_session, SessionInterface,
                         QStringLiteral("SelectionOwnerChanged"), this,
                         SLOT(onOwnerChanged(QVariantMap)));
        m_bus.disconnect(Service, m_session, SessionInterface, QStringLiteral("SelectionTransfer"),
                         this, SLOT(onTransfer(QString, uint)));
    }
    m_session.clear();
    // What the session offered went with it.
    for (Transfer *transfer : qAsConst(m_transfers)) {
        delete transfer->notifier;
        if (transfer->fd >= 0)
            ::close(transfer->fd);
        delete transfer;
    }
    m_transfers.clear();
    m_activeTransfers = 0;
    m_offer.clear();
    m_ownerIsUs = false;
    m_ownerMimeTypes.clear();
    m_ownerGeneration++;
}

void MutterRemoteDesktop::onClosed()
{
    m_error = QStringLiteral("mutter closed the remote desktop session");
    dropSession();
}

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

// mutter keeps a copy of every clipboard but a paste of ours, and offers it
// once its owner is gone: of one type only. So the session that put the
// user's content back stays while that content is on the clipboard with
// more than mutter would keep of it (GNOME Shell shows its remote access
// indicator meanwhile); once another program owns the clipboard, it closes.
void MutterRemoteDesktop::onIdle()
{
    if (m_session.isEmpty())
        return;
    // Still serving, our paste still on the clipboard, or the user's
    // content that would not survive us: later.
    if (m_activeTransfers > 0 || (m_ownerIsUs && m_offerWatched) ||
        (m_ownerIsUs && !mutterKeepsWhole(m_offer))) {
        m_idle->start(IdleCloseMs);
        return;
    }
    call(QStringLiteral("Stop"), {});
    dropSession();
}

void MutterRemoteDesktop::onServiceGone()
{
    m_error = QStringLiteral("mutter's remote desktop service left the bus");
    dropSession();
}

void MutterRemoteDesktop::serveFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Delivers the signals mutter sent before its answer to our last call: they
// are queued by then, and a round trip makes sure of it.
void MutterRemoteDesktop::flushSignals()
{
    if (m_session.isEmpty())
        return;
    QDBusMessage ping = QDBusMessage::createMethodCall(
        Service, m_session, QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
    m_bus.call(ping, QDBus::Block, CallTimeoutMs);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// --- keys ------------------------------------------------------------------

bool MutterRemoteDesktop::key(quint32 code, bool down, bool keysym)
{
    return call(keysym ? QStringLiteral("NotifyKeyboardKeysym")
                       : QStringLiteral("NotifyKeyboardKeycode"),
                {QVariant::fromValue(uint(code)), QVariant::fromValue(down)});
}

bool MutterRemoteDesktop::lockState(MutterKeysyms::Locks *locks)
{
    for (const bool caps : {true, false}) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            Service, m_session, PropertiesInterface, QStringLiteral("Get"));
        message.setArguments({SessionInterface, caps ? QStringLiteral("CapsLockState")
                                                     : QStringLiteral("NumLockState")});
        const QDBusMessage reply = m_bus.call(message, QDBus::Block, CallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            m_error = QStringLiteral("lock state: ") + replyError(reply);
            return false;
        }
        const QVariant value = qvariant_cast<QDBusVariant>(reply.arguments()[0]).variant();
        if (value.userType() != QMetaType::Bool) {
            m_error = QStringLiteral("lock state: not a boolean");
            return false;
        }
        (caps ? locks->caps : locks->num) = value.toBool();
    }
    return true;
}

bool MutterRemoteDesktop::prepare(const QString &text)
{
    m_plan.clear();
    if (!m_keysyms.hasKeymap()) {
        m_error = QStringLiteral("the keymap is not known");
        return false;
    }
    if (!ensureSession())
        return false;
    MutterKeysyms::Locks locks;
    if (!lockState(&locks))
        return false;
    QHash<char32_t, quint32> plan;
    for (const uint code : text.toUcs4()) {
        const char32_t character = char32_t(code);
        if (plan.contains(character))
            continue;
        const quint32 keysym = m_keysyms.keysymFor(character, m_layout, locks);
        if (keysym == 0)
            return false;
        plan.insert(character, keysym);
    }
    m_plan = plan;
    return true;
}

NativeKeyboard::Sent MutterRemoteDesktop::type(const QVector<char32_t> &characters)
{
    // Nothing at all unless prepare() accepted every one.
    for (const char32_t character : characters) {
        if (!m_plan.contains(character)) {
            m_error = QStringLiteral("a character that was not prepared");
            return Sent::Nothing;
        }
    }
    if (m_session.isEmpty()) {
        m_error = QStringLiteral("the remote desktop session is gone");
        return Sent::Nothing;
    }
    bool first = true;
    for (const char32_t character : characters) {
        const quint32 keysym = m_plan.value(character);
        // A call that failed for want of an answer may still have typed.
        if (!key(keysym, true, true))
            return first && m_session.isEmpty() ? Sent::Nothing : Sent::Some;
        first = false;
        if (!key(keysym, false, true))
            return Sent::Some;
    }
    return Sent::All;
}

bool MutterRemoteDesktop::chord(quint32 modifiers, Key which)
{
    quint32 code = 0;
    switch (which) {
    case Key::Left:
        code = EvLeft;
        break;
    case Key::BackSpace:
        code = EvBackSpace;
        break;
    case Key::PasteV:
        code = EvV;
        break;
    case Key::Insert:
        code = EvInsert;
        break;
    }
    if (!ensureSession())
        return false;
    // Programs read Control+V by the key that types "v" in the layout in use:
    // mutter finds that key for the keysym (a Dvorak layout has it
    // elsewhere). A layout without one (Russian, Greek) leaves Qt's and GTK's
    // Wayland programs deaf to Control+V; Shift+Insert pastes the clipboard
    // in both, so a plain paste goes that way there.
    bool pasteBySym = false;
    if (which == Key::PasteV && m_keysyms.hasKeymap()) {
        MutterKeysyms::Locks locks;
        if (m_keysyms.keysymFor(U'v', m_layout, locks) != 0) {
            pasteBySym = true;
        } else if (modifiers == ControlBit) {
            modifiers = ShiftBit;
            code = EvInsert;
        }
    }
    QVector<quint32> held;
    if (modifiers & ControlBit)
        held << EvLeftCtrl;
    if (modifiers & ShiftBit)
        held << EvLeftShift;
    bool ok = true;
    int pressed = 0;
    for (; pressed < held.size() && ok; ++pressed)
        ok = key(held[pressed], true, false);
    if (!ok)
        --pressed; // that one did not go down
    if (ok)
        ok = key(pasteBySym ? XkbKeyV : code, true, pasteBySym) &&
             key(pasteBySym ? XkbKeyV : code, false, pasteBySym);
    // Whatever went down comes up again, even after a failure.
    for (int i = pressed - 1; i >= 0; --i) {
        if (!m_session.isEmpty())
            ok = key(held[i], false, false) && ok;
    }
    if (ok && (which == Key::PasteV || which == Key::Insert))
        m_pasteKeysSent = true;
    return ok;
}

// --- clipboard -------------------------------------------------------------

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

bool MutterRemoteDesktop::awaitFetch()
{
    if (!m_offerWatched || m_offer.isEmpty()) {
        m_error = QStringLiteral("no pasted text is offered");
        return false;
    }
    const QDeadlineTimer deadline(FetchLimitMs);
    for (;;) {
        if (m_session.isEmpty() || !m_ownerIsUs) {
            m_error = QStringLiteral("the clipboard was lost before the target fetched it");
            return false;
        }
        if (m_fetches > 0 && m_activeTransfers == 0 &&
            m_lastTransferActivity.elapsed() >= FetchQuietMs)
            return true;
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
