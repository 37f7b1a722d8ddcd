#include "base/textconvert.h"
#include "fakes/fakedesktop.h"
#include "insert/insertion.h"
#include "win/clipboardformats.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

namespace {
constexpr WindowHandle Top = 0x10;
constexpr WindowHandle Control = 0x11;
constexpr WindowHandle Other = 0x12; // another control of the same window
constexpr quint32 TheirThread = 7;
constexpr quint32 TheirPid = 700;

enum class Method
{
    Direct,
    Typed,
    WmPaste,
    CtrlV,
    Clipboard, // left on the clipboard, nothing sent
    Nothing
};

// A target window whose focused child has class cls ("" for no text control).
FakeDesktop::Window &setUpTarget(FakeDesktop &d, const QString &cls, bool elevated = false)
{
    FakeDesktop::Window top;
    top.className = QStringLiteral("Main");
    top.thread = TheirThread;
    top.pid = TheirPid;
    top.children = {Control, Other};
    d.addWindow(Top, top);
    FakeDesktop::Window control = top;
    control.children.clear();
    control.className = cls.isEmpty() ? QStringLiteral("Button") : cls;
    control.text = QStringLiteral("abc");
    control.selStart = control.selEnd = 3;
    d.addWindow(Control, control);
    FakeDesktop::Window other = control;
    other.className = QStringLiteral("Edit");
    other.text.clear();
    other.selStart = other.selEnd = 0;
    d.addWindow(Other, other);
    d.guiInfo.insert(TheirThread, GuiThreadInfo{Control, 0, QRect()});
    if (elevated)
        d.levels.insert(TheirPid, ProcessLevel{ProcessLevel::Ok, 0x3000});
    return d.windows[Control];
}

const QVector<KeyInput> ctrlV = {
    {0x11, 0x1D, KeyFlag::ScanCode},
    {0x56, 0x2F, KeyFlag::ScanCode},
    {0x56, 0x2F, KeyFlag::ScanCode | KeyFlag::KeyUp},
    {0x11, 0x1D, KeyFlag::ScanCode | KeyFlag::KeyUp},
};

bool hasCtrlV(const FakeDesktop &d)
{
    return d.inputBatches.contains(ctrlV);
}

bool sent(const FakeDesktop &d, FakeDesktop::Message::Kind kind)
{
    for (const auto &m : d.messages) {
        if (m.kind == kind)
            return true;
    }
    return false;
}

// Every road the text took: a text that lands twice shows as two.
QVector<Method> methodsUsed(const FakeDesktop &d)
{
    QVector<Method> used;
    if (sent(d, FakeDesktop::Message::ReplaceSel))
        used << Method::Direct;
    if (!d.typedText().isEmpty())
        used << Method::Typed;
    if (sent(d, FakeDesktop::Message::Paste))
        used << Method::WmPaste;
    if (hasCtrlV(d))
        used << Method::CtrlV;
    if (d.clipboardOffers.contains(ClipboardOffer::ForUser))
        used << Method::Clipboard;
    return used;
}

Method methodUsed(const FakeDesktop &d)
{
    const QVector<Method> used = methodsUsed(d);
    return used.size() == 1 ? used.first() : Method::Nothing;
}

// Any key that goes up without our own key having gone down: a release sent
// for a key the user holds.
bool releasedHeldKey(const FakeDesktop &d)
{
    for (const auto &batch : d.inputBatches) {
        for (const KeyInput &k : batch) {
            if ((k.flags & KeyFlag::KeyUp) && !(k.flags & (KeyFlag::Unicode | KeyFlag::ScanCode)))
                return true;
        }
    }
    return false;
}
} // namespace

Q_DECLARE_METATYPE(Method)
Q_DECLARE_METATYPE(InsertOutcome)
Q_DECLARE_METATYPE(ClipboardRestore)
Q_DECLARE_METATYPE(InsertMethod)
Q_DECLARE_METATYPE(QVector<unsigned>)

class InsertionTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QGuiApplication::clipboard()->setText(QStringLiteral("before")); }

    void methodChoice_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<bool>("elevated");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Method>("method");
        QTest::addColumn<InsertOutcome>("outcome");
        const QString shortLine = QStringLiteral("hello");
        const QString twoLines = QStringLiteral("a\nb");
        const auto ok = InsertOutcome::Delivered;
        QTest::newRow("Edit, short") << "Edit" << false << shortLine << Method::Direct << ok;
        QTest::newRow("Edit, two lines") << "Edit" << false << twoLines << Method::Direct << ok;
        QTest::newRow("RichEdit, two lines")
            << "RichEdit20W" << false << twoLines << Method::Direct << ok;
        QTest::newRow("Scintilla, short")
            << "Scintilla" << false << shortLine << Method::Typed << ok;
        QTest::newRow("Scintilla, two lines")
            << "Scintilla" << false << twoLines << Method::WmPaste << ok;
        QTest::newRow("no control, short") << "" << false << shortLine << Method::Typed << ok;
        QTest::newRow("no control, two lines") << "" << false << twoLines << Method::CtrlV << ok;
        // A more privileged program drops messages and keys without a sign.
        QTest::newRow("elevated, Edit")
            << "Edit" << true << shortLine << Method::Clipboard << InsertOutcome::LeftOnClipboard;
        QTest::newRow("elevated, no control")
            << "" << true << twoLines << Method::Clipboard << InsertOutcome::LeftOnClipboard;
    }
    void methodChoice()
    {
        QFETCH(QString, cls);
        QFETCH(bool, elevated);
        QFETCH(QString, text);
        QFETCH(Method, method);
        QFETCH(InsertOutcome, outcome);
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, cls, elevated);
        QCOMPARE(insertText(d, text, Top).outcome, outcome);
        QCOMPARE(methodsUsed(d), QVector<Method>{method});
        // What the user sees: the text once where the caret was, or, left
        // on the clipboard, nothing yet.
        QCOMPARE(c.text, QStringLiteral("abc") +
                             (method == Method::Clipboard ? QString() : TextConvert::toCrlf(text)));
        switch (method) {
        case Method::Direct:
            // The message road sends no key at all and does not wait.
            QCOMPARE(d.keyEventCount(), 0);
            QVERIFY(d.sleeps.isEmpty() && d.settles.isEmpty());
            break;
        case Method::Typed:
            QCOMPARE(d.typedText(), text);
            break;
        case Method::WmPaste:
        case Method::CtrlV:
            QCOMPARE(d.clipboardTexts, QStringList(TextConvert::toCrlf(text)));
            QCOMPARE(d.clipboardOffers, QVector<ClipboardOffer>{ClipboardOffer::ForPaste});
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
            break;
        case Method::Clipboard:
            // Left for the user to paste: rendered, not taken back.
            QCOMPARE(d.clipboardTexts, QStringList(TextConvert::toCrlf(text)));
            QCOMPARE(d.clipboardOffers, QVector<ClipboardOffer>{ClipboardOffer::ForUser});
            QCOMPARE(d.keyEventCount(), 0);
            QVERIFY(!sent(d, FakeDesktop::Message::ReplaceSel));
            QVERIFY(!d.calls.contains(QStringLiteral("restoreClipboard")));
            break;
        default:
            QFAIL("no method");
        }
        QCOMPARE(d.foreground, Top);
    }

    // What the control holds afterwards decides: the text exactly where the
    // selection was, the rest untouched, the caret after it. Anything else
    // is taken back and reported, never followed by a second insert.
    void directMessageJudgedByContent_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selEnd");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("undoWorks");
        QTest::addColumn<InsertOutcome>("outcome");
        QTest::addColumn<QString>("after");
        const auto ok = InsertOutcome::Delivered;
        const auto no = InsertOutcome::NotAccepted;
        const QString abc = QStringLiteral("abc");
        QTest::newRow("caret at the end")
            << "Edit" << abc << 3 << 3 << "xy" << -1 << true << ok << "abcxy";
        QTest::newRow("selection longer than the text")
            << "Edit" << abc << 0 << 3 << "xy" << -1 << true << ok << "xy";
        QTest::newRow("selection backwards")
            << "Edit" << abc << 3 << 1 << "xy" << -1 << true << ok << "axy";
        QTest::newRow("the selection replaced by the same text")
            << "Edit" << abc << 1 << 3 << "bc" << -1 << true << ok << "abc";
        QTest::newRow("select-all past the end (RichEdit)")
            << "RichEdit20W" << abc << 0 << 4 << "xy" << -1 << true << ok << "xy";
        // A RichEdit counts its paragraph break as one unit: (0, 6) is
        // "one\rtw" of "one\r\ntwo" as WM_GETTEXT gives it.
        QTest::newRow("RichEdit, CR paragraphs")
            << "RichEdit20W"
            << "one\r\ntwo" << 0 << 6 << "XY" << -1 << true << ok << "XYo";
        QTest::newRow("RichEdit, lines after a paragraph")
            << "RichEdit20W"
            << "one\r\ntwo" << 7 << 7 << "a\nb" << -1 << true << ok << "one\r\ntwoa\r\nb";
        QTest::newRow("RichEdit 1.0 counts CR LF as two")
            << "RichEdit"
            << "one\r\ntwo" << 0 << 6 << "XY" << -1 << true << ok << "XYwo";
        QTest::newRow("a field too short for the text")
            << "Edit" << QString() << 0 << 0 << "ABCDEFGHIJKLMNOPQRST" << 10 << true << no << "";
        QTest::newRow("too short, and its undo does not work")
            << "Edit" << abc << 1 << 1 << "0123456789" << 8 << false << no << "abc";
        QTest::newRow("RichEdit cut short")
            << "RichEdit20W"
            << "one\r\ntwo" << 7 << 7 << "a\nb" << 9 << true << no << "one\r\ntwo";
        // Only what landed is taken back: setting the whole text again would
        // flatten a RichEdit's formatting and drop its embedded objects.
        QTest::newRow("RichEdit cut short, and its undo does not work")
            << "RichEdit20W"
            << "one\r\ntwo" << 7 << 7 << "a\nb" << 9 << false << no << "one\r\ntwo";
        QTest::newRow("RichEdit with a selection, cut short, no undo")
            << "RichEdit20W"
            << "one\r\ntwo" << 0 << 3 << "ABCDEFGH" << 8 << false << no << "one\r\ntwo";
    }
    void directMessageJudgedByContent()
    {
        QFETCH(QString, cls);
        QFETCH(QString, before);
        QFETCH(int, selStart);
        QFETCH(int, selEnd);
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(bool, undoWorks);
        QFETCH(InsertOutcome, outcome);
        QFETCH(QString, after);
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, cls);
        c.text = before;
        c.selStart = selStart;
        c.selEnd = selEnd;
        c.limit = limit;
        c.undoWorks = undoWorks;
        c.formatted = cls.startsWith(QLatin1String("RichEdit"));
        QCOMPARE(insertText(d, text, Top).outcome, outcome);
        QCOMPARE(c.text, after);
        QVERIFY(!c.flattened);
        // The text lands once: never typed or pasted after the message.
        QCOMPARE(d.keyEventCount(), 0);
        QVERIFY(d.clipboardTexts.isEmpty());
        if (outcome != InsertOutcome::Delivered) {
            QCOMPARE(c.selStart, selStart); // the user's selection back too
            QCOMPARE(c.selEnd, selEnd);
        }
    }

    // Fields whose text must not be, or cannot be checked to be, replaced:
    // nothing is sent to them at all.
    void fieldsRefused_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("password");
        QTest::addColumn<bool>("multiLine");
        QTest::addColumn<QString>("text");
        QTest::addColumn<InsertOutcome>("outcome");
        QTest::newRow("read-only") << true << false << true << "hi" << InsertOutcome::ReadOnlyField;
        QTest::newRow("password") << false << true << true << "hi" << InsertOutcome::PasswordField;
        QTest::newRow("one line, two lines of text")
            << false << false << false << "a\nb" << InsertOutcome::SingleLineField;
    }
    void fieldsRefused()
    {
        QFETCH(bool, readOnly);
        QFETCH(bool, password);
        QFETCH(bool, multiLine);
        QFETCH(QString, text);
        QFETCH(InsertOutcome, outcome);
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, QStringLiteral("Edit"));
        c.readOnly = readOnly;
        c.password = password;
        c.multiLine = multiLine;
        QCOMPARE(insertText(d, text, Top).outcome, outcome);
        QVERIFY(d.messages.isEmpty());
        QCOMPARE(d.keyEventCount(), 0);
        QVERIFY(d.clipboardTexts.isEmpty());
        QCOMPARE(c.text, QStringLiteral("abc"));
    }

    void oneLineFieldTakesOneLine()
    {
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, QStringLiteral("Edit"));
        c.multiLine = false;
        QVERIFY(insertText(d, QStringLiteral("one"), Top).delivered());
        QCOMPARE(c.text, QStringLiteral("abcone"));
    }

    // A control that acts on nothing leaves the text to the keys; one that
    // does not answer in time may still act later: nothing more goes out.
    void ignoredAndUnansweredMessages()
    {
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, QStringLiteral("Edit"));
        c.takesReplace = false;
        QVERIFY(insertText(d, QStringLiteral("xy"), Top).delivered());
        QCOMPARE(d.typedText(), QStringLiteral("xy"));

        FakeDesktop hung;
        setUpTarget(hung, QStringLiteral("Edit")).answers = false;
        QCOMPARE(insertText(hung, QStringLiteral("xy"), Top).outcome, InsertOutcome::NotResponding);
        QCOMPARE(hung.keyEventCount(), 0);
        QVERIFY(hung.clipboardTexts.isEmpty());

        // Answering between its keys, then too busy for EM_REPLACESEL: the
        // message is still in its queue and lands later, once.
        FakeDesktop late;
        FakeDesktop::Window &lc = setUpTarget(late, QStringLiteral("Edit"));
        late.windows[Top].perKeyMs = 400;
        late.windows[Top].readyAt = late.now + 5000;
        QCOMPARE(insertText(late, QStringLiteral("xy"), Top).outcome,
                 InsertOutcome::MayStillArrive);
        QCOMPARE(late.keyEventCount(), 0);
        QVERIFY(late.clipboardTexts.isEmpty());
        late.advance(10000);
        QCOMPARE(lc.text, QStringLiteral("abcxy"));
    }

    // The button has the focus: the EDIT beside it is not the user's choice.
    void onlyTheFocusedControlIsATarget()
    {
        FakeDesktop d;
        setUpTarget(d, QString()); // the focused control is a button
        QVERIFY(insertText(d, QStringLiteral("xy"), Top).delivered());
        QVERIFY(d.windows[Other].text.isEmpty());
        QVERIFY(!sent(d, FakeDesktop::Message::ReplaceSel));
        QCOMPARE(d.typedText(), QStringLiteral("xy"));
    }

    // The text goes only where the keys go: a target that could not be
    // brought to the front gets no keys.
    void targetNotInFrontGetsNoKeys()
    {
        FakeDesktop d;
        setUpTarget(d, QString());
        d.windows[Top].exists = false; // gone before it could be brought forward
        d.foreground = 0x99;
        QCOMPARE(insertText(d, QStringLiteral("xy"), Top).outcome, InsertOutcome::NotAccepted);
        QCOMPARE(d.keyEventCount(), 0);
    }

    void textTheKeyboardCannotTypeIsPasted()
    {
        FakeDesktop d;
        setUpTarget(d, QString());
        d.typesExactly = false;
        const QString text = QString::fromUtf8("héllo");
        QVERIFY(insertText(d, text, Top).delivered());
        QCOMPARE(d.exactChecks, QStringList{text});
        QVERIFY(d.typedText().isEmpty());
        QCOMPARE(methodUsed(d), Method::CtrlV);
    }

    void typingLimit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed");
        QTest::newRow("400 units") << QString(400, QLatin1Char('a')) << true;
        QTest::newRow("401 units") << QString(401, QLatin1Char('a')) << false;
        QTest::newRow("a lone CR") << QStringLiteral("a\rb") << false;
        QTest::newRow("a lone LF") << QStringLiteral("a\nb") << false;
        // 200 emoji are 400 code units: still typed.
        QTest::newRow("200 emoji") << QString::fromUtf8("😀").repeated(200) << true;
    }
    void typingLimit()
    {
        QFETCH(QString, text);
        QFETCH(bool, typed);
        FakeDesktop d;
        setUpTarget(d, QString());
        QVERIFY(insertText(d, text, Top).delivered());
        QCOMPARE(methodUsed(d) == Method::Typed, typed);
        if (typed)
            QCOMPARE(d.typedText(), text);
        else
            QCOMPARE(d.clipboardTexts, QStringList(TextConvert::toCrlf(text)));
    }

    void typingBatches()
    {
        FakeDesktop d;
        QCOMPARE(Win32Road::typeUnicode(d, QString(130, QLatin1Char('q'))), 130);
        QCOMPARE(d.inputBatches.size(), 3);
        QCOMPARE(d.inputBatches[0].size(), 128);
        QCOMPARE(d.inputBatches[1].size(), 128);
        QCOMPARE(d.inputBatches[2].size(), 4);
        QCOMPARE(d.inputBatches[0][0], (KeyInput{0, 'q', KeyFlag::Unicode}));
        QCOMPARE(d.inputBatches[0][1], (KeyInput{0, 'q', KeyFlag::Unicode | KeyFlag::KeyUp}));
        QCOMPARE(Win32Road::typeUnicode(d, QString()), 0);
        QCOMPARE(d.inputBatches.size(), 3);
    }

    // Typing refused part-way leaves part of the text there: pasting the whole
    // of it after would put that part in twice. Refused at the first key,
    // nothing is there yet and the paste may go.
    void refusedTyping_data()
    {
        QTest::addColumn<int>("batch");
        QTest::addColumn<int>("accepted");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("second chunk refused after 50 events") << 1 << 50 << false;
        QTest::newRow("first key refused") << 0 << 0 << true;
    }
    void refusedTyping()
    {
        QFETCH(int, batch);
        QFETCH(int, accepted);
        QFETCH(bool, pasted);
        FakeDesktop d;
        setUpTarget(d, QString());
        d.acceptLimit.insert(batch, accepted);
        const QString text(130, QLatin1Char('z'));
        QCOMPARE(insertText(d, text, Top).delivered(), pasted);
        QCOMPARE(hasCtrlV(d), pasted);
        QCOMPARE(d.clipboardTexts.isEmpty(), !pasted);
    }

    // Every key of the shortcut must be up before a key goes out, and no key
    // is ever released for the user.
    void keysReleased_data()
    {
        QTest::addColumn<int>("vk");
        QTest::addColumn<int>("heldMs");
        QTest::addColumn<int>("waitedMs");
        QTest::addColumn<bool>("released");
        QTest::newRow("nothing held") << 0xA2 << 0 << 0 << true;
        QTest::newRow("Ctrl up after 35 ms") << 0xA2 << 35 << 40 << true;
        QTest::newRow("right Win up after 100 ms") << 0x5C << 100 << 100 << true;
        QTest::newRow("Alt up after 1.5 s") << 0xA4 << 1500 << 1500 << true;
        QTest::newRow("the shortcut's key held for 60 ms") << 0 << 60 << 60 << true;
        QTest::newRow("Ctrl held for good: gives up after 5 s") << 0xA2 << 100000 << 5000 << false;
        QTest::newRow("the key held for good") << 0 << 100000 << 5000 << false;
    }
    void keysReleased()
    {
        QFETCH(int, vk);
        QFETCH(int, heldMs);
        QFETCH(int, waitedMs);
        QFETCH(bool, released);
        FakeDesktop d;
        const quint32 start = d.now;
        if (vk)
            d.keysHeldUntil.insert(vk, start + quint32(heldMs));
        else
            d.nonModifierHeldUntil = start + quint32(heldMs);
        QCOMPARE(waitForKeysReleased(d), released);
        QCOMPARE(int(d.now - start), waitedMs);
        for (int ms : qAsConst(d.sleeps))
            QCOMPARE(ms, 10);
        QVERIFY(d.inputBatches.isEmpty());
    }

    void heldKeysTypeNothing()
    {
        FakeDesktop d;
        setUpTarget(d, QString());
        d.keysHeldUntil.insert(0xA2, 0xFFFFFFFF);
        QCOMPARE(insertText(d, QStringLiteral("ok"), Top).outcome, InsertOutcome::KeysHeld);
        QVERIFY(d.inputBatches.isEmpty());
        QVERIFY(d.clipboardTexts.isEmpty());

        // A key whose release was lost (behind the secure desktop) stays down
        // for good: only the shortcut's own keys are waited for, so it does
        // not stop every phrase; the shortcut's key itself still counts.
        InsertExtras shortcut;
        shortcut.triggerKeys = {0x31};
        FakeDesktop stuck;
        setUpTarget(stuck, QString());
        stuck.keysHeldUntil.insert(0x7C, 0xFFFFFFFF); // F13
        QVERIFY(insertText(stuck, QStringLiteral("ok"), Top, InsertPlan(), shortcut).delivered());
        QCOMPARE(int(stuck.now - 1000), Insertion::SettleMs);
        // Without a key of its own (a command, the panel's button) only the
        // modifiers are waited for, on the typing and the paste road alike.
        FakeDesktop command;
        setUpTarget(command, QString());
        command.keysHeldUntil.insert(0x7C, 0xFFFFFFFF);
        QVERIFY(insertText(command, QStringLiteral("ok"), Top).delivered());
        QVERIFY(insertText(command, QStringLiteral("o\nk"), Top).delivered());
        QCOMPARE(command.windows[Control].text, QStringLiteral("abcoko\r\nk"));
        FakeDesktop ownKey;
        setUpTarget(ownKey, QString());
        ownKey.keysHeldUntil.insert(0x31, ownKey.now + 700);
        QVERIFY(insertText(ownKey, QStringLiteral("ok"), Top, InsertPlan(), shortcut).delivered());
        QVERIFY(ownKey.now - 1000 >= 700);

        FakeDesktop later;
        setUpTarget(later, QString());
        later.keysHeldUntil.insert(0xA4, later.now + 1200);
        QVERIFY(insertText(later, QStringLiteral("ok"), Top).delivered());
        QCOMPARE(later.typedText(), QStringLiteral("ok"));
        QVERIFY(!releasedHeldKey(later));
    }

    // Reading the user's content may take long (a program that renders its
    // copy late): keys pressed meanwhile are waited for again right before
    // the paste chord, whose Ctrl would otherwise make Ctrl+Alt+V of them.
    void keysHeldWhileTheBackupIsRead()
    {
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, QString());
        constexpr int Alt = 0xA4;
        d.duringBackup = [&] {
            d.advance(1500);
            d.keysHeldUntil.insert(Alt, d.now + 600);
        };
        bool chordWithAlt = false;
        d.afterInput = [&] { chordWithAlt = chordWithAlt || (hasCtrlV(d) && d.isKeyDown(Alt)); };
        QVERIFY(insertText(d, QStringLiteral("a\nb"), Top).delivered());
        QVERIFY(hasCtrlV(d));
        QVERIFY(!chordWithAlt);
        QCOMPARE(c.text, QStringLiteral("abca\r\nb"));

        FakeDesktop held; // held for good: no chord, the user's content back
        setUpTarget(held, QString());
        held.duringBackup = [&] { held.keysHeldUntil.insert(Alt, 0xFFFFFFFF); };
        const InsertResult r = insertText(held, QStringLiteral("a\nb"), Top);
        QCOMPARE(r.outcome, InsertOutcome::KeysHeld);
        QVERIFY(!hasCtrlV(held));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }

    // A program that does not answer is sent nothing at all, and holds us
    // no longer than the answer is waited for.
    void hungTargetGetsNothing()
    {
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, QString());
        d.windows[Top].hung = true;
        QCOMPARE(insertText(d, QStringLiteral("a\nb"), Top).outcome, InsertOutcome::NotResponding);
        QVERIFY(d.inputBatches.isEmpty());
        QVERIFY(d.clipboardTexts.isEmpty());
        QVERIFY(d.calls.filter(QStringLiteral("attachThreadInput")).isEmpty());
        QCOMPARE(c.text, QStringLiteral("abc"));

        FakeDesktop busy; // busy for more than a second: not sent to either
        setUpTarget(busy, QString());
        busy.windows[Top].readyAt = busy.now + 30000;
        QCOMPARE(insertText(busy, QStringLiteral("ab"), Top).outcome, InsertOutcome::NotResponding);
        QVERIFY(busy.inputBatches.isEmpty());
        QCOMPARE(int(busy.now - 1000), Win32Services::RespondMs);
    }

    // {cursor}: the caret goes back over the text after it. By message where
    // the text went by message: no key that a modifier still held could
    // turn into Ctrl+Shift+Left. By Left presses after typed or pasted text,
    // each batch once the keys are up, and only into the target in front.
    void caretWhereTheCursorStood_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("back");        // characters after {cursor}
        QTest::addColumn<QString>("happens"); // after the text's keys: "", "held", "away"
        QTest::addColumn<int>("caret");       // in the control's units; -1: at the end
        QTest::addColumn<int>("keys");        // key events sent in all
        QTest::newRow("by message, EDIT") << "Edit"
                                          << "Hello world" << 5 << "" << 3 + 6 << 0;
        QTest::newRow("by message, a RichEdit after a paragraph")
            << "RichEdit20W"
            << "a\nbcd" << 3 << "" << 3 + 2 << 0;
        QTest::newRow("typed, then five Left presses")
            << ""
            << "Hello world" << 5 << "" << 3 + 6 << 2 * 11 + 2 * 5;
        QTest::newRow("Ctrl held after the text: the presses wait for it")
            << ""
            << "Hello world" << 5 << "held" << 3 + 6 << 2 * 11 + 2 * 5;
        QTest::newRow("another window in front: no presses")
            << ""
            << "Hello world" << 5 << "away" << -1 << 2 * 11;
        QTest::newRow("pasted, then the presses")
            << ""
            << "Hello\nworld" << 5 << "" << 3 + 7 << 4 + 2 * 5;
    }
    void caretWhereTheCursorStood()
    {
        QFETCH(QString, cls);
        QFETCH(QString, text);
        QFETCH(int, back);
        QFETCH(QString, happens);
        QFETCH(int, caret);
        QFETCH(int, keys);
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, cls);
        d.addWindow(0x99, FakeDesktop::Window());
        bool pressedWhileHeld = false;
        d.afterInput = [&] {
            const KeyInput &first = d.inputBatches.last().first();
            if (first.vk == 0x25 && d.isKeyDown(0xA2))
                pressedWhileHeld = true;
            if (d.inputBatches.size() == 1 && happens == QLatin1String("held"))
                d.keysHeldUntil.insert(0xA2, d.now + 300);
            if (d.inputBatches.size() == 1 && happens == QLatin1String("away"))
                d.foreground = 0x99;
        };
        InsertExtras extras;
        extras.caretBack = back;
        const InsertResult r = insertText(d, text, Top, InsertPlan(), extras);
        QVERIFY(r.delivered());
        QCOMPARE(c.text, QStringLiteral("abc") + TextConvert::toCrlf(text));
        const int end =
            c.text.size() -
            (cls.startsWith(QLatin1String("RichEdit")) ? c.text.count(QLatin1String("\r\n")) : 0);
        QCOMPARE(c.selStart, caret < 0 ? end : caret);
        QCOMPARE(c.selEnd, c.selStart);
        QCOMPARE(r.caretMoved, caret >= 0);
        QCOMPARE(r.extrasDone, caret >= 0);
        QCOMPARE(d.keyEventCount(), keys);
        QVERIFY(!pressedWhileHeld);
    }

    // The paste: our own Ctrl+V shortcut released while the keys go out,
    // the keys' scan codes from the target's layout, the user's content put
    // back only after the target fetched the text.
    void pasteOrder()
    {
        auto *previous = new QMimeData;
        previous->setText(QStringLiteral("before"));
        previous->setData(QStringLiteral("application/x-test"), QByteArray("\x01\x02", 2));
        QGuiApplication::clipboard()->setMimeData(previous);

        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, QString());
        d.foreground = Top; // brought there by insertText
        const InsertResult r = pasteViaClipboard(d, QStringLiteral("one\ntwo\rthree"), Top, 0);
        QVERIFY(r.delivered());
        QCOMPARE(r.clipboardLostFormats, 0);
        QVERIFY(!r.clipboardNotRestored);
        QCOMPARE(d.clipboardTexts, QStringList{QStringLiteral("one\r\ntwo\r\nthree")});
        QVERIFY(hasCtrlV(d));
        QCOMPARE(c.text, QStringLiteral("abcone\r\ntwo\r\nthree"));
        QCOMPARE(d.fetchers, QVector<quint32>{TheirPid});
        const QStringList order = d.calls.filter(QRegularExpression(
            QStringLiteral("^(backupClipboard|setClipboardText|suspendHotKeys|sendInput|"
                           "resumeHotKeys|restoreClipboard|scanCodeForVirtualKey)")));
        QCOMPARE(order,
                 (QStringList{QStringLiteral("backupClipboard"), QStringLiteral("setClipboardText"),
                              QStringLiteral("suspendHotKeys 2 56"),
                              QStringLiteral("scanCodeForVirtualKey 11 10"),
                              QStringLiteral("scanCodeForVirtualKey 56 10"),
                              QStringLiteral("sendInput 4"), QStringLiteral("resumeHotKeys"),
                              QStringLiteral("restoreClipboard")}));
        // The target answered at once once it had read the text: the user's
        // content came back without the 2 s that a paste nobody reads waits.
        QVERIFY(d.now - 1000 < 200);
        const QMimeData *now = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(now->text(), QStringLiteral("before"));
        QCOMPARE(now->data(QStringLiteral("application/x-test")), QByteArray("\x01\x02", 2));
    }

    void pasteByMessage()
    {
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, QStringLiteral("Scintilla"));
        QVERIFY(pasteViaClipboard(d, QStringLiteral("x\ny"), Top, Control).delivered());
        QCOMPARE(d.messages.last().kind, FakeDesktop::Message::Paste);
        QCOMPARE(d.messages.last().text, QStringLiteral("x\r\ny"));
        QCOMPARE(d.keyEventCount(), 0);
        QCOMPARE(c.text, QStringLiteral("abcx\r\ny"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }

    // A paste the target never fetched did not happen, and the user's
    // content comes back all the same; so it does when the clipboard is
    // held open for a while: the copy is kept and tried again for 5 s, the
    // loss told only then. What cannot be kept is reported.
    void clipboardOutcomes_data()
    {
        QTest::addColumn<bool>("read");
        QTest::addColumn<int>("lost");
        QTest::addColumn<int>("busy");
        QTest::addColumn<int>("holdsMs"); // the target keeps the clipboard open after reading
        QTest::addColumn<ClipboardRestore>("restore");
        QTest::addColumn<bool>("delivered");
        QTest::addColumn<int>("reportedLost");
        QTest::addColumn<bool>("notRestored");
        QTest::addColumn<int>("restoreCalls"); // -1: as many as it takes
        using R = ClipboardRestore;
        const int forGood = 1 + Insertion::RestoreWaitMs / Insertion::RestoreRetryMs;
        QTest::newRow("fetched, restored")
            << true << 0 << 0 << 0 << R::Restored << true << 0 << false << 1;
        QTest::newRow("never fetched")
            << false << 0 << 0 << 0 << R::Restored << false << 0 << false << 1;
        QTest::newRow("held open twice, then restored")
            << true << 0 << 2 << 0 << R::Restored << true << 0 << false << 3;
        QTest::newRow("the target holds the clipboard 1 s while it reads")
            << true << 0 << 0 << 1000 << R::Restored << true << 0 << false << -1;
        QTest::newRow("held open for good")
            << true << 0 << 100000 << 0 << R::Restored << true << 0 << true << forGood;
        QTest::newRow("restore refused")
            << true << 0 << 0 << 0 << R::Failed << true << 0 << true << 1;
        QTest::newRow("two formats not copied")
            << true << 2 << 0 << 0 << R::Restored << true << 2 << false << 1;
        QTest::newRow("some formats not put back")
            << true << 0 << 0 << 0 << R::Partly << true << 1 << false << 1;
    }
    void clipboardOutcomes()
    {
        QFETCH(bool, read);
        QFETCH(int, lost);
        QFETCH(int, busy);
        QFETCH(int, holdsMs);
        QFETCH(ClipboardRestore, restore);
        QFETCH(bool, delivered);
        QFETCH(int, reportedLost);
        QFETCH(bool, notRestored);
        QFETCH(int, restoreCalls);
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, QString());
        c.pastes = read;
        c.holdsClipboardMs = holdsMs;
        d.backupLostFormats = lost;
        d.restoreBusy = busy;
        d.restoreOutcome = restore;
        const InsertResult r = insertText(d, QStringLiteral("a\nb"), Top);
        QCOMPARE(r.delivered(), delivered);
        QCOMPARE(r.clipboardLostFormats, reportedLost);
        QCOMPARE(r.clipboardNotRestored, notRestored);
        QCOMPARE(c.text, QStringLiteral("abc") + (read ? QStringLiteral("a\r\nb") : QString()));
        const int calls = d.calls.count(QStringLiteral("restoreClipboard"));
        if (restoreCalls >= 0)
            QCOMPARE(calls, restoreCalls);
        QCOMPARE(d.sleeps.count(Insertion::RestoreRetryMs), calls - 1);
        if (!notRestored)
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }

    // Who read the text offered for the paste decides what is reported: the
    // target's own process, the process of a field its frame shows (a store
    // app in ApplicationFrameHost), or a helper it started, is the target;
    // a clipboard monitor is not. Read by a monitor first, the paste is
    // judged by the target's field where it can be read, else reported as
    // possibly pasted, never as refused (the user would paste it twice),
    // nor as delivered. A monitor that holds the clipboard open on every
    // change leaves the user's content in place or put back.
    void readersOfThePaste_data()
    {
        QTest::addColumn<bool>("monitor");
        QTest::addColumn<bool>("monitorWindow");
        QTest::addColumn<int>("monitorHoldsMs");
        QTest::addColumn<bool>("pastes");
        QTest::addColumn<QString>("reader"); // "own", "frame", "helper"
        QTest::addColumn<bool>("readableField");
        QTest::addColumn<InsertOutcome>("outcome");
        const auto ok = InsertOutcome::Delivered;
        const auto maybe = InsertOutcome::MayHaveArrived;
        const auto no = InsertOutcome::NotAccepted;
        QTest::newRow("no monitor") << false << false << 0 << true << "own" << false << ok;
        QTest::newRow("a monitor holds the clipboard open 500 ms on each change")
            << true << true << 500 << true << "own" << false << maybe;
        QTest::newRow("a monitor read first, the field shows the text")
            << true << true << 0 << true << "own" << true << ok;
        QTest::newRow("a monitor without a window read it, the target did not paste")
            << true << false << 0 << false << "own" << false << maybe;
        QTest::newRow("... and the field shows it did not")
            << true << false << 0 << false << "own" << true << no;
        QTest::newRow("nobody read it") << false << false << 0 << false << "own" << false << no;
        QTest::newRow("read by the process of the field in the target's frame")
            << false << false << 0 << true << "frame" << false << ok;
        QTest::newRow("read by a helper the target started")
            << false << false << 0 << true << "helper" << false << ok;
    }
    void readersOfThePaste()
    {
        QFETCH(bool, monitor);
        QFETCH(bool, monitorWindow);
        QFETCH(int, monitorHoldsMs);
        QFETCH(bool, pastes);
        QFETCH(QString, reader);
        QFETCH(bool, readableField);
        QFETCH(InsertOutcome, outcome);
        QGuiApplication::clipboard()->setText(QStringLiteral("OLD"));
        FakeDesktop d;
        // A readable field: an Edit the user's rule pastes into.
        FakeDesktop::Window &c = setUpTarget(d, readableField ? QStringLiteral("Edit") : QString());
        c.pastes = pastes;
        if (reader == QLatin1String("frame"))
            c.pid = 701;
        if (reader == QLatin1String("helper")) {
            c.readsAs = 703;
            d.childProcesses.insert(TheirPid, {702});
            d.childProcesses.insert(702, {703});
        }
        d.monitor.on = monitor;
        d.monitor.hasWindow = monitorWindow;
        d.monitor.holdsOpenMs = monitorHoldsMs;
        InsertPlan paste;
        paste.method = InsertMethod::PasteCtrlV;
        const QString text = QStringLiteral("one\ntwo");
        const InsertResult r = insertText(d, text, Top, paste);
        QCOMPARE(r.outcome, outcome);
        // Once at most, whatever was reported; and the user's content back.
        QCOMPARE(c.text,
                 QStringLiteral("abc") + (pastes ? QStringLiteral("one\r\ntwo") : QString()));
        QVERIFY(!r.clipboardNotRestored);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("OLD"));
    }

    // A target still busy with the keys before ours takes our paste late:
    // the user's content comes back only once it has read the text and is
    // through with its keys, never while the paste is still queued (it
    // would paste the user's content instead). A read of the text before the
    // paste key was taken (the program's own clipboard history) is not the
    // paste. A WM_PASTE not answered in time still comes. Content the user
    // copied meanwhile is newer than the backup and stays.
    void slowTargets_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<int>("busyBeforeMs"); // with the keys it has already
        QTest::addColumn<int>("perKeysMs");    // for each batch of keys
        QTest::addColumn<int>("perKeyMs");     // for each key, answering between two
        QTest::addColumn<bool>("readsOnChange");
        QTest::addColumn<int>("userCopiesAtMs"); // -1: the user copies nothing
        QTest::addColumn<InsertOutcome>("outcome");
        QTest::addColumn<QString>("pasted");    // what lands after "abc"
        QTest::addColumn<QString>("clipboard"); // afterwards
        const QString phrase = QStringLiteral("one\r\ntwo");
        QTest::newRow("800 ms for each batch of keys, 3 s behind")
            << "" << 3000 << 800 << 0 << false << -1 << InsertOutcome::Delivered << phrase << "OLD";
        QTest::newRow("answers between its keys, 1.2 s of them before ours")
            << "" << 1200 << 0 << 400 << false << -1 << InsertOutcome::Delivered << phrase << "OLD";
        QTest::newRow("... and its own process reads every change before the paste key")
            << "" << 1200 << 0 << 400 << true << -1 << InsertOutcome::MayHaveArrived << phrase
            << "OLD";
        QTest::newRow("... the same with a field whose text can be read")
            << "Edit" << 1200 << 0 << 400 << true << -1 << InsertOutcome::Delivered << phrase
            << "OLD";
        QTest::newRow("WM_PASTE to a Scintilla 3 s behind: not answered in time, taken later")
            << "Scintilla" << 3000 << 0 << 0 << false << -1 << InsertOutcome::Delivered << phrase
            << "OLD";
        QTest::newRow("the user copies while the target is still busy")
            << "" << 3000 << 800 << 0 << false << 1000 << InsertOutcome::NotAccepted << "NEW"
            << "NEW";
    }
    void slowTargets()
    {
        QFETCH(QString, cls);
        QFETCH(int, busyBeforeMs);
        QFETCH(int, perKeysMs);
        QFETCH(int, perKeyMs);
        QFETCH(bool, readsOnChange);
        QFETCH(int, userCopiesAtMs);
        QFETCH(InsertOutcome, outcome);
        QFETCH(QString, pasted);
        QFETCH(QString, clipboard);
        QGuiApplication::clipboard()->setText(QStringLiteral("OLD"));
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, cls);
        d.windows[Top].busyMs = perKeysMs;
        d.windows[Top].perKeyMs = perKeyMs;
        d.windows[Top].readsOnChange = readsOnChange;
        // Keys reach it meanwhile, and keep it busy.
        d.duringBackup = [&] {
            d.windows[Top].readyAt = d.now + quint32(busyBeforeMs);
            if (userCopiesAtMs >= 0)
                d.at(d.now + quint32(userCopiesAtMs),
                     [&] { d.otherProgramCopies(QStringLiteral("NEW")); });
        };
        InsertPlan road; // an Edit the user's rule pastes into
        if (cls == QLatin1String("Edit"))
            road.method = InsertMethod::PasteCtrlV;
        const InsertResult r = insertText(d, QStringLiteral("one\ntwo"), Top, road);
        QCOMPARE(r.outcome, outcome);
        QVERIFY(!r.clipboardNotRestored);
        QCOMPARE(r.clipboardLostFormats, 0);
        // Whatever comes later has come: once, and the phrase, not the
        // user's old content.
        d.advance(20000);
        QCOMPARE(c.text, QStringLiteral("abc") + pasted);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }

    // A target busy past the limit, or hung once our keys went out, still
    // has our paste key queued: the text stays on the clipboard for it, and
    // the user's content is kept until the target has taken the key (then
    // it goes back), or given up on at the keeper's limit (the user is
    // told). Meanwhile no other text goes onto the clipboard; without a
    // keeper the content is given up at once, and the result says so.
    void latePasteKeepsTheUsersContent_data()
    {
        QTest::addColumn<int>("busyBeforeMs");
        QTest::addColumn<int>("hungForMs"); // from the keys on; 0: it stays alive
        QTest::addColumn<bool>("keeper");
        QTest::addColumn<bool>("restored");
        QTest::newRow("busy past the limit, through 15 s later") << 15000 << 0 << true << true;
        QTest::newRow("hung after the keys went out, back 5 s later")
            << 100 << 5000 << true << true;
        QTest::newRow("busy past the keeper's limit") << 60000 << 0 << true << false;
        QTest::newRow("hung, and nobody keeps the content") << 100 << 5000 << false << false;
    }
    void latePasteKeepsTheUsersContent()
    {
        QFETCH(int, busyBeforeMs);
        QFETCH(int, hungForMs);
        QFETCH(bool, keeper);
        QFETCH(bool, restored);
        QGuiApplication::clipboard()->setText(QStringLiteral("OLD"));
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, QString());
        d.windows[Top].busyMs = 800;
        d.duringBackup = [&] { d.windows[Top].readyAt = d.now + quint32(busyBeforeMs); };
        d.afterInput = [&] {
            if (hungForMs <= 0 || d.windows[Top].hung)
                return;
            d.windows[Top].hung = true;
            d.at(d.now + quint32(hungForMs), [&] { d.windows[Top].hung = false; });
        };
        ClipboardKeeper kept;
        InsertExtras extras;
        extras.keeper = keeper ? &kept : nullptr;
        const InsertResult r = insertText(d, QStringLiteral("one\ntwo"), Top, InsertPlan(), extras);
        QCOMPARE(r.outcome, InsertOutcome::PasteQueued);
        QCOMPARE(r.clipboardNotRestored, !keeper);
        QCOMPARE(kept.waiting(), keeper);
        // The text is what the target pastes, whenever it gets to it.
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one\r\ntwo"));
        d.afterInput = nullptr;
        if (keeper) {
            // Another phrase meanwhile would replace the text the target
            // is still to paste: it is refused.
            const InsertResult second = pasteViaClipboard(d, QStringLiteral("x\ny"), Top, 0,
                                                          PasteKey::CtrlV, QVector<int>(), &kept);
            QCOMPARE(second.outcome, InsertOutcome::EarlierPasteWaiting);
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one\r\ntwo"));
        }
        InsertResult later;
        int looks = 0;
        while (!kept.poll(d, &later) && ++looks < 1000)
            d.advance(ClipboardKeeper::PollMs);
        QVERIFY(!kept.waiting());
        QCOMPARE(later.clipboardNotRestored, keeper && !restored);
        d.advance(busyBeforeMs + hungForMs + 10000);
        QCOMPARE(c.text, QStringLiteral("abcone\r\ntwo"));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 restored ? QStringLiteral("OLD") : QStringLiteral("one\r\ntwo"));
    }

    // Without a copy of the user's content, or without the clipboard, the
    // content is never overwritten.
    void clipboardNeverTouchedWithoutBackup()
    {
        FakeDesktop d;
        setUpTarget(d, QString());
        d.backupFails = true;
        QVERIFY(!insertText(d, QStringLiteral("a\nb"), Top).delivered());
        QVERIFY(!d.calls.contains(QStringLiteral("openClipboard")));
        QVERIFY(d.clipboardTexts.isEmpty());
        QVERIFY(!hasCtrlV(d));

        FakeDesktop closed;
        setUpTarget(closed, QString());
        closed.clipboardOpenFailures = 10;
        QVERIFY(!insertText(closed, QStringLiteral("a\nb"), Top).delivered());
        QCOMPARE(closed.calls.count(QStringLiteral("openClipboard")), 10);
        QVERIFY(closed.clipboardTexts.isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        FakeDesktop late;
        setUpTarget(late, QString());
        late.clipboardOpenFailures = 9;
        QVERIFY(insertText(late, QStringLiteral("a\nb"), Top).delivered());
        QCOMPARE(late.calls.count(QStringLiteral("openClipboard")), 10);
    }

    void failedSetDataKeepsTheUsersClipboard()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("precious"));
        FakeDesktop d;
        setUpTarget(d, QString());
        d.setClipboardSucceeds = false;
        QVERIFY(!pasteViaClipboard(d, QStringLiteral("a\nb"), Top, 0).delivered());
        QVERIFY(d.calls.contains(QStringLiteral("closeClipboard")));
        QVERIFY(!hasCtrlV(d));
        // The clipboard had been emptied; the backup is put back.
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("precious"));
    }

    // A copy of the user's content leaves out only what the system made
    // from the formats a program put there (it makes them again when the
    // copy is put back), so a large picture is copied once: the system
    // lists what it makes after everything the program put there, in an
    // order of its own. A format the program put there itself is kept,
    // even one the system could have made (a DIBV5 with alpha beside a
    // bitmap). The lists are as Windows gives them.
    void backupKeepsOneOfEachFamily_data()
    {
        QTest::addColumn<QVector<unsigned>>("listed");
        QTest::addColumn<QVector<unsigned>>("kept");
        using namespace ClipboardFormats;
        const unsigned html = 0xC0F0; // a registered format
        const unsigned locale = Locale;
        QTest::newRow("Unicode text, and what the system makes of it")
            << QVector<unsigned>{UnicodeText, locale, Text, OemText}
            << QVector<unsigned>{UnicodeText, locale};
        QTest::newRow("ANSI text and HTML")
            << QVector<unsigned>{Text, html, locale, OemText, UnicodeText}
            << QVector<unsigned>{Text, html, locale};
        QTest::newRow("all three texts put there by the program")
            << QVector<unsigned>{UnicodeText, Text, OemText, locale}
            << QVector<unsigned>{UnicodeText, Text, OemText, locale};
        QTest::newRow("a picture as a DIB")
            << QVector<unsigned>{Dib, Bitmap, DibV5} << QVector<unsigned>{Dib};
        QTest::newRow("a bitmap") << QVector<unsigned>{Bitmap, Dib, DibV5}
                                  << QVector<unsigned>{Bitmap};
        QTest::newRow("a bitmap and a DIBV5 with alpha, both the program's")
            << QVector<unsigned>{Bitmap, DibV5, Dib} << QVector<unsigned>{Bitmap, DibV5};
        QTest::newRow("a DIBV5 and a bitmap, then PNG")
            << QVector<unsigned>{DibV5, Bitmap, html, Dib}
            << QVector<unsigned>{DibV5, Bitmap, html};
        QTest::newRow("metafiles") << QVector<unsigned>{EnhMetafile, html, MetafilePict}
                                   << QVector<unsigned>{EnhMetafile, html};
        QTest::newRow("text and a metafile")
            << QVector<unsigned>{Text, EnhMetafile, locale, OemText, UnicodeText, MetafilePict}
            << QVector<unsigned>{Text, EnhMetafile, locale};
        QTest::newRow("text and a picture")
            << QVector<unsigned>{html, UnicodeText, Dib, locale, Text, OemText, Bitmap, DibV5}
            << QVector<unsigned>{html, UnicodeText, Dib, locale};
        QTest::newRow("a locale the program put there with its text")
            << QVector<unsigned>{UnicodeText, locale, html, Text, OemText}
            << QVector<unsigned>{UnicodeText, locale, html};
    }
    void backupKeepsOneOfEachFamily()
    {
        QFETCH(QVector<unsigned>, listed);
        QFETCH(QVector<unsigned>, kept);
        const size_t made =
            ClipboardFormats::madeBySystemFrom(listed.constData(), size_t(listed.size()));
        QVector<unsigned> out;
        for (int i = 0; i < listed.size(); ++i) {
            if (size_t(i) < made || ClipboardFormats::family(listed[i]) == 0)
                out << listed[i];
        }
        QCOMPARE(out, kept);
    }

    // The application's road: the user's choice over the program's own.
    void roads_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<InsertMethod>("road");
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chord"); // the paste's keys, by their virtual keys
        QTest::addColumn<InsertOutcome>("outcome");
        const auto ok = InsertOutcome::Delivered;
        const auto no = InsertOutcome::NotAccepted;
        QTest::newRow("type only: an Edit gets keys, not the message")
            << "Edit" << InsertMethod::TypeOnly << false << "a\nb"
            << "a\rb"
            << "" << ok;
        QTest::newRow("type only: no control character into a terminal")
            << "" << InsertMethod::TypeOnly << true << "ls\t-l"
            << ""
            << "" << no;
        QTest::newRow("paste with Ctrl+Shift+V, even a short line into an Edit")
            << "Edit" << InsertMethod::PasteCtrlShiftV << true << "ls"
            << ""
            << "11 10 56" << ok;
        QTest::newRow("paste with Shift+Insert")
            << "" << InsertMethod::PasteShiftInsert << true << "a\nb"
            << ""
            << "10 2d" << ok;
        QTest::newRow("paste with Ctrl+V") << "" << InsertMethod::PasteCtrlV << false << "hi"
                                           << ""
                                           << "11 56" << ok;
        QTest::newRow("automatic: a terminal's line is typed")
            << "" << InsertMethod::Automatic << true << "ls -l"
            << "ls -l"
            << "" << ok;
        QTest::newRow("automatic: a tab for a terminal goes by its paste key")
            << "" << InsertMethod::Automatic << true << "ls\t-l"
            << ""
            << "11 10 56" << ok;
    }
    void roads()
    {
        QFETCH(QString, cls);
        QFETCH(InsertMethod, road);
        QFETCH(bool, terminal);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(QString, chord);
        QFETCH(InsertOutcome, outcome);
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, cls);
        InsertPlan r;
        r.method = road;
        r.terminal = terminal;
        // A terminal's own key for the automatic road.
        r.pasteKey = road == InsertMethod::Automatic && terminal ? PasteKey::CtrlShiftV
                                                                 : InsertPlans::pasteKeyOf(road);
        c.pasteKey = r.pasteKey; // the program pastes with the key its road uses
        QCOMPARE(insertText(d, text, Top, r).outcome, outcome);
        QCOMPARE(d.typedText(), typed);
        QVERIFY(!sent(d, FakeDesktop::Message::ReplaceSel));
        // What the user sees in the field: the text once, by keys or a paste.
        QCOMPARE(c.text,
                 QStringLiteral("abc") +
                     (outcome == InsertOutcome::Delivered ? TextConvert::toCrlf(text) : QString()));
        QString keys;
        for (const auto &batch : qAsConst(d.inputBatches)) {
            for (const KeyInput &k : batch) {
                if ((k.flags & KeyFlag::ScanCode) && !(k.flags & KeyFlag::KeyUp))
                    keys += QString::number(k.vk, 16) + QLatin1Char(' ');
            }
        }
        QCOMPARE(keys.trimmed(), chord);
        if (chord == QLatin1String("10 2d")) {
            // Insert, not the keypad's 0; X terminals paste PRIMARY with it.
            QVERIFY(d.inputBatches.last().at(1).flags & KeyFlag::Extended);
            QCOMPARE(d.backupsWithPrimary, QVector<bool>{true});
            QCOMPARE(d.clipboardOffers,
                     QVector<ClipboardOffer>{ClipboardOffer::ForPasteWithPrimary});
            QVERIFY(d.calls.contains(QStringLiteral("suspendHotKeys 4 2d")));
        }
        if (!chord.isEmpty())
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void neverHereSendsNothing()
    {
        FakeDesktop d;
        setUpTarget(d, QStringLiteral("Edit"));
        InsertPlan never;
        never.method = InsertMethod::Never;
        QCOMPARE(insertText(d, QStringLiteral("hi"), Top, never).outcome, InsertOutcome::NotHere);
        QVERIFY(d.calls.isEmpty());
    }

    void emptyTextSendsNothing()
    {
        FakeDesktop d;
        setUpTarget(d, QStringLiteral("Edit"));
        QVERIFY(!insertText(d, QString(), Top).delivered());
        QVERIFY(d.calls.isEmpty());
    }

    void withoutTargetNothingIsForced()
    {
        FakeDesktop d;
        QVERIFY(insertText(d, QStringLiteral("hi"), 0).delivered());
        QVERIFY(!d.calls.join(QLatin1Char(' ')).contains(QLatin1String("setForegroundWindow")));
        QCOMPARE(d.typedText(), QStringLiteral("hi"));

        // A paste into the window in front is judged there.
        FakeDesktop front;
        FakeDesktop::Window &c = setUpTarget(front, QString());
        front.foreground = Top;
        QVERIFY(insertText(front, QStringLiteral("a\nb"), 0).delivered());
        QCOMPARE(c.text, QStringLiteral("abca\r\nb"));
        QVERIFY(!front.calls.join(QLatin1Char(' ')).contains(QLatin1String("setForegroundWindow")));
    }
};

QTEST_MAIN(InsertionTest)
#include "tst_insertion.moc"
