#include "platform/x11/atspicaret.h"

#include "platform/x11/x11wait.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QVariant>
#include <QVector>

namespace {

// Questions about the caret's place: the picker must not wait on a slow
// program, it opens at the pointer instead.
constexpr int CaretCallTimeoutMs = 100;
// Questions about what the focused field is: a program under load is waited
// for, not taken for one without a password field.
constexpr int FieldCallTimeoutMs = 2000;
constexpr int BusAddressTimeoutMs = 1000;
constexpr int RefocusPollMs = 5;
// The names and processes remembered; far more programs than a session
// runs at once (the list starts again when it is full).
constexpr int MaxRemembered = 512;

// AT-SPI's numbers (atspi-constants.h).
constexpr uint StateEditable = 7;
constexpr uint StateFocused = 12;
constexpr uint StateReadOnly = 43;
constexpr uint RolePasswordText = 40;
constexpr uint RoleText = 61;
constexpr uint RoleEntry = 79;
constexpr uint CoordTypeScreen = 0;
constexpr int MatchAll = 1;
constexpr uint SortCanonical = 1;

const QString BusName = QStringLiteral("scrivlet-a11y");
const QString AccessibleIface = QStringLiteral("org.a11y.atspi.Accessible");
const QString TextIface = QStringLiteral("org.a11y.atspi.Text");
const QString CollectionIface = QStringLiteral("org.a11y.atspi.Collection");
const QString RegistryService = QStringLiteral("org.a11y.atspi.Registry");

struct Ref
{
    QString service;
    QString path;
};

QDBusMessage call(const QDBusConnection &bus, const Ref &ref, const QString &iface,
                  const QString &method, const QVariantList &args, int timeoutMs)
{
    QDBusMessage m = QDBusMessage::createMethodCall(ref.service, ref.path, iface, method);
    m.setArguments(args);
    return bus.call(m, QDBus::Block, timeoutMs);
}

bool isReply(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
}

// a(so): a list of accessible objects.
QVector<Ref> refsOf(const QDBusMessage &reply)
{
    QVector<Ref> out;
    if (!isReply(reply))
        return out;
    const QDBusArgument arg = reply.arguments().first().value<QDBusArgument>();
    if (arg.currentSignature() != QLatin1String("a(so)"))
        return out;
    arg.beginArray();
    while (!arg.atEnd()) {
        Ref r;
        QDBusObjectPath path;
        arg.beginStructure();
        arg >> r.service >> path;
        arg.endStructure();
        r.path = path.path();
        out.append(r);
    }
    arg.endArray();
    return out;
}

// au: an object's states, as bits; false when the object did not answer.
bool statesOf(const QDBusConnection &bus, const Ref &ref, int timeoutMs, QVector<uint> *words)
{
    const QDBusMessage reply =
        call(bus, ref, AccessibleIface, QStringLiteral("GetState"), {}, timeoutMs);
    if (!isReply(reply))
        return false;
    const QDBusArgument arg = reply.arguments().first().value<QDBusArgument>();
    words->clear();
    arg.beginArray();
    while (!arg.atEnd()) {
        uint w = 0;
        arg >> w;
        words->append(w);
    }
    arg.endArray();
    return true;
}

bool hasState(const QVector<uint> &words, uint state)
{
    const int word = int(state / 32);
    return word < words.size() && (words.at(word) & (1u << (state % 32)));
}

bool extents(const QDBusConnection &bus, const Ref &ref, int offset, QRect *rect)
{
    const QDBusMessage reply = call(bus, ref, TextIface, QStringLiteral("GetCharacterExtents"),
                                    {offset, CoordTypeScreen}, CaretCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 4)
        return false;
    const QVariantList a = reply.arguments();
    *rect = QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
    return rect->height() > 0;
}

int textProperty(const QDBusConnection &bus, const Ref &ref, const QString &name)
{
    const QDBusMessage reply = call(bus, ref, QStringLiteral("org.freedesktop.DBus.Properties"),
                                    QStringLiteral("Get"), {TextIface, name}, CaretCallTimeoutMs);
    if (!isReply(reply))
        return -1;
    return reply.arguments().first().value<QDBusVariant>().variant().toInt();
}

bool caretOf(const QDBusConnection &bus, const Ref &ref, QRect *rect)
{
    const int offset = textProperty(bus, ref, QStringLiteral("CaretOffset"));
    const int count = textProperty(bus, ref, QStringLiteral("CharacterCount"));
    if (offset < 0)
        return false;
    if ((count < 0 || offset < count) && extents(bus, ref, offset, rect)) {
        rect->setWidth(1);
        return true;
    }
    // At the end of the text there is no character: stand right of the last one.
    QRect last;
    if (offset > 0 && extents(bus, ref, offset - 1, &last)) {
        *rect = QRect(last.right() + 1, last.top(), 1, last.height());
        return true;
    }
    return false;
}

// The one object of the program that is focused, asked of the program
// itself (the search runs inside it, over its own objects); false where the
// program cannot be asked this (Qt's programs).
bool askFocused(const QDBusConnection &bus, const Ref &app, int timeoutMs, Ref *focused)
{
    // Focused, with no condition on attributes, roles or interfaces (an
    // empty set matches only with "all": the program checks each part).
    QDBusArgument rule;
    rule.beginStructure();
    rule << QVector<int>{int(1u << StateFocused), 0} << MatchAll;
    rule.beginMap(QMetaType::QString, QMetaType::QString);
    rule.endMap();
    rule << MatchAll << QVector<int>{} << MatchAll << QStringList() << MatchAll << false;
    rule.endStructure();
    const QDBusMessage reply = call(bus, app, CollectionIface, QStringLiteral("GetMatches"),
                                    {QVariant::fromValue(rule), SortCanonical, 1, true}, timeoutMs);
    const QVector<Ref> found = refsOf(reply);
    if (found.isEmpty())
        return false;
    *focused = found.first();
    return true;
}

// Follows which object each program on the accessibility bus names as
// focused, from their announcements (object:state-changed:focused), as
// screen readers do. Lives as long as the application.
class FocusFollower final : public QObject
{
    Q_OBJECT

public:
    static FocusFollower &instance()
    {
        static QPointer<FocusFollower> follower;
        if (!follower)
            follower = new FocusFollower(QCoreApplication::instance());
        return *follower;
    }

    void setOnMoved(std::function<void()> onMoved) { m_onMoved = std::move(onMoved); }

    // Reaches the bus from the event loop.
    void start()
    {
        if (m_asked || qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            return;
        QDBusConnection session = QDBusConnection::sessionBus();
        if (!session.isConnected())
            return;
        m_asked = true;
        auto *watcher = new QDBusPendingCallWatcher(session.asyncCall(addressQuestion()), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher *w) {
                    const QDBusPendingReply<QString> address = *w;
                    w->deleteLater();
                    if (address.isValid() && !address.value().isEmpty())
                        connectTo(address.value());
                });
    }

    // The bus, reached now if it is not yet (a question before the event
    // loop has run); a disconnected one where there is none.
    QDBusConnection bus()
    {
        QDBusConnection existing(BusName);
        if (existing.isConnected() || qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            return existing;
        QDBusConnection session = QDBusConnection::sessionBus();
        if (!session.isConnected())
            return existing;
        const QDBusReply<QString> address =
            session.call(addressQuestion(), QDBus::Block, BusAddressTimeoutMs);
        if (address.isValid() && !address.value().isEmpty())
            connectTo(address.value());
        return QDBusConnection(BusName);
    }

    // The programs on the bus that belong to process pid.
    QVector<Ref> applicationsOf(const QDBusConnection &bus, quint32 pid)
    {
        const Ref root{RegistryService, QStringLiteral("/org/a11y/atspi/accessible/root")};
        QVector<Ref> apps;
        const QDBusMessage reply =
            call(bus, root, AccessibleIface, QStringLiteral("GetChildren"), {}, FieldCallTimeoutMs);
        for (const Ref &app : refsOf(reply)) {
            if (processOf(bus, app.service) == pid)
                apps.append(app);
        }
        return apps;
    }

    // The object the program announced last as focused; false when it
    // announced none, or took it back.
    bool announced(const QString &service, QString *path) const
    {
        const auto it = m_focused.constFind(service);
        if (it == m_focused.constEnd())
            return false;
        *path = it.value();
        return true;
    }

    // Announcements received but not yet read: those a program sent before
    // it answered a question are in by then.
    void takeAnnouncements() { QCoreApplication::sendPostedEvents(this, QEvent::MetaCall); }

private slots:
    void onStateChanged(const QDBusMessage &message)
    {
        const QVariantList args = message.arguments();
        if (args.size() < 2 || args.at(0).toString() != QLatin1String("focused"))
            return;
        const QString service = message.service();
        const QString path = message.path();
        if (args.at(1).toInt() == 0) {
            if (m_focused.value(service) == path)
                m_focused.remove(service);
            return;
        }
        if (m_focused.size() >= MaxRemembered)
            m_focused.clear();
        m_focused.insert(service, path);
        // A program that takes its focus back after a grab names the same
        // object again: that is no new field.
        const bool moved = service != m_lastService || path != m_lastPath;
        m_lastService = service;
        m_lastPath = path;
        if (moved && m_onMoved)
            m_onMoved();
    }

private:
    explicit FocusFollower(QObject *parent) : QObject(parent) {}

    static QDBusMessage addressQuestion()
    {
        return QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
            QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
    }

    void connectTo(const QString &address)
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, BusName);
        if (!bus.isConnected() || m_subscribed)
            return;
        m_subscribed =
            bus.connect(QString(), QString(), QStringLiteral("org.a11y.atspi.Event.Object"),
                        QStringLiteral("StateChanged"), {QStringLiteral("focused")}, QString(),
                        this, SLOT(onStateChanged(QDBusMessage)));
        // Programs announce only what some listener asked the registry for.
        QDBusMessage listen = QDBusMessage::createMethodCall(
            RegistryService, QStringLiteral("/org/a11y/atspi/registry"), RegistryService,
            QStringLiteral("RegisterEvent"));
        listen.setArguments({QStringLiteral("object:state-changed:focused")});
        bus.asyncCall(listen);
    }

    quint32 processOf(const QDBusConnection &bus, const QString &service)
    {
        const auto it = m_pids.constFind(service);
        if (it != m_pids.constEnd())
            return it.value();
        const QDBusReply<uint> owner = bus.interface()->servicePid(service);
        if (!owner.isValid())
            return 0;
        if (m_pids.size() >= MaxRemembered)
            m_pids.clear();
        m_pids.insert(service, owner.value()); // a unique name is never reused
        return owner.value();
    }

    bool m_asked = false;
    bool m_subscribed = false;
    QHash<QString, QString> m_focused; // program's bus name -> focused object
    QHash<QString, quint32> m_pids;
    QString m_lastService;
    QString m_lastPath;
    std::function<void()> m_onMoved;
};

enum class Found
{
    Object,  // *focused is it
    None,    // the program names none (yet)
    NoTree,  // the process publishes nothing
    NoReply, // the program did not answer
};

// The focused object of process pid and its states: the one it announced,
// checked with the program (which also brings in any later announcement),
// else asked of it directly.
Found focusedObject(const QDBusConnection &bus, quint32 pid, int timeoutMs, Ref *focused,
                    QVector<uint> *states)
{
    FocusFollower &follower = FocusFollower::instance();
    const QVector<Ref> apps = follower.applicationsOf(bus, pid);
    if (apps.isEmpty())
        return Found::NoTree;
    bool answered = false;
    for (const Ref &app : apps) {
        QString path;
        // A few rounds at most: each answer may bring the news that the
        // focus has moved on.
        for (int round = 0; round < 3 && follower.announced(app.service, &path); ++round) {
            const Ref candidate{app.service, path};
            const bool replied = statesOf(bus, candidate, timeoutMs, states);
            answered = answered || replied;
            follower.takeAnnouncements();
            QString now;
            if (follower.announced(app.service, &now) && now != path)
                continue;
            if (replied && hasState(*states, StateFocused)) {
                *focused = candidate;
                return Found::Object;
            }
            break;
        }
    }
    // Nothing announced (the focus was set before we listened): the
    // programs that can be asked are.
    for (const Ref &app : apps) {
        if (askFocused(bus, app, timeoutMs, focused) &&
            statesOf(bus, *focused, timeoutMs, states) && hasState(*states, StateFocused))
            return Found::Object;
        answered = answered || statesOf(bus, app, timeoutMs, states);
    }
    return answered ? Found::None : Found::NoReply;
}

// Asks until the program names its focused object, serving events (its
// announcements among them) for up to refocusMs.
Found focusedObjectWithin(const QDBusConnection &bus, quint32 pid, int timeoutMs, int refocusMs,
                          Ref *focused, QVector<uint> *states)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const Found found = focusedObject(bus, pid, timeoutMs, focused, states);
        if (found != Found::None || clock.elapsed() >= refocusMs)
            return found;
        X11Wait::serveEvents(RefocusPollMs);
    }
}

} // namespace

namespace AtspiCaret {

void followFocus(std::function<void()> onFocusMoved)
{
    if (!QCoreApplication::instance())
        return;
    FocusFollower &follower = FocusFollower::instance();
    follower.setOnMoved(std::move(onFocusMoved));
    follower.start();
}

FieldKind focusedField(quint32 pid, int refocusMs)
{
    if (!pid || !QCoreApplication::instance())
        return FieldKind::Unknown;
    const QDBusConnection bus = FocusFollower::instance().bus();
    if (!bus.isConnected())
        return FieldKind::Unknown;
    Ref focused;
    QVector<uint> states;
    if (focusedObjectWithin(bus, pid, FieldCallTimeoutMs, refocusMs, &focused, &states) !=
        Found::Object)
        return FieldKind::Unknown;
    const QDBusMessage role =
        call(bus, focused, AccessibleIface, QStringLiteral("GetRole"), {}, FieldCallTimeoutMs);
    if (!isReply(role))
        return FieldKind::Unknown;
    switch (role.arguments().first().toUInt()) {
    case RolePasswordText:
        return FieldKind::Password;
    case RoleEntry:
    case RoleText:
        // A field for text that the user cannot change.
        if (!hasState(states, StateEditable))
            return FieldKind::ReadOnly;
        break;
    default:
        break;
    }
    return hasState(states, StateReadOnly) ? FieldKind::ReadOnly : FieldKind::Text;
}

bool caretRect(quint32 pid, QRect *rect, int refocusMs)
{
    if (!pid || !QCoreApplication::instance())
        return false;
    const QDBusConnection bus = FocusFollower::instance().bus();
    if (!bus.isConnected())
        return false;
    Ref focused;
    QVector<uint> states;
    return focusedObjectWithin(bus, pid, CaretCallTimeoutMs, refocusMs, &focused, &states) ==
               Found::Object &&
           caretOf(bus, focused, rect);
}

} // namespace AtspiCaret

#include "atspicaret.moc"
