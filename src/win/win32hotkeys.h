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
// A virtual key that no layout or program gives a meaning, sent (marked as
// ours) between a held Win key's press and release when the key between
// them was kept from the system: without it the shell opens the Start menu
// at the release. False when the system refused the input.
constexpr int MaskKey = 0xE8;
bool sendMaskKey();

// While one of our shortcut fields has the focus in window: a combination
// another program registered never reaches window (the system turns it into
// that program's WM_HOTKEY), so the keys are watched with a low-level hook
// before that happens. A key press whose combination heldElsewhere finds
// taken, made while window's top-level is in front, is kept from the other
// program and given to onHeld(mods, vk, context) instead; other keys go
// their way. The hook is this thread's (it is called from its message
// loop); onHeld must return at once. False when no hook could be set.
// keepKeys again moves the watch; releaseKeys ends it (harmless without).
using HeldPress = void (*)(int mods, int vk, void *context);
bool keepKeys(HWND window, HeldPress onHeld, void *context);
void releaseKeys();
bool keepsKeys();

} // namespace Win32Hotkeys
