// The edge band of frameless windows: which Win32 hit-test answer a pointer
// position gets. Both backends resize through this one function.

#include "platform/framehittest.h"

#include <QtTest>

class TestThemeHitTest final : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void maximisedHasNoEdges();
    void edgesForAnswers_data();
    void edgesForAnswers();
};

// A 400 x 300 dialog whose top-left is at (100, 50): right edge x = 500
// (exclusive), bottom y = 350 (exclusive).
static const QRect dialogRect(100, 50, 400, 300);

void TestThemeHitTest::answers_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("answer");

    const int d = FrameHit::DialogBand;
    QTest::newRow("5 inside left and top") << QPoint(105, 55) << d << FrameHit::TopLeft;
    QTest::newRow("6 inside left and top") << QPoint(106, 56) << d << FrameHit::Client;
    QTest::newRow("on the top-left pixel") << QPoint(100, 50) << d << FrameHit::TopLeft;
    QTest::newRow("top-right") << QPoint(499, 50) << d << FrameHit::TopRight;
    QTest::newRow("bottom-left") << QPoint(100, 349) << d << FrameHit::BottomLeft;
    QTest::newRow("bottom-right") << QPoint(499, 349) << d << FrameHit::BottomRight;
    QTest::newRow("left") << QPoint(103, 200) << d << FrameHit::Left;
    QTest::newRow("right") << QPoint(494, 200) << d << FrameHit::Right;
    QTest::newRow("7 inside right is client") << QPoint(493, 200) << d << FrameHit::Client;
    QTest::newRow("top") << QPoint(300, 55) << d << FrameHit::Top;
    QTest::newRow("bottom") << QPoint(300, 344) << d << FrameHit::Bottom;
    QTest::newRow("middle") << QPoint(300, 200) << d << FrameHit::Client;
    QTest::newRow("right edge is exclusive") << QPoint(500, 200) << d << FrameHit::Client;
    QTest::newRow("outside left") << QPoint(99, 200) << d << FrameHit::Client;

    const int m = FrameHit::MainWindowBand;
    QTest::newRow("main 7 inside left") << QPoint(107, 200) << m << FrameHit::Left;
    QTest::newRow("main 8 inside left") << QPoint(108, 200) << m << FrameHit::Client;
    QTest::newRow("main 7 inside bottom-right") << QPoint(492, 342) << m << FrameHit::BottomRight;
}

void TestThemeHitTest::answers()
{
    QFETCH(QPoint, pos);
    QFETCH(int, band);
    QFETCH(int, answer);
    QCOMPARE(FrameHit::hitTest(dialogRect, pos, band, false), answer);
}

void TestThemeHitTest::maximisedHasNoEdges()
{
    for (const QPoint &p : {QPoint(100, 50), QPoint(103, 200), QPoint(499, 349)})
        QCOMPARE(FrameHit::hitTest(dialogRect, p, FrameHit::MainWindowBand, true),
                 FrameHit::Client);
}

void TestThemeHitTest::edgesForAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("edges");
    QTest::newRow("left") << FrameHit::Left << int(Qt::LeftEdge);
    QTest::newRow("right") << FrameHit::Right << int(Qt::RightEdge);
    QTest::newRow("top") << FrameHit::Top << int(Qt::TopEdge);
    QTest::newRow("bottom") << FrameHit::Bottom << int(Qt::BottomEdge);
    QTest::newRow("top-left") << FrameHit::TopLeft << int(Qt::TopEdge | Qt::LeftEdge);
    QTest::newRow("top-right") << FrameHit::TopRight << int(Qt::TopEdge | Qt::RightEdge);
    QTest::newRow("bottom-left") << FrameHit::BottomLeft << int(Qt::BottomEdge | Qt::LeftEdge);
    QTest::newRow("bottom-right") << FrameHit::BottomRight << int(Qt::BottomEdge | Qt::RightEdge);
    QTest::newRow("client") << FrameHit::Client << 0;
    QTest::newRow("caption is never resized") << 2 << 0;
}

void TestThemeHitTest::edgesForAnswers()
{
    QFETCH(int, answer);
    QFETCH(int, edges);
    QCOMPARE(int(FrameHit::edgesFor(answer)), edges);
}

QTEST_APPLESS_MAIN(TestThemeHitTest)
#include "tst_themehittest.moc"
