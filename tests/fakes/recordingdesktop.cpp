#include "fakes/recordingdesktop.h"

#include <QCoreApplication>

namespace {

QString hex(WindowHandle w)
{
    return QString::number(w, 16);
}

QString nameOf(ClipboardOffer offer)
{
    switch (offer) {
    case ClipboardOffer::ForUser:
        return QStringLiteral("user");
    case ClipboardOffer::ForPaste:
        return QStringLiteral("paste");
    case ClipboardOffer::ForPasteWithPrimary:
        return QStringLiteral("paste+primary");
    }
    return QString();
}

QString nameOf(PasteKey key)
{
    switch (key) {
    case PasteKey::CtrlV:
        return QStringLiteral("Ctrl+V");
    case PasteKey::CtrlShiftV:
        return QStringLiteral("Ctrl+Shift+V");
    case PasteKey::ShiftInsert:
        return QStringLiteral("Shift+Insert");
    }
    return QString();
}

class FakeBackup final : public ClipboardBackup
{
public:
    FakeBackup(QString content, int lost) : content(std::move(content)), lost(lost) {}
    int lostFormats() const override { return lost; }
    QString content;
    int lost;
};

} // namespace

void FakeClock::sleep(int ms)
{
    log.calls << QStringLiteral("sleep %1").arg(ms);
    log.now += quint32(ms);
}

bool FakeTargets::targetApplication(WindowHandle w, TargetApp *app)
{
    const auto it = apps.constFind(w);
    if (it == apps.constEnd())
        return false;
    *app = *it;
    return true;
}

bool FakeTargets::bringToFront(WindowHandle w)
{
    log.calls << QStringLiteral("bringToFront ") + hex(w);
    if (obeys && isWindow(w))
        front = w;
    return front == w;
}

void FakeTargets::settle(WindowHandle w, int maxMs)
{
    log.calls << QStringLiteral("settle %1 %2").arg(hex(w)).arg(maxMs);
}

WindowHandle FakeTargets::pickWindow(int maxMs)
{
    log.calls << QStringLiteral("pickWindow %1").arg(maxMs);
    return picked;
}

bool FakeKeyboard::canTypeExactly(const QString &text)
{
    log.calls << QStringLiteral("canTypeExactly ") + text;
    return exact;
}

int FakeKeyboard::typeText(const QString &text)
{
    log.calls << QStringLiteral("typeText ") + text;
    const int n = accepts < 0 ? text.size() : qMin(accepts, text.size());
    typed += text.left(n);
    if (n > 0)
        typedInto[targets.front] += text.left(n);
    if (afterTyping)
        afterTyping();
    return n;
}

int FakeKeyboard::pressKey(EditKey key, int times)
{
    const QString name =
        key == EditKey::Left ? QStringLiteral("Left") : QStringLiteral("BackSpace");
    log.calls << QStringLiteral("pressKey %1 %2").arg(name).arg(times);
    for (int i = 0; i < times; ++i)
        typedInto[targets.front] += QLatin1Char('<') + name + QLatin1Char('>');
    return times;
}

bool FakeKeyboard::isAnyKeyDown(bool modifiersToo)
{
    return log.now < otherHeldUntil || (modifiersToo && log.now < modifierHeldUntil);
}

void FakeKeyboard::waitForKeyEvent(int maxMs)
{
    log.now += quint32(maxMs);
}

std::unique_ptr<ClipboardBackup> FakeClipboardRoad::backupClipboard(bool primary)
{
    log.calls << (primary ? QStringLiteral("backup primary") : QStringLiteral("backup"));
    if (!readable)
        return nullptr;
    return std::make_unique<FakeBackup>(content, lostFormats);
}

ClipboardRestore FakeClipboardRoad::restoreClipboard(const ClipboardBackup &backup)
{
    log.calls << QStringLiteral("restore");
    const ClipboardRestore answer =
        restoreAnswers.isEmpty() ? ClipboardRestore::Restored : restoreAnswers.takeFirst();
    if (answer == ClipboardRestore::Restored || answer == ClipboardRestore::Partly)
        content = static_cast<const FakeBackup &>(backup).content;
    return answer;
}

ClipboardPut FakeClipboardRoad::putText(const QString &text, ClipboardOffer offer)
{
    log.calls << QStringLiteral("put ") + nameOf(offer);
    offers << offer;
    if (putAnswer == ClipboardPut::Put)
        content = text;
    else if (putAnswer == ClipboardPut::Failed)
        content.clear();
    return putAnswer;
}

bool FakeClipboardRoad::sendPasteKey(WindowHandle target, PasteKey key)
{
    log.calls << QStringLiteral("pasteKey %1 %2").arg(hex(target), nameOf(key));
    return keysGoOut;
}

PasteFetch FakeClipboardRoad::awaitFetched(WindowHandle target, int settleMs)
{
    log.calls << QStringLiteral("awaitFetched %1 %2").arg(hex(target)).arg(settleMs);
    if (fetched == PasteFetch::Fetched)
        pasted += content;
    return fetched;
}

ControlInsert FakeTextControls::insertByMessage(WindowHandle control, const QString &text,
                                                ControlRefusal *refusal)
{
    log.calls << QStringLiteral("insertByMessage %1 %2").arg(hex(control), text);
    if (answer == ControlInsert::Refused)
        *refusal = this->refusal;
    return answer;
}

bool FakeTextControls::pasteClipboard(WindowHandle control)
{
    log.calls << QStringLiteral("pasteClipboard ") + hex(control);
    return pastes;
}

FieldKind FakeCaret::focusedField(WindowHandle w)
{
    ++fieldQuestions;
    const auto it = fields.constFind(w);
    if (it == fields.constEnd())
        return field;
    if (it->lateMs > FieldAnswerLimitMs) {
        log.now += quint32(FieldAnswerLimitMs);
        return FieldKind::Unanswered;
    }
    log.now += quint32(it->lateMs);
    return it->kind;
}

bool FakeTextControls::placeCaretBefore(WindowHandle control, const QString &tail)
{
    log.calls << QStringLiteral("placeCaretBefore %1 %2").arg(hex(control), tail);
    return true;
}

bool FakeCaret::caretRect(WindowHandle, QRect *screenRect)
{
    if (rect.isNull())
        return false;
    *screenRect = rect;
    return true;
}

bool FakeShortcuts::registerShortcut(WindowHandle owner, int id, const KeyCombination &combination)
{
    log.calls << QStringLiteral("register %1").arg(id);
    // The first holder of a combination keeps it, our own registrations
    // included.
    bool held = takenByOthers.contains(combination) || unavailable.contains(combination);
    for (auto it = registered.cbegin(); it != registered.cend() && !held; ++it)
        held = it.key() != id && it.value() == combination;
    const bool ok = !combination.isEmpty() && !held;
    calls.append({true, owner, id, combination, ok});
    if (ok)
        registered.insert(id, combination);
    return ok;
}

bool FakeShortcuts::unregisterShortcut(WindowHandle owner, int id)
{
    log.calls << QStringLiteral("unregister %1").arg(id);
    const bool ok = registered.remove(id) > 0;
    calls.append({false, owner, id, KeyCombination(), ok});
    return ok;
}

QString FakeShortcuts::altGrCharacter(const KeyCombination &key)
{
    const bool shift = key.has(Qt::ShiftModifier);
    QString plain;
    for (const auto &entry : qAsConst(altGr)) {
        const KeyCombination &k = entry.first;
        if (k.key() != key.key() || k.nativeKey() != key.nativeKey())
            continue;
        if (k.has(Qt::ShiftModifier) == shift)
            return entry.second;
        if (!k.has(Qt::ShiftModifier))
            plain = entry.second;
    }
    return shift ? plain : QString();
}

bool FakeShortcuts::heldElsewhere(const KeyCombination &combination)
{
    heldElsewhereQuestions << combination;
    return takenByOthers.contains(combination);
}

void FakeShortcuts::press(int id)
{
    ++pending;
    QMetaObject::invokeMethod(
        &events,
        [this, id] {
            --pending;
            if (!onPress || !registered.contains(id))
                return;
            ++delivered;
            // A copy: the handler may replace itself (its owner going away).
            const std::function<void(int)> handler = onPress;
            handler(id);
        },
        Qt::QueuedConnection);
}

void FakeShortcuts::deliverPresses()
{
    // Each round hands over what was posted before it; a handler may press
    // again meanwhile. The bound only keeps a broken test from hanging.
    for (int round = 0; pending > 0 && round < 1000; ++round)
        QCoreApplication::processEvents();
}

bool FakeShortcuts::pressAndDeliver(int id)
{
    const int before = delivered;
    press(id);
    deliverPresses();
    return delivered > before;
}

bool FakeOwnWindows::activateOwnWindow(WindowHandle w, int)
{
    log.calls << QStringLiteral("activateOwnWindow ") + hex(w);
    targets.front = w;
    return true;
}

bool FakeOwnWindows::placeOwnWindow(WindowHandle w, const QRect &)
{
    log.calls << QStringLiteral("placeOwnWindow ") + hex(w);
    return true;
}

QStringList RecordingDesktop::callsOf(const QStringList &names) const
{
    QStringList out;
    for (const QString &call : log.calls) {
        for (const QString &name : names) {
            if (call == name || call.startsWith(name + QLatin1Char(' '))) {
                out << call;
                break;
            }
        }
    }
    return out;
}
