// The XTest typing of the X11 backend in detail: borrowed keycodes, their
// later restore, surrogate pairs split between calls, and key state reads.

// Qt first: Xlib's macros (None, Status, ...) break Qt headers that come after.
#include <QApplication>
#include <QElapsedTimer>
#include <QX11Info>
#include <QtTest>

#include "insert/insertion.h"
#include "x11/phrases.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include "x11/x11desktop.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

// True when some keycode of the map carries the keysym.
bool mapHas(Display *d, KeySym sym)
{
    int min = 0, max = 0, per = 0;
    XDisplayKeycodes(d, &min, &max);
    KeySym *syms = XGetKeyboardMapping(d, KeyCode(min), max - min + 1, &per);
    bool found = false;
    for (int i = 0; syms && i < (max - min + 1) * per && !found; ++i)
        found = syms[i] == sym;
    if (syms)
        XFree(syms);
    return found;
}

} // namespace

class X11KeyboardTest : public QObject
{
    Q_OBJECT

public:
    explicit X11KeyboardTest(X11Session *session) : m_target(session) {}

private:
    X11Desktop &desktop() { return *m_desktop; }
    Display *display() { return m_desktop->display(); }

    TextTarget m_target;
    std::unique_ptr<X11Desktop> m_desktop;

private slots:
    void initTestCase()
    {
        m_desktop = std::make_unique<X11Desktop>(QX11Info::display());
        QVERIFY(display());
        QVERIFY(m_target.start());
        QTRY_COMPARE(desktop().foregroundWindow(), WindowHandle(m_target.window()));
    }

    void borrowedKeysAreRestoredLater()
    {
        // ✓ is on no keyboard map; it is bound as its legacy keysym (or the
        // Unicode one).
        auto bound = [this] { return mapHas(display(), 0xaf3) || mapHas(display(), 0x1002713); };
        QVERIFY(!bound());
        QVERIFY(m_target.clear());
        QVERIFY(insertText(desktop(), Phrases::nonAscii(), m_target.window()).delivered());
        QVERIFY(m_target.waitForText(Phrases::nonAscii()));
        // Still bound right after typing: the target may not have read the map yet.
        QVERIFY(bound());
        QTRY_VERIFY_WITH_TIMEOUT(!bound(), X11Keyboard::RestoreDelayMs + 3000);
    }

    void moreDistinctCharactersThanSpareKeys()
    {
        desktop().x11Keyboard().limitSpareKeys(3);
        QCOMPARE(desktop().x11Keyboard().freeKeyCount(), 3);
        const QString text = QString::fromUtf8("αβγδεζηθικλμνξοπρστυφχψω✓★☆");
        QVERIFY(m_target.clear());
        QVERIFY(insertText(desktop(), text, m_target.window()).delivered());
        QVERIFY2(m_target.waitForText(text), qPrintable(m_target.text()));
    }

    // A character outside the Basic Multilingual Plane is two UTF-16 units:
    // where the text is cut into batches, it goes out whole in one of them.
    void surrogatePairAtABatchBoundary()
    {
        const QString emoji = QString::fromUtf8("😀");
        for (int before : {62, 63, 64}) {
            const QString text = QString(before, QLatin1Char('a')) + emoji + QStringLiteral("b");
            QVERIFY(m_target.clear());
            QVERIFY(desktop().canTypeExactly(text));
            QCOMPARE(desktop().typeText(text), text.size());
            QVERIFY2(m_target.waitForText(text), qPrintable(m_target.text()));
        }
    }

    void loneSurrogatesAreDropped()
    {
        QVERIFY(m_target.clear());
        QString text = QStringLiteral("x");
        text += QChar(0xDC00); // a low half with no high half
        text += QChar(0xD83D); // a high half followed by a plain character
        text += QStringLiteral("y");
        QCOMPARE(desktop().x11Keyboard().typeText(text), text.size());
        QVERIFY2(m_target.waitForText(QStringLiteral("xy")), qPrintable(m_target.text()));
    }

    void readsHeldKeys()
    {
        Display *d = display();
        const KeyCode ctrl = XKeysymToKeycode(d, XK_Control_R);
        const KeyCode f7 = XKeysymToKeycode(d, XK_F7);
        QVERIFY(!desktop().x11Keyboard().isVirtualKeyDown(0xA3));
        QVERIFY(!desktop().x11Keyboard().isNonModifierKeyDown());
        XTestFakeKeyEvent(d, ctrl, True, CurrentTime);
        XTestFakeKeyEvent(d, f7, True, CurrentTime);
        XSync(d, False);
        QVERIFY(desktop().x11Keyboard().isVirtualKeyDown(0xA3));
        QVERIFY(desktop().x11Keyboard().isVirtualKeyDown(0x11));
        QVERIFY(!desktop().x11Keyboard().isVirtualKeyDown(0xA2));
        QVERIFY(desktop().x11Keyboard().isNonModifierKeyDown());
        // The wait ends at the release of both, a moment after.
        QTimer::singleShot(100, [d, ctrl, f7] {
            XTestFakeKeyEvent(d, f7, False, CurrentTime);
            XTestFakeKeyEvent(d, ctrl, False, CurrentTime);
            XSync(d, False);
        });
        QElapsedTimer t;
        t.start();
        QVERIFY(waitForKeysReleased(desktop()));
        // Ended by the release, not by the limit: it returned before a wait
        // that runs to its limit could have.
        const qint64 waited = t.elapsed();
        qInfo("the wait ended %lld ms after the keys went down (released after 100 ms)", waited);
        QVERIFY2(waited < Insertion::KeyReleaseWaitMs, qPrintable(QString::number(waited)));
        QVERIFY(!desktop().x11Keyboard().isVirtualKeyDown(0xA3));
        QVERIFY(!desktop().x11Keyboard().isNonModifierKeyDown());
    }

    // A key the user holds is never let go of for them: the wait gives up,
    // and the key is still down.
    void waitGivesUpAfterTheLimit()
    {
        Display *d = display();
        const KeyCode ctrl = XKeysymToKeycode(d, XK_Control_R);
        XTestFakeKeyEvent(d, ctrl, True, CurrentTime);
        XSync(d, False);
        QElapsedTimer t;
        t.start();
        const bool released = waitForKeysReleased(desktop());
        const qint64 waited = t.elapsed();
        const bool stillDown = desktop().x11Keyboard().isVirtualKeyDown(0xA3);
        XTestFakeKeyEvent(d, ctrl, False, CurrentTime);
        XSync(d, False);
        QVERIFY(!released);
        QVERIFY(stillDown);
        // The wait reads its own millisecond clock, started a moment after
        // this one; both drop the fraction, so they can differ by one.
        QVERIFY2(waited >= Insertion::KeyReleaseWaitMs - 1, qPrintable(QString::number(waited)));
    }

    void ctrlVKeycodes()
    {
        QCOMPARE(desktop().x11Keyboard().keycodeForVirtualKey(0x11),
                 quint16(XKeysymToKeycode(display(), XK_Control_L)));
        QCOMPARE(desktop().x11Keyboard().keycodeForVirtualKey(0x56),
                 quint16(XKeysymToKeycode(display(), XK_v)));
    }

    void cleanupTestCase() { m_desktop.reset(); }
};

SCRIVLET_X11_TEST_MAIN(X11KeyboardTest)
#include "tst_x11keyboard.moc"
