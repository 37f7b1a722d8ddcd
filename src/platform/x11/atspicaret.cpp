#include "platform/x11/atspicaret.h"

#include "platform/x11/x11wait.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QQueue>
#include <QVariant>
#include <QVector>

namespace {

constexpr int CallTimeoutMs = 100;
constexpr int SearchBudgetMs = 150; // the picker must not wait on a slow program
constexpr int MaxObjects = 3000;
constexpr int RefocusPollMs = 5;
constexpr uint StateFocused = 12; // ATSPI_STATE_FOCUSED
constexpr uint CoordTypeScreen = 0;

const QString AccessibleIface = QStringLiteral("org.a11y.atspi.Accessible");
const QString TextIface = QStringLiteral("org.a11y.atspi.Text");

struct Ref
{
    QString service;
    QString path;
};

QDBusMessage call(const QDBusConnection &bus, const Ref &ref, const QString &iface,
                  const QString &method, const QVariantList &args = {})
{
    QDBusMessage m = QDBusMessage::createMethodCall(ref.service, ref.path, iface, method);
    m.setArguments(args);
    return bus.call(m, QDBus::Block, CallTimeoutMs);
}

// a(so): the children of an accessible object.
QVector<Ref> children(const QDBusConnection &bus, const Ref &ref)
{
    QVector<Ref> out;
    const QDBusMessage reply = call(bus, ref, AccessibleIface, QStringLiteral("GetChildren"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return out;
    const QDBusArgument arg = reply.arguments().first().value<QDBusArgument>();
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

bool hasState(const QDBusConnection &bus, const Ref &ref, uint state)
{
    const QDBusMessage reply = call(bus, ref, AccessibleIface, QStringLiteral("GetState"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    QList<uint> words;
    const QDBusArgument arg = reply.arguments().first().value<QDBusArgument>();
    arg.beginArray();
    while (!arg.atEnd()) {
        uint w = 0;
        arg >> w;
        words.append(w);
    }
    arg.endArray();
    const int word = int(state / 32);
    return word < words.size() && (words.at(word) & (1u << (state % 32)));
}

bool hasInterface(const QDBusConnection &bus, const Ref &ref, const QString &iface)
{
    const QDBusMessage reply = call(bus, ref, AccessibleIface, QStringLiteral("GetInterfaces"));
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().first().toStringList().contains(iface);
}

bool extents(const QDBusConnection &bus, const Ref &ref, int offset, QRect *rect)
{
    const QDBusMessage reply =
        call(bus, ref, TextIface, QStringLiteral("GetCharacterExtents"), {offset, CoordTypeScreen});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 4)
        return false;
    const QVariantList a = reply.arguments();
    *rect = QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
    return rect->height() > 0;
}

int textProperty(const QDBusConnection &bus, const Ref &ref, const QString &name)
{
    const QDBusMessage reply = call(bus, ref, QStringLiteral("org.freedesktop.DBus.Properties"),
                                    QStringLiteral("Get"), {TextIface, name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
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

QDBusConnection accessibilityBus()
{
    const QString name = QStringLiteral("scrivlet-a11y");
    QDBusConnection existing(name);
    if (existing.isConnected())
        return existing;
    // Without a session bus address the D-Bus library would start a bus of
    // its own (autolaunch), which outlives the question.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return existing;
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected())
        return existing;
    QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
    const QDBusReply<QString> address = session.call(m, QDBus::Block, 1000);
    if (!address.isValid() || address.value().isEmpty())
        return existing;
    return QDBusConnection::connectToBus(address.value(), name);
}

} // namespace

namespace AtspiCaret {

namespace {

enum class Search
{
    Found,
    NoFocus,   // no focused text object (yet)
    NoCaret,   // a focused text object without a readable caret
    OutOfTime, // the program has more objects than the time allows
};

// Breadth first through the program's objects to the focused text.
Search searchFocusedText(const QDBusConnection &bus, const QVector<Ref> &apps,
                         const QElapsedTimer &clock, QRect *rect)
{
    QQueue<Ref> queue;
    for (const Ref &app : apps)
        queue.enqueue(app);
    int visited = 0;
    while (!queue.isEmpty()) {
        if (visited >= MaxObjects || clock.elapsed() >= SearchBudgetMs)
            return Search::OutOfTime;
        const Ref ref = queue.dequeue();
        ++visited;
        if (hasState(bus, ref, StateFocused) && hasInterface(bus, ref, TextIface))
            return caretOf(bus, ref, rect) ? Search::Found : Search::NoCaret;
        for (const Ref &c : children(bus, ref))
            queue.enqueue(c);
    }
    return Search::NoFocus;
}

// The registry's root lists one object per program: those of pid.
QVector<Ref> applicationsOf(const QDBusConnection &bus, quint32 pid)
{
    const Ref root{QStringLiteral("org.a11y.atspi.Registry"),
                   QStringLiteral("/org/a11y/atspi/accessible/root")};
    QVector<Ref> apps;
    for (const Ref &app : children(bus, root)) {
        const QDBusReply<uint> owner = bus.interface()->servicePid(app.service);
        if (owner.isValid() && owner.value() == pid)
            apps.append(app);
    }
    return apps;
}

} // namespace

bool focusedIsPassword(quint32 pid)
{
    constexpr uint RolePasswordText = 40;
    if (!pid)
        return false;
    const QDBusConnection bus = accessibilityBus();
    if (!bus.isConnected())
        return false;
    QElapsedTimer clock;
    clock.start();
    QQueue<Ref> queue;
    for (const Ref &app : applicationsOf(bus, pid))
        queue.enqueue(app);
    int visited = 0;
    while (!queue.isEmpty() && visited < MaxObjects && clock.elapsed() < SearchBudgetMs) {
        const Ref ref = queue.dequeue();
        ++visited;
        if (hasState(bus, ref, StateFocused)) {
            const QDBusMessage reply = call(bus, ref, AccessibleIface, QStringLiteral("GetRole"));
            return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
                   reply.arguments().first().toUInt() == RolePasswordText;
        }
        for (const Ref &c : children(bus, ref))
            queue.enqueue(c);
    }
    return false;
}

bool caretRect(quint32 pid, QRect *rect, int refocusMs)
{
    if (!pid)
        return false;
    const QDBusConnection bus = accessibilityBus();
    if (!bus.isConnected())
        return false;
    QElapsedTimer clock;
    clock.start();
    const QVector<Ref> apps = applicationsOf(bus, pid);
    if (apps.isEmpty())
        return false;
    for (;;) {
        const Search result = searchFocusedText(bus, apps, clock, rect);
        if (result != Search::NoFocus || clock.elapsed() >= refocusMs)
            return result == Search::Found;
        X11Wait::serveEvents(RefocusPollMs);
    }
}

} // namespace AtspiCaret
