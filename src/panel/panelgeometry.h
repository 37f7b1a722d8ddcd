#pragma once

// Where the floating panel may be and how big: snapping to the edges of a
// screen's work area, resizing from an edge, and keeping the panel in sight
// when screens come and go. Pure rules over plain rectangles, so that they
// are tested without a display; the panel feeds them QScreen's geometry.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

namespace PanelGeometry {

constexpr int MinWidth = 168;
constexpr int MaxWidth = 640;
constexpr int MinHeight = 108;
constexpr int MaxHeight = 900;
constexpr int DefaultWidth = 320;
constexpr int DefaultHeight = 420;
constexpr int SnapDistance = 18;
// Width of the band along the left, right and bottom edges that resizes.
constexpr int EdgeZone = 8;
// A stored place counts as visible while this much of the panel (or all of
// it, when it is smaller) lies on one screen's work area.
constexpr int VisiblePatchWidth = 48;
constexpr int VisiblePatchHeight = 32;

enum Edge
{
    NoEdge = 0,
    LeftEdge = 1,
    RightEdge = 2,
    BottomEdge = 4,
};

struct Screen
{
    QRect geometry;  // the whole screen
    QRect available; // without task bars and docks
};

struct Screens
{
    QVector<Screen> list;
    int primary = -1; // index into list; -1 when there is none
};

// The work area a rectangle snaps to: the screen under r's centre, else the
// one under the current frame's centre, else the primary screen, else a
// 1920 x 1080 area at the origin.
QRect snapArea(const QRect &r, const QRect &frame, const Screens &screens);
// The top-left corner after snapping a rectangle of size at p to area: an
// edge within SnapDistance moves flush (left before right, top before
// bottom). A rectangle that already overhangs an edge is not pulled back.
QPoint snap(const QPoint &p, const QSize &size, const QRect &area);

// The edges (Edge bits) under pos, in panel coordinates of a panel of size.
// There is no top edge: the header is for moving.
int edgesAt(const QPoint &pos, const QSize &size);
// The geometry after dragging edges by delta from start; the width stays in
// MinWidth..MaxWidth with the opposite edge fixed, the height in
// minHeight..MaxHeight with the top fixed.
QRect resized(const QRect &start, int edges, const QPoint &delta, int minHeight);

struct Placement
{
    bool valid = false;    // false: no screen at all, nothing to do
    bool fallback = false; // placed on the primary screen's right edge
    QRect geometry;
};
// Where the panel belongs when its frame is f: kept on the screen it mostly
// covers (shrunk to that screen's work area and moved inside it), or, when
// less than a 48 x 32 patch of it is on any screen, flush with the primary
// screen's right edge and vertically centred.
Placement ensureOnScreen(const QRect &f, const Screens &screens, int minHeight);
// The default place of a panel of size: flush with the right edge of area,
// vertically centred, top kept inside.
QPoint rightEdgePosition(const QSize &size, const QRect &area);

} // namespace PanelGeometry
