#include "theme/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace Glyphs {

namespace {

QPixmap transparentPixmap(int size, qreal ratio = 1.0)
{
    QPixmap pixmap(size, size);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon iconFrom(const QPixmap &pixmap)
{
    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal, QIcon::Off);
    return icon;
}

void setFilled(QPainter &p, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
}

void setStroked(QPainter &p, const QColor &colour, qreal width)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

// A cut makes the shape transparent and leaves the painter in source-over.
template <typename Draw> void cut(QPainter &p, Draw draw)
{
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    draw();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// A hole paints a transparent brush with source composition.
void hole(QPainter &p, const QPointF &centre, qreal radius)
{
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setBrush(Qt::transparent);
    p.drawEllipse(centre, radius, radius);
}

void gear(QPainter &p, const QColor &colour, const QPointF &centre, const QRectF &tooth,
          qreal toothRadius, qreal disc, qreal holeRadius)
{
    setFilled(p, colour);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 45.0);
        p.drawRoundedRect(tooth, toothRadius, toothRadius);
        p.restore();
    }
    p.drawEllipse(centre, disc, disc);
    hole(p, centre, holeRadius);
}

void roundedBar(QPainter &p, qreal x, qreal y, qreal w, qreal h, qreal r)
{
    p.drawRoundedRect(QRectF(x, y, w, h), r, r);
}

void polygon(QPainter &p, std::initializer_list<QPointF> points)
{
    p.drawPolygon(QPolygonF(QVector<QPointF>(points)));
}

void paintCommand(QPainter &p, const QColor &colour, Command kind)
{
    setFilled(p, colour);
    switch (kind) {
    case Command::Add:
        roundedBar(p, 8.2, 2.2, 3.6, 15.6, 1.3);
        roundedBar(p, 2.2, 8.2, 15.6, 3.6, 1.3);
        break;
    case Command::Edit:
        p.translate(10, 10);
        p.rotate(-42);
        roundedBar(p, -7.2, -1.45, 12.2, 2.9, 1.2);
        polygon(p, {{5, -1.7}, {8.1, 0}, {5, 1.7}});
        break;
    case Command::Delete:
        roundedBar(p, 3.2, 4.6, 13.6, 1.7, 1.3);
        roundedBar(p, 7.1, 2.2, 5.8, 1.8, 1.3);
        roundedBar(p, 4.3, 6.6, 11.4, 10.2, 1.8);
        cut(p, [&] {
            roundedBar(p, 7.2, 8.6, 1.5, 5.6, 1.3);
            roundedBar(p, 11.3, 8.6, 1.5, 5.6, 1.3);
        });
        break;
    case Command::Import:
        polygon(p, {{10, 13.2},
                    {4.2, 7.2},
                    {7.6, 7.2},
                    {7.6, 2.4},
                    {12.4, 2.4},
                    {12.4, 7.2},
                    {15.8, 7.2}});
        roundedBar(p, 3.2, 15.6, 13.6, 2, 1.3);
        break;
    case Command::Export:
        polygon(
            p,
            {{10, 2.2}, {15.8, 8.2}, {12.4, 8.2}, {12.4, 13}, {7.6, 13}, {7.6, 8.2}, {4.2, 8.2}});
        roundedBar(p, 3.2, 15.6, 13.6, 2, 1.3);
        break;
    case Command::Settings:
        gear(p, colour, QPointF(10, 10), QRectF(-1.335, -8, 2.67, 3.78), 0.67, 5.11, 2.11);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setBrush(colour);
        break;
    case Command::Exit:
        p.translate(10, 10);
        p.rotate(45);
        roundedBar(p, -1.6, -7.2, 3.2, 14.4, 1.3);
        roundedBar(p, -7.2, -1.6, 14.4, 3.2, 1.3);
        break;
    case Command::Pause:
        roundedBar(p, 4.2, 3, 3.6, 14, 1.3);
        roundedBar(p, 12.2, 3, 3.6, 14, 1.3);
        break;
    case Command::Resume:
        polygon(p, {{5.2, 3}, {15.6, 10}, {5.2, 17}});
        break;
    case Command::ShowWindow:
        roundedBar(p, 2.4, 3.2, 15.2, 13.2, 1.8);
        cut(p, [&] { roundedBar(p, 4.2, 6.6, 11.6, 7.6, 1); });
        break;
    case Command::Enabled:
        setStroked(p, colour, 2.4);
        p.drawLine(QPointF(3.6, 10.2), QPointF(8, 14.8));
        p.drawLine(QPointF(8, 14.8), QPointF(16.4, 5));
        break;
    case Command::FloatingPanel:
        p.drawEllipse(QRectF(2, 6, 16, 8));
        cut(p, [&] { p.drawEllipse(QRectF(7.2, 7.4, 5.6, 5.2)); });
        p.drawEllipse(QRectF(8.6, 8.6, 2.8, 2.8));
        break;
    }
}

} // namespace

QIcon pauseGlyph(bool paused, const QColor &colour)
{
    QPixmap pixmap = transparentPixmap(22);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    setFilled(p, colour);
    if (paused) {
        polygon(p, {{7, 4.5}, {17.5, 11}, {7, 17.5}});
    } else {
        p.drawRoundedRect(QRectF(6, 4.5, 3.6, 13), 1, 1);
        p.drawRoundedRect(QRectF(12.4, 4.5, 3.6, 13), 1, 1);
    }
    p.end();
    return iconFrom(pixmap);
}

QIcon gearGlyph(const QColor &colour)
{
    QPixmap pixmap = transparentPixmap(18);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    gear(p, colour, QPointF(9, 9), QRectF(-1.2, -7.2, 2.4, 3.4), 0.6, 4.6, 1.9);
    p.end();
    return iconFrom(pixmap);
}

QIcon captionGlyph(const QColor &colour, const QString &kind)
{
    QPixmap pixmap = transparentPixmap(12);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    setStroked(p, colour, 1.4);
    if (kind == QLatin1String("min")) {
        p.drawLine(QPointF(2, 6), QPointF(10, 6));
    } else if (kind == QLatin1String("max")) {
        p.drawRect(QRectF(2.2, 2.2, 7.6, 7.6));
    } else if (kind == QLatin1String("restore")) {
        p.drawRect(QRectF(3.4, 1.8, 6.2, 6.2));
        p.drawLine(QPointF(1.8, 4), QPointF(1.8, 10.2));
        p.drawLine(QPointF(1.8, 10.2), QPointF(8, 10.2));
        p.drawLine(QPointF(8, 10.2), QPointF(8, 8));
    } else if (kind == QLatin1String("close")) {
        p.drawLine(QPointF(2.5, 1.9), QPointF(9.5, 8.9));
        p.drawLine(QPointF(9.5, 1.9), QPointF(2.5, 8.9));
    }
    p.end();
    return iconFrom(pixmap);
}

QIcon dialogCloseGlyph(const QColor &colour)
{
    QPixmap pixmap = transparentPixmap(12);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    setStroked(p, colour, 1.4);
    p.drawLine(QPointF(2.5, 1.9), QPointF(9.5, 8.9));
    p.drawLine(QPointF(9.5, 1.9), QPointF(2.5, 8.9));
    p.end();
    return iconFrom(pixmap);
}

QIcon warningGlyph(const QColor &colour)
{
    QPixmap pixmap = transparentPixmap(32, 2.0);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    setFilled(p, colour);
    QPainterPath triangle;
    triangle.moveTo(8, 1.5);
    triangle.lineTo(15, 14.5);
    triangle.lineTo(1, 14.5);
    triangle.closeSubpath();
    p.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(triangle);
    cut(p, [&p] {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawRoundedRect(QRectF(7.1, 5.2, 1.8, 5.0), 0.9, 0.9);
        p.drawEllipse(QPointF(8, 12.2), 1.0, 1.0);
    });
    p.end();
    return iconFrom(pixmap);
}

QPixmap commandGlyphPixmap(const QColor &colour, Command kind)
{
    QPixmap pixmap = transparentPixmap(40, 2.0);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paintCommand(p, colour, kind);
    p.end();
    return pixmap;
}

QIcon commandGlyph(const QColor &colour, Command kind)
{
    return iconFrom(commandGlyphPixmap(colour, kind));
}

QIcon checkedOnlyGlyph(const QColor &colour, Command kind)
{
    const QPixmap glyph = commandGlyphPixmap(colour, kind);
    QPixmap empty(glyph.size());
    empty.setDevicePixelRatio(glyph.devicePixelRatio());
    empty.fill(Qt::transparent);
    QIcon icon;
    icon.addPixmap(glyph, QIcon::Normal, QIcon::On);
    icon.addPixmap(empty, QIcon::Normal, QIcon::Off);
    return icon;
}

QIcon pausedIcon(const QIcon &base, const QColor &badge, const QColor &bars)
{
    QIcon icon;
    for (const QSize &size : base.availableSizes()) {
        QImage image = base.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull())
            continue;
        // Grey and lighter: the program is there, but not at work.
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grey = 96 + qGray(line[x]) * 5 / 8;
                line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 3 / 4);
            }
        }
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal w = image.width();
        const qreal h = image.height();
        // A larger share at the smallest sizes, where the bars must still read.
        const qreal d = qMax(w, h) * (qMax(w, h) <= 24 ? 0.72 : 0.62);
        const QRectF disc(w - d, h - d, d, d);
        p.setPen(Qt::NoPen);
        p.setBrush(badge);
        p.drawEllipse(disc);
        p.setBrush(bars);
        const qreal barWidth = qMax(1.5, d * 0.16);
        const qreal barHeight = d * 0.5;
        const qreal top = disc.center().y() - barHeight / 2;
        const qreal gap = qMax(1.5, d * 0.14);
        p.drawRect(QRectF(disc.center().x() - gap / 2 - barWidth, top, barWidth, barHeight));
        p.drawRect(QRectF(disc.center().x() + gap / 2, top, barWidth, barHeight));
        p.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace Glyphs
