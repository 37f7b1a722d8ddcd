#pragma once

// A shortcut as the data file stores it: a Windows virtual-key code (0 = none)
// plus MOD_* flags. The codes are Windows codes on every platform so a data
// file moves between machines unchanged.

#include <QString>
#include <Qt>

namespace Hotkey {

constexpr int ModAlt = 0x1;     // MOD_ALT
constexpr int ModControl = 0x2; // MOD_CONTROL
constexpr int ModShift = 0x4;   // MOD_SHIFT
constexpr int ModWin = 0x8;     // MOD_WIN
constexpr int ModMask = ModAlt | ModControl | ModShift | ModWin;

// "Ctrl+Alt+F5"; empty when vk is 0. Fixed English words, never translated.
QString keyText(int mods, int vk);
// Display name of one key: "A", "F13", "Num 5", "PageUp", or "0x5d".
QString keyName(int vk);
// vk 0 equals nothing, not even another empty value.
bool sameHotkey(int mods1, int vk1, int mods2, int vk2);
bool hasModifier(int mods);

// Why a combination cannot be a shortcut. A shortcut is taken from every
// program: the keys that paste and copy everywhere (Ctrl+V, Ctrl+Shift+V,
// Shift+Insert, Ctrl+Insert), which the program also sends itself to
// paste; keys without Ctrl, Alt, Shift or Win, which would be taken from
// typing (the function keys F1 to F24 are not typing keys and may stand
// alone); keys that type or move through text with Shift alone (Shift+E
// types "E", Shift+Left selects); and, where the window system takes AltGr
// for Ctrl+Alt, a Ctrl+Alt combination whose key types a character with
// AltGr (altGrTyped: that character, which the caller asks of the
// keyboard layout there, ShortcutService::altGrIsCtrlAlt; empty
// elsewhere).
enum class Refusal
{
    None,
    PasteKey,
    NoModifier,
    ShiftTypes,
    AltGrCharacter,
};
Refusal refusal(int mods, int vk, const QString &altGrTyped = QString());
// Ctrl+Alt, with Shift or without: what AltGr is where it is Ctrl+Alt.
bool isAltGrChord(int mods);
// Ctrl, Alt, Shift and Meta become MOD_*; keypad and group switch are dropped.
int modsFromQt(Qt::KeyboardModifiers modifiers);

} // namespace Hotkey
