// The program as a tray program on a desktop with an XEmbed tray (icewm's):
// the icon docks, closing the window leaves the program running, the icon
// brings the window back, the tray menu pauses the shortcuts (and the icon
// shows it) and ends the program, and an accepted Options dialog moves the picker shortcut at once.

#include "base/hotkey.h"
#include "dialogs/settingsdialog.h"
#include "dispatch/phrasedispatcher.h"
#include "hotkeys/hotkeyedit.h"
#include "mainwindow/mainwindow.h"
#include "platform/desktop.h"
#include "store/phrasestore.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

// X11 last: its macros (True, False, None) clash with Qt's headers.
#include "x11/programdriver.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

using namespace ProgramDriver;

namespace {

constexpr int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
const QString greeting = QStringLiteral("Hello from the tray");

// The pixels on screen in rect, as the tray shows them.
QByteArray screenPixels(Display *display, const QRect &rect)
{
    if (!rect.isValid())
        return QByteArray();
    XImage *image = XGetImage(display, DefaultRootWindow(display), rect.x(), rect.y(),
                              unsigned(rect.width()), unsigned(rect.height()), AllPlanes, ZPixmap);
    if (!image)
        return QByteArray();
    const QByteArray out(image->data, image->bytes_per_line * image->height);
    XDestroyImage(image);
    return out;
}

} // namespace

class TrayTest : public QObject
{
    Q_OBJECT

public:
    explicit TrayTest(X11Session *session) : session(session), target(session) {}

private slots:
    void initTestCase()
    {
        QVERIFY(session->isKeyComboFree(XK_1, ControlMask | Mod1Mask));
        QVERIFY(session->isKeyComboFree(XK_t, ControlMask));
        xlib = XOpenDisplay(nullptr);
        QVERIFY(xlib);
        QVERIFY(target.start());
        dataFile = dataFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(dataFile).path()));
        // No panel keys: the file holds them once Exit has saved.
        const QJsonObject settings{{QStringLiteral("importedV3"), true},
                                   {QStringLiteral("language"), QStringLiteral("en")},
                                   {QStringLiteral("closeHintSeen"), true},
                                   {QStringLiteral("closeHintShown"), true}};
        QVERIFY(
            writeDataFile(dataFile, settings,
                          QJsonArray{phrase(QStringLiteral("greeting"), greeting, ctrlAlt, 0x31)}));
    }

    void cleanupTestCase()
    {
        if (program && program->state() != QProcess::NotRunning)
            program->kill();
        if (xlib)
            XCloseDisplay(xlib);
    }

    void iconDocksInTheTray()
    {
        program = session->startProcess(QStringLiteral(SCRIVLET_EXE), {});
        QVERIFY(program->waitForStarted(5000));
        pid = program->processId();
        QVERIFY(waitUntil([] { return visibleWindowNamed(programTitle) != 0; }, 10000));
        QVERIFY(waitUntil([this] { return trayIcon(xlib, pid).isValid(); }, 10000));
    }

    void closingTheWindowKeepsTheProgram()
    {
        requestClose(xlib, visibleWindowNamed(programTitle));
        QVERIFY(waitUntil([] { return visibleWindowNamed(programTitle) == 0; }, 5000));
        QTest::qWait(300);
        QCOMPARE(program->state(), QProcess::Running);
        QVERIFY(!session->isKeyComboFree(XK_1, ControlMask | Mod1Mask)); // still registered
    }

    void clickingTheIconShowsTheWindowAndNeverHidesIt()
    {
        const QPoint icon = trayIcon(xlib, pid).center();
        click(xlib, icon, 1);
        QVERIFY(waitUntil([] { return visibleWindowNamed(programTitle) != 0; }, 5000));
        QTest::qWait(400); // not taken for a double click
        click(xlib, icon, 1);
        QTest::qWait(500);
        QVERIFY(visibleWindowNamed(programTitle) != 0);
    }

    // Paused, the docked icon shows it: its pixels change.
    void pausingFromTheTrayLeavesOnlyTheShowShortcut()
    {
        const QByteArray running = screenPixels(xlib, trayIcon(xlib, pid));
        QVERIFY(!running.isEmpty());
        chooseFromTrayMenu({XK_Down, XK_Down}); // "Pause shortcuts"
        QVERIFY(waitUntil([this] { return session->isKeyComboFree(XK_1, ControlMask | Mod1Mask); },
                          5000));
        QVERIFY(waitUntil(
            [&] {
                const QByteArray now = screenPixels(xlib, trayIcon(xlib, pid));
                return !now.isEmpty() && now != running;
            },
            5000));
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        press(xlib, {XK_Control_L, XK_Alt_L}, XK_1);
        QTest::qWait(500);
        QVERIFY2(!target.text().contains(greeting), qPrintable(target.text()));

        QVERIFY(visibleWindowNamed(programTitle) != 0);
        press(xlib, {XK_Control_L}, XK_t);
        QVERIFY(waitUntil([] { return visibleWindowNamed(programTitle) == 0; }, 5000));
        press(xlib, {XK_Control_L}, XK_t);
        QVERIFY(waitUntil([] { return visibleWindowNamed(programTitle) != 0; }, 5000));
    }

    void exitFromTheTrayMenuEndsTheProgram()
    {
        chooseFromTrayMenu({XK_Up}); // "Exit", the last entry
        QVERIFY(program->waitForFinished(10000));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
        const QJsonObject settings = storedSettings(dataFile);
        for (const char *key : {"floatingPanelX", "floatingPanelY", "floatingPanelWidth",
                                "floatingPanelHeight", "floatingPanelOpacity"})
            QVERIFY2(settings.contains(QLatin1String(key)), key);
        QVERIFY(session->isKeyComboFree(XK_t, ControlMask));
    }

    // In this process, over the same X server: the dialog is driven from
    // here, the shortcuts are real grabs.
    void optionsMoveThePickerShortcutAtOnce()
    {
        QVERIFY(session->isKeyComboFree(XK_r, ControlMask));
        QTemporaryDir folder;
        PhraseStore store(folder.path());
        store.setLegacyFilePath(folder.filePath(QStringLiteral("none")));
        store.settings().importedV3 = true;
        const std::unique_ptr<Desktop> desktop = createDesktop();
        QTranslator translator;
        MainWindow window(&store, &translator, desktop.get());
        QVERIFY(!session->isKeyComboFree(XK_r, ControlMask));

        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->pickerEdit()->setHotkey(ctrlAlt, 0x50); // Ctrl+Alt+P
            dialog->accept();
        });
        window.openSettings();
        QVERIFY(session->isKeyComboFree(XK_r, ControlMask));
        QVERIFY(!session->isKeyComboFree(XK_p, ControlMask | Mod1Mask));

        QVERIFY(target.activate());
        press(xlib, {XK_Control_L, XK_Alt_L}, XK_p);
        QTRY_COMPARE_WITH_TIMEOUT(window.dispatcher()->targetWindow(),
                                  WindowHandle(target.window()), 5000);
    }

private:
    // Opens the tray menu with the right button and picks an entry with the
    // keys, as a user would; the menu opens with no entry under the pointer.
    void chooseFromTrayMenu(std::initializer_list<KeySym> keys)
    {
        const QRect icon = trayIcon(xlib, pid);
        QVERIFY(icon.isValid());
        click(xlib, icon.center(), 3);
        QVERIFY(waitUntil([this] { return popupShown(xlib, pid); }, 5000));
        QTest::qWait(200);
        for (KeySym key : keys)
            press(xlib, {}, key);
        press(xlib, {}, XK_Return);
    }

    X11Session *session;
    TextTarget target;
    Display *xlib = nullptr;
    QString dataFile;
    QProcess *program = nullptr;
    long pid = 0;
};

SCRIVLET_X11_TEST_MAIN(TrayTest)
#include "tst_tray.moc"
