#include "wayland/mutterremotedesktop.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

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
