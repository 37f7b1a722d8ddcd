// Checks the Win32 hotkey functions against a real user32 (under Wine on
// Linux): a combination cannot be registered twice, and a synthesised press
// while one of our windows has the focus arrives as WM_HOTKEY with its id.
// Prints one line per check; the exit code is the number of failed checks.

#include "platform/win/win32hotkeys.h"

#include <cstdio>

namespace {

int failures = 0;

void check(bool ok, const char *what)
{
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what);
    std::fflush(stdout);
    if (!ok)
        ++failures;
}

HWND createWindow(const wchar_t *title, bool visible)
{
    HWND w = CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    if (w && visible) {
        ShowWindow(w, SW_SHOW);
        UpdateWindow(w);
    }
    return w;
}

void keyEvent(WORD vk, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

// Pumps messages for up to ms milliseconds; returns the id of the first
// WM_HOTKEY posted to owner, 0 when none came.
int waitForHotkey(HWND owner, DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            const int id = Win32Hotkeys::hotkeyIdFromMessage(&msg);
            if (id != 0 && msg.hwnd == owner)
                return id;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
    return 0;
}

} // namespace

int main()
{
    HWND owner = createWindow(L"hotkey owner", false);
    HWND focus = createWindow(L"hotkey focus", true);
    check(owner && focus, "windows created");
    if (!owner || !focus)
        return 1;

    const int ctrlAlt = MOD_CONTROL | MOD_ALT;
    check(Win32Hotkeys::registerHotKey(owner, 100, ctrlAlt, '1'), "Ctrl+Alt+1 registers");
    check(!Win32Hotkeys::registerHotKey(owner, 101, ctrlAlt, '1'),
          "the same combination under a second id is refused");
    check(Win32Hotkeys::registerHotKey(owner, 102, ctrlAlt | MOD_SHIFT, '1'),
          "Ctrl+Alt+Shift+1 is another combination");
    check(!Win32Hotkeys::registerHotKey(nullptr, 103, ctrlAlt, '2'), "no owner, no registration");

    MSG nonHotkey{};
    nonHotkey.message = WM_KEYDOWN;
    nonHotkey.wParam = 100;
    check(Win32Hotkeys::hotkeyIdFromMessage(&nonHotkey) == 0, "other messages carry no id");

    SetForegroundWindow(focus);
    SetFocus(focus);
    waitForHotkey(owner, 300); // let the window settle
    check(GetForegroundWindow() == focus, "our window has the focus");

    keyEvent(VK_CONTROL, false);
    keyEvent(VK_MENU, false);
    keyEvent('1', false);
    keyEvent('1', true);
    keyEvent(VK_MENU, true);
    keyEvent(VK_CONTROL, true);
    check(waitForHotkey(owner, 3000) == 100, "a synthesised Ctrl+Alt+1 arrives as WM_HOTKEY 100");

    check(Win32Hotkeys::unregisterHotKey(owner, 100), "unregisters");
    check(!Win32Hotkeys::unregisterHotKey(owner, 100), "a second unregister fails");
    keyEvent(VK_CONTROL, false);
    keyEvent(VK_MENU, false);
    keyEvent('1', false);
    keyEvent('1', true);
    keyEvent(VK_MENU, true);
    keyEvent(VK_CONTROL, true);
    check(waitForHotkey(owner, 500) == 0, "after unregistering no WM_HOTKEY comes");
    check(Win32Hotkeys::registerHotKey(owner, 101, ctrlAlt, '1'),
          "the released combination is free");

    Win32Hotkeys::unregisterHotKey(owner, 101);
    Win32Hotkeys::unregisterHotKey(owner, 102);
    DestroyWindow(focus);
    DestroyWindow(owner);
    return failures;
}
