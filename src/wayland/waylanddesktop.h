#pragma once

// A Wayland desktop whose compositor lets a helper program type and read
// the window in front, each family in its own way: wlroots compositors (a
// virtual keyboard, the data control clipboard, sway's IPC or the toplevel
// list), KWin (fake input, data control, its window list, its shortcut
// service) and mutter (a remote desktop session for keys and clipboard). Our own windows are X11
// windows through XWayland, and so are the windows of X11 programs: the X11 backend serves those as
// on any X desktop. Native Wayland windows are reached here: they are named by sway's container id
// with a tag bit no X window id has, typed into by a virtual keyboard of our own, and pasted into
// through data control.

#include "platform/desktop.h"
#include "wayland/waylandtargets.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <memory>
#include <vector>

class X11Desktop;
class WaylandConnection;
class NativeKeyboard;
class NativeClipboard;
class MutterRemoteDesktop;
struct WaylandWindow;

// The roads of one compositor family.
struct CompositorServices
{
    Compositor compositor = Compositor::Wlroots;
    // Null where the compositor tells nobody who is in front.
    std::unique_ptr<WaylandTargets> targets;
    NativeKeyboard *keyboard = nullptr;
    NativeClipboard *clipboard = nullptr;
    // Null: our shortcuts are X11 grabs (they fire over X11 programs only).
    ShortcutService *shortcuts = nullptr;
    // mutter's session, which types by keysyms in the compositor's keymap:
    // it is told that keymap before each text.
    MutterRemoteDesktop *mutter = nullptr;
    // What the pointers above point into.
    std::vector<std::shared_ptr<void>> owned;
};

class WaylandDesktop final : public Desktop,
                             public TargetService,
                             public KeyboardOutput,
                             public ClipboardService,
                             public CaretService,
                             public OwnWindows
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
                   CompositorServices roads);
    static bool isKWin(WaylandConnection *connection);
    ~WaylandDesktop() override;

    DesktopAbilities abilities() override;
    bool bindsCommandsOf(const QString &program) override;
    // Our tray is Qt's, as on X11.
    bool balloonsReadMarkup() override;
    // GNOME's custom shortcuts, under mutter.
    QString settingsBindingLines(const QVector<DesktopBindings::Command> &commands,
                                 const QString &program) override;
    bool writeSettingsBindings(const QVector<DesktopBindings::NamedCommand> &commands,
                               const QString &program, QString *error) override;
    bool removeSettingsBindings(const QString &program, QString *error) override;

    TargetService &targets() override { return *this; }
    KeyboardOutput &keyboard() override { return *this; }
    ClipboardService &clipboard() override { return *this; }
    CaretService &caret() override { return *this; }
    // Our shortcuts are KWin's where it keeps them for us, else X11 grabs;
    // time is the X11 backend's.
    ShortcutService &shortcuts() override;
    OwnWindows &ownWindows() override { return *this; }
    Clock &clock() override;

    // TargetService: the compositor says who is in front and focuses a
    // window, native or X11, on request.
    WindowHandle foregroundWindow() override;
    bool isWindow(WindowHandle w) override;
    bool targetApplication(WindowHandle w, TargetApp *app) override;
    bool isOwnProcess(WindowHandle w) override;
    bool isMorePrivileged(WindowHandle) override { return false; }
    bool bringToFront(WindowHandle w) override;
    void settle(WindowHandle w, int maxMs) override;
    WindowHandle pickWindow(int maxMs) override;

    // KeyboardOutput: our virtual keyboard while a native window is in
    // front, XTest otherwise; the keys the user holds are read through X.
    bool canTypeExactly(const QString &text) override;
    int typeText(const QString &text) override;
    int pressKey(EditKey key, int times) override;
    bool isAnyKeyDown(bool modifiersToo) override;
    void waitForKeyEvent(int maxMs) override;

    // ClipboardService: data control while a native window is in front, the X
    // clipboard otherwise (decided when the user's content is copied).
    std::unique_ptr<ClipboardBackup> backupClipboard(bool primary) override;
    ClipboardRestore restoreClipboard(const ClipboardBackup &backup) override;
    ClipboardPut putText(const QString &text, ClipboardOffer offer) override;
    bool sendPasteKey(WindowHandle target, PasteKey key) override;
    PasteFetch awaitFetched(WindowHandle target, int settleMs) override;

    // CaretService.
    bool caretRect(WindowHandle target, QRect *screenRect) override;
    QPoint pointerPos() override;
    FieldKind focusedField(WindowHandle target) override;

    // OwnWindows: our windows are X11 ones, placed and focused through the
    // compositor where it names them.
    bool activateOwnWindow(WindowHandle w, int maxMs) override;
    bool placeOwnWindow(WindowHandle w, const QRect &geometry) override;
    bool keepOutOfTaskBar(WindowHandle w) override;
    bool yieldTopmost(WindowHandle topmost, WindowHandle dialog, bool yield) override;
    // sway draws its title bar on our tiled X11 windows and keeps none above
    // the others; without XWayland, the compositor's server-side
    // decorations.
    bool drawsTitleBars() override;
    bool keepsWindowsAbove() override;
    QRect workArea(const QPoint &p) override;

    // On GNOME, how long the keys of the shortcut that ran our command may be
    // held before a phrase goes in.
    static constexpr int GnomeKeysSettleMs = 300;

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

    std::unique_ptr<X11Desktop> m_x11;
    std::unique_ptr<WaylandConnection> m_wayland;
    CompositorServices m_roads;
    // Whether the clipboard calls of the paste under way go through data
    // control (a native target) or the X11 clipboard.
    bool m_nativeClipboard = false;
    // Since the last insertion's settle began (GNOME).
    QElapsedTimer m_keysWait;
    // The keymap mutter's session was last told.
    QByteArray m_mutterKeymap;
};
