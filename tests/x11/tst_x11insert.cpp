// Inserts text into a Qt editor of another process through the real X11
// backend, the way a phrase shortcut does.

// Qt first: Xlib's macros (None, Status, ...) break Qt headers that come after.
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include "insert/insertion.h"
#include "insert/targetwindow.h"
#include "x11/phrases.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"
#include "x11/xselection.h"

#include "platform/x11/x11desktop.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

class X11InsertTest : public QObject
{
    Q_OBJECT

public:
    explicit X11InsertTest(X11Session *session) : m_session(session), m_target(session) {}

private:
    bool insertAndCheck(const QString &text, const char *what)
    {
        if (!m_target.clear())
            return false;
        if (!insertText(*m_desktop, text, m_target.window()).delivered()) {
            qWarning("%s: insertText reported failure", what);
            return false;
        }
        if (!m_target.waitForText(text)) {
            qWarning("%s: the target holds %d units, %s...", what, int(m_target.text().size()),
                     qPrintable(m_target.text().left(80)));
            return false;
        }
        return true;
    }

    Display *display() { return static_cast<X11Desktop *>(m_desktop.get())->display(); }

    X11Session *m_session;
    TextTarget m_target;
    std::unique_ptr<Desktop> m_desktop;

private slots:
    void initTestCase()
    {
        m_desktop = createDesktop();
        QVERIFY(display());
        QVERIFY(m_target.start());
        QVERIFY(m_desktop->targets().isWindow(m_target.window()));
        QTRY_COMPARE(m_desktop->targets().foregroundWindow(), WindowHandle(m_target.window()));
    }

    void windowManagerLeavesShortcutsFree_data()
    {
        QTest::addColumn<uint>("keysym");
        QTest::addColumn<uint>("mods");
        for (uint k = XK_1; k <= XK_9; ++k)
            QTest::newRow(qPrintable(QStringLiteral("Ctrl+Alt+%1").arg(QChar(k))))
                << k << uint(ControlMask | Mod1Mask);
        QTest::newRow("Ctrl+R") << uint(XK_r) << uint(ControlMask);
        QTest::newRow("Ctrl+T") << uint(XK_t) << uint(ControlMask);
        QTest::newRow("Ctrl+Alt+F5") << uint(XK_F5) << uint(ControlMask | Mod1Mask);
        QTest::newRow("Ctrl+Shift+F12") << uint(XK_F12) << uint(ControlMask | ShiftMask);
    }
    void windowManagerLeavesShortcutsFree()
    {
        QFETCH(uint, keysym);
        QFETCH(uint, mods);
        QVERIFY(m_session->isKeyComboFree(keysym, mods));
    }

    void insertsExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("short ASCII") << QStringLiteral("Hello, world!");
        QTest::newRow("non-ASCII") << Phrases::nonAscii();
        QTest::newRow("400-character line") << Phrases::line(400);
        QTest::newRow("20 KB over many lines") << Phrases::multiLine(20 * 1024);
        QTest::newRow("emoji across a 64-unit chunk")
            << QString(63, QLatin1Char('x')) + QString::fromUtf8("😀🎉 end");
        QTest::newRow("more distinct characters than a chunk")
            << QString::fromUtf8("αβγδεζηθικλμνξοπρστυφχψωАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ☀☁☂☃★☆");
    }
    void insertsExactly()
    {
        QFETCH(QString, text);
        QVERIFY(insertAndCheck(text, QTest::currentDataTag()));
    }

    void previousClipboardComesBack()
    {
        const QString previous = QString::fromUtf8("previous clipboard ✓");
        QVERIFY(m_target.setClipboard(previous));
        QCOMPARE(m_target.clipboard(), previous);
        QVERIFY(insertAndCheck(QStringLiteral("line one\nline two\n"), "paste"));
        QCOMPARE(m_target.clipboard(), previous);
    }

    // The user's clipboard comes back as its owner offered it, target for
    // target with the same bytes: no text target folded into another, no
    // image format added.
    void previousOfferComesBackExactly_data()
    {
        QTest::addColumn<XSelection::Formats>("formats");
        const QByteArray text = QByteArray("offered ✓");
        QTest::newRow("text") << XSelection::Formats{{"UTF8_STRING", text},
                                                     {"STRING", "offered"},
                                                     {"TEXT", text},
                                                     {"text/html", "<b>offered</b>"}};
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        image.save(&png, "PNG");
        QTest::newRow("PNG") << XSelection::Formats{{"image/png", png.data()}};
    }
    void previousOfferComesBackExactly()
    {
        QFETCH(XSelection::Formats, formats);
        const auto offered = [] {
            XSelection::Formats out;
            QList<QByteArray> targets;
            if (!XSelection::targets("CLIPBOARD", &targets))
                return out;
            for (const QByteArray &target : qAsConst(targets)) {
                QByteArray bytes;
                XSelection::read("CLIPBOARD", target, &bytes);
                out.append({target, bytes});
            }
            return out;
        };
        XSelection::Owner owner("CLIPBOARD", formats);
        QVERIFY(owner.owns());
        QCOMPARE(offered(), formats);
        // A second paste takes the clipboard from the copy put back (the
        // server refuses an owner older than the last).
        for (int paste = 0; paste < 2; ++paste) {
            QVERIFY(insertAndCheck(QStringLiteral("line one\nline two\n"), "paste"));
            QCOMPARE(offered(), formats);
        }
    }

    // The shortcut's keys may still be down when the insertion starts: it
    // waits for them, so the first character is not lost and nothing
    // combines with Ctrl.
    void waitsForTheShortcutKeys()
    {
        Display *d = display();
        const KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L);
        const KeyCode f5 = XKeysymToKeycode(d, XK_F5);
        QVERIFY(m_target.clear());
        XTestFakeKeyEvent(d, ctrl, True, CurrentTime);
        XTestFakeKeyEvent(d, f5, True, CurrentTime);
        XFlush(d);
        QTimer::singleShot(150, [&] {
            XTestFakeKeyEvent(d, f5, False, CurrentTime);
            XTestFakeKeyEvent(d, ctrl, False, CurrentTime);
            XFlush(d);
        });
        QVERIFY(insertText(*m_desktop, Phrases::nonAscii(), m_target.window()).delivered());
        QVERIFY(m_target.waitForText(Phrases::nonAscii()));
    }

    void bringsTheTargetForward()
    {
        QWidget own;
        own.setWindowTitle(QStringLiteral("own window"));
        own.resize(200, 100);
        own.show();
        own.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&own));
        QTRY_COMPARE(m_desktop->targets().foregroundWindow(), WindowHandle(own.winId()));
        QVERIFY(isOwnProcessWindow(*m_desktop, own.winId()));
        QVERIFY(!isOwnProcessWindow(*m_desktop, m_target.window()));

        QVERIFY(insertAndCheck(QStringLiteral("forward"), "from our own window"));
        QCOMPARE(m_desktop->targets().foregroundWindow(), WindowHandle(m_target.window()));
    }

    void staleWindowIsNotAWindow()
    {
        WindowHandle gone = 0;
        {
            QWidget w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            gone = w.winId();
            QVERIFY(m_desktop->targets().isWindow(gone));
        }
        QVERIFY(!m_desktop->targets().isWindow(gone));
        QVERIFY(!m_desktop->targets().bringToFront(gone));
        QVERIFY(!m_desktop->targets().isOwnProcess(gone));
        QVERIFY(!isOwnProcessWindow(*m_desktop, gone));
        // The text was meant for the window that is gone: it goes nowhere
        // else, not into the window that has the focus now.
        m_target.activate();
        QTRY_COMPARE(m_desktop->targets().foregroundWindow(), WindowHandle(m_target.window()));
        QVERIFY(m_target.clear());
        QVERIFY(!insertText(*m_desktop, QStringLiteral("not here"), gone).delivered());
        QTest::qWait(200);
        QVERIFY(m_target.text().isEmpty());
    }

    // Nothing asks for the text: no success is reported, and the user's
    // clipboard comes back.
    void pasteNobodyTakesIsAFailure()
    {
        const QString previous = QStringLiteral("kept");
        QVERIFY(m_target.setClipboard(previous));
        QVERIFY(m_target.clear());
        QVERIFY(m_target.setReadOnly(true));
        const bool accepted =
            insertText(*m_desktop, QStringLiteral("two\nlines"), m_target.window()).delivered();
        QVERIFY(m_target.setReadOnly(false));
        QVERIFY(!accepted);
        QCOMPARE(m_target.clipboard(), previous);
        QVERIFY(m_target.text().isEmpty());
    }

    void nonAsciiFiftyTimesUnderLoad()
    {
        m_session->startCpuLoad(2, 300);
        int intact = 0;
        for (int run = 0; run < 50; ++run) {
            if (insertAndCheck(Phrases::nonAscii(), "under load"))
                ++intact;
            else
                qWarning("run %d arrived as: %s", run, qPrintable(m_target.text()));
        }
        m_session->stopCpuLoad();
        QCOMPARE(intact, 50);
    }

    void cleanupTestCase() { m_desktop.reset(); }
};

SCRIVLET_X11_TEST_MAIN(X11InsertTest)
#include "tst_x11insert.moc"
