#pragma once

// The window system, as a few small services in its own terms: who is in
// front, keyboard output, the clipboard road, global shortcuts, the caret,
// and our own windows. Everything that touches other programs' windows,
// synthesised input, the shared clipboard or global shortcuts goes through
// them, so the dispatch and insertion logic above is written once and tested
// against recording fakes.
//
// Rules for every operation:
//  - nothing throws; a failure is a return value (false, 0, an empty value);
//  - handles are never owned: a WindowHandle is opaque (an HWND on Windows,
//    an X window id on X11, a tagged compositor id for a Wayland window),
//    0 means "no window";
//  - points and rectangles are physical pixels unless the name says
//    otherwise.

#include "base/keycombination.h"
#include "platform/desktopbindings.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <functional>
#include <memory>

class KeyStream;

using WindowHandle = quintptr;

// A window's application, as the window system names it: on X11 the
// WM_CLASS instance and class and the executable of _NET_WM_PID; on Wayland
// the app_id; on Windows the window class and the executable. preferred is
// the name a rule for it is best written with (X11: the class; Wayland: the
// app_id; Windows: the executable).
struct TargetApp
{
    QString instance;
    QString className;
    QString executable;
    QString preferred;

    bool isEmpty() const
    {
        return className.isEmpty() && instance.isEmpty() && executable.isEmpty();
    }
};

// The key a paste is made with.
enum class PasteKey
{
    CtrlV,
    CtrlShiftV,
    ShiftInsert,
};

// A copy of everything the clipboard held, taken before a paste and put
// back after it. Backends keep their own kind of copy behind this.
class ClipboardBackup
{
public:
    virtual ~ClipboardBackup() = default;
    // Formats of the user's content that could not be copied: they are lost
    // once the clipboard is overwritten.
    virtual int lostFormats() const = 0;
};

// What text put on the clipboard is for.
enum class ClipboardOffer
{
    ForUser,             // the user's to paste: rendered at once, as a copy would be
    ForPaste,            // our paste: watched for the target's fetch, kept private
    ForPasteWithPrimary, // the same, and where there is one the primary selection too
};

// How putting text on the clipboard went.
enum class ClipboardPut
{
    Put,       // the clipboard holds the text
    Untouched, // it could not be had (another program holds it open): nothing changed
    Failed,    // it was cleared, and the text could not be put there
};

// How putting a clipboard backup back went.
enum class ClipboardRestore
{
    Restored,
    Partly,     // some formats could not be put back
    Busy,       // another program holds the clipboard open: try again
    Failed,     // nothing could be put back
    Superseded, // our text is no longer on the clipboard: another program put
                // something there since (the user copied): nothing was put
                // back, the newer content stays, and nothing is lost
};

// The Wayland compositor family whose own roads reach native windows.
enum class Compositor
{
    X11Only, // no compositor road: X11 alone (X11 programs only on a Wayland desktop)
    Wlroots,
    KWin,
    Mutter,
};

// What the desktop lets the program reach, so that the user can be told.
struct DesktopAbilities
{
    // How keys reach native Wayland windows.
    enum class Keys
    {
        Unavailable,     // not at all (the compositor refused us)
        VirtualKeyboard, // a keyboard of our own (wlroots)
        FakeInput,       // KWin's fake input, through the user's layout
        RemoteDesktop,   // mutter's remote desktop session
    };
    // How the program's shortcuts fire.
    enum class Shortcuts
    {
        Native,             // the window system's own (X11 grabs, Windows hot keys)
        KGlobalAccel,       // KWin's shortcut service keeps them for us
        CompositorBindings, // the user binds our command lines in the compositor
        GnomeCustom,        // GNOME's custom shortcuts run our command lines
    };
    Compositor compositor = Compositor::X11Only;
    bool waylandWindows = false; // native Wayland windows are reached
    Keys keys = Keys::Unavailable;
    bool pasting = false;     // and pasted into through the clipboard
    bool windowsKnown = true; // the compositor says which window is in front
    Shortcuts shortcuts = Shortcuts::Native;
    // Whether the shortcuts fire in every program's window.
    bool globalShortcuts() const
    {
        return shortcuts == Shortcuts::Native || shortcuts == Shortcuts::KGlobalAccel;
    }
};

// Who is in front, and bringing a window back there.
class TargetService
{
public:
    virtual ~TargetService() = default;
    // The window that takes the keyboard now; 0 when none or unknown.
    virtual WindowHandle foregroundWindow() = 0;
    // False for 0 and for a window that no longer exists.
    virtual bool isWindow(WindowHandle w) = 0;
    // The application of the top-level window w; false when nothing is known.
    virtual bool targetApplication(WindowHandle w, TargetApp *app) = 0;
    // True when w belongs to our own process, as far as the window system
    // says (the caller knows our own top-level windows besides).
    virtual bool isOwnProcess(WindowHandle w) = 0;
    // True when w's process must be treated as more privileged than ours: it
    // drops our keys and messages without a sign. False where processes have
    // no such rank.
    virtual bool isMorePrivileged(WindowHandle w) = 0;
    // Brings w to the front; true when it is there afterwards.
    virtual bool bringToFront(WindowHandle w) = 0;
    // False when w's program does not take messages in time (hung, or busy
    // far longer than a keystroke takes): nothing is sent to it then. True
    // where the window system cannot tell.
    virtual bool isResponding(WindowHandle w)
    {
        Q_UNUSED(w)
        return true;
    }
    // The settle after w was brought forward, at most maxMs: a backend that
    // can see the keyboard focus arrive returns as soon as it has.
    virtual void settle(WindowHandle w, int maxMs) = 0;
    // Waits, at most maxMs, for the user to choose a window of another
    // program, and answers it (its top-level window); 0 when none was
    // chosen. X11 grabs the pointer (with a crosshair) until the click; a
    // right click cancels. Elsewhere: the next window of another program
    // that comes to the front.
    virtual WindowHandle pickWindow(int maxMs) = 0;
};

// Editing keys a phrase needs besides its text.
enum class EditKey
{
    Left,      // the caret back over one character
    BackSpace, // the character before the caret erased
};

// Keys sent to the window in front, and the keys the user holds.
class KeyboardOutput
{
public:
    virtual ~KeyboardOutput() = default;
    // Asked once before a text is typed: true when every character can be
    // typed exactly as it stands, with the keyboard layout, group and lock
    // state in use now (binding what the backend must bind for it). The
    // caller then pastes instead of typing wrong characters.
    virtual bool canTypeExactly(const QString &text) = 0;
    // Types text as it stands, CR as the Enter key; returns how many UTF-16
    // units went out whole (text.size() when all did).
    virtual int typeText(const QString &text) = 0;
    // Presses key times; returns how many presses went out.
    virtual int pressKey(EditKey key, int times) = 0;
    // True while a key is held: any key, or any but the modifiers (the key
    // of a shortcut that has just fired). False where this cannot be read.
    virtual bool isAnyKeyDown(bool modifiersToo) = 0;
    // True while a modifier or one of keys (Windows virtual-key codes: the
    // keys of the shortcut that fired) is held; a key that is stuck down
    // elsewhere does not count. Backends that cannot ask for one key answer
    // for every key.
    virtual bool areKeysDown(const QVector<int> &keys)
    {
        Q_UNUSED(keys)
        return isAnyKeyDown(true);
    }
    // Waits until a key goes up or down anywhere, at most maxMs, serving
    // events meanwhile. A backend that polls the key state waits maxMs.
    virtual void waitForKeyEvent(int maxMs) = 0;
};

// Whether the target took the text offered for a paste.
enum class PasteFetch
{
    Fetched,    // the target (its process, or its application's) read it
    NotFetched, // nobody read it: nothing was pasted
    Unsure,     // only another program read it (a clipboard monitor, say), and
                // the target may have pasted through it: never report a refusal,
                // the user would paste it twice
    Pending,    // the target has not yet taken our paste key, and still may:
                // the text stays on the clipboard for it
};

// Text offered on the clipboard and pasted, with the user's content kept.
class ClipboardService
{
public:
    virtual ~ClipboardService() = default;
    // A copy of everything the clipboard holds now (with primary, the
    // primary selection too where there is one); null when it cannot be
    // read: then it must not be overwritten.
    virtual std::unique_ptr<ClipboardBackup> backupClipboard(bool primary) = 0;
    // Puts a backup back.
    virtual ClipboardRestore restoreClipboard(const ClipboardBackup &backup) = 0;
    // Puts text on the clipboard with the line breaks the window system's
    // programs expect. For a paste it is offered so that the backend sees
    // the target fetch it, and kept out of clipboard history where the
    // system has one; for the user it is rendered at once.
    virtual ClipboardPut putText(const QString &text, ClipboardOffer offer) = 0;
    // Sends the paste key to target, in front; false when the keys did not
    // all go out. Our own shortcuts on that key step aside meanwhile.
    virtual bool sendPasteKey(WindowHandle target, PasteKey key) = 0;
    // After the paste went to target: waits until it has fetched our text
    // (it asks us for it), at most about 2 s, then settleMs more for it to
    // finish reading. Requests from other programs do not count as the
    // target's: when only they came, the answer is Unsure (or what the
    // target's field shows, where it can be read). A backend that sees the
    // target still busy with the keys before ours waits on, up to a limit,
    // and answers Pending when the limit passes.
    virtual PasteFetch awaitFetched(WindowHandle target, int settleMs) = 0;
    // After awaitFetched answered Pending: one more look, without a wait of
    // more than a few milliseconds, at the paste still on its way. Pending
    // while the target may still take our paste key; otherwise what
    // awaitFetched would have answered once it ended (NotFetched once the
    // clipboard no longer holds our text: nobody can fetch it now).
    // Backends that cannot look again answer Pending.
    virtual PasteFetch checkFetched(WindowHandle target)
    {
        Q_UNUSED(target)
        return PasteFetch::Pending;
    }
};

// How a message to a standard text control went.
enum class ControlInsert
{
    Done,      // the control holds exactly the text where the selection was
    Unchanged, // the control ignored the message, or takes none: nothing landed
    Refused,   // not tried, or tried and taken back: the refusal says why
};

// Why a text control refused a text.
enum class ControlRefusal
{
    NotAccepted,   // part of the text, or something else, landed and was taken back
    NotResponding, // the control did not answer in time, before the text went to it
    Unanswered,    // the text went to it, and it did not answer in time: it may still take it
    ReadOnly,
    Password,
    SingleLine,
};

// Standard text controls that take text by message, where the window system
// has them (Windows); elsewhere Desktop::textControls() is null.
class TextControls
{
public:
    virtual ~TextControls() = default;
    // The standard text control that should receive the text, or 0: the
    // target itself, or the control that has the keyboard focus in its
    // thread.
    virtual WindowHandle focusedControl(WindowHandle target) = 0;
    // Replaces the control's selection by text, proven by reading the
    // control back; what landed otherwise is taken back.
    virtual ControlInsert insertByMessage(WindowHandle control, const QString &text,
                                          ControlRefusal *refusal) = 0;
    // Asks the control to paste the clipboard (ClipboardService::awaitFetched
    // then tells whether it did).
    virtual bool pasteClipboard(WindowHandle control) = 0;
    // Puts the caret of the control, which has just taken text by message,
    // before the last characters tail of it; false when it could not.
    virtual bool placeCaretBefore(WindowHandle control, const QString &tail) = 0;
};

// What the focused field of a window is, as far as the window system tells.
enum class FieldKind
{
    Unknown,    // the program says nothing: it publishes no accessibility tree,
                // or names no object of it as focused
    Text,       // an editable text field, or another element that takes keys
    ReadOnly,   // a text field that takes no text
    Password,   // a field that hides what is typed
    Unanswered, // the program publishes a tree but did not say in time (or
                // said it in a form that cannot be read): the field may be
                // any of the above
};

// The longest a backend waits for a program to say what its focused field
// is, however many programs and questions that takes.
constexpr int FieldAnswerLimitMs = 2000;

// Where the caret is.
class CaretService
{
public:
    virtual ~CaretService() = default;
    // The caret of the focused text in target, in screen pixels: its
    // rectangle as the native one (left, top, right - left, bottom - top), so
    // the height may be 0 or negative for an empty or inverted caret. False
    // where none is known (the caller falls back to the pointer).
    virtual bool caretRect(WindowHandle target, QRect *screenRect) = 0;
    // The pointer; (0, 0) when it cannot be read.
    virtual QPoint pointerPos() = 0;
    // What the focused field of target is: nothing goes into a password or
    // read-only field by any road. Unknown where the program tells nothing,
    // Unanswered where it did not tell within FieldAnswerLimitMs.
    virtual FieldKind focusedField(WindowHandle target) = 0;
};

// Global shortcuts. A combination comes in Qt's terms; each backend names it
// in its own window system's terms.
class ShortcutService
{
public:
    virtual ~ShortcutService() = default;
    // False when another client holds the combination, or the key has no
    // equivalent here (an empty combination has none anywhere). owner is one
    // of our windows.
    virtual bool registerShortcut(WindowHandle owner, int id,
                                  const KeyCombination &combination) = 0;
    virtual bool unregisterShortcut(WindowHandle owner, int id) = 0;
    // The one road by which presses arrive: the service calls onPress with
    // the registration id of each press of a shortcut it registered, from
    // the event loop (a backend that reads native events watches them
    // itself while a handler is set). A press that is the key repeat of one
    // already reported (the key was never seen up since) is not reported:
    // one press is one action. An empty function stops the reports; the
    // handler is called no more once the service has gone.
    virtual void setPressHandler(std::function<void(int id)> onPress) = 0;
    // A registration the backend let go for a moment (while it sent our own
    // paste key) and could not take back, because another program took the
    // combination meanwhile: onLost is called with its id. Backends that
    // never let one go never call it.
    virtual void setLostHandler(std::function<void(int id)> onLost) { Q_UNUSED(onLost) }
    // What the key of key types with AltGr (and Shift when key holds Shift;
    // its other modifiers do not count) on the keyboard layout in use: a
    // shortcut on it would take that character away. Empty when it types
    // nothing there, or the same as without AltGr.
    virtual QString altGrCharacter(const KeyCombination &key) = 0;
    // Whether the window system takes AltGr for Ctrl+Alt (Windows): a
    // shortcut on Ctrl+Alt+key then catches AltGr+key too, and takes its
    // character away from typing. Elsewhere AltGr is a key of its own.
    virtual bool altGrIsCtrlAlt() const { return false; }

    // While one of our shortcut fields waits for a combination, the keyboard
    // is kept for window (one of ours, shown): a combination another program
    // holds as its shortcut then comes to the field instead of setting off
    // that program's action. X11 grabs the modifier keys on window, so the
    // server hands us the keyboard only while a modifier is down there.
    // Windows, where such a key never reaches our window, watches the keys
    // with a low-level hook, keeps from the other program a combination it
    // registered and hands it to onHeld from the event loop. False where the
    // keyboard cannot be kept (a Wayland client may not); nothing is held
    // then. Holding again moves the hold; every hold ends with
    // releaseKeyboard, which the field calls when it loses the focus, is
    // hidden or goes away, so the user's keyboard is never left kept.
    virtual bool holdKeyboard(WindowHandle window,
                              std::function<void(const KeyCombination &held)> onHeld)
    {
        Q_UNUSED(window)
        Q_UNUSED(onHeld)
        return false;
    }
    // Harmless when nothing is held.
    virtual void releaseKeyboard() {}
    virtual bool holdsKeyboard() const { return false; }
    // Whether another program holds the combination as its shortcut: true
    // only when the window system refused it for that reason (X11: BadAccess
    // from a grab on the root window; Windows: RegisterHotKey failing).
    // False when it is free, held by us, or cannot be known here.
    virtual bool heldElsewhere(const KeyCombination &combination)
    {
        Q_UNUSED(combination)
        return false;
    }
};

// Our own windows among the others.
class OwnWindows
{
public:
    virtual ~OwnWindows() = default;
    // Gives one of our own windows, just shown, the keyboard focus and checks
    // that it has it; false when it had not got it within maxMs. A window
    // manager may refuse the focus to a new window of a program the user was
    // not typing in: X11 waits until the window is mapped, then asks the
    // manager (_NET_ACTIVE_WINDOW) until the input focus is there. Windows
    // calls SetForegroundWindow, which the hotkey that opened the window
    // allows.
    virtual bool activateOwnWindow(WindowHandle w, int maxMs) = 0;
    // Puts one of our own windows, just shown, where geometry says. Window
    // managers that keep the place a window asks for need nothing: true.
    // sway places a new X11 window itself (a floating one centred): it is
    // asked through its IPC. False on failure.
    virtual bool placeOwnWindow(WindowHandle w, const QRect &geometry) = 0;
    // Leaves one of our own windows, created but not yet shown, out of the
    // task bar and the pager. X11 sets _NET_WM_STATE_SKIP_TASKBAR and
    // _NET_WM_STATE_SKIP_PAGER, which the window manager reads when the window
    // is mapped (Qt keeps states it does not manage). Windows answers true: a
    // tool window has no task-bar button there. False on failure.
    virtual bool keepOutOfTaskBar(WindowHandle w) = 0;
    // One of our modal dialogs, not yet mapped, is about to show while
    // topmost (one of our windows kept above all others) is shown: yield
    // true; the dialog has gone: yield false, dialog 0. The dialog must not
    // be covered by topmost. X11 puts the dialog in the layer above others
    // too, where the window shown last is on top (window managers differ in
    // letting a mapped window leave that layer); Windows takes topmost out of
    // the topmost band until the dialog is gone, so that the dialog never
    // stays above other programs. False on failure.
    virtual bool yieldTopmost(WindowHandle topmost, WindowHandle dialog, bool yield) = 0;
    // Whether the window manager draws its own title bar on our main window
    // whatever the window asks: sway draws one on every tiled window (it
    // leaves a frameless window bare only while it floats), and a Wayland
    // compositor that offers server-side decorations draws them for a
    // window that is not frameless. The main window then takes the manager's
    // frame instead of showing a second title bar of its own. False where
    // ours is the only one (Windows, X11 managers, KWin and mutter through
    // XWayland).
    virtual bool drawsTitleBars() { return false; }
    // Whether the window manager keeps a window that asks to stay above the
    // others there (Windows' topmost band, _NET_WM_STATE_ABOVE), and leaves
    // the focus where it is when the window, which takes none, is shown.
    // sway does neither for the windows it manages: it focuses a new window
    // and raises every floating window the user focuses. A window that must
    // stay above then goes unmanaged (override-redirect), which sway draws
    // above all managed windows and never focuses.
    virtual bool keepsWindowsAbove() { return true; }
    // The part of the screen at p (physical pixels) that windows may cover
    // without hiding the desktop's own bars, where the window system says
    // more than the screens' available geometry does: sway tells it through
    // its IPC, while XWayland's screen knows no bar. An empty rectangle
    // elsewhere (the caller goes by the screens).
    virtual QRect workArea(const QPoint &p)
    {
        Q_UNUSED(p)
        return QRect();
    }
};

// Time as the waits above see it.
class Clock
{
public:
    virtual ~Clock() = default;
    // Milliseconds from an arbitrary start, wrapping like a 32-bit counter.
    virtual quint32 tickCount() = 0;
    // Waits ms milliseconds, serving what other programs ask of us meanwhile
    // (clipboard requests; the event loop without user input).
    virtual void sleep(int ms) = 0;
};

// One backend: the services of the desktop it found at start.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // The roads of the desktop the backend found at start.
    virtual DesktopAbilities abilities() { return DesktopAbilities(); }
    // Where the user binds our command lines to keys of the compositor:
    // whether its configuration, as it last loaded it, runs program in a
    // binding (sway's main configuration file, through its IPC). False where
    // it does not, or does not say.
    virtual bool bindsCommandsOf(const QString &program)
    {
        Q_UNUSED(program)
        return false;
    }
    // Whether the tray's balloons may reach a notification service that reads
    // markup in their text (the freedesktop service with "body-markup", which
    // Qt's StatusNotifier tray sends them to): text in them must then be
    // escaped, or a name with markup in it would be read as markup (an image
    // it names, read from disk). True where that cannot be ruled out. False
    // where balloons are plain text (Windows, Qt's own tip beside an XEmbed
    // tray).
    virtual bool balloonsReadMarkup() { return false; }

    // Where the desktop runs our command lines on keys of its own settings,
    // which the program may write there for the user (GNOME's custom
    // shortcuts): the key and command of each as those settings show them,
    // one per line. Empty where the desktop has no such settings for us.
    virtual QString settingsBindingLines(const QVector<DesktopBindings::Command> &commands,
                                         const QString &program)
    {
        Q_UNUSED(commands)
        Q_UNUSED(program)
        return QString();
    }
    // Replaces the entries of ours in those settings by these, each shown
    // there under its name; false with *error said where they could not be
    // written (nothing is then changed) or the desktop has no such settings.
    virtual bool writeSettingsBindings(const QVector<DesktopBindings::NamedCommand> &commands,
                                       const QString &program, QString *error)
    {
        Q_UNUSED(commands)
        Q_UNUSED(program)
        Q_UNUSED(error)
        return false;
    }
    // Removes every entry of ours there; false with *error said when they
    // could not be removed.
    virtual bool removeSettingsBindings(const QString &program, QString *error)
    {
        Q_UNUSED(program)
        Q_UNUSED(error)
        return false;
    }

    virtual TargetService &targets() = 0;
    virtual KeyboardOutput &keyboard() = 0;
    virtual ClipboardService &clipboard() = 0;
    virtual CaretService &caret() = 0;
    virtual ShortcutService &shortcuts() = 0;
    virtual OwnWindows &ownWindows() = 0;
    virtual Clock &clock() = 0;
    // Null where the window system has no standard text controls.
    virtual TextControls *textControls() { return nullptr; }
    // What the user types in other programs; null where no program may
    // read it.
    virtual KeyStream *keyStream() { return nullptr; }
};

// The backend chosen at build time (and on Linux at run time); defined once
// by each backend.
std::unique_ptr<Desktop> createDesktop();
