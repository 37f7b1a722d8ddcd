#include "fakes/fakedesktop.h"
#include "insert/targetwindow.h"

#include <QtTest>

Q_DECLARE_METATYPE(FieldKind)

namespace {
constexpr WindowHandle Top = 0x10;
constexpr WindowHandle Focus = 0x11;
constexpr WindowHandle HiddenEdit = 0x12;
constexpr WindowHandle RichEdit = 0x13;
constexpr quint32 TheirThread = 7;
constexpr quint32 TheirPid = 700;

FakeDesktop::Window window(const QString &cls, bool visible = true)
{
    FakeDesktop::Window w;
    w.className = cls;
    w.visible = visible;
    w.thread = TheirThread;
    w.pid = TheirPid;
    return w;
}
} // namespace

class TargetWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void physicalToLogical_data()
    {
        QTest::addColumn<QPoint>("physical");
        QTest::addColumn<QPoint>("logical");
        // As Qt 5 lays screens out: each keeps its native top-left as its
        // logical top-left, and only the offset inside it is scaled. The
        // primary is 3840 x 2160 at ratio 2; right of it, at native x 3840,
        // one of 2880 x 1620 at ratio 1.5; left of it, at native x -1920, one
        // of 1920 x 1200 at ratio 1.25.
        QTest::newRow("primary, ratio 2") << QPoint(100, 200) << QPoint(50, 100);
        QTest::newRow("right screen, ratio 1.5") << QPoint(4140, 150) << QPoint(4040, 100);
        QTest::newRow("right screen, its top-left") << QPoint(3840, 0) << QPoint(3840, 0);
        QTest::newRow("right screen, last pixel") << QPoint(6719, 1619) << QPoint(5759, 1079);
        QTest::newRow("left screen, ratio 1.25") << QPoint(-1000, 500) << QPoint(-1184, 400);
        QTest::newRow("outside every screen: primary ratio 2")
            << QPoint(-3000, -100) << QPoint(-1500, -50);
    }
    void physicalToLogical()
    {
        QFETCH(QPoint, physical);
        QFETCH(QPoint, logical);
        const QVector<ScreenGeometry> screens = {{QRect(0, 0, 1920, 1080), 2.0},
                                                 {QRect(3840, 0, 1920, 1080), 1.5},
                                                 {QRect(-1920, 0, 1536, 960), 1.25}};
        QCOMPARE(::physicalToLogical(physical, screens, 2.0), logical);
    }

    void physicalToLogicalSkipsBadRatios()
    {
        const QVector<ScreenGeometry> screens = {{QRect(0, 0, 100, 100), 0.0},
                                                 {QRect(0, 0, 100, 100), 2.0}};
        QCOMPARE(::physicalToLogical(QPoint(50, 50), screens, 1.0), QPoint(25, 25));
        QCOMPARE(::physicalToLogical(QPoint(500, 500), {}, 0.0), QPoint(500, 500));
    }

    void caretPosition_data()
    {
        QTest::addColumn<bool>("queryWorks");
        QTest::addColumn<QRect>("caret");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QPoint>("expected");
        const QPoint mouse(40, 50);
        QTest::newRow("caret below its rectangle")
            << true << QRect(10, 20, 2, 16) << QPoint(100, 200) << QPoint(110, 242);
        QTest::newRow("empty caret: 18 + 6 below its top")
            << true << QRect(10, 20, 2, 0) << QPoint(100, 200) << QPoint(110, 244);
        QTest::newRow("inverted caret")
            << true << QRect(10, 20, 2, -5) << QPoint(0, 0) << QPoint(10, 44);
        QTest::newRow("caret at (0, 0) counts as absent")
            << true << QRect(0, -16, 1, 16) << QPoint(0, 0) << mouse;
        QTest::newRow("query fails: mouse") << false << QRect() << QPoint() << mouse;
    }
    void caretPosition()
    {
        QFETCH(bool, queryWorks);
        QFETCH(QRect, caret);
        QFETCH(QPoint, origin);
        QFETCH(QPoint, expected);
        FakeDesktop d;
        d.cursor = QPoint(40, 50);
        d.addWindow(Top, window(QStringLiteral("Main")));
        FakeDesktop::Window c = window(QStringLiteral("Edit"));
        c.clientOrigin = origin;
        d.addWindow(Focus, c);
        if (queryWorks)
            d.guiInfo.insert(TheirThread, GuiThreadInfo{Focus, Focus, caret});
        // The offscreen test screen has ratio 1: logical equals physical.
        QCOMPARE(::caretPosition(d, Top), expected);
        QCOMPARE(::caretPosition(d, 0), d.cursor);
    }

    void isTargetElevated_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<uint>("level");
        QTest::addColumn<bool>("ownReadable");
        QTest::addColumn<bool>("elevated");
        QTest::newRow("access denied") << int(ProcessLevel::AccessDenied) << 0u << true << true;
        QTest::newRow("other open failure") << int(ProcessLevel::OpenFailed) << 0u << true << false;
        QTest::newRow("token refused") << int(ProcessLevel::TokenFailed) << 0u << true << true;
        QTest::newRow("high over medium") << int(ProcessLevel::Ok) << 0x3000u << true << true;
        QTest::newRow("same level") << int(ProcessLevel::Ok) << 0x2000u << true << false;
        QTest::newRow("level reads 0") << int(ProcessLevel::Ok) << 0u << true << false;
        QTest::newRow("own token unreadable") << int(ProcessLevel::Ok) << 0x3000u << false << false;
    }
    void isTargetElevated()
    {
        QFETCH(int, status);
        QFETCH(uint, level);
        QFETCH(bool, ownReadable);
        QFETCH(bool, elevated);
        FakeDesktop d;
        d.addWindow(Top, window(QStringLiteral("Main")));
        d.levels.insert(TheirPid, ProcessLevel{ProcessLevel::Status(status), level});
        d.ownLevelReadable = ownReadable;
        QCOMPARE(Win32Road::isTargetElevated(d, Top), elevated);
        QVERIFY(!Win32Road::isTargetElevated(d, 0));
    }

    void isTextControl_data()
    {
        QTest::addColumn<QString>("cls");
        QTest::addColumn<bool>("text");
        QTest::newRow("EDIT") << "EDIT" << true;
        QTest::newRow("scintilla") << "scintilla" << true;
        QTest::newRow("RichEdit20W") << "RichEdit20W" << true;
        QTest::newRow("RICHEDIT50W") << "RICHEDIT50W" << true;
        QTest::newRow("RichEdit alone") << "richedit" << true;
        QTest::newRow("EditBox") << "EditBox" << false;
        QTest::newRow("TScintilla") << "TScintilla" << false;
        QTest::newRow("Edi") << "Edi" << false;
        QTest::newRow("class unreadable") << "" << false;
    }
    void isTextControl()
    {
        QFETCH(QString, cls);
        QFETCH(bool, text);
        FakeDesktop d;
        d.addWindow(Top, window(cls));
        QCOMPARE(Win32Road::isTextControl(d, Top), text);
        QVERIFY(!Win32Road::isTextControl(d, 0));
    }

    void findTextControlPrefersTargetThenFocus()
    {
        FakeDesktop d;
        d.addWindow(Top, window(QStringLiteral("Edit")));
        QCOMPARE(Win32Road::findTextControl(d, Top), Top);

        d.windows[Top].className = QStringLiteral("Notepad");
        d.addWindow(Focus, window(QStringLiteral("RichEdit20W")));
        d.windows[Top].children = {Focus};
        d.guiInfo.insert(TheirThread, GuiThreadInfo{Focus, 0, QRect()});
        QCOMPARE(Win32Road::findTextControl(d, Top), Focus);
        // Asked of the target's thread without our input attached to it: a
        // hung thread's input would hold ours.
        QVERIFY(d.calls.filter(QStringLiteral("attachThreadInput")).isEmpty());
    }

    // The focused control is a button: the text controls beside it are not
    // what the user chose, shown or not.
    void findTextControlTakesNoOtherChild()
    {
        FakeDesktop d;
        FakeDesktop::Window top = window(QStringLiteral("Main"));
        top.children = {Focus, HiddenEdit, RichEdit};
        d.addWindow(Top, top);
        d.addWindow(Focus, window(QStringLiteral("Button")));
        d.addWindow(HiddenEdit, window(QStringLiteral("Edit"), false));
        d.addWindow(RichEdit, window(QStringLiteral("RichEdit20W")));
        d.guiInfo.insert(TheirThread, GuiThreadInfo{Focus, 0, QRect()});
        QCOMPARE(Win32Road::findTextControl(d, Top), WindowHandle(0));

        d.guiInfo.remove(TheirThread); // the focus cannot be read
        QCOMPARE(Win32Road::findTextControl(d, Top), WindowHandle(0));
    }

    // Nothing expands into a password field: a standard one by its style,
    // any other (a browser's) by what it tells accessibility tools.
    void focusedField_data()
    {
        QTest::addColumn<QString>("focusClass");
        QTest::addColumn<bool>("passwordStyle");
        QTest::addColumn<bool>("saysProtected");
        QTest::addColumn<FieldKind>("expected");
        QTest::newRow("password EDIT") << "Edit" << true << false << FieldKind::Password;
        QTest::newRow("plain EDIT") << "Edit" << false << false << FieldKind::Text;
        QTest::newRow("browser password field")
            << "Chrome_RenderWidgetHostHWND" << false << true << FieldKind::Password;
        QTest::newRow("browser text field")
            << "Chrome_RenderWidgetHostHWND" << false << false << FieldKind::Unknown;
    }
    void focusedField()
    {
        QFETCH(QString, focusClass);
        QFETCH(bool, passwordStyle);
        QFETCH(bool, saysProtected);
        QFETCH(FieldKind, expected);
        FakeDesktop d;
        FakeDesktop::Window top = window(QStringLiteral("Main"));
        top.children = {Focus};
        d.addWindow(Top, top);
        FakeDesktop::Window focus = window(focusClass);
        focus.password = passwordStyle;
        focus.protectedFocus = saysProtected;
        d.addWindow(Focus, focus);
        d.guiInfo.insert(TheirThread, GuiThreadInfo{Focus, 0, QRect()});
        QCOMPARE(d.caret().focusedField(Top), expected);
    }

    void findTextControlFallsBackToForeground()
    {
        FakeDesktop d;
        d.addWindow(Top, window(QStringLiteral("Edit")));
        d.foreground = Top;
        QCOMPARE(Win32Road::findTextControl(d, 0x999), Top); // a stale handle
        QCOMPARE(Win32Road::findTextControl(d, 0), Top);
        d.foreground = 0;
        QCOMPARE(Win32Road::findTextControl(d, 0), WindowHandle(0));
    }

    // Asked plainly first: Windows then activates the window without our
    // thread waiting for it, so a window slow to activate cannot hold us.
    // Only when another program holds the foreground lock is our input
    // attached to the window's thread (the activation then waits for that
    // thread), and only for a window that answers; always detached again.
    void forceForegroundPairsAttach()
    {
        FakeDesktop d;
        d.addWindow(Top, window(QStringLiteral("Main")));
        QVERIFY(Win32Road::forceForeground(d, Top));
        QCOMPARE(d.foreground, Top);
        QVERIFY(d.calls.filter(QStringLiteral("attachThreadInput")).isEmpty());

        FakeDesktop locked;
        locked.foregroundLocked = true;
        locked.addWindow(Top, window(QStringLiteral("Main")));
        QVERIFY(Win32Road::forceForeground(locked, Top));
        QCOMPARE(locked.foreground, Top);
        const int probe = locked.calls.indexOf(QStringLiteral("probe 10 1000"));
        const int attach = locked.calls.indexOf(QStringLiteral("attachThreadInput 1 7 1"));
        const int detach = locked.calls.indexOf(QStringLiteral("attachThreadInput 1 7 0"));
        QVERIFY(probe >= 0 && attach > probe && detach > attach);

        FakeDesktop hung; // locked, and the window does not answer: nothing is attached
        hung.foregroundLocked = true;
        hung.addWindow(Top, window(QStringLiteral("Main")));
        hung.windows[Top].hung = true;
        QVERIFY(!Win32Road::forceForeground(hung, Top));
        QVERIFY(hung.calls.filter(QStringLiteral("attachThreadInput")).isEmpty());

        FakeDesktop refusing;
        refusing.foregroundLocked = true;
        refusing.attachSucceeds = false;
        refusing.addWindow(Top, window(QStringLiteral("Main")));
        QVERIFY(!Win32Road::forceForeground(refusing, Top));
        QVERIFY(!refusing.calls.contains(QStringLiteral("attachThreadInput 1 7 0")));

        FakeDesktop none;
        QVERIFY(!Win32Road::forceForeground(none, 0x55)); // not a window: nothing happens
        QVERIFY(!none.calls.join(QLatin1Char(' ')).contains(QLatin1String("setForegroundWindow")));
    }

    void isOwnProcessWindow()
    {
        FakeDesktop d;
        d.addWindow(Top, window(QStringLiteral("Main")));
        QVERIFY(!::isOwnProcessWindow(d, Top));
        d.windows[Top].pid = d.ownPid;
        QVERIFY(::isOwnProcessWindow(d, Top));
        QVERIFY(!::isOwnProcessWindow(d, 0));
    }
};

QTEST_MAIN(TargetWindowTest)
#include "tst_targetwindow.moc"
