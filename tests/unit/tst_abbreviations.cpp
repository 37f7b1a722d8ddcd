// The abbreviation matcher: what a run of typed keys asks for, in both
// modes, at word boundaries, with BackSpace and its undo.

#include "base/lettercase.h"
#include "insert/abbreviations.h"

#include <QtTest>

namespace {

// Keys as a string, 100 ms apart: "\b" is BackSpace, "|" clears (a click),
// "~" is a pause of six seconds, every other character is one typed
// character. Answers the actions, one a line: "expand ID erase retype" or
// "undo erase retype".
QStringList run(AbbreviationMatcher &m, const QString &keys)
{
    QStringList out;
    quint32 now = 0xFFFFF000u; // the clock wraps on the way
    for (int i = 0; i < keys.size(); ++i) {
        const QChar k = keys.at(i);
        AbbreviationMatcher::Action a;
        now += 100;
        if (k == QLatin1Char('\b')) {
            a = m.backspace(now);
        } else if (k == QLatin1Char('|')) {
            m.clear();
            continue;
        } else if (k == QLatin1Char('~')) {
            now += 6000;
            continue;
        } else {
            QString text(k);
            if (k.isHighSurrogate() && i + 1 < keys.size())
                text += keys.at(++i);
            a = m.typed(text, now);
        }
        if (a.kind == AbbreviationMatcher::Action::Expand) {
            out << QStringLiteral("expand %1 %2 [%3]").arg(a.id).arg(a.erase).arg(a.retype);
            // The phrase of id X is "<X>".
            m.expanded(a, QLatin1Char('<') + a.id + QLatin1Char('>'));
        } else if (a.kind == AbbreviationMatcher::Action::Undo) {
            out << QStringLiteral("undo %1 [%2]").arg(a.erase).arg(a.retype);
        }
    }
    return out;
}

QStringList acts(std::initializer_list<const char *> lines)
{
    QStringList out;
    for (const char *line : lines)
        out << QString::fromUtf8(line);
    return out;
}

} // namespace

class AbbreviationsTest : public QObject
{
    Q_OBJECT

private slots:
    void matching_data()
    {
        QTest::addColumn<bool>("afterDelimiter");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("actions");
        QTest::newRow("at once") << false << ";sig" << acts({"expand S 4 []"});
        QTest::newRow("at the start of a word") << false << "hi ;sig" << acts({"expand S 4 []"});
        QTest::newRow("not inside a word") << false << "x;sig" << QStringList();
        QTest::newRow("not after a digit") << false << "2addr#" << QStringList();
        QTest::newRow("after punctuation") << false << "(addr#" << acts({"expand A 5 []"});
        QTest::newRow("case counts") << false << ";SIG" << QStringList();
        QTest::newRow("the longest wins") << false << "!!x" << acts({"expand L 3 []"});
        QTest::newRow("one character") << false << "q" << acts({"expand Q 1 []"});
        QTest::newRow("BackSpace mends a typo") << false << ";sih\bg" << acts({"expand S 4 []"});
        QTest::newRow("a click forgets") << false << ";s|ig" << QStringList();
        QTest::newRow("non-ASCII counts characters") << false << "é😀" << acts({"expand E 2 []"});
        QTest::newRow("after a delimiter: the space is kept")
            << true << ";sig " << acts({"expand S 5 [ ]"});
        QTest::newRow("after a delimiter: Enter") << true << ";sig\r" << acts({"expand S 5 [\r]"});
        QTest::newRow("after a delimiter: punctuation that is part of it")
            << true << "addr#." << acts({"expand A 6 [.]"});
        QTest::newRow("after a delimiter: nothing without one") << true << ";sig" << QStringList();
        QTest::newRow("after a delimiter: a letter after it is a word")
            << true << ";sigx " << QStringList();
        QTest::newRow("BackSpace right after undoes")
            << false << ";sig\b" << acts({"expand S 4 []", "undo 2 [;sig]"});
        QTest::newRow("undo keeps the delimiter")
            << true << ";sig \b" << acts({"expand S 5 [ ]", "undo 3 [;sig ]"});
        QTest::newRow("no undo after another key") << false << ";sigx\b" << acts({"expand S 4 []"});
        QTest::newRow("two in a row")
            << false << ";sig ;sig" << acts({"expand S 4 []", "expand S 4 []"});
        QTest::newRow("a pause forgets") << false << ";si~g" << QStringList();
        QTest::newRow("after a pause a word goes on") << false << "x~;sig" << QStringList();
        QTest::newRow("after a pause a new word") << false << " ~;sig" << acts({"expand S 4 []"});
        QTest::newRow("no undo after a pause") << false << ";sig~\b" << acts({"expand S 4 []"});
        QTest::newRow("Tab ends a field") << false << "name\t;sig" << acts({"expand S 4 []"});
        QTest::newRow("after a delimiter: Tab expands, then forgets")
            << true << ";sig\t;sig\t" << acts({"expand S 5 [\t]", "expand S 5 [\t]"});
    }
    void matching()
    {
        QFETCH(bool, afterDelimiter);
        QFETCH(QString, keys);
        QFETCH(QStringList, actions);
        AbbreviationMatcher m;
        // "!x" and "!!x" both end "!!x"; "é😀" is two characters.
        m.setAbbreviations({{QStringLiteral(";sig"), QStringLiteral("S")},
                            {QStringLiteral("!x"), QStringLiteral("X")},
                            {QStringLiteral("!!x"), QStringLiteral("L")},
                            {QStringLiteral("addr#"), QStringLiteral("A")},
                            {QStringLiteral("q"), QStringLiteral("Q")},
                            {QStringLiteral("é😀"), QStringLiteral("E")},
                            {QStringLiteral(";sig"), QStringLiteral("second")},
                            {QStringLiteral("has space"), QStringLiteral("invalid")}});
        m.setMode(afterDelimiter ? AbbreviationMatcher::Mode::AfterDelimiter
                                 : AbbreviationMatcher::Mode::AtOnce);
        QCOMPARE(run(m, keys), actions);
    }

    // A phrase whose case follows the typed abbreviation answers it in any
    // case, named as typed; one typed exactly as another phrase has it goes
    // to that phrase.
    void typedInAnotherCase_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("id"); // empty: nothing
        QTest::addColumn<QString>("typed");
        QTest::newRow("as stored") << ";sig" << "S" << ";sig";
        QTest::newRow("a capital") << ";Sig" << "S" << ";Sig";
        QTest::newRow("capitals") << ";SIG" << "S" << ";SIG";
        QTest::newRow("not without the choice") << ";ADDR" << "" << "";
        QTest::newRow("exact wins over another case") << "Mr" << "M" << "Mr";
        QTest::newRow("another case of it") << "mr" << "m" << "mr";
        QTest::newRow("capital sharp s typed as SS") << "STRASSE" << "G" << "STRASSE";
        QTest::newRow("Greek") << "ΣΟΦΌΣ" << "Γ" << "ΣΟΦΌΣ";
        QTest::newRow("inside a word still a word") << "x;Sig" << "" << "";
    }
    void typedInAnotherCase()
    {
        QFETCH(QString, keys);
        QFETCH(QString, id);
        QFETCH(QString, typed);
        AbbreviationMatcher m;
        m.setAbbreviations({{QStringLiteral(";sig"), QStringLiteral("S"), true},
                            {QStringLiteral(";addr"), QStringLiteral("A"), false},
                            {QStringLiteral("Mr"), QStringLiteral("M"), false},
                            {QStringLiteral("MR"), QStringLiteral("m"), true},
                            {QStringLiteral("straße"), QStringLiteral("G"), true},
                            {QStringLiteral("σοφός"), QStringLiteral("Γ"), true}});
        AbbreviationMatcher::Action last;
        quint32 now = 0;
        for (const QChar c : keys) {
            const AbbreviationMatcher::Action a = m.typed(QString(c), now += 100);
            if (a.kind == AbbreviationMatcher::Action::Expand)
                last = a;
        }
        QCOMPARE(last.id, id);
        QCOMPARE(last.abbreviation, typed);
        if (!id.isEmpty())
            QCOMPARE(last.erase, typed.size());
    }

    // The case of the typed abbreviation, and the text in it, across
    // scripts and the locales whose rules differ.
    void letterCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as written") << ";sig" << ";sig" << "en" << "best regards" << "best regards";
        QTest::newRow("capitalised") << ";Sig" << ";sig" << "en" << "best regards" << "Best regards";
        QTest::newRow("capitals") << ";SIG" << ";sig" << "en" << "best regards" << "BEST REGARDS";
        QTest::newRow("one letter: capitalised") << ";S" << ";s" << "en" << "yes" << "Yes";
        QTest::newRow("mixed: as written") << ";sIG" << ";sig" << "en" << "best" << "best";
        QTest::newRow("capitals stored, typed so") << "NB" << "NB" << "en" << "nota bene" << "nota bene";
        QTest::newRow("capitals stored, typed small")
            << "nb" << "NB" << "en" << "nota bene" << "nota bene";
        QTest::newRow("first letter after punctuation")
            << ";Q" << ";q" << "en" << "«quote»" << "«Quote»";
        QTest::newRow("no letter with case") << ";Cn" << ";cn" << "zh" << "你好 2026" << "你好 2026";
        QTest::newRow("German sharp s capitalised")
            << "Str" << "str" << "de" << "ßtraße" << "Sstraße";
        QTest::newRow("German sharp s in capitals") << "STR" << "str" << "de" << "straße" << "STRASSE";
        QTest::newRow("Turkish dotted i") << "Is" << "is" << "tr" << "istanbul" << "İstanbul";
        QTest::newRow("Turkish capitals") << "IS" << "is" << "tr" << "iyi ılık" << "İYİ ILIK";
        QTest::newRow("English i") << "Is" << "is" << "en" << "istanbul" << "Istanbul";
        QTest::newRow("Greek final sigma in capitals")
            << "ΣΦ" << "σφ" << "el" << "σοφος λογος" << "ΣΟΦΟΣ ΛΟΓΟΣ";
        QTest::newRow("Greek capitalised") << "Σφ" << "σφ" << "el" << "σοφός" << "Σοφός";
        QTest::newRow("Cyrillic") << "ПР" << "пр" << "ru" << "привет" << "ПРИВЕТ";
        QTest::newRow("Armenian") << "Բա" << "բա" << "hy" << "բարեւ" << "Բարեւ";
        QTest::newRow("digraph takes its title case")
            << "Dz" << "dz" << "hr" << "ǆep" << "ǅep";
        QTest::newRow("ligature capitalised") << "Fi" << "fi" << "en" << "ﬁne" << "Fine";
        QTest::newRow("beyond the BMP") << "Dd" << "dd" << "en" << "𐐨𐐨" << "𐐀𐐨";
    }
    void letterCase()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QTEST(LetterCase::apply(text, LetterCase::patternOf(typed, stored), QLocale(locale)),
              "expected");
    }

    // Of ";s" and ";sig" at once, the shorter fires first; after a delimiter
    // the whole word decides.
    void prefixes()
    {
        AbbreviationMatcher m;
        m.setAbbreviations({{QStringLiteral(";s"), QStringLiteral("short")},
                            {QStringLiteral(";sig"), QStringLiteral("long")}});
        QCOMPARE(run(m, QStringLiteral(";sig")), acts({"expand short 2 []"}));
        m.clear();
        m.setMode(AbbreviationMatcher::Mode::AfterDelimiter);
        QCOMPARE(run(m, QStringLiteral(";sig ;s ")),
                 (acts({"expand long 5 [ ]", "expand short 3 [ ]"})));
    }

    // What is typed may be a password nobody could recognise as one: no
    // more of it is kept than the longest abbreviation, nothing at all
    // after Enter, Tab or a pause, and the undo counts the phrase as the
    // target does (a CR LF is one).
    void limits()
    {
        AbbreviationMatcher m;
        m.setAbbreviations({{QStringLiteral(";sig"), QStringLiteral("S")}});
        run(m, QString(1000, QLatin1Char('-')));
        QCOMPARE(m.buffer(), QStringLiteral("----"));
        run(m, QStringLiteral("a😀b😀"));
        QCOMPARE(m.buffer(), QStringLiteral("b😀")); // never half a character
        for (const char *ends : {"hunter2\r", "hunter2\t", "hunter2|"}) {
            run(m, QString::fromUtf8(ends));
            QCOMPARE(m.buffer(), QString());
        }
        // A pause with no key after it: the caller's timer.
        m.typed(QStringLiteral("x"), 1000);
        m.forgetIfIdle(1000 + AbbreviationMatcher::IdleMs - 1);
        QCOMPARE(m.buffer(), QStringLiteral("x"));
        m.forgetIfIdle(1000 + AbbreviationMatcher::IdleMs);
        QCOMPARE(m.buffer(), QString());
        run(m, QStringLiteral("ab"));
        m.forgetTyped();
        QCOMPARE(m.buffer(), QString());
        run(m, QStringLiteral("sig"));
        m.setAbbreviations({{QStringLiteral("q"), QStringLiteral("Q")}});
        QCOMPARE(m.buffer(), QStringLiteral("g"));

        m.setAbbreviations({{QStringLiteral(";sig"), QStringLiteral("S")}});
        m.clear();
        m.typed(QStringLiteral(";"), 0);
        m.typed(QStringLiteral("s"), 0);
        m.typed(QStringLiteral("i"), 0);
        const AbbreviationMatcher::Action a = m.typed(QStringLiteral("g"), 0);
        QCOMPARE(a.kind, AbbreviationMatcher::Action::Expand);
        m.expanded(a, QStringLiteral("a\r\nb"));
        QCOMPARE(m.backspace(0).erase, 2);
        QCOMPARE(AbbreviationText::eraseCount(QStringLiteral("e\u0301")), 1);
    }
};

QTEST_GUILESS_MAIN(AbbreviationsTest)
#include "tst_abbreviations.moc"
