#include "wayland/mutterkeysyms.h"

#include <QChar>

#include <xkbcommon/xkbcommon.h>

namespace {

constexpr quint32 KeyReturn = 0xff0d;
constexpr quint32 KeyTab = 0xff09;
constexpr quint32 KeyShiftL = 0xffe1;
constexpr quint32 KeyLevel3Shift = 0xfe03;

struct Found
{
    xkb_keycode_t keycode = 0;
    xkb_level_index_t level = 0;
};

// mutter's own search: keys in keycode order below the highest one, levels
// in order, the first match wins.
bool pickKey(xkb_keymap *keymap, quint32 keysym, xkb_layout_index_t layout, Found *found)
{
    const xkb_keycode_t min = xkb_keymap_min_keycode(keymap);
    const xkb_keycode_t max = xkb_keymap_max_keycode(keymap);
    for (xkb_keycode_t keycode = min; keycode < max; ++keycode) {
        const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, keycode, layout);
        for (xkb_level_index_t level = 0; level < levels; ++level) {
            const xkb_keysym_t *syms = nullptr;
            const int count =
                xkb_keymap_key_get_syms_by_level(keymap, keycode, layout, level, &syms);
            for (int i = 0; i < count; ++i) {
                if (syms[i] == keysym) {
                    found->keycode = keycode;
                    found->level = level;
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace

MutterKeysyms::MutterKeysyms() : m_context(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {}

MutterKeysyms::~MutterKeysyms()
{
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_context);
}

bool MutterKeysyms::setKeymap(const QByteArray &text)
{
    xkb_keymap_unref(m_keymap);
    m_keymap = nullptr;
    if (!m_context || text.isEmpty())
        return false;
    m_keymap = xkb_keymap_new_from_buffer(m_context, text.constData(), size_t(text.size()),
                                          XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    return m_keymap != nullptr;
}

int MutterKeysyms::layoutCount() const
{
    return m_keymap ? int(xkb_keymap_num_layouts(m_keymap)) : 0;
}

bool MutterKeysyms::types(quint32 keysym, char32_t character, quint32 layout, Locks locks) const
{
    Found key;
    if (!pickKey(m_keymap, keysym, layout, &key))
        return false; // mutter drops it
    // Beyond the third level mutter presses the key bare, which types
    // something else.
    if (key.level > 2)
        return false;
    xkb_state *state = xkb_state_new(m_keymap);
    if (!state)
        return false;
    xkb_mod_mask_t locked = 0;
    const xkb_mod_index_t caps = xkb_keymap_mod_get_index(m_keymap, XKB_MOD_NAME_CAPS);
    const xkb_mod_index_t num = xkb_keymap_mod_get_index(m_keymap, XKB_MOD_NAME_NUM);
    if (locks.caps && caps != XKB_MOD_INVALID)
        locked |= xkb_mod_mask_t(1) << caps;
    if (locks.num && num != XKB_MOD_INVALID)
        locked |= xkb_mod_mask_t(1) << num;
    xkb_state_update_mask(state, 0, 0, locked, 0, 0, layout);
    bool ok = true;
    if (key.level > 0) {
        // The modifier key mutter holds, found the same way; without one
        // the key is pressed bare.
        Found modifier;
        if (pickKey(m_keymap, key.level == 1 ? KeyShiftL : KeyLevel3Shift, layout, &modifier))
            xkb_state_update_key(state, modifier.keycode, XKB_KEY_DOWN);
        else
            ok = false;
    }
    if (ok) {
        if (character == U'\n' || character == U'\t') {
            ok = xkb_state_key_get_one_sym(state, key.keycode) ==
                 (character == U'\n' ? KeyReturn : KeyTab);
        } else {
            ok = xkb_state_key_get_utf32(state, key.keycode) == quint32(character);
        }
    }
    xkb_state_unref(state);
    return ok;
}

quint32 MutterKeysyms::keysymFor(char32_t character, int layout, Locks locks) const
{
    if (!m_keymap || character == 0 || character > 0x10ffff)
        return 0;
    const int layouts = layoutCount();
    if (layout >= layouts || layout < -1)
        return 0;

    // The character's own keysym first; with Caps Lock on, a letter may come
    // out right from the keysym of its other case.
    quint32 candidates[2] = {0, 0};
    if (character == U'\n') {
        candidates[0] = KeyReturn;
    } else if (character == U'\t') {
        candidates[0] = KeyTab;
    } else {
        if (character < 0x20 || (character >= 0x7f && character < 0xa0))
            return 0; // no key types other control characters
        candidates[0] = xkb_utf32_to_keysym(character);
        if (locks.caps) {
            const uint code = uint(character);
            const uint other = QChar::isUpper(code) ? QChar::toLower(code) : QChar::toUpper(code);
            if (other != code)
                candidates[1] = xkb_utf32_to_keysym(other);
        }
    }
    for (const quint32 keysym : candidates) {
        if (keysym == 0)
            continue;
        bool everywhere = true;
        for (int l = layout < 0 ? 0 : layout; l < (layout < 0 ? layouts : layout + 1); ++l)
            everywhere = everywhere && types(keysym, character, quint32(l), locks);
        if (everywhere)
            return keysym;
    }
    return 0;
}
