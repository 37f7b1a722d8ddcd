#include "base/keycombination.h"

#include "base/hotkey.h"
#include "base/keymap.h"

namespace {

constexpr Qt::KeyboardModifiers kept = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier |
                                       Qt::MetaModifier | Qt::KeypadModifier;

} // namespace

KeyCombination::KeyCombination(Qt::Key key, Qt::KeyboardModifiers modifiers)
    : m_key(key), m_modifiers(key == 0 ? Qt::KeyboardModifiers() : modifiers & kept)
{}

KeyCombination KeyCombination::fromStored(int mods, int vk)
{
    if (vk <= 0)
        return KeyCombination();
    bool keypad = false;
    const int key = KeyMap::qtKeyFromVirtualKey(vk, &keypad);
    Qt::KeyboardModifiers modifiers;
    if (mods & Hotkey::ModControl)
        modifiers |= Qt::ControlModifier;
    if (mods & Hotkey::ModAlt)
        modifiers |= Qt::AltModifier;
    if (mods & Hotkey::ModShift)
        modifiers |= Qt::ShiftModifier;
    if (mods & Hotkey::ModWin)
        modifiers |= Qt::MetaModifier;
    if (keypad)
        modifiers |= Qt::KeypadModifier;
    if (key != 0)
        return KeyCombination(Qt::Key(key), modifiers);
    KeyCombination native;
    native.m_nativeKey = vk;
    native.m_modifiers = modifiers & kept;
    return native;
}

int KeyCombination::storedModifiers() const
{
    return isEmpty() ? 0 : Hotkey::modsFromQt(m_modifiers);
}

int KeyCombination::storedKey() const
{
    if (m_nativeKey)
        return m_nativeKey;
    return isEmpty() ? 0 : KeyMap::virtualKeyFromQtKey(m_key, isKeypad());
}

int KeyCombination::toCombined() const
{
    return m_key == 0 ? 0 : int(m_key) | int(m_modifiers);
}
