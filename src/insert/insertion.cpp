#include "insert/insertion.h"

#include "insert/textconvert.h"

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

// Puts the backup back, again while another program holds the clipboard open.
void restore(Desktop &desktop, const ClipboardBackup &backup, InsertResult *result)
{
    ClipboardRestore r = ClipboardRestore::Busy;
    for (int attempt = 0; attempt < RestoreAttempts && r == ClipboardRestore::Busy; ++attempt) {
        if (attempt > 0)
            desktop.clock().sleep(RestoreRetryMs);
        r = desktop.clipboard().restoreClipboard(backup);
    }
    result->clipboardLostFormats = backup.lostFormats();
    if (r == ClipboardRestore::Partly)
        result->clipboardLostFormats = qMax(1, result->clipboardLostFormats);
    result->clipboardNotRestored = r == ClipboardRestore::Busy || r == ClipboardRestore::Failed;
}

// A program more privileged than ours drops our messages and keys without a
// sign: the user gets the text on the clipboard to paste there.
InsertResult leaveOnClipboard(Desktop &desktop, const QString &text)
{
    InsertResult result;
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

} // namespace

InsertResult insertText(Desktop &desktop, const QString &text, WindowHandle target,
                        const InsertRoad &road)
{
    InsertResult result;
    if (text.isEmpty())
        return result;
    if (road.road == AppRoad::Never) {
        result.outcome = InsertOutcome::NotHere;
        return result;
    }
    TargetService &targets = desktop.targets();
    bool inFront = true;
    if (target) {
        inFront = targets.bringToFront(target);
        if (targets.isMorePrivileged(target))
            return leaveOnClipboard(desktop, text);
    }
    // Asked of the window the keys would reach, once it is in front: a
    // password's text cannot be checked, a read-only field would drop it.
    switch (desktop.caret().focusedField(target ? target : targets.foregroundWindow())) {
    case FieldKind::Password:
        result.outcome = InsertOutcome::PasswordField;
        return result;
    case FieldKind::ReadOnly:
        result.outcome = InsertOutcome::ReadOnlyField;
        return result;
    case FieldKind::Unknown:
    case FieldKind::Text:
        break;
    }

    // Only the control that has the focus takes the text: never another
    // child of the same window. The user's road may rule the message out.
    const bool automatic = road.road == AppRoad::Automatic;
    TextControls *controls = automatic && !road.keysOnly ? desktop.textControls() : nullptr;
    const WindowHandle control = controls ? controls->focusedControl(target) : 0;
    if (control) {
        ControlRefusal refusal = ControlRefusal::NotAccepted;
        switch (controls->insertByMessage(control, text, &refusal)) {
        case ControlInsert::Done:
            result.outcome = InsertOutcome::Delivered;
            return result;
        case ControlInsert::Refused:
            result.outcome = outcomeOf(refusal);
            return result;
        case ControlInsert::Unchanged:
            break;
        }
    }

    // Keys go to the window in front: when the target could not be brought
    // there, they would land in another one.
    if (!inFront)
        return result;
    targets.settle(target, SettleMs);
    if (!waitForKeysReleased(desktop)) {
        result.outcome = InsertOutcome::KeysHeld;
        return result;
    }
    if (road.road == AppRoad::TypeOnly)
        return typeOnly(desktop, text, road.terminal);
    if (!automatic)
        return pasteViaClipboard(desktop, text, target, 0, road.pasteKey);

    const bool shortLine = text.size() <= TypingLimit && !text.contains(QLatin1Char('\n')) &&
                           !text.contains(QLatin1Char('\r'));
    // Typing is decided for the whole text before its first key: a text the
    // keyboard cannot give exactly is pasted, not typed half wrong. Nothing a
    // key would act on is typed into a terminal.
    KeyboardOutput &keyboard = desktop.keyboard();
    const QString typing = TextConvert::toTypingText(text);
    if (shortLine && !typing.isEmpty() && !(road.terminal && hasControlCharacter(typing)) &&
        keyboard.canTypeExactly(typing)) {
        const int typed = keyboard.typeText(typing);
        if (typed == typing.size()) {
            result.outcome = InsertOutcome::Delivered;
            return result;
        }
        // Part of it is there, and a paste would put it there twice.
        if (typed > 0)
            return result;
    }
    return pasteViaClipboard(desktop, text, target, control, road.pasteKey);
}

bool typeExactly(KeyboardOutput &keyboard, const QString &text)
{
    return text.isEmpty() ||
           (keyboard.canTypeExactly(text) && keyboard.typeText(text) == text.size());
}

bool waitForKeysReleased(Desktop &desktop)
{
    Clock &clock = desktop.clock();
    const quint32 start = clock.tickCount();
    while (desktop.keyboard().isAnyKeyDown(true)) {
        if (quint32(clock.tickCount() - start) >= quint32(KeyReleaseWaitMs))
            return false;
        desktop.keyboard().waitForKeyEvent(KeyPollMs);
    }
    return true;
}

InsertResult pasteViaClipboard(Desktop &desktop, const QString &text, WindowHandle target,
                               WindowHandle control, PasteKey key)
{
    InsertResult result;
    ClipboardRoad &clipboard = desktop.clipboard();
    // Without a copy of the user's content the clipboard is not touched.
    // Shift+Insert pastes PRIMARY in X terminals: that is offered, and kept, too.
    const bool primary = key == PasteKey::ShiftInsert;
    const std::unique_ptr<ClipboardBackup> backup = clipboard.backupClipboard(primary);
    if (!backup)
        return result;

    switch (clipboard.putText(text, primary ? ClipboardOffer::ForPasteWithPrimary
                                            : ClipboardOffer::ForPaste)) {
    case ClipboardPut::Put:
        break;
    case ClipboardPut::Untouched:
        return result; // the user's clipboard is still there
    case ClipboardPut::Failed:
        // The clipboard may be empty now: the user's content goes back
        // rather than stay lost.
        restore(desktop, *backup, &result);
        return result;
    }

    TextControls *controls = desktop.textControls();
    PasteFetch fetch = PasteFetch::NotFetched;
    if (control && controls) {
        if (controls->pasteClipboard(control))
            fetch = clipboard.awaitFetched(control, PasteSettleMs);
    } else if (clipboard.sendPasteKey(target, key)) {
        fetch = clipboard.awaitFetched(target, PasteSettleMs);
    }
    restore(desktop, *backup, &result);
    switch (fetch) {
    case PasteFetch::Fetched:
        result.outcome = InsertOutcome::Delivered;
        break;
    case PasteFetch::Unsure:
        result.outcome = InsertOutcome::MayHaveArrived;
        break;
    case PasteFetch::NotFetched:
        break;
    }
    return result;
}
