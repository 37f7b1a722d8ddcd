#pragma once

// Windows virtual-key codes <-> X keysyms. Shortcuts are stored as Windows
// codes on every platform; this is how the X11 backend names the same keys.

#include "base/keycombination.h"

#include <QVector>
#include <QtGlobal>

namespace X11KeyMap {

// The keysym to grab for a virtual key (letters give their lower-case keysym,
// the one on the key's first level); 0 when the key has no X equivalent here.
quint32 keysymFromVirtualKey(int vk);

// The keysym to grab for a key in Qt's terms (keypad: Qt::KeypadModifier
// was given with it); 0 when the key has no X equivalent here. For every key
// a stored shortcut can name it is the keysym of the stored code.
quint32 keysymFromQtKey(int qtKey, bool keypad);

// The keysym of a combination's key: the Qt key's, or for a key Qt has no
// name for the stored code's. 0 when it has no X equivalent here.
quint32 keysymFromCombination(const KeyCombination &combination);

// Every keysym whose key counts as the virtual key: the one above, or for
// the modifier keys (VK_SHIFT, VK_LCONTROL, VK_RMENU, VK_LWIN, ...) the
// keysyms of the left, right or either key. Empty when there is none.
QVector<quint32> keysymsFromVirtualKey(int vk);

// The virtual key Windows reports for the key that produced keysym: shifted
// levels of the US layout (':' '!' '{' ...) give their key's code, keypad keys
// with NumLock off give the navigation keys they stand for. 0 when none.
int virtualKeyFromKeysym(quint32 keysym);

} // namespace X11KeyMap
