// Frameless windows on Windows keep the native caption and thick-frame styles,
// so that the system still resizes, snaps and animates them, while
// WM_NCCALCSIZE makes the whole window client area and WM_NCHITTEST turns
// the edge band into resize borders.

#include "platform/windowframe.h"

#include "platform/framehittest.h"

#include <QWidget>

#include <windows.h>

namespace WindowFrame {

namespace {

constexpr LONG dialogStyles = 0x00C40000;      // WS_CAPTION | WS_THICKFRAME
constexpr LONG mainWindowStyles = 0x00C70000;  // ... | WS_MINIMIZEBOX | WS_MAXIMIZEBOX
constexpr LONG maximizeBox = 0x00010000;       // WS_MAXIMIZEBOX
constexpr LONG plainDialogStyles = 0x00CA0000; // WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX
constexpr LONG contextHelp = 0x00000400;       // WS_EX_CONTEXTHELP
// SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED
constexpr UINT frameChangedFlags = 0x37;

HWND handleOf(QWidget *widget)
{
    return widget ? reinterpret_cast<HWND>(widget->internalWinId()) : nullptr;
}

} // namespace

int band(Kind kind)
{
    return kind == Kind::MainWindow ? FrameHit::MainWindowBand : FrameHit::DialogBand;
}

void prepareFramelessWindow(QWidget *window, Kind kind)
{
    HWND hwnd = handleOf(window);
    if (!hwnd)
        return;
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    SetWindowLongW(hwnd, GWL_STYLE,
                   style | (kind == Kind::MainWindow ? mainWindowStyles : dialogStyles));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, frameChangedFlags);
}

bool frameNativeEvent(QWidget *window, const QByteArray &eventType, void *message, long *result,
                      Kind kind)
{
    if (eventType != "windows_generic_MSG" && eventType != "windows_dispatcher_MSG")
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    if (!msg || !result)
        return false;

    if (msg->message == WM_NCCALCSIZE) {
        if (msg->wParam == 0)
            return false;
        *result = 0;
        return true;
    }
    if (msg->message != WM_NCHITTEST)
        return false;

    if (kind == Kind::MainWindow && window && window->isMaximized()) {
        *result = HTCLIENT;
        return true;
    }
    RECT rect{0, 0, 0, 0};
    if (msg->hwnd)
        GetWindowRect(msg->hwnd, &rect);
    // Screen coordinates, each half sign-extended (negative on a monitor left
    // of or above the primary one).
    const int x = static_cast<short>(LOWORD(msg->lParam));
    const int y = static_cast<short>(HIWORD(msg->lParam));
    const QRect windowRect(QPoint(rect.left, rect.top),
                           QSize(rect.right - rect.left, rect.bottom - rect.top));
    *result = FrameHit::hitTest(windowRect, QPoint(x, y), band(kind), false);
    return true;
}

bool startSystemMove(QWidget *)
{
    // The title bars move the window themselves, as the system's own caption
    // is never answered from WM_NCHITTEST.
    return false;
}

// Windows gives an owned window no task bar button: the toolkit makes a
// dialog's parent its owner.
void keepOffTaskbar(QWidget *) {}

void tidyPlainDialogFrame(QWidget *dialog)
{
    HWND hwnd = handleOf(dialog);
    if (!hwnd)
        return;
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    style &= ~maximizeBox;
    style |= plainDialogStyles;
    SetWindowLongW(hwnd, GWL_STYLE, style);
    const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
    SetWindowLongW(hwnd, GWL_EXSTYLE, exStyle & ~contextHelp);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, frameChangedFlags);
}

int captionButtonWidth()
{
    return GetSystemMetrics(SM_CXSIZE);
}

int smallIconWidth()
{
    return GetSystemMetrics(SM_CXSMICON);
}

} // namespace WindowFrame
