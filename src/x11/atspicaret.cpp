#include "x11/atspicaret.h"

#include "x11/atspicalls.h"
#include "x11/x11wait.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
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

using namespace Atspi;

namespace {

// The whole question about the caret's place: the picker must not wait on a
// slow program, it opens at the pointer instead.
constexpr int CaretLimitMs = 300;
constexpr int BusAddressTimeoutMs = 1000;
constexpr int RefocusPollMs = 5;
// A process may publish several programs (a toolkit's and a plug-in's):
// a few are asked; one with more than that is not taken at its word.
constexpr int MaxApplicationsPerProcess = 4;
// The registry's list of programs, read up to this many; the rest of a
// longer one is as good as unanswered.
constexpr int MaxApplications = 1024;
// The names and processes remembered; far more programs than a session
// runs at once (the list starts again when it is full).
constexpr int MaxRemembered = 512;

const QString BusName = QStringLiteral("scrivlet-a11y");

// The programs on the bus that belong to one process, as far as the
// registry told in time.
struct Applications
{
    Answer registry = Answer::Silent;
    QVector<Ref> apps;
    bool complete = false; // every program of the process is in apps
};

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
    QDBusConnection bus(const Deadline &deadline)
    {
        QDBusConnection existing(BusName);
        if (existing.isConnected() || qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") ||
            deadline.passed())
            return existing;
        QDBusConnection session = QDBusConnection::sessionBus();
        if (!session.isConnected())
            return existing;
        const QDBusReply<QString> address =
            session.call(addressQuestion(), QDBus::Block,
                         qMax(1, qMin(BusAddressTimeoutMs, deadline.remainingMs())));
        if (address.isValid() && !address.value().isEmpty())
            connectTo(address.value());
        return QDBusConnection(BusName);
    }

    // The programs on the bus that belong to process pid.
    Applications applicationsOf(const QDBusConnection &bus, quint32 pid, const Deadline &deadline)
    {
        Applications found;
        const Ref root{RegistryService, QStringLiteral("/org/a11y/atspi/accessible/root")};
        QDBusMessage reply;
        found.registry = call(bus, root, AccessibleIface, QStringLiteral("GetChildren"), {},
                              deadline, "a(so)", &reply);
        if (found.registry != Answer::Given)
            return found;
        bool listed = false;
        const QVector<Ref> all = refsOf(reply, MaxApplications, &listed);
        found.complete = listed;
        for (const Ref &app : all) {
            quint32 owner = 0;
            if (!processOf(bus, app.service, deadline, &owner)) {
                found.complete = false;
                break;
            }
            if (owner != pid)
                continue;
            if (found.apps.size() == MaxApplicationsPerProcess) {
                found.complete = false;
                break;
            }
            found.apps.append(app);
        }
        return found;
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
        // (siiva{sv}), or (siiv(so)) from older programs: anything else is
        // not an announcement.
        if (!message.signature().startsWith(QLatin1String("siiv")))
            return;
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

    // The process behind a name on the bus, as the bus itself tells it;
    // false when it did not tell in time.
    bool processOf(const QDBusConnection &bus, const QString &service, const Deadline &deadline,
                   quint32 *pid)
    {
        const auto it = m_pids.constFind(service);
        if (it != m_pids.constEnd()) {
            *pid = it.value();
            return true;
        }
        const Ref daemon{QStringLiteral("org.freedesktop.DBus"),
                         QStringLiteral("/org/freedesktop/DBus")};
        QDBusMessage reply;
        switch (call(bus, daemon, QStringLiteral("org.freedesktop.DBus"),
                     QStringLiteral("GetConnectionUnixProcessID"), {service}, deadline, "u",
                     &reply)) {
        case Answer::Given:
            break;
        case Answer::Refused:
            *pid = 0; // gone since the registry listed it
            return true;
        case Answer::Silent:
            return false;
        }
        *pid = reply.arguments().value(0).toUInt();
        if (m_pids.size() >= MaxRemembered)
            m_pids.clear();
        m_pids.insert(service, *pid); // a unique name is never reused
        return true;
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
    None,    // every program of the process answered, and none names one (yet)
    NoTree,  // the process publishes nothing
    NoReply, // a program of the process (or the registry) did not answer in time
};

// The focused object of process pid and its states: the one it announced,
// checked with the program (which also brings in any later announcement),
// else asked of it directly.
Found focusedObject(const QDBusConnection &bus, quint32 pid, const Deadline &deadline, Ref *focused,
                    QVector<uint> *states)
{
    FocusFollower &follower = FocusFollower::instance();
    const Applications found = follower.applicationsOf(bus, pid, deadline);
    switch (found.registry) {
    case Answer::Given:
        break;
    case Answer::Refused:
        return Found::NoTree; // no registry: nothing is published
    case Answer::Silent:
        return Found::NoReply;
    }
    if (found.apps.isEmpty())
        return found.complete ? Found::NoTree : Found::NoReply;
    // A program that did not answer may hold the focused field: nothing
    // else it publishes is the last word then.
    bool allAnswered = found.complete;
    for (const Ref &app : found.apps) {
        QString path;
        bool silent = false;
        // A few rounds at most: each answer may bring the news that the
        // focus has moved on.
        for (int round = 0; round < 3 && follower.announced(app.service, &path); ++round) {
            const Ref candidate{app.service, path};
            const Answer answer = statesOf(bus, candidate, deadline, states);
            if (answer == Answer::Silent) {
                silent = true;
                break;
            }
            follower.takeAnnouncements();
            QString now;
            if (follower.announced(app.service, &now) && now != path)
                continue;
            if (answer == Answer::Given && hasState(*states, StateFocused)) {
                *focused = candidate;
                return Found::Object;
            }
            break;
        }
        if (silent) {
            allAnswered = false;
            continue;
        }
        // Nothing announced (the focus was set before we listened), or what
        // was is no longer focused: the program is asked, where it can be.
        Ref asked;
        switch (askFocused(bus, app, deadline, &asked)) {
        case Answer::Given:
            if (asked.path.isEmpty())
                break;
            switch (statesOf(bus, asked, deadline, states)) {
            case Answer::Given:
                if (hasState(*states, StateFocused)) {
                    *focused = asked;
                    return Found::Object;
                }
                break;
            case Answer::Refused:
                break;
            case Answer::Silent:
                allAnswered = false;
                break;
            }
            break;
        case Answer::Refused:
            break;
        case Answer::Silent:
            allAnswered = false;
            break;
        }
    }
    return allAnswered ? Found::None : Found::NoReply;
}

// Asks until the program names its focused object, serving events (its
// announcements among them) for up to refocusMs.
Found focusedObjectWithin(const QDBusConnection &bus, quint32 pid, const Deadline &deadline,
                          int refocusMs, Ref *focused, QVector<uint> *states)
{
    for (;;) {
        const Found found = focusedObject(bus, pid, deadline, focused, states);
        if (found != Found::None || deadline.elapsedMs() >= refocusMs)
            return found;
        if (deadline.passed())
            return Found::NoReply;
        X11Wait::serveEvents(qMin(RefocusPollMs, deadline.remainingMs()));
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
    const Deadline deadline(FieldAnswerLimitMs);
    const QDBusConnection bus = FocusFollower::instance().bus(deadline);
    if (!bus.isConnected())
        return FieldKind::Unknown;
    Ref focused;
    QVector<uint> states;
    switch (focusedObjectWithin(bus, pid, deadline, refocusMs, &focused, &states)) {
    case Found::Object:
        break;
    case Found::None:
    case Found::NoTree:
        return FieldKind::Unknown;
    case Found::NoReply:
        return FieldKind::Unanswered;
    }
    QDBusMessage role;
    if (call(bus, focused, AccessibleIface, QStringLiteral("GetRole"), {}, deadline, "u", &role) !=
        Answer::Given)
        return FieldKind::Unanswered;
    switch (role.arguments().value(0).toUInt()) {
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
    const Deadline deadline(CaretLimitMs);
    const QDBusConnection bus = FocusFollower::instance().bus(deadline);
    if (!bus.isConnected())
        return false;
    Ref focused;
    QVector<uint> states;
    return focusedObjectWithin(bus, pid, deadline, refocusMs, &focused, &states) == Found::Object &&
           caretOf(bus, focused, deadline, rect);
}

} // namespace AtspiCaret

#include "atspicaret.moc"
