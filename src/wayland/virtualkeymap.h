#pragma once

// The keymap of a virtual keyboard of our own, for window systems that let a
// client type through one (Wayland compositors with a virtual-keyboard
// protocol): one key per character of the text, each typing its character
// at the first level without modifiers, so that any Unicode text is typed
// exactly whatever layout the user has. The keyboard lives as long as the
// program and keeps its keymap: the map changes (and is uploaded again, with
// the wait that costs) only when a text needs characters it lacks; then the
// characters the text needs stay and the others make room. The keycodes lie
// beyond every code a real keyboard sends.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

class VirtualKeymap final
{
public:
    // Evdev key codes (the protocol's codes; the keymap's are 8 higher).
    // Real keys end at 0x2ff.
    static constexpr quint32 FirstKeycode = 0x300;
    static constexpr int Capacity = 512;
    // Two keys every map has, after the characters' keys, for the paste
    // chords: V (with Control, or Control and Shift) and Insert (with Shift).
    // The chord's modifiers are set by the keyboard's modifier state, so the
    // map needs no modifier keys.
    static constexpr quint32 PasteVKeycode = FirstKeycode + Capacity;
    static constexpr quint32 InsertKeycode = PasteVKeycode + 1;
    // And the editing keys: Left for the caret, BackSpace for erasing.
    static constexpr quint32 LeftKeycode = InsertKeycode + 1;
    static constexpr quint32 BackSpaceKeycode = LeftKeycode + 1;
    // The modifier bits of the chords, as XKB numbers its real modifiers.
    static constexpr quint32 ShiftBit = 0x1;
    static constexpr quint32 ControlBit = 0x4;
    // The name of the map's key codes, which a compositor keeps when it
    // sends the map on to clients: it tells our map from others.
    static constexpr const char *KeycodesName = "xkb_keycodes \"scrivlet\"";

    // The text's characters (code points; a line break is the Return key, a
    // tab the Tab key), or false when it holds one no key can type (a
    // control character other than those, an unpaired surrogate).
    static bool characters(const QString &text, QVector<char32_t> *out);
    // The code of a character's key; 0 when the map has none.
    quint32 keyOf(char32_t c) const { return m_keys.value(c, 0); }
    // Whether every character of the text has its key already.
    bool covers(const QString &text) const;
    // Gives every character of the text a key, taking the keys of characters
    // the text does not need when the map is full. False when the text has
    // more distinct characters than the map has keys, or one no key types;
    // *changed says whether the map must be uploaded again.
    bool prepare(const QString &text, bool *changed);
    // The presses that type the text, in order (evdev codes); empty when the
    // map does not cover it.
    QVector<quint32> presses(const QString &text) const;
    // The whole map in the XKB text format, as a keyboard uploads it.
    QByteArray keymapText() const;
    int size() const { return m_keys.size(); }

    // The keysym that types a character: Latin-1 and the two control keys
    // by their own keysyms, everything else as a Unicode keysym.
    static quint32 keysymFor(char32_t c);

private:
    QHash<char32_t, quint32> m_keys; // character -> evdev code
    QVector<char32_t> m_byKey;       // index = code - FirstKeycode; 0 = free
};
