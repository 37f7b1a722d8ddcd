#include "win/winkeystream.h"

#include "win/win32hotkeys.h"
#include "win/win32prims.h"

#include <QString>

#include <windows.h>

namespace {

// One stream at a time: a low-level hook procedure has no context.
struct HookState
{
    HHOOK keyboard = nullptr;
    HHOOK mouse = nullptr;
    std::function<void(const TypedKey &)> sink;
    HWND foreground = nullptr;
    wchar_t dead = 0; // a dead key waiting for the key it changes
};
HookState g_state;

void deliver(TypedKey::Kind kind, const QString &text = QString())
{
    if (g_state.sink)
        g_state.sink(TypedKey{kind, text});
}

// The keys of a combination, and the lock keys: none of them types.
bool isModifier(DWORD vk)
{
    return Win32Hotkeys::isModifierKey(int(vk)) || vk == VK_CAPITAL || vk == VK_NUMLOCK ||
           vk == VK_SCROLL;
}

bool down(int vk)
{
    return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

// The combining mark of a dead key's spacing character.
wchar_t combiningOf(wchar_t dead)
{
    switch (dead) {
    case L'`':
        return 0x0300;
    case 0x00B4:
    case L'\'':
        return 0x0301;
    case L'^':
        return 0x0302;
    case L'~':
        return 0x0303;
    case 0x00AF:
        return 0x0304;
    case 0x02D8:
        return 0x0306;
    case 0x02D9:
        return 0x0307;
    case 0x00A8:
    case L'"':
        return 0x0308;
    case 0x02DA:
        return 0x030A;
    case 0x02DD:
        return 0x030B;
    case 0x02C7:
        return 0x030C;
    case 0x00B8:
        return 0x0327;
    case 0x02DB:
        return 0x0328;
    default:
        return 0;
    }
}

void pressed(const KBDLLHOOKSTRUCT &key)
{
    const HWND front = GetForegroundWindow();
    if (front != g_state.foreground) {
        g_state.foreground = front;
        g_state.dead = 0;
        deliver(TypedKey::Break);
    }
    const DWORD vk = key.vkCode;
    if (isModifier(vk))
        return;
    const bool ctrl = down(VK_CONTROL);
    const bool alt = down(VK_MENU);
    if (down(VK_LWIN) || down(VK_RWIN) || (ctrl != alt && (ctrl || alt))) {
        deliver(TypedKey::Break); // a shortcut; Ctrl with Alt is AltGr
        return;
    }
    switch (vk) {
    case VK_BACK:
        g_state.dead = 0;
        deliver(TypedKey::BackSpace);
        return;
    case VK_RETURN:
        deliver(TypedKey::Text, QStringLiteral("\r"));
        return;
    case VK_TAB:
        deliver(TypedKey::Text, QStringLiteral("\t"));
        return;
    default:
        break;
    }
    BYTE state[256] = {};
    for (int k : {VK_SHIFT, VK_LSHIFT, VK_RSHIFT, VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_MENU,
                  VK_LMENU, VK_RMENU}) {
        if (down(k))
            state[k] = 0x80;
    }
    if (GetKeyState(VK_CAPITAL) & 1)
        state[VK_CAPITAL] = 0x01;
    const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(front, nullptr));
    wchar_t buffer[8] = {};
    // 0x4: the kernel's keyboard state (a pending dead key) stays as it was.
    const int n = ToUnicodeEx(vk, key.scanCode, state, buffer, 8, 0x4, layout);
    if (n < 0) {
        g_state.dead = buffer[0];
        return;
    }
    if (n == 0 || buffer[0] < 0x20 || buffer[0] == 0x7F) {
        g_state.dead = 0;
        deliver(TypedKey::Break); // arrows, Escape, Delete, function keys
        return;
    }
    QString text = QString::fromWCharArray(buffer, n);
    if (g_state.dead) {
        // What the program makes of the dead key and this one: the composed
        // character, or both when they do not compose.
        const wchar_t mark = combiningOf(g_state.dead);
        const QString composed =
            mark ? (text + QChar(mark)).normalized(QString::NormalizationForm_C) : QString();
        if (composed.size() == text.size())
            text = composed;
        else if (text != QLatin1String(" "))
            text.prepend(QChar(g_state.dead));
        else
            text = QString(QChar(g_state.dead));
        g_state.dead = 0;
    }
    deliver(TypedKey::Text, text);
}

LRESULT CALLBACK keyboardProc(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
        const auto *key = reinterpret_cast<const KBDLLHOOKSTRUCT *>(data);
        if (key->dwExtraInfo != Win32Prims::OwnInputMark)
            pressed(*key);
    }
    return CallNextHookEx(nullptr, code, message, data);
}

LRESULT CALLBACK mouseProc(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION &&
        (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN)) {
        g_state.dead = 0;
        deliver(TypedKey::Break); // a click moves the caret
    }
    return CallNextHookEx(nullptr, code, message, data);
}

} // namespace

WinKeyStream::~WinKeyStream()
{
    stop();
}

bool WinKeyStream::start(std::function<void(const TypedKey &)> sink)
{
    g_state.sink = std::move(sink);
    if (g_state.keyboard)
        return true;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    g_state.keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProc, module, 0);
    if (!g_state.keyboard) {
        g_state.sink = nullptr;
        return false;
    }
    g_state.mouse = SetWindowsHookExW(WH_MOUSE_LL, mouseProc, module, 0);
    g_state.foreground = GetForegroundWindow();
    g_state.dead = 0;
    return true;
}

void WinKeyStream::stop()
{
    if (g_state.keyboard)
        UnhookWindowsHookEx(g_state.keyboard);
    if (g_state.mouse)
        UnhookWindowsHookEx(g_state.mouse);
    g_state = HookState();
}
