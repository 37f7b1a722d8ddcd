#pragma once

// The desktop's services on Windows, written over the Win32 calls
// (Win32Api): bringing a window forward with its thread's input attached,
// the GUI-thread query for the focused control and the caret, integrity
// levels, standard text controls by message, Unicode key events and the
// clipboard opened, emptied and closed around our text. Free of Windows
// headers, so the algorithms are tested anywhere against a recording fake.

#include "win/win32api.h"

#include <QAbstractNativeEventFilter>
#include <QSet>

#include <functional>

class Win32Services : public Desktop,
                      private TargetService,
                      private KeyboardOutput,
                      private ClipboardService,
                      private TextControls,
                      private CaretService,
                      private ShortcutService,
                      private OwnWindows,
                      private Clock
{
public:
    explicit Win32Services(Win32Api &api) : api(api) {}
    // Stops watching for presses before api goes.
    ~Win32Services() override;
    Win32Services(const Win32Services &) = delete;
    Win32Services &operator=(const Win32Services &) = delete;
    // The same over api, which it keeps.
    // keyStream (may be null) is kept too.
    static std::unique_ptr<Desktop> owning(std::unique_ptr<Win32Api> api,
                                           std::unique_ptr<KeyStream> keyStream = nullptr);

    TargetService &targets() override { return *this; }
    KeyboardOutput &keyboard() override { return *this; }
    ClipboardService &clipboard() override { return *this; }
    CaretService &caret() override { return *this; }
    ShortcutService &shortcuts() override { return *this; }
    OwnWindows &ownWindows() override { return *this; }
    Clock &clock() override { return *this; }
    TextControls *textControls() override { return this; }
    KeyStream *keyStream() override { return m_keyStream; }

    // OpenClipboard is retried this often while another program holds it.
    static constexpr int ClipboardAttempts = 10;
    static constexpr int ClipboardRetryMs = 15;
    // Unicode key events per SendInput call.
    static constexpr int TypingChunk = 64;
    // A target that does not answer a message within this long is not sent
    // anything: it is hung, or far too busy for a keystroke.
    static constexpr int RespondMs = 1000;
    // A thread that answers within this long was waiting for its next
    // message: it has taken every key that reached its queue.
    static constexpr int IdleAnswerMs = 20;
    static constexpr int QuietAnswers = 3;
    // The wait for the target to fetch a paste: this long at least, longer
    // while it is still busy with the keys before ours, but never longer
    // than the limit (then the text stays on the clipboard for it).
    static constexpr int PasteFetchWaitMs = 2000;
    static constexpr int PasteBusyLimitMs = 10000;
    static constexpr int PastePollMs = 10;

private:
    // TargetService
    WindowHandle foregroundWindow() override;
    bool isWindow(WindowHandle w) override;
    bool targetApplication(WindowHandle w, TargetApp *app) override;
    bool isOwnProcess(WindowHandle w) override;
    bool isMorePrivileged(WindowHandle w) override;
    bool bringToFront(WindowHandle w) override;
    bool isResponding(WindowHandle w) override;
    void settle(WindowHandle w, int maxMs) override;
    WindowHandle pickWindow(int maxMs) override;
    // KeyboardOutput
    bool canTypeExactly(const QString &text) override;
    int typeText(const QString &text) override;
    int pressKey(EditKey key, int times) override;
    bool isAnyKeyDown(bool modifiersToo) override;
    bool areKeysDown(const QVector<int> &keys) override;
    void waitForKeyEvent(int maxMs) override;
    // ClipboardService
    std::unique_ptr<ClipboardBackup> backupClipboard(bool primary) override;
    ClipboardRestore restoreClipboard(const ClipboardBackup &backup) override;
    ClipboardPut putText(const QString &text, ClipboardOffer offer) override;
    bool sendPasteKey(WindowHandle target, PasteKey key) override;
    PasteFetch awaitFetched(WindowHandle target, int settleMs) override;
    PasteFetch checkFetched(WindowHandle target) override;
    // TextControls
    WindowHandle focusedControl(WindowHandle target) override;
    ControlInsert insertByMessage(WindowHandle control, const QString &text,
                                  ControlRefusal *refusal) override;
    bool pasteClipboard(WindowHandle control) override;
    bool placeCaretBefore(WindowHandle control, const QString &tail) override;
    // CaretService
    bool caretRect(WindowHandle target, QRect *screenRect) override;
    QPoint pointerPos() override;
    FieldKind focusedField(WindowHandle target) override;
    // ShortcutService. While a press handler is set, Qt's native events are
    // watched for the hot-key messages of our registrations; the Win32 side
    // drops a held key's repeats.
    bool registerShortcut(WindowHandle owner, int id, const KeyCombination &combination) override;
    bool unregisterShortcut(WindowHandle owner, int id) override;
    void setPressHandler(std::function<void(int id)> onPress) override;
    void setLostHandler(std::function<void(int id)> onLost) override;
    QString altGrCharacter(const KeyCombination &key) override;
    bool altGrIsCtrlAlt() const override { return true; }
    bool holdKeyboard(WindowHandle window,
                      std::function<void(const KeyCombination &)> onHeld) override;
    void releaseKeyboard() override;
    bool holdsKeyboard() const override { return m_keyboardHeld; }
    bool heldElsewhere(const KeyCombination &combination) override;
    // OwnWindows
    bool activateOwnWindow(WindowHandle w, int maxMs) override;
    bool placeOwnWindow(WindowHandle w, const QRect &geometry) override;
    bool keepOutOfTaskBar(WindowHandle w) override;
    bool yieldTopmost(WindowHandle topmost, WindowHandle dialog, bool yield) override;
    // Clock
    quint32 tickCount() override;
    void sleep(int ms) override;

    // The processes that count as the target's own reading of a paste.
    QVector<quint32> targetProcesses(WindowHandle target);
    // Notes the paste going out now: fetches before it are not its own.
    void pasteGoesOut();
    // Sorts the fetches since the last look into the target's and others'.
    void noteFetchers();
    // What the watched paste came to, the target being through with its keys.
    PasteFetch settledAnswer();
    // Notes what the target's text field holds before a paste, where it can
    // be read, to judge the paste by when only another program was seen to
    // read the text.
    void witnessField(WindowHandle field);
    PasteFetch judgeByField();
    void resumeShortcuts();

    Win32Api &api;
    // Our shortcuts stepped aside for a paste chord until its text is fetched.
    bool m_hotkeysSuspended = false;
    std::function<void(int id)> m_onLost;
    // Picks the presses of our registrations out of Qt's native events.
    class PressWatch final : public QAbstractNativeEventFilter
    {
    public:
        explicit PressWatch(Win32Services &services) : services(services) {}
        bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

    private:
        Win32Services &services;
    };
    PressWatch m_pressWatch{*this};
    bool m_watchingPresses = false;
    std::function<void(int id)> m_onPress;
    // The ids registered through this service: a hot key registered on our
    // windows by anything else is left to Qt.
    QSet<int> m_registeredIds;
    bool m_keyboardHeld = false;
    // The text offered for the paste under way, as the clipboard holds it.
    QString m_offered;
    // The paste under way, from its paste key (or WM_PASTE) until it has
    // been judged: looked at again while it is still on its way.
    struct PasteWatch
    {
        bool active = false;
        WindowHandle target = 0;
        QVector<quint32> group;
        int fetchesBefore = 0; // fetches made before the paste went out
        int seen = 0;          // fetches sorted so far
        bool byTarget = false;
        bool byOthers = false;
        int quiet = 0; // answers at once in a row
    };
    PasteWatch m_watch;
    struct Witness
    {
        WindowHandle field = 0;
        QString className;
        QString text;
        int start = 0;
        int end = 0;
    };
    Witness m_witness;

protected:
    KeyStream *m_keyStream = nullptr;
};

// The Win32 algorithms themselves, for their tests.
namespace Win32Road {
// True when the window's process must be treated as more privileged than ours.
bool isTargetElevated(Win32Api &api, WindowHandle window);
// Brings window to the foreground; true when it is there afterwards. Asked
// plainly first (Windows then activates it without waiting for it); only
// when that is refused with our thread's input attached to its thread,
// which makes the activation wait for the window, so only for one that
// answers.
bool forceForeground(Win32Api &api, WindowHandle window);
bool isTextControl(Win32Api &api, WindowHandle window);
// The standard text control that should receive the text, or 0: the target
// itself, or the control that has the keyboard focus in its thread.
WindowHandle findTextControl(Win32Api &api, WindowHandle target);
// Types text as Unicode key events, TypingChunk code units per batch;
// returns how many code units went out whole (text.size() when all did).
int typeUnicode(Win32Api &api, const QString &text);
} // namespace Win32Road
