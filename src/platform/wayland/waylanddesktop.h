#pragma once

// A Wayland desktop whose compositor lets a helper program type and read
// the window in front (wlroots compositors: a virtual keyboard, the data
// control clipboard, sway's IPC). Our own windows are X11 windows through
// XWayland, and so are the windows of X11 programs: the X11 backend serves
// those as on any X desktop. Native Wayland windows are reached here: they
// are named by sway's container id with a tag bit no X window id has, typed
// into by a virtual keyboard of our own, and pasted into through data
// control.

#include "platform/desktop.h"

#include <memory>

class X11Desktop;
class WaylandConnection;
class VirtualKeyboard;
class DataControlClipboard;
class WaylandTargets;
struct WaylandWindow;

class WaylandDesktop final : public Desktop
{
public:
    // X window ids have 29 bits; a native window's handle has this bit too.
    static constexpr WindowHandle NativeTag = WindowHandle(1) << 40;
    static bool isNative(WindowHandle w) { return (w & NativeTag) != 0; }

    // The Wayland road where the compositor offers a virtual keyboard and
    // tells who is in front (sway's IPC, else the wlroots toplevel list);
    // elsewhere the X11 backend alone (X11 programs only).
    static std::unique_ptr<Desktop> create(std::unique_ptr<X11Desktop> x11,
                                           std::unique_ptr<WaylandConnection> wayland);
    WaylandDesktop(std::unique_ptr<X11Desktop> x11, std::unique_ptr<WaylandConnection> wayland,
                   std::unique_ptr<WaylandTargets> targets);
    ~WaylandDesktop() override;

    SessionRoads sessionRoads() override;

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
    bool placeOwnWindow(WindowHandle w, const QRect &geometry) override;
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
    bool registerHotKey(WindowHandle owner, int id, int mods, int vk) override;
    bool unregisterHotKey(WindowHandle owner, int id) override;
    int hotkeyIdFromNativeEvent(const QByteArray &eventType, void *message) override;
    void suspendHotKeys(int mods, int vk) override;
    bool resumeHotKeys() override;

    // How long a focus request waits for sway to report the focus there.
    static constexpr int FocusWaitMs = 250;
    // How long placing one of our windows waits for sway to manage it (a
    // loaded machine maps a new window late).
    static constexpr int PlaceWaitMs = 1000;

private:
    // The window in front as sway reports it; false when it cannot say.
    bool focused(WaylandWindow *out);
    bool findNative(WindowHandle w, WaylandWindow *out);
    // The compositor's window of an X window (ours or another X11
    // program's); 0 where it does not name X windows.
    qint64 containerOfX11(WindowHandle w);
    // The container sway makes for one of our X windows once it is mapped;
    // 0 when none came within maxMs.
    qint64 awaitContainerOfX11(WindowHandle w, int maxMs);
    // True when keys and pastes now go to a native Wayland window.
    bool nativeInFront();
    bool focusContainer(qint64 id, int maxMs);
    int sendNative(const QVector<KeyInput> &events);

    std::unique_ptr<X11Desktop> m_x11;
    std::unique_ptr<WaylandConnection> m_wayland;
    std::unique_ptr<WaylandTargets> m_targets;
    std::unique_ptr<VirtualKeyboard> m_keyboard;
    std::unique_ptr<DataControlClipboard> m_clipboard;
    // Whether the clipboard calls of the paste under way go through data
    // control (a native target) or the X11 clipboard.
    bool m_nativeClipboard = false;
    // Chord keys of a paste to a native window: modifiers held so far.
    quint32 m_chordModifiers = 0;
    // A high surrogate whose low half comes in the next batch.
    char16_t m_pendingHigh = 0;
};
