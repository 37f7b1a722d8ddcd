#pragma once

// The Win32 backend: the Win32Api operations as the Win32 calls of
// win32prims.h and win32clipboard.h, with Qt types at the edge. Waits block
// the GUI thread but keep serving the messages other programs send to it
// (their clipboard requests, hung-window checks); posted messages, input and
// our own shortcuts' presses wait until the insertion is done.
//
// The global-shortcut operations are defined in hotkeys_win.cpp, which keeps
// its own state behind `hotkeys`.

#include "win/win32api.h"

#include <memory>

namespace Win32Clipboard {
class Owner;
}
struct WinHotkeyState;
struct WinHotkeyStateDeleter
{
    void operator()(WinHotkeyState *state) const; // in hotkeys_win.cpp
};

class WinDesktop final : public Win32Api
{
public:
    WinDesktop();
    ~WinDesktop() override;

    WindowHandle foregroundWindow() override;
    bool isWindow(WindowHandle w) override;
    bool isWindowVisible(WindowHandle w) override;
    quint32 windowThreadProcessId(WindowHandle w, quint32 *processId) override;
    quint32 currentThreadId() override;
    quint32 currentProcessId() override;
    bool attachThreadInput(quint32 from, quint32 to, bool attach) override;
    bool setForegroundWindow(WindowHandle w) override;
    Answer probe(WindowHandle w, int maxMs) override;
    WindowHandle topLevelWindow(WindowHandle w) override;
    QVector<quint32> childWindowProcesses(WindowHandle top) override;
    QVector<quint32> descendantProcesses(quint32 processId) override;
    bool activateOwnWindow(WindowHandle w, int maxMs) override;
    bool keepOutOfTaskBar(WindowHandle w) override;
    bool yieldTopmost(WindowHandle topmost, WindowHandle dialog, bool yield) override;
    bool guiThreadInfo(quint32 threadId, GuiThreadInfo *info) override;
    bool clientToScreen(WindowHandle w, QPoint *point) override;
    bool className(WindowHandle w, QString *name) override;
    bool targetApplication(WindowHandle w, TargetApp *app) override;
    WindowHandle pickWindow(int maxMs) override;
    QPoint cursorPos() override;
    ProcessLevel processLevel(quint32 processId) override;
    bool ownProcessLevel(quint32 *level) override;
    bool textFieldTraits(WindowHandle control, TextFieldTraits *traits) override;
    bool focusIsProtected(WindowHandle window) override;
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
    bool openClipboard() override;
    bool emptyClipboard() override;
    bool setClipboardText(const QString &text, ClipboardOffer offer) override;
    void closeClipboard() override;
    QVector<quint32> pasteFetchers() override;
    bool clipboardHoldsOurPaste() override;

    // In hotkeys_win.cpp.
    bool registerHotKey(WindowHandle owner, int id, int mods, int vk) override;
    bool unregisterHotKey(WindowHandle owner, int id) override;
    int hotkeyIdFromNativeEvent(const QByteArray &eventType, void *message) override;
    void suspendHotKeys(int mods, int vk) override;
    QVector<int> resumeHotKeys() override;
    bool keepKeyboard(WindowHandle window, std::function<void(int, int)> onHeld) override;
    void releaseKeptKeyboard() override;
    bool hotkeyHeldElsewhere(int mods, int vk) override;

    // The longest the user's content may take to be read for a backup: a
    // program that renders its content late gets this long.
    static constexpr int BackupLimitMs = 3000;

private:
    // Serves sent messages for ms, noting the shortcut keys that go up.
    void serve(int ms);
    void pollHeldHotkeys(); // in hotkeys_win.cpp
    Win32Clipboard::Owner &clipboardOwner();

    std::unique_ptr<Win32Clipboard::Owner> m_clipboardOwner;
    std::unique_ptr<WinHotkeyState, WinHotkeyStateDeleter> hotkeys;
};
