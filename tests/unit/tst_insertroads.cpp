// The insertion and targeting logic over the desktop's services alone, with
// a recording fake for each: which road a text takes, in which order the
// services are asked, and that the user's clipboard comes back whatever
// happens.

#include "fakes/recordingdesktop.h"
#include "insert/insertion.h"
#include "insert/targetwindow.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtTest>

namespace {
constexpr WindowHandle Target = 0x40;
const QStringList RoadCalls = {QStringLiteral("bringToFront"),
                               QStringLiteral("insertByMessage"),
                               QStringLiteral("typeText"),
                               QStringLiteral("backup"),
                               QStringLiteral("put"),
                               QStringLiteral("pasteKey"),
                               QStringLiteral("pasteClipboard"),
                               QStringLiteral("awaitFetched"),
                               QStringLiteral("restore")};

struct World
{
    RecordingDesktop d;
    World()
    {
        d.targetsFake.windows = {Target};
        d.controlsFake.control = 0x41;
    }
    QStringList calls() const { return d.callsOf(RoadCalls); }
};
} // namespace

Q_DECLARE_METATYPE(InsertOutcome)
Q_DECLARE_METATYPE(FieldKind)

class InsertRoadsTest : public QObject
{
    Q_OBJECT

private slots:
    // What goes out for a text on each road, and what it is reported as.
    void roads_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("road");
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<int>("accepts");
        QTest::addColumn<InsertOutcome>("outcome");
        QTest::addColumn<QStringList>("calls");

        const auto A = int(InsertMethod::Automatic);
        const QString front = QStringLiteral("bringToFront 40");
        const QStringList paste = {front,
                                   QStringLiteral("backup"),
                                   QStringLiteral("put paste"),
                                   QStringLiteral("pasteKey 40 Ctrl+V"),
                                   QStringLiteral("awaitFetched 40 50"),
                                   QStringLiteral("restore")};
        QTest::newRow("a short line is typed")
            << QStringLiteral("héllo 日本") << A << false << true << -1 << InsertOutcome::Delivered
            << QStringList{front, QStringLiteral("typeText héllo 日本")};
        QTest::newRow("several lines are pasted") << QStringLiteral("a\nb") << A << false << true
                                                  << -1 << InsertOutcome::Delivered << paste;
        QTest::newRow("a long line is pasted")
            << QString(Insertion::TypingLimit + 1, QLatin1Char('x')) << A << false << true << -1
            << InsertOutcome::Delivered << paste;
        QTest::newRow("what the keyboard cannot give exactly is pasted")
            << QStringLiteral("ǅ") << A << false << false << -1 << InsertOutcome::Delivered
            << paste;
        QTest::newRow("nothing typed at all: pasted")
            << QStringLiteral("abc") << A << false << true << 0 << InsertOutcome::Delivered
            << (QStringList{front, QStringLiteral("typeText abc")} + paste.mid(1));
        QTest::newRow("typing stopped part-way: no paste on top")
            << QStringLiteral("abc") << A << false << true << 2 << InsertOutcome::NotAccepted
            << QStringList{front, QStringLiteral("typeText abc")};
        QTest::newRow("type only: lines typed with Enter")
            << QStringLiteral("a\nb") << int(InsertMethod::TypeOnly) << false << true << -1
            << InsertOutcome::Delivered << QStringList{front, QStringLiteral("typeText a\rb")};
        QTest::newRow("type only, inexact: nothing")
            << QStringLiteral("ǅ") << int(InsertMethod::TypeOnly) << false << false << -1
            << InsertOutcome::NotAccepted << QStringList{front};
        QTest::newRow("type only into a terminal: no Enter typed")
            << QStringLiteral("rm x\n") << int(InsertMethod::TypeOnly) << true << true << -1
            << InsertOutcome::NotAccepted << QStringList{front};
        QTest::newRow("a terminal gets a line with a tab pasted")
            << QStringLiteral("a\tb") << A << true << true << -1 << InsertOutcome::Delivered
            << paste;
        QTest::newRow("paste road with its key")
            << QStringLiteral("ab") << int(InsertMethod::PasteCtrlShiftV) << false << true << -1
            << InsertOutcome::Delivered
            << QStringList{front,
                           QStringLiteral("backup"),
                           QStringLiteral("put paste"),
                           QStringLiteral("pasteKey 40 Ctrl+Shift+V"),
                           QStringLiteral("awaitFetched 40 50"),
                           QStringLiteral("restore")};
        QTest::newRow("Shift+Insert offers and keeps the primary selection too")
            << QStringLiteral("ab") << int(InsertMethod::PasteShiftInsert) << false << true << -1
            << InsertOutcome::Delivered
            << QStringList{front,
                           QStringLiteral("backup primary"),
                           QStringLiteral("put paste+primary"),
                           QStringLiteral("pasteKey 40 Shift+Insert"),
                           QStringLiteral("awaitFetched 40 50"),
                           QStringLiteral("restore")};
        QTest::newRow("never here: nothing at all")
            << QStringLiteral("ab") << int(InsertMethod::Never) << false << true << -1
            << InsertOutcome::NotHere << QStringList();
    }
    void roads()
    {
        QFETCH(QString, text);
        QFETCH(int, road);
        QFETCH(bool, terminal);
        QFETCH(bool, exact);
        QFETCH(int, accepts);
        QFETCH(InsertOutcome, outcome);
        QFETCH(QStringList, calls);
        World w;
        w.d.keyboardFake.exact = exact;
        w.d.keyboardFake.accepts = accepts;
        InsertPlan r;
        r.method = InsertMethod(road);
        r.pasteKey = InsertPlans::pasteKeyOf(r.method);
        r.terminal = terminal;
        const InsertResult result = insertText(w.d, text, Target, r);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(w.calls(), calls);
        // Keys reached the target, in front, and no other window.
        QCOMPARE(w.d.keyboardFake.typedInto.keys().size(),
                 w.d.keyboardFake.typed.isEmpty() ? 0 : 1);
        QCOMPARE(w.d.keyboardFake.typedInto.value(Target), w.d.keyboardFake.typed);
        QCOMPARE(w.d.clipboardFake.content, QStringLiteral("the user's"));
        if (result.delivered() && !w.d.clipboardFake.pasted.isEmpty())
            QCOMPARE(w.d.clipboardFake.pasted, text);
    }

    // Where the target cannot be reached, or the keys stay down.
    void targets()
    {
        {
            World w; // a window that will not come to the front gets no keys
            w.d.targetsFake.obeys = false;
            w.d.targetsFake.windows << 0x50;
            w.d.targetsFake.front = 0x50;
            QCOMPARE(insertText(w.d, QStringLiteral("ab"), Target).outcome,
                     InsertOutcome::NotAccepted);
            QCOMPARE(w.calls(), QStringList{QStringLiteral("bringToFront 40")});
            QVERIFY(w.d.keyboardFake.typedInto.isEmpty());
        }
        {
            World w; // more privileged: the text is left for the user to paste
            w.d.targetsFake.privileged = {Target};
            QCOMPARE(insertText(w.d, QStringLiteral("ab"), Target).outcome,
                     InsertOutcome::LeftOnClipboard);
            QCOMPARE(w.calls(),
                     (QStringList{QStringLiteral("bringToFront 40"), QStringLiteral("put user")}));
            QCOMPARE(w.d.clipboardFake.content, QStringLiteral("ab"));
        }
        {
            World w; // the shortcut's keys go up after 300 ms: then typed
            w.d.keyboardFake.modifierHeldUntil = w.d.log.now + 300;
            QVERIFY(insertText(w.d, QStringLiteral("ab"), Target).delivered());
            QVERIFY(w.d.log.now - 1000 >= 300);
        }
        {
            World w; // a key held for good: nothing sent
            w.d.keyboardFake.otherHeldUntil = w.d.log.now + 60000;
            QCOMPARE(insertText(w.d, QStringLiteral("ab"), Target).outcome,
                     InsertOutcome::KeysHeld);
            QVERIFY(w.d.keyboardFake.typed.isEmpty());
            QCOMPARE(int(w.d.log.now - 1000), Insertion::KeyReleaseWaitMs);
        }
        {
            World w; // no target named: the window in front, as it is
            QVERIFY(insertText(w.d, QStringLiteral("ab"), 0).delivered());
            QCOMPARE(w.calls(), QStringList{QStringLiteral("typeText ab")});
        }
    }

    // The user's clipboard comes back in every case, and a failure to put it
    // back is reported.
    void clipboard()
    {
        const QString text = QStringLiteral("one\ntwo");
        {
            World w; // unreadable: not touched
            w.d.clipboardFake.readable = false;
            QVERIFY(!insertText(w.d, text, Target).delivered());
            QVERIFY(w.d.callsOf({QStringLiteral("put")}).isEmpty());
        }
        {
            World w; // could not be had: nothing to put back
            w.d.clipboardFake.putAnswer = ClipboardPut::Untouched;
            QVERIFY(!insertText(w.d, text, Target).delivered());
            QVERIFY(w.d.callsOf({QStringLiteral("pasteKey"), QStringLiteral("restore")}).isEmpty());
        }
        {
            World w; // cleared but not set: the user's content goes back
            w.d.clipboardFake.putAnswer = ClipboardPut::Failed;
            QVERIFY(!insertText(w.d, text, Target).delivered());
            QCOMPARE(w.d.clipboardFake.content, QStringLiteral("the user's"));
            QVERIFY(w.d.callsOf({QStringLiteral("pasteKey")}).isEmpty());
        }
        {
            World w; // the keys did not go out: not waited for, put back
            w.d.clipboardFake.keysGoOut = false;
            QVERIFY(!insertText(w.d, text, Target).delivered());
            QVERIFY(w.d.callsOf({QStringLiteral("awaitFetched")}).isEmpty());
            QCOMPARE(w.d.clipboardFake.content, QStringLiteral("the user's"));
        }
        {
            World w; // never fetched: not delivered, put back
            w.d.clipboardFake.fetched = PasteFetch::NotFetched;
            const InsertResult r = insertText(w.d, text, Target);
            QCOMPARE(r.outcome, InsertOutcome::NotAccepted);
            QVERIFY(!r.clipboardNotRestored);
            QCOMPARE(w.d.clipboardFake.content, QStringLiteral("the user's"));
        }
        {
            World w; // held open twice by another program, then put back
            w.d.clipboardFake.restoreAnswers = {ClipboardRestore::Busy, ClipboardRestore::Busy};
            const InsertResult r = insertText(w.d, text, Target);
            QVERIFY(r.delivered());
            QVERIFY(!r.clipboardNotRestored);
            QCOMPARE(w.d.callsOf({QStringLiteral("restore"), QStringLiteral("sleep")}),
                     (QStringList{QStringLiteral("restore"), QStringLiteral("sleep 25"),
                                  QStringLiteral("restore"), QStringLiteral("sleep 25"),
                                  QStringLiteral("restore")}));
        }
        {
            World w; // held open for good: tried for 5 s, delivered, the loss reported
            const int attempts = 1 + Insertion::RestoreWaitMs / Insertion::RestoreRetryMs;
            w.d.clipboardFake.restoreAnswers =
                QVector<ClipboardRestore>(attempts + 10, ClipboardRestore::Busy);
            const InsertResult r = insertText(w.d, text, Target);
            QVERIFY(r.delivered());
            QVERIFY(r.clipboardNotRestored);
            QCOMPARE(w.d.callsOf({QStringLiteral("restore")}).size(), attempts);
        }
        {
            World w; // some formats lost
            w.d.clipboardFake.restoreAnswers = {ClipboardRestore::Partly};
            QCOMPARE(insertText(w.d, text, Target).clipboardLostFormats, 1);
        }
    }

    // Where the window system has standard text controls, the focused one
    // is asked first.
    // A password or read-only field takes nothing, whatever the user's rule
    // for the application says: no key, no clipboard, the reason reported.
    void protectedFieldsOnEveryRoad_data()
    {
        QTest::addColumn<int>("road");
        QTest::addColumn<FieldKind>("field");
        QTest::addColumn<InsertOutcome>("outcome");
        const QVector<QPair<const char *, int>> roads = {
            {"automatic", int(InsertMethod::Automatic)},
            {"type only", int(InsertMethod::TypeOnly)},
            {"paste rule", int(InsertMethod::PasteCtrlV)}};
        for (const auto &road : roads) {
            QTest::addRow("%s, password", road.first)
                << road.second << FieldKind::Password << InsertOutcome::PasswordField;
            QTest::addRow("%s, read-only", road.first)
                << road.second << FieldKind::ReadOnly << InsertOutcome::ReadOnlyField;
        }
    }
    void protectedFieldsOnEveryRoad()
    {
        QFETCH(int, road);
        QFETCH(FieldKind, field);
        QFETCH(InsertOutcome, outcome);
        World w;
        w.d.caretFake.field = field;
        InsertPlan r;
        r.method = InsertMethod(road);
        QCOMPARE(insertText(w.d, QStringLiteral("a\nb"), Target, r).outcome, outcome);
        QCOMPARE(insertText(w.d, QStringLiteral("ab"), Target, r).outcome, outcome);
        QCOMPARE(w.calls(), (QStringList{QStringLiteral("bringToFront 40"),
                                         QStringLiteral("bringToFront 40")}));
        QVERIFY(w.d.clipboardFake.offers.isEmpty());
    }

    // The user copied something while the phrase went in: that newer content
    // stays where it is, and losing the older one is no loss to report.
    void contentCopiedMeanwhileStays()
    {
        World w;
        w.d.clipboardFake.lostFormats = 2;
        w.d.clipboardFake.restoreAnswers = {ClipboardRestore::Superseded};
        const InsertResult r = insertText(w.d, QStringLiteral("a\nb"), Target);
        QVERIFY(r.delivered());
        QVERIFY(!r.clipboardNotRestored);
        QCOMPARE(r.clipboardLostFormats, 0);
        QCOMPARE(w.d.callsOf({QStringLiteral("restore")}).size(), 1);
    }

    // Only a clipboard monitor read the offered text: the target may have
    // pasted through it, so this is neither a success nor a refusal that
    // would make the user paste twice. The user's content comes back.
    void pasteReadOnlyByAnotherProgram()
    {
        World w;
        w.d.clipboardFake.fetched = PasteFetch::Unsure;
        const InsertResult r = insertText(w.d, QStringLiteral("a\nb"), Target);
        QCOMPARE(r.outcome, InsertOutcome::MayHaveArrived);
        QVERIFY(!r.delivered());
        QCOMPARE(w.d.clipboardFake.content, QStringLiteral("the user's"));
    }

    void textControls()
    {
        {
            World w;
            w.d.hasTextControls = true;
            w.d.controlsFake.answer = ControlInsert::Done;
            QVERIFY(insertText(w.d, QStringLiteral("ab"), Target).delivered());
            QCOMPARE(w.calls(), (QStringList{QStringLiteral("bringToFront 40"),
                                             QStringLiteral("insertByMessage 41 ab")}));
        }
        {
            World w; // refused: reported, nothing else tried
            w.d.hasTextControls = true;
            w.d.controlsFake.answer = ControlInsert::Refused;
            w.d.controlsFake.refusal = ControlRefusal::ReadOnly;
            QCOMPARE(insertText(w.d, QStringLiteral("ab"), Target).outcome,
                     InsertOutcome::ReadOnlyField);
            QCOMPARE(w.calls().size(), 2);
        }
        {
            World w; // ignored: typed; several lines: pasted by message
            w.d.hasTextControls = true;
            QVERIFY(insertText(w.d, QStringLiteral("ab"), Target).delivered());
            QCOMPARE(w.d.keyboardFake.typed, QStringLiteral("ab"));
            QVERIFY(insertText(w.d, QStringLiteral("a\nb"), Target).delivered());
            QCOMPARE(w.d.callsOf({QStringLiteral("pasteClipboard"), QStringLiteral("pasteKey"),
                                  QStringLiteral("awaitFetched")}),
                     (QStringList{QStringLiteral("pasteClipboard 41"),
                                  QStringLiteral("awaitFetched 41 50")}));
        }
        {
            World w; // after keys of ours, no message may overtake them
            w.d.hasTextControls = true;
            w.d.controlsFake.answer = ControlInsert::Done;
            InsertPlan r;
            r.keysOnly = true;
            QVERIFY(insertText(w.d, QStringLiteral("a\nb"), Target, r).delivered());
            QVERIFY(
                w.d.callsOf({QStringLiteral("insertByMessage"), QStringLiteral("pasteClipboard")})
                    .isEmpty());
            QCOMPARE(w.d.callsOf({QStringLiteral("pasteKey")}).size(), 1);
        }
        {
            World w; // a paste road never asks the control
            w.d.hasTextControls = true;
            InsertPlan r;
            r.method = InsertMethod::PasteCtrlV;
            QVERIFY(insertText(w.d, QStringLiteral("ab"), Target, r).delivered());
            QVERIFY(w.d.callsOf({QStringLiteral("insertByMessage")}).isEmpty());
        }
    }

    // The picker opens 6 pixels below the caret, or at the pointer.
    void caretPosition_data()
    {
        QTest::addColumn<QRect>("caret");
        QTest::addColumn<QPoint>("expected");
        const QPoint pointer(40, 50);
        QTest::newRow("below the caret") << QRect(300, 200, 1, 16) << QPoint(300, 222);
        QTest::newRow("empty caret: 18 + 6 below its top") << QRect(10, 20, 2, 0) << QPoint(10, 44);
        QTest::newRow("no caret: the pointer") << QRect() << pointer;
        QTest::newRow("caret at the origin counts as none") << QRect(0, -16, 1, 16) << pointer;
    }
    void caretPosition()
    {
        QFETCH(QRect, caret);
        QFETCH(QPoint, expected);
        RecordingDesktop d;
        d.caretFake.pointer = QPoint(40, 50);
        d.caretFake.rect = caret;
        // The offscreen test screen has ratio 1: logical equals physical.
        QCOMPARE(::caretPosition(d, Target), expected);
        QCOMPARE(::caretPosition(d, 0), d.caretFake.pointer);
    }

    void shortcutKeysUp()
    {
        RecordingDesktop d;
        d.keyboardFake.modifierHeldUntil = d.log.now + 10000; // modifiers do not count
        d.keyboardFake.otherHeldUntil = d.log.now + 120;
        QVERIFY(waitForShortcutKeysUp(d, 1000));
        QVERIFY(d.log.now - 1000 >= 120 && d.log.now - 1000 < 200);
        d.keyboardFake.otherHeldUntil = d.log.now + 5000;
        QVERIFY(!waitForShortcutKeysUp(d, 1000));
    }

    void ownWindows()
    {
        RecordingDesktop d;
        d.targetsFake.ownWindows = {0x77};
        QVERIFY(isOwnProcessWindow(d, 0x77));
        QVERIFY(!isOwnProcessWindow(d, Target));
        QVERIFY(!isOwnProcessWindow(d, 0));
        // A window of ours that the window system names no process for.
        QWindow own;
        own.create();
        QVERIFY(isOwnProcessWindow(d, WindowHandle(own.winId())));
    }
};

QTEST_MAIN(InsertRoadsTest)
#include "tst_insertroads.moc"
