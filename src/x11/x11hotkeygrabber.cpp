#include "x11/x11hotkeygrabber.h"

#include "x11/keyboardlayout.h"
#include "x11/keysymmap.h"
#include "x11/xcbreply.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr quint32 keysymNumLock = 0xff7f;    // XK_Num_Lock
constexpr quint32 keysymScrollLock = 0xff14; // XK_Scroll_Lock

// XKB event sub-types that say the keyboard map has changed.
constexpr quint8 xkbNewKeyboardNotify = 0;
constexpr quint8 xkbMapNotify = 1;

// Longer than any auto-repeat delay: a press this long after the last one
// of a held key is a new press.
constexpr xcb_timestamp_t repeatGapMs = 1000;

// The eight core modifier bits (Shift, Lock, Control, Mod1 to Mod5).
constexpr quint16 coreModifierBits = 0xff;

quint16 modifiersOf(const KeyCombination &combination)
{
    quint16 m = 0;
    if (combination.has(Qt::AltModifier))
        m |= XCB_MOD_MASK_1;
    if (combination.has(Qt::ControlModifier))
        m |= XCB_MOD_MASK_CONTROL;
    if (combination.has(Qt::ShiftModifier))
        m |= XCB_MOD_MASK_SHIFT;
    if (combination.has(Qt::MetaModifier))
        m |= XCB_MOD_MASK_4;
    return m;
}

} // namespace

X11HotkeyGrabber::X11HotkeyGrabber(X11Keyboard &keyboard, xcb_connection_t *connection,
                                   xcb_window_t root)
    : m_keyboard(keyboard), m_connection(connection), m_root(root)
{
    if (!m_connection)
        return;
    static const char xkbName[] = "XKEYBOARD";
    XcbReply<xcb_query_extension_reply_t> xkb(xcb_query_extension_reply(
        m_connection, xcb_query_extension(m_connection, sizeof xkbName - 1, xkbName), nullptr));
    if (xkb && xkb->present)
        m_xkbFirstEvent = xkb->first_event;
    loadKeyboard();
    m_keyboard.setGrabGuard(this);
}

X11HotkeyGrabber::~X11HotkeyGrabber()
{
    m_keyboard.setGrabGuard(nullptr);
    ungrabAll();
}

void X11HotkeyGrabber::loadKeyboard()
{
    m_numLock = m_keyboard.modifierMaskFor(keysymNumLock);
    m_scrollLock = m_keyboard.modifierMaskFor(keysymScrollLock);
}

xcb_keycode_t X11HotkeyGrabber::keycodeFor(quint32 keysym) const
{
    const KeyboardLayout *layout = m_keyboard.layout(false);
    if (!layout || keysym == 0)
        return 0;
    // The key that carries the symbol in the group in use, else in another:
    // the key a person presses for it.
    const QVector<quint32> keys = layout->keycodesForKeysym(keysym);
    return keys.isEmpty() || keys.first() > 255 ? 0 : xcb_keycode_t(keys.first());
}

xcb_keycode_t X11HotkeyGrabber::keycodeFor(const KeyCombination &combination) const
{
    // A key Qt has no name for (the ISO keyboard's extra key, the keypad's
    // separator) is grabbed by the keysym its stored code has here.
    return keycodeFor(X11KeyMap::keysymFromCombination(combination));
}

QVector<quint16> X11HotkeyGrabber::lockVariants(quint16 numLock, quint16 scrollLock)
{
    const quint16 locks[] = {XCB_MOD_MASK_LOCK, numLock, scrollLock};
    QVector<quint16> variants;
    for (int subset = 0; subset < 8; ++subset) {
        quint16 v = 0;
        for (int i = 0; i < 3; ++i) {
            if (subset & (1 << i))
                v |= locks[i];
        }
        if (!variants.contains(v))
            variants.append(v);
    }
    return variants;
}

bool X11HotkeyGrabber::grabVariants(xcb_keycode_t keycode, quint16 modifiers)
{
    const QVector<quint16> variants = lockVariants(m_numLock, m_scrollLock);
    QVector<xcb_void_cookie_t> cookies;
    cookies.reserve(variants.size());
    // owner_events false: the press is reported on the root window even when
    // one of our own windows has the focus, so the shortcut works there too.
    for (quint16 v : variants)
        cookies.append(xcb_grab_key_checked(m_connection, 0, m_root, modifiers | v, keycode,
                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    bool ok = true;
    for (const xcb_void_cookie_t &cookie : cookies) {
        // BadAccess: another client holds this variant.
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
            ok = false;
            std::free(error);
        }
    }
    if (!ok)
        ungrabVariants(keycode, modifiers, variants); // releases only what we got
    return ok;
}

void X11HotkeyGrabber::ungrabVariants(xcb_keycode_t keycode, quint16 modifiers,
                                      const QVector<quint16> &variants)
{
    for (quint16 v : variants)
        xcb_ungrab_key(m_connection, keycode, m_root, modifiers | v);
    xcb_flush(m_connection);
}

bool X11HotkeyGrabber::grab(int id, const KeyCombination &combination)
{
    ungrab(id);
    if (!m_connection)
        return false;
    const xcb_keycode_t keycode = keycodeFor(combination);
    if (keycode == 0)
        return false;
    const quint16 modifiers = modifiersOf(combination);
    // X lets a client grab the same combination twice without complaint; a
    // second shortcut of ours on it must fail as it does on Windows.
    for (const Grab &g : qAsConst(m_grabs)) {
        if (g.keycode == keycode && g.modifiers == modifiers)
            return false;
    }
    if (!grabVariants(keycode, modifiers))
        return false;
    Grab g;
    g.id = id;
    g.combination = combination;
    g.keycode = keycode;
    g.modifiers = modifiers;
    m_grabs.append(g);
    return true;
}

bool X11HotkeyGrabber::ungrab(int id)
{
    for (int i = 0; i < m_grabs.size(); ++i) {
        if (m_grabs[i].id == id) {
            ungrabVariants(m_grabs[i].keycode, m_grabs[i].modifiers,
                           lockVariants(m_numLock, m_scrollLock));
            m_grabs.remove(i);
            return true;
        }
    }
    return false;
}

void X11HotkeyGrabber::ungrabAll()
{
    const QVector<quint16> variants = lockVariants(m_numLock, m_scrollLock);
    for (const Grab &g : qAsConst(m_grabs))
        ungrabVariants(g.keycode, g.modifiers, variants);
    m_grabs.clear();
}

bool X11HotkeyGrabber::isGrabbed(int id) const
{
    for (const Grab &g : m_grabs) {
        if (g.id == id)
            return true;
    }
    return false;
}

bool X11HotkeyGrabber::heldElsewhere(const KeyCombination &combination)
{
    if (!m_connection)
        return false;
    const xcb_keycode_t keycode = keycodeFor(combination);
    if (keycode == 0)
        return false;
    const quint16 modifiers = modifiersOf(combination);
    for (const QVector<Grab> *list : {&m_grabs, &m_suspended}) {
        for (const Grab &g : *list) {
            if (g.keycode == keycode && g.modifiers == modifiers)
                return false;
        }
    }
    if (!grabVariants(keycode, modifiers))
        return true; // refused, and nothing of ours left behind
    ungrabVariants(keycode, modifiers, lockVariants(m_numLock, m_scrollLock));
    return false;
}

void X11HotkeyGrabber::regrabAll()
{
    // The old grabs were made with the old keycodes and lock bits: a grab
    // whose key and locks are unchanged stays as it is (the text insertion
    // borrows spare keycodes for a moment, which changes the map often);
    // the others are released with what they were made with and made again.
    const QVector<quint16> oldVariants = lockVariants(m_numLock, m_scrollLock);
    loadKeyboard();
    const bool locksChanged = lockVariants(m_numLock, m_scrollLock) != oldVariants;
    QVector<Grab> kept;
    QVector<Grab> moved;
    for (const Grab &g : qAsConst(m_grabs)) {
        const xcb_keycode_t keycode = keycodeFor(g.combination);
        if (keycode == g.keycode && !locksChanged) {
            kept.append(g);
        } else {
            // Released before any new grab, so that two keys swapping their
            // keycodes do not release each other's new grab.
            ungrabVariants(g.keycode, g.modifiers, oldVariants);
            Grab n = g;
            n.keycode = keycode;
            n.held = false;
            n.pressed = n.released = 0;
            moved.append(n);
        }
    }
    for (const Grab &g : qAsConst(moved)) {
        bool taken = false;
        for (const Grab &k : qAsConst(kept))
            taken = taken || (k.keycode == g.keycode && k.modifiers == g.modifiers);
        // A key gone from the map, or now held by another client, stays
        // ungrabbed until the next registration.
        if (g.keycode != 0 && !taken && grabVariants(g.keycode, g.modifiers))
            kept.append(g);
    }
    m_grabs = kept;
}

void X11HotkeyGrabber::suspendGrabs(const QVector<quint32> &keycodes, quint16 modifiers)
{
    const QVector<quint16> variants = lockVariants(m_numLock, m_scrollLock);
    for (int i = m_grabs.size() - 1; i >= 0; --i) {
        // A grab that needs a modifier our keys are never held with (Ctrl
        // for a typed text) cannot match them, and stays.
        if (!keycodes.contains(m_grabs[i].keycode) || (m_grabs[i].modifiers & ~modifiers) != 0)
            continue;
        for (quint16 v : variants)
            xcb_ungrab_key(m_connection, m_grabs[i].keycode, m_root, m_grabs[i].modifiers | v);
        m_suspended.append(m_grabs.takeAt(i));
    }
}

void X11HotkeyGrabber::resumeGrabs()
{
    // Requests on one connection are served in order: the grabs come back
    // after the server has handled the synthesised keys. A grab another
    // client took meanwhile stays ours no longer, as after a map change.
    for (const Grab &g : qAsConst(m_suspended)) {
        if (grabVariants(g.keycode, g.modifiers))
            m_grabs.append(g);
    }
    m_suspended.clear();
}

bool X11HotkeyGrabber::isMappingChange(const xcb_generic_event_t *event) const
{
    const quint8 type = event->response_type & 0x7f;
    if (type == XCB_MAPPING_NOTIFY) {
        const auto *e = reinterpret_cast<const xcb_mapping_notify_event_t *>(event);
        return e->request != XCB_MAPPING_POINTER;
    }
    if (m_xkbFirstEvent != 0 && type == m_xkbFirstEvent) {
        // XKB events carry their sub-type in the second byte.
        const quint8 xkbType = reinterpret_cast<const quint8 *>(event)[1];
        return xkbType == xkbNewKeyboardNotify || xkbType == xkbMapNotify;
    }
    return false;
}

int X11HotkeyGrabber::idFromNativeEvent(const QByteArray &eventType, void *message)
{
    if (!message || eventType != "xcb_generic_event_t")
        return 0;
    return idFromEvent(static_cast<const xcb_generic_event_t *>(message));
}

int X11HotkeyGrabber::idFromEvent(const xcb_generic_event_t *event)
{
    if (!event || !m_connection)
        return 0;
    const quint8 type = event->response_type & 0x7f;
    if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
        if (m_grabs.isEmpty())
            return 0;
        const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
        if (key->event != m_root)
            return 0; // an ordinary key press in one of our windows
        const quint16 locks = XCB_MOD_MASK_LOCK | m_numLock | m_scrollLock;
        const quint16 modifiers = key->state & coreModifierBits & quint16(~locks);
        // Without detectable auto-repeat a repeat is a release and a press of
        // the same key with one time and nothing between them; a press of
        // another key between them makes the next press a new one, even
        // within the same millisecond (a server's clock that has not moved
        // on, or keys from a tool).
        for (Grab &g : m_grabs) {
            if (g.keycode != key->detail)
                g.released = 0;
        }
        for (Grab &g : m_grabs) {
            if (g.keycode != key->detail)
                continue;
            if (type == XCB_KEY_RELEASE) {
                g.held = false;
                g.released = key->time;
                continue;
            }
            if (g.modifiers != modifiers)
                continue;
            // Auto-repeat: further presses while the key is held (repeats
            // follow each other closely, so a release we never saw costs one
            // press at most), or, without detectable auto-repeat, a press with
            // the time of the release just before it.
            const bool repeat = (g.held && key->time - g.pressed < repeatGapMs) ||
                                (g.released != 0 && g.released == key->time);
            g.held = true;
            g.pressed = key->time;
            return repeat ? 0 : g.id;
        }
        return 0;
    }
    if (isMappingChange(event)) {
        m_keyboard.invalidate();
        if (m_grabs.isEmpty())
            loadKeyboard();
        else
            regrabAll();
    }
    return 0;
}
