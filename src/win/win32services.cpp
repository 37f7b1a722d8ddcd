#include "win/win32services.h"

#include "base/textconvert.h"
#include "platform/keystream.h"
#include "win/textcontrolclass.h"

namespace {

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

// Puts back what the selection [from, to) of before held, where after
// differs from before: the same prefix and suffix are left alone.
void takeBack(Win32Api &api, WindowHandle control, bool breakAsOne, const QString &before,
              const QString &after, int from, int to)
{
    QString now;
    if (!api.controlText(control, &now))
        now = after;
    const int keepFront = indexOfUnit(before, from, breakAsOne);
    const int keepBack = before.size() - indexOfUnit(before, to, breakAsOne);
    if (now.size() < keepFront + keepBack || now.left(keepFront) != before.left(keepFront) ||
        now.right(keepBack) != before.right(keepBack))
        return; // more than the selection changed: nothing is guessed
    const QString landed = now.mid(keepFront, now.size() - keepFront - keepBack);
    const int landedFrom = from;
    const int landedTo = from + unitsOf(landed, breakAsOne);
    if (api.setSelection(control, landedFrom, landedTo))
        api.replaceSelection(control, before.mid(keepFront, before.size() - keepFront - keepBack));
}

// What the control holds before and after is the only proof a message
// road has: EM_REPLACESEL answers nothing, a limited field takes part of the
// text, a read-only one may take all of it. Everything but the selection must
// be as it was, the selection replaced by the text, the caret after it.
ControlInsert insertDirect(Win32Api &api, WindowHandle control, const QString &className,
                           const QString &text, ControlRefusal *refusal)
{
    TextFieldTraits traits;
    if (!api.textFieldTraits(control, &traits))
        return ControlInsert::Unchanged; // gone: the keys go where the focus is now
    const QString converted = TextConvert::toCrlf(text);
    *refusal = ControlRefusal::NotResponding;
    if (traits.readOnly) {
        *refusal = ControlRefusal::ReadOnly;
        return ControlInsert::Refused;
    }
    // Its text cannot be read back, so what landed could not be checked.
    if (traits.password) {
        *refusal = ControlRefusal::Password;
        return ControlInsert::Refused;
    }
    if (!traits.multiLine && converted.contains(QLatin1Char('\n'))) {
        *refusal = ControlRefusal::SingleLine;
        return ControlInsert::Refused;
    }

    const bool breakAsOne = countsBreakAsOne(className);
    QString before;
    int start = 0;
    int end = 0;
    if (!api.controlText(control, &before) || !api.selection(control, &start, &end))
        return ControlInsert::Refused;
    // A RichEdit's select-all ends past the text, on its final paragraph mark.
    const int length = unitsOf(before, breakAsOne);
    const int from = qBound(0, qMin(start, end), length);
    const int to = qBound(0, qMax(start, end), length);
    // Not answered in time, the message is still in the control's queue and
    // the text may land whenever it gets to it: nothing more goes out, and
    // the user is told to look rather than that it failed. So when the
    // control answered but its text cannot be read back.
    *refusal = ControlRefusal::Unanswered;
    if (!api.replaceSelection(control, converted))
        return ControlInsert::Refused;

    QString after;
    int nowStart = 0;
    int nowEnd = 0;
    if (!api.controlText(control, &after) || !api.selection(control, &nowStart, &nowEnd))
        return ControlInsert::Refused;
    if (after == before && nowStart == start && nowEnd == end)
        return ControlInsert::Unchanged;
    const int caret = from + unitsOf(converted, breakAsOne);
    const QString expected = before.left(indexOfUnit(before, from, breakAsOne)) + converted +
                             before.mid(indexOfUnit(before, to, breakAsOne));
    if (after == expected && nowStart == caret && nowEnd == caret)
        return ControlInsert::Done;

    // Part of the text, or something else: take it back, by the control's own
    // undo where that restores the text, else by replacing only what changed
    // with what the selection held. Setting the whole text again would lose
    // a RichEdit's formatting and embedded objects, and any field's undo.
    *refusal = ControlRefusal::NotAccepted;
    QString undone;
    if (!api.undo(control) || !api.controlText(control, &undone) || undone != before)
        takeBack(api, control, breakAsOne, before, after, from, to);
    api.setSelection(control, start, end);
    return ControlInsert::Refused;
}

// The MOD_* bits of a paste chord, for the registrations it would fire.
int modsOf(PasteKey key)
{
    constexpr int ModControl = 0x2;
    constexpr int ModShift = 0x4;
    switch (key) {
    case PasteKey::CtrlShiftV:
        return ModControl | ModShift;
    case PasteKey::ShiftInsert:
        return ModShift;
    case PasteKey::CtrlV:
        break;
    }
    return ModControl;
}

int vkOf(PasteKey key)
{
    return key == PasteKey::ShiftInsert ? 0x2D : 0x56;
}

class OwningWin32Services final : public Win32Services
{
public:
    OwningWin32Services(std::unique_ptr<Win32Api> api, std::unique_ptr<KeyStream> stream)
        : Win32Services(*api), owned(std::move(api)), stream(std::move(stream))
    {
        m_keyStream = this->stream.get();
    }

private:
    std::unique_ptr<Win32Api> owned;
    std::unique_ptr<KeyStream> stream;
};
} // namespace

std::unique_ptr<Desktop> Win32Services::owning(std::unique_ptr<Win32Api> api,
                                               std::unique_ptr<KeyStream> keyStream)
{
    if (!api)
        return nullptr;
    return std::make_unique<OwningWin32Services>(std::move(api), std::move(keyStream));
}

// ---- TargetService ----------------------------------------------------------

WindowHandle Win32Services::foregroundWindow()
{
    return api.foregroundWindow();
}

bool Win32Services::isWindow(WindowHandle w)
{
    return api.isWindow(w);
}

bool Win32Services::targetApplication(WindowHandle w, TargetApp *app)
{
    return api.targetApplication(w, app);
}

bool Win32Services::isOwnProcess(WindowHandle w)
{
    if (!w)
        return false;
    quint32 pid = 0;
    api.windowThreadProcessId(w, &pid);
    return pid != 0 && pid == api.currentProcessId();
}

bool Win32Services::isMorePrivileged(WindowHandle w)
{
    return Win32Road::isTargetElevated(api, w);
}

bool Win32Services::bringToFront(WindowHandle w)
{
    return Win32Road::forceForeground(api, w);
}

bool Win32Services::isResponding(WindowHandle w)
{
    // A window that is gone is not in front either: said so there.
    return !api.isWindow(w) || api.probe(w, RespondMs) == Answer::Answered;
}

void Win32Services::settle(WindowHandle w, int maxMs)
{
    api.settle(w, maxMs);
}

WindowHandle Win32Services::pickWindow(int maxMs)
{
    return api.pickWindow(maxMs);
}

// ---- KeyboardOutput ---------------------------------------------------------

bool Win32Services::canTypeExactly(const QString &text)
{
    return api.canTypeExactly(text);
}

int Win32Services::typeText(const QString &text)
{
    return Win32Road::typeUnicode(api, text);
}

int Win32Services::pressKey(EditKey key, int times)
{
    constexpr quint16 VkBack = 0x08;
    constexpr quint16 VkLeft = 0x25;
    const quint16 vk = key == EditKey::Left ? VkLeft : VkBack;
    // The arrow is an extended key: without the flag its scan code is the
    // keypad's 4.
    const quint32 flags = KeyFlag::ScanCode | (key == EditKey::Left ? KeyFlag::Extended : 0);
    const quint16 scan = api.scanCodeForVirtualKey(vk, api.foregroundWindow());
    QVector<KeyInput> events;
    for (int i = 0; i < times; ++i) {
        events.append({vk, scan, flags});
        events.append({vk, scan, flags | KeyFlag::KeyUp});
    }
    return events.isEmpty() ? 0 : (qMax(0, api.sendInput(events)) + 1) / 2;
}

bool Win32Services::isAnyKeyDown(bool modifiersToo)
{
    bool down = api.isNonModifierKeyDown();
    if (modifiersToo) {
        for (quint16 vk : ModifierVirtualKeys)
            down = down || api.isKeyDown(vk);
    }
    return down;
}

// The modifiers and the shortcut's own keys: a key stuck down elsewhere (its
// release lost behind the secure desktop) would otherwise stop every phrase.
bool Win32Services::areKeysDown(const QVector<int> &keys)
{
    for (quint16 vk : ModifierVirtualKeys) {
        if (api.isKeyDown(vk))
            return true;
    }
    for (int vk : keys) {
        if (vk > 0 && api.isKeyDown(vk))
            return true;
    }
    return false;
}

void Win32Services::waitForKeyEvent(int maxMs)
{
    api.waitForKeyEvent(maxMs);
}

// ---- ClipboardService ----------------------------------------------------------

std::unique_ptr<ClipboardBackup> Win32Services::backupClipboard(bool primary)
{
    return api.backupClipboard(primary);
}

ClipboardRestore Win32Services::restoreClipboard(const ClipboardBackup &backup)
{
    return api.restoreClipboard(backup);
}

ClipboardPut Win32Services::putText(const QString &text, ClipboardOffer offer)
{
    // The clipboard is opened before anything changes on it: a program that
    // holds it open (a clipboard monitor) leaves the user's content as it is.
    bool opened = false;
    for (int attempt = 0; attempt < ClipboardAttempts && !opened; ++attempt) {
        opened = api.openClipboard();
        if (!opened)
            api.sleep(ClipboardRetryMs);
    }
    if (!opened)
        return ClipboardPut::Untouched;
    // Only the clipboard's owner may offer a format without rendering it,
    // and emptying it makes us the owner.
    m_offered = TextConvert::toCrlf(text);
    const bool emptied = api.emptyClipboard();
    const bool set = emptied && api.setClipboardText(m_offered, offer);
    api.closeClipboard();
    if (set)
        return ClipboardPut::Put;
    return emptied ? ClipboardPut::Failed : ClipboardPut::Untouched;
}

// Our own shortcut on the paste key would take it instead of the target:
// it steps aside until the target has fetched the text, because the keys
// are read from the input queue after SendInput has returned.
bool Win32Services::sendPasteKey(WindowHandle target, PasteKey key)
{
    witnessField(Win32Road::findTextControl(api, target));
    pasteGoesOut();
    api.suspendHotKeys(modsOf(key), vkOf(key));
    const QVector<KeyInput> keys =
        pasteChordKeys(key, [&](quint16 vk) { return api.scanCodeForVirtualKey(vk, target); });
    const bool sent = api.sendInput(keys) == keys.size();
    m_hotkeysSuspended = true;
    if (!sent)
        resumeShortcuts();
    return sent;
}

void Win32Services::resumeShortcuts()
{
    if (!m_hotkeysSuspended)
        return;
    m_hotkeysSuspended = false;
    const QVector<int> lost = api.resumeHotKeys();
    for (int id : lost) {
        if (m_onLost)
            m_onLost(id);
    }
}

QVector<quint32> Win32Services::targetProcesses(WindowHandle target)
{
    QVector<quint32> group;
    quint32 pid = 0;
    api.windowThreadProcessId(target, &pid);
    if (pid)
        group << pid;
    const WindowHandle top = api.topLevelWindow(target);
    for (quint32 p : api.childWindowProcesses(top ? top : target)) {
        if (p && !group.contains(p))
            group << p;
    }
    for (int i = 0, n = group.size(); i < n; ++i) {
        for (quint32 p : api.descendantProcesses(group.at(i))) {
            if (p && !group.contains(p))
                group << p;
        }
    }
    return group;
}

void Win32Services::witnessField(WindowHandle field)
{
    m_witness = Witness();
    QString className;
    TextFieldTraits traits;
    if (!field || !api.className(field, &className) || isScintilla(className) ||
        !api.textFieldTraits(field, &traits) || traits.password)
        return;
    Witness w;
    w.field = field;
    w.className = className;
    if (api.controlText(field, &w.text) && api.selection(field, &w.start, &w.end))
        m_witness = w;
}

// Another program read the text first, so the target's own reading could
// not be seen: what its field holds now says whether the paste landed.
PasteFetch Win32Services::judgeByField()
{
    const Witness w = m_witness;
    QString now;
    if (!w.field || !api.controlText(w.field, &now))
        return PasteFetch::Unsure;
    if (now == w.text)
        return PasteFetch::NotFetched;
    const bool one = countsBreakAsOne(w.className);
    const int length = unitsOf(w.text, one);
    const int from = qBound(0, qMin(w.start, w.end), length);
    const int to = qBound(0, qMax(w.start, w.end), length);
    const QString expected = w.text.left(indexOfUnit(w.text, from, one)) + m_offered +
                             w.text.mid(indexOfUnit(w.text, to, one));
    return now == expected ? PasteFetch::Fetched : PasteFetch::Unsure;
}

void Win32Services::pasteGoesOut()
{
    m_watch = PasteWatch();
    m_watch.fetchesBefore = api.pasteFetchers().size();
}

void Win32Services::noteFetchers()
{
    // A read of the text before the paste went out is not the paste, even by
    // the target's own process (a clipboard history of its own reads every
    // change): the text is rendered then, and the paste itself can no longer
    // be seen. It counts as another program's.
    const QVector<quint32> fetchers = api.pasteFetchers();
    for (int i = m_watch.seen; i < fetchers.size(); ++i) {
        const quint32 pid = fetchers.at(i);
        if (i >= m_watch.fetchesBefore && pid && m_watch.group.contains(pid))
            m_watch.byTarget = true;
        else
            m_watch.byOthers = true;
    }
    m_watch.seen = qMax(m_watch.seen, fetchers.size());
}

PasteFetch Win32Services::settledAnswer()
{
    if (m_watch.byTarget)
        return PasteFetch::Fetched;
    return m_watch.byOthers ? judgeByField() : PasteFetch::NotFetched;
}

// The target has fetched the text when a process of its own asked for it
// after the paste went out. The user's content goes back only once the
// target has also taken every key before and with our chord (it answers at
// once, several times in a row: it waits for its next message), or it would
// paste that content instead; a fetch alone does not say so (another thread
// of its process may have read the text). A target busy with earlier keys is
// waited for as long as it stays alive, up to a limit.
PasteFetch Win32Services::awaitFetched(WindowHandle target, int settleMs)
{
    // No target named: the keys went to the window in front.
    if (!target)
        target = api.foregroundWindow();
    m_watch.active = true;
    m_watch.target = target;
    m_watch.group = targetProcesses(target);
    const quint32 start = api.tickCount();
    PasteFetch answer = PasteFetch::NotFetched;
    for (;;) {
        // Asked first: the target may fetch the text while it is waited for.
        const Answer now = api.isWindow(target) ? api.probe(target, IdleAnswerMs) : Answer::Hung;
        noteFetchers();
        const quint32 waited = api.tickCount() - start;
        if (!api.isWindow(target)) {
            answer = m_watch.byTarget   ? PasteFetch::Fetched
                     : m_watch.byOthers ? PasteFetch::Unsure
                                        : PasteFetch::NotFetched;
            break;
        }
        // A thread answers between two messages, but one with keys still
        // queued takes the next at once and is busy again: only a thread
        // waiting for its next message answers several times in a row.
        m_watch.quiet = now == Answer::Answered ? m_watch.quiet + 1 : 0;
        if (m_watch.quiet >= QuietAnswers &&
            (m_watch.byTarget || waited >= quint32(PasteFetchWaitMs))) {
            answer = settledAnswer();
            break;
        }
        if (now == Answer::Hung || waited >= quint32(PasteBusyLimitMs)) {
            // Its paste has read the text: what it does next is its own.
            answer = m_watch.byTarget ? PasteFetch::Fetched : PasteFetch::Pending;
            break;
        }
        api.sleep(PastePollMs);
    }
    // The target reads the text between its GetClipboardData and its
    // CloseClipboard; a restore before then waits for the clipboard anyway.
    if (answer == PasteFetch::Fetched)
        api.sleep(settleMs);
    resumeShortcuts();
    // Still on its way, it is looked at again later (checkFetched).
    if (answer != PasteFetch::Pending) {
        m_watch = PasteWatch();
        m_witness = Witness();
    }
    return answer;
}

PasteFetch Win32Services::checkFetched(WindowHandle)
{
    if (!m_watch.active)
        return PasteFetch::NotFetched;
    const WindowHandle target = m_watch.target;
    PasteFetch answer = PasteFetch::Pending;
    // The clipboard no longer holds our text (the user copied since):
    // nothing of ours can be pasted now.
    if (!api.clipboardHoldsOurPaste()) {
        answer = PasteFetch::NotFetched;
    } else {
        const Answer now = api.isWindow(target) ? api.probe(target, IdleAnswerMs) : Answer::Hung;
        noteFetchers();
        m_watch.quiet = now == Answer::Answered ? m_watch.quiet + 1 : 0;
        if (!api.isWindow(target))
            answer = m_watch.byTarget   ? PasteFetch::Fetched
                     : m_watch.byOthers ? PasteFetch::Unsure
                                        : PasteFetch::NotFetched;
        else if (m_watch.quiet >= QuietAnswers)
            answer = settledAnswer();
        else if (now == Answer::Hung && m_watch.byTarget)
            answer = PasteFetch::Fetched;
    }
    if (answer != PasteFetch::Pending) {
        m_watch = PasteWatch();
        m_witness = Witness();
    }
    return answer;
}

// ---- TextControls -----------------------------------------------------------

WindowHandle Win32Services::focusedControl(WindowHandle target)
{
    return Win32Road::findTextControl(api, target);
}

ControlInsert Win32Services::insertByMessage(WindowHandle control, const QString &text,
                                             ControlRefusal *refusal)
{
    // Scintilla takes EM_REPLACESEL but reports its text otherwise: typed.
    QString className;
    if (!control || !api.className(control, &className) || isScintilla(className))
        return ControlInsert::Unchanged;
    return insertDirect(api, control, className, text, refusal);
}

bool Win32Services::pasteClipboard(WindowHandle control)
{
    witnessField(control);
    pasteGoesOut();
    return api.paste(control);
}

bool Win32Services::placeCaretBefore(WindowHandle control, const QString &tail)
{
    QString className;
    int start = 0;
    int end = 0;
    if (!api.className(control, &className) || !api.selection(control, &start, &end))
        return false;
    const int caret =
        qMax(start, end) - unitsOf(TextConvert::toCrlf(tail), countsBreakAsOne(className));
    return caret >= 0 && api.setSelection(control, caret, caret);
}

// ---- CaretService -----------------------------------------------------------

bool Win32Services::caretRect(WindowHandle target, QRect *screenRect)
{
    const quint32 thread = api.windowThreadProcessId(target, nullptr);
    GuiThreadInfo info;
    if (!api.guiThreadInfo(thread, &info) || !info.caretWindow)
        return false;
    QPoint origin = info.caretRect.topLeft();
    if (!api.clientToScreen(info.caretWindow, &origin))
        return false;
    *screenRect = QRect(origin, info.caretRect.size());
    return true;
}

QPoint Win32Services::pointerPos()
{
    return api.cursorPos();
}

FieldKind Win32Services::focusedField(WindowHandle target)
{
    const WindowHandle control = Win32Road::findTextControl(api, target);
    TextFieldTraits traits;
    if (control && api.textFieldTraits(control, &traits)) {
        if (traits.password)
            return FieldKind::Password;
        if (traits.readOnly)
            return FieldKind::ReadOnly;
    }
    // A field that is no standard control says what it is to accessibility
    // tools, through the window that has the focus.
    GuiThreadInfo info;
    const quint32 thread = api.windowThreadProcessId(target, nullptr);
    const WindowHandle focus = api.guiThreadInfo(thread, &info) && info.focus ? info.focus : target;
    if (api.focusIsProtected(focus))
        return FieldKind::Password;
    return control ? FieldKind::Text : FieldKind::Unknown;
}

// ---- ShortcutService --------------------------------------------------------

bool Win32Services::registerShortcut(WindowHandle owner, int id, int mods, int vk)
{
    return api.registerHotKey(owner, id, mods, vk);
}

bool Win32Services::unregisterShortcut(WindowHandle owner, int id)
{
    return api.unregisterHotKey(owner, id);
}

int Win32Services::pressedShortcut(const QByteArray &eventType, void *message)
{
    return api.hotkeyIdFromNativeEvent(eventType, message);
}

void Win32Services::setLostHandler(std::function<void(int id)> onLost)
{
    m_onLost = std::move(onLost);
}

QString Win32Services::altGrCharacter(int vk, bool shift)
{
    return api.altGrCharacter(vk, shift);
}

bool Win32Services::holdKeyboard(WindowHandle window, std::function<void(int, int)> onHeld)
{
    releaseKeyboard();
    m_keyboardHeld = window != 0 && api.keepKeyboard(window, std::move(onHeld));
    return m_keyboardHeld;
}

void Win32Services::releaseKeyboard()
{
    if (!m_keyboardHeld)
        return;
    m_keyboardHeld = false;
    api.releaseKeptKeyboard();
}

bool Win32Services::heldElsewhere(int mods, int vk)
{
    return vk > 0 && api.hotkeyHeldElsewhere(mods, vk);
}

// ---- OwnWindows -------------------------------------------------------------

bool Win32Services::activateOwnWindow(WindowHandle w, int maxMs)
{
    return api.activateOwnWindow(w, maxMs);
}

bool Win32Services::placeOwnWindow(WindowHandle, const QRect &)
{
    return true; // Windows keeps a window where it asks to be
}

bool Win32Services::keepOutOfTaskBar(WindowHandle w)
{
    return api.keepOutOfTaskBar(w);
}

bool Win32Services::yieldTopmost(WindowHandle topmost, WindowHandle dialog, bool yield)
{
    return api.yieldTopmost(topmost, dialog, yield);
}

// ---- Clock ------------------------------------------------------------------

quint32 Win32Services::tickCount()
{
    return api.tickCount();
}

void Win32Services::sleep(int ms)
{
    api.sleep(ms);
}

// ---- the algorithms ---------------------------------------------------------

bool Win32Road::isTargetElevated(Win32Api &api, WindowHandle window)
{
    if (!window)
        return false;
    quint32 pid = 0;
    api.windowThreadProcessId(window, &pid);
    const ProcessLevel target = api.processLevel(pid);
    switch (target.status) {
    case ProcessLevel::AccessDenied:
    case ProcessLevel::TokenFailed:
        return true;
    case ProcessLevel::OpenFailed:
        return false;
    case ProcessLevel::Ok:
        break;
    }
    quint32 own = 0;
    if (!api.ownProcessLevel(&own))
        return false;
    return target.level > own && target.level != 0 && own != 0;
}

bool Win32Road::forceForeground(Win32Api &api, WindowHandle window)
{
    if (!window || !api.isWindow(window))
        return false;
    // Without our input attached, Windows posts the activation to the
    // window's thread and returns: a window slow to activate cannot hold us.
    if (api.setForegroundWindow(window) || api.foregroundWindow() == window)
        return true;
    // Refused (another program has the foreground lock): with our input
    // attached to its thread the request is ours to make, but the
    // activation then waits for that thread: only for one that answers.
    if (api.probe(window, Win32Services::RespondMs) != Answer::Answered)
        return false;
    const quint32 own = api.currentThreadId();
    const quint32 theirs = api.windowThreadProcessId(window, nullptr);
    const bool attached = theirs && theirs != own && api.attachThreadInput(own, theirs, true);
    const bool set = api.setForegroundWindow(window);
    if (attached)
        api.attachThreadInput(own, theirs, false);
    return set || api.foregroundWindow() == window;
}

bool Win32Road::isTextControl(Win32Api &api, WindowHandle window)
{
    if (!window)
        return false;
    QString name;
    if (!api.className(window, &name))
        return false;
    return TextControlClass::isTextControlClassName(
        reinterpret_cast<const char16_t *>(name.utf16()), std::size_t(name.size()));
}

WindowHandle Win32Road::findTextControl(Win32Api &api, WindowHandle target)
{
    WindowHandle w = (target && api.isWindow(target)) ? target : api.foregroundWindow();
    if (!w)
        return 0;
    if (isTextControl(api, w))
        return w;

    quint32 thread = api.windowThreadProcessId(w, nullptr);
    if (!api.isWindow(w)) {
        const WindowHandle fg = api.foregroundWindow();
        thread = fg ? api.windowThreadProcessId(fg, nullptr) : 0;
    }
    // GetGUIThreadInfo names another thread's focus without our input
    // attached to it, which could leave us waiting on a hung thread.
    WindowHandle candidate = 0;
    GuiThreadInfo info;
    if (thread && api.guiThreadInfo(thread, &info))
        candidate = info.focus;
    // Another child that takes text is not the user's choice: a focused
    // button beside an EDIT must not send the text into the EDIT.
    return isTextControl(api, candidate) ? candidate : 0;
}

int Win32Road::typeUnicode(Win32Api &api, const QString &text)
{
    return sendUnicodeText(text, Win32Services::TypingChunk,
                           [&](const QVector<KeyInput> &events) { return api.sendInput(events); });
}
