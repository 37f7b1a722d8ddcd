// The Win32 primitives of the insertion road against real controls, in one
// Wine (or Windows) process: Wine delivers synthesised input only to Wine
// windows, so the target controls live here too. Prints one "ok"/"not ok"
// line per check and exits 1 when any failed.

#include "insert/textcontrolclass.h"
#include "platform/win/win32hotkeys.h"
#include "platform/win/win32prims.h"

#include <ole2.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace Win32Prims;

namespace {

int g_checks = 0;
int g_failures = 0;

void check(bool ok, const std::string &what)
{
    ++g_checks;
    printf("%s %d - %s\n", ok ? "ok" : "not ok", g_checks, what.c_str());
    fflush(stdout);
    if (!ok)
        ++g_failures;
}

LRESULT CALLBACK windowProc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    return DefWindowProcW(w, message, wp, lp);
}

void registerClass(const wchar_t *name)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
}

void pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

std::wstring text(HWND w)
{
    const int n = GetWindowTextLengthW(w);
    std::wstring out(size_t(n) + 1, L'\0');
    GetWindowTextW(w, &out[0], n + 1);
    out.resize(size_t(n));
    return out;
}

HWND topLevel(const wchar_t *title)
{
    return CreateWindowExW(0, L"ScrivletTestMain", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                           640, 420, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND child(HWND parent, const wchar_t *cls, const wchar_t *initial, bool visible = true)
{
    DWORD style = WS_CHILD | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL;
    if (visible)
        style |= WS_VISIBLE;
    return CreateWindowExW(0, cls, initial, style, 10, 10, 300, 200, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

bool isTextControl(HWND w)
{
    std::wstring name;
    return className(w, &name) && TextControlClass::isTextControlClassName(
                                      reinterpret_cast<const char16_t *>(name.data()), name.size());
}

std::string narrow(const std::wstring &s)
{
    std::string out;
    for (wchar_t c : s)
        out += (c < 128) ? char(c) : '?';
    return out;
}

void testDirectMessage(HWND top, const wchar_t *cls)
{
    const std::string name = narrow(cls);
    HWND c = child(top, cls, L"abc");
    check(c != nullptr, name + ": control created");
    if (!c)
        return;
    SendMessageW(c, EM_SETSEL, 3, 3);
    const int before = textLength(c);
    replaceSelection(c, L"xy");
    check(before == 3 && textLength(c) == 5 && text(c) == L"abcxy",
          name + ": EM_REPLACESEL at the caret lengthens the text by the insert");
    check(SendMessageW(c, EM_CANUNDO, 0, 0) != 0, name + ": the replacement can be undone");

    // A selection as long as the whole text: the length does not grow, but
    // EM_GETSEL lets the caller see that the replacement went in.
    // (A RichEdit's select-all also takes its final paragraph mark, one past
    // the text; the caller clamps the selection to the length.)
    SendMessageW(c, EM_SETSEL, 0, -1);
    DWORD start = 99, end = 99;
    const bool read = selection(c, &start, &end);
    check(read && start == 0 && (end == 5 || end == 6), name + ": EM_GETSEL reads the selection (" +
                                                            std::to_string(start) + ", " +
                                                            std::to_string(end) + ")");
    const int old = textLength(c);
    const int selected = std::min(int(end - start), old);
    replaceSelection(c, L"Q");
    check(textLength(c) == old - selected + 1 && text(c) == L"Q",
          name + ": new length = old - selection + inserted");

    SendMessageW(c, EM_SETSEL, 1, 1);
    const int beforeBreak = textLength(c);
    replaceSelection(c, L"1\r\n2");
    check(textLength(c) > beforeBreak, name + ": a CR LF text lengthens the text");
    DestroyWindow(c);
}

void testClassNames(HWND top)
{
    struct Case
    {
        const wchar_t *cls;
        bool registered; // our own class of that name, else the system's control
        bool text;
    };
    const Case cases[] = {
        {L"EDIT", false, true},        {L"scintilla", true, true}, {L"RichEdit20W", false, true},
        {L"RICHEDIT50W", false, true}, {L"EditBox", true, false},  {L"TScintilla", true, false},
    };
    for (const Case &c : cases) {
        if (c.registered)
            registerClass(c.cls);
        HWND w = child(top, c.cls, L"");
        std::wstring name;
        const bool read = className(w, &name);
        check(w && read && isTextControl(w) == c.text,
              narrow(c.cls) + " (reads as " + narrow(name) + ") is " + (c.text ? "" : "not ") +
                  "a text control");
        if (w)
            DestroyWindow(w);
    }
}

void testFindTextControl()
{
    HWND top = topLevel(L"find");
    HWND button = CreateWindowExW(0, L"BUTTON", L"focus", WS_CHILD | WS_VISIBLE, 320, 10, 80, 30,
                                  top, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND hidden = child(top, L"EDIT", L"hidden", false);
    HWND rich = child(top, L"RichEdit20W", L"rich");
    SetForegroundWindow(top);
    SetFocus(button);
    pump(100);

    HWND focus = nullptr, caret = nullptr;
    RECT r;
    check(guiThreadInfo(GetCurrentThreadId(), &focus, &caret, &r) && focus == button,
          "GetGUIThreadInfo names the focused button");
    const std::vector<HWND> children = childWindows(top);
    check(children.size() == 3 && children[0] == button && children[1] == hidden &&
              children[2] == rich,
          "EnumChildWindows lists the children in creation order");

    // What findTextControl does once neither the window nor its focus is a
    // text control: the first visible text control among the descendants.
    HWND found = nullptr;
    if (!isTextControl(top) && !isTextControl(focus)) {
        for (HWND c : children) {
            if (isWindowVisible(c) && isTextControl(c)) {
                found = c;
                break;
            }
        }
    }
    check(!isWindowVisible(hidden) && isTextControl(hidden), "the hidden child is an Edit");
    check(found == rich, "the hidden Edit is skipped, the visible RichEdit found");
    DestroyWindow(top);
}

std::vector<KeyEvent> unicodeEvents(const std::wstring &units)
{
    std::vector<KeyEvent> out;
    for (wchar_t u : units) {
        out.push_back({0, WORD(u), KEYEVENTF_UNICODE});
        out.push_back({0, WORD(u), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP});
    }
    return out;
}

bool waitForText(HWND w, const std::wstring &expected, DWORD ms)
{
    const DWORD start = GetTickCount();
    while (text(w) != expected && GetTickCount() - start < ms)
        pump(20);
    return text(w) == expected;
}

void testInputAndClipboard()
{
    HWND top = topLevel(L"input");
    HWND edit = child(top, L"EDIT", L"");
    SetForegroundWindow(top);
    SetFocus(edit);
    pump(300);
    check(GetFocus() == edit, "the Edit has the keyboard focus");

    std::wstring first;
    for (int i = 0; i < 64; ++i)
        first += wchar_t(L'a' + i % 26);
    std::vector<KeyEvent> events = unicodeEvents(first);
    check(sendInput(events.data(), events.size()) == 128,
          "SendInput accepts 64 characters (128 events)");
    check(waitForText(edit, first, 3000), "the 64 characters arrive");

    // Non-ASCII, with a character outside the BMP as two surrogate units.
    std::wstring second = L"h\u00e9llo w\u00f6rld \u2713 \u4e16\u754c \U0001F600";
    while (second.size() < 64)
        second.insert(0, L"-");
    events = unicodeEvents(second);
    check(sendInput(events.data(), events.size()) == 128, "SendInput accepts 64 non-ASCII units");
    check(waitForText(edit, first + second, 3000), "the non-ASCII units arrive");

    // The clipboard road: open (with the retries), empty, set, close, paste.
    releaseOleClipboard();
    bool opened = false;
    for (int attempt = 0; attempt < 10 && !opened; ++attempt) {
        opened = openClipboard();
        if (!opened)
            Sleep(15);
    }
    check(opened, "the clipboard opens");
    const std::wstring pasted = L"one\r\ntwo \u2713";
    bool set = false;
    if (opened) {
        check(emptyClipboard(), "the clipboard empties");
        set = setClipboardText(pasted.data(), pasted.size());
        closeClipboard();
    }
    check(set, "CF_UNICODETEXT is set");
    std::wstring back;
    check(clipboardText(&back) && back == pasted, "the clipboard reads back the text");
    SetWindowTextW(edit, L"");
    paste(edit);
    check(text(edit) == pasted, "WM_PASTE puts the clipboard text into the Edit");

    // Ctrl+V as the insertion road sends it to a window without a text
    // control: scan codes only, virtual key 0.
    SetWindowTextW(edit, L"");
    SetFocus(edit);
    pump(100);
    const WORD ctrl = scanCodeForVirtualKey(VK_CONTROL);
    const WORD v = scanCodeForVirtualKey('V');
    const KeyEvent ctrlV[] = {{0, ctrl, KEYEVENTF_SCANCODE},
                              {0, v, KEYEVENTF_SCANCODE},
                              {0, v, KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP},
                              {0, ctrl, KEYEVENTF_SCANCODE | KEYEVENTF_KEYUP}};
    check(sendInput(ctrlV, 4) == 4, "SendInput accepts the scan-code Ctrl+V");
    check(waitForText(edit, pasted, 3000), "the scan-code Ctrl+V pastes into the focused Edit");
    DestroyWindow(top);
}

void pressCtrlAlt(WORD key)
{
    const WORD keys[] = {VK_CONTROL, VK_MENU, key};
    for (WORD vk : keys) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        SendInput(1, &in, sizeof in);
    }
    for (int i = 2; i >= 0; --i) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = keys[i];
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, &in, sizeof in);
    }
}

// Pumps messages for up to ms milliseconds; the id of the first WM_HOTKEY
// posted to owner, 0 when none came.
int waitForHotkey(HWND owner, DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            const int id = Win32Hotkeys::hotkeyIdFromMessage(&msg);
            if (id != 0 && msg.hwnd == owner)
                return id;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
    return 0;
}

void testHotkeys()
{
    // The owner is hidden, as the main window may be; Wine reports hotkeys
    // only while one of its windows has the focus, so another one takes it.
    HWND owner = CreateWindowExW(0, L"ScrivletTestMain", L"hotkey owner", WS_OVERLAPPEDWINDOW, 0, 0,
                                 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND focus = topLevel(L"hotkey focus");
    SetForegroundWindow(focus);
    SetFocus(focus);
    pump(300);

    const int ctrlAlt = MOD_CONTROL | MOD_ALT;
    check(Win32Hotkeys::registerHotKey(owner, 100, ctrlAlt, '1'), "Ctrl+Alt+1 registers");
    check(!Win32Hotkeys::registerHotKey(owner, 101, ctrlAlt, '1'),
          "the same combination under a second id is refused");
    check(Win32Hotkeys::registerHotKey(owner, 102, ctrlAlt | MOD_SHIFT, '1'),
          "Ctrl+Alt+Shift+1 is another combination");
    MSG keyDown{};
    keyDown.message = WM_KEYDOWN;
    keyDown.wParam = 100;
    check(Win32Hotkeys::hotkeyIdFromMessage(&keyDown) == 0, "other messages carry no hotkey id");

    pressCtrlAlt('1');
    check(waitForHotkey(owner, 3000) == 100, "a synthesised Ctrl+Alt+1 arrives as WM_HOTKEY 100");
    check(Win32Hotkeys::unregisterHotKey(owner, 100), "Ctrl+Alt+1 unregisters");
    pressCtrlAlt('1');
    check(waitForHotkey(owner, 500) == 0, "after unregistering no WM_HOTKEY comes");
    check(Win32Hotkeys::registerHotKey(owner, 101, ctrlAlt, '1'),
          "the released combination can be registered again");

    Win32Hotkeys::unregisterHotKey(owner, 101);
    Win32Hotkeys::unregisterHotKey(owner, 102);
    DestroyWindow(focus);
    DestroyWindow(owner);
}

} // namespace

int wmain()
{
    OleInitialize(nullptr);
    registerClass(L"ScrivletTestMain");
    const bool rich20 = LoadLibraryW(L"riched20.dll") != nullptr;
    const bool rich50 = LoadLibraryW(L"msftedit.dll") != nullptr;
    check(rich20, "riched20.dll loads");
    check(rich50, "msftedit.dll loads");

    HWND top = topLevel(L"direct");
    testDirectMessage(top, L"EDIT");
    if (rich20)
        testDirectMessage(top, L"RichEdit20W");
    if (rich50)
        testDirectMessage(top, L"RICHEDIT50W");
    testClassNames(top);
    DestroyWindow(top);

    testFindTextControl();
    testInputAndClipboard();
    testHotkeys();

    printf("%d checks, %d failed\n", g_checks, g_failures);
    OleUninitialize();
    return g_failures == 0 ? 0 : 1;
}
