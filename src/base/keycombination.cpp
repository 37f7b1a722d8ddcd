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
    bool keypad = false;
    const int key = vk == 0 ? 0 : KeyMap::qtKeyFromVirtualKey(vk, &keypad);
    if (key == 0)
        return KeyCombination();
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
    return KeyCombination(Qt::Key(key), modifiers);
}

int KeyCombination::storedModifiers() const
{
    return isEmpty() ? 0 : Hotkey::modsFromQt(m_modifiers);
}

int KeyCombination::storedKey() const
{
    return isEmpty() ? 0 : KeyMap::virtualKeyFromQtKey(m_key, isKeypad());
}

int KeyCombination::toCombined() const
{
    return isEmpty() ? 0 : int(m_key) | int(m_modifiers);
}
