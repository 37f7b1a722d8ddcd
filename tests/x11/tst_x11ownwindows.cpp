// The program's own windows on a real X server with a window manager: the
// picker typing into our own fields and above our modal dialogs, shortcut
// fields that get combinations the program holds, the picker kept out of the
// task bar, and the always-on-top panel giving way to our dialogs. The main
// window is built in this process, where its widgets can be read; the keys
// are pressed with XTest.

#include "base/hotkey.h"
#include "dialogs/phrasedialog.h"
#include "dialogs/settingsdialog.h"
#include "hotkeys/hotkeyedit.h"
#include "mainwindow/mainwindow.h"
#include "panel/floatingpanel.h"
#include "picker/pickerwindow.h"
#include "platform/desktop.h"
#include "store/phrasestore.h"
#include "x11/scrivletprocess.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// Last: it brings Xlib's macros.
#include "x11/programdriver.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <memory>

namespace {

constexpr int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
const QString greeting = QString::fromUtf8("Grüße from the picker ✓");

// The atoms of a window property that holds a list of atoms or windows.
QVector<unsigned long> listProperty(Display *display, Window window, const char *name, Atom type)
{
    QVector<unsigned long> values;
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long rest = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 4096, False, type,
                           &actualType, &format, &count, &rest, &data) == Success &&
        data && format == 32) {
        const auto *items = reinterpret_cast<const unsigned long *>(data);
        for (unsigned long i = 0; i < count; ++i)
            values << items[i];
    }
    if (data)
        XFree(data);
    return values;
}

// The window with the keyboard focus: None while none has it.
Window focusWindow(Display *display)
{
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    return focus;
}

// Where the server sends the keys now: what the user's next key meets,
// whatever the toolkit believes is active.
bool hasInputFocus(Display *display, const QWidget *window)
{
    const Window focus = focusWindow(display);
    return focus != None && focus == Window(window->winId());
}

bool hasState(Display *display, Window window, const char *state)
{
    return listProperty(display, window, "_NET_WM_STATE", XA_ATOM)
        .contains(XInternAtom(display, state, False));
}

} // namespace

class X11OwnWindowsTest : public QObject
{
    Q_OBJECT

public:
    explicit X11OwnWindowsTest(X11Session *session) : session(session), keys(session) {}

private slots:
    void initTestCase()
    {
        QVERIFY(keys.display());
        QVERIFY(session->isKeyComboFree(XK_r, ControlMask));
        QVERIFY(session->isKeyComboFree(XK_t, ControlMask));
        QVERIFY(session->isKeyComboFree(XK_3, ControlMask | Mod1Mask));
        desktop = createDesktop();
        QVERIFY(desktop);
    }

    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<PhraseStore>(dir->path());
        store->setLegacyFilePath(dir->filePath(QStringLiteral("none")));
        store->settings().importedV3 = true;
        store->settings().closeHintSeen = true;
        Phrase phrase;
        phrase.id = Phrase::newId();
        phrase.name = QStringLiteral("Greeting");
        phrase.text = greeting;
        phrase.mods = ctrlAlt;
        phrase.vk = 0x33; // Ctrl+Alt+3
        store->phrases() << phrase;
        window = std::make_unique<MainWindow>(store.get(), &translator, desktop.get());
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(!session->isKeyComboFree(XK_r, ControlMask), 5000);
    }

    void cleanup()
    {
        window.reset();
        store.reset();
        dir.reset();
        QTRY_VERIFY_WITH_TIMEOUT(session->isKeyComboFree(XK_r, ControlMask), 5000);
    }

    // The picker opened over our own search box puts the phrase there, and
    // the search box has the focus again afterwards.
    void pickerTypesIntoOurOwnField()
    {
        window->searchBox()->setFocus();
        QTRY_VERIFY(window->searchBox()->hasFocus());
        keys.press({XK_Control_L}, XK_r);
        QTRY_VERIFY_WITH_TIMEOUT(window->picker()->isVisible(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(window->picker()->isActiveWindow(), 5000);
        keys.press({}, XK_Return);
        QTRY_COMPARE_WITH_TIMEOUT(window->searchBox()->text(), greeting, 5000);
        QVERIFY(!window->picker()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(window->searchBox()->hasFocus(), 5000);
        QVERIFY(store->phrases().first().lastUsed > 0);
    }

    // One of our modal dialogs open: the picker takes the keys itself and
    // types into the dialog's field.
    void pickerWorksAboveOurModalDialog()
    {
        Phrase fresh;
        fresh.id = Phrase::newId();
        PhraseDialog dialog(fresh, store.get(), false, window.get());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.textEdit()->setFocus();
        QTRY_VERIFY(dialog.textEdit()->hasFocus());

        keys.press({XK_Control_L}, XK_r);
        QTRY_VERIFY_WITH_TIMEOUT(window->picker()->isVisible(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(window->picker()->isActiveWindow(), 5000);
        // Typed into the picker's search box, not the dialog.
        keys.press({}, XK_g);
        QTRY_COMPARE_WITH_TIMEOUT(window->picker()->searchBox()->text(), QStringLiteral("g"), 5000);
        keys.press({}, XK_Return);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.textEdit()->toPlainText(), greeting, 5000);
        QVERIFY(dialog.nameEdit()->text().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(dialog.textEdit()->hasFocus(), 5000);
        // Closed without a choice, the picker gives the dialog its focus back.
        keys.press({XK_Control_L}, XK_r);
        QTRY_VERIFY_WITH_TIMEOUT(window->picker()->isActiveWindow(), 5000);
        keys.press({}, XK_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!window->picker()->isVisible(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isActiveWindow() && dialog.textEdit()->hasFocus(), 5000);
        // The keyboard is the dialog's once the picker is gone, not nobody's
        // until the window manager gets round to it: the program gives it
        // back before it takes the next event.
        QVERIFY(hasInputFocus(keys.display(), &dialog));
        keys.press({}, XK_x);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.textEdit()->toPlainText(), greeting + QLatin1Char('x'),
                                  5000);
        dialog.reject();
        QVERIFY(window->picker()->windowModality() == Qt::ApplicationModal);
        // The window manager gives the main window the keyboard again.
        QTRY_VERIFY_WITH_TIMEOUT(hasInputFocus(keys.display(), window.get()), 5000);

        // With no dialog open the picker is no modal window.
        keys.press({XK_Control_L}, XK_r);
        QTRY_VERIFY_WITH_TIMEOUT(window->picker()->isVisible(), 5000);
        QVERIFY(window->picker()->windowModality() == Qt::NonModal);
        keys.press({}, XK_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!window->picker()->isVisible(), 5000);
    }

    // In Options, the picker field gets the show/hide shortcut the program
    // holds: the window stays, and the shortcuts are back once the field
    // loses the focus or the dialog closes with the focus in it.
    void shortcutFieldGetsACombinationTheProgramHolds()
    {
        SettingsDialog options(store.get(), false, false, window.get());
        options.setWindowModality(Qt::ApplicationModal);
        options.show();
        QVERIFY(QTest::qWaitForWindowActive(&options));
        options.pickerEdit()->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(session->isKeyComboFree(XK_t, ControlMask), 5000);
        QVERIFY(session->isKeyComboFree(XK_r, ControlMask));
        keys.press({XK_Control_L}, XK_t);
        QTRY_COMPARE_WITH_TIMEOUT(options.pickerEdit()->vk(), 0x54, 5000);
        QCOMPARE(options.pickerEdit()->mods(), int(Hotkey::ModControl));
        QTest::qWait(200);
        QVERIFY(window->isVisible());

        options.startBox()->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(!session->isKeyComboFree(XK_t, ControlMask), 5000);

        options.showEdit()->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(session->isKeyComboFree(XK_t, ControlMask), 5000);
        options.reject();
        QTRY_VERIFY_WITH_TIMEOUT(!session->isKeyComboFree(XK_t, ControlMask), 5000);
        QVERIFY(!session->isKeyComboFree(XK_r, ControlMask));
    }

    // The phrase editor's field gets a phrase's own combination; nothing is
    // typed.
    void phraseEditorGetsAPhrasesCombination()
    {
        PhraseDialog editor(store->phrases().first(), store.get(), true, window.get());
        editor.setWindowModality(Qt::ApplicationModal);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.hotkeyEdit()->clearHotkey();
        editor.hotkeyEdit()->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(session->isKeyComboFree(XK_3, ControlMask | Mod1Mask), 5000);
        keys.press({XK_Control_L, XK_Alt_L}, XK_3);
        QTRY_COMPARE_WITH_TIMEOUT(editor.hotkeyEdit()->vk(), 0x33, 5000);
        QCOMPARE(editor.hotkeyEdit()->mods(), ctrlAlt);
        QTest::qWait(200);
        QVERIFY(editor.nameEdit()->text() == QStringLiteral("Greeting"));
        QCOMPARE(editor.textEdit()->toPlainText(), greeting);
        editor.reject();
        QTRY_VERIFY_WITH_TIMEOUT(!session->isKeyComboFree(XK_3, ControlMask | Mod1Mask), 5000);
    }

    // A combination another client holds (a window manager's binding) comes
    // to the Add dialog's shortcut field, which names it as held, instead of
    // going to that client; the keyboard is kept only while the field has
    // the focus.
    void shortcutFieldNamesACombinationAnotherProgramHolds()
    {
        QVERIFY(session->isKeyComboFree(XK_s, ControlMask | Mod1Mask));
        Display *other = XOpenDisplay(nullptr);
        QVERIFY(other);
        const Window otherRoot = DefaultRootWindow(other);
        const KeyCode s = XKeysymToKeycode(other, XK_s);
        // Whatever the lock keys' state, as a window manager grabs.
        const unsigned int locks[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};
        for (unsigned int lock : locks)
            XGrabKey(other, s, ControlMask | Mod1Mask | lock, otherRoot, False, GrabModeAsync,
                     GrabModeAsync);
        XSync(other, False);
        QVERIFY(!session->isKeyComboFree(XK_s, ControlMask | Mod1Mask));
        const auto keyboardFree = [other, otherRoot] {
            const int status =
                XGrabKeyboard(other, otherRoot, False, GrabModeAsync, GrabModeAsync, CurrentTime);
            if (status == GrabSuccess)
                XUngrabKeyboard(other, CurrentTime);
            XSync(other, False);
            return status == GrabSuccess;
        };
        // The presses of the combination the other client has been sent.
        int otherPresses = 0;
        const auto otherGot = [other, &otherPresses] {
            XSync(other, False);
            while (XPending(other) > 0) {
                XEvent event;
                XNextEvent(other, &event);
                if (event.type == KeyPress)
                    ++otherPresses;
            }
            return otherPresses;
        };
        keys.press({XK_Control_L, XK_Alt_L}, XK_s);
        QTRY_COMPARE_WITH_TIMEOUT(otherGot(), 1, 5000);

        Phrase fresh;
        fresh.id = Phrase::newId();
        PhraseDialog add(fresh, store.get(), false, window.get());
        add.setDesktop(desktop.get());
        add.setWindowModality(Qt::ApplicationModal);
        add.show();
        QVERIFY(QTest::qWaitForWindowActive(&add));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), add.nameEdit(), 5000);
        QVERIFY(keyboardFree());

        add.hotkeyEdit()->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(add.hotkeyEdit()->holdsKeyboard(), 5000);
        // With no modifier down the keyboard is not kept: a screen locker
        // started while the dialog waits still gets it.
        QVERIFY(keyboardFree());
        keys.press({XK_Control_L, XK_Alt_L}, XK_s);
        QTRY_COMPARE_WITH_TIMEOUT(add.hotkeyEdit()->text(),
                                  QStringLiteral("Ctrl+Alt+S is held by another program"), 5000);
        QCOMPARE(add.hotkeyEdit()->vk(), 0x53);
        QCOMPARE(add.hotkeyEdit()->mods(), ctrlAlt);
        QCOMPARE(otherGot(), 1);
        // Still the other client's: asking took nothing from it.
        QVERIFY(!session->isKeyComboFree(XK_s, ControlMask | Mod1Mask));
        // A free combination is named as it is.
        keys.press({XK_Control_L, XK_Alt_L}, XK_d);
        QTRY_COMPARE_WITH_TIMEOUT(add.hotkeyEdit()->text(), QStringLiteral("Ctrl+Alt+D"), 5000);

        // The keyboard is the user's again when the focus moves on, and when
        // the dialog closes with the focus in the field.
        add.nameEdit()->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(keyboardFree(), 5000);
        keys.press({XK_Control_L, XK_Alt_L}, XK_s);
        QTRY_COMPARE_WITH_TIMEOUT(otherGot(), 2, 5000);
        add.hotkeyEdit()->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(add.hotkeyEdit()->holdsKeyboard(), 5000);
        add.reject();
        QTRY_VERIFY_WITH_TIMEOUT(!add.hotkeyEdit()->holdsKeyboard(), 5000);
        // The server drops keys while no window has the focus: between the
        // dialog's unmapping and the window manager's next focus, on a busy
        // machine several milliseconds.
        QTRY_VERIFY_WITH_TIMEOUT(focusWindow(other) != None, 5000);
        keys.press({XK_Control_L, XK_Alt_L}, XK_s);
        QTRY_COMPARE_WITH_TIMEOUT(otherGot(), 3, 5000);

        for (unsigned int lock : locks)
            XUngrabKey(other, s, ControlMask | Mod1Mask | lock, otherRoot);
        XCloseDisplay(other);
    }

    // Like the panel, the picker is no window to switch to.
    void pickerStaysOutOfTheTaskBar()
    {
        keys.press({XK_Control_L}, XK_r);
        QTRY_VERIFY_WITH_TIMEOUT(window->picker()->isVisible(), 5000);
        const Window picker = window->picker()->winId();
        QVERIFY(hasState(keys.display(), picker, "_NET_WM_STATE_SKIP_TASKBAR"));
        QVERIFY(hasState(keys.display(), picker, "_NET_WM_STATE_SKIP_PAGER"));
        keys.press({}, XK_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!window->picker()->isVisible(), 5000);
    }

    // The panel stays on top of other programs, but our own modal dialogs
    // come above it: their buttons are not hidden under it.
    void ourModalDialogsComeAboveThePanel()
    {
        window->toggleFloatingPanel(true);
        FloatingPanel *panel = window->floatingPanel();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        Display *display = keys.display();
        const Window panelWindow = panel->winId();
        QTRY_VERIFY_WITH_TIMEOUT(hasState(display, panelWindow, "_NET_WM_STATE_ABOVE"), 5000);

        SettingsDialog options(store.get(), false, false, window.get());
        options.setWindowModality(Qt::ApplicationModal);
        options.move(panel->geometry().topLeft()); // right over the panel
        options.show();
        QVERIFY(QTest::qWaitForWindowActive(&options));
        // Stacked above the panel, as the window manager says.
        const auto stackedAbove = [&] {
            const QVector<unsigned long> order = listProperty(
                display, DefaultRootWindow(display), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
            const int p = order.indexOf(panelWindow);
            const int d = order.indexOf(options.winId());
            return p >= 0 && d > p;
        };
        QTRY_VERIFY_WITH_TIMEOUT(stackedAbove(), 5000);
        options.reject();

        // Without the panel, a dialog is an ordinary window.
        window->toggleFloatingPanel(false);
        SettingsDialog again(store.get(), false, false, window.get());
        again.setWindowModality(Qt::ApplicationModal);
        again.show();
        QVERIFY(QTest::qWaitForWindowActive(&again));
        QVERIFY(!hasState(display, again.winId(), "_NET_WM_STATE_ABOVE"));
        again.reject();
    }

private:
    X11Session *session;
    ScrivletProcess keys; // XTest presses from a connection of its own
    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<PhraseStore> store;
    QTranslator translator;
    std::unique_ptr<MainWindow> window;
};

SCRIVLET_X11_TEST_MAIN(X11OwnWindowsTest)
#include "tst_x11ownwindows.moc"
