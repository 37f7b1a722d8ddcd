// When a paste is over, by the reads its window made in its last paste: a
// browser's page reads the text twice with a pause between, and the user's
// clipboard coming back in that pause would lose the paste.

#include "platform/pastereads.h"

#include <QtTest>

class PasteReadsTest : public QObject
{
    Q_OBJECT

private slots:
    void over_data()
    {
        QTest::addColumn<int>("reads");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("quietMs");
        QTest::addColumn<bool>("transferring");
        QTest::addColumn<bool>("over");
        const int settle = PasteReads::SettleMs;
        const int first = PasteReads::FirstPasteSettleMs;
        const int missing = PasteReads::MissingReadSettleMs;
        const int multi = PasteReads::MultiReadSettleMs;
        QTest::newRow("unknown window, one read, a settle's quiet")
            << 1 << 0 << settle << false << false;
        QTest::newRow("unknown window, quiet long enough") << 1 << 0 << first << false << true;
        QTest::newRow("reads once, read once") << 1 << 1 << settle << false << true;
        QTest::newRow("reads once, not quiet yet") << 1 << 1 << settle - 1 << false << false;
        QTest::newRow("reads twice, read once, a pause") << 1 << 2 << first << false << false;
        QTest::newRow("reads twice, read once, given up") << 1 << 2 << missing << false << true;
        QTest::newRow("reads twice, read twice, a settle's quiet")
            << 2 << 2 << settle << false << false;
        QTest::newRow("reads twice, read twice") << 2 << 2 << multi << false << true;
        QTest::newRow("read more than before") << 3 << 2 << multi << false << true;
        QTest::newRow("a transfer in parts under way") << 2 << 2 << missing << true << false;
    }
    void over()
    {
        QFETCH(int, reads);
        QFETCH(int, expected);
        QFETCH(int, quietMs);
        QFETCH(bool, transferring);
        QFETCH(bool, over);
        QCOMPARE(PasteReads::over(reads, expected, quietMs, transferring), over);
    }

    void learnsEachWindowsLastPaste()
    {
        PasteReads reads;
        QCOMPARE(reads.expected(7), 0);
        reads.learn(7, 2);
        reads.learn(8, 1);
        QCOMPARE(reads.expected(7), 2);
        QCOMPARE(reads.expected(8), 1);
        // A paste that read nothing teaches nothing; a later one replaces.
        reads.learn(7, 0);
        QCOMPARE(reads.expected(7), 2);
        reads.learn(7, 1);
        QCOMPARE(reads.expected(7), 1);
    }

    void staysSmallAsWindowsComeAndGo()
    {
        PasteReads reads;
        for (int w = 1; w <= PasteReads::Capacity; ++w)
            reads.learn(quint64(w), 2);
        QCOMPARE(reads.expected(PasteReads::Capacity), 2);
        reads.learn(1, 3); // known: kept in place
        QCOMPARE(reads.expected(2), 2);
        reads.learn(quint64(PasteReads::Capacity + 1), 2);
        QCOMPARE(reads.expected(quint64(PasteReads::Capacity + 1)), 2);
        QCOMPARE(reads.expected(2), 0);
    }
};

QTEST_GUILESS_MAIN(PasteReadsTest)
#include "tst_pastereads.moc"
