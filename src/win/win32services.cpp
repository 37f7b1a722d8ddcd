#include "win/win32services.h"

#include "base/textconvert.h"
#include "platform/keystream.h"

#include <QCoreApplication>

namespace {

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

Win32Services::~Win32Services()
{
    setPressHandler({});
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
        m_registeredIds.remove(id);
        if (m_onLost)
            m_onLost(id);
    }
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

bool Win32Services::registerShortcut(WindowHandle owner, int id, const KeyCombination &combination)
{
    // RegisterHotKey takes the codes the data file keeps; a key Windows has
    // no code for is not registered at all (virtual key 0 would be taken).
    const int vk = combination.storedKey();
    if (vk == 0 || !api.registerHotKey(owner, id, combination.storedModifiers(), vk))
        return false;
    m_registeredIds.insert(id);
    return true;
}

bool Win32Services::unregisterShortcut(WindowHandle owner, int id)
{
    m_registeredIds.remove(id);
    return api.unregisterHotKey(owner, id);
}

void Win32Services::setPressHandler(std::function<void(int id)> onPress)
{
    m_onPress = std::move(onPress);
    QCoreApplication *app = QCoreApplication::instance();
    const bool watch = bool(m_onPress) && app;
    if (watch == m_watchingPresses)
        return;
    if (watch)
        app->installNativeEventFilter(&m_pressWatch);
    else if (app)
        app->removeNativeEventFilter(&m_pressWatch);
    m_watchingPresses = watch;
}

bool Win32Services::PressWatch::nativeEventFilter(const QByteArray &eventType, void *message,
                                                  long *)
{
    // The Win32 side reads the message and drops the repeats of a press it
    // has reported; only ids registered here are ours to report.
    const int id = services.api.hotkeyIdFromNativeEvent(eventType, message);
    if (id == 0 || !services.m_registeredIds.contains(id) || !services.m_onPress)
        return false;
    // A copy: the handler may replace itself (its owner going away).
    const std::function<void(int)> onPress = services.m_onPress;
    onPress(id);
    return true;
}

void Win32Services::setLostHandler(std::function<void(int id)> onLost)
{
    m_onLost = std::move(onLost);
}

QString Win32Services::altGrCharacter(const KeyCombination &key)
{
    // Windows names the key by its virtual key; Shift is the only modifier
    // that changes what AltGr types.
    const int vk = key.storedKey();
    return vk == 0 ? QString() : api.altGrCharacter(vk, key.has(Qt::ShiftModifier));
}

bool Win32Services::holdKeyboard(WindowHandle window,
                                 std::function<void(const KeyCombination &)> onHeld)
{
    releaseKeyboard();
    // The hook reports the MOD_* flags and virtual key it saw.
    auto held = [onHeld](int mods, int vk) { onHeld(KeyCombination::fromStored(mods, vk)); };
    m_keyboardHeld = window != 0 && onHeld && api.keepKeyboard(window, held);
    return m_keyboardHeld;
}

void Win32Services::releaseKeyboard()
{
    if (!m_keyboardHeld)
        return;
    m_keyboardHeld = false;
    api.releaseKeptKeyboard();
}

bool Win32Services::heldElsewhere(const KeyCombination &combination)
{
    const int vk = combination.storedKey();
    return vk > 0 && api.hotkeyHeldElsewhere(combination.storedModifiers(), vk);
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

int Win32Road::typeUnicode(Win32Api &api, const QString &text)
{
    return sendUnicodeText(text, Win32Services::TypingChunk,
                           [&](const QVector<KeyInput> &events) { return api.sendInput(events); });
}
