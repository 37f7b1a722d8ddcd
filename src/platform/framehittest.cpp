#include "platform/framehittest.h"

namespace FrameHit {

int hitTest(const QRect &window, const QPoint &pos, int band, bool maximised)
{
    if (maximised)
        return Client;
    // Exclusive right and bottom like a Win32 RECT; QRect::right() is inclusive.
    const int left = window.x();
    const int top = window.y();
    const int right = window.x() + window.width();
    const int bottom = window.y() + window.height();
    const int x = pos.x();
    const int y = pos.y();

    const bool onLeft = left <= x && x < left + band;
    const bool onRight = right - band <= x && x < right;
    const bool onTop = top <= y && y < top + band;
    const bool onBottom = bottom - band <= y && y < bottom;

    if (onTop && onLeft)
        return TopLeft;
    if (onTop && onRight)
        return TopRight;
    if (onBottom && onLeft)
        return BottomLeft;
    if (onBottom && onRight)
        return BottomRight;
    if (onLeft)
        return Left;
    if (onRight)
        return Right;
    if (onTop)
        return Top;
    if (onBottom)
        return Bottom;
    return Client;
}

Qt::Edges edgesFor(int answer)
{
    switch (answer) {
    case Left:
        return Qt::LeftEdge;
    case Right:
        return Qt::RightEdge;
    case Top:
        return Qt::TopEdge;
    case Bottom:
        return Qt::BottomEdge;
    case TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

} // namespace FrameHit
