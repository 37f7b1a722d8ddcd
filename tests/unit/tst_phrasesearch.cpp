#include "base/hotkey.h"
#include "picker/phrasesearch.h"

#include <QtTest>

using PhraseSearch::Candidate;

namespace {

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

QStringList list(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *t : texts)
        out << u(t);
    return out;
}

Phrase phrase(const char *name, const char *text, qint64 lastUsed = 0, int mods = 0, int vk = 0,
              bool enabled = true)
{
    Phrase p;
    p.id = Phrase::newId();
    p.name = u(name);
    p.text = u(text);
    p.lastUsed = lastUsed;
    p.mods = mods;
    p.vk = vk;
    p.enabled = enabled;
    return p;
}

QStringList names(const QVector<Candidate> &list)
{
    QStringList out;
    for (const Candidate &c : list)
        out << c.phrase.name;
    return out;
}

QVector<Phrase> timed(const QList<qint64> &times)
{
    QVector<Phrase> out;
    for (int i = 0; i < times.size(); ++i)
        out << phrase(QByteArray(1, char('a' + i)).constData(), "t", times.at(i));
    return out;
}

} // namespace

class PhraseSearchTest : public QObject
{
    Q_OBJECT

private slots:
    void order_data()
    {
        QTest::addColumn<bool>("recentFirst");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("recent first: time, then name") << true << list({"a", "b", "x", "y"});
        QTest::newRow("list order") << false << list({"b", "x", "y", "a"});
    }
    void order()
    {
        QFETCH(bool, recentFirst);
        QFETCH(QStringList, expected);
        const QVector<Phrase> phrases = {phrase("b", "1", 300), phrase("x", "2", 100),
                                         phrase("y", "3", 0), phrase("a", "4", 300)};
        QCOMPARE(names(PhraseSearch::buildCandidates(phrases, recentFirst).list), expected);
    }

    void currentRow_data()
    {
        QTest::addColumn<QList<qint64>>("times");
        QTest::addColumn<bool>("recentFirst");
        QTest::addColumn<int>("row");
        QTest::newRow("list order: first of the latest")
            << QList<qint64>{0, 50, 50, 20} << false << 1;
        QTest::newRow("list order: never used") << QList<qint64>{0, 0, 0} << false << 0;
        QTest::newRow("recent first: the top") << QList<qint64>{0, 50} << true << 0;
        QTest::newRow("no rows") << QList<qint64>{} << false << -1;
    }
    void currentRow()
    {
        QFETCH(QList<qint64>, times);
        QFETCH(bool, recentFirst);
        QFETCH(int, row);
        const QVector<Candidate> list = PhraseSearch::buildCandidates(timed(times), false).list;
        QCOMPARE(PhraseSearch::currentRow(list, recentFirst), row);
    }

    void matching_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("expected");
        const QStringList all = list({"Greeting", "Sign-off", "Address", "Plain"});
        QTest::newRow("empty") << QString() << all;
        QTest::newRow("blank") << QStringLiteral("  \t") << all;
        QTest::newRow("ctrl: every Ctrl shortcut")
            << QStringLiteral("ctrl") << list({"Greeting", "Sign-off"});
        QTest::newRow("padded lower-case word: the capitalised name")
            << QStringLiteral("  greeting ") << list({"Greeting"});
        QTest::newRow("in the text, any case") << QStringLiteral("BEST") << list({"Sign-off"});
        QTest::newRow("whole shortcut text") << QStringLiteral("ctrl+alt+f5") << list({"Sign-off"});
        QTest::newRow("a space does not match a line break")
            << QStringLiteral("street town") << QStringList();
        QTest::newRow("across the line break")
            << QStringLiteral("street\ntown") << list({"Address"});
        QTest::newRow("non-ASCII, any case") << u("GRÜ") << list({"Plain"});
        QTest::newRow("nothing") << QStringLiteral("zebra") << QStringList();
    }
    void matching()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, expected);
        const int ctrl = Hotkey::ModControl;
        const QVector<Phrase> phrases = {
            phrase("Greeting", "Hello there", 0, ctrl, 0x31),
            phrase("Sign-off", "Best regards", 0, ctrl | Hotkey::ModAlt, 0x74),
            phrase("Address", "1 Main street\ntown", 0, Hotkey::ModAlt, 0x41),
            phrase("Plain", "viele grüße"),
            phrase("Disabled greeting", "ctrl greeting", 0, ctrl, 0x32, false),
            phrase("Empty greeting", "", 0, ctrl, 0x33),
        };
        const QVector<Candidate> candidates = PhraseSearch::buildCandidates(phrases, false).list;
        QCOMPARE(names(PhraseSearch::match(candidates, query)), expected);
    }

    void textOfSpacesTakesPart()
    {
        const auto c = PhraseSearch::buildCandidates({phrase("blank", "   ")}, true);
        QCOMPARE(c.list.size(), 1);
    }

    void hideName_data()
    {
        QTest::addColumn<QStringList>("phraseNames");
        QTest::addColumn<bool>("hide");
        QTest::newRow("only unnamed") << list({"", "  "}) << true;
        QTest::newRow("one named") << list({"", "n"}) << false;
        QTest::newRow("none") << QStringList() << true;
    }
    void hideName()
    {
        QFETCH(QStringList, phraseNames);
        QFETCH(bool, hide);
        QVector<Phrase> phrases;
        for (const QString &n : phraseNames)
            phrases << phrase(n.toUtf8().constData(), "text");
        QCOMPARE(PhraseSearch::buildCandidates(phrases, false).hideName, hide);
    }

    void preview_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString s36 = QString(36, QLatin1Char('x'));
        QTest::newRow("36: whole") << s36 << s36;
        QTest::newRow("37: 36 and dots") << s36 + u("y") << s36 + u("...");
        QTest::newRow("line feeds become spaces")
            << QStringLiteral("a\nb\r\nc") << QStringLiteral("a b\r c");
        QTest::newRow("a line feed at the cut") << QString(35, QLatin1Char('x')) + u("\nzz")
                                                << QString(35, QLatin1Char('x')) + u(" ...");
        const QString smile = QString::fromUtf8("😀");
        QTest::newRow("no half character at the cut")
            << QString(35, QLatin1Char('x')) + smile << QString(35, QLatin1Char('x')) + u("...");
    }
    void preview()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(PhraseSearch::preview(text), expected);
    }
};

QTEST_MAIN(PhraseSearchTest)
#include "tst_phrasesearch.moc"
