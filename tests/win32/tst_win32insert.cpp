// The real Win32 backend against native windows (run under Wine on Linux):
// what counts as a direct insert against EDIT controls, picking a window, and
// the shortcut field against another program's registered combination.

#include "dialogs/phrasedialog.h"
#include "hotkeys/hotkeyedit.h"
#include "insert/insertion.h"
#include "platform/desktop.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <functional>
#include <thread>

#include <windows.h>

namespace {

WNDPROC editProc = nullptr;
int replaceSelSeen = 0;

// An EDIT that takes no EM_REPLACESEL, like a control that keeps its text
// read-only against programs.
LRESULT CALLBACK ignoringEdit(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    if (message == EM_REPLACESEL) {
        ++replaceSelSeen;
        return 0;
    }
    return CallWindowProcW(editProc, w, message, wp, lp);
}

std::wstring textOf(HWND w)
{
    const int n = GetWindowTextLengthW(w);
    std::wstring out(size_t(n) + 1, L'\0');
    GetWindowTextW(w, &out[0], n + 1);
    out.resize(size_t(n));
    return out;
}

// Calls then() at the first paint of a widget once armed.
class PaintWatch final : public QObject
{
public:
    bool armed = false;
    int paints = 0;
    std::function<void()> then;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (armed && event->type() == QEvent::Paint && ++paints == 1 && then)
            QTimer::singleShot(0, this, then);
        return false;
    }
};

QString wintarget()
{
    // Built on Linux for Wine, the path is a Unix one: Wine's Z: drive.
    QString program = QStringLiteral(SCRIVLET_WINTARGET);
    if (program.startsWith(QLatin1Char('/')))
        program.prepend(QStringLiteral("Z:"));
    return program;
}

} // namespace

class TestWin32Insert final : public QObject
{
    Q_OBJECT

private slots:
    // The selection is as long as the text, so the length alone cannot tell
    // the ignored message from a replacement: the text must still arrive,
    // by the next method.
    void ignoredReplacementIsNotADirectInsert()
    {
        QWidget top;
        top.resize(400, 200);
        top.show();
        top.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&top));
        const HWND parent = reinterpret_cast<HWND>(top.winId());
        const HWND edit =
            CreateWindowExW(0, L"Edit", L"abc", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE,
                            10, 10, 300, 100, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        QVERIFY(edit);
        editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ignoringEdit)));
        SetFocus(edit);
        QTRY_VERIFY(GetFocus() == edit); // the typed keys must reach it
        SendMessageW(edit, EM_SETSEL, 0, -1);

        const std::unique_ptr<Desktop> desktop = createDesktop();
        QVERIFY(insertText(*desktop, QStringLiteral("xyz"), WindowHandle(parent)).delivered());
        QCOMPARE(replaceSelSeen, 1);
        // Typed instead: the keys reach the edit through our own queue.
        QTRY_VERIFY_WITH_TIMEOUT(textOf(edit) == L"xyz", 5000);
    }

    // While "Pick a window" waits, our windows paint (the dialog's note says
    // what to do), and a right click stops it: a window of another program
    // that comes to the front after the click is not taken.
    void pickWindowPaintsAndStopsOnARightClick()
    {
        const std::unique_ptr<Desktop> desktop = createDesktop();
        QVERIFY(desktop);
        QLabel note(QStringLiteral("Click a window of the application."));
        note.show();
        QVERIFY(QTest::qWaitForWindowExposed(&note));
        PaintWatch watch;
        note.installEventFilter(&watch);

        // Once the note has painted during the wait: a right click, sent from
        // another thread as a mouse would send it, then a window of another
        // program that comes to the front.
        QTemporaryDir dir;
        QProcess target;
        watch.then = [&] {
            std::thread([] {
                INPUT click[2]{};
                click[0].type = click[1].type = INPUT_MOUSE;
                click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
                click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
                SendInput(2, click, sizeof(INPUT));
            }).detach(); // our hook answers it from the event loop
            target.start(wintarget(), {QStringLiteral("plain"),
                                       dir.filePath(QStringLiteral("after-click.txt"))});
        };
        QTimer::singleShot(0, &note, [&] {
            watch.armed = true;
            note.setText(QStringLiteral("A right click stops."));
        });
        const WindowHandle picked = desktop->targets().pickWindow(20000);
        QVERIFY(watch.paints > 0);
        QCOMPARE(picked, WindowHandle(0));
        // It may still be starting: it is ended, not asked.
        target.kill();
        QVERIFY(target.state() == QProcess::NotRunning || target.waitForFinished(10000));
    }

    // "Pick a window" in Options, Applications: the next window of another
    // program that comes to the front, never one of ours; named by its
    // class and program file.
    void pickWindowTakesTheNextWindowOfAnotherProgram()
    {
        const std::unique_ptr<Desktop> desktop = createDesktop();
        QVERIFY(desktop);
        QWidget own;
        own.setWindowTitle(QStringLiteral("ours"));
        own.show();
        own.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&own));
        // Nothing else comes to the front: nothing is picked, ours least.
        QCOMPARE(desktop->targets().pickWindow(300), WindowHandle(0));

        QTemporaryDir dir;
        const QString report = dir.filePath(QStringLiteral("plain.txt"));
        const QString program = wintarget();
        QProcess target;
        target.start(program, {QStringLiteral("plain"), report});
        const WindowHandle picked = desktop->targets().pickWindow(20000);
        QVERIFY(picked != 0);
        QVERIFY(picked != WindowHandle(own.winId()));
        TargetApp app;
        QVERIFY(desktop->targets().targetApplication(picked, &app));
        QCOMPARE(app.executable.toLower(), QStringLiteral("wintarget.exe"));
        QVERIFY2(!app.className.isEmpty(), qPrintable(app.className));
        QProcess::execute(program, {QStringLiteral("close")});
        QVERIFY(target.waitForFinished(10000));
    }

    // A combination another program registered never reaches our window:
    // while the Add dialog's shortcut field has the focus it comes there
    // instead, named as held, and the other program does not get it; once
    // the field lets go, that program has it again.
    void shortcutFieldGetsACombinationAnotherProgramHolds()
    {
        // The other program: a thread of its own (a registration is the
        // whole system's), counting the presses it gets.
        std::atomic<int> presses{0};
        std::atomic<DWORD> thread{0};
        std::atomic<bool> registered{false};
        std::thread other([&] {
            thread = GetCurrentThreadId();
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue
            registered = RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'S') != FALSE;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
                if (msg.message == WM_HOTKEY)
                    ++presses;
            }
            UnregisterHotKey(nullptr, 7);
        });
        const auto stop = qScopeGuard([&] {
            QTRY_VERIFY(thread != 0);
            PostThreadMessageW(thread, WM_QUIT, 0, 0);
            other.join();
        });
        QTRY_VERIFY(registered);
        const auto press = [](WORD key) {
            const WORD keys[] = {VK_CONTROL, VK_MENU, key};
            for (WORD vk : keys) {
                INPUT in{};
                in.type = INPUT_KEYBOARD;
                in.ki.wVk = vk;
                SendInput(1, &in, sizeof in);
            }
            for (int i = 2; i >= 0; --i) {
                INPUT in{};
                in.type = INPUT_KEYBOARD;
                in.ki.wVk = keys[i];
                in.ki.dwFlags = KEYEVENTF_KEYUP;
                SendInput(1, &in, sizeof in);
            }
        };

        const std::unique_ptr<Desktop> desktop = createDesktop();
        QVERIFY(desktop);
        Phrase fresh;
        fresh.id = Phrase::newId();
        PhraseDialog add(fresh, nullptr, false);
        add.setDesktop(desktop.get());
        add.show();
        add.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&add));
        QTRY_COMPARE(QApplication::focusWidget(), add.nameEdit());
        QVERIFY(!desktop->shortcuts().holdsKeyboard());

        add.hotkeyEdit()->setFocus();
        QVERIFY(add.hotkeyEdit()->holdsKeyboard());
        press('S');
        QTRY_COMPARE_WITH_TIMEOUT(add.hotkeyEdit()->text(),
                                  QStringLiteral("Ctrl+Alt+S is held by another program"), 5000);
        QCOMPARE(add.hotkeyEdit()->vk(), 0x53);
        QTest::qWait(200);
        QCOMPARE(presses.load(), 0);
        press('D'); // free: an ordinary key press of the field
        QTRY_COMPARE_WITH_TIMEOUT(add.hotkeyEdit()->text(), QStringLiteral("Ctrl+Alt+D"), 5000);

        add.nameEdit()->setFocus();
        QVERIFY(!desktop->shortcuts().holdsKeyboard());
        press('S');
        QTRY_COMPARE_WITH_TIMEOUT(presses.load(), 1, 5000);
        QCOMPARE(add.hotkeyEdit()->text(), QStringLiteral("Ctrl+Alt+D"));
    }
};

QTEST_MAIN(TestWin32Insert)
#include "tst_win32insert.moc"
