#pragma once

// Global shortcuts on X11: passive key grabs on the root window, made on Qt's
// own X connection so that the presses arrive in Qt's native event filter.
//
// A shortcut is a key combination in Qt's terms. It becomes a keycode
// (through its keysym in the current keyboard map) and a core modifier mask
// (Alt -> Mod1, Ctrl -> Control, Shift -> Shift, Meta -> Mod4), grabbed once for
// every combination of the lock modifiers (CapsLock, NumLock, ScrollLock), since
// X matches grabs on the exact modifier state.

#include "base/keycombination.h"
#include "x11/x11keyboard.h"

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

#include <xcb/xcb.h>

class X11HotkeyGrabber final : public X11Keyboard::GrabGuard
{
public:
    // connection is not owned; a null connection makes every grab fail. The
    // keyboard service names the keys, and steps the grabs aside while it
    // types.
    X11HotkeyGrabber(X11Keyboard &keyboard, xcb_connection_t *connection, xcb_window_t root);
    ~X11HotkeyGrabber() override;
    X11HotkeyGrabber(const X11HotkeyGrabber &) = delete;
    X11HotkeyGrabber &operator=(const X11HotkeyGrabber &) = delete;

    // False when the key has no keycode in the current map, when another X
    // client holds any variant of the combination (nothing stays grabbed
    // then), or when another id of ours already holds it.
    bool grab(int id, const KeyCombination &combination);
    bool ungrab(int id);
    void ungrabAll();
    bool isGrabbed(int id) const;
    // Whether another X client holds a passive grab of the combination: a
    // grab of ours on the root window meets BadAccess. A combination we hold
    // ourselves is not asked (a second grab of ours would not fail, and its
    // release would take ours away).
    bool heldElsewhere(const KeyCombination &combination);

    // For every event of Qt's native event filter: the id of the shortcut a
    // key press stands for, 0 for anything else (auto-repeat presses
    // included). A keyboard-mapping change re-grabs everything here.
    int idFromNativeEvent(const QByteArray &eventType, void *message);
    int idFromEvent(const xcb_generic_event_t *event);

    // The core modifier bits that hold NumLock and ScrollLock in the current
    // map (0 when the key is not mapped to a modifier).
    quint16 numLockMask() const { return m_numLock; }
    quint16 scrollLockMask() const { return m_scrollLock; }

    // Our synthesised keys must neither trigger our shortcuts nor be taken
    // by them: the grabs on those keys that they could match (no modifier
    // beyond those held with them) are released while they go out.
    void suspendGrabs(const QVector<quint32> &keycodes, quint16 modifiers) override;
    void resumeGrabs() override;

private:
    struct Grab
    {
        int id = 0;
        KeyCombination combination;
        xcb_keycode_t keycode = 0;
        quint16 modifiers = 0;
        bool held = false;            // pressed and not yet released
        xcb_timestamp_t pressed = 0;  // time of the last press or repeat
        xcb_timestamp_t released = 0; // time of the last release
    };

    void loadKeyboard();
    xcb_keycode_t keycodeFor(quint32 keysym) const;
    xcb_keycode_t keycodeFor(const KeyCombination &combination) const;
    // Every combination of CapsLock, NumLock and ScrollLock, without repeats.
    static QVector<quint16> lockVariants(quint16 numLock, quint16 scrollLock);
    bool grabVariants(xcb_keycode_t keycode, quint16 modifiers);
    void ungrabVariants(xcb_keycode_t keycode, quint16 modifiers, const QVector<quint16> &variants);
    void regrabAll();
    bool isMappingChange(const xcb_generic_event_t *event) const;

    X11Keyboard &m_keyboard;
    xcb_connection_t *m_connection;
    xcb_window_t m_root;
    quint8 m_xkbFirstEvent = 0; // 0: no XKB extension
    quint16 m_numLock = 0;
    quint16 m_scrollLock = 0;
    QVector<Grab> m_grabs;
    QVector<Grab> m_suspended;
};
