#pragma once

// The one interface to the window system. Everything that touches other
// programs' windows, synthesised input, the shared clipboard or global
// shortcuts goes through here, so the algorithms above it are written once and
// tested against a recording fake.
//
// Rules for every operation:
//  - nothing throws; a failure is a return value (false, 0, an empty value);
//  - handles are never owned: a WindowHandle is the platform's native id
//    (HWND on Windows, an X window id on X11), 0 means "no window";
//  - points are physical pixels unless the name says otherwise.

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <memory>

class QWindow;

using WindowHandle = quintptr;

// One synthesised keyboard event, the shape of a Win32 KEYBDINPUT.
struct KeyInput
{
    quint16 vk = 0;
    quint16 scan = 0;
    quint32 flags = 0;

    friend bool operator==(const KeyInput &a, const KeyInput &b)
    {
        return a.vk == b.vk && a.scan == b.scan && a.flags == b.flags;
    }
};

namespace KeyFlag {
constexpr quint32 KeyUp = 0x0002;    // KEYEVENTF_KEYUP
constexpr quint32 Unicode = 0x0004;  // KEYEVENTF_UNICODE: scan holds one UTF-16 code unit
constexpr quint32 ScanCode = 0x0008; // KEYEVENTF_SCANCODE
constexpr quint32 Extended = 0x0001; // KEYEVENTF_EXTENDEDKEY: Insert, not the keypad's 0
} // namespace KeyFlag

// What a GUI-thread query reports about another thread's input state.
struct GuiThreadInfo
{
    WindowHandle focus = 0;
    WindowHandle caretWindow = 0;
    // Client coordinates of caretWindow, built from the native RECT as
    // QRect(left, top, right - left, bottom - top): the height may be 0 or
    // negative for an empty or inverted caret.
    QRect caretRect;
};

// A window's application, as the window system names it: on X11 the
// WM_CLASS instance and class and the executable of _NET_WM_PID; on Windows
// the window class and the executable. preferred is the name a rule for it
// is best written with (X11: the class; Windows: the executable).
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

// What a standard text control allows, from its window style.
struct TextFieldTraits
{
    bool readOnly = false;
    bool password = false;
    bool multiLine = true;
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
    ForPasteWithPrimary, // the same, and on X11 the PRIMARY selection too (Shift+Insert)
};

// How putting a clipboard backup back went.
enum class ClipboardRestore
{
    Restored,
    Partly, // some formats could not be put back
    Busy,   // another program holds the clipboard open: try again
    Failed, // nothing could be put back
};

// Outcome of reading the integrity level of a window's process.
struct ProcessLevel
{
    enum Status
    {
        Ok,           // level is valid (0 when the token reported none)
        AccessDenied, // the process could not be opened: access denied
        OpenFailed,   // the process could not be opened for another reason
        TokenFailed,  // the process opened but its token did not
    };
    Status status = OpenFailed;
    quint32 level = 0;
};

// What the desktop lets the program reach, so that the user can be told.
struct SessionRoads
{
    bool waylandWindows = false;  // native Wayland windows are reached
    bool virtualKeyboard = false; // they are typed into by a keyboard of our own
    bool pasting = false;         // and pasted into through the clipboard
    bool globalShortcuts = true;  // shortcuts fire in every program's window
};

class Desktop
{
public:
    virtual ~Desktop() = default;

    // The roads of the desktop the backend found at start.
    virtual SessionRoads sessionRoads() { return SessionRoads(); }

    // ---- windows, threads and processes --------------------------------

    // The foreground (active) window; 0 when there is none or it is unknown.
    virtual WindowHandle foregroundWindow() = 0;
    // False for 0 and for a window that no longer exists.
    virtual bool isWindow(WindowHandle w) = 0;
    virtual bool isWindowVisible(WindowHandle w) = 0;
    // The id of the thread that owns w, and its process id in *processId;
    // both 0 when unknown. On X11 the "thread" is the window's process, from
    // _NET_WM_PID, and currentThreadId() is our process id.
    virtual quint32 windowThreadProcessId(WindowHandle w, quint32 *processId) = 0;
    virtual quint32 currentThreadId() = 0;
    virtual quint32 currentProcessId() = 0;
    // AttachThreadInput; false where the window system has no such thing.
    virtual bool attachThreadInput(quint32 from, quint32 to, bool attach) = 0;
    // SetForegroundWindow; false when it did not happen. X11 asks the window
    // manager (_NET_ACTIVE_WINDOW), checks that the input focus moved, and
    // asks once more when it did not.
    virtual bool setForegroundWindow(WindowHandle w) = 0;
    // BringWindowToTop; a no-op that returns false where raising is the
    // window manager's business.
    virtual bool bringWindowToTop(WindowHandle w) = 0;
    // Gives one of our own windows, just shown, the keyboard focus and checks
    // that it has it; false when it had not got it within maxMs. A window
    // manager may refuse the focus to a new window of a program the user was
    // not typing in: X11 waits until the window is mapped, then asks the
    // manager (_NET_ACTIVE_WINDOW) until the input focus is there. Windows
    // calls SetForegroundWindow, which the hotkey that opened the window
    // allows.
    virtual bool activateOwnWindow(WindowHandle w, int maxMs) = 0;
    // Puts one of our own windows, just shown, where geometry says (in
    // physical pixels). Window managers that keep the place a window asks
    // for need nothing: true. sway places a new X11 window itself (a
    // floating one centred): it is asked through its IPC. False on failure.
    virtual bool placeOwnWindow(WindowHandle w, const QRect &geometry)
    {
        Q_UNUSED(w)
        Q_UNUSED(geometry)
        return true;
    }
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
    // GetGUIThreadInfo for a thread; false when the query failed or the
    // window system has none (then the caller falls back to the pointer).
    virtual bool guiThreadInfo(quint32 threadId, GuiThreadInfo *info) = 0;
    // The caret of the focused text in w's process as the accessibility bus
    // reports it, in screen pixels; false where there is none. For window
    // systems whose GUI-thread query names no caret (X11: AT-SPI, which GTK
    // and Qt programs publish). Windows answers false.
    virtual bool accessibleCaret(WindowHandle w, QRect *screenRect) = 0;
    // ClientToScreen (X11: XTranslateCoordinates); false on failure.
    virtual bool clientToScreen(WindowHandle w, QPoint *point) = 0;
    // GetClassNameW with a 128-unit buffer; false where it fails or where
    // windows have no class names (X11: no standard text controls).
    virtual bool className(WindowHandle w, QString *name) = 0;
    // The application of the top-level window w; false when nothing is known.
    virtual bool targetApplication(WindowHandle w, TargetApp *app) = 0;
    // Waits, at most maxMs, for the user to click a window of another
    // program, and answers it (its top-level window); 0 when none was
    // clicked. X11 grabs the pointer (with a crosshair) until the click; a
    // right click cancels. Windows takes the next window of another program
    // that comes to the front.
    virtual WindowHandle pickWindow(int maxMs) = 0;
    // GetCursorPos in physical pixels; (0, 0) when it cannot be read.
    virtual QPoint cursorPos() = 0;
    // Integrity levels for the elevation test. Where processes have no such
    // levels, processLevel answers {Ok, 0} and ownProcessLevel 0, so nothing
    // counts as elevated.
    virtual ProcessLevel processLevel(quint32 processId) = 0;
    virtual bool ownProcessLevel(quint32 *level) = 0;

    // ---- messages to a standard text control ------------------------------

    // Only Windows has such controls; elsewhere findTextControl never finds
    // one, so these are never reached (they answer false). Every message is
    // sent with a time-out: false means the control did not answer (hung,
    // gone, or a program more privileged than ours), never "0".

    // The read-only, password and multi-line bits of the control's style.
    virtual bool textFieldTraits(WindowHandle control, TextFieldTraits *traits) = 0;
    // The control's whole text (WM_GETTEXT): line breaks as CR LF.
    virtual bool controlText(WindowHandle control, QString *text) = 0;
    // EM_GETSEL: the selection's start and end in *start, *end, counted in
    // the control's own units (a RichEdit counts a paragraph break as one).
    virtual bool selection(WindowHandle control, int *start, int *end) = 0;
    // EM_SETSEL.
    virtual bool setSelection(WindowHandle control, int start, int end) = 0;
    // EM_REPLACESEL with wParam 1 (undoable) and the NUL-terminated text.
    virtual bool replaceSelection(WindowHandle control, const QString &text) = 0;
    // EM_UNDO; false when there was nothing to undo.
    virtual bool undo(WindowHandle control) = 0;
    // WM_SETTEXT.
    virtual bool setControlText(WindowHandle control, const QString &text) = 0;
    // WM_PASTE, sent synchronously.
    virtual bool paste(WindowHandle control) = 0;

    // ---- synthesised input ------------------------------------------------

    // SendInput: sends the batch in order, returns how many events were
    // accepted (0 when input cannot be synthesised at all). Unicode events
    // carry one UTF-16 code unit each; the two halves of a surrogate pair may
    // arrive in two calls, and a backend that types whole characters (X11)
    // keeps a high surrogate until its low half comes. Events with a virtual
    // key and no flag but KeyUp release that key; on X11 only when it is down.
    virtual int sendInput(const QVector<KeyInput> &events) = 0;
    // The code that a ScanCode event carries for vk where target reads it:
    // on Windows MapVirtualKeyExW in the keyboard layout of target's thread
    // (the layout decides which key is V), on X11 the keycode of the key; 0
    // when unknown.
    virtual quint16 scanCodeForVirtualKey(quint16 vk, WindowHandle target) = 0;
    // GetAsyncKeyState's high bit for a Windows virtual-key code; false when
    // the key state cannot be read.
    virtual bool isKeyDown(int vk) = 0;
    // True while any key that is not a modifier (or a mouse button) is held:
    // the key of the shortcut that started an insertion. Where this cannot
    // be read: false.
    virtual bool isNonModifierKeyDown() = 0;
    // Waits until a key goes up or down anywhere, at most maxMs, serving
    // events like sleep(). Windows waits maxMs (its key state is polled);
    // X11 returns at the key event itself, so a release is seen at once.
    virtual void waitForKeyEvent(int maxMs) = 0;
    // Asked once before a text is typed: true when every character can be
    // typed exactly as it stands, with the keyboard layout, group and lock
    // state in use now. Windows types any character as a Unicode event: true.
    // X11 answers false when a character is on no key there and the whole
    // text does not fit the keys free to borrow (it binds them here); the
    // caller then pastes instead of typing wrong characters.
    virtual bool canTypeExactly(const QString &text) = 0;
    // What the key vk types with AltGr (and Shift when shift) on the keyboard
    // layout in use: on Windows, where AltGr is Ctrl+Alt, ToUnicodeEx with
    // Ctrl+Alt down; on X11 the key's third level in the current group. Empty
    // when it types nothing there, or the same as without AltGr.
    virtual QString altGrCharacter(int vk, bool shift) = 0;
    // Milliseconds from an arbitrary start, wrapping like GetTickCount.
    virtual quint32 tickCount() = 0;
    // Waits ms milliseconds, serving what other programs ask of us meanwhile
    // (clipboard requests; on X11 the event loop without user input).
    virtual void sleep(int ms) = 0;
    // The settle after the target was brought forward: at most maxMs. Windows
    // sleeps maxMs; X11 returns as soon as target holds the input focus.
    virtual void settle(WindowHandle target, int maxMs) = 0;

    // ---- clipboard -----------------------------------------------------------

    // A copy of everything the clipboard holds now (on X11 with primary, the
    // PRIMARY selection too); null when it cannot be read (another program
    // holds it open): then it must not be overwritten.
    virtual std::unique_ptr<ClipboardBackup> backupClipboard(bool primary) = 0;
    // Puts a backup back (Windows: opening the clipboard itself, with every
    // format and marked like our own text below).
    virtual ClipboardRestore restoreClipboard(const ClipboardBackup &backup) = 0;
    // OleSetClipboard(nullptr); a no-op elsewhere.
    virtual void releaseOleClipboard() = 0;
    // OpenClipboard with our own owner window; false while another program
    // holds it open. Always true on X11, where nothing is opened.
    virtual bool openClipboard() = 0;
    // EmptyClipboard; false on failure. A no-op that succeeds on X11.
    virtual bool emptyClipboard() = 0;
    // Puts text (already CR LF) on the clipboard; false when the memory or the
    // clipboard refused it. For a paste, Windows offers it without rendering
    // it, so that it sees the target fetch it, and marks it to be kept out of
    // clipboard history, cloud sync and monitors; for the user it is rendered
    // at once. X11 turns the CR LF back into LF, the line break of X
    // programs, and hands the text to QClipboard (and the PRIMARY selection
    // when asked).
    virtual bool setClipboardText(const QString &text, ClipboardOffer offer) = 0;
    // CloseClipboard; a no-op on X11.
    virtual void closeClipboard() = 0;
    // After the paste keys went to target: waits until target has fetched
    // our text (it asks us for it), at most about 2 s, then settleMs more for
    // it to finish reading; false when it never asked: then nothing was
    // pasted. Requests from other programs do not count.
    virtual bool awaitPaste(WindowHandle target, int settleMs) = 0;

    // ---- global shortcuts -------------------------------------------------

    // RegisterHotKey on owner with the stored Windows codes (vk, MOD_* mods).
    // False when another client holds the combination or the key has no
    // equivalent here.
    virtual bool registerHotKey(WindowHandle owner, int id, int mods, int vk) = 0;
    virtual bool unregisterHotKey(WindowHandle owner, int id) = 0;
    // Looks at one native event from QAbstractNativeEventFilter; returns the
    // registration id of a hotkey press, or 0 for anything else. A press that
    // is the key repeat of one already reported (the key was never seen up
    // since) answers 0: one press is one action.
    virtual int hotkeyIdFromNativeEvent(const QByteArray &eventType, void *message) = 0;
    // Our own registrations that the combination (MOD_* mods, vk) would fire
    // are released until resumeHotKeys, so that keys we send ourselves
    // (Ctrl+V for a paste) reach the target instead of us. X11 does this for
    // every batch of keys it sends, in the server's order of requests, so
    // these two do nothing there.
    virtual void suspendHotKeys(int mods, int vk) = 0;
    // Registers the suspended ones again; false when one could not be (another
    // program took it meanwhile).
    virtual bool resumeHotKeys() = 0;
};

// The backend chosen at build time; defined once by each backend.
std::unique_ptr<Desktop> createDesktop();
