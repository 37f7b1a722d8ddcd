#include "platform/wayland/waylanddesktop.h"

#include "platform/wayland/datacontrolclipboard.h"
#include "platform/wayland/virtualkeyboard.h"
#include "platform/wayland/waylandconnection.h"
#include "platform/wayland/waylandtargets.h"
#include "platform/x11/atspicaret.h"
#include "platform/x11/x11wait.h"

#include <QCoreApplication>
#include <QFileInfo>

// Last: Xlib's macros would spoil Qt's headers.
#include "platform/x11/x11desktop.h"

#include <csignal>

namespace {

constexpr quint16 VkShift = 0x10;
constexpr quint16 VkControl = 0x11;
constexpr quint16 VkInsert = 0x2D;
constexpr quint16 VkV = 0x56;
constexpr int PollMs = 10;

// A copy of the Wayland clipboard, and of the primary selection when asked.
class WaylandClipboardBackup final : public ClipboardBackup
{
public:
    DataControlClipboard::Content clipboard;
    DataControlClipboard::Content primary;
    bool withPrimary = false;
    int lostFormats() const override { return clipboard.lostFormats + primary.lostFormats; }
};

WindowHandle nativeHandle(qint64 id)
{
    return WaylandDesktop::NativeTag | WindowHandle(id);
}

qint64 containerId(WindowHandle w)
{
    return qint64(w & ~WaylandDesktop::NativeTag);
}

WindowHandle handleOf(const WaylandWindow &w)
{
    return w.xwayland ? WindowHandle(w.x11Window) : nativeHandle(w.id);
}

} // namespace

std::unique_ptr<Desktop> WaylandDesktop::create(std::unique_ptr<X11Desktop> x11,
                                                std::unique_ptr<WaylandConnection> wayland)
{
    if (!wayland || !wayland->virtualKeyboardManager())
        return x11;
    std::unique_ptr<WaylandTargets> targets = swayTargets();
    if (!targets)
        targets = toplevelTargets(wayland.get(), x11.get());
    if (!targets)
        return x11;
    return std::make_unique<WaylandDesktop>(std::move(x11), std::move(wayland), std::move(targets));
}

WaylandDesktop::WaylandDesktop(std::unique_ptr<X11Desktop> x11,
                               std::unique_ptr<WaylandConnection> wayland,
                               std::unique_ptr<WaylandTargets> targets)
    : m_x11(std::move(x11)), m_wayland(std::move(wayland)), m_targets(std::move(targets))
{
    // A target that closes its end of a clipboard transfer early must not
    // end the program: the write fails instead.
    std::signal(SIGPIPE, SIG_IGN);
    m_keyboard = std::make_unique<VirtualKeyboard>(m_wayland.get());
    m_clipboard = std::make_unique<DataControlClipboard>(m_wayland.get());
}

WaylandDesktop::~WaylandDesktop() = default;

SessionRoads WaylandDesktop::sessionRoads()
{
    SessionRoads roads;
    roads.waylandWindows = true;
    roads.virtualKeyboard = m_keyboard->isValid();
    roads.pasting = m_clipboard->isValid();
    // Our shortcuts are X11 ones: they fire while an X11 program is in front.
    roads.globalShortcuts = false;
    return roads;
}

bool WaylandDesktop::focused(WaylandWindow *out)
{
    return m_targets->focused(out);
}

bool WaylandDesktop::findNative(WindowHandle w, WaylandWindow *out)
{
    if (!isNative(w))
        return false;
    QVector<WaylandWindow> all;
    if (!m_targets->windows(&all))
        return false;
    for (const WaylandWindow &candidate : qAsConst(all)) {
        if (!candidate.xwayland && candidate.id == containerId(w)) {
            *out = candidate;
            return true;
        }
    }
    return false;
}

qint64 WaylandDesktop::containerOfX11(WindowHandle w)
{
    QVector<WaylandWindow> all;
    if (!w || !m_targets->namesX11Windows() || !m_targets->windows(&all))
        return 0;
    for (const WaylandWindow &candidate : qAsConst(all)) {
        if (candidate.xwayland && WindowHandle(candidate.x11Window) == w)
            return candidate.id;
    }
    return 0;
}

bool WaylandDesktop::nativeInFront()
{
    WaylandWindow w;
    return focused(&w) && !w.xwayland;
}

bool WaylandDesktop::focusContainer(qint64 id, int maxMs)
{
    const auto there = [&] {
        WaylandWindow w;
        return focused(&w) && w.id == id;
    };
    if (there())
        return true;
    if (!m_targets->focus(id))
        return false;
    return X11Wait::serveEventsUntil(there, maxMs, PollMs);
}

WindowHandle WaylandDesktop::foregroundWindow()
{
    WaylandWindow w;
    if (focused(&w))
        return handleOf(w);
    return m_x11->foregroundWindow();
}

bool WaylandDesktop::isWindow(WindowHandle w)
{
    WaylandWindow found;
    return isNative(w) ? findNative(w, &found) : m_x11->isWindow(w);
}

bool WaylandDesktop::isWindowVisible(WindowHandle w)
{
    WaylandWindow found;
    return isNative(w) ? findNative(w, &found) && found.visible : m_x11->isWindowVisible(w);
}

quint32 WaylandDesktop::windowThreadProcessId(WindowHandle w, quint32 *processId)
{
    if (!isNative(w))
        return m_x11->windowThreadProcessId(w, processId);
    WaylandWindow found;
    const quint32 pid = findNative(w, &found) ? quint32(found.pid) : 0;
    if (processId)
        *processId = pid;
    return pid;
}

quint32 WaylandDesktop::currentThreadId()
{
    return m_x11->currentThreadId();
}

quint32 WaylandDesktop::currentProcessId()
{
    return m_x11->currentProcessId();
}

bool WaylandDesktop::attachThreadInput(quint32, quint32, bool)
{
    return false;
}

// sway focuses an X11 window that asks for it only when configured so: it is
// asked through its IPC, for X11 windows as for native ones.
bool WaylandDesktop::setForegroundWindow(WindowHandle w)
{
    if (isNative(w))
        return isWindow(w) && focusContainer(containerId(w), FocusWaitMs);
    const qint64 container = containerOfX11(w);
    if (container && focusContainer(container, FocusWaitMs))
        return true;
    return m_x11->setForegroundWindow(w);
}

bool WaylandDesktop::bringWindowToTop(WindowHandle)
{
    return false;
}

qint64 WaylandDesktop::awaitContainerOfX11(WindowHandle w, int maxMs)
{
    qint64 container = 0;
    if (!m_targets->namesX11Windows())
        return 0;
    X11Wait::serveEventsUntil(
        [&] {
            container = containerOfX11(w);
            return container != 0;
        },
        maxMs, PollMs);
    return container;
}

// Where the compositor's list does not name X windows, it places our windows
// as it sees fit: there is no container to move.
bool WaylandDesktop::placeOwnWindow(WindowHandle w, const QRect &geometry)
{
    const qint64 container = awaitContainerOfX11(w, PlaceWaitMs);
    return container && m_targets->moveTo(container, geometry.topLeft());
}

bool WaylandDesktop::activateOwnWindow(WindowHandle w, int maxMs)
{
    QElapsedTimer clock;
    clock.start();
    // sway makes a container for the window once XWayland has mapped it.
    const qint64 container = awaitContainerOfX11(w, maxMs);
    const int left = int(qMax<qint64>(0, maxMs - clock.elapsed()));
    if (container && focusContainer(container, left))
        return true;
    return m_x11->activateOwnWindow(w, int(qMax<qint64>(0, maxMs - clock.elapsed())));
}

bool WaylandDesktop::keepOutOfTaskBar(WindowHandle w)
{
    return m_x11->keepOutOfTaskBar(w);
}

bool WaylandDesktop::yieldTopmost(WindowHandle topmost, WindowHandle dialog, bool yield)
{
    return m_x11->yieldTopmost(topmost, dialog, yield);
}

bool WaylandDesktop::guiThreadInfo(quint32, GuiThreadInfo *)
{
    return false;
}

// A Wayland program does not know where its window is: its accessibility
// bus gives the caret within the window, and sway adds the window's place.
bool WaylandDesktop::accessibleCaret(WindowHandle w, QRect *screenRect)
{
    if (!isNative(w))
        return m_x11->accessibleCaret(w, screenRect);
    WaylandWindow found;
    QRect caret;
    if (!findNative(w, &found) || found.pid <= 0 ||
        !AtspiCaret::caretRect(quint32(found.pid), &caret, X11Desktop::RefocusWaitMs))
        return false;
    *screenRect = caret.translated(found.contentRect.topLeft());
    return true;
}

bool WaylandDesktop::clientToScreen(WindowHandle w, QPoint *point)
{
    if (!isNative(w))
        return m_x11->clientToScreen(w, point);
    WaylandWindow found;
    if (!findNative(w, &found))
        return false;
    *point += found.contentRect.topLeft();
    return true;
}

bool WaylandDesktop::className(WindowHandle w, QString *name)
{
    return !isNative(w) && m_x11->className(w, name);
}

bool WaylandDesktop::targetApplication(WindowHandle w, TargetApp *app)
{
    if (!isNative(w))
        return m_x11->targetApplication(w, app);
    WaylandWindow found;
    if (!findNative(w, &found))
        return false;
    *app = TargetApp();
    app->instance = found.appId;
    app->className = found.appId;
    if (found.pid > 0)
        app->executable =
            QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(found.pid)))
                .fileName();
    app->preferred = found.appId.isEmpty() ? app->executable : found.appId;
    return !app->isEmpty();
}

// No client may grab the pointer on Wayland: the window picked is the next
// window of another program that the user brings to the front.
WindowHandle WaylandDesktop::pickWindow(int maxMs)
{
    WaylandWindow before;
    const bool hadFocus = focused(&before);
    const qint64 own = QCoreApplication::applicationPid();
    WindowHandle picked = 0;
    X11Wait::serveEventsUntil(
        [&] {
            WaylandWindow now;
            if (!focused(&now) || now.pid == own || (hadFocus && now.id == before.id))
                return false;
            picked = handleOf(now);
            return true;
        },
        maxMs, 50);
    return picked;
}

// XWayland sees the pointer only while it is over an X window: over a native
// one its last position is stale. Where the compositor names the window's
// place, its middle stands in for the pointer (the picker opens there when
// the window publishes no caret).
QPoint WaylandDesktop::cursorPos()
{
    WaylandWindow w;
    if (focused(&w) && !w.xwayland && !w.contentRect.isNull())
        return w.contentRect.center();
    return m_x11->cursorPos();
}

ProcessLevel WaylandDesktop::processLevel(quint32 processId)
{
    return m_x11->processLevel(processId);
}

bool WaylandDesktop::ownProcessLevel(quint32 *level)
{
    return m_x11->ownProcessLevel(level);
}

bool WaylandDesktop::textFieldTraits(WindowHandle, TextFieldTraits *)
{
    return false;
}

bool WaylandDesktop::controlText(WindowHandle, QString *)
{
    return false;
}

bool WaylandDesktop::selection(WindowHandle, int *, int *)
{
    return false;
}

bool WaylandDesktop::setSelection(WindowHandle, int, int)
{
    return false;
}

bool WaylandDesktop::replaceSelection(WindowHandle, const QString &)
{
    return false;
}

bool WaylandDesktop::undo(WindowHandle)
{
    return false;
}

bool WaylandDesktop::setControlText(WindowHandle, const QString &)
{
    return false;
}

bool WaylandDesktop::paste(WindowHandle)
{
    return false;
}

int WaylandDesktop::sendInput(const QVector<KeyInput> &events)
{
    return nativeInFront() ? sendNative(events) : m_x11->sendInput(events);
}

// Unicode events become our keyboard's keys for their characters (prepared
// by canTypeExactly); the paste chords' virtual keys become the modifier
// state and our map's V or Insert.
int WaylandDesktop::sendNative(const QVector<KeyInput> &events)
{
    QVector<quint32> codes;
    int accepted = 0;
    const auto flush = [&] {
        if (codes.isEmpty())
            return true;
        const bool sent = m_keyboard->type(codes);
        codes.clear();
        return sent;
    };
    for (const KeyInput &event : events) {
        const bool up = event.flags & KeyFlag::KeyUp;
        if (event.flags & KeyFlag::Unicode) {
            if (up) {
                ++accepted;
                continue;
            }
            const char16_t unit = event.scan;
            char32_t c = unit;
            if (QChar::isHighSurrogate(unit)) {
                m_pendingHigh = unit;
                ++accepted;
                continue;
            }
            if (QChar::isLowSurrogate(unit)) {
                if (!m_pendingHigh)
                    break;
                c = QChar::surrogateToUcs4(m_pendingHigh, unit);
                m_pendingHigh = 0;
            }
            if (c == U'\r')
                c = U'\n'; // the Enter key of the typing text
            const quint32 code = m_keyboard->keyFor(c);
            if (!code)
                break;
            codes.append(code);
            ++accepted;
            continue;
        }
        if (!flush())
            return 0;
        bool sent = true;
        switch (event.vk) {
        case VkControl:
        case VkShift: {
            const quint32 mask =
                event.vk == VkControl ? VirtualKeymap::ControlBit : VirtualKeymap::ShiftBit;
            m_chordModifiers = up ? (m_chordModifiers & ~mask) : (m_chordModifiers | mask);
            break;
        }
        case VkV:
        case VkInsert:
            if (!up)
                sent = m_keyboard->chord(m_chordModifiers, event.vk == VkV
                                                               ? VirtualKeymap::PasteVKeycode
                                                               : VirtualKeymap::InsertKeycode);
            break;
        default:
            sent = false;
        }
        if (!sent)
            return accepted;
        ++accepted;
    }
    if (!flush())
        return 0;
    return accepted;
}

quint16 WaylandDesktop::scanCodeForVirtualKey(quint16 vk, WindowHandle target)
{
    return isNative(target) ? vk : m_x11->scanCodeForVirtualKey(vk, target);
}

bool WaylandDesktop::isKeyDown(int vk)
{
    return m_x11->isKeyDown(vk);
}

bool WaylandDesktop::isNonModifierKeyDown()
{
    return m_x11->isNonModifierKeyDown();
}

void WaylandDesktop::waitForKeyEvent(int maxMs)
{
    m_x11->waitForKeyEvent(maxMs);
}

bool WaylandDesktop::canTypeExactly(const QString &text)
{
    if (!nativeInFront())
        return m_x11->canTypeExactly(text);
    m_pendingHigh = 0;
    return m_keyboard->prepare(text);
}

QString WaylandDesktop::altGrCharacter(int vk, bool shift)
{
    return m_x11->altGrCharacter(vk, shift);
}

quint32 WaylandDesktop::tickCount()
{
    return m_x11->tickCount();
}

void WaylandDesktop::sleep(int ms)
{
    m_x11->sleep(ms);
}

void WaylandDesktop::settle(WindowHandle target, int maxMs)
{
    if (!isNative(target)) {
        m_x11->settle(target, maxMs);
        return;
    }
    X11Wait::serveEventsUntil(
        [&] {
            WaylandWindow w;
            return focused(&w) && handleOf(w) == target;
        },
        maxMs, PollMs);
}

std::unique_ptr<ClipboardBackup> WaylandDesktop::backupClipboard(bool primary)
{
    m_nativeClipboard = m_clipboard->isValid() && nativeInFront();
    if (!m_nativeClipboard)
        return m_x11->backupClipboard(primary);
    auto backup = std::make_unique<WaylandClipboardBackup>();
    backup->withPrimary = primary && m_clipboard->hasPrimary();
    if (!m_clipboard->read(DataControlClipboard::Selection::Clipboard, &backup->clipboard))
        return nullptr;
    if (backup->withPrimary &&
        !m_clipboard->read(DataControlClipboard::Selection::Primary, &backup->primary))
        return nullptr;
    return backup;
}

ClipboardRestore WaylandDesktop::restoreClipboard(const ClipboardBackup &backup)
{
    const auto *own = dynamic_cast<const WaylandClipboardBackup *>(&backup);
    if (!own)
        return m_x11->restoreClipboard(backup);
    bool ok = m_clipboard->put(DataControlClipboard::Selection::Clipboard, own->clipboard);
    if (own->withPrimary)
        ok = m_clipboard->put(DataControlClipboard::Selection::Primary, own->primary) && ok;
    return ok ? ClipboardRestore::Restored : ClipboardRestore::Failed;
}

void WaylandDesktop::releaseOleClipboard()
{
    m_x11->releaseOleClipboard();
}

bool WaylandDesktop::openClipboard()
{
    return m_nativeClipboard || m_x11->openClipboard();
}

bool WaylandDesktop::emptyClipboard()
{
    return m_nativeClipboard || m_x11->emptyClipboard();
}

bool WaylandDesktop::setClipboardText(const QString &text, ClipboardOffer offer)
{
    if (offer == ClipboardOffer::ForUser)
        m_nativeClipboard = m_clipboard->isValid() && nativeInFront();
    if (!m_nativeClipboard)
        return m_x11->setClipboardText(text, offer);
    // Wayland programs, like X ones, break lines with LF.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QByteArray utf8 = lines.toUtf8();
    const bool watched = offer != ClipboardOffer::ForUser;
    if (!m_clipboard->offerText(DataControlClipboard::Selection::Clipboard, utf8, watched))
        return false;
    if (offer == ClipboardOffer::ForPasteWithPrimary && m_clipboard->hasPrimary())
        return m_clipboard->offerText(DataControlClipboard::Selection::Primary, utf8, watched);
    return true;
}

void WaylandDesktop::closeClipboard()
{
    if (!m_nativeClipboard)
        m_x11->closeClipboard();
}

bool WaylandDesktop::awaitPaste(WindowHandle target, int settleMs)
{
    if (!m_nativeClipboard)
        return m_x11->awaitPaste(target, settleMs);
    return m_clipboard->awaitFetch();
}

bool WaylandDesktop::registerHotKey(WindowHandle owner, int id, int mods, int vk)
{
    return m_x11->registerHotKey(owner, id, mods, vk);
}

bool WaylandDesktop::unregisterHotKey(WindowHandle owner, int id)
{
    return m_x11->unregisterHotKey(owner, id);
}

int WaylandDesktop::hotkeyIdFromNativeEvent(const QByteArray &eventType, void *message)
{
    return m_x11->hotkeyIdFromNativeEvent(eventType, message);
}

void WaylandDesktop::suspendHotKeys(int mods, int vk)
{
    m_x11->suspendHotKeys(mods, vk);
}

bool WaylandDesktop::resumeHotKeys()
{
    return m_x11->resumeHotKeys();
}
