#include "picker/pickerplacement.h"

#include <QGuiApplication>
#include <QScreen>

namespace PickerPlacement {

QRect areaFor(const QPoint &p, const QVector<Screen> &screens, int primary)
{
    for (const Screen &s : screens) {
        if (s.geometry.contains(p))
            return s.available;
    }
    if (primary >= 0 && primary < screens.size())
        return screens.at(primary).available;
    return QRect(0, 0, 1280, 800);
}

QRect areaFor(const QPoint &p)
{
    QVector<Screen> screens;
    int primary = -1;
    const QList<QScreen *> all = QGuiApplication::screens();
    for (QScreen *screen : all) {
        if (screen == QGuiApplication::primaryScreen())
            primary = screens.size();
        screens.append({screen->geometry(), screen->availableGeometry()});
    }
    return areaFor(p, screens, primary);
}

QPoint place(const QPoint &p, const QSize &size, const QRect &area)
{
    int x = p.x();
    int y = p.y();
    // right() and bottom() are the last column and row inside the area.
    if (x + size.width() > area.right())
        x = area.right() - size.width();
    if (y + size.height() > area.bottom())
        y = p.y() - size.height() - GapAbove;
    // A point far below the area (a caret scrolled off the screen) would
    // still leave the picker out of sight.
    if (y + size.height() > area.bottom())
        y = area.bottom() - size.height();
    if (x < area.left())
        x = area.left();
    if (y < area.top())
        y = area.top();
    return QPoint(x, y);
}

} // namespace PickerPlacement
