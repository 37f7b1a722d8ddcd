#include "fakes/fakedesktop.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

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
    return attachSucceeds;
}

bool FakeWin32::setForegroundWindow(WindowHandle w)
{
    calls << QStringLiteral("setForegroundWindow ") + hex(w);
    if (!find(w))
        return false;
    foreground = w;
    return true;
}

bool FakeWin32::bringWindowToTop(WindowHandle w)
{
    calls << QStringLiteral("bringWindowToTop ") + hex(w);
    return find(w) != nullptr;
}

bool FakeWin32::activateOwnWindow(WindowHandle w, int maxMs)
{
    calls << QStringLiteral("activateOwnWindow %1 %2").arg(hex(w)).arg(maxMs);
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
    Window *win = this->control(control);
    if (!win)
        return false;
    if (!win->takesReplace)
        return true;
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
    return true;
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
    return true;
}

bool FakeWin32::paste(WindowHandle control)
{
    calls << QStringLiteral("paste ") + hex(control);
    messages.append({Message::Paste, control, clipboardNow});
    return this->control(control) != nullptr;
}

int FakeWin32::sendInput(const QVector<KeyInput> &events)
{
    calls << QStringLiteral("sendInput %1").arg(events.size());
    const int batch = inputBatches.size();
    inputBatches.append(events);
    if (afterInput)
        afterInput();
    return qMin(events.size(), acceptLimit.value(batch, events.size()));
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
    return now < nonModifierHeldUntil;
}

void FakeWin32::waitForKeyEvent(int maxMs)
{
    calls << QStringLiteral("waitForKeyEvent %1").arg(maxMs);
    sleeps.append(maxMs);
    now += quint32(maxMs);
}

bool FakeWin32::canTypeExactly(const QString &text)
{
    calls << QStringLiteral("canTypeExactly");
    exactChecks << text;
    return typesExactly;
}

QString FakeWin32::altGrCharacter(int vk, bool)
{
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
    now += quint32(ms);
}

void FakeWin32::settle(WindowHandle target, int maxMs)
{
    calls << QStringLiteral("settle ") + hex(target);
    settles.append(maxMs);
    now += quint32(maxMs);
}

bool FakeWin32::awaitPaste(WindowHandle target, int settleMs)
{
    calls << QStringLiteral("awaitPaste ") + hex(target);
    sleeps.append(settleMs);
    now += quint32(settleMs);
    return pasteRead;
}

std::unique_ptr<ClipboardBackup> FakeWin32::backupClipboard(bool primary)
{
    calls << QStringLiteral("backupClipboard");
    backupsWithPrimary << primary;
    QClipboard *c = QGuiApplication::clipboard();
    if (backupFails || !c)
        return nullptr;
    return std::make_unique<FakeBackup>(c->mimeData(), backupLostFormats);
}

ClipboardRestore FakeWin32::restoreClipboard(const ClipboardBackup &backup)
{
    calls << QStringLiteral("restoreClipboard");
    if (restoreBusy > 0) {
        --restoreBusy;
        return ClipboardRestore::Busy;
    }
    if (restoreOutcome != ClipboardRestore::Failed) {
        const QMimeData &saved = static_cast<const FakeBackup &>(backup).data;
        auto *copy = new QMimeData;
        for (const QString &format : saved.formats())
            copy->setData(format, saved.data(format));
        QGuiApplication::clipboard()->setMimeData(copy);
    }
    return restoreOutcome;
}

void FakeWin32::releaseOleClipboard()
{
    calls << QStringLiteral("releaseOleClipboard");
}

bool FakeWin32::openClipboard()
{
    calls << QStringLiteral("openClipboard");
    if (clipboardOpenFailures > 0) {
        --clipboardOpenFailures;
        return false;
    }
    return true;
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
    clipboardNow.clear();
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
    clipboardNow = text;
    return true;
}

void FakeWin32::closeClipboard()
{
    calls << QStringLiteral("closeClipboard");
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
    const bool ok = registered.remove(id) > 0;
    calls << QStringLiteral("unregisterHotKey %1").arg(id);
    hotkeyCalls.append({false, owner, id, 0, 0, ok});
    return ok;
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
}

bool FakeWin32::resumeHotKeys()
{
    calls << QStringLiteral("resumeHotKeys");
    return true;
}
