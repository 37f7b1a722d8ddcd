#pragma once

// The one keyboard service of the X11 backend, shared by typing and by the
// shortcut grabs: the server's XKB keymap read through xkbcommon (every group
// and level), the lock state it is read in, the keys the user holds, and
// XTest input.
//
// Typing is exact or it does not happen. A character is typed only when a key
// of the active group produces exactly it under the current Caps Lock, Num
// Lock and group; characters the map lacks are bound for the moment to keys
// that carry no symbol, but only when the whole text fits such keys without
// binding any of them twice (a target reads the new map when it gets round to
// the mapping notification, so a key rebound during a text could be read with
// the later map). Otherwise the caller pastes. Borrowed keys go back to no
// symbol after a quiet period, on exit, and on the way out after a lost
// connection. Every request is checked; what fails is reported.

#include "x11/keyboardlayout.h"
#include "x11/x11keywatch.h"

#include <QAbstractNativeEventFilter>
#include <QPair>
#include <QTimer>
#include <QVector>

#include <xcb/xcb.h>

#include <bitset>
#include <deque>
#include <functional>
#include <memory>

struct xkb_context;
typedef struct _XDisplay Display;

class X11Keyboard final : public QAbstractNativeEventFilter
{
public:
    // Our own shortcut grabs on the keys a batch presses step aside while it
    // goes out: otherwise the server hands those keys to us instead of the
    // target, and a phrase could even trigger itself.
    class GrabGuard
    {
    public:
        virtual ~GrabGuard() = default;
        // keycodes go out, with at most the core modifiers in modifiers
        // held: the grabs they could set off step aside until resumeGrabs.
        virtual void suspendGrabs(const QVector<quint32> &keycodes, quint16 modifiers) = 0;
        virtual void resumeGrabs() = 0;
    };

    // display is Qt's (null: every operation fails); its XCB connection carries
    // every request, so they stay in order with the grabs and the clipboard.
    explicit X11Keyboard(Display *display);
    ~X11Keyboard() override;
    X11Keyboard(const X11Keyboard &) = delete;
    X11Keyboard &operator=(const X11Keyboard &) = delete;

    bool isReady() const { return m_connection && m_hasXTest && m_deviceId >= 0; }

    // ---- the layout, shared with the shortcut grabs --------------------
    // The server's map, with the lock state read just now unless readState
    // is false (enough to find keys, not to type); null without XKB.
    const KeyboardLayout *layout(bool readState = true);
    // Forgets the map: it is read again on next use (after a mapping change).
    void invalidate() { m_layoutStale = true; }
    // The core modifier bits whose keys carry keysym (Num_Lock, ...).
    quint16 modifierMaskFor(quint32 keysym);
    void setGrabGuard(GrabGuard *guard) { m_guard = guard; }

    // ---- typing ---------------------------------------------------------
    // True when every character of text can be typed exactly now, borrowing
    // free keys where needed; false sends the caller to the clipboard.
    bool prepareText(const QString &text);
    // Types text (prepared by prepareText) as one batch of key events, our
    // shortcut grabs on its keys stepping aside around it; returns how many
    // UTF-16 units went out whole: a character that cannot be typed exactly
    // stops the batch before it. A lone surrogate half types nothing.
    int typeText(const QString &text);
    // Taps the key of keysym times with nothing else pressed; returns how
    // many taps went out.
    int tapKey(quint32 keysym, int times);
    // Presses a chord: the modifier keys down, the key of keysym down and
    // up, the modifiers up. False unless every event went out.
    bool sendChord(Qt::KeyboardModifiers modifiers, quint32 keysym);
    // The key to press for one of syms, preferring the one that gives it in
    // the active group (Ctrl+V must be a V there), else a borrowed key; 0
    // when none.
    quint16 keycodeForKeysyms(const QVector<quint32> &syms);
    // The same for a stored shortcut's virtual key.
    quint16 keycodeForVirtualKey(quint16 vk);
    bool isVirtualKeyDown(int vk);
    // Whether a key of keysym is down.
    bool isKeysymDown(quint32 keysym);
    bool isNonModifierKeyDown();
    // Until the next key event anywhere, at most maxMs.
    void waitForKeyEvent(int maxMs);

    // True when a press of keycode from the XTest device is the next of
    // the presses we sent that has not come back yet (it is then taken off):
    // the key stream leaves our own keys out.
    bool takeOwnPress(quint8 keycode);
    // Forgets the presses sent so far: nobody followed them.
    void forgetOwnPresses() { m_sentPresses.clear(); }

    // ---- holding back the keys of others --------------------------------
    // While a phrase replaces an abbreviation, keys typed meanwhile must not
    // land among the phrase's. They are held: the keyboard is grabbed to a
    // window of ours, so they come to us (the key stream reads them and lets
    // them through later, in order). Our own keys cannot go out under that
    // grab, so each batch goes out with the server grabbed instead, which
    // stops every other program's requests (xdotool's keys among them).
    // Every change between the two is marked on holdWindow() by a property
    // change (holdMark(true) when keys are held from then on, false when
    // they reach their windows), in the same order as the key events, so
    // that the key stream knows which keys reached a window.
    xcb_window_t holdWindow();
    xcb_atom_t holdMark(bool on) const { return on ? m_holdOn : m_holdOff; }
    // Starts holding; false when the keyboard cannot be grabbed (another
    // program's menu has it).
    bool beginHold();
    // The server grabbed and the keyboard let go. With waitForModifiers,
    // only once no modifier is down (a modifier held back would change what
    // our keys type), waiting at most maxMs, during which whileWaiting lets
    // held key-ups through; false when one stays down.
    bool holdServer(bool waitForModifiers, int maxMs);
    // Back from the server grabbed to keys held.
    bool holdKeys();
    void endHold();
    bool isHolding() const { return m_hold != Hold::Off; }
    bool isServerHeld() const { return m_hold == Hold::Server; }
    // How many marks have been set on holdWindow() so far.
    quint64 holdMarks() const { return m_holdMarks; }
    void setHoldWait(std::function<void()> whileWaiting) { m_holdWait = std::move(whileWaiting); }
    // A held key event, with the modifiers that were down when it was
    // typed (core mask bits; Lock does not count).
    struct HeldKey
    {
        quint8 keycode;
        bool down;
        quint8 modifiers;
    };
    // Sends held key events on as they were typed. Each press goes with the
    // modifiers it was typed with, pressed here as needed: a modifier's own
    // press may have reached the target before the hold began and its
    // release been held, or the other way round. Modifier keys themselves
    // are not sent again (the server counted them already: Caps Lock would
    // toggle twice).
    bool replay(const QVector<HeldKey> &keys);
    bool isModifierKey(quint8 keycode) { return modifierKeys().test(keycode); }

    // Puts every borrowed key back to no symbol.
    void restoreMap();
    // Borrows at most n keys at a time from now on, so that tests can run
    // out of free keys.
    void limitSpareKeys(int n) { m_spareLimit = n; }
    int freeKeyCount();

    // How long borrowed keys stay bound after their last use.
    static constexpr int RestoreDelayMs = 2000;

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

private:
    struct Borrowed
    {
        quint32 keycode = 0;
        quint32 syms[2] = {0, 0};
    };

    enum class Hold
    {
        Off,
        Keys,   // the keyboard grabbed to holdWindow
        Server, // the server grabbed, the keyboard free for our keys
    };
    // One key press or release, and the item of the request (a character,
    // a tap, a chord) that fails with it.
    struct KeyOp
    {
        quint8 keycode;
        bool down;
        int item;
    };
    // Appends the key events of the items that can go out; returns the
    // first that cannot, or their count.
    using BatchBuilder = std::function<int(const KeyboardLayout &, QVector<KeyOp> *)>;
    // Sends a batch of items in the map and group it meets; returns how
    // many items went out, from the first.
    int sendBatch(int items, const BatchBuilder &build);
    // Sends the events; returns the first item whose event the server
    // refused, or -1.
    int sendOps(QVector<KeyOp> ops);
    void suspendGrabsFor(const QVector<KeyOp> &ops);
    bool appendStroke(const KeyboardLayout &l, char32_t c, int item, QVector<KeyOp> *ops);
    static bool isSendable(const KeyboardLayout &l, quint32 keycode);

    bool isAnyKeysymDown(const QVector<quint32> &syms);
    bool grabKeyboardTo(xcb_window_t window);
    void markHold(bool on);
    bool modifierDown();

    bool loadLayout();
    bool readLockState(LockState *state);
    const QVector<quint8> &modifierMap();
    std::bitset<256> modifierKeys();
    std::bitset<256> keysDown();
    std::bitset<256> queryKeysDown();
    bool borrow(const QVector<QVector<quint32>> &symPairs);
    QVector<quint32> freeKeycodes();
    void noteUse();
    void publishBorrowed();

    Display *m_display;
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    bool m_hasXTest = false;
    quint8 m_xkbEventBase = 0;
    qint32 m_deviceId = -1;
    xkb_context *m_context = nullptr;
    std::unique_ptr<KeyboardLayout> m_layout;
    bool m_layoutStale = true;
    QVector<quint8> m_modifierMap;
    bool m_modifierMapStale = true;
    QVector<Borrowed> m_borrowed;
    int m_spareLimit = -1;
    GrabGuard *m_guard = nullptr;
    std::deque<quint8> m_sentPresses;
    X11KeyWatch m_watch;
    Hold m_hold = Hold::Off;
    quint64 m_holdMarks = 0;
    xcb_window_t m_holdWindow = 0;
    xcb_atom_t m_holdOn = 0;
    xcb_atom_t m_holdOff = 0;
    std::function<void()> m_holdWait;
    QTimer m_restoreTimer;
    QTimer m_watchIdle;
};
