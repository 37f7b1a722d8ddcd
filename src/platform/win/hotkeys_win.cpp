// Global shortcuts on Windows: not built yet, so every registration fails.

#include "platform/win/windesktop.h"

struct WinHotkeyState
{};

void WinHotkeyStateDeleter::operator()(WinHotkeyState *state) const
{
    delete state;
}

bool WinDesktop::registerHotKey(WindowHandle, int, int, int)
{
    return false;
}

bool WinDesktop::unregisterHotKey(WindowHandle, int)
{
    return false;
}

int WinDesktop::hotkeyIdFromNativeEvent(const QByteArray &, void *)
{
    return 0;
}
