#include "win/win32prims.h"

#include <tlhelp32.h>

#include <algorithm>

namespace Win32Prims {

namespace {

constexpr DWORD LimitedQueryAccess = 0x1000; // PROCESS_QUERY_LIMITED_INFORMATION
constexpr DWORD TokenQueryAccess = 0x0008;   // TOKEN_QUERY
constexpr int ClassNameUnits = 128;

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

Answer probe(HWND w, UINT ms)
{
    if (!w || !IsWindow(w) || IsHungAppWindow(w))
        return Answer::Hung;
    DWORD_PTR answer = 0;
    // SMTO_NORMAL: the clipboard's request for our text, sent by the very
    // window asked, is served while waiting.
    if (SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, ms, &answer))
        return Answer::Answered;
    return IsWindow(w) && !IsHungAppWindow(w) ? Answer::Late : Answer::Hung;
}

namespace {
BOOL CALLBACK collectProcess(HWND w, LPARAM lp)
{
    auto *pids = reinterpret_cast<std::vector<DWORD> *>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid && std::find(pids->begin(), pids->end(), pid) == pids->end()) {
        try {
            pids->push_back(pid);
        } catch (...) {
            return FALSE;
        }
    }
    return TRUE;
}
} // namespace

std::vector<DWORD> childWindowProcesses(HWND top)
{
    std::vector<DWORD> pids;
    if (top)
        EnumChildWindows(top, collectProcess, reinterpret_cast<LPARAM>(&pids));
    return pids;
}

std::vector<DWORD> descendantProcesses(DWORD processId)
{
    std::vector<DWORD> out;
    Handle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.get() == INVALID_HANDLE_VALUE || !processId)
        return out;
    std::vector<std::pair<DWORD, DWORD>> all; // (process, parent)
    try {
        PROCESSENTRY32W entry;
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
             more = Process32NextW(snapshot.get(), &entry))
            all.emplace_back(entry.th32ProcessID, entry.th32ParentProcessID);
        // Breadth first; a process id reused by an unrelated process whose
        // parent is gone can make a cycle, which the visited list stops.
        std::vector<DWORD> queue{processId};
        for (size_t i = 0; i < queue.size() && queue.size() < 4096; ++i) {
            for (const auto &p : all) {
                if (p.second == queue[i] && p.first != processId &&
                    std::find(queue.begin(), queue.end(), p.first) == queue.end())
                    queue.push_back(p.first);
            }
        }
        out.assign(queue.begin() + 1, queue.end());
    } catch (...) {
        out.clear();
    }
    return out;
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

HWND topLevelWindow(HWND w)
{
    return w ? GetAncestor(w, GA_ROOT) : nullptr;
}

bool processExecutable(DWORD processId, std::wstring *name)
{
    Handle process(OpenProcess(LimitedQueryAccess, FALSE, processId));
    if (!process.get())
        return false;
    wchar_t path[MAX_PATH];
    DWORD size = MAX_PATH;
    if (!QueryFullProcessImageNameW(process.get(), 0, path, &size))
        return false;
    const std::wstring full(path, size);
    const size_t slash = full.find_last_of(L"\\/");
    *name = slash == std::wstring::npos ? full : full.substr(slash + 1);
    return true;
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

UINT sendInput(const KeyEvent *events, size_t count, DWORD layoutThread)
{
    const HKL layout = GetKeyboardLayout(layoutThread);
    std::vector<INPUT> inputs(count);
    for (size_t i = 0; i < count; ++i) {
        ZeroMemory(&inputs[i], sizeof(INPUT));
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = events[i].vk;
        inputs[i].ki.wScan = events[i].scan;
        inputs[i].ki.dwFlags = events[i].flags;
        inputs[i].ki.dwExtraInfo = OwnInputMark;
        // Windows ignores wVk for scan-code events and finds the key itself;
        // Wine passes such events on with no virtual key, so programs there
        // see neither the Ctrl nor the V of a Ctrl+V. Naming the key as well
        // changes nothing on Windows and makes the paste work under Wine.
        const DWORD flags = events[i].flags;
        if ((flags & KEYEVENTF_SCANCODE) && !(flags & KEYEVENTF_UNICODE) && events[i].vk == 0)
            inputs[i].ki.wVk = WORD(MapVirtualKeyExW(events[i].scan, MAPVK_VSC_TO_VK_EX, layout));
    }
    if (inputs.empty())
        return 0;
    return SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

WORD scanCodeForVirtualKey(WORD vk, DWORD thread)
{
    return WORD(MapVirtualKeyExW(vk, MAPVK_VK_TO_VSC, GetKeyboardLayout(thread)));
}

bool isKeyDown(int vk)
{
    return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

bool isNonModifierKeyDown()
{
    // From VK_CANCEL: 1, 2 and 4 to 6 are mouse buttons.
    for (int vk = VK_CANCEL; vk <= 0xFE; ++vk) {
        switch (vk) {
        case VK_MBUTTON:
        case VK_XBUTTON1:
        case VK_XBUTTON2:
        case VK_SHIFT:
        case VK_CONTROL:
        case VK_MENU:
        case VK_LWIN:
        case VK_RWIN:
        case VK_LSHIFT:
        case VK_RSHIFT:
        case VK_LCONTROL:
        case VK_RCONTROL:
        case VK_LMENU:
        case VK_RMENU:
        case VK_PACKET:
            continue;
        default:
            if (isKeyDown(vk))
                return true;
        }
    }
    return false;
}

std::wstring ctrlAltCharacter(UINT vk, bool shift)
{
    BYTE state[256] = {};
    state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
    state[VK_MENU] = state[VK_RMENU] = 0x80;
    if (shift)
        state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
    const HKL layout = GetKeyboardLayout(0);
    wchar_t buffer[8] = {};
    // Flag 4: leave the keyboard's dead-key state alone (Windows 10 1607 and
    // later; older systems ignore it).
    const int n =
        ToUnicodeEx(vk, MapVirtualKeyExW(vk, MAPVK_VK_TO_VSC, layout), state, buffer, 7, 4, layout);
    if (n < 0) {
        // A dead key: it was stored in the keyboard state; a space takes it out.
        BYTE none[256] = {};
        ToUnicodeEx(VK_SPACE, MapVirtualKeyExW(VK_SPACE, MAPVK_VK_TO_VSC, layout), none, buffer, 7,
                    4, layout);
        return std::wstring(1, buffer[0]);
    }
    if (n == 0)
        return std::wstring();
    std::wstring out(buffer, size_t(n));
    // Ctrl+Alt+key gives control characters on some layouts; those type nothing.
    for (wchar_t c : out) {
        if (c < 0x20 || c == 0x7F)
            return std::wstring();
    }
    // A layout that types with AltGr what the key types without it (a space
    // on Space) takes nothing from typing: nobody holds AltGr for it.
    BYTE plain[256] = {};
    if (shift)
        plain[VK_SHIFT] = plain[VK_LSHIFT] = 0x80;
    wchar_t without[8] = {};
    const int m = ToUnicodeEx(vk, MapVirtualKeyExW(vk, MAPVK_VK_TO_VSC, layout), plain, without, 7,
                              4, layout);
    if (m == n && std::wstring(without, size_t(m)) == out)
        return std::wstring();
    return out;
}

bool openClipboard(HWND owner)
{
    return OpenClipboard(owner) != FALSE;
}

bool emptyClipboard()
{
    return EmptyClipboard() != FALSE;
}

HGLOBAL textBlock(const wchar_t *text, size_t length)
{
    const SIZE_T bytes = (length + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block)
        return nullptr;
    void *p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return nullptr;
    }
    memcpy(p, text, length * sizeof(wchar_t));
    static_cast<wchar_t *>(p)[length] = L'\0';
    GlobalUnlock(block);
    return block;
}

bool setClipboardText(const wchar_t *text, size_t length)
{
    HGLOBAL block = textBlock(text, length);
    if (!block)
        return false;
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
