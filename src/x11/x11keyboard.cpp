// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QCoreApplication>
#include <QSet>

#include "x11/borrowedkeys.h"
#include "x11/keysymmap.h"
#include "x11/x11keyboard.h"
#include "x11/x11wait.h"
#include "x11/xcbreply.h"

#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xtest.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <cstdlib>

namespace {

// How long the watch of held keys stays open after its last use: it ends
// sooner, with the first synthesised key.
constexpr int WatchIdleMs = 2000;

// How long a batch of ours waits for the user to let go of a modifier while
// keys are held back.
constexpr int HeldModifierWaitMs = 2000;

bool isHighSurrogate(quint16 u)
{
    return u >= 0xD800 && u < 0xDC00;
}
bool isLowSurrogate(quint16 u)
{
    return u >= 0xDC00 && u < 0xE000;
}

// The whole characters of a text; false when it holds a lone surrogate,
// which no key and no paste can carry unchanged.
bool codePoints(const QString &text, QVector<char32_t> *out)
{
    for (int i = 0; i < text.size(); ++i) {
        const quint16 u = text.at(i).unicode();
        if (isHighSurrogate(u) && i + 1 < text.size() && isLowSurrogate(text.at(i + 1).unicode())) {
            out->append(QChar::surrogateToUcs4(u, text.at(i + 1).unicode()));
            ++i;
        } else if (isHighSurrogate(u) || isLowSurrogate(u)) {
            return false;
        } else {
            out->append(u);
        }
    }
    return true;
}

// One key to go down or up, and the input event it came from.
} // namespace

X11Keyboard::X11Keyboard(Display *display)
    : m_display(display), m_watch(display ? QByteArray(DisplayString(display)) : QByteArray())
{
    m_restoreTimer.setSingleShot(true);
    m_restoreTimer.setInterval(RestoreDelayMs);
    QObject::connect(&m_restoreTimer, &QTimer::timeout, [this] { restoreMap(); });
    m_watchIdle.setSingleShot(true);
    m_watchIdle.setInterval(WatchIdleMs);
    QObject::connect(&m_watchIdle, &QTimer::timeout, [this] { m_watch.stop(); });
    if (!m_display)
        return;
    m_connection = XGetXCBConnection(m_display);
    m_root = DefaultRootWindow(m_display);

    XcbReply<xcb_test_get_version_reply_t> xtest(xcb_test_get_version_reply(
        m_connection, xcb_test_get_version(m_connection, 2, 2), nullptr));
    m_hasXTest = bool(xtest);
    if (xkb_x11_setup_xkb_extension(
            m_connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &m_xkbEventBase, nullptr)) {
        m_deviceId = xkb_x11_get_core_keyboard_device_id(m_connection);
        m_context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    }
    if (!m_context)
        m_deviceId = -1;
    BorrowedKeys::recoverLeftovers(DisplayString(m_display));
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installNativeEventFilter(this);
}

X11Keyboard::~X11Keyboard()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    endHold();
    if (m_holdWindow)
        xcb_destroy_window(m_connection, m_holdWindow);
    restoreMap();
    m_layout.reset();
    if (m_context)
        xkb_context_unref(m_context);
}

bool X11Keyboard::prepareText(const QString &text)
{
    const KeyboardLayout *l = layout();
    QVector<char32_t> chars;
    if (!l || !codePoints(text, &chars))
        return false;
    QVector<QVector<quint32>> pairs;
    QSet<char32_t> seen;
    for (char32_t c : qAsConst(chars)) {
        KeyStroke stroke;
        if (seen.contains(c) || l->strokeFor(c, &stroke))
            continue;
        const xkb_keysym_t sym = xkb_utf32_to_keysym(c);
        if (sym == XKB_KEY_NoSymbol || c < 0x20)
            return false; // a control character no key of this map gives
        // A letter goes with its other case on one key, as on a real one:
        // Shift and Caps Lock then both give the right case.
        const xkb_keysym_t lower = xkb_keysym_to_lower(sym);
        const xkb_keysym_t upper = xkb_keysym_to_upper(sym);
        if (lower != upper) {
            pairs.append(QVector<quint32>{lower, upper});
            seen.insert(xkb_keysym_to_utf32(lower));
            seen.insert(xkb_keysym_to_utf32(upper));
        } else {
            pairs.append(QVector<quint32>{sym});
        }
        seen.insert(c);
    }
    if (pairs.isEmpty())
        return true;
    if (!borrow(pairs))
        return false;
    l = layout();
    if (!l)
        return false;
    for (char32_t c : qAsConst(chars)) {
        KeyStroke stroke;
        if (!l->strokeFor(c, &stroke))
            return false; // the server's map does not type it as bound (Caps Lock on a case-less
                          // key)
    }
    return true;
}

std::bitset<256> X11Keyboard::keysDown()
{
    // The watch's connection would wait for our server grab.
    if (m_hold == Hold::Server)
        return queryKeysDown();
    m_watchIdle.start();
    if (m_watch.isWatching() || m_watch.start())
        return m_watch.keysDown();
    return queryKeysDown();
}

std::bitset<256> X11Keyboard::queryKeysDown()
{
    std::bitset<256> down;
    XcbReply<xcb_query_keymap_reply_t> keys(
        xcb_query_keymap_reply(m_connection, xcb_query_keymap(m_connection), nullptr));
    for (int k = 0; keys && k < 256; ++k)
        down[size_t(k)] = keys->keys[k / 8] & (1 << (k % 8));
    return down;
}

bool X11Keyboard::isVirtualKeyDown(int vk)
{
    return isAnyKeysymDown(X11KeyMap::keysymsFromVirtualKey(vk));
}

bool X11Keyboard::isKeysymDown(quint32 keysym)
{
    return isAnyKeysymDown({keysym});
}

bool X11Keyboard::isAnyKeysymDown(const QVector<quint32> &syms)
{
    const KeyboardLayout *l = layout(false);
    if (!l)
        return false;
    const std::bitset<256> down = keysDown();
    for (quint32 sym : syms) {
        for (quint32 k : l->keycodesForKeysym(sym)) {
            if (k < 256 && down.test(k))
                return true;
        }
    }
    return false;
}

bool X11Keyboard::isNonModifierKeyDown()
{
    if (!isReady())
        return false;
    return (keysDown() & ~modifierKeys()).any();
}

void X11Keyboard::waitForKeyEvent(int maxMs)
{
    if (m_watch.isWatching())
        m_watch.waitForKeyEvent(maxMs);
    else
        X11Wait::serveEvents(maxMs);
}

quint16 X11Keyboard::keycodeForVirtualKey(quint16 vk)
{
    return keycodeForKeysyms(X11KeyMap::keysymsFromVirtualKey(vk));
}

quint16 X11Keyboard::keycodeForKeysyms(const QVector<quint32> &syms)
{
    const KeyboardLayout *l = layout();
    if (!l)
        return 0;
    if (syms.isEmpty())
        return 0;
    // A key that gives the symbol in the group in use: a shortcut is matched
    // by what the key types there.
    for (quint32 sym : syms) {
        for (quint32 k : l->keycodesForKeysym(sym)) {
            if (xkb_keysym_to_lower(l->plainKeysym(k)) == sym)
                return quint16(k);
        }
    }
    // None in this group (Cyrillic active, say): a borrowed key has only one
    // group, so it gives the symbol in every group.
    const xkb_keysym_t upper = xkb_keysym_to_upper(syms.first());
    if (borrow({upper != syms.first() ? QVector<quint32>{syms.first(), upper}
                                      : QVector<quint32>{syms.first()}})) {
        if ((l = layout())) {
            for (quint32 k : l->keycodesForKeysym(syms.first())) {
                if (xkb_keysym_to_lower(l->plainKeysym(k)) == syms.first())
                    return quint16(k);
            }
        }
    }
    // Last: the key of another group; most toolkits match shortcuts there too.
    if (!l)
        return 0;
    const QVector<quint32> any = l->keycodesForKeysym(syms.first());
    return any.isEmpty() ? 0 : quint16(any.first());
}

int X11Keyboard::typeText(const QString &text)
{
    return sendBatch(text.size(), [&](const KeyboardLayout &l, QVector<KeyOp> *ops) {
        for (int i = 0; i < text.size(); ++i) {
            const quint16 u = text.at(i).unicode();
            const bool pair = isHighSurrogate(u) && i + 1 < text.size() &&
                              isLowSurrogate(text.at(i + 1).unicode());
            if (!pair && (isHighSurrogate(u) || isLowSurrogate(u)))
                continue; // half a character: nothing can be typed for it
            const char32_t c = pair ? QChar::surrogateToUcs4(u, text.at(i + 1).unicode()) : u;
            if (!appendStroke(l, c, i, ops))
                return i;
            i += pair;
        }
        return int(text.size());
    });
}

bool X11Keyboard::appendStroke(const KeyboardLayout &l, char32_t c, int item, QVector<KeyOp> *ops)
{
    KeyStroke stroke;
    if (!l.strokeFor(c, &stroke) || !isSendable(l, stroke.keycode))
        return false;
    QVector<quint8> held;
    for (quint8 m : {StrokeModifier::Shift, StrokeModifier::LevelThree}) {
        if (stroke.modifiers & m)
            held.append(quint8(l.modifierKeycode(m)));
    }
    for (quint8 k : qAsConst(held))
        ops->append(KeyOp{k, true, item});
    ops->append(KeyOp{quint8(stroke.keycode), true, item});
    ops->append(KeyOp{quint8(stroke.keycode), false, item});
    for (auto it = held.crbegin(); it != held.crend(); ++it)
        ops->append(KeyOp{*it, false, item});
    return true;
}

int X11Keyboard::tapKey(quint32 keysym, int times)
{
    const quint16 keycode = keycodeForKeysyms({keysym});
    if (!keycode || times <= 0)
        return 0;
    return sendBatch(times, [&](const KeyboardLayout &l, QVector<KeyOp> *ops) {
        if (!isSendable(l, keycode))
            return 0;
        for (int i = 0; i < times; ++i) {
            ops->append(KeyOp{quint8(keycode), true, i});
            ops->append(KeyOp{quint8(keycode), false, i});
        }
        return times;
    });
}

bool X11Keyboard::sendChord(Qt::KeyboardModifiers modifiers, quint32 keysym)
{
    // Each modifier by its left key, else its right one; in the order a
    // person presses them.
    const std::pair<Qt::KeyboardModifier, QVector<quint32>> modifierKeys[] = {
        {Qt::ControlModifier, {XK_Control_L, XK_Control_R}},
        {Qt::ShiftModifier, {XK_Shift_L, XK_Shift_R}},
        {Qt::AltModifier, {XK_Alt_L, XK_Alt_R, XK_Meta_L, XK_Meta_R}},
        {Qt::MetaModifier, {XK_Super_L, XK_Super_R}},
    };
    QVector<quint16> held;
    for (const auto &m : modifierKeys) {
        if (modifiers.testFlag(m.first))
            held.append(keycodeForKeysyms(m.second));
    }
    const quint16 key = keycodeForKeysyms({keysym});
    if (key == 0 || held.contains(0))
        return false;
    // One item: the chord goes out whole or counts as not sent.
    return sendBatch(1, [&](const KeyboardLayout &l, QVector<KeyOp> *ops) {
               if (!isSendable(l, key) || !std::all_of(held.cbegin(), held.cend(),
                                                       [&](quint16 k) { return isSendable(l, k); }))
                   return 0;
               for (quint16 k : qAsConst(held))
                   ops->append(KeyOp{quint8(k), true, 0});
               ops->append(KeyOp{quint8(key), true, 0});
               ops->append(KeyOp{quint8(key), false, 0});
               for (auto it = held.crbegin(); it != held.crend(); ++it)
                   ops->append(KeyOp{quint8(*it), false, 0});
               return 1;
           }) == 1;
}

bool X11Keyboard::isSendable(const KeyboardLayout &l, quint32 keycode)
{
    return keycode != 0 && keycode >= l.minKeycode() &&
           keycode <= qMin<quint32>(l.maxKeycode(), 255);
}

int X11Keyboard::sendBatch(int items, const BatchBuilder &build)
{
    // Keys held back from the target: ours go out with the server grabbed
    // and the keyboard free, so nobody else's come in between. Grabbed
    // first, so that the map and the group the keys are made for are the
    // ones they meet (a tool may switch the group for each of its keys).
    const bool keysHeld = m_hold == Hold::Keys;
    if (keysHeld && !holdServer(true, HeldModifierWaitMs))
        return 0;
    struct BackToKeysHeld
    {
        X11Keyboard *keyboard;
        bool on;
        ~BackToKeysHeld()
        {
            if (on)
                keyboard->holdKeys();
        }
    } backToKeysHeld{this, keysHeld};
    const KeyboardLayout *l = layout();
    if (!l)
        return 0;
    // Our own keys are not the user's. (Under a hold it stopped before the
    // server grab, which its connection would wait for.)
    if (m_hold != Hold::Server)
        m_watch.stop();
    QVector<KeyOp> ops;
    // The first item that cannot go out; those before it may.
    const int buildable = build(*l, &ops);
    const int sent = sendOps(ops);
    if (!m_borrowed.isEmpty())
        noteUse();
    return qMin(buildable, sent < 0 ? items : sent);
}

int X11Keyboard::sendOps(QVector<KeyOp> ops)
{
    // The shortcut's own press left the keyboard grabbed by us: while that
    // lasts every key goes to us, not to the target.
    if (m_hold == Hold::Off)
        xcb_ungrab_keyboard(m_connection, XCB_CURRENT_TIME);
    // A key another program pressed whose release waits behind the server
    // grab: a press of it now would be taken for a repeat and dropped. It
    // goes up first (its press was held back from the target).
    if (m_hold == Hold::Server) {
        std::bitset<256> isDown = queryKeysDown();
        QVector<KeyOp> replayed;
        for (const KeyOp &op : qAsConst(ops)) {
            if (op.down && isDown.test(op.keycode))
                replayed.append(KeyOp{op.keycode, false, op.item});
            replayed.append(op);
            isDown[op.keycode] = op.down;
        }
        ops = replayed;
    }
    suspendGrabsFor(ops);
    QVector<xcb_void_cookie_t> cookies;
    cookies.reserve(ops.size());
    for (const KeyOp &op : qAsConst(ops))
        cookies.append(
            xcb_test_fake_input_checked(m_connection, op.down ? XCB_KEY_PRESS : XCB_KEY_RELEASE,
                                        op.keycode, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0));
    if (m_guard)
        m_guard->resumeGrabs();
    for (const KeyOp &op : qAsConst(ops)) {
        if (op.down)
            m_sentPresses.push_back(op.keycode);
    }
    // Nobody listening takes them off: only the latest are kept.
    while (m_sentPresses.size() > 4096)
        m_sentPresses.pop_front();
    int failedAt = -1;
    for (int i = 0; i < cookies.size(); ++i) {
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookies.at(i))) {
            std::free(error);
            if (failedAt < 0 || ops.at(i).item < failedAt)
                failedAt = ops.at(i).item;
        }
    }
    return failedAt;
}

// The keys that go out, and the modifiers they may be held with: only a
// grab they could set off steps aside. The others stay, so that the user's
// shortcut pressed meanwhile (Ctrl+T while a text with a "t" goes out) is
// still ours and never lands in the target.
void X11Keyboard::suspendGrabsFor(const QVector<KeyOp> &ops)
{
    if (!m_guard)
        return;
    QVector<quint32> keys;
    // The user's own held keys count too: a key of ours sent while the user
    // holds Ctrl goes out as Ctrl and that key.
    std::bitset<256> modifierDown = queryKeysDown();
    for (const KeyOp &op : ops) {
        if (!keys.contains(op.keycode))
            keys.append(op.keycode);
        if (op.down)
            modifierDown.set(op.keycode);
    }
    quint16 held = 0;
    const QVector<quint8> &map = modifierMap();
    const int perModifier = map.size() / 8;
    for (int i = 0; perModifier > 0 && i < map.size(); ++i) {
        if (map[i] && modifierDown.test(map[i]))
            held |= quint16(1u << (i / perModifier));
    }
    m_guard->suspendGrabs(keys, held);
}

bool X11Keyboard::replay(const QVector<HeldKey> &keys)
{
    const bool switched = m_hold == Hold::Keys;
    if (switched && !holdServer(false, 0))
        return false;
    std::bitset<256> down = queryKeysDown();
    // The keys of each modifier row (Shift, Lock, Control, Mod1 to Mod5).
    const QVector<quint8> map = modifierMap();
    const int perModifier = map.size() / 8;
    QVector<QVector<quint8>> rows(8);
    for (int i = 0; i < map.size(); ++i) {
        if (map[i])
            rows[i / perModifier].append(map[i]);
    }
    constexpr int LockRow = 1; // a lock is state, not a key held with another
    QVector<KeyOp> ops;
    auto key = [&ops, &down](quint8 keycode, bool press) {
        ops.append(KeyOp{keycode, press, 0});
        down[keycode] = press;
    };
    QVector<quint8> pressedHere;
    for (const HeldKey &k : keys) {
        if (isModifierKey(k.keycode))
            continue;
        for (int row = 0; k.down && row < rows.size(); ++row) {
            if (row == LockRow || rows[row].isEmpty())
                continue;
            const bool wanted = k.modifiers & (1u << row);
            const bool have = std::any_of(rows[row].cbegin(), rows[row].cend(),
                                          [&down](quint8 m) { return down.test(m); });
            if (wanted && !have) {
                key(rows[row].first(), true);
                pressedHere.append(rows[row].first());
            } else if (!wanted && have) {
                for (quint8 m : qAsConst(rows[row])) {
                    if (down.test(m))
                        key(m, false);
                }
            }
        }
        key(k.keycode, k.down);
    }
    for (quint8 m : qAsConst(pressedHere)) {
        if (down.test(m))
            key(m, false);
    }
    // The held keys go out as one item: all of them, or a failure.
    bool sent = ops.isEmpty();
    if (!sent) {
        sent = sendBatch(1, [&](const KeyboardLayout &l, QVector<KeyOp> *out) {
                   for (const KeyOp &op : qAsConst(ops)) {
                       if (!isSendable(l, op.keycode))
                           return 0;
                   }
                   *out = ops;
                   return 1;
               }) == 1;
    }
    if (switched)
        holdKeys();
    return sent;
}

bool X11Keyboard::takeOwnPress(quint8 keycode)
{
    // A press of another program through XTest (xdotool) in between leaves
    // ours waiting: ours come back in the order they were sent.
    for (auto it = m_sentPresses.begin(); it != m_sentPresses.end(); ++it) {
        if (*it == keycode) {
            m_sentPresses.erase(m_sentPresses.begin(), it + 1);
            return true;
        }
    }
    return false;
}
