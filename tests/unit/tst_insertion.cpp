#include "fakes/fakedesktop.h"
#include "insert/insertion.h"
#include "insert/textconvert.h"

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

Method methodUsed(const FakeDesktop &d)
{
    if (sent(d, FakeDesktop::Message::Paste))
        return Method::WmPaste;
    if (hasCtrlV(d))
        return Method::CtrlV;
    if (!d.typedText().isEmpty())
        return Method::Typed;
    if (!d.clipboardTexts.isEmpty())
        return Method::Clipboard;
    if (sent(d, FakeDesktop::Message::ReplaceSel))
        return Method::Direct;
    return Method::Nothing;
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
Q_DECLARE_METATYPE(AppRoad)

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
        QCOMPARE(methodUsed(d), method);
        switch (method) {
        case Method::Direct:
            // The message road sends no key at all and does not wait.
            QCOMPARE(d.keyEventCount(), 0);
            QVERIFY(d.sleeps.isEmpty() && d.settles.isEmpty());
            QCOMPARE(c.text, QStringLiteral("abc") + TextConvert::toCrlf(text));
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
        QCOMPARE(insertText(d, text, Top).outcome, outcome);
        QCOMPARE(c.text, after);
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

        FakeDesktop later;
        setUpTarget(later, QString());
        later.keysHeldUntil.insert(0xA4, later.now + 1200);
        QVERIFY(insertText(later, QStringLiteral("ok"), Top).delivered());
        QCOMPARE(later.typedText(), QStringLiteral("ok"));
        QVERIFY(!releasedHeldKey(later));
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
        setUpTarget(d, QString());
        const InsertResult r = pasteViaClipboard(d, QStringLiteral("one\ntwo\rthree"), Top, 0);
        QVERIFY(r.delivered());
        QCOMPARE(r.clipboardLostFormats, 0);
        QVERIFY(!r.clipboardNotRestored);
        QCOMPARE(d.clipboardTexts, QStringList{QStringLiteral("one\r\ntwo\r\nthree")});
        QVERIFY(hasCtrlV(d));
        const QStringList order = d.calls.filter(QRegularExpression(
            QStringLiteral("^(backupClipboard|setClipboardText|suspendHotKeys|sendInput|"
                           "awaitPaste|resumeHotKeys|restoreClipboard|scanCodeForVirtualKey)")));
        QCOMPARE(order, (QStringList{
                            QStringLiteral("backupClipboard"), QStringLiteral("setClipboardText"),
                            QStringLiteral("suspendHotKeys 2 56"),
                            QStringLiteral("scanCodeForVirtualKey 11 10"),
                            QStringLiteral("scanCodeForVirtualKey 56 10"),
                            QStringLiteral("sendInput 4"), QStringLiteral("awaitPaste 10"),
                            QStringLiteral("resumeHotKeys"), QStringLiteral("restoreClipboard")}));
        const QMimeData *now = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(now->text(), QStringLiteral("before"));
        QCOMPARE(now->data(QStringLiteral("application/x-test")), QByteArray("\x01\x02", 2));
    }

    void pasteByMessage()
    {
        FakeDesktop d;
        setUpTarget(d, QStringLiteral("Scintilla"));
        QVERIFY(pasteViaClipboard(d, QStringLiteral("x\ny"), Top, Control).delivered());
        QCOMPARE(d.messages.last().kind, FakeDesktop::Message::Paste);
        QCOMPARE(d.messages.last().text, QStringLiteral("x\r\ny"));
        QCOMPARE(d.keyEventCount(), 0);
        QVERIFY(d.calls.contains(QStringLiteral("awaitPaste 11")));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }

    // A paste the target never fetched did not happen, and the user's
    // content comes back all the same; so it does when the clipboard is
    // held open for a while. What cannot be kept is reported.
    void clipboardOutcomes_data()
    {
        QTest::addColumn<bool>("read");
        QTest::addColumn<int>("lost");
        QTest::addColumn<int>("busy");
        QTest::addColumn<ClipboardRestore>("restore");
        QTest::addColumn<bool>("delivered");
        QTest::addColumn<int>("reportedLost");
        QTest::addColumn<bool>("notRestored");
        QTest::addColumn<int>("restoreCalls");
        using R = ClipboardRestore;
        QTest::newRow("fetched, restored")
            << true << 0 << 0 << R::Restored << true << 0 << false << 1;
        QTest::newRow("never fetched")
            << false << 0 << 0 << R::Restored << false << 0 << false << 1;
        QTest::newRow("held open twice, then restored")
            << true << 0 << 2 << R::Restored << true << 0 << false << 3;
        QTest::newRow("held open for good")
            << true << 0 << 100 << R::Restored << true << 0 << true << 20;
        QTest::newRow("restore refused") << true << 0 << 0 << R::Failed << true << 0 << true << 1;
        QTest::newRow("two formats not copied")
            << true << 2 << 0 << R::Restored << true << 2 << false << 1;
        QTest::newRow("some formats not put back")
            << true << 0 << 0 << R::Partly << true << 1 << false << 1;
    }
    void clipboardOutcomes()
    {
        QFETCH(bool, read);
        QFETCH(int, lost);
        QFETCH(int, busy);
        QFETCH(ClipboardRestore, restore);
        QFETCH(bool, delivered);
        QFETCH(int, reportedLost);
        QFETCH(bool, notRestored);
        QFETCH(int, restoreCalls);
        FakeDesktop d;
        setUpTarget(d, QString());
        d.pasteRead = read;
        d.backupLostFormats = lost;
        d.restoreBusy = busy;
        d.restoreOutcome = restore;
        const InsertResult r = insertText(d, QStringLiteral("a\nb"), Top);
        QCOMPARE(r.delivered(), delivered);
        QCOMPARE(r.clipboardLostFormats, reportedLost);
        QCOMPARE(r.clipboardNotRestored, notRestored);
        QCOMPARE(d.calls.count(QStringLiteral("restoreClipboard")), restoreCalls);
        QCOMPARE(d.sleeps.count(Insertion::RestoreRetryMs), restoreCalls - 1);
        if (!notRestored)
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
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

    // The application's road: the user's choice over the program's own.
    void roads_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<AppRoad>("road");
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chord"); // the paste's keys, by their virtual keys
        QTest::addColumn<InsertOutcome>("outcome");
        const auto ok = InsertOutcome::Delivered;
        const auto no = InsertOutcome::NotAccepted;
        QTest::newRow("type only: an Edit gets keys, not the message")
            << "Edit" << AppRoad::TypeOnly << false << "a\nb"
            << "a\rb"
            << "" << ok;
        QTest::newRow("type only: no control character into a terminal")
            << "" << AppRoad::TypeOnly << true << "ls\t-l"
            << ""
            << "" << no;
        QTest::newRow("paste with Ctrl+Shift+V, even a short line into an Edit")
            << "Edit" << AppRoad::PasteCtrlShiftV << true << "ls"
            << ""
            << "11 10 56" << ok;
        QTest::newRow("paste with Shift+Insert")
            << "" << AppRoad::PasteShiftInsert << true << "a\nb"
            << ""
            << "10 2d" << ok;
        QTest::newRow("paste with Ctrl+V") << "" << AppRoad::PasteCtrlV << false << "hi"
                                           << ""
                                           << "11 56" << ok;
        QTest::newRow("automatic: a terminal's line is typed")
            << "" << AppRoad::Automatic << true << "ls -l"
            << "ls -l"
            << "" << ok;
        QTest::newRow("automatic: a tab for a terminal goes by its paste key")
            << "" << AppRoad::Automatic << true << "ls\t-l"
            << ""
            << "11 10 56" << ok;
    }
    void roads()
    {
        QFETCH(QString, cls);
        QFETCH(AppRoad, road);
        QFETCH(bool, terminal);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(QString, chord);
        QFETCH(InsertOutcome, outcome);
        FakeDesktop d;
        FakeDesktop::Window &c = setUpTarget(d, cls);
        InsertRoad r;
        r.road = road;
        r.terminal = terminal;
        // A terminal's own key for the automatic road.
        r.pasteKey = road == AppRoad::Automatic && terminal ? PasteKey::CtrlShiftV
                                                            : AppRoads::pasteKeyOf(road);
        QCOMPARE(insertText(d, text, Top, r).outcome, outcome);
        QCOMPARE(d.typedText(), typed);
        QVERIFY(!sent(d, FakeDesktop::Message::ReplaceSel));
        QCOMPARE(c.text, QStringLiteral("abc"));
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
        InsertRoad never;
        never.road = AppRoad::Never;
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
    }
};

QTEST_MAIN(InsertionTest)
#include "tst_insertion.moc"
