// Global shortcuts on X11: not built yet, so every registration fails.

#include "platform/x11/x11desktop.h"

struct X11HotkeyState
{};

void X11HotkeyStateDeleter::operator()(X11HotkeyState *state) const
{
    delete state;
}

bool X11Desktop::registerHotKey(WindowHandle, int, int, int)
{
    return false;
}

bool X11Desktop::unregisterHotKey(WindowHandle, int)
{
    return false;
}

int X11Desktop::hotkeyIdFromNativeEvent(const QByteArray &, void *)
{
    return 0;
}
