#include "x11/atspicalls.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QVariant>

namespace Atspi {

namespace {

// A state set is two words; more are read past, not kept.
constexpr int MaxStateWords = 4;

constexpr uint CoordTypeScreen = 0;
constexpr int MatchAll = 1;
constexpr uint SortCanonical = 1;

const QString TextIface = QStringLiteral("org.a11y.atspi.Text");
const QString CollectionIface = QStringLiteral("org.a11y.atspi.Collection");

} // namespace

// Every reply is checked for its form before it is read: reading a value of
// another type than the one in the message aborts inside libdbus, and any
// program on the bus can answer anything.
Answer call(const QDBusConnection &bus, const Ref &ref, const QString &iface, const QString &method,
            const QVariantList &args, const Deadline &deadline, const char *signature,
            QDBusMessage *reply)
{
    if (deadline.passed())
        return Answer::Silent;
    QDBusMessage m = QDBusMessage::createMethodCall(ref.service, ref.path, iface, method);
    m.setArguments(args);
    *reply = bus.call(m, QDBus::Block, qMax(1, deadline.remainingMs()));
    if (reply->type() == QDBusMessage::ReplyMessage)
        return reply->signature() == QLatin1String(signature) ? Answer::Given : Answer::Silent;
    const QString error = reply->errorName();
    if (error == QDBusError::errorString(QDBusError::NoReply) ||
        error == QDBusError::errorString(QDBusError::Timeout) ||
        error == QDBusError::errorString(QDBusError::Disconnected))
        return Answer::Silent;
    return Answer::Refused;
}

// a(so): a list of accessible objects, the first max of them.
QVector<Ref> refsOf(const QDBusMessage &reply, int max, bool *complete)
{
    QVector<Ref> out;
    const QDBusArgument arg = reply.arguments().value(0).value<QDBusArgument>();
    if (arg.currentSignature() != QLatin1String("a(so)"))
        return out;
    arg.beginArray();
    while (!arg.atEnd() && out.size() < max) {
        Ref r;
        QDBusObjectPath path;
        arg.beginStructure();
        arg >> r.service >> path;
        arg.endStructure();
        r.path = path.path();
        out.append(r);
    }
    if (complete)
        *complete = arg.atEnd();
    return out;
}

// au: an object's states, as bits.
Answer statesOf(const QDBusConnection &bus, const Ref &ref, const Deadline &deadline,
                QVector<uint> *words)
{
    QDBusMessage reply;
    const Answer answer =
        call(bus, ref, AccessibleIface, QStringLiteral("GetState"), {}, deadline, "au", &reply);
    words->clear();
    if (answer != Answer::Given)
        return answer;
    const QDBusArgument arg = reply.arguments().value(0).value<QDBusArgument>();
    if (arg.currentSignature() != QLatin1String("au"))
        return Answer::Silent;
    arg.beginArray();
    while (!arg.atEnd() && words->size() < MaxStateWords) {
        uint w = 0;
        arg >> w;
        words->append(w);
    }
    return Answer::Given;
}

bool hasState(const QVector<uint> &words, uint state)
{
    const int word = int(state / 32);
    return word < words.size() && (words.at(word) & (1u << (state % 32)));
}

namespace {

bool extents(const QDBusConnection &bus, const Ref &ref, int offset, const Deadline &deadline,
             QRect *rect)
{
    QDBusMessage reply;
    if (call(bus, ref, TextIface, QStringLiteral("GetCharacterExtents"), {offset, CoordTypeScreen},
             deadline, "iiii", &reply) != Answer::Given)
        return false;
    const QVariantList a = reply.arguments();
    *rect = QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
    return rect->height() > 0;
}

int textProperty(const QDBusConnection &bus, const Ref &ref, const QString &name,
                 const Deadline &deadline)
{
    QDBusMessage reply;
    if (call(bus, ref, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
             {TextIface, name}, deadline, "v", &reply) != Answer::Given)
        return -1;
    const QVariant value = reply.arguments().value(0).value<QDBusVariant>().variant();
    return value.userType() == QMetaType::Int ? value.toInt() : -1;
}

} // namespace

bool caretOf(const QDBusConnection &bus, const Ref &ref, const Deadline &deadline, QRect *rect)
{
    const int offset = textProperty(bus, ref, QStringLiteral("CaretOffset"), deadline);
    const int count = textProperty(bus, ref, QStringLiteral("CharacterCount"), deadline);
    if (offset < 0)
        return false;
    if ((count < 0 || offset < count) && extents(bus, ref, offset, deadline, rect)) {
        rect->setWidth(1);
        return true;
    }
    // At the end of the text there is no character: stand right of the last one.
    QRect last;
    if (offset > 0 && extents(bus, ref, offset - 1, deadline, &last)) {
        *rect = QRect(last.right() + 1, last.top(), 1, last.height());
        return true;
    }
    return false;
}

// The one object of the program that is focused, asked of the program
// itself (the search runs inside it, over its own objects). Refused where
// the program cannot be asked this (Qt's programs); Given with an empty
// *focused where it names none.
Answer askFocused(const QDBusConnection &bus, const Ref &app, const Deadline &deadline,
                  Ref *focused)
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
    QDBusMessage reply;
    const Answer answer =
        call(bus, app, CollectionIface, QStringLiteral("GetMatches"),
             {QVariant::fromValue(rule), SortCanonical, 1, true}, deadline, "a(so)", &reply);
    *focused = Ref();
    if (answer != Answer::Given)
        return answer;
    const QVector<Ref> found = refsOf(reply, 1);
    // Only an object of the program asked: another's would be another
    // program's word on this one's field.
    if (!found.isEmpty() && found.first().service == app.service)
        *focused = found.first();
    return Answer::Given;
}

} // namespace Atspi
