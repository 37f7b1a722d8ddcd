#pragma once

// The X11 backend over Qt's own Xlib connection. Windows are top-level X
// windows as EWMH window managers report them; there are no standard text
// controls and no integrity levels. One object serves every service: they
// share the connection, the keyboard and the clipboard watch.
//
// The global-shortcut operations are defined in hotkeys_x11.cpp, which keeps
// its own state behind `hotkeys`.

#include "platform/desktop.h"
#include "x11/x11clipboardwatch.h"
#include "x11/x11keyboard.h"

#include <QElapsedTimer>

#include <X11/Xlib.h>

#include <QVector>

#include <functional>
#include <memory>

struct X11HotkeyState;
struct X11HotkeyStateDeleter
{
    void operator()(X11HotkeyState *state) const; // in hotkeys_x11.cpp
};

class X11Desktop final : public Desktop,
                         public TargetService,
                         public KeyboardOutput,
                         public ClipboardService,
                         public CaretService,
                         public ShortcutService,
                         public OwnWindows,
                         public Clock
{
public:
    // display may be null (no X connection): then every operation fails.
    // The display is Qt's own, so the desktop must go before the
    // QGuiApplication does (it puts borrowed keycodes back on the way out).
    explicit X11Desktop(Display *display);
    ~X11Desktop() override;

    TargetService &targets() override { return *this; }
    KeyboardOutput &keyboard() override { return *this; }
    ClipboardService &clipboard() override { return *this; }
    CaretService &caret() override { return *this; }
    ShortcutService &shortcuts() override { return *this; }
    OwnWindows &ownWindows() override { return *this; }
    Clock &clock() override { return *this; }
    KeyStream *keyStream() override;
    // Asks the session bus, once it has a definite answer.
    bool balloonsReadMarkup() override;

    // TargetService. bringToFront asks the window manager
    // (_NET_ACTIVE_WINDOW), checks that the input focus moved, and asks once
    // more when it did not; settle returns as soon as the target holds the
    // input focus. No process outranks ours.
    WindowHandle foregroundWindow() override;
    bool isWindow(WindowHandle w) override;
    bool targetApplication(WindowHandle w, TargetApp *app) override;
    bool isOwnProcess(WindowHandle w) override;
    bool isMorePrivileged(WindowHandle) override { return false; }
    bool bringToFront(WindowHandle w) override;
    void settle(WindowHandle w, int maxMs) override;
    WindowHandle pickWindow(int maxMs) override;

    // KeyboardOutput, through X11Keyboard: false from canTypeExactly when a
    // character is on no key and the whole text does not fit the keys free
    // to borrow (it binds them here).
    bool canTypeExactly(const QString &text) override;
    int typeText(const QString &text) override;
    int pressKey(EditKey key, int times) override;
    bool isAnyKeyDown(bool modifiersToo) override;
    void waitForKeyEvent(int maxMs) override;

    // ClipboardService, in clipboard_x11.cpp: QClipboard (CLIPBOARD, and PRIMARY
    // with a Shift+Insert paste), with LF line breaks; the fetch is seen by
    // X11ClipboardWatch.
    std::unique_ptr<ClipboardBackup> backupClipboard(bool primary) override;
    ClipboardRestore restoreClipboard(const ClipboardBackup &backup) override;
    ClipboardPut putText(const QString &text, ClipboardOffer offer) override;
    bool sendPasteKey(WindowHandle target, PasteKey key) override;
    PasteFetch awaitFetched(WindowHandle target, int settleMs) override;
    PasteFetch checkFetched(WindowHandle target) override;
    // CLIPBOARD (PRIMARY when primary) is still owned by a window of ours:
    // no other program took it since we put text there.
    bool ownsSelection(bool primary) const;

    // CaretService: AT-SPI, which GTK and Qt programs publish.
    bool caretRect(WindowHandle target, QRect *screenRect) override;
    QPoint pointerPos() override;
    FieldKind focusedField(WindowHandle target) override;

    // ShortcutService, in hotkeys_x11.cpp: passive grabs on the root window,
    // whose presses are picked out of Qt's native events while any is held.
    bool registerShortcut(WindowHandle owner, int id, const KeyCombination &combination) override;
    bool unregisterShortcut(WindowHandle owner, int id) override;
    void setPressHandler(std::function<void(int id)> onPress) override;
    QString altGrCharacter(const KeyCombination &key) override;
    // Passive grabs of the modifier keys on window, through Qt's
    // connection: while a modifier is down there the keyboard is ours, other
    // clients' passive grabs do not fire, and their combinations come to us
    // as ordinary key presses (onHeld is never called). With no modifier
    // down nothing is held: a screen locker still gets the keyboard.
    bool holdKeyboard(WindowHandle window,
                      std::function<void(const KeyCombination &)> onHeld) override;
    void releaseKeyboard() override;
    bool holdsKeyboard() const override { return m_keyboardHeld; }
    bool heldElsewhere(const KeyCombination &combination) override;

    // OwnWindows. X11 window managers keep the place a window asks for.
    bool activateOwnWindow(WindowHandle w, int maxMs) override;
    bool placeOwnWindow(WindowHandle, const QRect &) override { return true; }
    bool keepOutOfTaskBar(WindowHandle w) override;
    bool yieldTopmost(WindowHandle topmost, WindowHandle dialog, bool yield) override;

    // Clock.
    quint32 tickCount() override;
    void sleep(int ms) override;

    // X11's own.
    bool isWindowVisible(WindowHandle w);
    // The process that _NET_WM_PID names; 0 when the window names none.
    quint32 processId(WindowHandle w);
    Display *display() const { return m_display; }
    X11Keyboard &x11Keyboard() { return m_keyboard; }

    // How long bringToFront waits for the input focus after each
    // activation request.
    static constexpr int ActivationWaitMs = 250;
    // The longest wait for a paste's target to fetch the text.
    static constexpr int PasteFetchWaitMs = 2000;
    // How long one later look at a paste still on its way may serve events.
    static constexpr int CheckPendingMs = 20;
    // How long a program that publishes its objects on the accessibility bus
    // but no focused one is asked again: a program gets its focus back when
    // the grab of our shortcut ends, and GTK programs name their focused text
    // 10 to 25 ms after that.
    static constexpr int RefocusWaitMs = 80;

private:
    // Adds _NET_WM_STATE atoms to one of our windows not yet mapped.
    bool addStatesBeforeMapping(Window w, const Atom *states, int count);
    bool focusIsWithin(Window w);
    void requestActivation(Window w);
    Window rootWindow() const;
    // The grabs' state, made on first use (in hotkeys_x11.cpp).
    X11HotkeyState &hotkeyState();

    Display *m_display;
    X11Keyboard m_keyboard;
    X11ClipboardWatch m_clipboardWatch;
    QElapsedTimer m_clock;
    // Declared before the grabs' state, which calls it, so that it outlives them.
    std::function<void(int)> m_onPress;
    std::unique_ptr<X11HotkeyState, X11HotkeyStateDeleter> hotkeys;
    bool m_keyboardHeld = false;
    // The modifier keys grabbed on m_heldWindow while a shortcut field waits.
    QVector<unsigned char> m_heldKeys;
    WindowHandle m_heldWindow = 0;
    std::unique_ptr<KeyStream> m_keyStream;
    int m_balloonMarkup = -1; // unknown yet; else 0 or 1
};
