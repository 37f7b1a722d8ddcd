#include "insert/insertion.h"

#include "insert/targetwindow.h"
#include "insert/textcontrolclass.h"
#include "insert/textconvert.h"

using namespace Insertion;

namespace {

constexpr quint16 VkShift = 0x10;
constexpr quint16 VkControl = 0x11;
constexpr quint16 VkInsert = 0x2D;
constexpr quint16 VkV = 0x56;
constexpr int ModControl = 0x2; // MOD_CONTROL
constexpr int ModShift = 0x4;   // MOD_SHIFT

bool isScintilla(const QString &name)
{
    return TextControlClass::isScintillaClassName(reinterpret_cast<const char16_t *>(name.utf16()),
                                                  std::size_t(name.size()));
}

// A RichEdit from version 2.0 on keeps a paragraph break as one CR and counts
// it as one unit in its selection, while its WM_GETTEXT gives CR LF. The
// plain EDIT and the RichEdit 1.0 class ("RichEdit") count both characters.
bool countsBreakAsOne(const QString &className)
{
    return className.startsWith(QLatin1String("richedit"), Qt::CaseInsensitive) &&
           className.compare(QLatin1String("richedit"), Qt::CaseInsensitive) != 0;
}

int unitsOf(const QString &text, bool breakAsOne)
{
    return breakAsOne ? text.size() - text.count(QLatin1String("\r\n")) : text.size();
}

// The index in text (as WM_GETTEXT gives it) of the control's position unit.
int indexOfUnit(const QString &text, int unit, bool breakAsOne)
{
    if (!breakAsOne)
        return qBound(0, unit, text.size());
    int i = 0;
    for (int u = 0; u < unit && i < text.size(); ++u)
        i += (text.at(i) == QLatin1Char('\r') && i + 1 < text.size() &&
              text.at(i + 1) == QLatin1Char('\n'))
                 ? 2
                 : 1;
    return i;
}

enum class Direct
{
    Done,      // the control holds exactly the text where the selection was
    Unchanged, // the control ignored the message: nothing landed
    Refused,   // not tried, or tried and undone: see the outcome
};

// What the control holds before and after is the only proof a message
// road has: EM_REPLACESEL answers nothing, a limited field takes part of the
// text, a read-only one may take all of it. Everything but the selection must
// be as it was, the selection replaced by the text, the caret after it.
Direct insertDirect(Desktop &desktop, WindowHandle control, const QString &className,
                    const QString &text, InsertOutcome *refusal)
{
    TextFieldTraits traits;
    if (!desktop.textFieldTraits(control, &traits))
        return Direct::Unchanged; // gone: the keys go where the focus is now
    const QString converted = TextConvert::toCrlf(text);
    *refusal = InsertOutcome::NotResponding;
    if (traits.readOnly) {
        *refusal = InsertOutcome::ReadOnlyField;
        return Direct::Refused;
    }
    // Its text cannot be read back, so what landed could not be checked.
    if (traits.password) {
        *refusal = InsertOutcome::PasswordField;
        return Direct::Refused;
    }
    if (!traits.multiLine && converted.contains(QLatin1Char('\n'))) {
        *refusal = InsertOutcome::SingleLineField;
        return Direct::Refused;
    }

    const bool breakAsOne = countsBreakAsOne(className);
    QString before;
    int start = 0;
    int end = 0;
    if (!desktop.controlText(control, &before) || !desktop.selection(control, &start, &end))
        return Direct::Refused;
    // A RichEdit's select-all ends past the text, on its final paragraph mark.
    const int length = unitsOf(before, breakAsOne);
    const int from = qBound(0, qMin(start, end), length);
    const int to = qBound(0, qMax(start, end), length);
    if (!desktop.replaceSelection(control, converted))
        return Direct::Refused; // no answer: it may still act on it, so nothing more goes out

    QString after;
    int nowStart = 0;
    int nowEnd = 0;
    if (!desktop.controlText(control, &after) || !desktop.selection(control, &nowStart, &nowEnd))
        return Direct::Refused;
    if (after == before && nowStart == start && nowEnd == end)
        return Direct::Unchanged;
    const int caret = from + unitsOf(converted, breakAsOne);
    const QString expected = before.left(indexOfUnit(before, from, breakAsOne)) + converted +
                             before.mid(indexOfUnit(before, to, breakAsOne));
    if (after == expected && nowStart == caret && nowEnd == caret)
        return Direct::Done;

    // Part of the text, or something else: take it back, by the control's own
    // undo where that restores the text, else by setting the old text.
    *refusal = InsertOutcome::NotAccepted;
    QString undone;
    if (!desktop.undo(control) || !desktop.controlText(control, &undone) || undone != before) {
        desktop.setControlText(control, before);
    }
    desktop.setSelection(control, start, end);
    return Direct::Refused;
}

// The chord a paste key is: its modifiers (MOD_* and their keys) and its key.
struct Chord
{
    int mods;
    QVector<quint16> modifierKeys;
    quint16 key;
};

Chord chordOf(PasteKey key)
{
    switch (key) {
    case PasteKey::CtrlShiftV:
        return {ModControl | ModShift, {VkControl, VkShift}, VkV};
    case PasteKey::ShiftInsert:
        return {ModShift, {VkShift}, VkInsert};
    case PasteKey::CtrlV:
        break;
    }
    return {ModControl, {VkControl}, VkV};
}

// The chord's key events: the modifiers down, the key down and up, the
// modifiers up. Scan codes of the target's keyboard layout, with the virtual
// keys named too (Wine reads those); Insert is the extended key, not the
// keypad's 0.
QVector<KeyInput> chordKeys(Desktop &desktop, WindowHandle target, const Chord &chord)
{
    QVector<KeyInput> keys;
    for (quint16 vk : chord.modifierKeys)
        keys.append({vk, desktop.scanCodeForVirtualKey(vk, target), KeyFlag::ScanCode});
    const quint32 extended = chord.key == VkInsert ? KeyFlag::Extended : 0;
    const quint16 scan = desktop.scanCodeForVirtualKey(chord.key, target);
    keys.append({chord.key, scan, KeyFlag::ScanCode | extended});
    keys.append({chord.key, scan, KeyFlag::ScanCode | extended | KeyFlag::KeyUp});
    for (int i = chord.modifierKeys.size() - 1; i >= 0; --i)
        keys.append({chord.modifierKeys[i], keys[i].scan, KeyFlag::ScanCode | KeyFlag::KeyUp});
    return keys;
}

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

// Puts the backup back, again while another program holds the clipboard open.
void restore(Desktop &desktop, const ClipboardBackup &backup, InsertResult *result)
{
    ClipboardRestore r = ClipboardRestore::Busy;
    for (int attempt = 0; attempt < RestoreAttempts && r == ClipboardRestore::Busy; ++attempt) {
        if (attempt > 0)
            desktop.sleep(RestoreRetryMs);
        r = desktop.restoreClipboard(backup);
    }
    result->clipboardLostFormats = backup.lostFormats();
    if (r == ClipboardRestore::Partly)
        result->clipboardLostFormats = qMax(1, result->clipboardLostFormats);
    result->clipboardNotRestored = r == ClipboardRestore::Busy || r == ClipboardRestore::Failed;
}

bool openClipboard(Desktop &desktop)
{
    for (int attempt = 0; attempt < ClipboardAttempts; ++attempt) {
        if (desktop.openClipboard())
            return true;
        desktop.sleep(ClipboardRetryMs);
    }
    return false;
}

// A program more privileged than ours drops our messages and keys without a
// sign: the user gets the text on the clipboard to paste there.
InsertResult leaveOnClipboard(Desktop &desktop, const QString &text)
{
    InsertResult result;
    desktop.releaseOleClipboard();
    if (!openClipboard(desktop))
        return result;
    const bool set = desktop.emptyClipboard() &&
                     desktop.setClipboardText(TextConvert::toCrlf(text), ClipboardOffer::ForUser);
    desktop.closeClipboard();
    if (set)
        result.outcome = InsertOutcome::LeftOnClipboard;
    return result;
}

// Types the whole text or reports why not; nothing else is tried.
InsertResult typeOnly(Desktop &desktop, const QString &text, bool terminal)
{
    InsertResult result;
    const QString typing = TextConvert::toTypingText(TextConvert::toCrlf(text));
    if (typing.isEmpty() || (terminal && hasControlCharacter(typing)) ||
        !desktop.canTypeExactly(typing))
        return result;
    if (typeUnicode(desktop, typing) == typing.size())
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
    bool inFront = true;
    if (target) {
        inFront = forceForeground(desktop, target);
        if (isTargetElevated(desktop, target))
            return leaveOnClipboard(desktop, text);
    }

    // Only the control that has the focus takes the text: never another
    // child of the same window. The user's road may rule the message out.
    const bool automatic = road.road == AppRoad::Automatic;
    const WindowHandle control = automatic ? findTextControl(desktop, target) : 0;
    QString className;
    if (control && desktop.className(control, &className) && !isScintilla(className)) {
        InsertOutcome refusal = InsertOutcome::NotAccepted;
        switch (insertDirect(desktop, control, className, text, &refusal)) {
        case Direct::Done:
            result.outcome = InsertOutcome::Delivered;
            return result;
        case Direct::Refused:
            result.outcome = refusal;
            return result;
        case Direct::Unchanged:
            break;
        }
    }

    // Keys go to the window in front: when the target could not be brought
    // there, they would land in another one.
    if (!inFront)
        return result;
    desktop.settle(target, SettleMs);
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
    const QString typing = TextConvert::toTypingText(text);
    if (shortLine && !typing.isEmpty() && !(road.terminal && hasControlCharacter(typing)) &&
        desktop.canTypeExactly(typing)) {
        const int typed = typeUnicode(desktop, typing);
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

bool waitForKeysReleased(Desktop &desktop)
{
    const quint32 start = desktop.tickCount();
    for (;;) {
        bool down = desktop.isNonModifierKeyDown();
        for (quint16 vk : ModifierKeys)
            down = down || desktop.isKeyDown(vk);
        if (!down)
            return true;
        if (quint32(desktop.tickCount() - start) >= quint32(KeyReleaseWaitMs))
            return false;
        desktop.waitForKeyEvent(KeyPollMs);
    }
}

int typeUnicode(Desktop &desktop, const QString &text)
{
    for (int from = 0; from < text.size(); from += TypingChunk) {
        const int n = qMin(TypingChunk, text.size() - from);
        QVector<KeyInput> events;
        events.reserve(2 * n);
        for (int i = from; i < from + n; ++i) {
            const quint16 unit = text.at(i).unicode();
            events.append({0, unit, KeyFlag::Unicode});
            events.append({0, unit, KeyFlag::Unicode | KeyFlag::KeyUp});
        }
        const int accepted = desktop.sendInput(events);
        if (accepted != events.size())
            return from + (qMax(0, accepted) + 1) / 2; // a unit is typed by its key-down
    }
    return text.size();
}

InsertResult pasteViaClipboard(Desktop &desktop, const QString &text, WindowHandle target,
                               WindowHandle control, PasteKey key)
{
    InsertResult result;
    // Without a copy of the user's content the clipboard is not touched.
    // Shift+Insert pastes PRIMARY in X terminals: that is offered, and kept, too.
    const bool primary = key == PasteKey::ShiftInsert;
    const std::unique_ptr<ClipboardBackup> backup = desktop.backupClipboard(primary);
    if (!backup)
        return result;
    const QString converted = TextConvert::toCrlf(text);

    desktop.releaseOleClipboard();
    if (!openClipboard(desktop))
        return result; // nothing was touched: the user's clipboard is still there
    const bool emptied = desktop.emptyClipboard();
    if (!desktop.setClipboardText(converted, primary ? ClipboardOffer::ForPasteWithPrimary
                                                     : ClipboardOffer::ForPaste)) {
        desktop.closeClipboard();
        // The clipboard may already be empty: put the user's content back
        // rather than leave it lost.
        if (emptied)
            restore(desktop, *backup, &result);
        return result;
    }
    desktop.closeClipboard();

    bool delivered = false;
    if (control) {
        delivered = desktop.paste(control) && desktop.awaitPaste(control, PasteSettleMs);
    } else {
        // Our own shortcut on the paste key would take it instead of the target.
        const Chord chord = chordOf(key);
        desktop.suspendHotKeys(chord.mods, chord.key);
        const QVector<KeyInput> keys = chordKeys(desktop, target, chord);
        delivered = desktop.sendInput(keys) == keys.size() &&
                    desktop.awaitPaste(target, PasteSettleMs);
        desktop.resumeHotKeys();
    }
    restore(desktop, *backup, &result);
    if (delivered)
        result.outcome = InsertOutcome::Delivered;
    return result;
}
