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

    void byteSize()
    {
        QCOMPARE(typingTextByteSize(QStringLiteral("ab")), 4);
        QCOMPARE(typingTextByteSize(QStringLiteral("A\r\nB\n")), 8);
        QCOMPARE(typingTextByteSize(QString()), 0);
    }
};

QTEST_GUILESS_MAIN(TextConvertTest)
#include "tst_textconvert.moc"
