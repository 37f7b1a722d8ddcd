// The Win32 backend: Qt types in, Win32 calls out.

#include "win/win32services.h"
#include "win/windesktop.h"
#include "win/winkeystream.h"

#include "win/win32clipboard.h"
#include "win/win32prims.h"

#include <QEventLoop>
#include <QString>
#include <QTimer>

#include <atomic>

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

class WinClipboardBackup final : public ClipboardBackup
{
public:
    explicit WinClipboardBackup(Win32Clipboard::Snapshot snapshot) : snapshot(std::move(snapshot))
    {}
    int lostFormats() const override { return snapshot.lostFormats(); }

    // Given to the clipboard when put back.
    mutable Win32Clipboard::Snapshot snapshot;
};

} // namespace

WinDesktop::WinDesktop() = default;
WinDesktop::~WinDesktop()
{
    releaseKeptKeyboard();
}

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

Answer WinDesktop::probe(WindowHandle w, int maxMs)
{
    pollHeldHotkeys();
    switch (Win32Prims::probe(hwnd(w), UINT(qMax(0, maxMs)))) {
    case Win32Prims::Answer::Answered:
        return Answer::Answered;
    case Win32Prims::Answer::Late:
        return Answer::Late;
    case Win32Prims::Answer::Hung:
        break;
    }
    return Answer::Hung;
}

WindowHandle WinDesktop::topLevelWindow(WindowHandle w)
{
    return handle(Win32Prims::topLevelWindow(hwnd(w)));
}

QVector<quint32> WinDesktop::childWindowProcesses(WindowHandle top)
{
    QVector<quint32> out;
    for (DWORD pid : Win32Prims::childWindowProcesses(hwnd(top)))
        out << pid;
    return out;
}

QVector<quint32> WinDesktop::descendantProcesses(quint32 processId)
{
    QVector<quint32> out;
    for (DWORD pid : Win32Prims::descendantProcesses(processId))
        out << pid;
    return out;
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

bool WinDesktop::yieldTopmost(WindowHandle topmost, WindowHandle, bool yield)
{
    return SetWindowPos(hwnd(topmost), yield ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER) != FALSE;
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

bool WinDesktop::targetApplication(WindowHandle w, TargetApp *app)
{
    const HWND top = Win32Prims::topLevelWindow(hwnd(w));
    std::wstring cls;
    if (!top || !Win32Prims::className(top, &cls))
        return false;
    app->className = QString::fromWCharArray(cls.data(), int(cls.size()));
    app->instance.clear();
    DWORD pid = 0;
    Win32Prims::windowThreadProcessId(top, &pid);
    std::wstring exe;
    if (Win32Prims::processExecutable(pid, &exe))
        app->executable = QString::fromWCharArray(exe.data(), int(exe.size()));
    // Window classes are often a toolkit's (Chrome_WidgetWin_1, Qt5QWindow):
    // the executable names the program.
    app->preferred = !app->executable.isEmpty() ? app->executable : app->className;
    return true;
}

namespace {
// A right click during "Pick a window" stops it. Taken away from the window
// under the pointer (no context menu opens there); a low-level hook has no
// context, and one pick runs at a time.
std::atomic<bool> g_pickCancelled{false};
std::atomic<bool> g_pickSwallowUp{false};

LRESULT CALLBACK pickMouseProc(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION) {
        if (message == WM_RBUTTONDOWN) {
            g_pickCancelled = true;
            g_pickSwallowUp = true;
            return 1;
        }
        if (message == WM_RBUTTONUP && g_pickSwallowUp.exchange(false))
            return 1;
    }
    return CallNextHookEx(nullptr, code, message, data);
}
} // namespace

WindowHandle WinDesktop::pickWindow(int maxMs)
{
    // The next window of another program that comes to the front: the one
    // the user clicks. Meanwhile the event loop runs, without input to our
    // own windows, so that they paint (the dialog's note says what to do).
    g_pickCancelled = false;
    g_pickSwallowUp = false;
    HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, pickMouseProc, GetModuleHandleW(nullptr), 0);
    WindowHandle picked = 0;
    QEventLoop loop;
    QTimer poll;
    const DWORD start = GetTickCount();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const HWND front = Win32Prims::foregroundWindow();
        DWORD pid = 0;
        Win32Prims::windowThreadProcessId(front, &pid);
        if (front && pid != GetCurrentProcessId())
            picked = handle(Win32Prims::topLevelWindow(front));
        if (picked || g_pickCancelled || GetTickCount() - start >= DWORD(maxMs))
            loop.quit();
    });
    poll.start(20);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (hook)
        UnhookWindowsHookEx(hook);
    // The button's release, if it comes after this, is the user's own.
    g_pickSwallowUp = false;
    return g_pickCancelled ? 0 : picked;
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

bool WinDesktop::textFieldTraits(WindowHandle control, TextFieldTraits *traits)
{
    DWORD style = 0;
    if (!Win32Prims::windowStyle(hwnd(control), &style))
        return false;
    traits->readOnly = style & ES_READONLY;
    traits->password = style & ES_PASSWORD;
    traits->multiLine = style & ES_MULTILINE;
    return true;
}

bool WinDesktop::focusIsProtected(WindowHandle window)
{
    bool isProtected = false;
    return Win32Prims::focusIsProtected(hwnd(window), &isProtected) && isProtected;
}

bool WinDesktop::controlText(WindowHandle control, QString *text)
{
    try {
        std::wstring t;
        if (!Win32Prims::controlText(hwnd(control), &t))
            return false;
        *text = QString::fromWCharArray(t.data(), int(t.size()));
        return true;
    } catch (...) {
        return false; // no memory for a text that large
    }
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

bool WinDesktop::setSelection(WindowHandle control, int start, int end)
{
    return Win32Prims::setSelection(hwnd(control), DWORD(start), DWORD(end));
}

bool WinDesktop::replaceSelection(WindowHandle control, const QString &text)
{
    return Win32Prims::replaceSelection(hwnd(control), wide(text));
}

bool WinDesktop::undo(WindowHandle control)
{
    return Win32Prims::undo(hwnd(control));
}

bool WinDesktop::setControlText(WindowHandle control, const QString &text)
{
    return Win32Prims::setControlText(hwnd(control), wide(text));
}

bool WinDesktop::paste(WindowHandle control)
{
    return Win32Prims::paste(hwnd(control));
}

int WinDesktop::sendInput(const QVector<KeyInput> &events)
{
    std::vector<Win32Prims::KeyEvent> keys;
    keys.reserve(size_t(events.size()));
    for (const KeyInput &k : events)
        keys.push_back({k.vk, k.scan, k.flags});
    return int(Win32Prims::sendInput(keys.data(), keys.size()));
}

quint16 WinDesktop::scanCodeForVirtualKey(quint16 vk, WindowHandle target)
{
    const DWORD thread = target ? Win32Prims::windowThreadProcessId(hwnd(target), nullptr) : 0;
    return Win32Prims::scanCodeForVirtualKey(vk, thread);
}

bool WinDesktop::isKeyDown(int vk)
{
    return Win32Prims::isKeyDown(vk);
}

bool WinDesktop::isNonModifierKeyDown()
{
    return Win32Prims::isNonModifierKeyDown();
}

quint32 WinDesktop::tickCount()
{
    return GetTickCount();
}

// The key state is polled with GetAsyncKeyState between these waits.
void WinDesktop::waitForKeyEvent(int maxMs)
{
    serve(maxMs);
}

// KEYEVENTF_UNICODE gives any UTF-16 unit, whatever the keyboard layout.
bool WinDesktop::canTypeExactly(const QString &)
{
    return true;
}

QString WinDesktop::altGrCharacter(int vk, bool shift)
{
    const std::wstring c = Win32Prims::ctrlAltCharacter(UINT(vk), shift);
    return QString::fromWCharArray(c.data(), int(c.size()));
}

void WinDesktop::sleep(int ms)
{
    serve(ms);
}

void WinDesktop::settle(WindowHandle, int maxMs)
{
    serve(maxMs);
}

void WinDesktop::serve(int ms)
{
    // In slices, so that a shortcut key going up is noted on time.
    constexpr int SliceMs = 10;
    const DWORD start = GetTickCount();
    for (;;) {
        pollHeldHotkeys();
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= DWORD(ms))
            return;
        Win32Clipboard::serveSentMessages(qMin<DWORD>(SliceMs, DWORD(ms) - elapsed));
    }
}

Win32Clipboard::Owner &WinDesktop::clipboardOwner()
{
    if (!m_clipboardOwner)
        m_clipboardOwner = std::make_unique<Win32Clipboard::Owner>();
    return *m_clipboardOwner;
}

// One clipboard on Windows: primary means nothing here. Read on a thread of
// its own: the owner of a format rendered late is asked from there, and one
// that does not answer cannot hold us (nor, through us, the keyboard hook).
std::unique_ptr<ClipboardBackup> WinDesktop::backupClipboard(bool)
{
    clipboardOwner(); // made here, on this thread, which serves its requests
    Win32Clipboard::Snapshot snapshot;
    if (!Win32Clipboard::readWithin(BackupLimitMs, &snapshot))
        return nullptr;
    return std::make_unique<WinClipboardBackup>(std::move(snapshot));
}

ClipboardRestore WinDesktop::restoreClipboard(const ClipboardBackup &backup)
{
    // Handed over, not copied again: the copy is given to the clipboard.
    auto &snapshot = static_cast<const WinClipboardBackup &>(backup).snapshot;
    if (!Win32Prims::openClipboard(clipboardOwner().window()))
        return ClipboardRestore::Busy;
    // Asked with the clipboard open, so that nobody can change it between
    // the question and the restore. Content another program put there since
    // our text is the user's newest copy: it stays. And emptying stays with
    // our own window, which answers at once: another owner would be sent
    // WM_DESTROYCLIPBOARD and could hold us.
    if (!clipboardHoldsOurPaste()) {
        Win32Prims::closeClipboard();
        return ClipboardRestore::Superseded;
    }
    if (!emptyClipboard()) {
        Win32Prims::closeClipboard();
        return ClipboardRestore::Failed;
    }
    const int failed = snapshot.write();
    // Put back, the user's content would be a second entry in clipboard
    // history, and a new one for every monitor: it is not new.
    if (snapshot.formatCount() > 0 && size_t(failed) < snapshot.formatCount())
        Win32Clipboard::markPrivate();
    Win32Prims::closeClipboard();
    if (failed == 0)
        return ClipboardRestore::Restored;
    return size_t(failed) < snapshot.formatCount() ? ClipboardRestore::Partly
                                                   : ClipboardRestore::Failed;
}

bool WinDesktop::openClipboard()
{
    return Win32Prims::openClipboard(clipboardOwner().window());
}

bool WinDesktop::emptyClipboard()
{
    // Emptying tells the content's owner (WM_DESTROYCLIPBOARD) and waits for
    // it: an owner that does not answer would hold us, and the clipboard is
    // left as it is.
    const HWND owner = GetClipboardOwner();
    if (owner && owner != clipboardOwner().window() &&
        Win32Prims::probe(owner, Win32Prims::MessageTimeoutMs) != Win32Prims::Answer::Answered)
        return false;
    return Win32Prims::emptyClipboard();
}

bool WinDesktop::setClipboardText(const QString &text, ClipboardOffer offer)
{
    if (offer == ClipboardOffer::ForUser)
        return Win32Prims::setClipboardText(wide(text), size_t(text.size()));
    // Rendered when the target asks, which is how a paste is seen to happen.
    return clipboardOwner().offer(text.toStdWString()) && Win32Clipboard::markPrivate();
}

void WinDesktop::closeClipboard()
{
    Win32Prims::closeClipboard();
}

bool WinDesktop::clipboardHoldsOurPaste()
{
    // Whoever empties the clipboard becomes its owner (or leaves it without
    // one); emptied by us, our offer is gone too, unless nothing came after.
    const Win32Clipboard::Owner &owner = clipboardOwner();
    return owner.isValid() && GetClipboardOwner() == owner.window() &&
           (owner.offered() || CountClipboardFormats() == 0);
}

QVector<quint32> WinDesktop::pasteFetchers()
{
    QVector<quint32> out;
    for (DWORD pid : clipboardOwner().fetchers())
        out << pid;
    return out;
}

std::unique_ptr<Desktop> createDesktop()
{
    return Win32Services::owning(std::make_unique<WinDesktop>(), std::make_unique<WinKeyStream>());
}
