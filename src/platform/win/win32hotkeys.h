#pragma once

// System-wide shortcuts through user32, free of Qt so that the Win32 test
// program can exercise them under Wine.

#include <windows.h>

namespace Win32Hotkeys {

// RegisterHotKey with the stored MOD_* flags and virtual key, and
// MOD_NOREPEAT: a held key fires once, not at the keyboard's repeat rate.
// False when the system refused (typically another program, or an earlier
// registration of ours, holds the combination).
bool registerHotKey(HWND owner, int id, int mods, int vk);
bool unregisterHotKey(HWND owner, int id);
// The registration id of a WM_HOTKEY message (its wParam), 0 for anything else.
int hotkeyIdFromMessage(const MSG *message);
// Whether another program holds the combination: a registration for this
// thread (no window) is refused as already registered. One that succeeds is
// undone at once.
bool heldElsewhere(int mods, int vk);
// The MOD_* flags of the modifiers held now, as the system sees them.
int heldModifiers();
// The keys that are only a part of a combination (Shift, Ctrl, Alt, Win).
bool isModifierKey(int vk);

} // namespace Win32Hotkeys
