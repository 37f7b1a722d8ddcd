#include "insert/targetwindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

constexpr int CaretGapBelow = 6;     // the popup opens this far below the caret
constexpr int EmptyCaretHeight = 18; // stands in for the height of an empty caret rectangle

QVector<ScreenGeometry> currentScreens()
{
    QVector<ScreenGeometry> out;
    for (QScreen *screen : QGuiApplication::screens())
        out.append({screen->geometry(), screen->devicePixelRatio()});
    return out;
}

// (left, bottom) of a caret rectangle, or 18 below its top when it is empty
// or inverted. QRect's bottom() is one less than the native bottom edge.
QPoint caretAnchor(const QRect &caret)
{
    const int nativeBottom = caret.top() + caret.height();
    return QPoint(caret.left(),
                  nativeBottom > caret.top() ? nativeBottom : caret.top() + EmptyCaretHeight);
}

} // namespace

QPoint physicalToLogical(const QPoint &p, const QVector<ScreenGeometry> &screens,
                         qreal primaryRatio)
{
    // Qt 5 keeps a screen's native top-left as its logical top-left and
    // scales only the offset inside the screen; multiplying the origin too
    // would put a screen that does not start at (0, 0) somewhere else.
    for (const ScreenGeometry &s : screens) {
        const qreal r = s.ratio;
        if (!(r > 0))
            continue;
        const QRect &g = s.logical;
        const QRect physical(g.topLeft(), QSize(qRound(g.width() * r), qRound(g.height() * r)));
        if (physical.contains(p))
            return QPoint(g.x() + qRound((p.x() - g.x()) / r), g.y() + qRound((p.y() - g.y()) / r));
    }
    if (!(primaryRatio > 0))
        return p;
    return QPoint(qRound(p.x() / primaryRatio), qRound(p.y() / primaryRatio));
}

QPoint physicalToLogical(const QPoint &p)
{
    QScreen *primary = QGuiApplication::primaryScreen();
    return physicalToLogical(p, currentScreens(), primary ? primary->devicePixelRatio() : 1.0);
}

QRect physicalFrame(const QWindow *window)
{
    if (!window)
        return QRect();
    const QRect frame = window->frameGeometry();
    const QScreen *screen = window->screen();
    if (!screen)
        return frame;
    const qreal r = screen->devicePixelRatio();
    const QPoint origin = screen->geometry().topLeft();
    return QRect(origin + (frame.topLeft() - origin) * r, frame.size() * r);
}

QPoint caretPosition(Desktop &desktop, WindowHandle target)
{
    const QPoint fallback = physicalToLogical(desktop.caret().pointerPos());
    if (!target)
        return fallback;
    QRect caret;
    if (!desktop.caret().caretRect(target, &caret))
        return fallback;
    const QPoint anchor = caretAnchor(caret);
    if (anchor.isNull())
        return fallback;
    return physicalToLogical(QPoint(anchor.x(), anchor.y() + CaretGapBelow));
}

bool waitForShortcutKeysUp(Desktop &desktop, int maxMs)
{
    constexpr int PollMs = 5;
    Clock &clock = desktop.clock();
    const quint32 start = clock.tickCount();
    while (desktop.keyboard().isAnyKeyDown(false)) {
        if (quint32(clock.tickCount() - start) >= quint32(maxMs))
            return false;
        desktop.keyboard().waitForKeyEvent(PollMs); // X11 wakes at the release itself
    }
    return true;
}

bool isOwnProcessWindow(Desktop &desktop, WindowHandle window)
{
    if (!window)
        return false;
    if (desktop.targets().isOwnProcess(window))
        return true;
    // X11 windows need not name their process; our own top-level windows are
    // known anyway. handle() first: winId() would create a native window.
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow *w : windows) {
        if (w->handle() && w->winId() == window)
            return true;
    }
    return false;
}
