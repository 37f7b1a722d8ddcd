#pragma once

// The Win32 calls the Windows road is written with, as one interface: the
// insertion and targeting algorithms of that road (Win32Services) run over
// it, so they are tested without Windows against a recording fake. Only the
// Windows backend implements it for real.
//
// Every call answers its failure (false, 0, an empty value) and never
// throws; handles are HWNDs, never owned; points are physical pixels.

#include "platform/desktop.h"
#include "win/keyinput.h"

#include <QVector>

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

// What a standard text control allows, from its window style.
struct TextFieldTraits
{
    bool readOnly = false;
    bool password = false;
    bool multiLine = true;
};

// How a window answered a message sent only to see whether it answers.
enum class Answer
{
    Answered, // it answered within the time given: its thread takes messages
    Late,     // it did not answer in time: busy with a message, or stopped
    Hung,     // the system counts it hung (5 s without taking messages), or it is gone
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

class Win32Api
{
public:
    virtual ~Win32Api() = default;

    // ---- windows, threads and processes --------------------------------

    // GetForegroundWindow; 0 when there is none.
    virtual WindowHandle foregroundWindow() = 0;
    // IsWindow: false for 0 and for a window that no longer exists.
    virtual bool isWindow(WindowHandle w) = 0;
    virtual bool isWindowVisible(WindowHandle w) = 0;
    // GetWindowThreadProcessId: the thread that owns w, and its process id
    // in *processId; both 0 when unknown.
    virtual quint32 windowThreadProcessId(WindowHandle w, quint32 *processId) = 0;
    virtual quint32 currentThreadId() = 0;
    virtual quint32 currentProcessId() = 0;
    virtual bool attachThreadInput(quint32 from, quint32 to, bool attach) = 0;
    // SetForegroundWindow; false when it did not happen.
    virtual bool setForegroundWindow(WindowHandle w) = 0;
    // WM_NULL sent with SendMessageTimeout (SMTO_ABORTIFHUNG), waiting at
    // most maxMs and serving what is sent to us meanwhile (the target's
    // request for our clipboard text).
    virtual Answer probe(WindowHandle w, int maxMs) = 0;
    // The top-level window that holds w (GetAncestor GA_ROOT); 0 when none.
    virtual WindowHandle topLevelWindow(WindowHandle w) = 0;
    // The processes of the windows inside top (EnumChildWindows): an
    // application that shows another process's window in its frame (a
    // store app in ApplicationFrameHost) is that process too.
    virtual QVector<quint32> childWindowProcesses(WindowHandle top) = 0;
    // The processes started by processId, and theirs in turn.
    virtual QVector<quint32> descendantProcesses(quint32 processId) = 0;
    // Our own windows: see OwnWindows. Windows keeps a window where it asks
    // to be, so there is nothing to place.
    virtual bool activateOwnWindow(WindowHandle w, int maxMs) = 0;
    virtual bool keepOutOfTaskBar(WindowHandle w) = 0;
    virtual bool yieldTopmost(WindowHandle topmost, WindowHandle dialog, bool yield) = 0;
    // GetGUIThreadInfo for a thread; false when the query failed.
    virtual bool guiThreadInfo(quint32 threadId, GuiThreadInfo *info) = 0;
    // ClientToScreen; false on failure.
    virtual bool clientToScreen(WindowHandle w, QPoint *point) = 0;
    // GetClassNameW with a 128-unit buffer; false where it fails.
    virtual bool className(WindowHandle w, QString *name) = 0;
    // The window class and the executable of the top-level window w; false
    // when nothing is known.
    virtual bool targetApplication(WindowHandle w, TargetApp *app) = 0;
    // The next window of another program that comes to the front, within
    // maxMs; 0 when none did.
    virtual WindowHandle pickWindow(int maxMs) = 0;
    // GetCursorPos; (0, 0) when it cannot be read.
    virtual QPoint cursorPos() = 0;
    // Integrity levels for the elevation test.
    virtual ProcessLevel processLevel(quint32 processId) = 0;
    virtual bool ownProcessLevel(quint32 *level) = 0;

    // ---- messages to a standard text control ------------------------------

    // Every message is sent with a time-out: false means the control did not
    // answer (hung, gone, or a program more privileged than ours), never "0".

    // The read-only, password and multi-line bits of the control's style.
    virtual bool textFieldTraits(WindowHandle control, TextFieldTraits *traits) = 0;
    // True when the window tells accessibility tools that its focused
    // element is protected: a password field that is no standard control
    // (a browser's, say). False when it says nothing.
    virtual bool focusIsProtected(WindowHandle window) = 0;
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
    // arrive in two calls.
    virtual int sendInput(const QVector<KeyInput> &events) = 0;
    // MapVirtualKeyExW in the keyboard layout of target's thread (the layout
    // decides which key is V); 0 when unknown.
    virtual quint16 scanCodeForVirtualKey(quint16 vk, WindowHandle target) = 0;
    // GetAsyncKeyState's high bit; false when the key state cannot be read.
    virtual bool isKeyDown(int vk) = 0;
    // True while any key that is not a modifier (or a mouse button) is held.
    virtual bool isNonModifierKeyDown() = 0;
    // The key state is polled: waits maxMs, serving events like sleep().
    virtual void waitForKeyEvent(int maxMs) = 0;
    // Unicode events type any character: true but for what SendInput cannot
    // carry.
    virtual bool canTypeExactly(const QString &text) = 0;
    // ToUnicodeEx with Ctrl+Alt (AltGr) down, and Shift when shift.
    virtual QString altGrCharacter(int vk, bool shift) = 0;
    // GetTickCount.
    virtual quint32 tickCount() = 0;
    // Waits ms milliseconds, serving what other programs ask of us meanwhile.
    virtual void sleep(int ms) = 0;
    // The settle after the target was brought forward: sleeps maxMs.
    virtual void settle(WindowHandle target, int maxMs) = 0;

    // ---- clipboard -----------------------------------------------------------

    // A copy of every format on the clipboard, one of each that the system
    // converts into the others; null when it cannot be read (another
    // program holds it open, or its owner does not render in time): then it
    // must not be overwritten.
    virtual std::unique_ptr<ClipboardBackup> backupClipboard(bool primary) = 0;
    // Puts a backup back, opening the clipboard itself, with every format
    // and marked like our own text below, but only while the clipboard
    // still holds what we put there (clipboardHoldsOurPaste): content
    // another program put there since is newer and stays (Superseded).
    virtual ClipboardRestore restoreClipboard(const ClipboardBackup &backup) = 0;
    // OpenClipboard with our own owner window; false while another program
    // holds it open.
    virtual bool openClipboard() = 0;
    // EmptyClipboard; false on failure.
    virtual bool emptyClipboard() = 0;
    // Puts text (already CR LF) on the open clipboard; false when the memory
    // or the clipboard refused it. For a paste it is offered without being
    // rendered, so that the target's fetch is seen, and marked to be kept
    // out of clipboard history, cloud sync and monitors; for the user it is
    // rendered at once.
    virtual bool setClipboardText(const QString &text, ClipboardOffer offer) = 0;
    // CloseClipboard.
    virtual void closeClipboard() = 0;
    // The processes that have fetched the text offered for a paste so far
    // (they asked us to render it), in order; 0 for a program that opened
    // the clipboard without naming a window: it cannot be told apart.
    virtual QVector<quint32> pasteFetchers() = 0;
    // True while what we last put on the clipboard (the text offered for a
    // paste, rendered or not, or nothing when putting it there failed
    // after the clipboard was emptied) is still what it holds: nobody has
    // put anything there since.
    virtual bool clipboardHoldsOurPaste() = 0;

    // ---- global shortcuts -------------------------------------------------

    // RegisterHotKey on owner with the stored codes (vk, MOD_* mods).
    virtual bool registerHotKey(WindowHandle owner, int id, int mods, int vk) = 0;
    virtual bool unregisterHotKey(WindowHandle owner, int id) = 0;
    // The registration id of a WM_HOTKEY that is not a key repeat, else 0.
    virtual int hotkeyIdFromNativeEvent(const QByteArray &eventType, void *message) = 0;
    // Our own registrations that the combination (MOD_* mods, vk) would fire
    // are released until resumeHotKeys, so that keys we send ourselves
    // (Ctrl+V for a paste) reach the target instead of us.
    virtual void suspendHotKeys(int mods, int vk) = 0;
    // Registers the suspended ones again; answers the ids that could not be
    // (another program took the combination meanwhile): they are no longer
    // registered.
    virtual QVector<int> resumeHotKeys() = 0;
    // While one of our shortcut fields has the focus in window: a key press
    // whose combination another program registered (which would never reach
    // window) is kept from that program and handed to onHeld (MOD_* mods,
    // vk) from the event loop. False when it cannot be watched. Ends with
    // releaseKeptKeyboard; keeping again moves it.
    virtual bool keepKeyboard(WindowHandle window, std::function<void(int, int)> onHeld) = 0;
    virtual void releaseKeptKeyboard() = 0;
    // RegisterHotKey refuses the combination: another program holds it.
    virtual bool hotkeyHeldElsewhere(int mods, int vk) = 0;
};
