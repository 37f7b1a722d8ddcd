#include "wayland/fakeinputkeyboard.h"

#include "wayland/virtualkeymap.h"

#include "wayland/waylandconnection.h"
#include "x11/keyboardlayout.h"

#include "fake-input-client-protocol.h"
#include "keystate-client-protocol.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>

#include <wayland-client.h>

namespace {

constexpr quint32 KeyLeftCtrl = 29;
constexpr quint32 KeyLeftShift = 42;
constexpr quint32 KeyBackSpace = 14;
constexpr quint32 KeyV = 47;
constexpr quint32 KeyInsert = 110;
constexpr quint32 KeyLeft = 105;
// XKB keycodes are evdev codes plus 8.
constexpr quint32 EvdevOffset = 8;
constexpr int LayoutQueryTimeoutMs = 500;

void onLockChanged(void *data, org_kde_kwin_keystate *, uint32_t key, uint32_t state)
{
    static_cast<FakeInputKeyboard *>(data)->lockChanged(key, state);
}

const org_kde_kwin_keystate_listener keyStateListener = {onLockChanged};

} // namespace

int FakeInputKeyboard::kwinLayoutIndex()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.keyboard"), QStringLiteral("/Layouts"),
        QStringLiteral("org.kde.KeyboardLayouts"), QStringLiteral("getLayout"));
    const QDBusReply<uint> reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, LayoutQueryTimeoutMs);
    return reply.isValid() ? int(reply.value()) : -1;
}

FakeInputKeyboard::FakeInputKeyboard(WaylandConnection *connection, GroupQuery group)
    : m_connection(connection), m_group(group)
{
    if (!isValid())
        return;
    // KWin 5 answers at once; a later one may ask the user, who then reads
    // this.
    org_kde_kwin_fake_input_authenticate(m_connection->fakeInput(),
                                         QCoreApplication::applicationName().toUtf8().constData(),
                                         "Types the phrases you choose into the window in front");
    if (m_connection->keyState()) {
        org_kde_kwin_keystate_add_listener(m_connection->keyState(), &keyStateListener, this);
        org_kde_kwin_keystate_fetchStates(m_connection->keyState());
    }
    m_connection->roundtrip();
}

FakeInputKeyboard::~FakeInputKeyboard() = default;

bool FakeInputKeyboard::isValid() const
{
    return m_connection && m_connection->fakeInput() && !m_connection->failed();
}

void FakeInputKeyboard::lockChanged(quint32 key, quint32 state)
{
    const int locked = state == ORG_KDE_KWIN_KEYSTATE_STATE_LOCKED ? 1 : 0;
    if (key == ORG_KDE_KWIN_KEYSTATE_KEY_CAPSLOCK)
        m_capsLock = locked;
    else if (key == ORG_KDE_KWIN_KEYSTATE_KEY_NUMLOCK)
        m_numLock = locked;
}

bool FakeInputKeyboard::refresh(QVector<LockState> *states)
{
    // Events that came meanwhile: a new keymap, a lock key.
    m_connection->dispatchAvailable();
    const QByteArray text = m_connection->keymap();
    if (text.isEmpty())
        return false;
    if (!m_layout || text != m_keymapText) {
        m_layout = KeyboardLayout::fromText(text);
        m_keymapText = text;
    }
    if (!m_layout)
        return false;

    QVector<qint32> groups;
    const int inUse = m_layout->groupCount() > 1 ? m_group() : 0;
    if (inUse >= 0 && quint32(inUse) < qMax<quint32>(1, m_layout->groupCount()))
        groups << inUse;
    else
        for (quint32 g = 0; g < m_layout->groupCount(); ++g)
            groups << qint32(g);
    const quint32 caps = m_layout->modifierMask("Lock");
    const quint32 num = m_layout->modifierMask("Mod2");
    QVector<quint32> locks;
    for (int c = 0; c < 2; ++c) {
        if (m_capsLock >= 0 && c != m_capsLock)
            continue;
        for (int n = 0; n < 2; ++n) {
            if (m_numLock >= 0 && n != m_numLock)
                continue;
            locks << ((c ? caps : 0) | (n ? num : 0));
        }
    }
    states->clear();
    for (qint32 g : qAsConst(groups)) {
        for (quint32 mods : qAsConst(locks)) {
            LockState s;
            s.lockedMods = mods;
            s.lockedGroup = g;
            states->append(s);
        }
    }
    return true;
}

bool FakeInputKeyboard::prepare(const QString &text)
{
    m_preparedChars.clear();
    m_preparedStrokes.clear();
    QVector<char32_t> characters;
    QVector<LockState> states;
    if (!isValid() || !VirtualKeymap::characters(text, &characters) || !refresh(&states))
        return false;
    QVector<KeyStroke> strokes;
    if (!m_layout->strokesInEveryState(states, characters, &strokes))
        return false;
    m_preparedChars = characters;
    m_preparedStrokes = strokes;
    return true;
}

void FakeInputKeyboard::key(quint32 evdev, bool down)
{
    org_kde_kwin_fake_input_keyboard_key(m_connection->fakeInput(), evdev,
                                         down ? WL_KEYBOARD_KEY_STATE_PRESSED
                                              : WL_KEYBOARD_KEY_STATE_RELEASED);
}

NativeKeyboard::Sent FakeInputKeyboard::type(const QVector<char32_t> &characters)
{
    if (!isValid() || !m_layout)
        return Sent::Nothing;
    const quint32 shift = m_layout->modifierKeycode(StrokeModifier::Shift);
    const quint32 levelThree = m_layout->modifierKeycode(StrokeModifier::LevelThree);
    // Every stroke is checked before the first key goes out.
    QVector<KeyStroke> strokes;
    strokes.reserve(characters.size());
    for (char32_t c : characters) {
        const int at = m_preparedChars.indexOf(c);
        if (at < 0)
            return Sent::Nothing;
        const KeyStroke stroke = m_preparedStrokes.at(at);
        if (((stroke.modifiers & StrokeModifier::Shift) && !shift) ||
            ((stroke.modifiers & StrokeModifier::LevelThree) && !levelThree) ||
            stroke.keycode < EvdevOffset)
            return Sent::Nothing;
        strokes.append(stroke);
    }
    for (const KeyStroke &stroke : qAsConst(strokes)) {
        const bool withShift = stroke.modifiers & StrokeModifier::Shift;
        const bool withLevelThree = stroke.modifiers & StrokeModifier::LevelThree;
        if (withLevelThree)
            key(levelThree - EvdevOffset, true);
        if (withShift)
            key(shift - EvdevOffset, true);
        key(stroke.keycode - EvdevOffset, true);
        key(stroke.keycode - EvdevOffset, false);
        if (withShift)
            key(shift - EvdevOffset, false);
        if (withLevelThree)
            key(levelThree - EvdevOffset, false);
    }
    // Through the compositor before we say the keys are in.
    return m_connection->roundtrip() ? Sent::All : Sent::Some;
}

bool FakeInputKeyboard::letGo(int mods)
{
    if (!isValid())
        return false;
    struct Pair
    {
        int mod;
        quint32 left, right;
    };
    // Evdev codes: Control, Alt, Shift, Meta; left and right.
    static const Pair pairs[] = {
        {0x2, KeyLeftCtrl, 97}, {0x1, 56, 100}, {0x4, KeyLeftShift, 54}, {0x8, 125, 126}};
    for (const Pair &p : pairs) {
        if (mods & p.mod) {
            key(p.left, false);
            key(p.right, false);
        }
    }
    return m_connection->roundtrip();
}

// Programs read Control+V by the key that types "v" in the layout in use, so
// the chord presses that key where there is one (a Dvorak layout has it
// elsewhere). A layout without it (Russian, Greek) leaves Qt's Wayland
// programs deaf to Control+V; Shift+Insert pastes the clipboard in them as in
// GTK's, so a plain paste goes that way there.
bool FakeInputKeyboard::chord(quint32 modifiers, Key which)
{
    if (!isValid())
        return false;
    quint32 code = KeyLeft;
    switch (which) {
    case Key::Left:
        break;
    case Key::BackSpace:
        code = KeyBackSpace;
        break;
    case Key::PasteV: {
        code = KeyV;
        QVector<LockState> states;
        QVector<KeyStroke> strokes;
        if (refresh(&states) && m_layout->strokesInEveryState(states, {U'v'}, &strokes) &&
            strokes.first().modifiers == 0 && strokes.first().keycode > EvdevOffset) {
            code = strokes.first().keycode - EvdevOffset;
        } else if (modifiers == ControlBit) {
            modifiers = ShiftBit;
            code = KeyInsert;
        }
        break;
    }
    case Key::Insert:
        code = KeyInsert;
        break;
    }
    if (modifiers & ControlBit)
        key(KeyLeftCtrl, true);
    if (modifiers & ShiftBit)
        key(KeyLeftShift, true);
    key(code, true);
    key(code, false);
    if (modifiers & ShiftBit)
        key(KeyLeftShift, false);
    if (modifiers & ControlBit)
        key(KeyLeftCtrl, false);
    return m_connection->roundtrip();
}
