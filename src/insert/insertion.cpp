#include "insert/insertion.h"

#include "base/textconvert.h"
#include "insert/abbreviations.h"

#include <QTextBoundaryFinder>

#include <functional>
#include <optional>

using namespace Insertion;

namespace {

// Any character a key would act on rather than write (a line break is Enter,
// a tab completes in a shell).
bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return true;
    }
    return false;
}

InsertOutcome outcomeOf(ControlRefusal refusal)
{
    switch (refusal) {
    case ControlRefusal::NotResponding:
        return InsertOutcome::NotResponding;
    case ControlRefusal::Unanswered:
        return InsertOutcome::MayStillArrive;
    case ControlRefusal::ReadOnly:
        return InsertOutcome::ReadOnlyField;
    case ControlRefusal::Password:
        return InsertOutcome::PasswordField;
    case ControlRefusal::SingleLine:
        return InsertOutcome::SingleLineField;
    case ControlRefusal::NotAccepted:
        break;
    }
    return InsertOutcome::NotAccepted;
}

// Puts the backup back, again while another program holds the clipboard
// open: the copy is kept and tried for RestoreWaitMs before the loss is told.
void restore(Desktop &desktop, const ClipboardBackup &backup, InsertResult *result)
{
    Clock &clock = desktop.clock();
    const quint32 start = clock.tickCount();
    ClipboardRestore r = desktop.clipboard().restoreClipboard(backup);
    while (r == ClipboardRestore::Busy &&
           quint32(clock.tickCount() - start) < quint32(RestoreWaitMs)) {
        clock.sleep(RestoreRetryMs);
        r = desktop.clipboard().restoreClipboard(backup);
    }
    // Content the user copied while the phrase went in is newer than the
    // backup: it stays, and the older content is no loss to report.
    if (r == ClipboardRestore::Superseded)
        return;
    // Added to what the result says already (an earlier paste's content put
    // back just before).
    int lost = backup.lostFormats();
    if (r == ClipboardRestore::Partly)
        lost = qMax(1, lost);
    result->clipboardLostFormats = qMax(result->clipboardLostFormats, lost);
    result->clipboardNotRestored = result->clipboardNotRestored || r == ClipboardRestore::Busy ||
                                   r == ClipboardRestore::Failed;
}

// Keys reach the window in front: only while the target is there. A window
// system that does not say which window is in front cannot be asked.
bool targetInFront(Desktop &desktop, WindowHandle target)
{
    if (!target)
        return true;
    const WindowHandle front = desktop.targets().foregroundWindow();
    return front == target || (front == 0 && !desktop.abilities().windowsKnown);
}

// The last n characters of text, a character being what one Left press
// crosses.
QString tailOf(const QString &text, int n)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.toEnd();
    int from = text.size();
    for (int i = 0; i < n && from > 0; ++i)
        from = qMax(0, finder.toPreviousBoundary());
    return text.mid(from);
}

// The suffix and the caret keys after a text that went in by keys: each
// batch right after the keys were seen up, and only into the target.
void sendExtras(Desktop &desktop, WindowHandle target, const InsertExtras &extras,
                InsertResult *result)
{
    int back = extras.caretBack;
    if (extras.suffix.isEmpty() && back <= 0) {
        result->extrasDone = true;
        return;
    }
    if (!waitForKeysReleased(desktop, extras.triggerKeys) || !targetInFront(desktop, target))
        return;
    KeyboardOutput &keyboard = desktop.keyboard();
    if (!extras.suffix.isEmpty()) {
        if (!typeExactly(keyboard, extras.suffix))
            return;
        if (back > 0)
            back += AbbreviationText::eraseCount(extras.suffix);
    }
    if (back > 0) {
        if (!waitForKeysReleased(desktop, extras.triggerKeys) || !targetInFront(desktop, target))
            return;
        const int pressed = keyboard.pressKey(EditKey::Left, back);
        result->caretMoved = pressed > 0;
        if (pressed != back)
            return;
    }
    result->extrasDone = true;
}

// While an earlier paste still waits for its window, the clipboard holds
// its text, which that window would paste as soon as it gets to it: nothing
// else goes there. One more look first: it may be through now.
bool earlierPasteWaits(Desktop &desktop, ClipboardKeeper *keeper, InsertResult *result)
{
    if (!keeper || !keeper->waiting() || keeper->poll(desktop, result))
        return false;
    result->outcome = InsertOutcome::EarlierPasteWaiting;
    return true;
}

// A program more privileged than ours drops our messages and keys without a
// sign: the user gets the text on the clipboard to paste there, in place of
// what the clipboard held.
InsertResult leaveOnClipboard(Desktop &desktop, const QString &text, ClipboardKeeper *keeper)
{
    InsertResult result;
    if (earlierPasteWaits(desktop, keeper, &result))
        return result;
    if (desktop.clipboard().putText(text, ClipboardOffer::ForUser) == ClipboardPut::Put)
        result.outcome = InsertOutcome::LeftOnClipboard;
    return result;
}

// Types the whole text or reports why not; nothing else is tried.
InsertResult typeOnly(Desktop &desktop, const QString &text, bool terminal)
{
    InsertResult result;
    const QString typing = TextConvert::toTypingText(TextConvert::toCrlf(text));
    if (!typing.isEmpty() && !(terminal && hasControlCharacter(typing)) &&
        typeExactly(desktop.keyboard(), typing))
        result.outcome = InsertOutcome::Delivered;
    return result;
}

// Whether the field the keys would reach refuses the text (*why), asked of
// the window once it is in front: a password's text cannot be checked, a
// read-only field would drop it.
bool fieldRefuses(Desktop &desktop, WindowHandle window, InsertOutcome *why)
{
    switch (desktop.caret().focusedField(window)) {
    case FieldKind::Password:
        *why = InsertOutcome::PasswordField;
        return true;
    case FieldKind::ReadOnly:
        *why = InsertOutcome::ReadOnlyField;
        return true;
    case FieldKind::Unknown:
    case FieldKind::Text:
    // The user chose this phrase for this window: a program slow to say
    // what its field is gives no sign that the field is a password one.
    case FieldKind::Unanswered:
        break;
    }
    return false;
}

// Only the control that has the focus takes the text by message: never
// another child of the same window. The user's road may rule the message
// out, and so do keys of ours that must come first (a message overtakes
// them). True when that settled it (*result); *control is the control found
// either way, for a paste by message.
bool settledByMessage(Desktop &desktop, const QString &text, WindowHandle target,
                      const InsertPlan &plan, const InsertExtras &extras, WindowHandle *control,
                      InsertResult *result)
{
    const bool automatic = plan.method == InsertMethod::Automatic;
    TextControls *controls =
        automatic && !plan.keysOnly && extras.suffix.isEmpty() ? desktop.textControls() : nullptr;
    *control = controls ? controls->focusedControl(target) : 0;
    if (!*control)
        return false;
    ControlRefusal refusal = ControlRefusal::NotAccepted;
    switch (controls->insertByMessage(*control, text, &refusal)) {
    case ControlInsert::Done:
        result->outcome = InsertOutcome::Delivered;
        // The caret goes where {cursor} stood by message too: no key that a
        // held modifier could turn into a command.
        result->extrasDone = extras.caretBack <= 0 ||
                             controls->placeCaretBefore(*control, tailOf(text, extras.caretBack));
        result->caretMoved = extras.caretBack > 0 && result->extrasDone;
        return true;
    case ControlInsert::Refused:
        result->outcome = outcomeOf(refusal);
        return true;
    case ControlInsert::Unchanged:
        break;
    }
    return false;
}

// The automatic road once the keys reach the target: a short line the
// keyboard can give exactly is typed, anything else pasted.
InsertResult typeOrPaste(Desktop &desktop, const QString &text, WindowHandle target,
                         WindowHandle control, const InsertPlan &plan, const InsertExtras &extras)
{
    InsertResult result;
    const bool shortLine = text.size() <= TypingLimit && !text.contains(QLatin1Char('\n')) &&
                           !text.contains(QLatin1Char('\r'));
    // Typing is decided for the whole text before its first key: a text the
    // keyboard cannot give exactly is pasted, not typed half wrong. Nothing
    // a key would act on is typed into a terminal.
    KeyboardOutput &keyboard = desktop.keyboard();
    const QString typing = TextConvert::toTypingText(text);
    int typed = 0;
    if (shortLine && !typing.isEmpty() && !(plan.terminal && hasControlCharacter(typing)) &&
        keyboard.canTypeExactly(typing)) {
        typed = keyboard.typeText(typing);
        if (typed == typing.size())
            result.outcome = InsertOutcome::Delivered;
    }
    // Part of it is there, and a paste would put it there twice.
    if (typed == 0)
        result = pasteViaClipboard(desktop, text, target, control, plan.pasteKey,
                                   extras.triggerKeys, extras.keeper);
    return result;
}

} // namespace

InsertResult insertText(Desktop &desktop, const QString &text, WindowHandle target,
                        const InsertPlan &plan, const InsertExtras &extras)
{
    InsertResult result;
    if (text.isEmpty())
        return result;
    if (plan.method == InsertMethod::Never) {
        result.outcome = InsertOutcome::NotHere;
        return result;
    }
    TargetService &targets = desktop.targets();
    bool inFront = true;
    if (target) {
        // A program that does not take messages would take our keys, and
        // hold us, whenever it wakes: nothing goes to it.
        if (!targets.isResponding(target)) {
            result.outcome = InsertOutcome::NotResponding;
            return result;
        }
        inFront = targets.bringToFront(target);
        if (targets.isMorePrivileged(target))
            return leaveOnClipboard(desktop, text, extras.keeper);
    }
    if (fieldRefuses(desktop, target ? target : targets.foregroundWindow(), &result.outcome))
        return result;
    WindowHandle control = 0;
    if (settledByMessage(desktop, text, target, plan, extras, &control, &result))
        return result;

    // Keys go to the window in front: when the target could not be brought
    // there, they would land in another one.
    if (!inFront)
        return result;
    targets.settle(target, SettleMs);
    if (!waitForKeysReleased(desktop, extras.triggerKeys)) {
        result.outcome = InsertOutcome::KeysHeld;
        return result;
    }
    if (!targetInFront(desktop, target))
        return result;
    if (plan.method == InsertMethod::TypeOnly) {
        result = typeOnly(desktop, text, plan.terminal);
    } else if (plan.method != InsertMethod::Automatic) {
        result = pasteViaClipboard(desktop, text, target, 0, plan.pasteKey, extras.triggerKeys,
                                   extras.keeper);
    } else {
        result = typeOrPaste(desktop, text, target, control, plan, extras);
    }
    if (result.delivered())
        sendExtras(desktop, target, extras, &result);
    return result;
}

bool typeExactly(KeyboardOutput &keyboard, const QString &text)
{
    return text.isEmpty() ||
           (keyboard.canTypeExactly(text) && keyboard.typeText(text) == text.size());
}

namespace {
bool waitUntilUp(Desktop &desktop, const std::function<bool()> &held)
{
    Clock &clock = desktop.clock();
    KeyboardOutput &keyboard = desktop.keyboard();
    const quint32 start = clock.tickCount();
    while (held()) {
        if (quint32(clock.tickCount() - start) >= quint32(KeyReleaseWaitMs))
            return false;
        keyboard.waitForKeyEvent(KeyPollMs);
    }
    return true;
}
} // namespace

bool waitForKeysReleased(Desktop &desktop)
{
    KeyboardOutput &keyboard = desktop.keyboard();
    return waitUntilUp(desktop, [&] { return keyboard.isAnyKeyDown(true); });
}

bool waitForKeysReleased(Desktop &desktop, const QVector<int> &keys)
{
    KeyboardOutput &keyboard = desktop.keyboard();
    return waitUntilUp(desktop, [&] { return keyboard.areKeysDown(keys); });
}

namespace {

// Puts the text on the clipboard in place of the user's content (backup).
// False, with result's outcome, when it is not there; the user's content is
// back then.
bool offerForPaste(Desktop &desktop, const QString &text, bool primary,
                   const ClipboardBackup &backup, InsertResult *result)
{
    switch (desktop.clipboard().putText(text, primary ? ClipboardOffer::ForPasteWithPrimary
                                                      : ClipboardOffer::ForPaste)) {
    case ClipboardPut::Put:
        break;
    case ClipboardPut::Untouched:
        result->outcome = InsertOutcome::ClipboardUnavailable;
        return false; // the user's clipboard is still there
    case ClipboardPut::Failed:
        // The clipboard may be empty now: the user's content goes back
        // rather than stay lost.
        restore(desktop, backup, result);
        result->outcome = InsertOutcome::ClipboardUnavailable;
        return false;
    }
    return true;
}

// Pastes by message into the control, or with the paste key into the target
// (*pastedInto), and waits for it to fetch the text. Nothing, with result's
// outcome, when the paste could not be sent; the user's content is back then.
std::optional<PasteFetch> sendPaste(Desktop &desktop, WindowHandle target, WindowHandle control,
                                    PasteKey key, const QVector<int> &triggerKeys,
                                    const ClipboardBackup &backup, WindowHandle *pastedInto,
                                    InsertResult *result)
{
    ClipboardService &clipboard = desktop.clipboard();
    TextControls *controls = desktop.textControls();
    *pastedInto = target;
    if (control && controls) {
        // Not answered in time, the message is still in the control's queue,
        // and it pastes whatever the clipboard holds once it gets to it: it
        // is waited for as a paste key would be, never taken for a refusal.
        controls->pasteClipboard(control);
        *pastedInto = control;
        return clipboard.awaitFetched(control, PasteSettleMs);
    }
    if (!waitForKeysReleased(desktop, triggerKeys)) {
        // Reading the user's content may have taken a while (a program
        // that renders it late): the keys are checked again right before
        // the chord, whose own Ctrl would otherwise meet the user's keys.
        restore(desktop, backup, result);
        result->outcome = InsertOutcome::KeysHeld;
        return std::nullopt;
    }
    if (!targetInFront(desktop, target)) {
        restore(desktop, backup, result);
        return std::nullopt;
    }
    if (clipboard.sendPasteKey(target, key))
        return clipboard.awaitFetched(target, PasteSettleMs);
    return PasteFetch::NotFetched;
}

// What a paste sent came to. The user's content goes back, unless our paste
// is still on its way: then the user's content would be what the target
// pastes, and the keeper holds it until the target has taken the paste, or
// given up.
void settlePaste(Desktop &desktop, PasteFetch fetch, std::unique_ptr<ClipboardBackup> backup,
                 WindowHandle pastedInto, ClipboardKeeper *keeper, InsertResult *result)
{
    if (fetch == PasteFetch::Pending) {
        result->outcome = InsertOutcome::PasteQueued;
        if (keeper) {
            keeper->keep(std::move(backup), pastedInto, desktop.clock().tickCount());
        } else {
            result->clipboardLostFormats =
                qMax(result->clipboardLostFormats, backup->lostFormats());
            result->clipboardNotRestored = true;
        }
        return;
    }
    restore(desktop, *backup, result);
    switch (fetch) {
    case PasteFetch::Fetched:
        result->outcome = InsertOutcome::Delivered;
        break;
    case PasteFetch::Unsure:
        result->outcome = InsertOutcome::MayHaveArrived;
        break;
    case PasteFetch::NotFetched:
    case PasteFetch::Pending:
        break;
    }
}

} // namespace

InsertResult pasteViaClipboard(Desktop &desktop, const QString &text, WindowHandle target,
                               WindowHandle control, PasteKey key, const QVector<int> &triggerKeys,
                               ClipboardKeeper *keeper)
{
    InsertResult result;
    if (earlierPasteWaits(desktop, keeper, &result))
        return result;
    // Without a copy of the user's content the clipboard is not touched.
    // Shift+Insert pastes PRIMARY in X terminals: that is offered, and kept, too.
    const bool primary = key == PasteKey::ShiftInsert;
    std::unique_ptr<ClipboardBackup> backup = desktop.clipboard().backupClipboard(primary);
    if (!backup) {
        result.outcome = InsertOutcome::ClipboardUnavailable;
        return result;
    }
    if (!offerForPaste(desktop, text, primary, *backup, &result))
        return result;
    WindowHandle pastedInto = target;
    const std::optional<PasteFetch> fetch =
        sendPaste(desktop, target, control, key, triggerKeys, *backup, &pastedInto, &result);
    if (fetch)
        settlePaste(desktop, *fetch, std::move(backup), pastedInto, keeper, &result);
    return result;
}

ClipboardKeeper::ClipboardKeeper() = default;
ClipboardKeeper::~ClipboardKeeper() = default;

void ClipboardKeeper::keep(std::unique_ptr<ClipboardBackup> backup, WindowHandle target,
                           quint32 now)
{
    m_backup = std::move(backup);
    m_target = target;
    m_since = now;
    m_restoring = false;
}

bool ClipboardKeeper::poll(Desktop &desktop, InsertResult *result)
{
    if (!m_backup)
        return true;
    ClipboardService &clipboard = desktop.clipboard();
    const quint32 now = desktop.clock().tickCount();
    if (!m_restoring) {
        if (clipboard.checkFetched(m_target) == PasteFetch::Pending) {
            if (quint32(now - m_since) < quint32(LimitMs))
                return false;
            // Given up: the text stays for the paste that may still come.
            result->clipboardLostFormats = m_backup->lostFormats();
            result->clipboardNotRestored = true;
            m_backup.reset();
            return true;
        }
        m_restoring = true;
        m_restoreSince = now;
    }
    // Another program holding the clipboard open is waited for as a restore
    // right after the paste waits for it, a look at a time.
    const ClipboardRestore r = clipboard.restoreClipboard(*m_backup);
    if (r == ClipboardRestore::Busy && quint32(now - m_restoreSince) < quint32(RestoreWaitMs))
        return false;
    if (r != ClipboardRestore::Superseded) {
        result->clipboardLostFormats = m_backup->lostFormats();
        if (r == ClipboardRestore::Partly)
            result->clipboardLostFormats = qMax(1, result->clipboardLostFormats);
        result->clipboardNotRestored = r == ClipboardRestore::Busy || r == ClipboardRestore::Failed;
    }
    m_backup.reset();
    return true;
}
