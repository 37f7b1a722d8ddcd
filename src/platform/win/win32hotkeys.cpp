#include "platform/win/win32hotkeys.h"

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

} // namespace Win32Hotkeys
