#include "mainwindow/windowplace.h"

namespace WindowPlace {

QRect restored(const QRect &saved, const QVector<QRect> &areas)
{
    if (!saved.isValid())
        return QRect();
    QRect best;
    qint64 bestCover = 0;
    for (const QRect &area : areas) {
        const QRect common = area.intersected(saved);
        const qint64 cover = qint64(common.width()) * common.height();
        if (common.width() >= qMin(VisibleWidth, saved.width()) &&
            common.height() >= qMin(VisibleHeight, saved.height()) && cover > bestCover) {
            best = area;
            bestCover = cover;
        }
    }
    if (bestCover == 0)
        return QRect();
    // The title bar at the top must stay reachable: the frame goes inside
    // the area, made smaller where the area is (a screen that shrank).
    const QSize size = saved.size().boundedTo(best.size());
    const int x = qBound(best.left(), saved.x(), best.right() + 1 - size.width());
    const int y = qBound(best.top(), saved.y(), best.bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

} // namespace WindowPlace
