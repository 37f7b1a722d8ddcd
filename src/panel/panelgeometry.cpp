#include "panel/panelgeometry.h"

#include <QtGlobal>

namespace PanelGeometry {

namespace {

qint64 area(const QRect &r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

int screenAt(const QPoint &p, const Screens &screens)
{
    for (int i = 0; i < screens.list.size(); ++i) {
        if (screens.list.at(i).geometry.contains(p))
            return i;
    }
    return -1;
}

// Keeps an extent of length inside low..high (inclusive); when it is longer
// than the span, its start is low.
int clampInto(int value, int length, int low, int high)
{
    const int largest = high - length + 1;
    if (largest < low)
        return low;
    return qBound(low, value, largest);
}

} // namespace

QRect snapArea(const QRect &r, const QRect &frame, const Screens &screens)
{
    int index = screenAt(r.center(), screens);
    if (index < 0)
        index = screenAt(frame.center(), screens);
    if (index < 0)
        index = screens.primary;
    if (index < 0 || index >= screens.list.size())
        return QRect(0, 0, 1920, 1080);
    return screens.list.at(index).available;
}

QPoint snap(const QPoint &p, const QSize &size, const QRect &a)
{
    QRect r(p, size);
    if (r.left() >= a.left() && r.left() - a.left() <= SnapDistance)
        r.moveLeft(a.left());
    else if (r.right() <= a.right() && a.right() - r.right() <= SnapDistance)
        r.moveRight(a.right());
    if (r.top() >= a.top() && r.top() - a.top() <= SnapDistance)
        r.moveTop(a.top());
    else if (r.bottom() <= a.bottom() && a.bottom() - r.bottom() <= SnapDistance)
        r.moveBottom(a.bottom());
    return r.topLeft();
}

int edgesAt(const QPoint &pos, const QSize &size)
{
    int edges = NoEdge;
    if (pos.x() <= EdgeZone)
        edges |= LeftEdge;
    else if (pos.x() >= size.width() - EdgeZone)
        edges |= RightEdge;
    if (pos.y() >= size.height() - EdgeZone)
        edges |= BottomEdge;
    return edges;
}

QRect resized(const QRect &start, int edges, const QPoint &delta, int minHeight)
{
    QRect r = start;
    if (edges & LeftEdge) {
        const int width = qBound(MinWidth, start.width() - delta.x(), MaxWidth);
        r.setX(start.x() + start.width() - width);
        r.setWidth(width);
    } else if (edges & RightEdge) {
        r.setWidth(qBound(MinWidth, start.width() + delta.x(), MaxWidth));
    }
    if (edges & BottomEdge)
        r.setHeight(qMax(minHeight, qMin(start.height() + delta.y(), MaxHeight)));
    return r;
}

QPoint rightEdgePosition(const QSize &size, const QRect &a)
{
    const int x = a.right() - size.width() + 1;
    const int y =
        qMax(a.top(), qMin(a.bottom() + 1 - size.height(), a.center().y() - size.height() / 2));
    return QPoint(x, y);
}

Placement ensureOnScreen(const QRect &f, const Screens &screens, int minHeight)
{
    Placement out;
    int best = -1;
    qint64 bestArea = 0;
    for (int i = 0; i < screens.list.size(); ++i) {
        const qint64 overlap = area(f.intersected(screens.list.at(i).available));
        // A later screen must cover strictly more to win.
        if (overlap > bestArea) {
            best = i;
            bestArea = overlap;
        }
    }
    const qint64 patch =
        qint64(qMin(f.height(), VisiblePatchHeight)) * qMin(f.width(), VisiblePatchWidth);
    if (best >= 0 && bestArea >= patch) {
        const QRect a = screens.list.at(best).available;
        QSize size = f.size();
        if (size.width() > a.width())
            size.setWidth(qMax(a.width(), MinWidth));
        if (size.height() > a.height())
            size.setHeight(qMax(minHeight, a.height()));
        out.valid = true;
        out.geometry = QRect(QPoint(clampInto(f.x(), size.width(), a.left(), a.right()),
                                    clampInto(f.y(), size.height(), a.top(), a.bottom())),
                             size);
        return out;
    }

    // Essentially off every screen: back to the primary one.
    if (screens.primary < 0 || screens.primary >= screens.list.size())
        return out;
    const QRect a = screens.list.at(screens.primary).available;
    const int width =
        qMax(MinWidth, qMin(qMin(f.width() > 0 ? f.width() : DefaultWidth, a.width()), MaxWidth));
    const int height = qMax(
        minHeight, qMin(qMin(f.height() > 0 ? f.height() : DefaultHeight, a.height()), MaxHeight));
    const QSize size(width, height);
    out.valid = true;
    out.fallback = true;
    out.geometry = QRect(rightEdgePosition(size, a), size);
    return out;
}

} // namespace PanelGeometry
