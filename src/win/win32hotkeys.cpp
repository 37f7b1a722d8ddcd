#include "win/win32hotkeys.h"

#include "win/win32prims.h"

namespace {

struct KeptKeys
{
    HHOOK hook = nullptr;
    HWND window = nullptr;
    Win32Hotkeys::HeldPress onHeld = nullptr;
    void *context = nullptr;
};
KeptKeys g_kept;

LRESULT CALLBACK keptKeyProc(int code, WPARAM message, LPARAM data)
{
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
        const auto *key = reinterpret_cast<const KBDLLHOOKSTRUCT *>(data);
        const int vk = int(key->vkCode);
        const HWND front = GetForegroundWindow();
        if (g_kept.onHeld && key->dwExtraInfo != Win32Prims::OwnInputMark &&
            !Win32Hotkeys::isModifierKey(vk) && front &&
            GetAncestor(front, GA_ROOTOWNER) == GetAncestor(g_kept.window, GA_ROOTOWNER)) {
            const int mods = Win32Hotkeys::heldModifiers();
            if (mods != 0 && Win32Hotkeys::heldElsewhere(mods, vk)) {
                g_kept.onHeld(mods, vk, g_kept.context);
                // The shell saw the Win key go down and will see it come up
                // with no key between (this one is kept from it), which
                // opens the Start menu: a key of no meaning goes between.
                // Refused (a secure desktop in front), nothing more can be
                // done here: the menu may open, the field has its combination.
                if (mods & MOD_WIN)
                    (void)Win32Hotkeys::sendMaskKey();
                return 1; // kept from the program that holds it
            }
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

} // namespace

namespace Win32Hotkeys {

bool registerHotKey(HWND owner, int id, int mods, int vk)
{
    if (!owner || vk <= 0)
        return false;
    // Not every system honours MOD_NOREPEAT (Wine does not): the backend
    // also drops the repeats of a key it has not seen go up.
    return RegisterHotKey(owner, id, UINT(mods) | MOD_NOREPEAT, UINT(vk)) != FALSE;
}

bool unregisterHotKey(HWND owner, int id)
{
    return owner && UnregisterHotKey(owner, id) != FALSE;
}

int hotkeyIdFromMessage(const MSG *message)
{
    if (!message || message->message != WM_HOTKEY)
        return 0;
    return int(message->wParam);
}

bool heldElsewhere(int mods, int vk)
{
    // Any id of 0 to 0xBFFF serves a thread registration; ours go on windows.
    constexpr int probeId = 0xBFF0;
    if (vk <= 0)
        return false;
    if (RegisterHotKey(nullptr, probeId, UINT(mods & 0xF), UINT(vk))) {
        UnregisterHotKey(nullptr, probeId);
        return false;
    }
    return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

int heldModifiers()
{
    const auto down = [](int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; };
    int mods = 0;
    if (down(VK_MENU))
        mods |= MOD_ALT;
    if (down(VK_CONTROL))
        mods |= MOD_CONTROL;
    if (down(VK_SHIFT))
        mods |= MOD_SHIFT;
    if (down(VK_LWIN) || down(VK_RWIN))
        mods |= MOD_WIN;
    return mods;
}

bool sendMaskKey()
{
    INPUT keys[2] = {};
    for (INPUT &key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = MaskKey;
        key.ki.dwExtraInfo = Win32Prims::OwnInputMark;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, keys, sizeof(INPUT)) == 2;
}

bool isModifierKey(int vk)
{
    switch (vk) {
    case VK_SHIFT:
    case VK_LSHIFT:
    case VK_RSHIFT:
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL:
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
    case VK_LWIN:
    case VK_RWIN:
        return true;
    default:
        return false;
    }
}

bool keepKeys(HWND window, HeldPress onHeld, void *context)
{
    releaseKeys();
    if (!window || !onHeld)
        return false;
    g_kept.hook = SetWindowsHookExW(WH_KEYBOARD_LL, keptKeyProc, GetModuleHandleW(nullptr), 0);
    if (!g_kept.hook)
        return false;
    g_kept.window = window;
    g_kept.onHeld = onHeld;
    g_kept.context = context;
    return true;
}

void releaseKeys()
{
    if (g_kept.hook)
        UnhookWindowsHookEx(g_kept.hook);
    g_kept = KeptKeys();
}

bool keepsKeys()
{
    return g_kept.hook != nullptr;
}

} // namespace Win32Hotkeys
