#pragma once

// Questions to a program's accessible objects on the accessibility bus
// (AT-SPI), for the caret and field queries of atspicaret.cpp. Every reply
// is checked for its form before it is read, since reading a value of
// another type than the one in the message aborts inside libdbus and any
// program on the bus can answer anything, and every call takes what is left
// of one deadline over the whole question.

#include <QDBusMessage>
#include <QElapsedTimer>
#include <QRect>
#include <QString>
#include <QVariantList>
#include <QVector>

class QDBusConnection;

namespace Atspi {

// AT-SPI's numbers (atspi-constants.h).
constexpr uint StateEditable = 7;
constexpr uint StateFocused = 12;
constexpr uint StateReadOnly = 43;
constexpr uint RolePasswordText = 40;
constexpr uint RoleText = 61;
constexpr uint RoleEntry = 79;

inline const QString AccessibleIface = QStringLiteral("org.a11y.atspi.Accessible");
inline const QString RegistryService = QStringLiteral("org.a11y.atspi.Registry");

struct Ref
{
    QString service;
    QString path;
};

// One limit over a whole question, however many programs and calls it
// takes: each call gets what is left of it.
class Deadline
{
public:
    explicit Deadline(int limitMs) : m_limitMs(limitMs) { m_clock.start(); }
    int remainingMs() const { return int(qMax<qint64>(0, m_limitMs - m_clock.elapsed())); }
    bool passed() const { return remainingMs() == 0; }
    qint64 elapsedMs() const { return m_clock.elapsed(); }

private:
    QElapsedTimer m_clock;
    int m_limitMs;
};

// How a program took a question.
enum class Answer
{
    Given,   // a reply of the expected form
    Refused, // an error: it cannot be asked this, or the object is gone
    Silent,  // no reply in time, or one that cannot be read as asked
};

// A call of method on ref's iface, whose reply must have signature.
Answer call(const QDBusConnection &bus, const Ref &ref, const QString &iface, const QString &method,
            const QVariantList &args, const Deadline &deadline, const char *signature,
            QDBusMessage *reply);

// a(so): a list of accessible objects, the first max of them; *complete
// tells whether that was all of it.
QVector<Ref> refsOf(const QDBusMessage &reply, int max, bool *complete = nullptr);

// au: an object's states, as bits.
Answer statesOf(const QDBusConnection &bus, const Ref &ref, const Deadline &deadline,
                QVector<uint> *words);
bool hasState(const QVector<uint> &words, uint state);

// The caret of a text object, in screen pixels, one pixel wide.
bool caretOf(const QDBusConnection &bus, const Ref &ref, const Deadline &deadline, QRect *rect);

// The one object of the program that is focused, asked of the program
// itself (the search runs inside it, over its own objects). Refused where
// the program cannot be asked this (Qt's programs); Given with an empty
// *focused where it names none.
Answer askFocused(const QDBusConnection &bus, const Ref &app, const Deadline &deadline,
                  Ref *focused);

} // namespace Atspi
