#pragma once

// A desktop of recording fakes, one per service, in the services' own
// terms: no threads, messages or key events, only what the dispatch and
// insertion logic asks and what each service answers. Every call lands in
// one log, in order; time is simulated.

#include "platform/desktop.h"
#include "platform/keystream.h"

#include <QHash>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QStringList>
#include <QVector>

#include <functional>

struct ServiceLog
{
    QStringList calls;
    quint32 now = 1000;
};

class FakeClock final : public Clock
{
public:
    explicit FakeClock(ServiceLog &log) : log(log) {}
    quint32 tickCount() override { return log.now; }
    void sleep(int ms) override;

private:
    ServiceLog &log;
};

class FakeTargets final : public TargetService
{
public:
    explicit FakeTargets(ServiceLog &log) : log(log) {}
    QSet<WindowHandle> windows;
    WindowHandle front = 0;
    bool obeys = true; // bringToFront brings a window that exists
    QSet<WindowHandle> ownWindows;
    QSet<WindowHandle> privileged;
    QHash<WindowHandle, TargetApp> apps;
    WindowHandle picked = 0;

    WindowHandle foregroundWindow() override { return front; }
    bool isWindow(WindowHandle w) override { return w && windows.contains(w); }
    bool targetApplication(WindowHandle w, TargetApp *app) override;
    bool isOwnProcess(WindowHandle w) override { return ownWindows.contains(w); }
    bool isMorePrivileged(WindowHandle w) override { return privileged.contains(w); }
    bool bringToFront(WindowHandle w) override;
    void settle(WindowHandle w, int maxMs) override;
    WindowHandle pickWindow(int maxMs) override;

private:
    ServiceLog &log;
};

class FakeKeyboard final : public KeyboardOutput
{
public:
    FakeKeyboard(ServiceLog &log, FakeTargets &targets) : log(log), targets(targets) {}
    bool exact = true;
    int accepts = -1; // units typeText takes before it stops; -1: all
    // Keys held until the clock reaches these.
    quint32 modifierHeldUntil = 0;
    quint32 otherHeldUntil = 0;
    QString typed;
    // What reached each window: the one in front when the keys went out
    // (Left presses as "<Left>").
    QHash<WindowHandle, QString> typedInto;
    // Runs once a text has gone out, while its insertion is still under way
    // (what the real backends' waits let in: a command, a shortcut).
    std::function<void()> afterTyping;

    bool canTypeExactly(const QString &text) override;
    int typeText(const QString &text) override;
    int pressKey(EditKey key, int times) override;
    bool isAnyKeyDown(bool modifiersToo) override;
    void waitForKeyEvent(int maxMs) override;

private:
    ServiceLog &log;
    FakeTargets &targets;
};

class FakeClipboardRoad final : public ClipboardService
{
public:
    explicit FakeClipboardRoad(ServiceLog &log) : log(log) {}
    QString content = QStringLiteral("the user's");
    bool readable = true;
    int lostFormats = 0;
    ClipboardPut putAnswer = ClipboardPut::Put;
    bool keysGoOut = true;
    // Who reads the offered text: the target (it lands), nobody, or only
    // another program (a monitor) while the target may or may not paste.
    PasteFetch fetched = PasteFetch::Fetched;
    // restoreClipboard's answers in turn; Restored once they run out.
    QVector<ClipboardRestore> restoreAnswers;
    QString pasted; // what the target took from the clipboard
    QVector<ClipboardOffer> offers;

    std::unique_ptr<ClipboardBackup> backupClipboard(bool primary) override;
    ClipboardRestore restoreClipboard(const ClipboardBackup &backup) override;
    ClipboardPut putText(const QString &text, ClipboardOffer offer) override;
    bool sendPasteKey(WindowHandle target, PasteKey key) override;
    PasteFetch awaitFetched(WindowHandle target, int settleMs) override;

private:
    ServiceLog &log;
};

class FakeTextControls final : public TextControls
{
public:
    explicit FakeTextControls(ServiceLog &log) : log(log) {}
    WindowHandle control = 0;
    ControlInsert answer = ControlInsert::Unchanged;
    ControlRefusal refusal = ControlRefusal::NotAccepted;
    bool pastes = true;

    WindowHandle focusedControl(WindowHandle) override { return control; }
    ControlInsert insertByMessage(WindowHandle control, const QString &text,
                                  ControlRefusal *refusal) override;
    bool pasteClipboard(WindowHandle control) override;
    bool placeCaretBefore(WindowHandle control, const QString &tail) override;

private:
    ServiceLog &log;
};

class FakeCaret final : public CaretService
{
public:
    explicit FakeCaret(ServiceLog &log) : log(log) {}
    QRect rect; // null: no caret known
    QPoint pointer;
    bool caretRect(WindowHandle, QRect *screenRect) override;
    QPoint pointerPos() override { return pointer; }

    // The focused field as the window system tells it, per window: a
    // program that shows no accessibility tree answers Unknown, and one
    // that is slow to answer takes lateMs of the clock before it does (the
    // caller must wait for it, not take the silence for a text field); one
    // later than FieldAnswerLimitMs is Unanswered once the limit has passed,
    // as the backends answer.
    struct FieldAnswer
    {
        FieldKind kind = FieldKind::Unknown;
        int lateMs = 0;
    };
    QHash<WindowHandle, FieldAnswer> fields;
    FieldKind field = FieldKind::Unknown; // for windows not in fields
    int fieldQuestions = 0;
    FieldKind focusedField(WindowHandle w) override;

private:
    ServiceLog &log;
};

// The window system's shortcuts in the service's terms. Registrations are
// kept as the KeyCombination they came as; a press reaches the handler from
// the event loop, never from within the call that makes it, as the
// backends' reports do.
class FakeShortcuts final : public ShortcutService
{
public:
    explicit FakeShortcuts(ServiceLog &log) : log(log) {}

    struct Call
    {
        bool registering; // false: unregisterShortcut
        WindowHandle owner;
        int id;
        KeyCombination combination; // empty when unregistering
        bool result;
    };
    // ---- the modelled window system (set by tests) ----
    // Combinations another program holds: refused, and heldElsewhere says so.
    QVector<KeyCombination> takenByOthers;
    // Combinations refused although nobody holds them (no such key here).
    QVector<KeyCombination> unavailable;
    // What AltGr types on a key: the entry for the key with Shift when the
    // combination holds Shift and there is one, else the one without. Other
    // modifiers do not count.
    QVector<QPair<KeyCombination, QString>> altGr;
    bool altGrCtrlAlt = false; // altGrIsCtrlAlt's answer

    // ---- what was called ----
    QVector<Call> calls;
    QHash<int, KeyCombination> registered; // id -> combination held now
    QVector<KeyCombination> heldElsewhereQuestions;

    bool registerShortcut(WindowHandle owner, int id, const KeyCombination &combination) override;
    bool unregisterShortcut(WindowHandle owner, int id) override;
    void setPressHandler(std::function<void(int id)> handler) override
    {
        onPress = std::move(handler);
    }
    QString altGrCharacter(const KeyCombination &key) override;
    bool altGrIsCtrlAlt() const override { return altGrCtrlAlt; }
    bool heldElsewhere(const KeyCombination &combination) override;

    bool listens() const { return bool(onPress); }
    // The window system reports a press of registration id: the handler set
    // when the event loop gets to it is called, if the id is registered
    // here then (presses of another registration are none of ours).
    void press(int id);
    // Serves the event loop until every press made so far has been handed
    // over or dropped, as a wait of the program would.
    void deliverPresses();
    // press and deliverPresses: true when a handler took this press.
    bool pressAndDeliver(int id);

private:
    ServiceLog &log;
    std::function<void(int id)> onPress;
    // Pending presses die with the service: its handler is called no more.
    QObject events;
    int pending = 0;
    int delivered = 0;
};

class FakeOwnWindows final : public OwnWindows
{
public:
    FakeOwnWindows(ServiceLog &log, FakeTargets &targets) : log(log), targets(targets) {}
    bool activateOwnWindow(WindowHandle w, int maxMs) override;
    bool placeOwnWindow(WindowHandle w, const QRect &geometry) override;
    bool keepOutOfTaskBar(WindowHandle) override { return true; }
    bool yieldTopmost(WindowHandle, WindowHandle, bool) override { return true; }

private:
    ServiceLog &log;
    FakeTargets &targets; // our window, activated, is the one in front
};

// Keys "typed in other programs" are handed to the sink by the test.
class FakeKeyStream final : public KeyStream
{
public:
    explicit FakeKeyStream(ServiceLog &log) : log(log) {}
    bool available = true;
    std::function<void(const TypedKey &)> sink;
    bool start(std::function<void(const TypedKey &)> s) override
    {
        if (!available)
            return false;
        sink = std::move(s);
        return true;
    }
    void stop() override { sink = nullptr; }
    bool running() const { return bool(sink); }
    // Each character of text as one key; "\b" is BackSpace.
    void type(const QString &text, bool held = false)
    {
        for (const QChar c : text) {
            if (!sink)
                return;
            TypedKey key{TypedKey::Text, QString(c)};
            if (c == QLatin1Char('\b'))
                key = TypedKey{TypedKey::BackSpace, QString()};
            if (held) {
                key.held = quint64(heldKeys.size() + 1);
                heldKeys.append(c);
            }
            sink(key);
        }
    }

    // Holding: typedBeforeHold reaches the sink (not held) as the hold
    // begins, heldBySync comes held by sync(), heldLate at the first
    // release(), which then reports that more came.
    bool canHold = false;
    QString typedBeforeHold;
    QString heldBySync;
    QString heldLate;
    QString heldKeys; // every held key so far; key.held is its place + 1

    bool hold() override
    {
        type(typedBeforeHold);
        typedBeforeHold.clear();
        if (!canHold)
            return false;
        log.calls << QStringLiteral("hold");
        return true;
    }
    bool sync() override
    {
        type(heldBySync, true);
        heldBySync.clear();
        return true;
    }
    bool passes = true; // false: the hold was lost, keys went on already
    bool pass(quint64 held) override
    {
        log.calls << QStringLiteral("pass ") + heldKeys.mid(int(held) - 1, 1);
        return passes;
    }
    bool release() override
    {
        if (!heldLate.isEmpty()) {
            type(heldLate, true);
            heldLate.clear();
            return false;
        }
        log.calls << QStringLiteral("release");
        return true;
    }

private:
    ServiceLog &log;
};

class RecordingDesktop final : public Desktop
{
public:
    ServiceLog log;
    FakeTargets targetsFake{log};
    FakeKeyboard keyboardFake{log, targetsFake};
    FakeClipboardRoad clipboardFake{log};
    FakeTextControls controlsFake{log};
    FakeCaret caretFake{log};
    FakeShortcuts shortcutsFake{log};
    FakeOwnWindows ownWindowsFake{log, targetsFake};
    FakeClock clockFake{log};
    FakeKeyStream keyStreamFake{log};
    bool hasTextControls = false;
    bool hasKeyStream = true;

    TargetService &targets() override { return targetsFake; }
    KeyboardOutput &keyboard() override { return keyboardFake; }
    ClipboardService &clipboard() override { return clipboardFake; }
    CaretService &caret() override { return caretFake; }
    ShortcutService &shortcuts() override { return shortcutsFake; }
    OwnWindows &ownWindows() override { return ownWindowsFake; }
    Clock &clock() override { return clockFake; }
    TextControls *textControls() override { return hasTextControls ? &controlsFake : nullptr; }
    KeyStream *keyStream() override { return hasKeyStream ? &keyStreamFake : nullptr; }

    // The calls whose name starts with one of these words, in order.
    QStringList callsOf(const QStringList &names) const;
};
