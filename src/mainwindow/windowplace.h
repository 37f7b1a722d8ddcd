#pragma once

// Where the main window comes back: the place and size the user left it at,
// kept on a screen that exists. Pure rules over rectangles, tested without a
// display; the window feeds them its screens' work areas.

#include <QRect>
#include <QVector>

namespace WindowPlace {

// So much of a saved frame must lie on one work area for it to count as on
// that screen: enough of the title bar to take hold of.
constexpr int VisibleWidth = 48;
constexpr int VisibleHeight = 32;

// The frame to restore from saved on the work areas: saved itself when it
// lies within one of them; moved, and shrunk where it is larger, into the
// area it mostly covers when partly outside; an invalid rectangle when
// nothing was saved or too little of it is on any area (the window manager
// places the window then, as on the first start).
QRect restored(const QRect &saved, const QVector<QRect> &areas);

} // namespace WindowPlace
