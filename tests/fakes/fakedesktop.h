#pragma once

// The Win32 calls modelled over a few windows in memory, every call
// recorded, so that the Windows road's algorithms can be checked without
// Windows. Time is simulated: sleep(), settle(), probes and the other waits
// advance tickCount(), and what the modelled programs do meanwhile (a target
// that pastes late, a clipboard monitor that reads every change and holds
// the clipboard open) happens then. Keys go to the window in front, into
// its focused control, as they would.

#include "win/win32services.h"

#include <QHash>
#include <QPair>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <functional>

class FakeWin32 : public Win32Api
{
public:
    struct Window
    {
        bool exists = true;
        bool visible = true;
        quint32 thread = 0;
        quint32 pid = 0;
        QString className; // empty: GetClassNameW fails
        QVector<WindowHandle> children;
        // Text control state. The text is as WM_GETTEXT gives it (CR LF); a
        // class named RichEdit<something> counts a CR LF as one unit in its
        // selection, as RichEdit 2.0 and later do.
        QString text;
        int selStart = 0;
        int selEnd = 0;
        bool selectionReadable = true;
        bool answers = true;      // false: every message times out
        bool takesReplace = true; // false: EM_REPLACESEL changes nothing
        int limit = -1;           // EM_LIMITTEXT: a replacement is cut to fit
        bool readOnly = false;
        bool password = false;
        bool multiLine = true;
        bool protectedFocus = false; // says so to accessibility tools
        bool undoWorks = true;       // EM_UNDO takes the last replacement back
        QString undoText;            // what EM_UNDO puts back
        QPoint clientOrigin;         // screen position of the client area
        // A RichEdit whose text has formatting: WM_SETTEXT flattens it.
        bool formatted = false;
        bool flattened = false;
        // The program behind the window: it pastes the clipboard on its
        // paste key and on WM_PASTE (false: never reads it); each batch of
        // keys keeps it busy this long before it gets to them; hung, it
        // takes no message at all (the system counts it hung). A message
        // sent to it while it is busy for longer than a message's time-out
        // is not answered, but it still acts on it once it gets to it.
        bool pastes = true;
        PasteKey pasteKey = PasteKey::CtrlV;
        int busyMs = 0;
        bool hung = false;
        quint32 readyAt = 0; // when it is through with the keys it has
        // Each key message takes this long, and between two of them the
        // thread answers what is sent to it (a WM_NULL answered then does
        // not mean its keys are through).
        int perKeyMs = 0;
        // Its own process reads the clipboard on every change, before any
        // paste key (a clipboard history of the program's own).
        bool readsOnChange = false;
        // It keeps the clipboard open this long after reading it.
        int holdsClipboardMs = 0;
        // The process that reads the clipboard for it (a helper it
        // started); 0: its own.
        quint32 readsAs = 0;
    };

    struct Message
    {
        enum Kind
        {
            ReplaceSel,
            Paste,
            Undo,
            SetText
        };
        Kind kind;
        WindowHandle control;
        QString text;
    };

    struct HotkeyCall
    {
        bool registering; // false: unregisterHotKey
        WindowHandle owner;
        int id;
        int mods;
        int vk;
        bool result;
    };

    // ---- the modelled world (set by tests) ----
    QHash<WindowHandle, Window> windows;
    WindowHandle foreground = 0;
    quint32 ownThread = 1;
    quint32 ownPid = 100;
    QHash<quint32, GuiThreadInfo> guiInfo; // per thread; missing: the query fails
    QHash<quint32, ProcessLevel> levels;   // per pid; missing: {Ok, 0}
    quint32 ownLevel = 0x2000;
    bool ownLevelReadable = true;
    QPoint cursor;
    bool attachSucceeds = true;
    bool activateOwnSucceeds = true; // activateOwnWindow's answer
    // Keys held until the simulated clock reaches the value (absent: up).
    QHash<int, quint32> keysHeldUntil;
    quint32 nonModifierHeldUntil = 0;
    // sendInput accepts at most this many events of batch number n (0-based).
    QHash<int, int> acceptLimit;
    // canTypeExactly's answer.
    bool typesExactly = true;
    // altGrCharacter's answers, by virtual key; with Shift, those of
    // altGrWithShift where it has one.
    QHash<int, QString> altGr;
    QHash<int, QString> altGrWithShift;
    // targetApplication's answers, by window; pickWindow's answer.
    QHash<WindowHandle, TargetApp> apps;
    WindowHandle picked = 0;
    int clipboardOpenFailures = 0; // the next n openClipboard calls fail
    bool emptySucceeds = true;
    bool setClipboardSucceeds = true;
    // The system clipboard is the application's QClipboard. A backup fails
    // (null) when backupFails; it reports backupLostFormats formats it could
    // not copy. The next restoreBusy restores find the clipboard held open;
    // then restoreOutcome.
    bool backupFails = false;
    int backupLostFormats = 0;
    // What happens while the backup is read (an owner rendering late).
    std::function<void()> duringBackup;
    int restoreBusy = 0;
    ClipboardRestore restoreOutcome = ClipboardRestore::Restored;
    // Combinations (mods, vk) that registerHotKey refuses, as if another
    // program held them. A combination registered here already is refused too.
    QSet<QPair<int, int>> failingHotkeys;
    // keepKeyboard fails (no hook could be set).
    bool keepKeyboardFails = false;

    // ---- what was called ----
    QStringList calls; // every operation in order, with its main arguments
    QVector<QVector<KeyInput>> inputBatches;
    // Runs after each batch of input, as the event loops a real backend
    // spins while keys go out (another request may arrive there).
    std::function<void()> afterInput;
    QVector<Message> messages;
    QStringList clipboardTexts;              // what setClipboardText was given
    QVector<ClipboardOffer> clipboardOffers; // and what for
    QVector<bool> backupsWithPrimary;        // what backupClipboard was asked
    QVector<int> sleeps;                     // sleep and waitForKeyEvent, in ms
    QStringList exactChecks;                 // what canTypeExactly was asked about
    QVector<int> settles;
    QVector<HotkeyCall> hotkeyCalls;
    QHash<int, QPair<int, int>> registered; // id -> (mods, vk) currently held
    // The window the keyboard is kept for (0: none), how often it was kept,
    // and what a combination another program holds is handed to.
    WindowHandle keptFor = 0;
    int keepCount = 0;
    std::function<void(int, int)> onHeldPress;
    quint32 now = 1000;

    // For the tests' checks.
    WindowHandle addWindow(WindowHandle id, const Window &w);
    int keyEventCount() const;
    QString typedText() const; // the Unicode key-downs, joined
    // The event that hotkeyIdFromNativeEvent understands: type "fake-hotkey",
    // message points at an int holding the id.
    static QByteArray hotkeyEventType() { return QByteArrayLiteral("fake-hotkey"); }
    // The system posts a hot-key message for registration id: it goes
    // through Qt's native event filters, as a real one does. True when a
    // filter took it.
    static bool postHotkey(int id, const QByteArray &eventType = hotkeyEventType());
    // Lets simulated time pass: what the modelled programs do meanwhile happens.
    void advance(int ms);

    // Runs fn once the simulated clock reaches time (another program acting
    // while a wait of ours goes on).
    void at(quint32 time, std::function<void()> fn);
    // Another program copies text: the clipboard is no longer ours.
    void otherProgramCopies(const QString &text);

    // ---- the clipboard, as other programs see it ----
    // A clipboard monitor: it reads every change (rendering what we offered
    // unrendered: it counts as a fetch, by its process, or by nobody known
    // when it opens the clipboard without a window) and holds the clipboard
    // open for holdsOpenMs each time.
    struct Monitor
    {
        bool on = false;
        quint32 pid = 900;
        bool hasWindow = true;
        int holdsOpenMs = 0;
        int reads = 0;
    };
    Monitor monitor;
    quint32 clipboardHeldUntil = 0; // openClipboard fails before this
    bool offeredUnrendered = false; // our text is offered, not yet rendered
    // What we put there (our text, or nothing after we emptied it) is what
    // the clipboard holds: nobody has copied since.
    bool clipboardOurs = false;
    QVector<quint32> fetchers; // pasteFetchers' answer
    // Registrations let go while our paste key went out.
    QHash<int, HotkeyCall> suspended;
    // The processes each process started (descendantProcesses).
    QHash<quint32, QVector<quint32>> childProcesses;
    // setForegroundWindow is refused unless our input is attached to the
    // window's thread (another program holds the foreground lock).
    bool foregroundLocked = false;
    // Keys that reached no window (nothing in front), as text.
    QString keysToNowhere;

    // ---- Win32Api ----
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
    bool registerHotKey(WindowHandle owner, int id, int mods, int vk) override;
    bool unregisterHotKey(WindowHandle owner, int id) override;
    int hotkeyIdFromNativeEvent(const QByteArray &eventType, void *message) override;
    void suspendHotKeys(int mods, int vk) override;
    QVector<int> resumeHotKeys() override;
    bool keepKeyboard(WindowHandle window, std::function<void(int, int)> onHeld) override;
    void releaseKeptKeyboard() override;
    bool hotkeyHeldElsewhere(int mods, int vk) override;

private:
    Window *find(WindowHandle w);
    // An answering text control, or null (the message "timed out").
    Window *control(WindowHandle w);
    // Where keys sent now land: the focused window of the one in front.
    WindowHandle keyReceiver();
    // EM_REPLACESEL as the control acts on it.
    void replaceNow(Window *win, const QString &text);
    // Text arriving in a window at its selection, as a field takes it.
    void arrive(WindowHandle w, const QString &text);
    // A window's program reads the clipboard and pastes what it holds.
    void pasteInto(WindowHandle w);
    // Another program saw the clipboard change.
    void clipboardChanged();

    // When a busy program's thread is through with what it has: the
    // window's own backlog or its top-level window's (they share a thread).
    quint32 busyUntil(WindowHandle w);
    // A message sent to a busy control: false when it timed out, and then
    // what it does happens when its program gets to it.
    bool deliverMessage(WindowHandle control, std::function<void()> act);

    // What a program does later: paste (act empty) or act on a message.
    struct PendingPaste
    {
        WindowHandle window;
        quint32 at;
        std::function<void()> act;
    };
    QVector<PendingPaste> pendingPastes;
    struct Scheduled
    {
        quint32 at;
        std::function<void()> fn;
    };
    QVector<Scheduled> scheduled;
    bool clipboardDirty = false;   // changed since it was opened
    WindowHandle activatedOwn = 0; // our window that took the front
    WindowHandle beforeOwn = 0;    // and the one that was there before
    QSet<quint32> attachedThreads;
};

// The desktop of the Windows road over the modelled calls: what the widgets'
// tests hand their windows.
class FakeDesktop final : public FakeWin32, public Win32Services
{
public:
    FakeDesktop() : Win32Services(static_cast<Win32Api &>(*this)) {}

    // What abilities() reports.
    DesktopAbilities roads;
    DesktopAbilities abilities() override { return roads; }
    // What the window manager does with our windows.
    bool managerDecorates = false;
    bool managerKeepsAbove = true;
    bool drawsTitleBars() override { return managerDecorates; }
    bool keepsWindowsAbove() override { return managerKeepsAbove; }
    // What bindsCommandsOf() answers, and what it was asked about.
    bool commandsBound = false;
    QStringList bindingQuestions;
    bool bindsCommandsOf(const QString &program) override
    {
        bindingQuestions << program;
        return commandsBound;
    }
    // GNOME's custom shortcuts where the roads name them, as the Wayland
    // backend writes them under mutter; what was written, or removed.
    QString settingsBindingLines(const QVector<DesktopBindings::Command> &commands,
                                 const QString &program) override;
    QVector<DesktopBindings::NamedCommand> settingsBindings;
    bool writeSettingsBindings(const QVector<DesktopBindings::NamedCommand> &commands,
                               const QString &program, QString *error) override;
    bool removeSettingsBindings(const QString &program, QString *error) override;
    // What balloonsReadMarkup() answers.
    bool balloonMarkup = false;
    bool balloonsReadMarkup() override { return balloonMarkup; }
    // What workArea() answers.
    QRect area;
    QRect workArea(const QPoint &) override { return area; }
};
