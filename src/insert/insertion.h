#pragma once

// Puts a phrase's text into another program's window: by message to a
// standard text control where the window system has them, by typing, or by
// clipboard paste with the user's clipboard put back afterwards. The text lands exactly, once,
// or the result says why it did not; nothing is reported as delivered that
// was not seen to be. Stateless; runs on the GUI thread and waits there.

#include "insert/insertplans.h"
#include "platform/desktop.h"

#include <QString>
#include <QVector>

#include <memory>

namespace Insertion {
constexpr int TypingLimit = 400; // longest text (UTF-16 units) that is typed
constexpr int SettleMs = 50;     // after bringing the target forward
// Keys are sent only once every key of the shortcut is up: a held modifier
// would turn typed letters into commands, and a key-up sent for a key the
// user still holds would turn the key's repeats, or the next shortcut, into
// plain typing. After this long the insertion gives up.
constexpr int KeyReleaseWaitMs = 5000;
constexpr int KeyPollMs = 10;
// After the target fetched the text, before the user's content comes back.
constexpr int PasteSettleMs = 50;
// Putting the user's content back while another program holds the
// clipboard open (the target still reading, a clipboard manager): tried
// again this often, for at least this long, the copy kept all the while.
constexpr int RestoreRetryMs = 25;
constexpr int RestoreWaitMs = 5000;
} // namespace Insertion

enum class InsertOutcome
{
    Delivered,
    NotAccepted,          // the text did not arrive, or not whole (undone where it could be)
    NotResponding,        // the target did not answer in time; nothing more was sent
    ReadOnlyField,        // refused: the focused text field is read-only
    PasswordField,        // refused: a password field, whose text cannot be checked
    SingleLineField,      // refused: several lines for a field that takes one
    KeysHeld,             // the shortcut's keys stayed down: nothing was sent
    LeftOnClipboard,      // a more privileged target: the text is on the clipboard to paste
    NotHere,              // the user's rule says nothing goes into this application
    MayHaveArrived,       // pasted, but only another program was seen to read the text:
                          // the user looks, rather than be told it failed and paste twice
    ClipboardUnavailable, // the clipboard could not be had or read: nothing was pasted
    PasteQueued,          // the target has not yet taken our paste key and still may: the
                          // text stays on the clipboard for it
    MayStillArrive,       // the target did not answer our message in time and may still
                          // act on it: nothing more was sent
    EarlierPasteWaiting,  // an earlier paste still waits for its window to take it: the
                          // clipboard holds that text, nothing was pasted
};

struct InsertResult
{
    InsertOutcome outcome = InsertOutcome::NotAccepted;
    // Formats of the user's clipboard content that could not be kept through
    // a paste, and whether the content could not be put back at all.
    int clipboardLostFormats = 0;
    bool clipboardNotRestored = false;
    // The suffix and the caret keys of InsertExtras went out (or were not
    // asked for); false when the text is in but they could not follow.
    bool extrasDone = false;
    // The caret is no longer at the end of what was inserted.
    bool caretMoved = false;

    bool delivered() const { return outcome == InsertOutcome::Delivered; }
};

class ClipboardKeeper;

// What goes with a phrase's text.
struct InsertExtras
{
    // Typed after the text: what the user typed after an abbreviation,
    // which would have landed there.
    QString suffix;
    // The caret goes back over the last caretBack characters of the text
    // (what one Left press crosses), and over the suffix: where {cursor}
    // stood.
    int caretBack = 0;
    // The keys of the shortcut that asked for the text, its modifiers aside
    // (Windows virtual-key codes): nothing is sent while one of them or a
    // modifier is held. Empty (a command, a click): the modifiers alone.
    // Backends that cannot ask for single keys wait for every key.
    QVector<int> triggerKeys;
    // Keeps the user's clipboard content when a paste is still on its way
    // as insertText returns, and puts it back later; while it still waits,
    // nothing else is put on the clipboard (the text there is the earlier
    // paste's). Null: such content is given up, and the result says so.
    ClipboardKeeper *keeper = nullptr;
};

// The user's clipboard content while a paste of ours is still on its way
// (the target has not yet taken our paste key, and still may): it goes back
// once the target has taken the key, or once the clipboard no longer holds
// our text; at most LimitMs later it is given up, the text left on the
// clipboard for the paste still to come, and the user told. Nothing here
// waits: the owner (the dispatcher, which outlives the insertion) looks again
// every PollMs from its event loop, never while an insertion is under way.
class ClipboardKeeper
{
public:
    static constexpr int PollMs = 100;
    static constexpr int LimitMs = 30000;

    ClipboardKeeper();
    ~ClipboardKeeper();
    ClipboardKeeper(const ClipboardKeeper &) = delete;
    ClipboardKeeper &operator=(const ClipboardKeeper &) = delete;

    bool waiting() const { return m_backup != nullptr; }
    // Takes the backup of a paste into target (as awaitFetched was asked
    // about it) that answered Pending, at the clock's time now.
    void keep(std::unique_ptr<ClipboardBackup> backup, WindowHandle target, quint32 now);
    // One look: true once done (or when nothing was kept), with what became
    // of the user's content in result's clipboard fields; false while it
    // still waits.
    bool poll(Desktop &desktop, InsertResult *result);

private:
    std::unique_ptr<ClipboardBackup> m_backup;
    WindowHandle m_target = 0;
    quint32 m_since = 0;
    bool m_restoring = false; // the target is through; the clipboard was busy
    quint32 m_restoreSince = 0;
};

// An empty text sends nothing and is not delivered. plan is the target
// application's (InsertPlans::resolve): Automatic tries the message to a text
// control, then typing, then a paste; Type only types or fails; a paste method
// pastes with its key; Never sends nothing. Whatever the method, nothing goes
// into a focused field the window system names read-only or a password field.
// Every key goes out only once the keys the user holds are up, checked
// right before it, and only while target is in front.
InsertResult insertText(Desktop &desktop, const QString &text, WindowHandle target,
                        const InsertPlan &plan = InsertPlan(),
                        const InsertExtras &extras = InsertExtras());
// Types text when the keyboard gives every character of it exactly; true
// when all of it went out (an empty text needs nothing).
bool typeExactly(KeyboardOutput &keyboard, const QString &text);
// Waits until no key is held, neither a modifier nor another key, at most
// KeyReleaseWaitMs; false when keys are still down then. Never sends a key.
bool waitForKeysReleased(Desktop &desktop);
// The same for the modifiers and keys alone (KeyboardOutput::areKeysDown);
// with no keys, for the modifiers alone.
bool waitForKeysReleased(Desktop &desktop, const QVector<int> &keys);
// Offers text on the clipboard, pastes it into target (by message to control
// where there is one, else with the key: Shift+Insert pastes the primary
// selection on X11, which is offered too) and puts the user's content back
// once the target has fetched the text and is through with its keys; while
// the paste is still on its way, keeper (when given) keeps that content.
// The paste key goes out only once the keys are up (see
// waitForKeysReleased), checked right before it.
InsertResult pasteViaClipboard(Desktop &desktop, const QString &text, WindowHandle target,
                               WindowHandle control, PasteKey key = PasteKey::CtrlV,
                               const QVector<int> &triggerKeys = QVector<int>(),
                               ClipboardKeeper *keeper = nullptr);
