// The keyboard map as X11Keyboard reads and changes it: the server's XKB
// keymap and lock state, the core modifier map, and the keys that carry no
// symbol, lent for the moment to characters the map lacks and given back
// when they have not been used for a while.

// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QCoreApplication>

#include "x11/borrowedkeys.h"
#include "x11/x11keyboard.h"
#include "x11/xcbreply.h"

#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
// xcb's XKB header names a member "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <cstring>

namespace {

// XWayland gives the compositor's keymap to its Wayland keyboard only; the
// XTest keyboard keeps a default one, and the core keyboard takes the map of
// whichever device sent the last key. Keys we send are read with the XTest
// keyboard's map, so that is the one to type with there. (Xorg applies every
// map to all keyboards alike.)
qint32 xwaylandTestKeyboard(Display *display, qint32 coreId)
{
    int opcode = 0;
    int event = 0;
    int error = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error))
        return -1;
    int count = 0;
    XIDeviceInfo *devices = XIQueryDevice(display, XIAllDevices, &count);
    qint32 test = -1;
    bool xwayland = false; // its input devices name it
    for (int i = 0; devices && i < count; ++i) {
        const XIDeviceInfo &d = devices[i];
        if (d.use != XISlaveKeyboard || d.attachment != coreId || !d.name)
            continue;
        if (std::strstr(d.name, "XTEST"))
            test = d.deviceid;
        else if (std::strncmp(d.name, "xwayland-", 9) == 0)
            xwayland = true;
    }
    if (devices)
        XIFreeDeviceInfo(devices);
    return xwayland ? test : -1;
}

// XKB event sub-types that say the keyboard map has changed.
constexpr quint8 XkbNewKeyboardNotify = 0;
constexpr quint8 XkbMapNotify = 1;

} // namespace

bool X11Keyboard::loadLayout()
{
    m_layout.reset();
    m_modifierMapStale = true;
    if (!m_context || m_deviceId < 0)
        return false;
    // Asked each time: XWayland adds its Wayland keyboard when the seat has one.
    const qint32 test = xwaylandTestKeyboard(m_display, m_deviceId);
    xkb_keymap *keymap = xkb_x11_keymap_new_from_device(
        m_context, m_connection, test >= 0 ? test : m_deviceId, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap)
        return false;
    m_layout = std::make_unique<KeyboardLayout>(keymap);
    m_layoutStale = false;
    return true;
}

bool X11Keyboard::readLockState(LockState *state)
{
    XcbReply<xcb_xkb_get_state_reply_t> reply(xcb_xkb_get_state_reply(
        m_connection, xcb_xkb_get_state(m_connection, XCB_XKB_ID_USE_CORE_KBD), nullptr));
    if (!reply)
        return false;
    state->lockedMods = reply->lockedMods;
    state->latchedMods = reply->latchedMods;
    state->baseGroup = reply->baseGroup;
    state->latchedGroup = reply->latchedGroup;
    state->lockedGroup = reply->lockedGroup;
    return true;
}

const KeyboardLayout *X11Keyboard::layout(bool readState)
{
    if (!isReady())
        return nullptr;
    if ((m_layoutStale || !m_layout) && !loadLayout())
        return nullptr;
    if (!readState)
        return m_layout.get();
    LockState state;
    if (!readLockState(&state))
        return nullptr;
    m_layout->setLockState(state);
    return m_layout.get();
}

// The core modifier map, row by row (Shift, Lock, Control, Mod1 to Mod5),
// read again after every map change.
const QVector<quint8> &X11Keyboard::modifierMap()
{
    if (!m_modifierMapStale)
        return m_modifierMap;
    m_modifierMap.clear();
    XcbReply<xcb_get_modifier_mapping_reply_t> map(xcb_get_modifier_mapping_reply(
        m_connection, xcb_get_modifier_mapping(m_connection), nullptr));
    if (map) {
        const xcb_keycode_t *codes = xcb_get_modifier_mapping_keycodes(map.p);
        m_modifierMap =
            QVector<quint8>(codes, codes + xcb_get_modifier_mapping_keycodes_length(map.p));
        m_modifierMapStale = false;
    }
    return m_modifierMap;
}

std::bitset<256> X11Keyboard::modifierKeys()
{
    std::bitset<256> keys;
    for (quint8 k : modifierMap()) {
        if (k)
            keys.set(k);
    }
    return keys;
}

quint16 X11Keyboard::modifierMaskFor(quint32 keysym)
{
    const KeyboardLayout *l = layout(false);
    if (!l)
        return 0;
    const QVector<quint32> keys = l->keycodesForKeysym(keysym);
    const QVector<quint8> &map = modifierMap();
    const int perModifier = map.size() / 8;
    quint16 mask = 0;
    for (int i = 0; i < map.size(); ++i) {
        if (map[i] && keys.contains(map[i]))
            mask |= quint16(1u << (i / perModifier));
    }
    return mask;
}

QVector<quint32> X11Keyboard::freeKeycodes()
{
    QVector<quint32> out;
    if (!m_layout)
        return out;
    const std::bitset<256> modifiers = modifierKeys();
    for (quint32 k : m_layout->unusedKeycodes()) {
        if (k < 256 && !modifiers.test(k))
            out.append(k);
    }
    if (m_spareLimit >= 0)
        out.resize(qMax(0, qMin(out.size(), m_spareLimit - m_borrowed.size())));
    return out;
}

int X11Keyboard::freeKeyCount()
{
    return layout() ? freeKeycodes().size() : 0;
}

// Binds each pair of symbols (a character and its other case, or a
// character alone) to a key that carries none, all at once, then reads the
// map back so that what the keys type is what the server says.
bool X11Keyboard::borrow(const QVector<QVector<quint32>> &symPairs)
{
    const QVector<quint32> free = freeKeycodes();
    if (symPairs.size() > free.size())
        return false;
    QVector<xcb_void_cookie_t> cookies;
    for (int i = 0; i < symPairs.size(); ++i) {
        Borrowed b;
        b.keycode = free.at(i);
        b.syms[0] = symPairs.at(i).value(0);
        b.syms[1] = symPairs.at(i).value(1);
        const xcb_keysym_t syms[2] = {b.syms[0], b.syms[1]};
        cookies.append(xcb_change_keyboard_mapping_checked(m_connection, 1,
                                                           xcb_keycode_t(b.keycode), 2, syms));
        m_borrowed.append(b);
    }
    publishBorrowed();
    bool ok = true;
    for (const xcb_void_cookie_t &cookie : qAsConst(cookies)) {
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
            ok = false;
            std::free(error);
        }
    }
    noteUse();
    return loadLayout() && ok;
}

void X11Keyboard::noteUse()
{
    if (!m_borrowed.isEmpty())
        m_restoreTimer.start();
}

void X11Keyboard::publishBorrowed()
{
    QVector<BorrowedKeys::Key> keys;
    for (const Borrowed &b : qAsConst(m_borrowed))
        keys.append({b.keycode, b.syms[0], b.syms[1]});
    BorrowedKeys::publish(m_display ? QByteArray(DisplayString(m_display)) : QByteArray(), keys);
}

void X11Keyboard::restoreMap()
{
    m_restoreTimer.stop();
    if (m_borrowed.isEmpty() || !m_connection)
        return;
    for (const Borrowed &b : qAsConst(m_borrowed)) {
        // A key the user's own layout change has given symbols since is not ours.
        XcbReply<xcb_get_keyboard_mapping_reply_t> map(xcb_get_keyboard_mapping_reply(
            m_connection, xcb_get_keyboard_mapping(m_connection, xcb_keycode_t(b.keycode), 1),
            nullptr));
        if (!map || map->keysyms_per_keycode < 2)
            continue;
        const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(map.p);
        if (syms[0] != b.syms[0] || syms[1] != b.syms[1])
            continue;
        const xcb_keysym_t none[2] = {XCB_NO_SYMBOL, XCB_NO_SYMBOL};
        xcb_change_keyboard_mapping(m_connection, 1, xcb_keycode_t(b.keycode), 2, none);
    }
    m_borrowed.clear();
    xcb_flush(m_connection);
    publishBorrowed();
    invalidate();
}

bool X11Keyboard::nativeEventFilter(const QByteArray &eventType, void *message, long *)
{
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const quint8 type = event->response_type & 0x7f;
    if (type == XCB_MAPPING_NOTIFY) {
        invalidate();
    } else if (m_xkbEventBase != 0 && type == m_xkbEventBase) {
        // XKB events carry their sub-type in the second byte.
        const quint8 xkbType = reinterpret_cast<const quint8 *>(event)[1];
        if (xkbType == XkbNewKeyboardNotify || xkbType == XkbMapNotify)
            invalidate();
    }
    return false;
}
