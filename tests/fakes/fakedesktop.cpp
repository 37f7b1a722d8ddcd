#include "fakes/fakedesktop.h"

#include <QAbstractEventDispatcher>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QWindow>

#include <algorithm>

#ifndef Q_OS_WIN
#include "wayland/gnomeshortcuts.h"
#endif

namespace {
QString hex(quintptr v)
{
    return QString::number(v, 16);
}

bool breaksCountOne(const FakeWin32::Window &w)
{
    return w.className.startsWith(QLatin1String("RichEdit")) &&
           w.className != QLatin1String("RichEdit");
}

int units(const QString &text, bool breakAsOne)
{
    return breakAsOne ? text.size() - text.count(QLatin1String("\r\n")) : text.size();
}

// The string index of a selection position, in the control's own units.
int indexOf(const QString &text, int unit, bool breakAsOne)
{
    int i = 0;
    for (int u = 0; u < unit && i < text.size(); ++u)
        i += (breakAsOne && text.mid(i, 2) == QLatin1String("\r\n")) ? 2 : 1;
    return i;
}

class FakeBackup final : public ClipboardBackup
{
public:
    FakeBackup(const QMimeData *current, int lost) : lost(lost)
    {
        if (!current)
            return;
        for (const QString &format : current->formats())
            data.setData(format, current->data(format));
    }
    int lostFormats() const override { return lost; }

    QMimeData data;
    int lost;
};
} // namespace

WindowHandle FakeWin32::addWindow(WindowHandle id, const Window &w)
{
    windows.insert(id, w);
    return id;
}

int FakeWin32::keyEventCount() const
{
    int n = 0;
    for (const auto &batch : inputBatches)
        n += batch.size();
    return n;
}

QString FakeWin32::typedText() const
{
    QString out;
    for (const auto &batch : inputBatches) {
        for (const KeyInput &k : batch) {
            if ((k.flags & KeyFlag::Unicode) && !(k.flags & KeyFlag::KeyUp))
                out.append(QChar(k.scan));
        }
    }
    return out;
}

FakeWin32::Window *FakeWin32::find(WindowHandle w)
{
    auto it = windows.find(w);
    return (it == windows.end() || !it->exists) ? nullptr : &*it;
}

WindowHandle FakeWin32::foregroundWindow()
{
    calls << QStringLiteral("foregroundWindow");
    // One of our windows that took the focus and has been hidden since is
    // not in front any more: Windows gives the front back to the window
    // that was there before.
    if (foreground && foreground == activatedOwn) {
        for (const QWindow *w : QGuiApplication::topLevelWindows()) {
            if (w->handle() && WindowHandle(w->winId()) == foreground && !w->isVisible()) {
                foreground = beforeOwn;
                activatedOwn = 0;
                break;
            }
        }
    }
    return foreground;
}

bool FakeWin32::isWindow(WindowHandle w)
{
    calls << QStringLiteral("isWindow ") + hex(w);
    return w && find(w);
}

bool FakeWin32::isWindowVisible(WindowHandle w)
{
    calls << QStringLiteral("isWindowVisible ") + hex(w);
    Window *win = find(w);
    return win && win->visible;
}

quint32 FakeWin32::windowThreadProcessId(WindowHandle w, quint32 *processId)
{
    calls << QStringLiteral("windowThreadProcessId ") + hex(w);
    Window *win = find(w);
    if (processId)
        *processId = win ? win->pid : 0;
    return win ? win->thread : 0;
}

quint32 FakeWin32::currentThreadId()
{
    return ownThread;
}

quint32 FakeWin32::currentProcessId()
{
    return ownPid;
}

bool FakeWin32::attachThreadInput(quint32 from, quint32 to, bool attach)
{
    calls << QStringLiteral("attachThreadInput %1 %2 %3").arg(from).arg(to).arg(attach);
    if (!attachSucceeds)
        return false;
    if (attach)
        attachedThreads.insert(to);
    else
        attachedThreads.remove(to);
    return true;
}

bool FakeWin32::setForegroundWindow(WindowHandle w)
{
    calls << QStringLiteral("setForegroundWindow ") + hex(w);
    Window *win = find(w);
    if (!win || (foregroundLocked && !attachedThreads.contains(win->thread)))
        return false;
    foreground = w;
    return true;
}

Answer FakeWin32::probe(WindowHandle w, int maxMs)
{
    calls << QStringLiteral("probe %1 %2").arg(hex(w)).arg(maxMs);
    Window *win = find(w);
    if (!win || win->hung)
        return Answer::Hung;
    const quint32 ready = busyUntil(w);
    if (now >= ready)
        return Answer::Answered;
    quint32 wait = ready - now;
    // A thread that takes its keys one message at a time answers between
    // two of them: the key messages end perKeyMs apart, counted back from
    // the end of its backlog.
    if (win->perKeyMs > 0)
        wait %= quint32(win->perKeyMs);
    if (wait <= quint32(maxMs)) {
        advance(int(wait));
        return Answer::Answered;
    }
    advance(maxMs);
    return Answer::Late;
}

quint32 FakeWin32::busyUntil(WindowHandle w)
{
    Window *win = find(w);
    if (!win)
        return 0;
    quint32 ready = win->readyAt;
    if (Window *top = find(topLevelWindow(w)))
        ready = qMax(ready, top->readyAt);
    return ready;
}

bool FakeWin32::deliverMessage(WindowHandle control, std::function<void()> act)
{
    constexpr quint32 TimeoutMs = 1000; // SendMessageTimeout's limit
    const quint32 ready = busyUntil(control);
    if (ready > now + TimeoutMs) {
        // Not answered in time, but in its queue all the same.
        advance(int(TimeoutMs));
        pendingPastes.append({control, ready, std::move(act)});
        return false;
    }
    if (ready > now)
        advance(int(ready - now));
    act();
    return true;
}

WindowHandle FakeWin32::topLevelWindow(WindowHandle w)
{
    for (auto it = windows.cbegin(); it != windows.cend(); ++it) {
        if (it->children.contains(w))
            return it.key();
    }
    return find(w) ? w : 0;
}

QVector<quint32> FakeWin32::childWindowProcesses(WindowHandle top)
{
    QVector<quint32> pids;
    if (Window *win = find(top)) {
        for (WindowHandle child : qAsConst(win->children)) {
            if (Window *c = find(child))
                pids << c->pid;
        }
    }
    return pids;
}

QVector<quint32> FakeWin32::descendantProcesses(quint32 processId)
{
    QVector<quint32> out = childProcesses.value(processId);
    for (int i = 0; i < out.size(); ++i)
        out += childProcesses.value(out.at(i));
    return out;
}

bool FakeWin32::activateOwnWindow(WindowHandle w, int maxMs)
{
    calls << QStringLiteral("activateOwnWindow %1 %2").arg(hex(w)).arg(maxMs);
    // Our window takes the focus, and with it the keys sent from now on.
    if (activateOwnSucceeds && foreground != w) {
        beforeOwn = foreground;
        activatedOwn = w;
        foreground = w;
    }
    return activateOwnSucceeds;
}

bool FakeWin32::keepOutOfTaskBar(WindowHandle w)
{
    calls << QStringLiteral("keepOutOfTaskBar ") + hex(w);
    return true;
}

bool FakeWin32::yieldTopmost(WindowHandle topmost, WindowHandle dialog, bool yield)
{
    calls << QStringLiteral("yieldTopmost %1 %2 %3").arg(hex(topmost), hex(dialog)).arg(yield);
    return true;
}

bool FakeWin32::guiThreadInfo(quint32 threadId, GuiThreadInfo *info)
{
    calls << QStringLiteral("guiThreadInfo %1").arg(threadId);
    auto it = guiInfo.constFind(threadId);
    if (it == guiInfo.constEnd())
        return false;
    *info = *it;
    return true;
}

bool FakeWin32::clientToScreen(WindowHandle w, QPoint *point)
{
    Window *win = find(w);
    if (!win)
        return false;
    *point += win->clientOrigin;
    return true;
}

bool FakeWin32::className(WindowHandle w, QString *name)
{
    Window *win = find(w);
    if (!win || win->className.isEmpty())
        return false;
    *name = win->className.left(127); // a 128-unit buffer with its NUL
    return true;
}

bool FakeWin32::targetApplication(WindowHandle w, TargetApp *app)
{
    calls << QStringLiteral("targetApplication ") + hex(w);
    auto it = apps.constFind(w);
    if (it == apps.constEnd())
        return false;
    *app = *it;
    return true;
}

WindowHandle FakeWin32::pickWindow(int maxMs)
{
    calls << QStringLiteral("pickWindow %1").arg(maxMs);
    return picked;
}

QPoint FakeWin32::cursorPos()
{
    return cursor;
}

ProcessLevel FakeWin32::processLevel(quint32 processId)
{
    return levels.value(processId, ProcessLevel{ProcessLevel::Ok, 0});
}

bool FakeWin32::ownProcessLevel(quint32 *level)
{
    *level = ownLevel;
    return ownLevelReadable;
}

FakeWin32::Window *FakeWin32::control(WindowHandle w)
{
    Window *win = find(w);
    return win && win->answers ? win : nullptr;
}

bool FakeWin32::focusIsProtected(WindowHandle window)
{
    calls << QStringLiteral("focusIsProtected ") + hex(window);
    return windows.value(window).protectedFocus;
}

bool FakeWin32::textFieldTraits(WindowHandle control, TextFieldTraits *traits)
{
    calls << QStringLiteral("textFieldTraits ") + hex(control);
    Window *win = find(control);
    if (!win)
        return false;
    *traits = TextFieldTraits{win->readOnly, win->password, win->multiLine};
    return true;
}

bool FakeWin32::controlText(WindowHandle control, QString *text)
{
    calls << QStringLiteral("controlText ") + hex(control);
    Window *win = this->control(control);
    if (!win)
        return false;
    *text = win->text;
    return true;
}

bool FakeWin32::selection(WindowHandle control, int *start, int *end)
{
    calls << QStringLiteral("selection ") + hex(control);
    Window *win = this->control(control);
    if (!win || !win->selectionReadable)
        return false;
    *start = win->selStart;
    *end = win->selEnd;
    return true;
}

bool FakeWin32::setSelection(WindowHandle control, int start, int end)
{
    calls << QStringLiteral("setSelection %1 %2 %3").arg(hex(control)).arg(start).arg(end);
    Window *win = this->control(control);
    if (!win)
        return false;
    win->selStart = start;
    win->selEnd = end;
    return true;
}

bool FakeWin32::replaceSelection(WindowHandle control, const QString &text)
{
    calls << QStringLiteral("replaceSelection ") + hex(control);
    messages.append({Message::ReplaceSel, control, text});
    if (!this->control(control))
        return false;
    return deliverMessage(control, [this, control, text] {
        Window *win = find(control);
        if (win && win->takesReplace)
            replaceNow(win, text);
    });
}

void FakeWin32::replaceNow(Window *win, const QString &text)
{
    // Like EDIT and RichEdit: the selection, in the control's units, clamped
    // to the text; read-only is not checked by the message itself.
    const bool one = breaksCountOne(*win);
    const int length = units(win->text, one);
    const int from = qBound(0, qMin(win->selStart, win->selEnd), length);
    const int to = qBound(0, qMax(win->selStart, win->selEnd), length);
    QString inserted = text;
    if (win->limit >= 0) {
        const int room = qMax(0, win->limit - (length - (to - from)));
        inserted = inserted.left(indexOf(inserted, room, one));
    }
    win->undoText = win->text;
    const QString &t = win->text;
    win->text = t.left(indexOf(t, from, one)) + inserted + t.mid(indexOf(t, to, one));
    win->selStart = win->selEnd = from + units(inserted, one);
}

bool FakeWin32::undo(WindowHandle control)
{
    calls << QStringLiteral("undo ") + hex(control);
    messages.append({Message::Undo, control, QString()});
    Window *win = this->control(control);
    if (!win || !win->undoWorks)
        return false;
    std::swap(win->text, win->undoText);
    return true;
}

bool FakeWin32::setControlText(WindowHandle control, const QString &text)
{
    calls << QStringLiteral("setControlText ") + hex(control);
    messages.append({Message::SetText, control, text});
    Window *win = this->control(control);
    if (!win)
        return false;
    win->text = text;
    win->selStart = win->selEnd = 0;
    win->flattened = win->flattened || win->formatted;
    return true;
}

bool FakeWin32::paste(WindowHandle control)
{
    calls << QStringLiteral("paste ") + hex(control);
    messages.append({Message::Paste, control, QGuiApplication::clipboard()->text()});
    if (!this->control(control))
        return false;
    return deliverMessage(control, [this, control] { pasteInto(control); });
}

WindowHandle FakeWin32::keyReceiver()
{
    Window *front = find(foreground);
    if (!front)
        return 0;
    const auto info = guiInfo.constFind(front->thread);
    if (info != guiInfo.constEnd() && find(info->focus))
        return info->focus;
    return foreground;
}

void FakeWin32::arrive(WindowHandle w, const QString &text)
{
    Window *win = find(w);
    if (!win)
        return;
    const bool one = breaksCountOne(*win);
    const int length = units(win->text, one);
    const int from = qBound(0, qMin(win->selStart, win->selEnd), length);
    const int to = qBound(0, qMax(win->selStart, win->selEnd), length);
    win->text = win->text.left(indexOf(win->text, from, one)) + text +
                win->text.mid(indexOf(win->text, to, one));
    win->selStart = win->selEnd = from + units(text, one);
}

void FakeWin32::pasteInto(WindowHandle w)
{
    Window *win = find(w);
    if (!win || !win->pastes)
        return;
    // A program that finds the clipboard held open tries again later.
    if (now < clipboardHeldUntil) {
        pendingPastes.append({w, clipboardHeldUntil, {}});
        return;
    }
    if (offeredUnrendered) {
        offeredUnrendered = false;
        fetchers << (win->readsAs ? win->readsAs : win->pid);
    }
    arrive(w, QGuiApplication::clipboard()->text());
    clipboardHeldUntil = qMax(clipboardHeldUntil, now + quint32(win->holdsClipboardMs));
}

void FakeWin32::advance(int ms)
{
    const quint32 until = now + quint32(qMax(0, ms));
    for (;;) {
        // The earliest paste or event due by then, in time order.
        int next = -1;
        for (int i = 0; i < pendingPastes.size(); ++i) {
            const Window *w = find(pendingPastes[i].window);
            const WindowHandle top = topLevelWindow(pendingPastes[i].window);
            const bool hung = (w && w->hung) || (find(top) && find(top)->hung);
            if (!hung && pendingPastes[i].at <= until &&
                (next < 0 || pendingPastes[i].at < pendingPastes[next].at))
                next = i;
        }
        int event = -1;
        for (int i = 0; i < scheduled.size(); ++i) {
            if (scheduled[i].at <= until && (event < 0 || scheduled[i].at < scheduled[event].at))
                event = i;
        }
        if (event >= 0 && (next < 0 || scheduled[event].at <= pendingPastes[next].at)) {
            const Scheduled due = scheduled.takeAt(event);
            now = qMax(now, due.at);
            due.fn();
            continue;
        }
        if (next < 0)
            break;
        const PendingPaste due = pendingPastes.takeAt(next);
        now = qMax(now, due.at);
        if (due.act)
            due.act();
        else
            pasteInto(due.window);
    }
    now = until;
}

void FakeWin32::at(quint32 time, std::function<void()> fn)
{
    scheduled.append({time, std::move(fn)});
}

void FakeWin32::otherProgramCopies(const QString &text)
{
    if (QClipboard *c = QGuiApplication::clipboard())
        c->setText(text);
    offeredUnrendered = false;
    clipboardOurs = false;
    clipboardChanged();
}

int FakeWin32::sendInput(const QVector<KeyInput> &events)
{
    calls << QStringLiteral("sendInput %1").arg(events.size());
    const int batch = inputBatches.size();
    inputBatches.append(events);
    const int accepted = qMin(events.size(), acceptLimit.value(batch, events.size()));
    // The keys reach the focused window of the one in front; a hung
    // program takes them only when it wakes, which it does not here.
    const WindowHandle receiver = keyReceiver();
    Window *front = find(foreground);
    Window *target = find(receiver);
    bool ctrl = false;
    bool shift = false;
    for (int i = 0; i < accepted; ++i) {
        const KeyInput &k = events.at(i);
        const bool up = k.flags & KeyFlag::KeyUp;
        if (!target || front->hung) {
            if ((k.flags & KeyFlag::Unicode) && !up)
                keysToNowhere.append(QChar(k.scan));
            continue;
        }
        if (k.flags & KeyFlag::Unicode) {
            if (!up)
                arrive(receiver, k.scan == '\r' ? QStringLiteral("\r\n") : QString(QChar(k.scan)));
            continue;
        }
        switch (k.vk) {
        case 0x10:
            shift = !up;
            break;
        case 0x11:
            ctrl = !up;
            break;
        case 0x25: // Left
            if (!up && target->selStart == target->selEnd && target->selStart > 0) {
                const bool pair =
                    target->text.mid(target->selStart - 2, 2) == QLatin1String("\r\n");
                target->selStart = target->selEnd =
                    target->selStart - (pair && !breaksCountOne(*target) ? 2 : 1);
            }
            break;
        case 0x08: // BackSpace
            if (!up && target->selStart == target->selEnd && target->selStart > 0) {
                target->text.remove(target->selStart - 1, 1);
                target->selStart = target->selEnd = target->selStart - 1;
            }
            break;
        case 0x56:
        case 0x2D: {
            if (up)
                break;
            const PasteKey chord = k.vk == 0x2D ? PasteKey::ShiftInsert
                                   : shift      ? PasteKey::CtrlShiftV
                                                : PasteKey::CtrlV;
            if ((k.vk == 0x56 && !ctrl) || (k.vk == 0x2D && !shift) || chord != target->pasteKey)
                break;
            // The program gets to the keys once it is through with the ones
            // before; then it reads the clipboard.
            front->readyAt = qMax(now, front->readyAt) + quint32(front->busyMs) +
                             quint32(front->perKeyMs * accepted);
            if (front->readyAt <= now)
                pasteInto(receiver);
            else
                pendingPastes.append({receiver, front->readyAt, {}});
            break;
        }
        default:
            break;
        }
    }
    if (front && accepted > 0 && front->busyMs > 0)
        front->readyAt = qMax(front->readyAt, now + quint32(front->busyMs));
    if (front && accepted > 0 && front->perKeyMs > 0 && front->readyAt < now)
        front->readyAt = now + quint32(front->perKeyMs * accepted);
    if (afterInput)
        afterInput();
    return accepted;
}

quint16 FakeWin32::scanCodeForVirtualKey(quint16 vk, WindowHandle target)
{
    calls << QStringLiteral("scanCodeForVirtualKey %1 %2").arg(vk, 0, 16).arg(hex(target));
    switch (vk) {
    case 0x10:
        return 0x2A; // the scan codes of a PC keyboard
    case 0x11:
        return 0x1D;
    case 0x2D:
        return 0x52;
    case 0x56:
        return 0x2F;
    default:
        return 0;
    }
}

bool FakeWin32::isKeyDown(int vk)
{
    auto it = keysHeldUntil.constFind(vk);
    return it != keysHeldUntil.constEnd() && now < *it;
}

bool FakeWin32::isNonModifierKeyDown()
{
    if (now < nonModifierHeldUntil)
        return true;
    for (auto it = keysHeldUntil.cbegin(); it != keysHeldUntil.cend(); ++it) {
        if (now < it.value() &&
            std::find(std::begin(ModifierVirtualKeys), std::end(ModifierVirtualKeys),
                      quint16(it.key())) == std::end(ModifierVirtualKeys))
            return true;
    }
    return false;
}

void FakeWin32::waitForKeyEvent(int maxMs)
{
    calls << QStringLiteral("waitForKeyEvent %1").arg(maxMs);
    sleeps.append(maxMs);
    advance(maxMs);
}

bool FakeWin32::canTypeExactly(const QString &text)
{
    calls << QStringLiteral("canTypeExactly");
    exactChecks << text;
    return typesExactly;
}

QString FakeWin32::altGrCharacter(int vk, bool shift)
{
    if (shift && altGrWithShift.contains(vk))
        return altGrWithShift.value(vk);
    return altGr.value(vk);
}

quint32 FakeWin32::tickCount()
{
    return now;
}

void FakeWin32::sleep(int ms)
{
    calls << QStringLiteral("sleep %1").arg(ms);
    sleeps.append(ms);
    advance(ms);
}

void FakeWin32::settle(WindowHandle target, int maxMs)
{
    calls << QStringLiteral("settle ") + hex(target);
    settles.append(maxMs);
    advance(maxMs);
}

QVector<quint32> FakeWin32::pasteFetchers()
{
    return fetchers;
}

bool FakeWin32::clipboardHoldsOurPaste()
{
    return clipboardOurs;
}

void FakeWin32::clipboardChanged()
{
    for (const Window &w : qAsConst(windows)) {
        if (w.exists && w.readsOnChange && offeredUnrendered) {
            offeredUnrendered = false;
            fetchers << w.pid;
        }
    }
    if (!monitor.on)
        return;
    ++monitor.reads;
    clipboardHeldUntil = now + quint32(monitor.holdsOpenMs);
    if (offeredUnrendered) {
        offeredUnrendered = false;
        fetchers << (monitor.hasWindow ? monitor.pid : 0);
    }
}

std::unique_ptr<ClipboardBackup> FakeWin32::backupClipboard(bool primary)
{
    calls << QStringLiteral("backupClipboard");
    backupsWithPrimary << primary;
    QClipboard *c = QGuiApplication::clipboard();
    if (backupFails || !c || now < clipboardHeldUntil)
        return nullptr;
    if (duringBackup)
        duringBackup();
    return std::make_unique<FakeBackup>(c->mimeData(), backupLostFormats);
}

ClipboardRestore FakeWin32::restoreClipboard(const ClipboardBackup &backup)
{
    calls << QStringLiteral("restoreClipboard");
    if (restoreBusy > 0) {
        --restoreBusy;
        return ClipboardRestore::Busy;
    }
    if (now < clipboardHeldUntil)
        return ClipboardRestore::Busy;
    // Another program's copy since ours is newer: it stays.
    if (!clipboardOurs)
        return ClipboardRestore::Superseded;
    if (restoreOutcome != ClipboardRestore::Failed) {
        const QMimeData &saved = static_cast<const FakeBackup &>(backup).data;
        auto *copy = new QMimeData;
        for (const QString &format : saved.formats())
            copy->setData(format, saved.data(format));
        QGuiApplication::clipboard()->setMimeData(copy);
        offeredUnrendered = false;
        clipboardChanged();
    }
    return restoreOutcome;
}

bool FakeWin32::openClipboard()
{
    calls << QStringLiteral("openClipboard");
    if (clipboardOpenFailures > 0) {
        --clipboardOpenFailures;
        return false;
    }
    clipboardDirty = false;
    return now >= clipboardHeldUntil;
}

// The system clipboard is modelled by the application's QClipboard, which is
// where the algorithm takes its backup from and puts it back.
bool FakeWin32::emptyClipboard()
{
    calls << QStringLiteral("emptyClipboard");
    if (!emptySucceeds)
        return false;
    if (QClipboard *c = QGuiApplication::clipboard())
        c->clear();
    offeredUnrendered = false;
    clipboardOurs = true;
    clipboardDirty = true;
    return true;
}

bool FakeWin32::setClipboardText(const QString &text, ClipboardOffer offer)
{
    calls << QStringLiteral("setClipboardText");
    clipboardTexts << text;
    clipboardOffers << offer;
    if (!setClipboardSucceeds)
        return false;
    if (QClipboard *c = QGuiApplication::clipboard())
        c->setText(text);
    // Offered for a paste, the text is rendered when a program asks for it,
    // and each fetch is seen; for the user it is rendered at once.
    offeredUnrendered = offer != ClipboardOffer::ForUser;
    if (offeredUnrendered)
        fetchers.clear();
    clipboardDirty = true;
    return true;
}

void FakeWin32::closeClipboard()
{
    calls << QStringLiteral("closeClipboard");
    if (clipboardDirty) {
        clipboardDirty = false;
        clipboardChanged();
    }
}

bool FakeWin32::registerHotKey(WindowHandle owner, int id, int mods, int vk)
{
    // Like RegisterHotKey: a combination that anyone holds already, this
    // program included, cannot be registered again.
    const QPair<int, int> combination(mods, vk);
    bool held = false;
    for (auto it = registered.cbegin(); it != registered.cend() && !held; ++it)
        held = it.value() == combination;
    const bool ok = !failingHotkeys.contains(combination) && !held;
    calls << QStringLiteral("registerHotKey %1 %2 %3").arg(id).arg(mods).arg(vk);
    hotkeyCalls.append({true, owner, id, mods, vk, ok});
    if (ok)
        registered.insert(id, qMakePair(mods, vk));
    return ok;
}

bool FakeWin32::unregisterHotKey(WindowHandle owner, int id)
{
    // One let go for our paste key is released already.
    const bool ok = registered.remove(id) > 0 || suspended.remove(id) > 0;
    calls << QStringLiteral("unregisterHotKey %1").arg(id);
    hotkeyCalls.append({false, owner, id, 0, 0, ok});
    return ok;
}

bool FakeWin32::postHotkey(int id, const QByteArray &eventType)
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    long result = 0;
    return dispatcher && dispatcher->filterNativeEvent(eventType, &id, &result);
}

int FakeWin32::hotkeyIdFromNativeEvent(const QByteArray &eventType, void *message)
{
    if (eventType != hotkeyEventType() || !message)
        return 0;
    const int id = *static_cast<const int *>(message);
    return registered.contains(id) ? id : 0;
}

void FakeWin32::suspendHotKeys(int mods, int vk)
{
    calls << QStringLiteral("suspendHotKeys %1 %2").arg(mods).arg(vk, 0, 16);
    for (auto it = registered.begin(); it != registered.end();) {
        if (it.value() == qMakePair(mods, vk)) {
            suspended.insert(it.key(), HotkeyCall{true, 0, it.key(), mods, vk, true});
            it = registered.erase(it);
        } else {
            ++it;
        }
    }
}

bool FakeWin32::keepKeyboard(WindowHandle window, std::function<void(int, int)> onHeld)
{
    calls << QStringLiteral("keepKeyboard %1").arg(window);
    if (keepKeyboardFails)
        return false;
    keptFor = window;
    ++keepCount;
    onHeldPress = std::move(onHeld);
    return true;
}

void FakeWin32::releaseKeptKeyboard()
{
    calls << QStringLiteral("releaseKeptKeyboard");
    keptFor = 0;
    onHeldPress = nullptr;
}

bool FakeWin32::hotkeyHeldElsewhere(int mods, int vk)
{
    calls << QStringLiteral("hotkeyHeldElsewhere %1 %2").arg(mods).arg(vk);
    return failingHotkeys.contains(qMakePair(mods, vk));
}

QVector<int> FakeWin32::resumeHotKeys()
{
    calls << QStringLiteral("resumeHotKeys");
    QVector<int> lost;
    for (const HotkeyCall &s : qAsConst(suspended)) {
        // Like RegisterHotKey: another program may have taken it meanwhile.
        if (failingHotkeys.contains(qMakePair(s.mods, s.vk)))
            lost << s.id;
        else
            registered.insert(s.id, qMakePair(s.mods, s.vk));
    }
    suspended.clear();
    std::sort(lost.begin(), lost.end());
    return lost;
}

QString FakeDesktop::settingsBindingLines(const QVector<DesktopBindings::Command> &commands,
                                          const QString &program)
{
#ifndef Q_OS_WIN
    if (roads.shortcuts == DesktopAbilities::Shortcuts::GnomeCustom)
        return GnomeShortcuts::bindingLines(commands, program);
#else
    Q_UNUSED(commands)
    Q_UNUSED(program)
#endif
    return QString();
}

bool FakeDesktop::writeSettingsBindings(const QVector<DesktopBindings::NamedCommand> &commands,
                                        const QString &, QString *error)
{
    if (roads.shortcuts != DesktopAbilities::Shortcuts::GnomeCustom) {
        *error = QStringLiteral("no such settings");
        return false;
    }
    settingsBindings = commands;
    return true;
}

bool FakeDesktop::removeSettingsBindings(const QString &, QString *error)
{
    if (roads.shortcuts != DesktopAbilities::Shortcuts::GnomeCustom) {
        *error = QStringLiteral("no such settings");
        return false;
    }
    settingsBindings.clear();
    return true;
}
