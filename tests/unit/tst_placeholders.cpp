// Placeholders: what a flagged phrase becomes when it is inserted, and which
// braces the editor marks as no placeholder.

#include "insert/placeholders.h"

#include <QtTest>

using Placeholders::Span;
Q_DECLARE_METATYPE(QVector<Span>)

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
    }
    void unknown()
    {
        QFETCH(QString, text);
        QFETCH(QVector<Span>, spans);
        QCOMPARE(Placeholders::unknown(text), spans);
    }
};

QTEST_GUILESS_MAIN(PlaceholdersTest)
#include "tst_placeholders.moc"
