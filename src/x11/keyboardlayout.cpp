#include "x11/keyboardlayout.h"

#include <xkbcommon/xkbcommon.h>

#include <algorithm>

namespace {

bool isKeypadKeysym(xkb_keysym_t sym)
{
    return sym >= XKB_KEY_KP_Space && sym <= XKB_KEY_KP_Equal;
}

// Control characters act rather than write (Backspace, Escape, Delete): only
// the two that a phrase may hold on purpose are typed.
bool isTypeableCodePoint(char32_t c)
{
    if (c == U'\t' || c == U'\r')
        return true;
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0);
}

struct StateDeleter
{
    void operator()(xkb_state *s) const { xkb_state_unref(s); }
};
using StatePtr = std::unique_ptr<xkb_state, StateDeleter>;

} // namespace

KeyboardLayout::KeyboardLayout(xkb_keymap *keymap) : m_keymap(keymap) {}

KeyboardLayout::~KeyboardLayout()
{
    if (m_keymap)
        xkb_keymap_unref(m_keymap);
}

std::unique_ptr<KeyboardLayout> KeyboardLayout::fromNames(const char *layout, const char *variant,
                                                          const char *options)
{
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (!context)
        return nullptr;
    const xkb_rule_names names{"evdev", "pc105", layout, variant, options};
    xkb_keymap *keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    xkb_context_unref(context); // the keymap keeps its own reference
    if (!keymap)
        return nullptr;
    return std::make_unique<KeyboardLayout>(keymap);
}

std::unique_ptr<KeyboardLayout> KeyboardLayout::fromText(const QByteArray &text)
{
    if (text.isEmpty())
        return nullptr;
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (!context)
        return nullptr;
    xkb_keymap *keymap =
        xkb_keymap_new_from_buffer(context, text.constData(), size_t(text.size()),
                                   XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    xkb_context_unref(context);
    if (!keymap)
        return nullptr;
    return std::make_unique<KeyboardLayout>(keymap);
}

quint32 KeyboardLayout::groupCount() const
{
    return m_keymap ? xkb_keymap_num_layouts(m_keymap) : 0;
}

quint32 KeyboardLayout::modifierMask(const char *name) const
{
    if (!m_keymap)
        return 0;
    const xkb_mod_index_t index = xkb_keymap_mod_get_index(m_keymap, name);
    return index == XKB_MOD_INVALID ? 0 : (1u << index);
}

quint32 KeyboardLayout::minKeycode() const
{
    return m_keymap ? xkb_keymap_min_keycode(m_keymap) : 0;
}

quint32 KeyboardLayout::maxKeycode() const
{
    return m_keymap ? xkb_keymap_max_keycode(m_keymap) : 0;
}

void KeyboardLayout::setLockState(const LockState &state)
{
    if (state == m_lock)
        return;
    m_lock = state;
    m_tableBuilt = false;
    m_keysForKeysym.clear();
}

xkb_state *KeyboardLayout::newState() const
{
    xkb_state *state = xkb_state_new(m_keymap);
    if (state)
        xkb_state_update_mask(
            state, 0, m_lock.latchedMods, m_lock.lockedMods, xkb_layout_index_t(m_lock.baseGroup),
            xkb_layout_index_t(m_lock.latchedGroup), xkb_layout_index_t(m_lock.lockedGroup));
    return state;
}

quint32 KeyboardLayout::effectiveGroup() const
{
    if (!m_keymap)
        return 0;
    const StatePtr state(newState());
    return state ? xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE) : 0;
}

// Modifier, lock and group keys change what later keys type; they are never
// used to type a character.
bool KeyboardLayout::changesState(quint32 keycode) const
{
    const StatePtr state(newState());
    if (!state)
        return true;
    const xkb_mod_mask_t mods = xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_EFFECTIVE);
    const xkb_layout_index_t group =
        xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE);
    const xkb_state_component changed = xkb_state_update_key(state.get(), keycode, XKB_KEY_DOWN);
    return changed != 0 ||
           xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_EFFECTIVE) != mods ||
           xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE) != group;
}

void KeyboardLayout::buildTable() const
{
    m_table.clear();
    m_tableBuilt = true;
    m_shiftKey = m_levelThreeKey = 0;
    if (!m_keymap)
        return;

    const quint32 lo = minKeycode();
    const quint32 hi = maxKeycode();
    QVector<bool> usable(int(hi + 1), false);
    for (quint32 k = lo; k <= hi; ++k)
        usable[int(k)] = !changesState(k);

    // The modifier keys, checked by what pressing them does in this state.
    // modName null: any modifier will do (the third level's is a virtual
    // one, which the state reports as the real modifier it stands for).
    auto findModifier = [&](xkb_keysym_t sym, const char *modName) -> quint32 {
        const xkb_mod_index_t index =
            modName ? xkb_keymap_mod_get_index(m_keymap, modName) : XKB_MOD_INVALID;
        for (quint32 k : keycodesForKeysym(sym)) {
            const StatePtr state(newState());
            xkb_state_update_key(state.get(), k, XKB_KEY_DOWN);
            if (index == XKB_MOD_INVALID
                    ? xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_DEPRESSED) != 0
                    : xkb_state_mod_index_is_active(state.get(), index, XKB_STATE_MODS_DEPRESSED) >
                          0)
                return k;
        }
        return 0;
    };
    m_shiftKey = findModifier(XKB_KEY_Shift_L, XKB_MOD_NAME_SHIFT);
    if (!m_shiftKey)
        m_shiftKey = findModifier(XKB_KEY_Shift_R, XKB_MOD_NAME_SHIFT);
    m_levelThreeKey = findModifier(XKB_KEY_ISO_Level3_Shift, nullptr);

    QVector<quint8> combos{0};
    if (m_shiftKey)
        combos << StrokeModifier::Shift;
    if (m_levelThreeKey)
        combos << StrokeModifier::LevelThree;
    if (m_shiftKey && m_levelThreeKey)
        combos << quint8(StrokeModifier::Shift | StrokeModifier::LevelThree);

    // Plain keys before shifted ones, the main block before the keypad, lower
    // keycodes first: the stroke a person would use.
    for (int keypadPass = 0; keypadPass < 2; ++keypadPass) {
        for (quint8 combo : qAsConst(combos)) {
            const StatePtr state(newState());
            if (combo & StrokeModifier::Shift)
                xkb_state_update_key(state.get(), m_shiftKey, XKB_KEY_DOWN);
            if (combo & StrokeModifier::LevelThree)
                xkb_state_update_key(state.get(), m_levelThreeKey, XKB_KEY_DOWN);
            for (quint32 k = lo; k <= hi; ++k) {
                if (!usable[int(k)])
                    continue;
                if (isKeypadKeysym(xkb_state_key_get_one_sym(state.get(), k)) != (keypadPass == 1))
                    continue;
                const char32_t c = xkb_state_key_get_utf32(state.get(), k);
                if (c != 0 && isTypeableCodePoint(c) && !m_table.contains(c))
                    m_table.insert(c, KeyStroke{k, combo});
            }
        }
    }
}

bool KeyboardLayout::strokeFor(char32_t c, KeyStroke *stroke) const
{
    if (!isTypeableCodePoint(c))
        return false;
    if (!m_tableBuilt)
        buildTable();
    const auto it = m_table.constFind(c);
    if (it == m_table.constEnd())
        return false;
    *stroke = *it;
    return true;
}

quint32 KeyboardLayout::modifierKeycode(quint8 modifier) const
{
    if (!m_tableBuilt)
        buildTable();
    if (modifier == StrokeModifier::Shift)
        return m_shiftKey;
    if (modifier == StrokeModifier::LevelThree)
        return m_levelThreeKey;
    return 0;
}

QVector<quint32> KeyboardLayout::unusedKeycodes() const
{
    QVector<quint32> out;
    if (!m_keymap)
        return out;
    for (quint32 k = minKeycode(); k <= maxKeycode(); ++k) {
        bool empty = true;
        const xkb_layout_index_t groups = xkb_keymap_num_layouts_for_key(m_keymap, k);
        for (xkb_layout_index_t g = 0; g < groups && empty; ++g) {
            const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(m_keymap, k, g);
            for (xkb_level_index_t l = 0; l < levels && empty; ++l) {
                const xkb_keysym_t *syms = nullptr;
                empty = xkb_keymap_key_get_syms_by_level(m_keymap, k, g, l, &syms) == 0;
            }
        }
        if (empty)
            out.append(k);
    }
    return out;
}

QVector<quint32> KeyboardLayout::keycodesForKeysym(quint32 keysym) const
{
    QVector<quint32> out;
    if (!m_keymap || keysym == XKB_KEY_NoSymbol)
        return out;
    const auto known = m_keysForKeysym.constFind(keysym);
    if (known != m_keysForKeysym.constEnd())
        return *known;
    const xkb_layout_index_t total = xkb_keymap_num_layouts(m_keymap);
    const xkb_layout_index_t active = effectiveGroup();
    QVector<xkb_layout_index_t> order{active};
    for (xkb_layout_index_t g = 0; g < total; ++g) {
        if (g != active)
            order.append(g);
    }
    for (xkb_layout_index_t g : qAsConst(order)) {
        for (quint32 k = minKeycode(); k <= maxKeycode(); ++k) {
            if (g >= xkb_keymap_num_layouts_for_key(m_keymap, k) || out.contains(k))
                continue;
            const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(m_keymap, k, g);
            for (xkb_level_index_t l = 0; l < levels; ++l) {
                const xkb_keysym_t *syms = nullptr;
                const int n = xkb_keymap_key_get_syms_by_level(m_keymap, k, g, l, &syms);
                if (std::find(syms, syms + n, keysym) != syms + n) {
                    out.append(k);
                    break;
                }
            }
        }
    }
    m_keysForKeysym.insert(keysym, out);
    return out;
}

QString KeyboardLayout::levelThreeText(quint32 keycode, bool shift) const
{
    const quint32 levelThree = modifierKeycode(StrokeModifier::LevelThree);
    const quint32 shiftKey = modifierKeycode(StrokeModifier::Shift);
    if (!m_keymap || !levelThree || (shift && !shiftKey))
        return QString();
    const auto text = [&](bool third) {
        const StatePtr state(newState());
        if (!state)
            return QString();
        if (shift)
            xkb_state_update_key(state.get(), shiftKey, XKB_KEY_DOWN);
        if (third)
            xkb_state_update_key(state.get(), levelThree, XKB_KEY_DOWN);
        const char32_t c = xkb_state_key_get_utf32(state.get(), keycode);
        return c != 0 && isTypeableCodePoint(c) ? QString::fromUcs4(&c, 1) : QString();
    };
    const QString third = text(true);
    return third == text(false) ? QString() : third;
}

quint32 KeyboardLayout::plainKeysym(quint32 keycode) const
{
    if (!m_keymap)
        return 0;
    const StatePtr state(newState());
    return state ? xkb_state_key_get_one_sym(state.get(), keycode) : 0;
}

bool KeyboardLayout::strokesInEveryState(const QVector<LockState> &states,
                                         const QVector<char32_t> &characters,
                                         QVector<KeyStroke> *out)
{
    out->clear();
    if (!m_keymap || states.isEmpty())
        return false;
    for (char32_t c : characters) {
        // The Return key for a line break, as on every keyboard.
        const char32_t wanted = c == U'\n' ? U'\r' : c;
        KeyStroke first;
        bool same = true;
        for (int i = 0; i < states.size() && same; ++i) {
            setLockState(states.at(i));
            KeyStroke stroke;
            if (!strokeFor(wanted, &stroke) || (i > 0 && !(stroke == first))) {
                same = false;
                break;
            }
            if (i == 0)
                first = stroke;
        }
        if (!same)
            return false;
        out->append(first);
    }
    setLockState(states.first());
    return true;
}
