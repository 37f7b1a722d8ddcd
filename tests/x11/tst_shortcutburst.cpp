// A burst of 1,000 presses of one phrase shortcut while another program's
// editor has the focus. Afterwards the editor holds nothing but whole copies
// of the phrase, exactly one per insertion the program reports (its trace,
// SCRIVLET_TEST_TRACE), a second editor holds nothing, the data file is
// valid, and the show/hide shortcut still answers. How long that answer takes
// is printed, not asserted. And with 300 phrases on one combination (299 of
// them refused), the show/hide shortcut pressed at once after a phrase went
// in is not lost.

#include "base/hotkey.h"
#include "x11/texttarget.h"
#include "x11/tracedprogram.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QtTest>

// Last: it brings Xlib's macros.
#include "x11/programdriver.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace ProgramDriver;

namespace {

constexpr int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
// Shifted and unshifted characters, with ends that show a cut copy.
const QString phraseText = QStringLiteral("<burst 42>");
// Pressed after the burst: typed once every press before it is served.
const QString endText = QStringLiteral("<end>");
constexpr int presses = 1000;
// Only a hung program gets near these.
constexpr int notHungMs = 30000;
constexpr int burstDoneMs = 180000;

// One press of Ctrl+Alt+key that no other client's requests can split: the
// program's own synthesised typing goes either before or after it, never
// between a modifier going down and coming up.
void atomicPress(Display *d, KeySym key = XK_1)
{
    const KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L);
    const KeyCode alt = XKeysymToKeycode(d, XK_Alt_L);
    const KeyCode one = XKeysymToKeycode(d, key);
    XGrabServer(d);
    XTestFakeKeyEvent(d, ctrl, True, CurrentTime);
    XTestFakeKeyEvent(d, alt, True, CurrentTime);
    XTestFakeKeyEvent(d, one, True, CurrentTime);
    XTestFakeKeyEvent(d, one, False, CurrentTime);
    XTestFakeKeyEvent(d, alt, False, CurrentTime);
    XTestFakeKeyEvent(d, ctrl, False, CurrentTime);
    XUngrabServer(d);
    XSync(d, False);
}

} // namespace

class ShortcutBurstTest : public QObject
{
    Q_OBJECT

public:
    explicit ShortcutBurstTest(X11Session *session)
        : session(session), target(session), other(session), program(session)
    {}

private slots:
    void initTestCase()
    {
        QVERIFY(session->isKeyComboFree(XK_1, ControlMask | Mod1Mask));
        QVERIFY(session->isKeyComboFree(XK_2, ControlMask | Mod1Mask));
        QVERIFY(session->isKeyComboFree(XK_t, ControlMask));
        xlib = XOpenDisplay(nullptr);
        QVERIFY(xlib);
        QVERIFY(other.start());
        QVERIFY(target.start());

        const QString file = dataFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        const QJsonObject settings{{QStringLiteral("importedV3"), true},
                                   {QStringLiteral("language"), QStringLiteral("en")},
                                   {QStringLiteral("closeHintSeen"), true},
                                   {QStringLiteral("closeHintShown"), true}};
        QVERIFY(writeDataFile(
            file, settings,
            QJsonArray{phrase(QStringLiteral("burst"), phraseText, ctrlAlt, 0x31),
                       phrase(QStringLiteral("bystander"), QStringLiteral("never typed"), 0, 0),
                       phrase(QStringLiteral("end"), endText, ctrlAlt, 0x32)}));
        dataFile = file;
    }

    void cleanupTestCase()
    {
        program.kill();
        if (xlib)
            XCloseDisplay(xlib);
    }

    void burstOfPresses_data()
    {
        QTest::addColumn<int>("gapUs");
        // Presses with one and the same server time as the release before
        // them are taken for auto-repeat: back to back, some are not served.
        QTest::newRow("a millisecond apart") << 1000;
        QTest::newRow("back to back") << 0;
    }
    void burstOfPresses()
    {
        QFETCH(int, gapUs);
        mainWindow = 0;
        mainArea = 0;
        QVERIFY(program.start());
        QVERIFY(program.waitFor(QStringLiteral("idle")));
        QVERIFY(waitUntil([] { return visibleWindowNamed(programTitle) != 0; }, 10000));
        // The largest window of the program: the tray icon may carry the same
        // title.
        QVector<QPair<Window, QRect>> windows;
        windowsOf(xlib, DefaultRootWindow(xlib), long(program.pid()), &windows);
        for (const auto &w : qAsConst(windows)) {
            if (!mainWindow || w.second.width() * w.second.height() > mainArea) {
                mainWindow = w.first;
                mainArea = w.second.width() * w.second.height();
            }
        }
        QVERIFY(mainWindow);
        QVERIFY(!session->isKeyComboFree(XK_1, ControlMask | Mod1Mask));
        const qint64 before = QDateTime::currentSecsSinceEpoch();

        // The main window out of the way, answering once before the burst.
        const qint64 quietAnswer = showShortcutAnswerMs(false);
        QVERIFY(quietAnswer >= 0);
        QVERIFY(target.clear());
        QVERIFY(other.clear());
        QVERIFY(target.activate());
        QVERIFY(target.setReporting(false));
        QVERIFY(other.setReporting(false));
        QTest::qWait(200);

        QElapsedTimer burst;
        burst.start();
        for (int i = 0; i < presses; ++i) {
            atomicPress(xlib);
            if (gapUs > 0)
                QThread::usleep(gapUs);
            if (i % 50 == 0)
                QCoreApplication::processEvents(); // the target's reports keep flowing
        }
        const qint64 sentMs = burst.elapsed();

        // Presses are served one after the other: a press of another phrase's
        // shortcut after the burst is served once every press before it is.
        atomicPress(xlib, XK_2);
        QVERIFY2(program.waitFor(QStringLiteral("typed end accepted"), 1, burstDoneMs),
                 qPrintable(QStringLiteral("the end was not served (%1 presses served); the "
                                           "editors end with \"%2\" and \"%3\"")
                                .arg(program.count(QStringLiteral("typed burst")))
                                .arg(target.fetchText().right(40), other.fetchText().right(40))));
        const int served = program.count(QStringLiteral("typed burst"));
        const int accepted = program.count(QStringLiteral("typed burst accepted"));
        const int saved = program.count(QStringLiteral("typed burst accepted saved"));
        QVERIFY2(program.running(),
                 qPrintable(QStringLiteral("ended with status %1, code %2; trace ends with %3")
                                .arg(program.process().exitStatus())
                                .arg(program.process().exitCode())
                                .arg(program.trace().right(1500))));
        QString text;
        QVERIFY2(waitUntil(
                     [&] {
                         text = target.fetchText(burstDoneMs);
                         return text.endsWith(endText);
                     },
                     burstDoneMs),
                 qPrintable(text.right(200)));
        text.chop(endText.size());
        const int copies = text.count(phraseText);
        qInfo("%d presses sent in %lld ms; %d served (%d accepted, %d saved) in %lld ms; "
              "target holds %d copies",
              presses, sentMs, served, accepted, saved, burst.elapsed(), copies);

        QVERIFY(served > 0);
        QCOMPARE(program.count(QStringLiteral("typed burst")), served);
        // Nothing but whole copies, one per accepted insertion.
        QCOMPARE(text, phraseText.repeated(accepted));
        QCOMPARE(accepted, served);
        QCOMPARE(saved, accepted);
        QCOMPARE(other.fetchText(), QStringLiteral(""));

        // The data file is whole and knows the phrase was used.
        QFile file(dataFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonArray phrases = doc.object().value(QStringLiteral("phrases")).toArray();
        QCOMPARE(phrases.size(), 3);
        QCOMPARE(phrases.at(0).toObject().value(QStringLiteral("text")).toString(), phraseText);
        QVERIFY(
            phrases.at(0).toObject().value(QStringLiteral("lastUsed")).toString().toLongLong() >=
            before);
        QCOMPARE(phrases.at(1).toObject().value(QStringLiteral("lastUsed")).toString(),
                 QStringLiteral("0"));

        // Still answering: the show/hide shortcut brings the window back.
        const qint64 answer = showShortcutAnswerMs(true);
        qInfo("show/hide shortcut answered after %lld ms before the burst, %lld ms after it",
              quietAnswer, answer);
        QVERIFY2(answer >= 0, "the show/hide shortcut did not answer");
        QVERIFY(program.terminate());
        QVERIFY(target.setReporting(true));
        QVERIFY(other.setReporting(true));
    }

    // 300 phrases on Ctrl+Alt+1: the first takes it, the other 299 are
    // refused and asked for again now and then. A phrase goes into a Tk
    // editor, and the show/hide shortcut is pressed at once: while the
    // phrase is still being typed (400 characters, with many a "t"), and
    // the moment its text is in. Each press shows or hides the main window,
    // and reaches the editor neither way.
    void showShortcutRightAfterAPhrase_data()
    {
        QTest::addColumn<bool>("whileTyping");
        QTest::newRow("while the phrase is typed") << true;
        QTest::newRow("once the phrase is in") << false;
    }
    void showShortcutRightAfterAPhrase()
    {
        QFETCH(bool, whileTyping);
        const QString typed =
            QStringLiteral("that tiny tot tapped the tent; ").repeated(13).left(400);
        QJsonArray phrases;
        for (int i = 0; i < 300; ++i)
            phrases.append(phrase(QStringLiteral("p%1").arg(i),
                                  i ? QStringLiteral("other %1").arg(i) : typed, ctrlAlt, 0x31));
        const QJsonObject settings{{QStringLiteral("importedV3"), true},
                                   {QStringLiteral("language"), QStringLiteral("en")},
                                   {QStringLiteral("closeHintSeen"), true},
                                   {QStringLiteral("closeHintShown"), true}};
        QVERIFY(writeDataFile(dataFile, settings, phrases));
        QVERIFY(program.start());
        QVERIFY(program.waitFor(QStringLiteral("idle")));
        mainWindow = 0;
        QVERIFY(waitUntil([this] { return (mainWindow = visibleWindowNamed(programTitle)) != 0; },
                          10000));
        TextTarget tk(session);
        tk.setProgram(QStringLiteral("/usr/bin/python3"),
                      {X11Session::programPath(QStringLiteral("tktarget.py"))});
        QVERIFY(tk.start(30000));
        QString expected;
        for (int round = 0; round < 6; ++round) {
            QVERIFY(tk.activate());
            const int shown = program.count(QStringLiteral("window shown"));
            const int hidden = program.count(QStringLiteral("window hidden"));
            tk.takeChanges();
            atomicPress(xlib);
            expected += typed;
            if (whileTyping) {
                // Pressed once the first of the phrase's characters is in.
                QVERIFY(tk.waitForChange(20000));
            } else {
                QVERIFY2(tk.waitForText(expected, 20000), qPrintable(tk.text()));
            }
            pressShowShortcut();
            // Shown at start and after every second round: hidden now.
            const bool hides = round % 2 == 0;
            QVERIFY2(
                program.waitFor(hides ? QStringLiteral("window hidden")
                                      : QStringLiteral("window shown"),
                                (hides ? hidden : shown) + 1, 10000),
                qPrintable(QStringLiteral("round %1: ").arg(round) + program.trace().right(1500)));
            // The press went to the program alone: the editor holds the
            // phrases and nothing else (Tk's Ctrl+T swaps two characters).
            QVERIFY2(tk.waitForText(expected, 20000), qPrintable(tk.text().right(100)));
            QCOMPARE(tk.fetchText(), expected);
        }
        QVERIFY(program.terminate());
    }

private:
    void pressShowShortcut()
    {
        const KeyCode ctrl = XKeysymToKeycode(xlib, XK_Control_L);
        const KeyCode t = XKeysymToKeycode(xlib, XK_t);
        XTestFakeKeyEvent(xlib, ctrl, True, CurrentTime);
        XTestFakeKeyEvent(xlib, t, True, CurrentTime);
        XTestFakeKeyEvent(xlib, t, False, CurrentTime);
        XTestFakeKeyEvent(xlib, ctrl, False, CurrentTime);
        XSync(xlib, False);
    }

    // Presses Ctrl+T and measures until the main window is mapped (shown
    // true) or unmapped; -1 when that has not happened within notHungMs.
    qint64 showShortcutAnswerMs(bool shown)
    {
        QElapsedTimer timer;
        pressShowShortcut();
        timer.start();
        while (timer.elapsed() < notHungMs) {
            XWindowAttributes a;
            if (XGetWindowAttributes(xlib, mainWindow, &a) && (a.map_state == IsViewable) == shown)
                return timer.elapsed();
            QThread::usleep(500);
        }
        return -1;
    }

    X11Session *session;
    TextTarget target;
    TextTarget other;
    TracedProgram program;
    Display *xlib = nullptr;
    Window mainWindow = 0;
    int mainArea = 0;
    QString dataFile;
};

SCRIVLET_X11_TEST_MAIN(ShortcutBurstTest)
#include "tst_shortcutburst.moc"
