#include "base/textconvert.h"

#include <QtTest>

using namespace TextConvert;

class TextConvertTest : public QObject
{
    Q_OBJECT

private slots:
    void toCrlf_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("no breaks") << "abc"
                                   << "abc";
        QTest::newRow("lone cr, lone lf, pair") << "a\rb\nc\r\nd"
                                                << "a\r\nb\r\nc\r\nd";
        QTest::newRow("lf cr is two breaks") << "a\n\rb"
                                             << "a\r\n\r\nb";
        QTest::newRow("already crlf is unchanged") << "a\r\n\r\n"
                                                   << "a\r\n\r\n";
        QTest::newRow("cr cr lf") << "\r\r\n"
                                  << "\r\n\r\n";
    }
    void toCrlf()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(TextConvert::toCrlf(in), out);
    }

    void toTypingText_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("crlf and lf") << "A\r\nB\n"
                                     << "A\rB\r";
        QTest::newRow("nul dropped") << QString::fromUtf16(u"a\0b", 3) << "ab";
        QTest::newRow("lone cr dropped") << "a\rb"
                                         << "ab";
        QTest::newRow("surrogates kept") << QString::fromUtf8("x😀") << QString::fromUtf8("x😀");
    }
    void toTypingText()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(TextConvert::toTypingText(in), out);
    }

    // Typing batches: a surrogate pair is never cut in two, and a batch is
    // never empty while text is left.
    void typingBatchEnd_data()
    {
        const QString emoji = QString::fromUtf8("😀");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("maxUnits");
        QTest::addColumn<int>("end");
        QTest::newRow("all fits") << QStringLiteral("abc") << 0 << 4 << 3;
        QTest::newRow("cut") << QStringLiteral("abcdef") << 1 << 3 << 4;
        QTest::newRow("pair at the cut") << QStringLiteral("ab") + emoji << 0 << 3 << 2;
        QTest::newRow("pair just inside") << QStringLiteral("ab") + emoji << 0 << 4 << 4;
        QTest::newRow("pair after the cut") << QStringLiteral("ab") + emoji << 0 << 2 << 2;
        QTest::newRow("lone high half at the cut")
            << QStringLiteral("ab") + QChar(0xD83D) + QStringLiteral("c") << 0 << 3 << 3;
        QTest::newRow("a batch of one unit still moves on") << emoji << 0 << 1 << 1;
        QTest::newRow("nothing left") << QStringLiteral("ab") << 2 << 4 << 2;
    }
    void typingBatchEnd()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, maxUnits);
        QFETCH(int, end);
        QCOMPARE(TextConvert::typingBatchEnd(text, from, maxUnits), end);
    }

    void byteSize()
    {
        QCOMPARE(typingTextByteSize(QStringLiteral("ab")), 4);
        QCOMPARE(typingTextByteSize(QStringLiteral("A\r\nB\n")), 8);
        QCOMPARE(typingTextByteSize(QString()), 0);
    }
};

QTEST_GUILESS_MAIN(TextConvertTest)
#include "tst_textconvert.moc"
