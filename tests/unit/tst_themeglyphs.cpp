// Painted icons: pixel checks on the glyph painters.

#include "theme/glyphs.h"

#include <QtTest>

namespace {

QImage imageOf(const QIcon &icon)
{
    const QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty())
        return QImage();
    return icon.pixmap(sizes.first()).toImage().convertToFormat(QImage::Format_ARGB32);
}

int alphaAt(const QImage &image, qreal x, qreal y)
{
    return qAlpha(image.pixel(int(x), int(y)));
}

int opaquePixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 0;
    return n;
}

const QColor teal(0x0f, 0x6e, 0x6b);

} // namespace

class TestThemeGlyphs final : public QObject
{
    Q_OBJECT

private slots:
    void gearCentreIsTransparent();
    void pauseDiffersFromPlay();
    void captionKinds_data();
    void captionKinds();
    void dialogCloseIsTheCaptionCross();
    void commandGlyphIsDoubleResolution();
    void commandCutsAreTransparent_data();
    void commandCutsAreTransparent();
    void everyCommandPaintsSomething();
    void pausedIconGreysTheBaseUnderABadge_data();
    void pausedIconGreysTheBaseUnderABadge();
};

void TestThemeGlyphs::gearCentreIsTransparent()
{
    const QImage gear = imageOf(Glyphs::gearGlyph(Qt::white));
    QCOMPARE(gear.size(), QSize(18, 18));
    QCOMPARE(alphaAt(gear, 9, 9), 0);     // the hole
    QCOMPARE(alphaAt(gear, 12, 9), 255);  // the disc
    QCOMPARE(alphaAt(gear, 9, 2.5), 255); // the top tooth
    QCOMPARE(alphaAt(gear, 0, 0), 0);     // the corner stays clear
    QCOMPARE(QColor(gear.pixel(12, 9)).name(), QStringLiteral("#ffffff"));
}

void TestThemeGlyphs::pauseDiffersFromPlay()
{
    const QImage play = imageOf(Glyphs::pauseGlyph(true, Qt::white));
    const QImage pause = imageOf(Glyphs::pauseGlyph(false, Qt::white));
    QCOMPARE(play.size(), QSize(22, 22));
    QVERIFY(play != pause);
    // The gap between the two bars is clear; the triangle covers it.
    QCOMPARE(alphaAt(pause, 11, 11), 0);
    QCOMPARE(alphaAt(play, 11, 11), 255);
    QCOMPARE(alphaAt(pause, 7, 11), 255);
}

void TestThemeGlyphs::captionKinds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("painted");
    QTest::newRow("min") << QStringLiteral("min") << true;
    QTest::newRow("max") << QStringLiteral("max") << true;
    QTest::newRow("restore") << QStringLiteral("restore") << true;
    QTest::newRow("close") << QStringLiteral("close") << true;
    QTest::newRow("unknown") << QStringLiteral("help") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestThemeGlyphs::captionKinds()
{
    QFETCH(QString, kind);
    QFETCH(bool, painted);
    const QImage image = imageOf(Glyphs::captionGlyph(teal, kind));
    QCOMPARE(image.size(), QSize(12, 12));
    QCOMPARE(opaquePixels(image) > 0, painted);
}

void TestThemeGlyphs::dialogCloseIsTheCaptionCross()
{
    QCOMPARE(imageOf(Glyphs::dialogCloseGlyph(teal)),
             imageOf(Glyphs::captionGlyph(teal, QStringLiteral("close"))));
    // Minimise is a horizontal line: its ends are painted, the top row is not.
    const QImage min = imageOf(Glyphs::captionGlyph(teal, QStringLiteral("min")));
    QVERIFY(alphaAt(min, 6, 6) > 0);
    QCOMPARE(alphaAt(min, 6, 1), 0);
}

void TestThemeGlyphs::commandGlyphIsDoubleResolution()
{
    const QIcon icon = Glyphs::commandGlyph(teal, Glyphs::Command::Add);
    QCOMPARE(icon.availableSizes().size(), 1);
    const QPixmap pixmap = Glyphs::commandGlyphPixmap(teal, Glyphs::Command::Add);
    QCOMPARE(pixmap.size(), QSize(40, 40));
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    const QImage image = pixmap.toImage();
    // The plus crosses the middle of the 20 x 20 logical space.
    QCOMPARE(qAlpha(image.pixel(20, 20)), 255);
    QCOMPARE(qAlpha(image.pixel(4, 4)), 0);
}

void TestThemeGlyphs::commandCutsAreTransparent_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPointF>("cutPoint");  // logical coordinates inside a cut
    QTest::addColumn<QPointF>("fillPoint"); // logical coordinates on the shape
    QTest::newRow("delete slot") << int(Glyphs::Command::Delete) << QPointF(7.95, 11.4)
                                 << QPointF(10, 15.5);
    QTest::newRow("window pane") << int(Glyphs::Command::ShowWindow) << QPointF(10, 10)
                                 << QPointF(10, 4.5);
    QTest::newRow("eye white") << int(Glyphs::Command::FloatingPanel) << QPointF(7.8, 10)
                               << QPointF(4, 10);
    QTest::newRow("eye pupil") << int(Glyphs::Command::FloatingPanel) << QPointF(7.8, 10)
                               << QPointF(10, 10);
    QTest::newRow("gear hole") << int(Glyphs::Command::Settings) << QPointF(10, 10)
                               << QPointF(10, 6.5);
}

void TestThemeGlyphs::commandCutsAreTransparent()
{
    QFETCH(int, kind);
    QFETCH(QPointF, cutPoint);
    QFETCH(QPointF, fillPoint);
    const QImage image = Glyphs::commandGlyphPixmap(teal, Glyphs::Command(kind)).toImage();
    QCOMPARE(alphaAt(image, cutPoint.x() * 2, cutPoint.y() * 2), 0);
    QCOMPARE(alphaAt(image, fillPoint.x() * 2, fillPoint.y() * 2), 255);
    QCOMPARE(QColor(image.pixel(int(fillPoint.x() * 2), int(fillPoint.y() * 2))).name(),
             teal.name());
}

void TestThemeGlyphs::everyCommandPaintsSomething()
{
    QSet<QByteArray> seen;
    for (int k = int(Glyphs::Command::Add); k <= int(Glyphs::Command::FloatingPanel); ++k) {
        const QImage image = Glyphs::commandGlyphPixmap(teal, Glyphs::Command(k)).toImage();
        QVERIFY2(opaquePixels(image) > 40, qPrintable(QString::number(k)));
        const QByteArray bytes(reinterpret_cast<const char *>(image.constBits()),
                               int(image.sizeInBytes()));
        seen.insert(bytes);
    }
    // No two kinds share a drawing.
    QCOMPARE(seen.size(), int(Glyphs::Command::FloatingPanel) + 1);
}

// The tray icon while shortcuts are paused: the application icon washed
// out to grey, with a pause badge in the theme's colours at its lower right,
// at every size a tray asks for.
void TestThemeGlyphs::pausedIconGreysTheBaseUnderABadge_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64})
        QTest::addRow("%d", size) << size;
}

void TestThemeGlyphs::pausedIconGreysTheBaseUnderABadge()
{
    QFETCH(int, size);
    QIcon base;
    for (int s : {16, 24, 32, 48, 64}) {
        QPixmap blue(s, s);
        blue.fill(QColor(0x20, 0x60, 0xe0));
        base.addPixmap(blue);
    }
    const QColor badge(0xc4, 0x7a, 0x12);
    const QIcon paused = Glyphs::pausedIcon(base, badge, Qt::white);
    QVERIFY(paused.availableSizes().contains(QSize(size, size)));
    const QImage image = paused.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(size, size));
    // The base, away from the badge: grey, no longer blue.
    const QColor corner = image.pixelColor(1, 1);
    QVERIFY2(qAbs(corner.red() - corner.blue()) < 12, qPrintable(corner.name()));
    QVERIFY(corner.alpha() > 0);
    // The badge: a disc of its colour at the lower right, with the bars in
    // the other colour.
    int badgePixels = 0;
    int barPixels = 0;
    for (int y = size / 2; y < size; ++y) {
        for (int x = size / 2; x < size; ++x) {
            const QColor c = image.pixelColor(x, y);
            badgePixels += qAbs(c.red() - badge.red()) + qAbs(c.green() - badge.green()) +
                               qAbs(c.blue() - badge.blue()) <
                           30;
            barPixels += c == QColor(Qt::white);
        }
    }
    QVERIFY2(badgePixels > size * size / 16, qPrintable(QString::number(badgePixels)));
    QVERIFY2(barPixels > 0, qPrintable(QString::number(barPixels)));
}

QTEST_MAIN(TestThemeGlyphs)
#include "tst_themeglyphs.moc"
