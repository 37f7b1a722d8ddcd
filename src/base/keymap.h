#pragma once

// Windows virtual-key codes <-> Qt key codes, for every key a shortcut can
// name on a standard keyboard: letters, digits, F1 to F24, the keypad, the
// named keys and the US punctuation keys. The stored value is always the
// Windows code, so a shortcut captured on one platform reads the same on
// another.

#include <Qt>

namespace KeyMap {

// The virtual key Windows would report for a Qt key, or 0 when there is none.
// keypad says the key came from the numeric keypad (Qt::KeypadModifier): its
// digits and operators have their own codes. A shifted US punctuation or digit
// character ('!', ':', '{' ...) gives the code of the key it is typed on, as
// Windows reports the key, not the character.
int virtualKeyFromQtKey(int qtKey, bool keypad);

// The Qt key for a virtual key, or 0 (Qt::Key_unknown) when there is none;
// *keypad is set for the keypad digits and operators.
int qtKeyFromVirtualKey(int vk, bool *keypad = nullptr);

} // namespace KeyMap
