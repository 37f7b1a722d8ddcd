// Inserts text into a Qt editor of another process through the real X11
// backend, the way a phrase shortcut does.

// Qt first: Xlib's macros (None, Status, ...) break Qt headers that come after.
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <QX11Info>
#include <QtTest>

#include "insert/insertion.h"
#include "insert/targetwindow.h"
#include "x11/phrases.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"
#include "x11/xselection.h"

#include "x11/x11desktop.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <atomic>
#include <thread>

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

    // What CLIPBOARD offers now, target for target.
    static XSelection::Formats offered()
    {
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
    }

    static QByteArray png()
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        image.save(&png, "PNG");
        return png.data();
    }

    // A paste of two lines into the target, which must take them.
    bool pasteLines(InsertResult *result = nullptr)
    {
        const QString lines = QStringLiteral("pasted line\nand another");
        if (!m_target.clear())
            return false;
        const InsertResult r = pasteViaClipboard(*m_desktop, lines, m_target.window(), 0);
        if (result)
            *result = r;
        return r.delivered() && m_target.waitForText(lines);
    }

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
        QTest::newRow("PNG") << XSelection::Formats{{"image/png", png()}};
    }
    void previousOfferComesBackExactly()
    {
        QFETCH(XSelection::Formats, formats);
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

    // A clipboard history reads each new clipboard at once: here while the
    // user still holds Ctrl, so before the paste key could go. Its read is
    // not the target's, which never asks (read-only): no success is reported,
    // and the user's clipboard comes back.
    void anotherProgramsReadIsNotThePaste()
    {
        const XSelection::Formats own = {{"UTF8_STRING", "the user's own copy"}};
        XSelection::Owner user("CLIPBOARD", own);
        QVERIFY(user.owns());
        const QString phrase = QStringLiteral("read by\nanother program");
        Display *d = display();
        const KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L);
        std::atomic<bool> read{false};
        std::atomic<bool> readOver{false};
        std::thread history;
        bool ctrlDown = false;
        const auto releaseCtrl = [&] {
            if (ctrlDown) {
                XTestFakeKeyEvent(d, ctrl, False, CurrentTime);
                XFlush(d);
                ctrlDown = false;
            }
        };
        QTimer watch; // runs while the paste waits for Ctrl to go up
        watch.setInterval(5);
        connect(&watch, &QTimer::timeout, [&] {
            QClipboard *clipboard = QGuiApplication::clipboard();
            if (!history.joinable() && clipboard->ownsClipboard() && clipboard->text() == phrase)
                history = std::thread([&] {
                    QByteArray bytes;
                    read = XSelection::read("CLIPBOARD", "UTF8_STRING", &bytes) &&
                           bytes == phrase.toUtf8();
                    readOver = true;
                });
            if (readOver)
                releaseCtrl();
        });
        QVERIFY(m_target.clear());
        QVERIFY(m_target.setReadOnly(true));
        XTestFakeKeyEvent(d, ctrl, True, CurrentTime);
        XFlush(d);
        ctrlDown = true;
        watch.start();
        const InsertResult result = pasteViaClipboard(*m_desktop, phrase, m_target.window(), 0);
        watch.stop();
        releaseCtrl();
        if (history.joinable())
            history.join();
        QVERIFY(m_target.setReadOnly(false));
        QVERIFY(read);
        QCOMPARE(int(result.outcome), int(InsertOutcome::NotAccepted));
        QVERIFY(m_target.text().isEmpty());
        QCOMPARE(offered(), own);
    }

    // The user copies something while the phrase waits to be pasted (into a
    // target that never takes it): the newer copy stays, nothing is reported
    // lost, and the paste is not called refused (the target may have pasted
    // the newer copy).
    void copyMadeDuringThePasteStays()
    {
        XSelection::Owner user("CLIPBOARD", {{"UTF8_STRING", "the older copy"}});
        QVERIFY(user.owns());
        const XSelection::Formats newer = {{"UTF8_STRING", "copied meanwhile ✓"},
                                           {"text/html", "<i>copied meanwhile</i>"}};
        const QString phrase = QStringLiteral("waits\nto be pasted");
        std::unique_ptr<XSelection::Owner> copied;
        QTimer copier;
        copier.setInterval(10);
        connect(&copier, &QTimer::timeout, [&] {
            QClipboard *clipboard = QGuiApplication::clipboard();
            if (!copied && clipboard->ownsClipboard() && clipboard->text() == phrase)
                copied = std::make_unique<XSelection::Owner>("CLIPBOARD", newer);
        });
        QVERIFY(m_target.clear());
        QVERIFY(m_target.setReadOnly(true));
        copier.start();
        const InsertResult result = pasteViaClipboard(*m_desktop, phrase, m_target.window(), 0);
        copier.stop();
        QVERIFY(m_target.setReadOnly(false));
        QVERIFY(copied);
        QCOMPARE(offered(), newer);
        QVERIFY(copied->owns());
        QVERIFY(!result.clipboardNotRestored);
        QCOMPARE(result.clipboardLostFormats, 0);
        QCOMPARE(int(result.outcome), int(InsertOutcome::MayHaveArrived));
        QVERIFY(m_target.text().isEmpty());
    }

    // A target busy with earlier work when the paste key comes takes it only
    // after the fetch wait: the phrase stays on the clipboard for it, where
    // putting the user's content back would have it paste that instead.
    void busyTargetStillGetsThePhrase()
    {
        XSelection::Owner user("CLIPBOARD", {{"UTF8_STRING", "the user's own copy"}});
        QVERIFY(user.owns());
        const QString phrase = QStringLiteral("pasted while\nthe target was busy");
        QVERIFY(m_target.clear());
        QVERIFY(m_target.command("stall " + QByteArray::number(X11Desktop::PasteFetchWaitMs * 2),
                                 5000));
        // Without a keeper the text stays for the paste still on its way and
        // the user is told their content could not come back; with one, it
        // comes back once the target is through with our key.
        const InsertResult alone = pasteViaClipboard(*m_desktop, phrase, m_target.window(), 0);
        QVERIFY2(m_target.waitForText(phrase), qPrintable(m_target.text()));
        QCOMPARE(int(alone.outcome), int(InsertOutcome::PasteQueued));
        QVERIFY(alone.clipboardNotRestored);

        XSelection::Owner again("CLIPBOARD", {{"UTF8_STRING", "the user's own copy"}});
        QVERIFY(again.owns());
        QVERIFY(m_target.clear());
        QVERIFY(m_target.command("stall " + QByteArray::number(X11Desktop::PasteFetchWaitMs * 2),
                                 5000));
        ClipboardKeeper keeper;
        const InsertResult kept = pasteViaClipboard(*m_desktop, phrase, m_target.window(), 0,
                                                    PasteKey::CtrlV, {}, &keeper);
        QCOMPARE(int(kept.outcome), int(InsertOutcome::PasteQueued));
        QVERIFY(keeper.waiting());
        InsertResult later;
        QTRY_VERIFY_WITH_TIMEOUT(keeper.poll(*m_desktop, &later), 15000);
        QVERIFY2(m_target.waitForText(phrase), qPrintable(m_target.text()));
        QVERIFY(!later.clipboardNotRestored);
        QByteArray back;
        QVERIFY(XSelection::read("CLIPBOARD", "UTF8_STRING", &back));
        QCOMPARE(back, QByteArray("the user's own copy"));

        // A toolkit answers the window manager's ping as it reads its
        // events, before it hands the queued paste key to the field, and
        // some paste from a later turn of their loop: the answer alone is
        // no sign that the paste is over.
        XSelection::Owner third("CLIPBOARD", {{"UTF8_STRING", "the user's own copy"}});
        QVERIFY(third.owns());
        QVERIFY(m_target.clear());
        QVERIFY(m_target.command("pastelater 400", 5000));
        QVERIFY(m_target.command("stall " + QByteArray::number(X11Desktop::PasteFetchWaitMs * 2),
                                 5000));
        ClipboardKeeper lateKeeper;
        const InsertResult late = pasteViaClipboard(*m_desktop, phrase, m_target.window(), 0,
                                                    PasteKey::CtrlV, {}, &lateKeeper);
        QCOMPARE(int(late.outcome), int(InsertOutcome::PasteQueued));
        InsertResult lateDone;
        QTRY_VERIFY_WITH_TIMEOUT(lateKeeper.poll(*m_desktop, &lateDone), 15000);
        QVERIFY2(m_target.waitForText(phrase), qPrintable(m_target.text()));
        QVERIFY(!lateDone.clipboardNotRestored);
        QVERIFY(XSelection::read("CLIPBOARD", "UTF8_STRING", &back));
        QCOMPARE(back, QByteArray("the user's own copy"));
        QVERIFY(m_target.command("pastelater 0", 5000));
    }

    // The user's clipboard is copied with the owner misbehaving: a format
    // rendered later than the copy waits (its late answer must not be taken
    // for the next format's), one sent a byte at a time (cut off, as the
    // whole copy has one limit), and a new owner taking the clipboard half
    // way (the copy is of one owner only). What could not be copied is
    // counted lost; every format put back is the owner's own.
    void hostileOwnersCopy_data()
    {
        QTest::addColumn<XSelection::Formats>("formats");
        QTest::addColumn<QVector<XSelection::Serving>>("serving");
        QTest::addColumn<XSelection::Formats>("replacedBy"); // a new owner half way
        QTest::addColumn<XSelection::Formats>("expected");
        QTest::addColumn<int>("lost");
        const XSelection::Formats text = {{"UTF8_STRING", "beside it ✓"},
                                          {"text/html", "<b>beside it</b>"}};
        QTest::newRow("late answer")
            << XSelection::Formats{{"image/png", png()}} + text
            << QVector<XSelection::Serving>{{"image/png", 1500, 0, 0}, {"UTF8_STRING", 300, 0, 0}}
            << XSelection::Formats() << text << 1;
        QTest::newRow("a byte at a time")
            << text + XSelection::Formats{{"application/x-trickle", QByteArray(40, 't')}}
            << QVector<XSelection::Serving>{{"application/x-trickle", 0, 1, 900}}
            << XSelection::Formats() << text << 1;
        const XSelection::Formats second = {{"UTF8_STRING", "the second owner's"},
                                            {"text/html", "<b>the second owner's</b>"}};
        QTest::newRow("new owner half way")
            << text << QVector<XSelection::Serving>{{"UTF8_STRING", 300, 0, 0}} << second << second
            << 0;
    }
    void hostileOwnersCopy()
    {
        QFETCH(XSelection::Formats, formats);
        QFETCH(QVector<XSelection::Serving>, serving);
        QFETCH(XSelection::Formats, replacedBy);
        QFETCH(XSelection::Formats, expected);
        QFETCH(int, lost);
        std::unique_ptr<XSelection::Owner> replacing;
        const auto onRequest = [&](const QByteArray &target) {
            if (replacedBy.isEmpty() || target != serving.first().target)
                return;
            QMetaObject::invokeMethod(
                qApp,
                [&] {
                    if (!replacing)
                        replacing = std::make_unique<XSelection::Owner>("CLIPBOARD", replacedBy);
                },
                Qt::QueuedConnection);
        };
        XSelection::Owner user("CLIPBOARD", formats, serving, onRequest);
        QVERIFY(user.owns());
        InsertResult result;
        const bool pasted = pasteLines(&result);
        if (!replacedBy.isEmpty()) {
            // Copied again from the new owner, or not at all: the clipboard
            // is the new owner's either way.
            QVERIFY(replacing);
            QVERIFY(pasted || result.outcome == InsertOutcome::ClipboardUnavailable);
        } else {
            QVERIFY(pasted);
        }
        QCOMPARE(offered(), expected);
        QCOMPARE(result.clipboardLostFormats, lost);
    }

    // A transfer in parts from our copy of the user's clipboard to a window
    // of our own adds to the events the window takes, and leaves them as
    // they were.
    void ownWindowKeepsItsEvents()
    {
        QByteArray big(1024 * 1024, 0);
        for (int i = 0; i < big.size(); ++i)
            big[i] = char(i * 7 + i / 4096);
        {
            XSelection::Owner user("CLIPBOARD",
                                   {{"UTF8_STRING", "big"}, {"application/x-big", big}});
            QVERIFY(user.owns());
            QVERIFY(pasteLines());
        }
        QWidget own;
        own.resize(100, 100);
        own.show();
        QVERIFY(QTest::qWaitForWindowExposed(&own));
        xcb_connection_t *c = QX11Info::connection();
        const xcb_window_t window = xcb_window_t(own.winId());
        const auto eventMask = [&] {
            xcb_get_window_attributes_reply_t *reply =
                xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
            const uint32_t mask = reply ? reply->your_event_mask : 0;
            std::free(reply);
            return mask;
        };
        const uint32_t before = eventMask();
        QVERIFY(before & XCB_EVENT_MASK_EXPOSURE);
        XSelection::Connection atoms;
        const xcb_atom_t property = atoms.atom("SCRIVLET_TEST_PARTS");
        const xcb_atom_t incr = atoms.atom("INCR");
        xcb_convert_selection(c, window, atoms.atom("CLIPBOARD"), atoms.atom("application/x-big"),
                              property, XCB_CURRENT_TIME);
        xcb_flush(c);
        // Taken part by part, each deleted to ask for the next.
        QByteArray received;
        bool inParts = false;
        bool ended = false;
        bool maskKept = true;
        QElapsedTimer clock;
        clock.start();
        while (!ended && clock.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            xcb_get_property_reply_t *reply = xcb_get_property_reply(
                c, xcb_get_property(c, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 22),
                nullptr);
            if (!reply)
                break;
            if (reply->type == incr) {
                inParts = true;
                maskKept = maskKept && (eventMask() & before) == before;
            } else if (reply->type != XCB_ATOM_NONE) {
                const int n = xcb_get_property_value_length(reply);
                received.append(static_cast<const char *>(xcb_get_property_value(reply)), n);
                ended = n == 0;
            }
            std::free(reply);
        }
        QVERIFY(inParts);
        QVERIFY(ended);
        QCOMPARE(received.size(), big.size());
        QVERIFY(received == big);
        QVERIFY(maskKept);
        QTRY_COMPARE(eventMask(), before);
    }

    // The program quits while its copy of the user's content owns the
    // clipboard: a clipboard manager takes it over, as it would from the
    // program the content came from.
    void clipboardManagerTakesOverOnQuit()
    {
        const XSelection::Formats formats = {{"UTF8_STRING", "kept after quitting ✓"},
                                             {"text/html", "<b>kept</b>"}};
        {
            XSelection::Owner user("CLIPBOARD", formats);
            QVERIFY(user.owns());
            QVERIFY(pasteLines());
        }
        QCOMPARE(offered(), formats);
        XSelection::ClipboardManager manager;
        QVERIFY(manager.ok());
        m_desktop.reset();
        QCOMPARE(manager.saves(), 1);
        QCOMPARE(offered(), formats);
        m_desktop = createDesktop();
        QVERIFY(display());
        m_target.activate();
        QTRY_COMPARE(m_desktop->targets().foregroundWindow(), WindowHandle(m_target.window()));
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
