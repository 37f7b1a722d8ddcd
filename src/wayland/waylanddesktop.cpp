#include "wayland/waylanddesktop.h"

#include "base/textconvert.h"
#include "wayland/gnomeshortcuts.h"
#include "wayland/mutterremotedesktop.h"
#include "wayland/swayipc.h"
#include "wayland/waylandconnection.h"
#include "wayland/waylandtargets.h"
#include "x11/atspicaret.h"
#include "x11/x11wait.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

// Last: Xlib's macros would spoil Qt's headers.
#include "x11/x11desktop.h"

#include <csignal>

namespace {

constexpr int PollMs = 10;
// UTF-16 units handed to the keyboard at a time: each batch goes through the
// compositor before the next, so a failure leaves few keys in flight.
constexpr int TypingBatch = 64;

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

// The characters of text from `from` on: at most TypingBatch UTF-16 units,
// and never half a surrogate pair, which would be no character for the
// keyboard. A lone half is none either: the batch ends before it. *end is
// where the next batch begins.
QVector<char32_t> typingBatch(const QString &text, int from, int *end)
{
    QVector<char32_t> characters;
    const int last = TextConvert::typingBatchEnd(text, from, TypingBatch);
    int i = from;
    while (i < last) {
        const QChar unit = text.at(i);
        char32_t c = unit.unicode();
        int width = 1;
        if (unit.isHighSurrogate() && i + 1 < last && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(unit, text.at(i + 1));
            width = 2;
        } else if (unit.isSurrogate()) {
            break;
        }
        characters.append(c == U'\r' ? U'\n' : c); // the typing text's Enter key
        i += width;
    }
    *end = i;
    return characters;
}

} // namespace

WaylandDesktop::WaylandDesktop(std::unique_ptr<X11Desktop> x11,
                               std::unique_ptr<WaylandConnection> wayland, CompositorServices roads)
    : m_x11(std::move(x11)), m_wayland(std::move(wayland)), m_roads(std::move(roads))
{
    // A target that closes its end of a clipboard transfer early must not
    // end the program: the write fails instead.
    std::signal(SIGPIPE, SIG_IGN);
}

WaylandDesktop::~WaylandDesktop() = default;

DesktopAbilities WaylandDesktop::abilities()
{
    DesktopAbilities roads;
    roads.waylandWindows = true;
    roads.pasting = m_roads.clipboard && m_roads.clipboard->isValid();
    roads.windowsKnown = m_roads.targets != nullptr;
    roads.compositor = m_roads.compositor;
    switch (m_roads.compositor) {
    case Compositor::X11Only: // not made: the desktop is then the X11 one alone
        break;
    case Compositor::Wlroots:
        roads.keys = DesktopAbilities::Keys::VirtualKeyboard;
        // Our shortcuts are X11 ones: they fire while an X11 program is in
        // front.
        roads.shortcuts = DesktopAbilities::Shortcuts::CompositorBindings;
        break;
    case Compositor::KWin:
        roads.keys = DesktopAbilities::Keys::FakeInput;
        roads.shortcuts = m_roads.shortcuts ? DesktopAbilities::Shortcuts::KGlobalAccel
                                            : DesktopAbilities::Shortcuts::CompositorBindings;
        break;
    case Compositor::Mutter:
        roads.keys = DesktopAbilities::Keys::RemoteDesktop;
        roads.shortcuts = DesktopAbilities::Shortcuts::GnomeCustom;
        break;
    }
    if (!m_roads.keyboard || !m_roads.keyboard->isValid())
        roads.keys = DesktopAbilities::Keys::Unavailable;
    return roads;
}

bool WaylandDesktop::drawsTitleBars()
{
    // Our windows are X11 ones through XWayland: sway draws its title bar
    // on every tiled one, whatever its Motif hints ask.
    if (m_x11->display())
        return m_roads.compositor == Compositor::Wlroots && SwayIpc::available();
    // Without XWayland they are Wayland windows, and Qt asks a compositor
    // that offers them for server-side decorations.
    return m_wayland->announced("zxdg_decoration_manager_v1");
}

bool WaylandDesktop::balloonsReadMarkup()
{
    return m_x11->balloonsReadMarkup();
}

bool WaylandDesktop::bindsCommandsOf(const QString &program)
{
    switch (m_roads.compositor) {
    case Compositor::Wlroots:
        return SwayIpc::available() && SwayIpc::bindsProgram(program);
    case Compositor::Mutter: {
        // Our custom shortcuts in GNOME's settings, as Options writes them.
        GnomeShortcuts::Writer writer(program);
        QVector<GnomeShortcuts::Entry> entries;
        return writer.entries(&entries) && !entries.isEmpty();
    }
    case Compositor::KWin:
    case Compositor::X11Only:
        break;
    }
    return false;
}

QString WaylandDesktop::settingsBindingLines(const QVector<DesktopBindings::Command> &commands,
                                             const QString &program)
{
    if (m_roads.compositor != Compositor::Mutter)
        return QString();
    return GnomeShortcuts::bindingLines(commands, program);
}

bool WaylandDesktop::writeSettingsBindings(const QVector<DesktopBindings::NamedCommand> &commands,
                                           const QString &program, QString *error)
{
    if (m_roads.compositor != Compositor::Mutter)
        return false;
    QVector<GnomeShortcuts::Binding> bindings;
    for (const DesktopBindings::NamedCommand &c : commands)
        bindings << GnomeShortcuts::Binding{c.name, c.command.mods, c.command.vk,
                                            c.command.arguments};
    GnomeShortcuts::Writer writer(program);
    if (writer.write(bindings))
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}

bool WaylandDesktop::removeSettingsBindings(const QString &program, QString *error)
{
    if (m_roads.compositor != Compositor::Mutter)
        return false;
    GnomeShortcuts::Writer writer(program);
    if (writer.removeAll())
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}

QRect WaylandDesktop::workArea(const QPoint &p)
{
    QRect area;
    if (m_roads.compositor == Compositor::Wlroots && SwayIpc::available() &&
        SwayIpc::workArea(p, &area))
        return area;
    return QRect();
}

bool WaylandDesktop::keepsWindowsAbove()
{
    if (!m_x11->display())
        return false; // no Wayland protocol keeps a client's window above
    return !(m_roads.compositor == Compositor::Wlroots && SwayIpc::available());
}

bool WaylandDesktop::focused(WaylandWindow *out)
{
    return m_roads.targets && m_roads.targets->focused(out);
}

bool WaylandDesktop::findNative(WindowHandle w, WaylandWindow *out)
{
    if (!isNative(w))
        return false;
    QVector<WaylandWindow> all;
    if (!m_roads.targets || !m_roads.targets->windows(&all))
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
    if (!w || !m_roads.targets || !m_roads.targets->namesX11Windows() ||
        !m_roads.targets->windows(&all))
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
    if (!m_roads.targets || !m_roads.targets->focus(id))
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

ShortcutService &WaylandDesktop::shortcuts()
{
    if (m_roads.shortcuts)
        return *m_roads.shortcuts;
    return *m_x11;
}

Clock &WaylandDesktop::clock()
{
    return *m_x11;
}

bool WaylandDesktop::isOwnProcess(WindowHandle w)
{
    if (!isNative(w))
        return m_x11->isOwnProcess(w);
    WaylandWindow found;
    return findNative(w, &found) && found.pid > 0 &&
           found.pid == QCoreApplication::applicationPid();
}

// sway focuses an X11 window that asks for it only when configured so: it is
// asked through its IPC, for X11 windows as for native ones.
bool WaylandDesktop::bringToFront(WindowHandle w)
{
    if (!isWindow(w))
        return false;
    if (isNative(w))
        return focusContainer(containerId(w), FocusWaitMs) || foregroundWindow() == w;
    const qint64 container = containerOfX11(w);
    if (container && focusContainer(container, FocusWaitMs))
        return true;
    return m_x11->bringToFront(w) || foregroundWindow() == w;
}

qint64 WaylandDesktop::awaitContainerOfX11(WindowHandle w, int maxMs)
{
    qint64 container = 0;
    if (!m_roads.targets || !m_roads.targets->namesX11Windows())
        return 0;
    X11Wait::serveEventsUntil(
        [&] {
            container = containerOfX11(w);
            return container != 0;
        },
        maxMs, PollMs);
    return container;
}

// Where the compositor's list does not name X windows (KWin, mutter, other
// wlroots compositors), our X11 windows are placed as on X11: XWayland's
// window manager keeps the place a window asks for.
bool WaylandDesktop::placeOwnWindow(WindowHandle w, const QRect &geometry)
{
    if (!m_roads.targets || !m_roads.targets->namesX11Windows())
        return m_x11->placeOwnWindow(w, geometry);
    const qint64 container = awaitContainerOfX11(w, PlaceWaitMs);
    return container && m_roads.targets->moveTo(container, geometry.topLeft());
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

// A Wayland program does not know where its window is: its accessibility
// bus gives the caret within the window, and sway adds the window's place.
bool WaylandDesktop::caretRect(WindowHandle w, QRect *screenRect)
{
    if (!isNative(w))
        return m_x11->caretRect(w, screenRect);
    WaylandWindow found;
    QRect caret;
    if (!findNative(w, &found) || found.pid <= 0 ||
        !AtspiCaret::caretRect(quint32(found.pid), &caret, X11Desktop::RefocusWaitMs))
        return false;
    *screenRect = caret.translated(found.contentRect.topLeft());
    return true;
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
FieldKind WaylandDesktop::focusedField(WindowHandle target)
{
    if (!isNative(target))
        return m_x11->focusedField(target);
    WaylandWindow found;
    return findNative(target, &found) && found.pid > 0
               ? AtspiCaret::focusedField(quint32(found.pid), X11Desktop::RefocusWaitMs)
               : FieldKind::Unknown;
}

QPoint WaylandDesktop::pointerPos()
{
    WaylandWindow w;
    if (focused(&w) && !w.xwayland && !w.contentRect.isNull())
        return w.contentRect.center();
    const QPoint pointer = m_x11->pointerPos();
    if (!pointer.isNull())
        return pointer;
    // No X server to ask, and a compositor that names no place (mutter): the
    // middle of the screen.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPoint();
    return screen->geometry().topLeft() +
           (screen->geometry().center() - screen->geometry().topLeft()) *
               screen->devicePixelRatio();
}

// Returns the UTF-16 units that went out whole. A batch the keyboard sent in
// part counts as at least one unit, so that the text is never pasted over
// keys that went out; a lone surrogate half ends the typing before it.
int WaylandDesktop::typeText(const QString &text)
{
    if (!nativeInFront())
        return m_x11->typeText(text);
    if (!m_roads.keyboard)
        return 0;
    int from = 0;
    while (from < text.size()) {
        int end = from;
        const QVector<char32_t> batch = typingBatch(text, from, &end);
        if (batch.isEmpty())
            break;
        switch (m_roads.keyboard->type(batch)) {
        case NativeKeyboard::Sent::All:
            break;
        case NativeKeyboard::Sent::Nothing:
            return from;
        case NativeKeyboard::Sent::Some:
            return qMax(1, from);
        }
        from = end;
    }
    return from;
}

int WaylandDesktop::pressKey(EditKey key, int times)
{
    if (!nativeInFront())
        return m_x11->pressKey(key, times);
    const NativeKeyboard::Key which =
        key == EditKey::Left ? NativeKeyboard::Key::Left : NativeKeyboard::Key::BackSpace;
    for (int i = 0; i < times; ++i) {
        if (!m_roads.keyboard->chord(0, which))
            return i;
    }
    return times;
}

// GNOME runs a custom shortcut's command at the press, and tells no program
// which keys are down; our keys go through the same keyboard state, where a
// held Super or Control would turn them into commands. So a phrase waits,
// from the settle that begins every insertion, the time a person holds a
// shortcut.
bool WaylandDesktop::isAnyKeyDown(bool modifiersToo)
{
    if (m_roads.compositor == Compositor::Mutter && modifiersToo && m_keysWait.isValid() &&
        m_keysWait.elapsed() < GnomeKeysSettleMs)
        return true;
    return m_x11->isAnyKeyDown(modifiersToo);
}

void WaylandDesktop::waitForKeyEvent(int maxMs)
{
    m_x11->waitForKeyEvent(maxMs);
}

bool WaylandDesktop::canTypeExactly(const QString &text)
{
    if (!nativeInFront())
        return m_x11->canTypeExactly(text);
    if (m_roads.mutter) {
        // The group in use is told to the window with the focus only: every
        // group of the keymap counts (-1), so nothing is typed in the wrong
        // one.
        if (!m_roads.mutter->ensureSession())
            return false;
        m_wayland->roundtrip(); // the seat's keyboard, new with the session
        const QByteArray keymap = m_wayland->keymap();
        if (keymap != m_mutterKeymap) {
            m_roads.mutter->setKeymap(keymap, -1);
            m_mutterKeymap = keymap;
        }
    }
    return m_roads.keyboard && m_roads.keyboard->isValid() && m_roads.keyboard->prepare(text);
}

void WaylandDesktop::settle(WindowHandle target, int maxMs)
{
    if (m_roads.compositor == Compositor::Mutter && isNative(target))
        m_keysWait.start();
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

// Our keyboard's map has fixed keys for V and Insert, and the chord holds
// its own modifiers: none the user holds take part.
bool WaylandDesktop::sendPasteKey(WindowHandle target, PasteKey key)
{
    if (!m_nativeClipboard)
        return m_x11->sendPasteKey(target, key);
    if (!m_roads.keyboard)
        return false;
    using Key = NativeKeyboard::Key;
    switch (key) {
    case PasteKey::CtrlV:
        return m_roads.keyboard->chord(NativeKeyboard::ControlBit, Key::PasteV);
    case PasteKey::CtrlShiftV:
        return m_roads.keyboard->chord(NativeKeyboard::ControlBit | NativeKeyboard::ShiftBit,
                                       Key::PasteV);
    case PasteKey::ShiftInsert:
        return m_roads.keyboard->chord(NativeKeyboard::ShiftBit, Key::Insert);
    }
    return false;
}
