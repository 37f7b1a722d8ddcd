#pragma once

// Keys through KWin's fake input, which the compositor reads as if they came
// from a keyboard of the seat: they go through the user's own layout and
// lock state. A character is typed only where a key of the layout in use
// types exactly it, with at most Shift and the third-level key, under the
// Caps Lock and Num Lock state KWin reports; the rest is pasted. Where that
// state or the layout in use is unknown, a character counts as typeable only
// when the same keys type it in every state it could be.

#include "wayland/nativeroads.h"

#include <QByteArray>
#include <QVector>

#include <memory>

class KeyboardLayout;
class WaylandConnection;
struct LockState;
struct KeyStroke;

class FakeInputKeyboard final : public NativeKeyboard
{
public:
    // The group KWin's layout switcher says is in use; -1 when it does not
    // say (one layout, or no such service). Replaceable for tests.
    using GroupQuery = int (*)();
    static int kwinLayoutIndex();

    FakeInputKeyboard(WaylandConnection *connection, GroupQuery group = &kwinLayoutIndex);
    ~FakeInputKeyboard() override;
    FakeInputKeyboard(const FakeInputKeyboard &) = delete;
    FakeInputKeyboard &operator=(const FakeInputKeyboard &) = delete;

    bool isValid() const override;
    bool prepare(const QString &text) override;
    Sent type(const QVector<char32_t> &characters) override;
    bool chord(quint32 modifiers, Key key) override;
    // Releases both keys of each modifier (MOD_* bits) the user may hold.
    bool letGo(int mods);

    // Keystate callback.
    void lockChanged(quint32 key, quint32 state);

    // The strokes that type every character alike in each of the states; a
    // character is missing from out when they differ or one has none. Pure,
    // for tests.
    static bool strokesInEveryState(KeyboardLayout *layout, const QVector<LockState> &states,
                                    const QVector<char32_t> &characters, QVector<KeyStroke> *out);

private:
    // The layout and the states the keys may be read in now.
    bool refresh(QVector<LockState> *states);
    // Queued; a failure shows in the connection at the next roundtrip.
    void key(quint32 evdev, bool down);

    WaylandConnection *m_connection;
    GroupQuery m_group;
    QByteArray m_keymapText;
    std::unique_ptr<KeyboardLayout> m_layout;
    // Caps Lock and Num Lock as KWin reports them; -1 until it has.
    int m_capsLock = -1;
    int m_numLock = -1;
    // The strokes of the characters prepare() accepted.
    QVector<char32_t> m_preparedChars;
    QVector<KeyStroke> m_preparedStrokes;
};
