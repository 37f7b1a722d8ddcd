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
constexpr quint32 TheirThread = 7;
constexpr quint32 TheirPid = 700;

enum class Method
{
    Direct,
    Typed,
    WmPaste,
    CtrlV
};

// A target window whose focused child has class cls ("" for no text control).
void setUpTarget(FakeDesktop &d, const QString &cls, bool elevated = false)
{
    FakeDesktop::Window top;
    top.className = QStringLiteral("Main");
    top.thread = TheirThread;
    top.pid = TheirPid;
    top.children = {Control};
    d.addWindow(Top, top);
    FakeDesktop::Window control = top;
    control.children.clear();
    control.className = cls.isEmpty() ? QStringLiteral("Button") : cls;
    control.text = QStringLiteral("abc");
    control.selStart = control.selEnd = 3;
    d.addWindow(Control, control);
    d.guiInfo.insert(TheirThread, GuiThreadInfo{Control, 0, QRect()});
    if (elevated)
        d.levels.insert(TheirPid, ProcessLevel{ProcessLevel::Ok, 0x3000});
}

bool hasCtrlV(const FakeDesktop &d)
{
    for (const auto &batch : d.inputBatches) {
        if (batch.size() == 4 && batch.first() == KeyInput{0, 0x1D, KeyFlag::ScanCode})
            return batch.at(1) == KeyInput{0, 0x2F, KeyFlag::ScanCode} &&
                   batch.at(2) == KeyInput{0, 0x2F, KeyFlag::ScanCode | KeyFlag::KeyUp} &&
                   batch.at(3) == KeyInput{0, 0x1D, KeyFlag::ScanCode | KeyFlag::KeyUp};
    }
    return false;
}

Method methodUsed(const FakeDesktop &d)
{
    for (const auto &m : d.messages) {
        if (m.kind == FakeDesktop::Message::Paste)
            return Method::WmPaste;
    }
    if (hasCtrlV(d))
        return Method::CtrlV;
    if (!d.typedText().isEmpty())
        return Method::Typed;
    return Method::Direct;
}
} // namespace

Q_DECLARE_METATYPE(Method)

class InsertionTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void methodChoice_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<bool>("elevated");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Method>("method");
        const QString shortLine = QStringLiteral("hello");
        const QString twoLines = QStringLiteral("a\nb");
        QTest::newRow("Edit, short") << "Edit" << false << shortLine << Method::Direct;
        QTest::newRow("Edit, two lines") << "Edit" << false << twoLines << Method::Direct;
        QTest::newRow("RichEdit, two lines")
            << "RichEdit20W" << false << twoLines << Method::Direct;
        QTest::newRow("Scintilla, short") << "Scintilla" << false << shortLine << Method::Typed;
        QTest::newRow("Scintilla, two lines")
            << "Scintilla" << false << twoLines << Method::WmPaste;
        QTest::newRow("no control, short") << "" << false << shortLine << Method::Typed;
        QTest::newRow("no control, two lines") << "" << false << twoLines << Method::CtrlV;
        QTest::newRow("elevated, Edit") << "Edit" << true << shortLine << Method::WmPaste;
        QTest::newRow("elevated, no control") << "" << true << shortLine << Method::CtrlV;
    }
    void methodChoice()
    {
        QFETCH(QString, cls);
        QFETCH(bool, elevated);
        QFETCH(QString, text);
        QFETCH(Method, method);
        FakeDesktop d;
        setUpTarget(d, cls, elevated);
        QVERIFY(insertText(d, text, Top));
        QCOMPARE(methodUsed(d), method);
        if (method == Method::Direct) {
            // The message road sends no key at all and does not wait.
            QCOMPARE(d.keyEventCount(), 0);
            QVERIFY(d.sleeps.isEmpty() && d.settles.isEmpty());
            QCOMPARE(d.messages.first().text, TextConvert::toCrlf(text));
        } else {
            QCOMPARE(d.settles, QVector<int>{50});
            QVERIFY(!d.calls.contains(QStringLiteral("replaceSelection 11")) ||
                    cls.compare(QLatin1String("scintilla"), Qt::CaseInsensitive) != 0);
        }
        if (method == Method::Typed)
            QCOMPARE(d.typedText(), text);
        QCOMPARE(d.foreground, Top);
    }

    void directMessageJudgedByTheSelection_data()
    {
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selEnd");
        QTest::addColumn<bool>("takesReplace");
        QTest::addColumn<bool>("readableSel");
        QTest::addColumn<bool>("direct");
        // The control holds "abc"; the text is "xy".
        QTest::newRow("caret at the end") << 3 << 3 << true << true << true;
        QTest::newRow("selection longer than the text") << 0 << 3 << true << true << true;
        QTest::newRow("selection backwards") << 3 << 1 << true << true << true;
        QTest::newRow("select-all past the end (RichEdit)") << 0 << 4 << true << true << true;
        QTest::newRow("control ignores the message") << 3 << 3 << false << true << false;
        QTest::newRow("ignored, with a selection") << 0 << 3 << false << true << false;
        QTest::newRow("ignored, selection as long as the text") << 1 << 3 << false << true << false;
        QTest::newRow("replaced, selection as long as the text") << 1 << 3 << true << true << true;
        QTest::newRow("selection unreadable, length grows") << 3 << 3 << true << false << true;
    }
    void directMessageJudgedByTheSelection()
    {
        QFETCH(int, selStart);
        QFETCH(int, selEnd);
        QFETCH(bool, takesReplace);
        QFETCH(bool, readableSel);
        QFETCH(bool, direct);
        FakeDesktop d;
        setUpTarget(d, QStringLiteral("Edit"));
        FakeDesktop::Window &c = d.windows[Control];
        c.selStart = selStart;
        c.selEnd = selEnd;
        c.takesReplace = takesReplace;
        c.selectionReadable = readableSel;
        QVERIFY(insertText(d, QStringLiteral("xy"), Top));
        QCOMPARE(methodUsed(d) == Method::Direct, direct);
        if (direct)
            QCOMPARE(d.keyEventCount(), 0); // the text lands once only
        else
            QCOMPARE(d.typedText(), QStringLiteral("xy"));
    }

    // The keyboard in use cannot give every character: the text is pasted
    // and no character key goes out before the paste.
    void textTheKeyboardCannotTypeIsPasted()
    {
        FakeDesktop d;
        setUpTarget(d, QString());
        d.typesExactly = false;
        const QString text = QString::fromUtf8("héllo");
        QVERIFY(insertText(d, text, Top));
        QCOMPARE(d.exactChecks, QStringList{text});
        QVERIFY(d.typedText().isEmpty());
        QCOMPARE(methodUsed(d), Method::CtrlV);
        QCOMPARE(d.clipboardTexts, QStringList{text});
    }

    // A Ctrl+V the target never acted on is a failure, and the user's
    // clipboard comes back all the same.
    void pasteTheTargetNeverReadIsAFailure()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        FakeDesktop d;
        setUpTarget(d, QString());
        d.pasteRead = false;
        QVERIFY(!insertText(d, QStringLiteral("a\nb"), Top));
        QVERIFY(hasCtrlV(d));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
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
        QVERIFY(insertText(d, text, Top));
        QCOMPARE(methodUsed(d) == Method::Typed, typed);
        if (typed)
            QCOMPARE(d.typedText(), text);
        else
            QCOMPARE(d.clipboardTexts, QStringList(TextConvert::toCrlf(text)));
    }

    void typingBatches()
    {
        FakeDesktop d;
        QVERIFY(typeUnicode(d, QString(130, QLatin1Char('q'))));
        QCOMPARE(d.inputBatches.size(), 3);
        QCOMPARE(d.inputBatches[0].size(), 128);
        QCOMPARE(d.inputBatches[1].size(), 128);
        QCOMPARE(d.inputBatches[2].size(), 4);
        QCOMPARE(d.inputBatches[0][0], (KeyInput{0, 'q', KeyFlag::Unicode}));
        QCOMPARE(d.inputBatches[0][1], (KeyInput{0, 'q', KeyFlag::Unicode | KeyFlag::KeyUp}));
        QVERIFY(typeUnicode(d, QString()));
        QCOMPARE(d.inputBatches.size(), 3);
    }

    void refusedBatchStopsTypingAndPastes()
    {
        FakeDesktop d;
        setUpTarget(d, QString());
        d.acceptLimit.insert(2, 100); // batch 0: modifier key-ups; batch 2: second chunk
        const QString text(130, QLatin1Char('z'));
        QVERIFY(insertText(d, text, Top));
        // Two chunks went out, the third never did; then the clipboard took over.
        QCOMPARE(d.typedText(), QString(128, QLatin1Char('z')));
        QCOMPARE(d.clipboardTexts, QStringList{text});
        QVERIFY(hasCtrlV(d));
    }

    void modifierWait_data()
    {
        QTest::addColumn<int>("vk");
        QTest::addColumn<int>("heldMs");
        QTest::addColumn<int>("waitedMs");
        QTest::newRow("nothing held") << 0xA2 << 0 << 0;
        QTest::newRow("Ctrl up after 35 ms") << 0xA2 << 35 << 40;
        QTest::newRow("right Win up after 100 ms") << 0x5C << 100 << 100;
        QTest::newRow("Ctrl held for good: gives up after 800 ms") << 0xA2 << 100000 << 810;
        QTest::newRow("the shortcut's key held for 60 ms") << 0 << 60 << 60;
    }
    void modifierWait()
    {
        QFETCH(int, vk);
        QFETCH(int, heldMs);
        QFETCH(int, waitedMs);
        FakeDesktop d;
        const quint32 start = d.clock;
        if (vk)
            d.keysHeldUntil.insert(vk, start + quint32(heldMs));
        else
            d.nonModifierHeldUntil = start + quint32(heldMs);
        releaseModifierKeys(d);
        QCOMPARE(int(d.clock - start), waitedMs);
        for (int ms : qAsConst(d.sleeps))
            QCOMPARE(ms, 10);
        // The eight key-ups go out whatever the wait found.
        QCOMPARE(d.inputBatches.size(), 1);
        const QVector<KeyInput> &ups = d.inputBatches.first();
        QCOMPARE(ups.size(), 8);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(ups[i], (KeyInput{Insertion::ModifierKeys[i], 0, KeyFlag::KeyUp}));
    }

    void typingGoesOnAfterTheWaitGivesUp()
    {
        FakeDesktop d;
        setUpTarget(d, QString());
        d.keysHeldUntil.insert(0xA2, 0xFFFFFFFF);
        QVERIFY(insertText(d, QStringLiteral("ok"), Top));
        QCOMPARE(d.typedText(), QStringLiteral("ok"));
    }

    void clipboardRestoredAfterCtrlV()
    {
        auto *previous = new QMimeData;
        previous->setText(QStringLiteral("before"));
        previous->setData(QStringLiteral("application/x-test"), QByteArray("\x01\x02", 2));
        QGuiApplication::clipboard()->setMimeData(previous);

        FakeDesktop d;
        setUpTarget(d, QString());
        QVERIFY(pasteViaClipboard(d, QStringLiteral("one\ntwo\rthree"), Top));
        QCOMPARE(d.clipboardTexts, QStringList{QStringLiteral("one\r\ntwo\r\nthree")});
        QVERIFY(hasCtrlV(d));
        QCOMPARE(d.sleeps, QVector<int>{300}); // after the keys, before the restore
        const QMimeData *now = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(now->text(), QStringLiteral("before"));
        QCOMPARE(now->data(QStringLiteral("application/x-test")), QByteArray("\x01\x02", 2));
    }

    void clipboardRestoredAfterWmPaste()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        FakeDesktop d;
        setUpTarget(d, QStringLiteral("Scintilla"));
        QVERIFY(pasteViaClipboard(d, QStringLiteral("x\ny"), Top));
        QCOMPARE(d.messages.last().kind, FakeDesktop::Message::Paste);
        QCOMPARE(d.messages.last().text, QStringLiteral("x\r\ny"));
        QVERIFY(d.sleeps.isEmpty());
        QCOMPARE(d.keyEventCount(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void clipboardThatNeverOpens()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        FakeDesktop d;
        setUpTarget(d, QString());
        d.clipboardOpenFailures = 10;
        QVERIFY(!insertText(d, QStringLiteral("a\nb"), Top));
        QCOMPARE(d.calls.count(QStringLiteral("openClipboard")), 10);
        QCOMPARE(d.sleeps.count(15), 10);
        QVERIFY(d.clipboardTexts.isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        FakeDesktop late;
        setUpTarget(late, QString());
        late.clipboardOpenFailures = 9;
        QVERIFY(pasteViaClipboard(late, QStringLiteral("a"), Top));
        QCOMPARE(late.calls.count(QStringLiteral("openClipboard")), 10);
    }

    void failedSetDataKeepsTheUsersClipboard()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("precious"));
        FakeDesktop d;
        setUpTarget(d, QString());
        d.setClipboardSucceeds = false;
        QVERIFY(!pasteViaClipboard(d, QStringLiteral("a\nb"), Top));
        QVERIFY(d.calls.contains(QStringLiteral("closeClipboard")));
        QVERIFY(!hasCtrlV(d));
        // The clipboard had been emptied; the backup is put back.
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("precious"));
    }

    void emptyTextSendsNothing()
    {
        FakeDesktop d;
        setUpTarget(d, QStringLiteral("Edit"));
        QVERIFY(!insertText(d, QString(), Top));
        QVERIFY(d.calls.isEmpty());
    }

    void withoutTargetNothingIsForced()
    {
        FakeDesktop d;
        QVERIFY(insertText(d, QStringLiteral("hi"), 0));
        QVERIFY(!d.calls.join(QLatin1Char(' ')).contains(QLatin1String("setForegroundWindow")));
        QCOMPARE(d.typedText(), QStringLiteral("hi"));
    }
};

QTEST_MAIN(InsertionTest)
#include "tst_insertion.moc"
