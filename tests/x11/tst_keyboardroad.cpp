// The main road under the keyboard states people have: Caps Lock on, a
// second layout active, shortcuts on keys that phrases themselves type, a
// shortcut held down, Chinese text on a busy machine, the program ended soon
// after typing. The real program in a private X session, a target editor in
// another process, and every text checked to the character.

#include "base/hotkey.h"
#include "x11/scrivletprocess.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QProcess>
#include <QtTest>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
const unsigned int ctrlAltMask = ControlMask | Mod1Mask;

const QString hello = QStringLiteral("Hello World");
const QString abc = QStringLiteral("abc");
const QString lines = QStringLiteral("first line\nsecond line\nthird");
const QString jump = QStringLiteral("Jump Jolly");
const QString hi = QStringLiteral("Hi!");
const QString ja = QStringLiteral("ja");
const QString accents = QString::fromUtf8("héllo wörld ✓");

// 120 distinct ideographs: far more than the keys a keyboard map leaves free.
QString cjkLine()
{
    QString out;
    for (int i = 0; i < 120; ++i)
        out += QChar(0x4E00 + 7 * i);
    return out;
}

// Keycodes that carry no symbol: fewer while keys are borrowed.
int unusedKeycodes(Display *d)
{
    int min = 0, max = 0, per = 0;
    XDisplayKeycodes(d, &min, &max);
    KeySym *syms = XGetKeyboardMapping(d, KeyCode(min), max - min + 1, &per);
    int unused = 0;
    for (int k = 0; syms && k <= max - min; ++k) {
        bool empty = true;
        for (int c = 0; c < per && empty; ++c)
            empty = syms[k * per + c] == NoSymbol;
        unused += empty;
    }
    if (syms)
        XFree(syms);
    return unused;
}

} // namespace

class KeyboardRoadTest : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardRoadTest(X11Session *session)
        : session(session), target(session), program(session)
    {}

private slots:
    void initTestCase()
    {
        for (unsigned long k : {XK_1, XK_2, XK_3, XK_4, XK_5, XK_6, XK_7})
            QVERIFY(session->isKeyComboFree(k, ctrlAltMask));
        QVERIFY(program.display());
        QVERIFY(target.start());
        QVERIFY(program.writeDataFile(
            QJsonArray{
                ScrivletProcess::phrase(QStringLiteral("hello"), hello, ctrlAlt, 0x31),
                ScrivletProcess::phrase(QStringLiteral("abc"), abc, ctrlAlt, 0x32),
                ScrivletProcess::phrase(QStringLiteral("lines"), lines, ctrlAlt, 0x33),
                ScrivletProcess::phrase(QStringLiteral("jump"), jump, ctrlAlt, 0x34),
                ScrivletProcess::phrase(QStringLiteral("hi"), hi, ctrlAlt, 0x35),
                ScrivletProcess::phrase(QStringLiteral("cjk"), cjkLine(), ctrlAlt, 0x36),
                ScrivletProcess::phrase(QStringLiteral("accents"), accents, ctrlAlt, 0x37),
                // Shortcuts on keys the phrases above type, and one no
                // shortcut may have (a bare letter), as a data file can
                // bring them: never taken from typing.
                ScrivletProcess::phrase(QStringLiteral("ja"), ja, Hotkey::ModShift, 0x4A),
                ScrivletProcess::phrase(QStringLiteral("bare"), ja, 0, 0x4B),
                ScrivletProcess::phrase(QStringLiteral("bang"), QStringLiteral("bang"),
                                        Hotkey::ModShift, 0x31),
            },
            QJsonObject{{QStringLiteral("startMinimized"), true}}));
        QVERIFY(program.start());
        QVERIFY(program.waitUntilHolding(XK_7, ctrlAltMask));
        QVERIFY(session->isKeyComboFree(XK_k, 0));
        keysFreeAtStart = unusedKeycodes(program.display());
    }

    void cleanupTestCase()
    {
        setLayout(QStringLiteral("us"));
        program.kill();
    }

    void capsLockOn()
    {
        Display *d = program.display();
        QVERIFY(XkbLockModifiers(d, XkbUseCoreKbd, LockMask, LockMask));
        XSync(d, False);
        const bool typed = pressAndWait(XK_1, hello);
        XkbLockModifiers(d, XkbUseCoreKbd, LockMask, 0);
        XSync(d, False);
        QVERIFY2(typed, qPrintable(target.text()));
    }

    void secondLayoutActive()
    {
        QVERIFY(setLayout(QStringLiteral("us,ru")));
        Display *d = program.display();
        QVERIFY(XkbLockGroup(d, XkbUseCoreKbd, 1));
        XSync(d, False);
        const bool typed = pressAndWait(XK_2, abc);
        const bool pasted = pressAndWait(XK_3, lines);
        XkbLockGroup(d, XkbUseCoreKbd, 0);
        XSync(d, False);
        QVERIFY2(typed, qPrintable(target.text()));
        QVERIFY2(pasted, qPrintable(target.text()));
    }

    // Cyrillic first: the group in use has no V for the paste's Ctrl+V.
    void pasteWithRussianFirst()
    {
        QVERIFY(setLayout(QStringLiteral("ru,us")));
        QVERIFY2(pressAndWait(XK_3, lines), qPrintable(target.text()));
        QVERIFY2(pressAndWait(XK_1, hello), qPrintable(target.text()));
        QVERIFY(setLayout(QStringLiteral("us")));
    }

    // Shift+J and Shift+1 are shortcuts in the data file, and the texts
    // hold J and !: Shift with a typing key is refused, so the texts go in
    // whole, and the user's own Shift+J types J.
    void ownShortcutsNeitherEatNorFire()
    {
        QVERIFY2(pressAndWait(XK_4, jump), qPrintable(target.text()));
        QVERIFY2(pressAndWait(XK_5, hi), qPrintable(target.text()));
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        program.press({XK_Shift_L}, XK_j);
        QVERIFY2(target.waitForText(QStringLiteral("J")), qPrintable(target.text()));
        QVERIFY(session->isKeyComboFree(XK_j, ShiftMask));
        QVERIFY(session->isKeyComboFree(XK_1, ShiftMask));
    }

    void shortcutHeldDown()
    {
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        Display *d = program.display();
        const KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L);
        const KeyCode alt = XKeysymToKeycode(d, XK_Alt_L);
        const KeyCode one = XKeysymToKeycode(d, XK_1);
        for (KeyCode k : {ctrl, alt, one})
            XTestFakeKeyEvent(d, k, True, CurrentTime);
        XSync(d, False);
        QTest::qWait(1500);
        const QString whileHeld = target.text();
        for (KeyCode k : {one, alt, ctrl})
            XTestFakeKeyEvent(d, k, False, CurrentTime);
        XSync(d, False);
        QVERIFY2(whileHeld.isEmpty(), qPrintable(whileHeld));
        QVERIFY2(target.waitForText(hello), qPrintable(target.text()));
        QTest::qWait(500);
        QCOMPARE(target.text(), hello); // once
    }

    void chineseUnderLoad()
    {
        session->startCpuLoad(2, 180);
        int exact = 0;
        QStringList wrong;
        for (int i = 0; i < 20; ++i) {
            if (pressAndWait(XK_6, cjkLine(), 15000))
                ++exact;
            else
                wrong << QStringLiteral("%1 units").arg(target.text().size());
        }
        session->stopCpuLoad();
        QVERIFY2(exact == 20, qPrintable(wrong.join(QStringLiteral(", "))));
    }

    // Borrowed keys go back on SIGTERM, and after SIGKILL at the next start.
    void borrowedKeysDoNotOutliveTheProgram()
    {
        QVERIFY2(pressAndWait(XK_7, accents), qPrintable(target.text()));
        QVERIFY(unusedKeycodes(program.display()) < keysFreeAtStart); // still borrowed
        QVERIFY(program.terminate());
        QCOMPARE(unusedKeycodes(program.display()), keysFreeAtStart);

        QVERIFY(program.start());
        QVERIFY(program.waitUntilHolding(XK_7, ctrlAltMask));
        QVERIFY2(pressAndWait(XK_7, accents), qPrintable(target.text()));
        program.kill();
        QVERIFY(unusedKeycodes(program.display()) < keysFreeAtStart);
        QVERIFY(program.start());
        QVERIFY(program.waitUntilHolding(XK_7, ctrlAltMask));
        QCOMPARE(unusedKeycodes(program.display()), keysFreeAtStart);
    }

private:
    // Ctrl+Alt+key in the target; true when it then holds exactly expected.
    bool pressAndWait(unsigned long key, const QString &expected, int timeoutMs = 10000)
    {
        if (!target.clear() || !target.activate())
            return false;
        program.press({XK_Control_L, XK_Alt_L}, key);
        return target.waitForText(expected, timeoutMs);
    }

    // setxkbmap, then a moment for the program to grab its keys again.
    bool setLayout(const QString &layouts)
    {
        QProcess setxkbmap;
        setxkbmap.start(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layouts});
        if (!setxkbmap.waitForFinished(10000) || setxkbmap.exitCode() != 0)
            return false;
        QTest::qWait(300);
        return program.waitUntilHolding(XK_1, ctrlAltMask);
    }

    X11Session *session;
    TextTarget target;
    ScrivletProcess program;
    int keysFreeAtStart = 0;
};

SCRIVLET_X11_TEST_MAIN(KeyboardRoadTest)
#include "tst_keyboardroad.moc"
