#pragma once

// A key combination in Qt's terms: the key as Qt names it and the modifiers
// held with it (Ctrl, Alt, Shift, Meta), with Qt::KeypadModifier for a key of
// the numeric keypad, whose digits and operators are keys of their own. This
// is what the shortcut service and its backends speak; each turns it into its
// own window system's names (X keysyms, Windows virtual keys, KGlobalAccel's
// Qt keys).
//
// The data file keeps Windows virtual-key codes and MOD_* bits (base/hotkey.h)
// so that a file moves between machines unchanged; fromStored and the stored
// accessors are the one place the two meet.

#include <Qt>

class KeyCombination
{
public:
    KeyCombination() = default;
    // Modifiers other than Ctrl, Alt, Shift, Meta and Keypad are dropped.
    KeyCombination(Qt::Key key, Qt::KeyboardModifiers modifiers);

    // The combination a stored shortcut names; empty when vk is 0. A stored
    // key Qt has no name for (the extra key of ISO keyboards, VK_SEPARATOR,
    // media and OEM keys: base/keymap.h lists those that have one) keeps its
    // code as the native key, key() is 0, and only a backend that knows the
    // code registers it. MOD_* bits beyond the four modifiers are dropped.
    static KeyCombination fromStored(int mods, int vk);

    // No key: no shortcut.
    bool isEmpty() const { return m_key == 0 && m_nativeKey == 0; }
    // 0 for a key Qt has no name for.
    Qt::Key key() const { return m_key; }
    // The stored code of a key Qt has no name for; 0 for every other.
    int nativeKey() const { return m_nativeKey; }
    // Keypad included.
    Qt::KeyboardModifiers modifiers() const { return m_modifiers; }
    bool isKeypad() const { return m_modifiers.testFlag(Qt::KeypadModifier); }
    bool has(Qt::KeyboardModifier modifier) const { return m_modifiers.testFlag(modifier); }

    // What the data file stores for this combination: the MOD_* bits, and
    // the virtual key (0 when empty).
    int storedModifiers() const;
    int storedKey() const;

    // Key and modifiers in one int, as QKeySequence and KGlobalAccel take
    // them; 0 when empty or the key has no Qt name.
    int toCombined() const;

    bool operator==(const KeyCombination &other) const
    {
        return m_key == other.m_key && m_nativeKey == other.m_nativeKey &&
               m_modifiers == other.m_modifiers;
    }
    bool operator!=(const KeyCombination &other) const { return !(*this == other); }

private:
    Qt::Key m_key = Qt::Key(0);
    Qt::KeyboardModifiers m_modifiers;
    int m_nativeKey = 0;
};
