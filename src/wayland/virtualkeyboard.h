#pragma once

// One virtual keyboard of our own on the compositor's seat, for the program's
// whole life. Its keymap (VirtualKeymap) holds a key for every character of
// the texts typed, so a text comes out exactly whatever layout and lock state
// the user has. A keyboard made for each insertion would make the target lose
// and regain its focus every time.
//
// The compositor may put a keymap of its own on our keyboard meanwhile: sway
// gives every keyboard, virtual ones too, the keymap of its configuration at
// every change of an input setting (a layout switched with swaymsg, a repeat
// rate, a reload). Our keys would then type other characters, or nothing. So
// the map is uploaded again before every text unless the seat's keymap, which
// the compositor sends every client while our keyboard is the one in use,
// shows ours still in place; and after the keys, a keymap the seat reported
// meanwhile must still be ours, or the text is reported as not typed.

#include "wayland/nativeroads.h"
#include "wayland/virtualkeymap.h"

#include <QElapsedTimer>
#include <QString>
#include <QVector>

class WaylandConnection;
struct zwp_virtual_keyboard_v1;

class VirtualKeyboard final : public NativeKeyboard
{
public:
    // After a new keymap, before its first key: a client that gets the map
    // and the key together may drop the key.
    static constexpr int KeymapSettleMs = 60;

    explicit VirtualKeyboard(WaylandConnection *connection);
    ~VirtualKeyboard();
    VirtualKeyboard(const VirtualKeyboard &) = delete;
    VirtualKeyboard &operator=(const VirtualKeyboard &) = delete;

    bool isValid() const override { return m_keyboard != nullptr; }
    // Gives every character of text a key and makes sure the compositor has
    // our map (see above); false when the text cannot be typed (too many
    // distinct characters, a control character) or the upload failed.
    bool prepare(const QString &text) override;
    // Presses and releases each character's key in turn with no modifier,
    // then checks that the seat's keymap stayed ours.
    Sent type(const QVector<char32_t> &characters) override;
    // Our map's fixed keys, with the modifier state set around them; false
    // when another map may have read them.
    bool chord(quint32 modifiers, Key key) override;

    // Whether a keymap, as a compositor sends it back, is one of ours.
    static bool isOurKeymap(const QByteArray &xkbKeymap);

private:
    bool upload();
    // Whether the seat's keymap is ours now: our keyboard is the one in use,
    // and nobody replaced its map since it was uploaded.
    bool seatHasOurKeymap();
    // Uploads our map unless the seat shows it in place (or when changed).
    bool ensureOurKeymap(bool changed);
    // After keys: through the compositor, and no other map came meanwhile
    // (our keyboard is the one in use from its first key, so a keymap the
    // seat sent from then on is what the keys were read with).
    bool keptOurKeymap();
    // Queued; a failure shows in the connection at the next flush.
    void key(quint32 code, bool down);
    void setModifiers(quint32 depressed);

    WaylandConnection *m_connection;
    zwp_virtual_keyboard_v1 *m_keyboard = nullptr;
    VirtualKeymap m_map;
    QElapsedTimer m_clock;
    // The seat's keymaps counted so far when our map was last made sure of.
    quint64 m_keymapsSeen = 0;
};
