#pragma once

// What the keys of an XKB keyboard type, answered the way X clients read a
// key event: with xkbcommon, from the key's code, the modifiers and the group
// in the event's state. No X connection here: the keymap comes from the server
// (X11Keyboard) or, in tests, is compiled from layout names.
//
// Typing must be exact, so a character counts as typeable only when a key,
// pressed with at most Shift and the third-level key under the current locked
// modifiers (Caps Lock, Num Lock) and group, produces exactly that character.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <memory>

struct xkb_context;
struct xkb_keymap;
struct xkb_state;

// The modifier keys a stroke holds down while its key is pressed.
namespace StrokeModifier {
constexpr quint8 Shift = 1;
constexpr quint8 LevelThree = 2; // AltGr on most layouts
} // namespace StrokeModifier

struct KeyStroke
{
    quint32 keycode = 0;
    quint8 modifiers = 0; // StrokeModifier bits

    friend bool operator==(const KeyStroke &a, const KeyStroke &b)
    {
        return a.keycode == b.keycode && a.modifiers == b.modifiers;
    }
};

// The locked and latched parts of the server's keyboard state: what a
// synthesised key is read with once every held modifier key is up.
struct LockState
{
    quint32 lockedMods = 0;
    quint32 latchedMods = 0;
    qint32 baseGroup = 0;
    qint32 latchedGroup = 0;
    qint32 lockedGroup = 0;

    friend bool operator==(const LockState &a, const LockState &b)
    {
        return a.lockedMods == b.lockedMods && a.latchedMods == b.latchedMods &&
               a.baseGroup == b.baseGroup && a.latchedGroup == b.latchedGroup &&
               a.lockedGroup == b.lockedGroup;
    }
    friend bool operator!=(const LockState &a, const LockState &b) { return !(a == b); }
};

class KeyboardLayout final
{
public:
    // Takes over one reference of keymap; a null keymap types nothing.
    explicit KeyboardLayout(xkb_keymap *keymap);
    ~KeyboardLayout();
    KeyboardLayout(const KeyboardLayout &) = delete;
    KeyboardLayout &operator=(const KeyboardLayout &) = delete;

    // A keymap compiled from RMLVO names ("evdev", "pc105", "us,ru", ...);
    // null when xkbcommon cannot build it.
    static std::unique_ptr<KeyboardLayout> fromNames(const char *layout, const char *variant = "",
                                                     const char *options = "");

    // A keymap in the XKB text format, as a Wayland compositor sends it;
    // null when it does not compile.
    static std::unique_ptr<KeyboardLayout> fromText(const QByteArray &text);

    bool isValid() const { return m_keymap != nullptr; }
    quint32 groupCount() const;
    // The mask of a real modifier by its XKB name ("Lock", "Mod2"); 0 when
    // the keymap has none by that name.
    quint32 modifierMask(const char *name) const;
    quint32 minKeycode() const;
    quint32 maxKeycode() const;

    // The state strokes are computed for; the table is rebuilt when it changes.
    void setLockState(const LockState &state);
    LockState lockState() const { return m_lock; }
    // The group that key events are read in under the lock state.
    quint32 effectiveGroup() const;

    // How to type c exactly; false when no key produces it. Line breaks are
    // the Return key (CR), tabs the Tab key; other control characters are
    // never typed, since their keys act rather than write.
    bool strokeFor(char32_t c, KeyStroke *stroke) const;
    // The strokes that type each character (a line break: Return) alike in
    // every one of the states, for a keyboard whose state is known only in
    // part; false when a character has none, or not the same in all. Leaves
    // the first state set.
    bool strokesInEveryState(const QVector<LockState> &states, const QVector<char32_t> &characters,
                             QVector<KeyStroke> *out);
    // The keys that StrokeModifier bits stand for; 0 when the layout has none.
    quint32 modifierKeycode(quint8 modifier) const;

    // Keys that carry no symbol in any group: free to be bound for a moment.
    QVector<quint32> unusedKeycodes() const;
    // Keys whose symbols include keysym, those of the effective group first,
    // then lower groups and levels first.
    QVector<quint32> keycodesForKeysym(quint32 keysym) const;
    // The keysym key gives in the effective group without modifiers.
    quint32 plainKeysym(quint32 keycode) const;
    // What key types with the third-level key (AltGr) held, and Shift when
    // shift; empty when that is nothing or what it types without it.
    QString levelThreeText(quint32 keycode, bool shift) const;

private:
    void buildTable() const;
    xkb_state *newState() const;
    bool changesState(quint32 keycode) const;

    xkb_keymap *m_keymap = nullptr;
    LockState m_lock;
    // Built on first use for the current lock state.
    mutable quint32 m_shiftKey = 0;
    mutable quint32 m_levelThreeKey = 0;
    mutable bool m_tableBuilt = false;
    mutable QHash<char32_t, KeyStroke> m_table;
    // keycodesForKeysym's answers for the current lock state: each is a walk
    // over every key, group and level, and registering a few hundred
    // shortcuts asks for the same few dozen symbols again and again.
    mutable QHash<quint32, QVector<quint32>> m_keysForKeysym;
};
