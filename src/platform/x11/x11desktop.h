#pragma once

// The X11 backend over Qt's own Xlib connection. Windows are top-level X
// windows as EWMH window managers report them; there are no standard text
// controls, no integrity levels and no thread input to attach.
//
// The global-shortcut operations are defined in hotkeys_x11.cpp, which keeps
// its own state behind `hotkeys`.

#include "platform/desktop.h"
#include "platform/x11/x11clipboardwatch.h"
#include "platform/x11/x11keyboard.h"

#include <QElapsedTimer>

#include <X11/Xlib.h>

#include <memory>

struct X11HotkeyState;
struct X11HotkeyStateDeleter
{
    void operator()(X11HotkeyState *state) const; // in hotkeys_x11.cpp
};

class X11Desktop final : public Desktop
{
public:
    // display may be null (no X connection): then every operation fails.
    // The display is Qt's own, so the desktop must go before the
    // QGuiApplication does (it puts borrowed keycodes back on the way out).
    explicit X11Desktop(Display *display);
    ~X11Desktop() override;

    WindowHandle foregroundWindow() override;
    bool isWindow(WindowHandle w) override;
    bool isWindowVisible(WindowHandle w) override;
    quint32 windowThreadProcessId(WindowHandle w, quint32 *processId) override;
    quint32 currentThreadId() override;
    quint32 currentProcessId() override;
    bool attachThreadInput(quint32 from, quint32 to, bool attach) override;
    bool setForegroundWindow(WindowHandle w) override;
    bool bringWindowToTop(WindowHandle w) override;
    bool activateOwnWindow(WindowHandle w, int maxMs) override;
    bool keepOutOfTaskBar(WindowHandle w) override;
    bool yieldTopmost(WindowHandle topmost, WindowHandle dialog, bool yield) override;
    bool guiThreadInfo(quint32 threadId, GuiThreadInfo *info) override;
    bool accessibleCaret(WindowHandle w, QRect *screenRect) override;
    bool clientToScreen(WindowHandle w, QPoint *point) override;
    bool className(WindowHandle w, QString *name) override;
    bool targetApplication(WindowHandle w, TargetApp *app) override;
    WindowHandle pickWindow(int maxMs) override;
    QPoint cursorPos() override;
    ProcessLevel processLevel(quint32 processId) override;
    bool ownProcessLevel(quint32 *level) override;
    bool textFieldTraits(WindowHandle control, TextFieldTraits *traits) override;
    bool controlText(WindowHandle control, QString *text) override;
    bool selection(WindowHandle control, int *start, int *end) override;
    bool setSelection(WindowHandle control, int start, int end) override;
    bool replaceSelection(WindowHandle control, const QString &text) override;
    bool undo(WindowHandle control) override;
    bool setControlText(WindowHandle control, const QString &text) override;
    bool paste(WindowHandle control) override;
    int sendInput(const QVector<KeyInput> &events) override;
    quint16 scanCodeForVirtualKey(quint16 vk, WindowHandle target) override;
    bool isKeyDown(int vk) override;
    bool isNonModifierKeyDown() override;
    void waitForKeyEvent(int maxMs) override;
    bool canTypeExactly(const QString &text) override;
    QString altGrCharacter(int vk, bool shift) override;
    quint32 tickCount() override;
    void sleep(int ms) override;
    void settle(WindowHandle target, int maxMs) override;
    std::unique_ptr<ClipboardBackup> backupClipboard(bool primary) override;
    ClipboardRestore restoreClipboard(const ClipboardBackup &backup) override;
    void releaseOleClipboard() override;
    bool openClipboard() override;
    bool emptyClipboard() override;
    bool setClipboardText(const QString &text, ClipboardOffer offer) override;
    void closeClipboard() override;
    bool awaitPaste(WindowHandle target, int settleMs) override;

    // In hotkeys_x11.cpp.
    bool registerHotKey(WindowHandle owner, int id, int mods, int vk) override;
    bool unregisterHotKey(WindowHandle owner, int id) override;
    int hotkeyIdFromNativeEvent(const QByteArray &eventType, void *message) override;
    void suspendHotKeys(int mods, int vk) override;
    bool resumeHotKeys() override;

    Display *display() const { return m_display; }
    X11Keyboard &keyboard() { return m_keyboard; }

    // How long setForegroundWindow waits for the input focus after each
    // activation request.
    static constexpr int ActivationWaitMs = 250;
    // The longest wait for a paste's target to fetch the text.
    static constexpr int PasteFetchWaitMs = 2000;
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

    Display *m_display;
    X11Keyboard m_keyboard;
    X11ClipboardWatch m_clipboardWatch;
    QElapsedTimer m_clock;
    std::unique_ptr<X11HotkeyState, X11HotkeyStateDeleter> hotkeys;
};
