// The Win32 backend: Qt types in, Win32 calls out.

#include "platform/win/windesktop.h"

#include "platform/win/win32prims.h"

#include <QString>

namespace {

HWND hwnd(WindowHandle w)
{
    return reinterpret_cast<HWND>(w);
}

WindowHandle handle(HWND w)
{
    return reinterpret_cast<WindowHandle>(w);
}

const wchar_t *wide(const QString &s)
{
    return reinterpret_cast<const wchar_t *>(s.utf16());
}

} // namespace

WinDesktop::WinDesktop() = default;
WinDesktop::~WinDesktop() = default;

WindowHandle WinDesktop::foregroundWindow()
{
    return handle(Win32Prims::foregroundWindow());
}

bool WinDesktop::isWindow(WindowHandle w)
{
    return Win32Prims::isWindow(hwnd(w));
}

bool WinDesktop::isWindowVisible(WindowHandle w)
{
    return Win32Prims::isWindowVisible(hwnd(w));
}

quint32 WinDesktop::windowThreadProcessId(WindowHandle w, quint32 *processId)
{
    DWORD pid = 0;
    const DWORD thread = Win32Prims::windowThreadProcessId(hwnd(w), &pid);
    if (processId)
        *processId = pid;
    return thread;
}

quint32 WinDesktop::currentThreadId()
{
    return GetCurrentThreadId();
}

quint32 WinDesktop::currentProcessId()
{
    return GetCurrentProcessId();
}

bool WinDesktop::attachThreadInput(quint32 from, quint32 to, bool attach)
{
    return Win32Prims::attachThreadInput(from, to, attach);
}

bool WinDesktop::setForegroundWindow(WindowHandle w)
{
    return Win32Prims::setForegroundWindow(hwnd(w));
}

bool WinDesktop::bringWindowToTop(WindowHandle w)
{
    return Win32Prims::bringWindowToTop(hwnd(w));
}

bool WinDesktop::activateOwnWindow(WindowHandle w, int)
{
    // The WM_HOTKEY that led here lets this process take the foreground.
    return Win32Prims::setForegroundWindow(hwnd(w)) || Win32Prims::foregroundWindow() == hwnd(w);
}

bool WinDesktop::keepOutOfTaskBar(WindowHandle)
{
    return true; // a tool window has no task-bar button
}

bool WinDesktop::guiThreadInfo(quint32 threadId, GuiThreadInfo *info)
{
    HWND focus = nullptr;
    HWND caret = nullptr;
    RECT r{0, 0, 0, 0};
    if (!Win32Prims::guiThreadInfo(threadId, &focus, &caret, &r))
        return false;
    info->focus = handle(focus);
    info->caretWindow = handle(caret);
    info->caretRect = QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    return true;
}

bool WinDesktop::accessibleCaret(WindowHandle, QRect *)
{
    return false; // GetGUIThreadInfo names the caret
}

bool WinDesktop::clientToScreen(WindowHandle w, QPoint *point)
{
    POINT p{point->x(), point->y()};
    if (!Win32Prims::clientToScreen(hwnd(w), &p))
        return false;
    *point = QPoint(p.x, p.y);
    return true;
}

bool WinDesktop::className(WindowHandle w, QString *name)
{
    std::wstring n;
    if (!Win32Prims::className(hwnd(w), &n))
        return false;
    *name = QString::fromWCharArray(n.data(), int(n.size()));
    return true;
}

QVector<WindowHandle> WinDesktop::childWindows(WindowHandle w)
{
    QVector<WindowHandle> out;
    for (HWND c : Win32Prims::childWindows(hwnd(w)))
        out.append(handle(c));
    return out;
}

QPoint WinDesktop::cursorPos()
{
    const POINT p = Win32Prims::cursorPos();
    return QPoint(p.x, p.y);
}

ProcessLevel WinDesktop::processLevel(quint32 processId)
{
    DWORD level = 0;
    switch (Win32Prims::processIntegrityLevel(processId, &level)) {
    case Win32Prims::OpenResult::Ok:
        return ProcessLevel{ProcessLevel::Ok, level};
    case Win32Prims::OpenResult::AccessDenied:
        return ProcessLevel{ProcessLevel::AccessDenied, 0};
    case Win32Prims::OpenResult::TokenFailed:
        return ProcessLevel{ProcessLevel::TokenFailed, 0};
    case Win32Prims::OpenResult::OpenFailed:
        break;
    }
    return ProcessLevel{ProcessLevel::OpenFailed, 0};
}

bool WinDesktop::ownProcessLevel(quint32 *level)
{
    DWORD l = 0;
    const bool ok = Win32Prims::ownIntegrityLevel(&l);
    *level = l;
    return ok;
}

int WinDesktop::textLength(WindowHandle control)
{
    return Win32Prims::textLength(hwnd(control));
}

bool WinDesktop::selection(WindowHandle control, int *start, int *end)
{
    DWORD s = 0;
    DWORD e = 0;
    if (!Win32Prims::selection(hwnd(control), &s, &e))
        return false;
    *start = int(s);
    *end = int(e);
    return true;
}

void WinDesktop::replaceSelection(WindowHandle control, const QString &text)
{
    Win32Prims::replaceSelection(hwnd(control), wide(text));
}

void WinDesktop::paste(WindowHandle control)
{
    Win32Prims::paste(hwnd(control));
}

int WinDesktop::sendInput(const QVector<KeyInput> &events)
{
    std::vector<Win32Prims::KeyEvent> keys;
    keys.reserve(size_t(events.size()));
    for (const KeyInput &k : events)
        keys.push_back({k.vk, k.scan, k.flags});
    return int(Win32Prims::sendInput(keys.data(), keys.size()));
}

quint16 WinDesktop::scanCodeForVirtualKey(quint16 vk)
{
    return Win32Prims::scanCodeForVirtualKey(vk);
}

bool WinDesktop::isKeyDown(int vk)
{
    return Win32Prims::isKeyDown(vk);
}

bool WinDesktop::isNonModifierKeyDown()
{
    return false; // RegisterHotKey does not grab: a held key swallows nothing
}

quint32 WinDesktop::tickCount()
{
    return GetTickCount();
}

// The key state is polled with GetAsyncKeyState between these waits.
void WinDesktop::waitForKeyEvent(int maxMs)
{
    Sleep(DWORD(maxMs));
}

// KEYEVENTF_UNICODE gives any UTF-16 unit, whatever the keyboard layout.
bool WinDesktop::canTypeExactly(const QString &)
{
    return true;
}

void WinDesktop::sleep(int ms)
{
    Sleep(DWORD(ms));
}

void WinDesktop::settle(WindowHandle, int maxMs)
{
    Sleep(DWORD(maxMs));
}

void WinDesktop::releaseOleClipboard()
{
    Win32Prims::releaseOleClipboard();
}

bool WinDesktop::openClipboard()
{
    return Win32Prims::openClipboard();
}

bool WinDesktop::emptyClipboard()
{
    return Win32Prims::emptyClipboard();
}

bool WinDesktop::setClipboardText(const QString &text)
{
    return Win32Prims::setClipboardText(wide(text), size_t(text.size()));
}

void WinDesktop::closeClipboard()
{
    Win32Prims::closeClipboard();
}

// Windows does not say when the target read the clipboard: it gets a fixed
// time, as it always has.
bool WinDesktop::awaitPaste(WindowHandle, int settleMs)
{
    Sleep(DWORD(settleMs));
    return true;
}

std::unique_ptr<Desktop> createDesktop()
{
    return std::make_unique<WinDesktop>();
}
