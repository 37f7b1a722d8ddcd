#include "store/phrasemerge.h"
#include "store/phrasestore.h"

#include <QtTest>

using PhraseMerge::Side;

namespace {

const QString kDeleted = QStringLiteral("-");

// "a b:text c": one phrase a word, its id before the colon and its text after
// (the id itself when there is none).
QVector<Phrase> list(const QString &words)
{
    QVector<Phrase> phrases;
    for (const QString &word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Phrase p;
        const int colon = word.indexOf(QLatin1Char(':'));
        p.id = colon < 0 ? word : word.left(colon);
        p.text = colon < 0 ? word : word.mid(colon + 1);
        phrases.append(p);
    }
    return phrases;
}

// The same form back; a disabled copy that the merge made shows as "*:text".
QString shown(const QVector<Phrase> &phrases, const QSet<QString> &knownIds)
{
    QStringList words;
    for (const Phrase &p : phrases) {
        const QString id = knownIds.contains(p.id) ? p.id : QStringLiteral("*");
        words << (p.text == p.id ? id : id + QLatin1Char(':') + p.text);
    }
    return words.join(QLatin1Char(' '));
}

QSet<QString> idsOf(const QVector<Phrase> &phrases)
{
    QSet<QString> ids;
    for (const Phrase &p : phrases)
        ids.insert(p.id);
    return ids;
}

Phrase named(const QString &id, const QString &name, const QString &text)
{
    Phrase p;
    p.id = id;
    p.name = name;
    p.text = text;
    return p;
}

} // namespace

class PhraseMergeTest : public QObject
{
    Q_OBJECT

private slots:
    // Each member but lastUsed is content: a change of it alone is taken from
    // the side that made it, and against a change here makes the copy.
    void contentMembers_data()
    {
        QTest::addColumn<QJsonObject>("change"); // over the phrase's JSON
        QTest::addColumn<bool>("same");
        const auto row = [](const char *name, const char *key, const QJsonValue &value) {
            QTest::newRow(name) << QJsonObject{{QLatin1String(key), value}} << false;
        };
        QTest::newRow("lastUsed only")
            << QJsonObject{{QStringLiteral("lastUsed"), QStringLiteral("200")}} << true;
        row("name", "name", QStringLiteral("M"));
        row("text", "text", QStringLiteral("other"));
        row("shortcut key", "vk", 0x32);
        row("shortcut modifiers", "mods", 4);
        row("enabled", "enabled", false);
        row("abbreviation", "abbreviation", QStringLiteral("adr"));
        row("placeholders", "placeholders", true);
    }

    void contentMembers()
    {
        QFETCH(QJsonObject, change);
        QFETCH(bool, same);
        Phrase a = named(QStringLiteral("x"), QStringLiteral("N"), QStringLiteral("text"));
        a.vk = 0x31;
        a.mods = 2;
        a.abbreviation = QStringLiteral("sig");
        a.lastUsed = 100;
        QJsonObject changed = a.toJson();
        for (auto it = change.constBegin(); it != change.constEnd(); ++it)
            changed.insert(it.key(), it.value());
        const Phrase b = Phrase::fromJson(changed);
        QCOMPARE(Phrase::sameContent(a, b), same);
        QVERIFY(!b.contentJson().contains(QStringLiteral("lastUsed")));

        const Side base{{a}, Settings()};
        const Side theirs{{b}, Settings()};
        PhraseMerge::Result r = PhraseMerge::merge(base, base, theirs);
        QCOMPARE(r.phrases.size(), 1);
        QCOMPARE(r.phrases.at(0).toJson(), b.toJson());
        QVERIFY(r.oursChanged && !r.theirsChanged);

        Side ours = base;
        ours.phrases[0].text = QStringLiteral("ours");
        r = PhraseMerge::merge(base, ours, theirs);
        QCOMPARE(r.phrases.size(), same ? 1 : 2);
        QCOMPARE(r.phrases.at(0).text, QStringLiteral("ours"));
        QCOMPARE(r.changedOnBothSides.size(), same ? 0 : 1);
    }

    // One phrase x between two untouched neighbours, in every state on each
    // side: "-" is absent, any other word its text (base text "b").
    void combinations_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("ours");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("oursChanged");
        QTest::addColumn<bool>("theirsChanged");
        QTest::addColumn<bool>("keptListed");

        const QString b = QStringLiteral("b");
        const QString o = QStringLiteral("o");
        const QString t = QStringLiteral("t");
        const QString d = kDeleted;
        // clang-format off
        QTest::newRow("unchanged, unchanged") << b << b << b << "x:b"       << false << false << false;
        QTest::newRow("unchanged, changed")   << b << b << t << "x:t"       << true  << false << false;
        QTest::newRow("unchanged, deleted")   << b << b << d << ""          << true  << false << false;
        QTest::newRow("changed, unchanged")   << b << o << b << "x:o"       << false << true  << false;
        QTest::newRow("changed, changed")     << b << o << t << "x:o *:t"   << true  << true  << false;
        QTest::newRow("changed, same change") << b << o << o << "x:o"       << false << false << false;
        QTest::newRow("changed, deleted")     << b << o << d << "x:o"       << false << true  << false;
        QTest::newRow("deleted, unchanged")   << b << d << b << ""          << false << true  << false;
        QTest::newRow("deleted, changed")     << b << d << t << "x:t"       << true  << false << true;
        QTest::newRow("deleted, deleted")     << b << d << d << ""          << false << false << false;
        QTest::newRow("added, absent")        << d << o << d << "x:o"       << false << true  << false;
        QTest::newRow("absent, added")        << d << d << t << "x:t"       << true  << false << false;
        QTest::newRow("added, same added")    << d << o << o << "x:o"       << false << false << false;
        QTest::newRow("added, added other")   << d << o << t << "x:o *:t"   << true  << true  << false;
        // clang-format on
    }

    void combinations()
    {
        QFETCH(QString, base);
        QFETCH(QString, ours);
        QFETCH(QString, theirs);
        QFETCH(QString, expected);

        const auto side = [](const QString &x) {
            Side s;
            s.phrases << named(QStringLiteral("p"), QString(), QStringLiteral("p"));
            if (x != kDeleted)
                s.phrases << named(QStringLiteral("x"), QStringLiteral("X"), x);
            s.phrases << named(QStringLiteral("n"), QString(), QStringLiteral("n"));
            return s;
        };
        const Side oursSide = side(ours);
        const PhraseMerge::Result r = PhraseMerge::merge(side(base), oursSide, side(theirs));

        const QString middle = expected.isEmpty() ? QString() : expected + QLatin1Char(' ');
        QCOMPARE(shown(r.phrases, QSet<QString>{QStringLiteral("p"), QStringLiteral("x"),
                                                QStringLiteral("n")}),
                 QStringLiteral("p ") + middle + QLatin1Char('n'));
        QTEST(r.oursChanged, "oursChanged");
        QTEST(r.theirsChanged, "theirsChanged");

        const bool conflict = expected.contains(QLatin1Char('*'));
        QCOMPARE(r.changedOnBothSides, conflict ? QStringList{QStringLiteral("X")} : QStringList());
        if (conflict) {
            const Phrase &copy = r.phrases.at(2);
            QVERIFY(!copy.enabled);
            QCOMPARE(copy.name, QStringLiteral("X (changed elsewhere)"));
            QVERIFY(!QUuid::fromString(copy.id).isNull());
            QVERIFY(r.phrases.at(1).enabled); // ours stays as it was
            QCOMPARE(r.phrases.at(1).name, QStringLiteral("X"));
        }
        QFETCH(bool, keptListed);
        QCOMPARE(r.keptChangedElsewhere,
                 keptListed ? QStringList{QStringLiteral("X")} : QStringList());
        QVERIFY(r.withoutShortcut.isEmpty());
        QVERIFY(r.withoutAbbreviation.isEmpty());

        // Merging with nothing changed on the other side gives ours back.
        const PhraseMerge::Result again = PhraseMerge::merge(oursSide, oursSide, oursSide);
        QVERIFY(!again.oursChanged && !again.theirsChanged);
    }

    void lastUsed_data()
    {
        QTest::addColumn<QString>("ours"); // text, or "-" for absent
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<qint64>("oursLastUsed");
        QTest::addColumn<qint64>("theirsLastUsed");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<qint64>("copyExpected"); // -1: no copy
        QTest::addColumn<bool>("oursChanged");
        QTest::addColumn<bool>("theirsChanged");

        // clang-format off
        QTest::newRow("used here later")   << "b" << "b" << 300LL << 200LL << "b" << 300LL << -1LL << false << true;
        QTest::newRow("used there later")  << "b" << "b" << 200LL << 300LL << "b" << 300LL << -1LL << true << false;
        QTest::newRow("used never here")   << "b" << "b" << 0LL   << 300LL << "b" << 300LL << -1LL << true << false;
        QTest::newRow("changed there, used here later") << "b" << "t" << 300LL << 200LL << "t" << 300LL << -1LL << true << true;
        QTest::newRow("changed here, used there later") << "o" << "b" << 200LL << 300LL << "o" << 300LL << -1LL << true << true;
        QTest::newRow("changed here, used here later")  << "o" << "b" << 300LL << 200LL << "o" << 300LL << -1LL << false << true;
        QTest::newRow("both changed")      << "o" << "t" << 200LL << 300LL << "o" << 300LL << 300LL << true << true;
        QTest::newRow("deleted there, changed here") << "o" << "-" << 250LL << 0LL << "o" << 250LL << -1LL << false << true;
        QTest::newRow("deleted here, changed there") << "-" << "t" << 0LL << 250LL << "t" << 250LL << -1LL << true << false;
        // clang-format on
    }

    void lastUsed()
    {
        QFETCH(QString, ours);
        QFETCH(QString, theirs);
        QFETCH(qint64, oursLastUsed);
        QFETCH(qint64, theirsLastUsed);
        QFETCH(qint64, copyExpected);

        const auto side = [](const QString &text, qint64 lastUsed) {
            Side s;
            if (text != kDeleted) {
                s.phrases << named(QStringLiteral("x"), QString(), text);
                s.phrases[0].lastUsed = lastUsed;
            }
            return s;
        };
        const PhraseMerge::Result r = PhraseMerge::merge(
            side(QStringLiteral("b"), 100), side(ours, oursLastUsed), side(theirs, theirsLastUsed));
        QCOMPARE(r.phrases.size(), copyExpected < 0 ? 1 : 2);
        QTEST(r.phrases.at(0).text, "expectedText");
        QTEST(r.phrases.at(0).lastUsed, "expected");
        if (copyExpected >= 0)
            QCOMPARE(r.phrases.at(1).lastUsed, copyExpected);
        QTEST(r.oursChanged, "oursChanged");
        QTEST(r.theirsChanged, "theirsChanged");
    }

    // Each side's uses since the version it started from count once. -1:
    // no such version (no base: added on both sides; no last write given).
    void counts_data()
    {
        QTest::addColumn<qint64>("base");     // -1: none (added on both sides)
        QTest::addColumn<QString>("written"); // the counts we wrote since, in order
        QTest::addColumn<qint64>("ours");
        QTest::addColumn<qint64>("theirs");
        QTest::addColumn<QString>("theirText"); // "b": unchanged, "t": changed there, "c": conflict
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<bool>("theirsChanged");

        // clang-format off
        QTest::newRow("used here only")            << 5LL << ""     << 8LL  << 5LL  << "b" << 8LL  << true;
        QTest::newRow("used there only")           << 5LL << ""     << 5LL  << 9LL  << "b" << 9LL  << false;
        QTest::newRow("used on both")              << 5LL << ""     << 8LL  << 9LL  << "b" << 12LL << true;
        QTest::newRow("they built on our write")   << 5LL << "8"    << 10LL << 11LL << "b" << 13LL << true;
        QTest::newRow("they built on the base")    << 5LL << "8"    << 10LL << 7LL  << "b" << 12LL << true;
        QTest::newRow("they built on a middle write") << 5LL << "8 12 20" << 21LL << 14LL << "b" << 23LL << true;
        QTest::newRow("neither used it since")     << 5LL << "8"    << 8LL  << 8LL  << "b" << 8LL  << false;
        QTest::newRow("reset here, used there")    << 5LL << ""     << 0LL  << 7LL  << "b" << 2LL  << true;
        QTest::newRow("reset here, written, used there") << 5LL << "" << 1LL << 3LL << "b" << 4LL << true;
        QTest::newRow("reset there")               << 5LL << ""     << 6LL  << 0LL  << "b" << 6LL  << true;
        QTest::newRow("reset there, then used")    << 5LL << ""     << 6LL  << 2LL  << "b" << 8LL  << true;
        QTest::newRow("added on both alike")       << -1LL << ""    << 3LL  << 4LL  << "b" << 4LL  << false;
        QTest::newRow("changed there, used both")  << 5LL << ""     << 8LL  << 9LL  << "t" << 12LL << true;
        QTest::newRow("changed on both: copy at 0") << 5LL << ""    << 8LL  << 9LL  << "c" << 12LL << true;
        QTest::newRow("at the largest count")      << 0LL << ""     << Phrase::MaxCount << 9LL << "b" << Phrase::MaxCount << true;
        // clang-format on
    }

    void counts()
    {
        const auto saved = [](qint64 uses) {
            return uses > Phrase::MaxCount / 10 ? Phrase::MaxCount : 10 * uses;
        };
        QFETCH(qint64, base);
        QFETCH(QString, written);
        QFETCH(qint64, ours);
        QFETCH(qint64, theirs);
        QFETCH(QString, theirText);
        const auto side = [&saved](qint64 uses, const QString &text) {
            Side s;
            if (uses >= 0) {
                s.phrases << named(QStringLiteral("x"), QString(), text);
                s.phrases[0].uses = uses;
                s.phrases[0].charactersSaved = saved(uses);
            }
            return s;
        };
        const Side oursSide =
            side(ours, theirText == QLatin1String("c") ? QStringLiteral("o") : QStringLiteral("b"));
        const Side theirsSide = side(theirs, theirText == QLatin1String("b") ? QStringLiteral("b")
                                                                             : QStringLiteral("t"));
        PhraseMerge::WrittenCounts wrote;
        for (const QString &count : written.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            wrote.wrote(side(count.toLongLong(), QStringLiteral("b")).phrases);
        const PhraseMerge::Result r =
            PhraseMerge::merge(side(base, QStringLiteral("b")), oursSide, theirsSide,
                               QStringLiteral("%1 (copy)"), &wrote);
        QCOMPARE(r.phrases.size(), theirText == QLatin1String("c") ? 2 : 1);
        QTEST(r.phrases.at(0).uses, "expected");
        QFETCH(qint64, expected);
        QCOMPARE(r.phrases.at(0).charactersSaved, saved(expected));
        if (r.phrases.size() == 2) {
            QCOMPARE(r.phrases.at(1).uses, 0);
            QCOMPARE(r.phrases.at(1).charactersSaved, 0);
        }
        QTEST(r.theirsChanged, "theirsChanged");
        // Counts are no edit: nothing about them makes a copy, and ours
        // follows only when a count moved.
        QCOMPARE(r.oursChanged, r.phrases.at(0).uses != ours || r.phrases.size() == 2 ||
                                    r.phrases.at(0).text != oursSide.phrases.at(0).text);
    }

    // Key by key: "-" leaves a key as in the base.
    void settings_data()
    {
        QTest::addColumn<QString>("oursLanguage");
        QTest::addColumn<QString>("theirsLanguage");
        QTest::addColumn<int>("oursOpacity");
        QTest::addColumn<int>("theirsOpacity");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("opacity");
        QTest::addColumn<bool>("oursChanged");
        QTest::addColumn<bool>("theirsChanged");

        // clang-format off
        QTest::newRow("none changed")       << "-"  << "-"  << 0  << 0  << "en" << 90 << false << false;
        QTest::newRow("theirs only")        << "-"  << "fr" << 0  << 0  << "fr" << 90 << true  << false;
        QTest::newRow("ours only")          << "de" << "-"  << 0  << 0  << "de" << 90 << false << true;
        QTest::newRow("both, differently")  << "de" << "fr" << 0  << 0  << "de" << 90 << false << true;
        QTest::newRow("both, the same")     << "fr" << "fr" << 0  << 0  << "fr" << 90 << false << false;
        QTest::newRow("one key each")       << "de" << "-"  << 0  << 70 << "de" << 70 << true  << true;
        QTest::newRow("theirs both keys")   << "-"  << "fr" << 0  << 70 << "fr" << 70 << true  << false;
        QTest::newRow("one key, both")      << "-"  << "-"  << 80 << 70 << "en" << 80 << false << true;
        // clang-format on
    }

    void settings()
    {
        QFETCH(QString, oursLanguage);
        QFETCH(QString, theirsLanguage);
        QFETCH(int, oursOpacity);
        QFETCH(int, theirsOpacity);

        Side base;
        base.settings.language = QStringLiteral("en");
        base.settings.pickerOpacity = 90;
        base.settings.appRules.append(AppRule());
        base.settings.appRules[0].match = QStringLiteral("editor");
        const auto side = [&base](const QString &language, int opacity) {
            Side s = base;
            if (language != kDeleted)
                s.settings.language = language;
            if (opacity)
                s.settings.pickerOpacity = opacity;
            return s;
        };
        Side ours = side(oursLanguage, oursOpacity);
        ours.settings.keysNoteSeen = true; // a change of ours on a key they left
        Side theirs = side(theirsLanguage, theirsOpacity);
        theirs.settings.keysNoteSeen = true;
        theirs.settings.appRules[0].match = QStringLiteral("terminal"); // a list, as one key

        const PhraseMerge::Result r = PhraseMerge::merge(base, ours, theirs);
        QTEST(r.settings.language, "language");
        QTEST(r.settings.pickerOpacity, "opacity");
        QVERIFY(r.settings.keysNoteSeen);
        QCOMPARE(r.settings.appRules.size(), 1);
        QCOMPARE(r.settings.appRules.at(0).match, QStringLiteral("terminal"));
        // The rules changed there: ours changed in any case.
        QVERIFY(r.oursChanged);
        QTEST(r.theirsChanged, "theirsChanged");

        // Without their change to the rules, the flag of ours is the table's.
        theirs.settings.appRules = base.settings.appRules;
        QTEST(PhraseMerge::merge(base, ours, theirs).oursChanged, "oursChanged");
    }

    // An incoming phrase (added or changed there) that is enabled gives up
    // a shortcut or abbreviation taken here.
    void clashes_data()
    {
        QTest::addColumn<bool>("added");         // else a changed one
        QTest::addColumn<bool>("oursEnabled");   // the holder here
        QTest::addColumn<bool>("theirsEnabled"); // the incoming phrase
        QTest::addColumn<int>("vk");             // incoming shortcut, Ctrl held
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<int>("theirShowVk"); // their show shortcut (Ctrl+T here)
        QTest::addColumn<int>("expectedVk");
        QTest::addColumn<QString>("expectedAbbreviation");

        const int one = 0x31;  // Ctrl+1: the holder's shortcut
        const int two = 0x32;  // Ctrl+2: free
        const int show = 0x54; // Ctrl+T: the default show shortcut
        const int y = 0x59;
        const QString sig = QStringLiteral("sig"); // the holder's abbreviation
        const QString free = QStringLiteral("adr");
        // clang-format off
        QTest::newRow("added, shortcut taken")        << true  << true  << true  << one  << free << show << 0    << free;
        QTest::newRow("changed, shortcut taken")      << false << true  << true  << one  << free << show << 0    << free;
        QTest::newRow("shortcut of a disabled one")   << true  << false << true  << one  << free << show << one  << free;
        QTest::newRow("incoming disabled")            << true  << true  << false << one  << sig  << show << one  << sig;
        QTest::newRow("shortcut free")                << true  << true  << true  << two  << free << show << two  << free;
        QTest::newRow("show shortcut")                << true  << true  << true  << show << free << show << 0    << free;
        QTest::newRow("show moved there")             << true  << true  << true  << show << free << y    << show << free;
        QTest::newRow("their new show shortcut")      << true  << true  << true  << y    << free << y    << 0    << free;
        QTest::newRow("picker shortcut")              << false << true  << true  << 0x52 << free << show << 0    << free;
        QTest::newRow("added, abbreviation taken")    << true  << true  << true  << two  << sig  << show << two  << "";
        QTest::newRow("changed, abbreviation taken")  << false << true  << true  << two  << sig  << show << two  << "";
        QTest::newRow("abbreviation of disabled one") << true  << false << true  << two  << sig  << show << two  << sig;
        QTest::newRow("both taken")                   << false << true  << true  << one  << sig  << show << 0    << "";
        // clang-format on
    }

    void clashes()
    {
        QFETCH(bool, added);
        QFETCH(bool, oursEnabled);
        QFETCH(bool, theirsEnabled);
        QFETCH(int, vk);
        QFETCH(QString, abbreviation);
        QFETCH(int, theirShowVk);
        QFETCH(int, expectedVk);
        QFETCH(QString, expectedAbbreviation);

        Side base;
        Phrase holder = named(QStringLiteral("h"), QStringLiteral("Holder"), QStringLiteral("h"));
        holder.vk = 0x31;
        holder.mods = 2;
        holder.abbreviation = QStringLiteral("sig");
        holder.enabled = oursEnabled;
        base.phrases << holder
                     << named(QStringLiteral("c"), QStringLiteral("C"), QStringLiteral("c"));
        Side theirs = base;
        theirs.settings.showVk = theirShowVk;
        Phrase incoming = added
                              ? named(QStringLiteral("n"), QStringLiteral("N"), QStringLiteral("n"))
                              : theirs.phrases.takeLast();
        incoming.name = QStringLiteral("Incoming");
        incoming.vk = vk;
        incoming.mods = vk ? 2 : 0;
        incoming.abbreviation = abbreviation;
        incoming.enabled = theirsEnabled;
        theirs.phrases << incoming;

        const PhraseMerge::Result r = PhraseMerge::merge(base, base, theirs);
        QCOMPARE(r.phrases.size(), added ? 3 : 2);
        const Phrase &got = r.phrases.last();
        QCOMPARE(got.vk, expectedVk);
        QCOMPARE(got.mods, expectedVk ? 2 : 0);
        QCOMPARE(got.abbreviation, expectedAbbreviation);
        const QStringList listed{QStringLiteral("Incoming")};
        QCOMPARE(r.withoutShortcut, expectedVk == vk ? QStringList() : listed);
        QCOMPARE(r.withoutAbbreviation,
                 expectedAbbreviation == abbreviation ? QStringList() : listed);
        // The holder keeps what it has; what the incoming phrase lost must be
        // written back.
        QCOMPARE(r.phrases.first().vk, 0x31);
        QCOMPARE(r.phrases.first().abbreviation, QStringLiteral("sig"));
        QCOMPARE(r.theirsChanged, expectedVk != vk || expectedAbbreviation != abbreviation);
    }

    // A phrase of ours never loses anything, even where an incoming one holds
    // it; a disabled copy keeps its shortcut and takes no part.
    void clashesSpareOursAndCopies()
    {
        Side base;
        base.phrases << named(QStringLiteral("x"), QStringLiteral("X"), QStringLiteral("b"));
        Side ours = base;
        ours.phrases[0].text = QStringLiteral("o");
        ours.phrases[0].vk = 0x31;
        ours.phrases[0].mods = 2;
        ours.phrases << named(QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("a"));
        ours.phrases[1].abbreviation = QStringLiteral("sig");
        Side theirs = base;
        theirs.phrases[0].text = QStringLiteral("t");
        theirs.phrases[0].vk = 0x31;
        theirs.phrases[0].mods = 2;
        theirs.phrases[0].abbreviation = QStringLiteral("sig");

        const PhraseMerge::Result r = PhraseMerge::merge(base, ours, theirs);
        QCOMPARE(shown(r.phrases, QSet<QString>{QStringLiteral("x"), QStringLiteral("a")}),
                 QStringLiteral("x:o *:t a"));
        QCOMPARE(r.phrases.at(0).vk, 0x31);
        QCOMPARE(r.phrases.at(1).vk, 0x31); // the copy is disabled: it keeps it
        QCOMPARE(r.phrases.at(1).abbreviation, QStringLiteral("sig"));
        QCOMPARE(r.phrases.at(2).abbreviation, QStringLiteral("sig"));
        QVERIFY(r.withoutShortcut.isEmpty());
        QVERIFY(r.withoutAbbreviation.isEmpty());
    }

    void copyName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("listed"); // label of ours

        QTest::newRow("named") << "Sig"
                               << "t"
                               << "%1 (geändert)"
                               << "Sig (geändert)"
                               << "Sig";
        QTest::newRow("no name: its label") << ""
                                            << "Dear Sir,\nthanks"
                                            << "%1 (other)"
                                            << "Dear Sir,... (other)"
                                            << "ours text";
        QTest::newRow("percent in the name") << "50%2 %1"
                                             << "t"
                                             << "[%1]"
                                             << "[50%2 %1]"
                                             << "50%2 %1";
        QTest::newRow("format without %1") << "Sig"
                                           << "t"
                                           << "(other)"
                                           << "Sig (other)"
                                           << "Sig";
    }

    void copyName()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, format);
        Side base;
        base.phrases << named(QStringLiteral("x"), name, QStringLiteral("base text"));
        Side ours = base;
        ours.phrases[0].text = QStringLiteral("ours text");
        Side theirs = base;
        theirs.phrases[0].text = text;
        const PhraseMerge::Result r = PhraseMerge::merge(base, ours, theirs, format);
        QCOMPARE(r.phrases.size(), 2);
        QTEST(r.phrases.at(1).name, "expected");
        QCOMPARE(r.phrases.at(0).name, name);
        QTEST(r.changedOnBothSides.value(0), "listed");
    }

    // Theirs' order when we did not reorder, else ours; a phrase only one
    // side has follows the one before it there.
    void order_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("ours");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("expected");

        // clang-format off
        QTest::newRow("reordered there")            << "a b c d" << "a b c d"   << "d c b a"   << "d c b a";
        QTest::newRow("reordered here")             << "a b c d" << "d c b a"   << "a b c d"   << "d c b a";
        QTest::newRow("both reordered")             << "a b c d" << "b a c d"   << "a b d c"   << "b a c d";
        QTest::newRow("ours added, theirs moved")   << "a b c d" << "a b x c d" << "d c b a"   << "d c b x a";
        QTest::newRow("theirs added, ours moved")   << "a b c d" << "b a c d"   << "a b c y d" << "b a c y d";
        QTest::newRow("added first there")          << "a b c d" << "d c b a"   << "y a b c d" << "y d c b a";
        QTest::newRow("added first here")           << "a b c d" << "x a b c d" << "d c b a"   << "x d c b a";
        QTest::newRow("a run added")                << "a b c"   << "c b a"     << "a x y b c" << "c b a x y";
        QTest::newRow("both added after one")       << "a b"     << "a x b"     << "a y b"     << "a x y b";
        QTest::newRow("anchor deleted here")        << "a b c d" << "b a d"     << "a b c y d" << "b y a d";
        QTest::newRow("deletion keeps our order")   << "a b c d" << "a b c d"   << "a c d"     << "a c d";
        QTest::newRow("our deletion is no reorder") << "a b c d" << "a c d"     << "d c b a"   << "d c a";
        QTest::newRow("all new")                    << ""        << "x"         << "y"         << "x y";
        QTest::newRow("deleted everywhere")         << "a b"     << ""          << ""          << "";
        // clang-format on
    }

    void order()
    {
        QFETCH(QString, base);
        QFETCH(QString, ours);
        QFETCH(QString, theirs);
        const Side b{list(base), Settings()};
        const Side o{list(ours), Settings()};
        const Side t{list(theirs), Settings()};
        const PhraseMerge::Result r = PhraseMerge::merge(b, o, t);
        QTEST(shown(r.phrases, idsOf(r.phrases)), "expected");
        QCOMPARE(r.theirsChanged, shown(r.phrases, idsOf(r.phrases)) != theirs);
    }

    // A hand-edited file may repeat an id: the first of them is the one
    // every lookup finds and is merged with the first on the other sides;
    // the others are merged in their turn and none is lost.
    void duplicateIds_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("ours");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("expected");

        // clang-format off
        QTest::newRow("repeated there")        << "a b"     << "a b"     << "a b a:2"   << "a b a:2";
        QTest::newRow("repeated here")         << "a a:2 b" << "a a:2 b" << "a a:2 b:3" << "a a:2 b:3";
        QTest::newRow("first changed there")   << "a a:2"   << "a a:2"   << "a:1 a:2"   << "a:1 a:2";
        QTest::newRow("second changed there")  << "a a:2"   << "a a:2"   << "a a:3"     << "a a:3";
        QTest::newRow("first removed there")   << "a a:2"   << "a a:2"   << "a:2"       << "a:2";
        QTest::newRow("second, both changed")  << "a a:2"   << "a a:o"   << "a a:t"     << "a a:o *:t";
        QTest::newRow("three here, one there") << "a a:2"   << "a a:2 a:3" << "a"       << "a a:3";
        QTest::newRow("repeated on every side") << "a:1 a:1" << "a:1 a:1" << "a:1 a:1" << "a:1 a:1";
        // clang-format on
    }

    void duplicateIds()
    {
        QFETCH(QString, base);
        QFETCH(QString, ours);
        QFETCH(QString, theirs);
        const PhraseMerge::Result r =
            PhraseMerge::merge(Side{list(base), Settings()}, Side{list(ours), Settings()},
                               Side{list(theirs), Settings()});
        QTEST(shown(r.phrases, QSet<QString>{QStringLiteral("a"), QStringLiteral("b")}),
              "expected");
    }
};

QTEST_GUILESS_MAIN(PhraseMergeTest)
#include "tst_phrasemerge.moc"
