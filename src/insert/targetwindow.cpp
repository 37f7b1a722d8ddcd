#include "insert/targetwindow.h"

#include "insert/textcontrolclass.h"

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
    const QPoint fallback = physicalToLogical(desktop.cursorPos());
    if (!target)
        return fallback;
    const quint32 thread = desktop.windowThreadProcessId(target, nullptr);
    GuiThreadInfo info;
    QPoint anchor;
    if (desktop.guiThreadInfo(thread, &info) && info.caretWindow) {
        anchor = caretAnchor(info.caretRect);
        if (!desktop.clientToScreen(info.caretWindow, &anchor))
            return fallback;
    } else {
        // Where the thread query names no caret, the accessibility bus may.
        QRect caret;
        if (!desktop.accessibleCaret(target, &caret))
            return fallback;
        anchor = caretAnchor(caret);
    }
    if (anchor.isNull())
        return fallback;
    return physicalToLogical(QPoint(anchor.x(), anchor.y() + CaretGapBelow));
}

bool waitForShortcutKeysUp(Desktop &desktop, int maxMs)
{
    constexpr int PollMs = 5;
    const quint32 start = desktop.tickCount();
    while (desktop.isNonModifierKeyDown()) {
        if (quint32(desktop.tickCount() - start) >= quint32(maxMs))
            return false;
        desktop.waitForKeyEvent(PollMs); // X11 wakes at the release itself
    }
    return true;
}

bool isTargetElevated(Desktop &desktop, WindowHandle window)
{
    if (!window)
        return false;
    quint32 pid = 0;
    desktop.windowThreadProcessId(window, &pid);
    const ProcessLevel target = desktop.processLevel(pid);
    switch (target.status) {
    case ProcessLevel::AccessDenied:
    case ProcessLevel::TokenFailed:
        return true;
    case ProcessLevel::OpenFailed:
        return false;
    case ProcessLevel::Ok:
        break;
    }
    quint32 own = 0;
    if (!desktop.ownProcessLevel(&own))
        return false;
    return target.level > own && target.level != 0 && own != 0;
}

bool isOwnProcessWindow(Desktop &desktop, WindowHandle window)
{
    if (!window)
        return false;
    quint32 pid = 0;
    desktop.windowThreadProcessId(window, &pid);
    if (pid != 0 && pid == desktop.currentProcessId())
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

bool forceForeground(Desktop &desktop, WindowHandle window)
{
    if (!window || !desktop.isWindow(window))
        return false;
    const quint32 own = desktop.currentThreadId();
    const quint32 theirs = desktop.windowThreadProcessId(window, nullptr);
    const bool attached = desktop.attachThreadInput(own, theirs, true);
    const bool set = desktop.setForegroundWindow(window);
    desktop.bringWindowToTop(window);
    if (attached)
        desktop.attachThreadInput(own, theirs, false);
    return set || desktop.foregroundWindow() == window;
}

bool isTextControl(Desktop &desktop, WindowHandle window)
{
    if (!window)
        return false;
    QString name;
    if (!desktop.className(window, &name))
        return false;
    return TextControlClass::isTextControlClassName(
        reinterpret_cast<const char16_t *>(name.utf16()), std::size_t(name.size()));
}

WindowHandle findTextControl(Desktop &desktop, WindowHandle target)
{
    WindowHandle w = (target && desktop.isWindow(target)) ? target : desktop.foregroundWindow();
    if (!w)
        return 0;
    if (isTextControl(desktop, w))
        return w;

    quint32 thread = desktop.windowThreadProcessId(w, nullptr);
    if (!desktop.isWindow(w)) {
        const WindowHandle fg = desktop.foregroundWindow();
        thread = fg ? desktop.windowThreadProcessId(fg, nullptr) : 0;
    }
    WindowHandle candidate = 0;
    if (thread) {
        const quint32 own = desktop.currentThreadId();
        const bool attached = thread != own && desktop.attachThreadInput(own, thread, true);
        GuiThreadInfo info;
        if (desktop.guiThreadInfo(thread, &info))
            candidate = info.focus;
        if (attached)
            desktop.attachThreadInput(own, thread, false);
    }
    // Another child that takes text is not the user's choice: a focused
    // button beside an EDIT must not send the text into the EDIT.
    return isTextControl(desktop, candidate) ? candidate : 0;
}
