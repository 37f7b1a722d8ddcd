#include "platform/win/win32prims.h"

#include <ole2.h>

namespace Win32Prims {

namespace {

constexpr DWORD LimitedQueryAccess = 0x1000; // PROCESS_QUERY_LIMITED_INFORMATION
constexpr DWORD TokenQueryAccess = 0x0008;   // TOKEN_QUERY
constexpr int ClassNameUnits = 128;

BOOL CALLBACK collectChild(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<HWND> *>(list)->push_back(child);
    return TRUE;
}

// Closes a kernel handle when it goes out of scope.
class Handle final
{
public:
    explicit Handle(HANDLE h = nullptr) : m_h(h) {}
    ~Handle()
    {
        if (m_h)
            CloseHandle(m_h);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    HANDLE get() const { return m_h; }
    HANDLE *out() { return &m_h; }

private:
    HANDLE m_h;
};

} // namespace

HWND foregroundWindow()
{
    return GetForegroundWindow();
}

bool isWindow(HWND w)
{
    return w && IsWindow(w);
}

bool isWindowVisible(HWND w)
{
    return w && IsWindowVisible(w);
}

DWORD windowThreadProcessId(HWND w, DWORD *processId)
{
    DWORD pid = 0;
    const DWORD thread = GetWindowThreadProcessId(w, &pid);
    if (processId)
        *processId = pid;
    return thread;
}

bool attachThreadInput(DWORD from, DWORD to, bool attach)
{
    return AttachThreadInput(from, to, attach ? TRUE : FALSE) != FALSE;
}

bool setForegroundWindow(HWND w)
{
    return SetForegroundWindow(w) != FALSE;
}

bool bringWindowToTop(HWND w)
{
    return BringWindowToTop(w) != FALSE;
}

bool guiThreadInfo(DWORD thread, HWND *focus, HWND *caretWindow, RECT *caretRect)
{
    GUITHREADINFO info;
    ZeroMemory(&info, sizeof info);
    // The structure's real size: 48 bytes in a 32-bit build, 72 in a 64-bit
    // one; a wrong size makes every query fail.
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread, &info))
        return false;
    *focus = info.hwndFocus;
    *caretWindow = info.hwndCaret;
    *caretRect = info.rcCaret;
    return true;
}

bool clientToScreen(HWND w, POINT *point)
{
    return ClientToScreen(w, point) != FALSE;
}

bool className(HWND w, std::wstring *name)
{
    wchar_t buffer[ClassNameUnits];
    const int n = GetClassNameW(w, buffer, ClassNameUnits);
    if (n <= 0)
        return false;
    name->assign(buffer, size_t(n));
    return true;
}

std::vector<HWND> childWindows(HWND w)
{
    std::vector<HWND> out;
    EnumChildWindows(w, collectChild, reinterpret_cast<LPARAM>(&out));
    return out;
}

POINT cursorPos()
{
    POINT p{0, 0};
    if (!GetCursorPos(&p))
        return POINT{0, 0};
    return p;
}

DWORD tokenIntegrityLevel(HANDLE token)
{
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    if (size == 0)
        return 0;
    std::vector<BYTE> buffer(size);
    if (!GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size))
        return 0;
    const auto *label = reinterpret_cast<const TOKEN_MANDATORY_LABEL *>(buffer.data());
    PSID sid = label->Label.Sid;
    if (!sid)
        return 0;
    const UCHAR count = *GetSidSubAuthorityCount(sid);
    if (count == 0)
        return 0;
    return *GetSidSubAuthority(sid, DWORD(count - 1));
}

OpenResult processIntegrityLevel(DWORD processId, DWORD *level)
{
    *level = 0;
    Handle process(OpenProcess(LimitedQueryAccess, FALSE, processId));
    if (!process.get())
        return GetLastError() == ERROR_ACCESS_DENIED ? OpenResult::AccessDenied
                                                     : OpenResult::OpenFailed;
    Handle token;
    if (!OpenProcessToken(process.get(), TokenQueryAccess, token.out()))
        return OpenResult::TokenFailed;
    *level = tokenIntegrityLevel(token.get());
    return OpenResult::Ok;
}

bool ownIntegrityLevel(DWORD *level)
{
    *level = 0;
    Handle token;
    if (!OpenProcessToken(GetCurrentProcess(), TokenQueryAccess, token.out()))
        return false;
    *level = tokenIntegrityLevel(token.get());
    return true;
}

int textLength(HWND control)
{
    DWORD_PTR result = 0;
    // SendMessageW itself cannot tell a failure from a length of 0; a window
    // that is gone is the failure that matters.
    if (!IsWindow(control))
        return -1;
    result = DWORD_PTR(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
    return int(result);
}

bool selection(HWND control, DWORD *start, DWORD *end)
{
    if (!IsWindow(control))
        return false;
    *start = 0;
    *end = 0;
    SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(start),
                 reinterpret_cast<LPARAM>(end));
    return true;
}

void replaceSelection(HWND control, const wchar_t *text)
{
    SendMessageW(control, EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(text));
}

void paste(HWND control)
{
    SendMessageW(control, WM_PASTE, 0, 0);
}

UINT sendInput(const KeyEvent *events, size_t count)
{
    std::vector<INPUT> inputs(count);
    for (size_t i = 0; i < count; ++i) {
        ZeroMemory(&inputs[i], sizeof(INPUT));
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = events[i].vk;
        inputs[i].ki.wScan = events[i].scan;
        inputs[i].ki.dwFlags = events[i].flags;
        // Windows ignores wVk for scan-code events and finds the key itself;
        // Wine passes such events on with no virtual key, so programs there
        // see neither the Ctrl nor the V of a Ctrl+V. Naming the key as well
        // changes nothing on Windows and makes the paste work under Wine.
        const DWORD flags = events[i].flags;
        if ((flags & KEYEVENTF_SCANCODE) && !(flags & KEYEVENTF_UNICODE) && events[i].vk == 0)
            inputs[i].ki.wVk = WORD(MapVirtualKeyW(events[i].scan, MAPVK_VSC_TO_VK_EX));
    }
    if (inputs.empty())
        return 0;
    return SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

WORD scanCodeForVirtualKey(WORD vk)
{
    return WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
}

bool isKeyDown(int vk)
{
    return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

void releaseOleClipboard()
{
    OleSetClipboard(nullptr);
}

bool openClipboard()
{
    return OpenClipboard(nullptr) != FALSE;
}

bool emptyClipboard()
{
    return EmptyClipboard() != FALSE;
}

bool setClipboardText(const wchar_t *text, size_t length)
{
    const SIZE_T bytes = (length + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block)
        return false;
    void *p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return false;
    }
    memcpy(p, text, length * sizeof(wchar_t));
    static_cast<wchar_t *>(p)[length] = L'\0';
    GlobalUnlock(block);
    if (!SetClipboardData(CF_UNICODETEXT, block)) {
        GlobalFree(block);
        return false;
    }
    return true; // the block belongs to the clipboard now
}

void closeClipboard()
{
    CloseClipboard();
}

bool clipboardText(std::wstring *text)
{
    if (!OpenClipboard(nullptr))
        return false;
    bool ok = false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *p = static_cast<const wchar_t *>(GlobalLock(data))) {
            text->assign(p);
            GlobalUnlock(data);
            ok = true;
        }
    }
    CloseClipboard();
    return ok;
}

} // namespace Win32Prims
