// Shortcut to text under Wine: from the release of a phrase shortcut's last
// key until the target holds the whole text, for each road of the Windows
// build, with the share of runs whose text arrived exactly (once, nothing
// more). The targets are windows of this program: an EDIT (the direct road)
// and a window without a text control that keeps its WM_CHARs and pastes on
// Ctrl+V (the typed and the clipboard roads). For the clipboard road it also
// times the program's hold on the clipboard, from the target's Ctrl+V until
// the user's own text is back.
//
// Run by scripts/bench-windows.sh with the program started on a data file
// whose phrases are: Ctrl+Alt+1 the 30 characters below, Ctrl+Alt+2 the 400,
// Ctrl+Alt+3 the three lines, with the abbreviations ;fox and ;ml on the first
// and the last. Prints one line a case:
//   row <TAB> label <TAB> median ms <TAB> worst ms <TAB> intact <TAB> runs

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::wstring Text30 = L"The quick brown fox jumps over";
const std::wstring Lines3 = L"first line\r\nsecond line\r\nthird line";
const std::wstring UserClip = L"the user's own clipboard";

std::wstring text400()
{
    std::wstring out;
    while (out.size() < 400)
        out += L"Pack my box with five dozen liquor jugs. ";
    out.resize(400);
    return out;
}

HWND g_edit = nullptr;
HWND g_plain = nullptr;
std::wstring g_arrived;
LARGE_INTEGER g_ctrlV{};
LARGE_INTEGER g_frequency{};

double msSince(const LARGE_INTEGER &start)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart - start.QuadPart) * 1000.0 / double(g_frequency.QuadPart);
}

bool clipboardText(std::wstring *text)
{
    for (int attempt = 0; attempt < 40 && !OpenClipboard(g_plain); ++attempt)
        Sleep(5);
    bool ok = false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *p = static_cast<const wchar_t *>(GlobalLock(data))) {
            *text = p;
            ok = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return ok;
}

bool setClipboardText(const std::wstring &text)
{
    for (int attempt = 0; attempt < 40 && !OpenClipboard(g_plain); ++attempt)
        Sleep(5);
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    bool ok = false;
    if (void *p = block ? GlobalLock(block) : nullptr) {
        memcpy(p, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(block);
        ok = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    }
    if (!ok && block)
        GlobalFree(block);
    CloseClipboard();
    return ok;
}

LRESULT CALLBACK targetProc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    switch (message) {
    case WM_SIZE:
        if (w != g_plain && g_edit)
            MoveWindow(g_edit, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (w != g_plain && g_edit)
            SetFocus(g_edit);
        return 0;
    case WM_KEYDOWN:
        if (w == g_plain && wp == 'V' && (GetKeyState(VK_CONTROL) & 0x8000)) {
            QueryPerformanceCounter(&g_ctrlV);
            std::wstring text;
            if (clipboardText(&text))
                g_arrived += text;
        }
        return 0;
    case WM_CHAR:
        if (w == g_plain && wp >= 0x20)
            g_arrived += wchar_t(wp);
        else if (w == g_plain && wp == L'\b' && !g_arrived.empty())
            g_arrived.pop_back(); // as a text field takes it
        return 0;
    default:
        return DefWindowProcW(w, message, wp, lp);
    }
}

void pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void pumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        pump();
        Sleep(1);
    } while (GetTickCount() - start < ms);
}

void sendKey(WORD vk, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

std::wstring editText()
{
    const int n = GetWindowTextLengthW(g_edit);
    std::wstring out(size_t(n) + 1, L'\0');
    out.resize(size_t(GetWindowTextW(g_edit, &out[0], n + 1)));
    return out;
}

bool focus(HWND top, HWND control)
{
    SetForegroundWindow(top);
    SetFocus(control);
    for (int i = 0; i < 200 && GetForegroundWindow() != top; ++i)
        pumpFor(10);
    return GetForegroundWindow() == top;
}

struct Case
{
    const char *label;
    bool edit;
    WORD key;
    std::wstring text;
    bool clipboard;
    // Typed one after another instead of Ctrl+Alt+key: an abbreviation.
    std::vector<WORD> typed = {};
};

void runCase(const Case &c, int runs)
{
    HWND top = c.edit ? GetParent(g_edit) : g_plain;
    std::vector<double> times;
    std::vector<double> busy;
    int intact = 0;
    for (int run = 0; run < runs; ++run) {
        SetWindowTextW(g_edit, L"");
        g_arrived.clear();
        if (c.clipboard)
            setClipboardText(UserClip);
        if (!focus(top, c.edit ? g_edit : g_plain))
            continue;
        pumpFor(100);
        g_ctrlV.QuadPart = 0;
        const DWORD seqBefore = GetClipboardSequenceNumber();
        if (c.typed.empty()) {
            sendKey(VK_CONTROL, false);
            sendKey(VK_MENU, false);
            sendKey(c.key, false);
            sendKey(c.key, true);
            sendKey(VK_MENU, true);
            sendKey(VK_CONTROL, true);
        } else {
            for (size_t i = 0; i < c.typed.size(); ++i) {
                if (i > 0)
                    pumpFor(30);
                sendKey(c.typed[i], false);
                sendKey(c.typed[i], true);
            }
        }
        LARGE_INTEGER released;
        QueryPerformanceCounter(&released);
        double arrived = -1;
        double restored = -1;
        while (msSince(released) < 5000) {
            pump();
            const std::wstring now = c.edit ? editText() : g_arrived;
            if (arrived < 0 && now == c.text)
                arrived = msSince(released);
            if (c.clipboard && g_ctrlV.QuadPart && restored < 0 &&
                GetClipboardSequenceNumber() != seqBefore) {
                std::wstring clip;
                if (clipboardText(&clip) && clip == UserClip)
                    restored = msSince(g_ctrlV);
            }
            if (arrived >= 0 && (!c.clipboard || restored >= 0))
                break;
            Sleep(0);
        }
        // Whatever came later, a second copy or a stray key, spoils the run.
        pumpFor(300);
        const std::wstring final = c.edit ? editText() : g_arrived;
        if (arrived >= 0) {
            times.push_back(arrived);
            if (final == c.text && (!c.clipboard || restored >= 0))
                ++intact;
        }
        if (restored >= 0)
            busy.push_back(restored);
        pumpFor(200);
    }
    const auto report = [runs](const std::string &label, std::vector<double> v, int whole) {
        std::sort(v.begin(), v.end());
        if (v.empty())
            std::printf("row\t%s\t-\t-\t%d\t%d\n", label.c_str(), whole, runs);
        else
            std::printf("row\t%s\t%.1f\t%.1f\t%d\t%d\n", label.c_str(), v[v.size() / 2], v.back(),
                        whole, runs);
        std::fflush(stdout);
    };
    report(c.label, times, intact);
    if (c.clipboard)
        report(std::string(c.label) + ": Ctrl+V until the user's clipboard is back", busy,
               int(busy.size()));
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    const int runs = argc > 1 ? int(wcstol(argv[1], nullptr, 10)) : 15;
    QueryPerformanceFrequency(&g_frequency);
    WNDCLASSW wc{};
    wc.lpfnWndProc = targetProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ScrivletBenchTarget";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
    HWND editTop = CreateWindowExW(0, wc.lpszClassName, L"bench edit", WS_OVERLAPPEDWINDOW, 100,
                                   100, 480, 320, nullptr, nullptr, wc.hInstance, nullptr);
    g_edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 480, 320,
                             editTop, nullptr, wc.hInstance, nullptr);
    g_plain = CreateWindowExW(0, wc.lpszClassName, L"bench keys", WS_OVERLAPPEDWINDOW, 600, 100,
                              480, 320, nullptr, nullptr, wc.hInstance, nullptr);
    if (!editTop || !g_edit || !g_plain)
        return 2;
    ShowWindow(editTop, SW_SHOWNORMAL);
    ShowWindow(g_plain, SW_SHOWNORMAL);
    pumpFor(300);

    const Case cases[] = {
        {"EDIT, direct, 30 characters", true, '1', Text30, false},
        {"key-logging window, typed, 30 characters", false, '1', Text30, false},
        {"key-logging window, typed, 400 characters", false, '2', text400(), false},
        {"key-logging window, three lines by the clipboard", false, '3', Lines3, true},
        {"EDIT, abbreviation ;fox, 30 characters",
         true,
         0,
         Text30,
         false,
         {VK_OEM_1, 'F', 'O', 'X'}},
        {"key-logging window, abbreviation ;ml, three lines",
         false,
         0,
         Lines3,
         true,
         {VK_OEM_1, 'M', 'L'}},
    };
    for (const Case &c : cases)
        runCase(c, runs);
    DestroyWindow(g_plain);
    DestroyWindow(editTop);
    return 0;
}
