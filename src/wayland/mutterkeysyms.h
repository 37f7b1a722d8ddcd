#pragma once

// Which keysym to hand mutter's remote desktop session so that a character
// arrives in the focused window exactly. mutter types a keysym by looking for
// the first key of the current layout that carries it, holding Shift for the
// second level or ISO_Level3_Shift for the third, and drops it silently when
// no key has it; it leaves the locked modifiers alone, so with Caps Lock on
// an 'a' arrives as 'A'. Here the same search runs on the compositor's keymap,
// and the key it finds is pressed on an XKB state with the locks the session
// reports: a character counts only if that yields it. xkbcommon alone, no
// connection, so it is tested without a compositor.

#include <QByteArray>
#include <QtGlobal>

struct xkb_context;
struct xkb_keymap;

class MutterKeysyms
{
public:
    MutterKeysyms();
    ~MutterKeysyms();
    MutterKeysyms(const MutterKeysyms &) = delete;
    MutterKeysyms &operator=(const MutterKeysyms &) = delete;

    // The compositor's keymap in XKB's text format, as wl_keyboard.keymap
    // hands it over. False (and no keymap kept) when it does not compile.
    bool setKeymap(const QByteArray &text);
    bool hasKeymap() const { return m_keymap != nullptr; }
    int layoutCount() const;

    struct Locks
    {
        bool caps = false;
        bool num = false;
    };

    // The keysym that types character (a code point; '\n' is Return, '\t'
    // Tab) on the given layout with these locks, or 0 when none does.
    // layout -1: not known, so the keysym must type the character on every
    // layout of the keymap.
    quint32 keysymFor(char32_t character, int layout, Locks locks) const;

private:
    bool types(quint32 keysym, char32_t character, quint32 layout, Locks locks) const;

    xkb_context *m_context = nullptr;
    xkb_keymap *m_keymap = nullptr;
};
