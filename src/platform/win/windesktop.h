#pragma once

// The Win32 backend: the Desktop operations as the Win32 calls of
// win32prims.h, with Qt types at the edge. Waits block the GUI thread
// (Sleep), as the insertion road always has on Windows.
//
// The global-shortcut operations are defined in hotkeys_win.cpp, which keeps
// its own state behind `hotkeys`.

#include "platform/desktop.h"

#include <memory>

struct WinHotkeyState;
struct WinHotkeyStateDeleter
{
    void operator()(WinHotkeyState *state) const; // in hotkeys_win.cpp
};

class WinDesktop final : public Desktop
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
    bool bringWindowToTop(WindowHandle w) override;
    bool activateOwnWindow(WindowHandle w, int maxMs) override;
    bool keepOutOfTaskBar(WindowHandle w) override;
    bool guiThreadInfo(quint32 threadId, GuiThreadInfo *info) override;
    bool accessibleCaret(WindowHandle w, QRect *screenRect) override;
    bool clientToScreen(WindowHandle w, QPoint *point) override;
    bool className(WindowHandle w, QString *name) override;
    QVector<WindowHandle> childWindows(WindowHandle w) override;
    QPoint cursorPos() override;
    ProcessLevel processLevel(quint32 processId) override;
    bool ownProcessLevel(quint32 *level) override;
    int textLength(WindowHandle control) override;
    bool selection(WindowHandle control, int *start, int *end) override;
    void replaceSelection(WindowHandle control, const QString &text) override;
    void paste(WindowHandle control) override;
    int sendInput(const QVector<KeyInput> &events) override;
    quint16 scanCodeForVirtualKey(quint16 vk) override;
    bool isKeyDown(int vk) override;
    bool isNonModifierKeyDown() override;
    void waitForKeyEvent(int maxMs) override;
    bool canTypeExactly(const QString &text) override;
    quint32 tickCount() override;
    void sleep(int ms) override;
    void settle(WindowHandle target, int maxMs) override;
    void releaseOleClipboard() override;
    bool openClipboard() override;
    bool emptyClipboard() override;
    bool setClipboardText(const QString &text) override;
    void closeClipboard() override;
    bool awaitPaste(WindowHandle target, int settleMs) override;

    // In hotkeys_win.cpp.
    bool registerHotKey(WindowHandle owner, int id, int mods, int vk) override;
    bool unregisterHotKey(WindowHandle owner, int id) override;
    int hotkeyIdFromNativeEvent(const QByteArray &eventType, void *message) override;

private:
    std::unique_ptr<WinHotkeyState, WinHotkeyStateDeleter> hotkeys;
};
