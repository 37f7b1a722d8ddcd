#pragma once

// One virtual keyboard of our own on the compositor's seat, for the program's
// whole life. Its keymap (VirtualKeymap) holds a key for every character of
// the texts typed, so a text comes out exactly whatever layout and lock state
// the user has; it is uploaded again only when a text needs characters it
// lacks. A keyboard made for each insertion would make the target lose and
// regain its focus every time.

#include "insert/virtualkeymap.h"
#include "platform/wayland/nativeroads.h"

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
    // Gives every character of text a key, uploading the map when it
    // changed; false when the text cannot be typed (too many distinct
    // characters, a control character) or the upload failed.
    bool prepare(const QString &text) override;
    // Presses and releases each character's key in turn with no modifier;
    // false when one has no key or the connection failed.
    bool type(const QVector<char32_t> &characters) override;
    // Our map's fixed keys, with the modifier state set around them.
    bool chord(quint32 modifiers, Key key) override;

private:
    bool upload();
    // Queued; a failure shows in the connection at the next flush.
    void key(quint32 code, bool down);
    void setModifiers(quint32 depressed);

    WaylandConnection *m_connection;
    zwp_virtual_keyboard_v1 *m_keyboard = nullptr;
    VirtualKeymap m_map;
    QElapsedTimer m_clock;
};
