#pragma once

// Which part of a frameless window's edge a pointer is on. The answers are the
// Win32 WM_NCHITTEST codes, so the Windows backend returns them as they are and
// the X11 backend turns them into the edges of a window-manager resize.

#include <QPoint>
#include <QRect>
#include <Qt>

namespace FrameHit {

constexpr int Client = 1;       // HTCLIENT
constexpr int Left = 10;        // HTLEFT
constexpr int Right = 11;       // HTRIGHT
constexpr int Top = 12;         // HTTOP
constexpr int TopLeft = 13;     // HTTOPLEFT
constexpr int TopRight = 14;    // HTTOPRIGHT
constexpr int Bottom = 15;      // HTBOTTOM
constexpr int BottomLeft = 16;  // HTBOTTOMLEFT
constexpr int BottomRight = 17; // HTBOTTOMRIGHT

constexpr int DialogBand = 6;     // themed dialogs and the picker
constexpr int MainWindowBand = 8; // the main window

// `window` is the window rectangle in screen coordinates, `pos` the pointer in
// screen coordinates. The band lies inside each edge: left <= x < left + band,
// right - band <= x < right (right = x + width, exclusive), alike for top and
// bottom. Corners win over edges. A maximised window has no resize edge.
int hitTest(const QRect &window, const QPoint &pos, int band, bool maximised);

// The edges a window-manager resize should move for an answer; none for Client
// or an unknown answer.
Qt::Edges edgesFor(int answer);

} // namespace FrameHit
