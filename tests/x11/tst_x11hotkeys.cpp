// The X11 shortcuts end to end: the real backend in a private X session, key
// presses synthesised with XTest, a second X client that holds a grab of its
// own and owns the window with the input focus.

#include "hotkeys/hotkeyedit.h"
#include "hotkeys/hotkeymanager.h"
#include "platform/desktop.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

// After Qt: it brings Xlib's macros.
#include "x11/x11desktop.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

struct TestSettings
{
    // Not Ctrl+Alt+F1 to F12: the server keeps those for switching terminals.
    int showVk = 0x74; // Win+F5
    int showMods = Hotkey::ModWin;
    int pickerVk = 0;
    int pickerMods = 0;
};

struct TestPhrase
{
    QString id;
    QString name;
    int vk;
    int mods;
    bool enabled;
};

constexpr int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;

const QVector<TestPhrase> standardPhrases{
    {QStringLiteral("greeting"), QStringLiteral("Greeting"), 0x31, ctrlAlt, true},
    {QStringLiteral("farewell"), QStringLiteral("Farewell"), 0x32, ctrlAlt, true},
};

// A hidden native window owns the registrations, as the main window does in
// the program; the desktop hands the manager each press.
class HotkeyHost final
{
public:
    explicit HotkeyHost(Desktop *desktop)
    {
        window.setAttribute(Qt::WA_NativeWindow);
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.winId();
        QWidget *owner = &window;
        hotkeys = std::make_unique<HotkeyManager>(desktop,
                                                  [owner] { return WindowHandle(owner->winId()); });
    }
    ~HotkeyHost()
    {
        hotkeys.reset(); // releases the grabs while the window exists
    }
    HotkeyManager *manager() const { return hotkeys.get(); }

private:
    QWidget window;
    std::unique_ptr<HotkeyManager> hotkeys;
};

} // namespace

class X11HotkeysTest : public QObject
{
    Q_OBJECT

public:
    explicit X11HotkeysTest(X11Session *session) : session(session) {}

private slots:
    void initTestCase()
    {
        // The window manager must leave the test's combinations alone.
        QVERIFY(session->isKeyComboFree(XK_1, ControlMask | Mod1Mask));
        QVERIFY(session->isKeyComboFree(XK_F5, Mod4Mask));
        desktop = createDesktop();
        host = std::make_unique<HotkeyHost>(desktop.get());
        xlib = XOpenDisplay(nullptr);
        QVERIFY(xlib);
        int event, error, major, minor;
        QVERIFY(XTestQueryExtension(xlib, &event, &error, &major, &minor));
        other = xcb_connect(nullptr, nullptr);
        QVERIFY(!xcb_connection_has_error(other));
        otherRoot = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
        QVERIFY(createFocusWindow());
        numLockMask = modifierMaskOf(XK_Num_Lock);
        QVERIFY(numLockMask != 0);
    }

    void cleanupTestCase()
    {
        host.reset();
        desktop.reset();
        if (other)
            xcb_disconnect(other);
        if (xlib)
            XCloseDisplay(xlib);
    }

    void init()
    {
        drainOther();
        host->manager()->registerAll(TestSettings(), standardPhrases, false);
    }

    void pressBecomesPhraseRequest_data()
    {
        QTest::addColumn<QVector<KeySym>>("locks");
        QTest::newRow("no lock") << QVector<KeySym>();
        QTest::newRow("NumLock on") << QVector<KeySym>{XK_Num_Lock};
        QTest::newRow("CapsLock on") << QVector<KeySym>{XK_Caps_Lock};
        QTest::newRow("both on") << QVector<KeySym>{XK_Num_Lock, XK_Caps_Lock};
    }
    void pressBecomesPhraseRequest()
    {
        QFETCH(QVector<KeySym>, locks);
        QSignalSpy typed(host->manager(), &HotkeyManager::phraseRequested);
        for (KeySym lock : locks)
            tap(lock);
        press({XK_Control_L, XK_Alt_L}, XK_2);
        for (KeySym lock : locks)
            tap(lock); // off again before any check can fail
        QTRY_COMPARE(typed.count(), 1);
        QCOMPARE(typed.at(0).at(0).toString(), QStringLiteral("farewell"));
        QVERIFY(!otherGotKey(XK_2, 100));
    }

    void showShortcut()
    {
        QSignalSpy show(host->manager(), &HotkeyManager::showWindowRequested);
        // Win is Mod4. The window manager grabs the Super keys themselves, so
        // the modifier is locked through XKB rather than pressed.
        XkbLockModifiers(xlib, XkbUseCoreKbd, Mod4Mask, Mod4Mask);
        tap(XK_F5);
        XkbLockModifiers(xlib, XkbUseCoreKbd, Mod4Mask, 0);
        XSync(xlib, False);
        QTRY_COMPARE(show.count(), 1);
    }

    void autoRepeatTypesOnce()
    {
        QSignalSpy typed(host->manager(), &HotkeyManager::phraseRequested);
        const KeyCode control = code(XK_Control_L), alt = code(XK_Alt_L), one = code(XK_1);
        XTestFakeKeyEvent(xlib, control, True, CurrentTime);
        XTestFakeKeyEvent(xlib, alt, True, CurrentTime);
        XTestFakeKeyEvent(xlib, one, True, CurrentTime);
        XSync(xlib, False);
        // Held past the server's repeat delay (660 ms): it sends repeats.
        QTest::qWait(1200);
        XTestFakeKeyEvent(xlib, one, False, CurrentTime);
        XTestFakeKeyEvent(xlib, alt, False, CurrentTime);
        XTestFakeKeyEvent(xlib, control, False, CurrentTime);
        XSync(xlib, False);
        // Another shortcut pressed after it is served after every repeat:
        // none of them came through.
        press({XK_Control_L, XK_Alt_L}, XK_2);
        QTRY_COMPARE(typed.count(), 2);
        QCOMPARE(typed.at(0).at(0).toString(), QStringLiteral("greeting"));
        QCOMPARE(typed.at(1).at(0).toString(), QStringLiteral("farewell"));
        // Released: the next press counts again.
        press({XK_Control_L, XK_Alt_L}, XK_1);
        QTRY_COMPARE(typed.count(), 3);
    }

    void combinationHeldByAnotherClient()
    {
        // The other client holds only the NumLock variant, so our grab of the
        // plain variant succeeds first and must be given back.
        const KeyCode three = code(XK_3);
        const quint16 modifiers = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
        QVERIFY(!xcb_request_check(
            other, xcb_grab_key_checked(other, 0, otherRoot, modifiers | numLockMask, three,
                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
        QSignalSpy failures(host->manager(), &HotkeyManager::registrationFailed);
        QVector<TestPhrase> phrases = standardPhrases;
        phrases << TestPhrase{QStringLiteral("clash"), QStringLiteral("Clash"), 0x33, ctrlAlt,
                              true};

        host->manager()->registerAll(TestSettings(), phrases, false);

        QCOMPARE(failures.count(), 1);
        QCOMPARE(failures.at(0).at(0).toString(), QStringLiteral("Clash (Ctrl+Alt+3)"));
        QCOMPARE(host->manager()->deadPhraseIds(), QSet<QString>{QStringLiteral("clash")});
        QSignalSpy typed(host->manager(), &HotkeyManager::phraseRequested);
        press({XK_Control_L, XK_Alt_L}, XK_3);
        QVERIFY(otherGotKey(XK_3, 2000));
        QCOMPARE(typed.count(), 0);
        QVERIFY(!host->manager()->retryRefused()); // still held
        xcb_ungrab_key(other, three, otherRoot, modifiers | numLockMask);
        xcb_aux_sync(); // the server has let go of it before we ask again

        // Let go of by the other client, it is ours at the next try.
        QVERIFY(host->manager()->retryRefused());
        QVERIFY(host->manager()->deadPhraseIds().isEmpty());
        press({XK_Control_L, XK_Alt_L}, XK_3);
        QTRY_COMPARE(typed.count(), 1);
        QCOMPARE(typed.at(0).at(0).toString(), QStringLiteral("clash"));
    }

    void twoPhrasesOnOneCombination()
    {
        QSignalSpy failures(host->manager(), &HotkeyManager::registrationFailed);
        QVector<TestPhrase> phrases = standardPhrases;
        phrases << TestPhrase{QStringLiteral("twin"), QStringLiteral("Twin"), 0x31, ctrlAlt, true};
        host->manager()->registerAll(TestSettings(), phrases, false);
        QCOMPARE(failures.count(), 1);
        QCOMPARE(failures.at(0).at(0).toString(), QStringLiteral("Twin (Ctrl+Alt+1)"));

        QSignalSpy typed(host->manager(), &HotkeyManager::phraseRequested);
        press({XK_Control_L, XK_Alt_L}, XK_1);
        QTRY_COMPARE(typed.count(), 1);
        QCOMPARE(typed.at(0).at(0).toString(), QStringLiteral("greeting"));
    }

    // A key Qt has no name for was a shortcut before combinations were named
    // in Qt's terms, and still is: the keypad's separator (on Brazilian and
    // some other keypads) is grabbed by the keysym of its stored code.
    void keyWithoutAQtNameStillWorks()
    {
        const KeyCode spare = spareKeycode();
        QVERIFY(spare != 0);
        setKeysyms(spare, XK_KP_Separator, NoSymbol);
        auto *x11 = dynamic_cast<X11Desktop *>(desktop.get());
        QVERIFY(x11);
        QTRY_COMPARE(x11->x11Keyboard().keycodeForVirtualKey(0x6C), quint16(spare));

        QSignalSpy failures(host->manager(), &HotkeyManager::registrationFailed);
        QVector<TestPhrase> phrases = standardPhrases;
        phrases << TestPhrase{QStringLiteral("odd"), QStringLiteral("Odd key"), 0x6C, ctrlAlt,
                              true};
        host->manager()->registerAll(TestSettings(), phrases, false);
        QCOMPARE(failures.count(), 0);
        QSignalSpy typed(host->manager(), &HotkeyManager::phraseRequested);
        pressCode({XK_Control_L, XK_Alt_L}, spare);
        setKeysyms(spare, NoSymbol, NoSymbol);
        QTRY_COMPARE(typed.count(), 1);
        QCOMPARE(typed.at(0).at(0).toString(), QStringLiteral("odd"));
    }

    void afterUnregisterAllThePressReachesTheFocusedWindow()
    {
        host->manager()->unregisterAll();
        QSignalSpy typed(host->manager(), &HotkeyManager::phraseRequested);
        press({XK_Control_L, XK_Alt_L}, XK_1);
        QVERIFY(otherGotKey(XK_1, 2000));
        QCOMPARE(typed.count(), 0);
    }

    void regrabsAfterTheKeyMoves()
    {
        const KeyCode oldCode = code(XK_1);
        const KeyCode spare = spareKeycode();
        QVERIFY(spare != 0);
        setKeysyms(spare, XK_1, XK_exclam);
        setKeysyms(oldCode, XK_F35, NoSymbol);
        mappingSeen(spare);

        QSignalSpy typed(host->manager(), &HotkeyManager::phraseRequested);
        pressCode({XK_Control_L, XK_Alt_L}, spare);
        QTRY_COMPARE(typed.count(), 1);
        QCOMPARE(typed.at(0).at(0).toString(), QStringLiteral("greeting"));
        pressCode({XK_Control_L, XK_Alt_L}, oldCode);
        QVERIFY(otherGotKeycode(oldCode, 2000)); // the old key is free again

        setKeysyms(oldCode, XK_1, XK_exclam);
        setKeysyms(spare, NoSymbol, NoSymbol);
        mappingSeen(oldCode);
        pressCode({XK_Control_L, XK_Alt_L}, oldCode);
        QTRY_COMPARE(typed.count(), 2);
    }

    // The editor reads the keysym of a real key event: shifted punctuation
    // names its key, a keypad digit with NumLock on is the keypad code.
    void editorCapturesRealKeys()
    {
        host->manager()->unregisterAll();
        HotkeyEdit edit;
        edit.show();
        edit.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        press({XK_Control_L, XK_Shift_L}, XK_semicolon);
        QTRY_COMPARE(edit.text(), QStringLiteral("Ctrl+Shift+;"));
        tap(XK_Num_Lock);
        press({XK_Control_L}, XK_KP_5);
        tap(XK_Num_Lock);
        QTRY_COMPARE(edit.text(), QStringLiteral("Ctrl+Num 5"));
        QCOMPARE(edit.vk(), 0x65);
    }

private:
    KeyCode code(KeySym sym) { return XKeysymToKeycode(xlib, sym); }

    void pressCode(std::initializer_list<KeySym> modifiers, KeyCode key)
    {
        for (KeySym m : modifiers)
            XTestFakeKeyEvent(xlib, code(m), True, CurrentTime);
        XTestFakeKeyEvent(xlib, key, True, CurrentTime);
        XTestFakeKeyEvent(xlib, key, False, CurrentTime);
        for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
            XTestFakeKeyEvent(xlib, code(*it), False, CurrentTime);
        XSync(xlib, False);
    }
    void press(std::initializer_list<KeySym> modifiers, KeySym key)
    {
        pressCode(modifiers, code(key));
    }
    void tap(KeySym key) { pressCode({}, code(key)); }

    quint16 modifierMaskOf(KeySym sym)
    {
        XModifierKeymap *map = XGetModifierMapping(xlib);
        const KeyCode keycode = code(sym);
        quint16 mask = 0;
        for (int m = 0; m < 8; ++m)
            for (int i = 0; i < map->max_keypermod; ++i)
                if (map->modifiermap[m * map->max_keypermod + i] == keycode)
                    mask |= quint16(1u << m);
        XFreeModifiermap(map);
        return mask;
    }

    KeyCode spareKeycode()
    {
        int min = 0, max = 0, per = 0;
        XDisplayKeycodes(xlib, &min, &max);
        KeySym *syms = XGetKeyboardMapping(xlib, KeyCode(min), max - min + 1, &per);
        KeyCode found = 0;
        for (int k = max - min; k >= 0 && !found; --k) {
            bool empty = true;
            for (int c = 0; c < per; ++c)
                empty = empty && syms[k * per + c] == NoSymbol;
            if (empty)
                found = KeyCode(min + k);
        }
        XFree(syms);
        return found;
    }

    void setKeysyms(KeyCode keycode, KeySym plain, KeySym shifted)
    {
        KeySym syms[2] = {plain, shifted};
        XChangeKeyboardMapping(xlib, keycode, 2, syms, 1);
        XSync(xlib, False);
        // Our own lookups go through Xlib's cache, which needs telling.
        XEvent e{};
        e.xmapping.type = MappingNotify;
        e.xmapping.display = xlib;
        e.xmapping.request = MappingKeyboard;
        e.xmapping.first_keycode = keycode;
        e.xmapping.count = 1;
        XRefreshKeyboardMapping(&e.xmapping);
    }

    // Waits until the program has taken in the new keyboard map, in which
    // the 1 key is keycode (the grabs move in the same event).
    void mappingSeen(KeyCode keycode)
    {
        auto *x11 = dynamic_cast<X11Desktop *>(desktop.get());
        QVERIFY(x11);
        QTRY_COMPARE(x11->x11Keyboard().keycodeForVirtualKey(0x31), quint16(keycode));
    }

    bool createFocusWindow()
    {
        focusWindow = xcb_generate_id(other);
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(other)).data;
        const uint32_t events =
            XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_create_window(other, XCB_COPY_FROM_PARENT, focusWindow, screen->root, 0, 0, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK,
                          &events);
        xcb_map_window(other, focusWindow);
        xcb_flush(other);
        // The window manager maps it in its own time; focus needs it viewable.
        QElapsedTimer timer;
        timer.start();
        bool mapped = false;
        while (!mapped && timer.elapsed() < 5000) {
            while (xcb_generic_event_t *e = xcb_poll_for_event(other)) {
                mapped = mapped || (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
                free(e);
            }
            QTest::qWait(10);
        }
        if (!mapped)
            return false;
        xcb_set_input_focus(other, XCB_INPUT_FOCUS_POINTER_ROOT, focusWindow, XCB_CURRENT_TIME);
        xcb_aux_sync();
        return true;
    }

    void xcb_aux_sync()
    {
        free(xcb_get_input_focus_reply(other, xcb_get_input_focus(other), nullptr));
    }

    void drainOther()
    {
        while (xcb_generic_event_t *e = xcb_poll_for_event(other))
            free(e);
    }

    bool otherGotKeycode(KeyCode keycode, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        do {
            while (xcb_generic_event_t *e = xcb_poll_for_event(other)) {
                const bool hit = (e->response_type & 0x7f) == XCB_KEY_PRESS &&
                                 reinterpret_cast<xcb_key_press_event_t *>(e)->detail == keycode;
                free(e);
                if (hit)
                    return true;
            }
            QTest::qWait(10);
        } while (timer.elapsed() < timeoutMs);
        return false;
    }
    bool otherGotKey(KeySym sym, int timeoutMs) { return otherGotKeycode(code(sym), timeoutMs); }

    X11Session *session;
    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<HotkeyHost> host;
    Display *xlib = nullptr;
    xcb_connection_t *other = nullptr;
    xcb_window_t otherRoot = 0;
    xcb_window_t focusWindow = 0;
    quint16 numLockMask = 0;
};

SCRIVLET_X11_TEST_MAIN(X11HotkeysTest)

#include "tst_x11hotkeys.moc"
