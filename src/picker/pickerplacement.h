#pragma once

// Where the picker opens: at the caret point when it fits, above the point
// when it would run past the bottom of the screen, pushed left at the right
// edge, and always inside the available area of the screen that holds the
// point (which may lie left of or above the primary screen).

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

namespace PickerPlacement {

constexpr int GapAbove = 12; // between the point and the bottom of a picker above it

struct Screen
{
    QRect geometry;
    QRect available; // without task bars and docks
};

// The available area of the first screen whose geometry holds p; the primary
// screen's (index primary) when none does; 0,0 1280 x 800 when there is no
// primary screen either.
QRect areaFor(const QPoint &p, const QVector<Screen> &screens, int primary);
// The same over QGuiApplication's screens.
QRect areaFor(const QPoint &p);

// Top-left corner of a window of the given size opened at p inside area.
QPoint place(const QPoint &p, const QSize &size, const QRect &area);

} // namespace PickerPlacement
