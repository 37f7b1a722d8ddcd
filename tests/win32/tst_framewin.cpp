// The Windows side of the frameless windows, against the real window manager
// of the platform (run under Wine on Linux): first-show styles, the
// non-client size and hit-test answers, the tidied plain dialog frame, and
// dialogs owned by their window (no task bar button of their own).

#include "platform/windowframe.h"
#include "theme/dialogchrome.h"
#include "theme/themeddialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QtTest>

#include <windows.h>

namespace {

HWND hwndOf(QWidget *w)
{
    return reinterpret_cast<HWND>(w->winId());
}

int hitAt(HWND hwnd, int x, int y)
{
    return int(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)));
}

// A frameless top-level window with the main window's frame handling.
class FramedMain final : public QWidget
{
public:
    FramedMain() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {}

protected:
    void showEvent(QShowEvent *event) override
    {
        if (!prepared) {
            prepared = true;
            WindowFrame::prepareFramelessWindow(this, WindowFrame::Kind::MainWindow);
        }
        QWidget::showEvent(event);
    }
    bool nativeEvent(const QByteArray &type, void *message, long *result) override
    {
        return WindowFrame::frameNativeEvent(this, type, message, result,
                                             WindowFrame::Kind::MainWindow) ||
               QWidget::nativeEvent(type, message, result);
    }

private:
    bool prepared = false;
};

} // namespace

class TestFrameWin final : public QObject
{
    Q_OBJECT

private slots:
    void dialogStylesAndClientArea();
    void dialogHitTest_data();
    void dialogHitTest();
    void mainWindowBandAndMaximised();
    void plainMessageBoxFrame();
    void dialogsAreOwnedByTheirWindow_data();
    void dialogsAreOwnedByTheirWindow();
};

void TestFrameWin::dialogStylesAndClientArea()
{
    ThemedDialog dialog;
    dialog.setGeometry(200, 200, 400, 300);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const HWND hwnd = hwndOf(&dialog);
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    QCOMPARE(style & 0x00C40000, 0x00C40000); // caption and thick frame
    // WM_NCCALCSIZE answers 0: the whole window is client area.
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    QCOMPARE(client.right - client.left, window.right - window.left);
    QCOMPARE(client.bottom - client.top, window.bottom - window.top);
}

void TestFrameWin::dialogHitTest_data()
{
    QTest::addColumn<QPoint>("offset"); // from the window's top-left; negative from bottom-right
    QTest::addColumn<int>("answer");
    QTest::newRow("5 inside top-left") << QPoint(5, 5) << int(HTTOPLEFT);
    QTest::newRow("6 inside top-left") << QPoint(6, 6) << int(HTCLIENT);
    QTest::newRow("left") << QPoint(2, 150) << int(HTLEFT);
    QTest::newRow("top") << QPoint(200, 0) << int(HTTOP);
    QTest::newRow("title bar is client") << QPoint(200, 17) << int(HTCLIENT);
    QTest::newRow("right") << QPoint(-3, 150) << int(HTRIGHT);
    QTest::newRow("bottom") << QPoint(200, -1) << int(HTBOTTOM);
    QTest::newRow("bottom-right") << QPoint(-2, -2) << int(HTBOTTOMRIGHT);
    QTest::newRow("top-right") << QPoint(-6, 0) << int(HTTOPRIGHT);
    QTest::newRow("bottom-left") << QPoint(0, -6) << int(HTBOTTOMLEFT);
}

void TestFrameWin::dialogHitTest()
{
    QFETCH(QPoint, offset);
    QFETCH(int, answer);
    ThemedDialog dialog;
    dialog.setGeometry(200, 200, 400, 300);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const HWND hwnd = hwndOf(&dialog);
    RECT r;
    GetWindowRect(hwnd, &r);
    const int x = offset.x() >= 0 ? r.left + offset.x() : r.right + offset.x();
    const int y = offset.y() >= 0 ? r.top + offset.y() : r.bottom + offset.y();
    QCOMPARE(hitAt(hwnd, x, y), answer);
}

void TestFrameWin::mainWindowBandAndMaximised()
{
    FramedMain main;
    main.setGeometry(100, 100, 600, 400);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const HWND hwnd = hwndOf(&main);
    QCOMPARE(GetWindowLongW(hwnd, GWL_STYLE) & 0x00C70000, 0x00C70000);
    RECT r;
    GetWindowRect(hwnd, &r);
    QCOMPARE(hitAt(hwnd, r.left + 7, r.top + 200), int(HTLEFT));
    QCOMPARE(hitAt(hwnd, r.left + 8, r.top + 200), int(HTCLIENT));

    main.showMaximized();
    QTRY_VERIFY(main.isMaximized());
    GetWindowRect(hwnd, &r);
    QCOMPARE(hitAt(hwnd, r.left + 1, r.top + 1), int(HTCLIENT));
    QCOMPARE(hitAt(hwnd, r.right - 1, r.bottom - 1), int(HTCLIENT));
}

void TestFrameWin::plainMessageBoxFrame()
{
    DialogChrome chrome;
    qApp->installEventFilter(&chrome);
    QMessageBox box(QMessageBox::Information, QStringLiteral("Notice"), QStringLiteral("Text"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const HWND hwnd = hwndOf(&box);
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    QCOMPARE(style & WS_MAXIMIZEBOX, 0);
    QCOMPARE(style & 0x00CA0000, 0x00CA0000); // caption, system menu, minimise box
    QCOMPARE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
    qApp->removeEventFilter(&chrome);
}

void TestFrameWin::dialogsAreOwnedByTheirWindow_data()
{
    QTest::addColumn<bool>("mainShown"); // hidden: Options from the tray
    QTest::newRow("window shown") << true;
    QTest::newRow("window in the tray") << false;
}

void TestFrameWin::dialogsAreOwnedByTheirWindow()
{
    QFETCH(bool, mainShown);
    DialogChrome chrome;
    qApp->installEventFilter(&chrome);
    FramedMain main;
    main.setWindowTitle(QStringLiteral("Zem Scrivlet"));
    main.setGeometry(100, 100, 600, 400);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    if (!mainShown)
        main.hide();
    // A themed dialog of the window, and a plain message box over it.
    ThemedDialog dialog(&main);
    dialog.setWindowTitle(QStringLiteral("Add phrase"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QMessageBox box(QMessageBox::Warning, dialog.windowTitle(), QStringLiteral("Text"),
                    QMessageBox::Ok, &dialog);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    // An owned window never gets a task bar button, unless it asks for one.
    const struct
    {
        QWidget *window;
        QWidget *owner;
    } owned[] = {{&dialog, &main}, {&box, &dialog}};
    for (const auto &o : owned) {
        const HWND hwnd = hwndOf(o.window);
        QCOMPARE(GetWindow(hwnd, GW_OWNER), hwndOf(o.owner));
        QCOMPARE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    }
    qApp->removeEventFilter(&chrome);
}

QTEST_MAIN(TestFrameWin)
#include "tst_framewin.moc"
