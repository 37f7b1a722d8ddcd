// Global shortcuts of the Win32 backend: RegisterHotKey on the owner window,
// and WM_HOTKEY picked out of Qt's native message stream.

#include "platform/win/win32hotkeys.h"
#include "platform/win/windesktop.h"

// Windows keeps the registrations itself; nothing to hold here.
struct WinHotkeyState
{};

void WinHotkeyStateDeleter::operator()(WinHotkeyState *state) const
{
    delete state;
}

bool WinDesktop::registerHotKey(WindowHandle owner, int id, int mods, int vk)
{
    return Win32Hotkeys::registerHotKey(reinterpret_cast<HWND>(owner), id, mods, vk);
}

bool WinDesktop::unregisterHotKey(WindowHandle owner, int id)
{
    return Win32Hotkeys::unregisterHotKey(reinterpret_cast<HWND>(owner), id);
}

int WinDesktop::hotkeyIdFromNativeEvent(const QByteArray &eventType, void *message)
{
    // Qt hands messages over under these two names; message is a MSG.
    if (eventType != "windows_generic_MSG" && eventType != "windows_dispatcher_MSG")
        return 0;
    return Win32Hotkeys::hotkeyIdFromMessage(static_cast<const MSG *>(message));
}
