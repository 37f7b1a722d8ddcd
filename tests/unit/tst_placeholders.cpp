// Placeholders: what a flagged phrase becomes when it is inserted (dates
// moved across month ends and clock changes, phrases inside phrases, the
// user's answers), the fields it asks for, and which braces the editor marks
// as no placeholder.

#include "insert/placeholders.h"

#include <QTimeZone>
#include <QtTest>

using Placeholders::Failure;
using Placeholders::Field;
using Placeholders::Span;
Q_DECLARE_METATYPE(QVector<Span>)
Q_DECLARE_METATYPE(Placeholders::Failure)
Q_DECLARE_METATYPE(QVector<Placeholders::Field>)

namespace {

// A list of phrases as the dispatcher hands them over: "name=text" with the
// flag set, "name:=text" without it.
std::function<bool(const QString &, Placeholders::Nested *)> phrases(const QStringList &list)
{
    return [list](const QString &name, Placeholders::Nested *out) {
        for (const QString &entry : list) {
            const int eq = entry.indexOf(QLatin1Char('='));
            const bool flagged = !entry.leftRef(eq).endsWith(QLatin1Char(':'));
            if (entry.left(flagged ? eq : eq - 1) == name) {
                *out = {entry.mid(eq + 1), flagged};
                return true;
            }
        }
        return false;
    };
}

QStringList list(std::initializer_list<const char *> items)
{
    QStringList out;
    for (const char *item : items)
        out << QString::fromUtf8(item);
    return out;
}

Field input(const QString &label, const QString &defaultText = QString())
{
    Field f;
    f.label = label;
    f.defaultText = defaultText;
    return f;
}

Field choice(const QString &label, const QStringList &choices)
{
    Field f;
    f.kind = Field::Choice;
    f.label = label;
    f.choices = choices;
    return f;
}

} // namespace

class PlaceholdersTest : public QObject
{
    Q_OBJECT

private:
    static Placeholders::Context context(int *clipboardReads = nullptr)
    {
        Placeholders::Context c;
        c.now = QDateTime(QDate(2026, 3, 7), QTime(9, 5, 30));
        c.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        c.clipboard = [clipboardReads] {
            if (clipboardReads)
                ++*clipboardReads;
            return QStringLiteral("clip");
        };
        return c;
    }

private slots:
    void expand_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("leftPresses");
        QTest::newRow("plain") << "no braces"
                               << "no braces" << 0;
        QTest::newRow("date and time") << "{date} {time}"
                                       << "3/7/26 9:05 AM" << 0;
        QTest::newRow("own format") << "{date:yyyy-MM-dd HH:mm}"
                                    << "2026-03-07 09:05" << 0;
        QTest::newRow("format with quoted text") << "{date:'week' dddd}"
                                                 << "week Saturday" << 0;
        QTest::newRow("clipboard twice, read once") << "[{clipboard}|{clipboard}]"
                                                    << "[clip|clip]" << 0;
        QTest::newRow("doubled braces") << "{{date}} }} {{"
                                        << "{date} } {" << 0;
        QTest::newRow("unknown kept") << "a {name} b"
                                      << "a {name} b" << 0;
        QTest::newRow("empty braces kept") << "{}"
                                           << "{}" << 0;
        QTest::newRow("format left empty kept") << "{date:}"
                                                << "{date:}" << 0;
        QTest::newRow("case counts") << "{Date}"
                                     << "{Date}" << 0;
        QTest::newRow("unclosed brace") << "x {date"
                                        << "x {date" << 0;
        QTest::newRow("brace closed after another opens") << "{a{date}"
                                                          << "{a3/7/26" << 0;
        QTest::newRow("lone closing brace") << "a } b"
                                            << "a } b" << 0;
        QTest::newRow("brace closed on the next line") << "{da\nte}"
                                                       << "{da\nte}" << 0;
        QTest::newRow("cursor") << "Dear {cursor}, thanks"
                                << "Dear , thanks" << 8;
        QTest::newRow("cursor at the end") << "abc{cursor}"
                                           << "abc" << 0;
        QTest::newRow("cursor counts characters, not units") << "({cursor}) 日本😀é"
                                                             << "() 日本😀é" << 6;
        QTest::newRow("cursor with placeholders after it") << "{cursor} {clipboard}"
                                                           << " clip" << 5;
        QTest::newRow("only the first cursor") << "a{cursor}b{cursor}c"
                                               << "abc" << 2;
        QTest::newRow("cursor before a line break: left at the end") << "Hi {cursor}\nBye"
                                                                     << "Hi \nBye" << 0;
        QTest::newRow("cursor on the last line") << "Hi\n{cursor}!"
                                                 << "Hi\n!" << 1;
        QTest::newRow("time in a format") << "{time:HH.mm}"
                                          << "09.05" << 0;
        QTest::newRow("colons in a format") << "{time:HH:mm:ss}"
                                            << "09:05:30" << 0;
        QTest::newRow("offset after a format with colons") << "{time:HH:mm:+1h30m}"
                                                           << "10:35" << 0;
        QTest::newRow("short form with an offset") << "{date::+1d} {time::-45m}"
                                                   << "3/8/26 8:20 AM" << 0;
        QTest::newRow("offset alone") << "{date:+2w}"
                                      << "3/21/26" << 0;
        QTest::newRow("quoted sign after a colon is format") << "{time:HH:'-'mm}"
                                                             << "09:-05" << 0;
        QTest::newRow("malformed offset kept") << "{date::+1x} {date::+} {date::1d} {date::+d}"
                                               << "{date::+1x} {date::+} :17 {date::+d}" << 0;
        QTest::newRow("unit twice kept") << "{date::+1d2d}"
                                         << "{date::+1d2d}" << 0;
        QTest::newRow("number of seven digits kept") << "{date::+1000000d}"
                                                     << "{date::+1000000d}" << 0;
        QTest::newRow("answers default to defaults") << "{input:Name:Sam} {choice:Tone:warm|cold}"
                                                     << "Sam warm" << 0;
        QTest::newRow("input without default") << "[{input:Name}]"
                                               << "[]" << 0;
        QTest::newRow("fields malformed kept") << "{input:} {input::x} {choice:L} {choice:L:}"
                                               << "{input:} {input::x} {choice:L} {choice:L:}" << 0;
    }
    void expand()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(int, leftPresses);
        int reads = 0;
        const Placeholders::Expanded out = Placeholders::expand(text, context(&reads));
        QCOMPARE(out.text, expected);
        QCOMPARE(out.leftPresses, leftPresses);
        QCOMPARE(reads, text.contains(QLatin1String("{clipboard}")) ? 1 : 0);
    }

    void unknown_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<Span>>("spans");
        QTest::newRow("none") << "{date} {{x}} {cursor}" << QVector<Span>();
        QTest::newRow("two") << "{x} and {date:} " << QVector<Span>{{0, 3}, {8, 7}};
        QTest::newRow("unclosed is not marked") << "{x" << QVector<Span>();
        QTest::newRow("after a doubled brace") << "{{{y}" << QVector<Span>{{2, 3}};
        QTest::newRow("new forms") << "{date:yyyy:+1M}{time::-45m}{phrase:Sig}{input:A:b}"
                                      "{choice:C:x|y}{time:HH:mm}"
                                   << QVector<Span>();
        QTest::newRow("malformed new forms")
            << "{date::+1q}{phrase:}{input:}{choice:C}{time:}"
            << QVector<Span>{{0, 11}, {11, 9}, {20, 8}, {28, 10}, {38, 7}};
    }
    void unknown()
    {
        QFETCH(QString, text);
        QFETCH(QVector<Span>, spans);
        QCOMPARE(Placeholders::unknown(text), spans);
    }

    // Calendar units keep the wall clock and end months as Qt does; the
    // clock's units move real time, so a day across a clock change differs
    // from 24 hours.
    void offsets_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("expected");
        const QTimeZone berlin("Europe/Berlin");
        const auto at = [&berlin](int y, int m, int d, int h, int min) {
            return QDateTime(QDate(y, m, d), QTime(h, min), berlin);
        };
        QTest::newRow("month end clamps") << at(2026, 1, 31, 10, 0) << "+1M"
                                          << "2026-02-28 10:00";
        QTest::newRow("leap year") << at(2028, 1, 31, 10, 0) << "+1M"
                                   << "2028-02-29 10:00";
        QTest::newRow("leap day plus a year") << at(2028, 2, 29, 10, 0) << "+1y"
                                              << "2029-02-28 10:00";
        QTest::newRow("back a month to a short one") << at(2026, 3, 31, 10, 0) << "-1M"
                                                     << "2026-02-28 10:00";
        QTest::newRow("over the year end") << at(2026, 12, 30, 23, 30) << "+1d1h"
                                           << "2027-01-01 00:30";
        QTest::newRow("weeks back") << at(2026, 3, 7, 9, 0) << "-2w"
                                    << "2026-02-21 09:00";
        QTest::newRow("months then days") << at(2026, 1, 31, 9, 0) << "+1M1d"
                                          << "2026-03-01 09:00";
        QTest::newRow("spring: a day keeps the clock") << at(2026, 3, 28, 12, 0) << "+1d"
                                                       << "2026-03-29 12:00";
        QTest::newRow("spring: 24 hours are a day and an hour") << at(2026, 3, 28, 12, 0) << "+24h"
                                                                << "2026-03-29 13:00";
        QTest::newRow("autumn: a day keeps the clock") << at(2026, 10, 24, 12, 0) << "+1d"
                                                       << "2026-10-25 12:00";
        QTest::newRow("autumn: 24 hours are a day less an hour")
            << at(2026, 10, 24, 12, 0) << "+24h"
            << "2026-10-25 11:00";
        QTest::newRow("minutes across the spring gap") << at(2026, 3, 29, 1, 30) << "+45m"
                                                       << "2026-03-29 03:15";
    }
    void offsets()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, offset);
        QFETCH(QString, expected);
        if (!now.isValid())
            QSKIP("This system has no time zone data for Europe/Berlin.");
        Placeholders::Context c = context();
        c.now = now;
        const QString text = QStringLiteral("{date:yyyy-MM-dd HH:mm:%1}").arg(offset);
        QCOMPARE(Placeholders::expand(text, c).text, expected);
    }

    // Phrases inside phrases: each filled in by its own flag, the first
    // {cursor} of the finished text wins, and a phrase that cannot be had
    // gives no text at all and says why.
    void nested_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("leftPresses");
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<QStringList>("chain");
        const QStringList none;
        QTest::newRow("two deep") << list({"Sig=Best,\n{phrase:Name}", "Name=Sam {date:yyyy}"})
                                  << "Hi\n{phrase:Sig}"
                                  << "Hi\nBest,\nSam 2026" << 0 << Failure::None << none;
        QTest::newRow("flag off: literal")
            << list({"Raw:={date} {phrase:Raw} {cursor}"}) << "<{phrase:Raw}>"
            << "<{date} {phrase:Raw} {cursor}>" << 0 << Failure::None << none;
        QTest::newRow("first of the name, disabled or not")
            << list({"Dup=one", "Dup=two"}) << "{phrase:Dup}"
            << "one" << 0 << Failure::None << none;
        QTest::newRow("cursor in the nested text") << list({"In=a{cursor}b"}) << "<{phrase:In}>"
                                                   << "<ab>" << 2 << Failure::None << none;
        QTest::newRow("outer cursor first wins")
            << list({"In=a{cursor}b"}) << "{cursor}x{phrase:In}"
            << "xab" << 3 << Failure::None << none;
        QTest::newRow("the same phrase twice is no cycle")
            << list({"W=w"}) << "{phrase:W}{phrase:W}"
            << "ww" << 0 << Failure::None << none;
        QTest::newRow("clipboard read once across phrases")
            << list({"C={clipboard}"}) << "{clipboard}{phrase:C}"
            << "clipclip" << 0 << Failure::None << none;
        QTest::newRow("missing") << list({"A={phrase:Gone}"}) << "x{phrase:A}"
                                 << "" << 0 << Failure::Missing << list({"Top", "A", "Gone"});
        QTest::newRow("itself") << list({"Top={phrase:Top}"}) << "{phrase:Top}"
                                << "" << 0 << Failure::Cycle << list({"Top", "Top"});
        QTest::newRow("cycle of three")
            << list({"A={phrase:B}", "B={phrase:C}", "C={phrase:A}"}) << "{phrase:A}"
            << "" << 0 << Failure::Cycle << list({"Top", "A", "B", "C", "A"});
        QStringList chain{QStringLiteral("P0=end")};
        for (int i = 1; i <= Placeholders::MaxDepth; ++i)
            chain << QStringLiteral("P%1={phrase:P%2}").arg(i).arg(i - 1);
        QTest::newRow("as deep as allowed")
            << chain << QStringLiteral("{phrase:P%1}").arg(Placeholders::MaxDepth - 1) << "end" << 0
            << Failure::None << none;
        QStringList tooDeep{QStringLiteral("Top")};
        for (int i = Placeholders::MaxDepth; i >= 0; --i)
            tooDeep << QStringLiteral("P%1").arg(i);
        QTest::newRow("too deep") << chain
                                  << QStringLiteral("{phrase:P%1}").arg(Placeholders::MaxDepth)
                                  << "" << 0 << Failure::TooDeep << tooDeep;
        // A file may hold phrases that each put in the next many times: as
        // deep as allowed, that would be more text (or, for texts that put
        // in nothing, more work) than any memory holds. Refused, at once.
        const auto fanOut = [](const QString &leaf) {
            QStringList l{QStringLiteral("F0=") + leaf};
            for (int i = 1; i < Placeholders::MaxDepth; ++i)
                l << QStringLiteral("F%1=").arg(i) +
                         QStringLiteral("{phrase:F%1}").arg(i - 1).repeated(40);
            return l;
        };
        const QString top = QStringLiteral("{phrase:F%1}").arg(Placeholders::MaxDepth - 1);
        QTest::newRow("too much text")
            << QStringList{QStringLiteral("Big=") +
                           QString(Placeholders::MaxLength / 3, QLatin1Char('x'))}
            << QStringLiteral("{phrase:Big}").repeated(4) << "" << 0 << Failure::TooLarge
            << QStringList{QStringLiteral("Top")};
        QString manyFields;
        for (int i = 0; i <= Placeholders::MaxFields; ++i)
            manyFields += QStringLiteral("{input:F%1}").arg(i);
        QTest::newRow("more fields than a window asks for")
            << QStringList() << manyFields << "" << 0 << Failure::TooManyFields
            << QStringList{QStringLiteral("Top")};
        QTest::newRow("too many for no text")
            << fanOut(QStringLiteral("{cursor}")) << top << "" << 0 << Failure::TooLarge
            << QStringList{QStringLiteral("Top")};
        QTest::newRow("answers are literal")
            << list({"In=({input:Name})"}) << "{input:Name}{phrase:In}"
            << "{phrase:In}({phrase:In})" << 0 << Failure::None << none;
    }
    // A clipboard of a thousand characters put in a thousand times, or an
    // answer so: refused like nested phrases that grow too long.
    void repeatedTextGrowsTooLarge()
    {
        Placeholders::Context c = context();
        c.clipboard = [] { return QString(1001, QLatin1Char('c')); };
        const Placeholders::Expanded fromClipboard =
            Placeholders::expand(QStringLiteral("{clipboard}").repeated(1000), c);
        QCOMPARE(fromClipboard.failure, Failure::TooLarge);
        QVERIFY(fromClipboard.text.isEmpty());
        c.answers.insert(QStringLiteral("A"), QString(1001, QLatin1Char('a')));
        QCOMPARE(Placeholders::expand(QStringLiteral("{input:A}").repeated(1000), c).failure,
                 Failure::TooLarge);
        QCOMPARE(Placeholders::expand(QStringLiteral("{input:A}").repeated(999), c).failure,
                 Failure::None);
    }

    void nested()
    {
        QFETCH(QStringList, list);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(int, leftPresses);
        QFETCH(Failure, failure);
        QFETCH(QStringList, chain);
        int reads = 0;
        Placeholders::Context c = context(&reads);
        c.name = QStringLiteral("Top");
        c.phrase = phrases(list);
        c.answers.insert(QStringLiteral("Name"), QStringLiteral("{phrase:In}"));
        const Placeholders::Expanded out = Placeholders::expand(text, c);
        QCOMPARE(out.failure, failure);
        QCOMPARE(out.chain, chain);
        QCOMPARE(out.text, expected);
        QCOMPARE(out.leftPresses, leftPresses);
        QVERIFY(reads <= 1);
        // Asking for the fields meets the same fault, and reads nothing.
        reads = 0;
        const Placeholders::Fields asked = Placeholders::fields(text, c);
        QCOMPARE(asked.failure, failure);
        QCOMPARE(asked.chain, chain);
        QCOMPARE(reads, 0);
    }

    // The fields a phrase asks for: once per label, in order, nested ones
    // too; labels are kept exactly as written for the dialog to show safely.
    void fields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<Field>>("expected");
        QTest::newRow("none") << "{date} {input:} {{input:X}}" << QVector<Field>();
        QTest::newRow("input, default, choice")
            << "{input:Name} {input:City:Köln} {choice:Tone:warm|cold|}"
            << QVector<Field>{input(QStringLiteral("Name")),
                              input(QStringLiteral("City"), QStringLiteral("Köln")),
                              choice(QStringLiteral("Tone"), list({"warm", "cold", ""}))};
        QTest::newRow("same label once, first says what it is")
            << "{input:Name:Sam} {choice:Name:a|b} {input:Name}"
            << QVector<Field>{input(QStringLiteral("Name"), QStringLiteral("Sam"))};
        QTest::newRow("colons in a default")
            << "{input:At:10:30}"
            << QVector<Field>{input(QStringLiteral("At"), QStringLiteral("10:30"))};
        QTest::newRow("nested phrases' fields")
            << "{input:First} {phrase:Form} {input:Last}"
            << QVector<Field>{input(QStringLiteral("First")), input(QStringLiteral("Inner")),
                              choice(QStringLiteral("Pick"), list({"x", "y"})),
                              input(QStringLiteral("Last"))};
        QTest::newRow("nested without the flag asks nothing")
            << "{phrase:RawForm}" << QVector<Field>();
        const QString longLabel(5000, QLatin1Char('L'));
        QTest::newRow("hostile labels")
            << QStringLiteral("{input:%1}{input:a\tb\x01<b>x</b>}"
                              "{input:{x}}")
                   .arg(longLabel)
            << QVector<Field>{input(longLabel), input(QStringLiteral("a\tb\x01<b>x</b>"))};
    }
    void fields()
    {
        QFETCH(QString, text);
        QFETCH(QVector<Field>, expected);
        Placeholders::Context c = context();
        c.phrase = phrases(
            list({"Form={input:Inner} {choice:Pick:x|y} {input:First}", "RawForm:={input:Raw}"}));
        const Placeholders::Fields out = Placeholders::fields(text, c);
        QCOMPARE(out.failure, Failure::None);
        QCOMPARE(out.fields, expected);
        // Every field answered: the answers stand where the labels did.
        for (const Field &f : expected)
            c.answers.insert(f.label, QStringLiteral("<%1>").arg(f.label.size()));
        const QString filled = Placeholders::expand(text, c).text;
        for (const Field &f : expected)
            QVERIFY(filled.contains(QStringLiteral("<%1>").arg(f.label.size())));
    }
};

QTEST_GUILESS_MAIN(PlaceholdersTest)
#include "tst_placeholders.moc"
