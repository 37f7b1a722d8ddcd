// The main road end to end: the real program in a private X session with a
// prepared data file, shortcuts pressed with XTest while another program's
// editor has the focus, the hand-over of a second start and a minimised start.
// The pause switch and our own search box as the target drive a main window
// built in this process over the same X server, where its widgets can be read.

#include "base/hotkey.h"
#include "dispatch/phrasedispatcher.h"
#include "mainwindow/mainwindow.h"
#include "platform/desktop.h"
#include "store/phrasestore.h"
#include "x11/scrivletprocess.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QDateTime>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// Last: it brings Xlib's macros.
#include "x11/programdriver.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <memory>

namespace {

constexpr int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
const QString greeting = QStringLiteral("Hello from the main road");

// A store in a folder of its own with one phrase on Ctrl+Alt+vk, for a main
// window made in this process.
struct LocalStore
{
    QTemporaryDir folder;
    PhraseStore store{folder.path()};
    LocalStore(const QString &text, int vk)
    {
        store.setLegacyFilePath(folder.filePath(QStringLiteral("none")));
        store.settings().importedV3 = true;
        Phrase phrase;
        phrase.id = Phrase::newId();
        phrase.text = text;
        phrase.mods = ctrlAlt;
        phrase.vk = vk;
        store.phrases() << phrase;
    }
};

} // namespace

class MainRoadTest : public QObject
{
    Q_OBJECT

public:
    explicit MainRoadTest(X11Session *session) : session(session), target(session), program(session)
    {}

private slots:
    void initTestCase()
    {
        QVERIFY(session->isKeyComboFree(XK_1, ControlMask | Mod1Mask));
        QVERIFY(session->isKeyComboFree(XK_2, ControlMask | Mod1Mask));
        QVERIFY(session->isKeyComboFree(XK_t, ControlMask));
        QVERIFY(program.display());
        QVERIFY(target.start());
    }

    void cleanupTestCase() { program.kill(); }

    void phraseShortcutTypesIntoTheEditor()
    {
        QVERIFY(writeDataFile(false));
        QVERIFY(program.start());
        QVERIFY(ProgramDriver::waitUntil([this] { return mainWindowVisible(); }, 10000));

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        program.press({XK_Control_L, XK_Alt_L}, XK_1);
        QVERIFY(target.waitForText(greeting));
        QTRY_VERIFY_WITH_TIMEOUT(program.storedLastUsed(QStringLiteral("greeting")) >= before,
                                 5000);
        QVERIFY(program.storedLastUsed(QStringLiteral("greeting")) <=
                QDateTime::currentSecsSinceEpoch());
    }

    void secondStartShowsTheHiddenWindow()
    {
        QVERIFY(program.process());
        QVERIFY(target.activate());
        program.press({XK_Control_L}, XK_t); // the show/hide shortcut hides it
        QVERIFY(ProgramDriver::waitUntil([this] { return !mainWindowVisible(); }, 5000));
        QVERIFY(handOver());
        QVERIFY(ProgramDriver::waitUntil([this] { return mainWindowVisible(); }, 5000));
    }

    void minimisedStartShowsNoWindow()
    {
        program.kill();
        QVERIFY(writeDataFile(true));
        QVERIFY(program.start());
        // Running and registered: it holds the phrase's combination.
        QVERIFY(program.waitUntilHolding(XK_1, ControlMask | Mod1Mask));
        QTest::qWait(500);
        QVERIFY(!mainWindowVisible());
        QVERIFY(handOver());
        QVERIFY(ProgramDriver::waitUntil([this] { return mainWindowVisible(); }, 5000));
        program.kill();
    }

    void pauseStopsTypingAndResumeBringsItBack()
    {
        QTRY_VERIFY_WITH_TIMEOUT(session->isKeyComboFree(XK_1, ControlMask | Mod1Mask), 5000);
        LocalStore local(QStringLiteral("paused or not"), 0x32);
        const std::unique_ptr<Desktop> desktop = createDesktop();
        QTranslator translator;
        MainWindow window(&local.store, &translator, desktop.get());

        window.dispatcher()->togglePause();
        QVERIFY(session->isKeyComboFree(XK_2, ControlMask | Mod1Mask));
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        program.press({XK_Control_L, XK_Alt_L}, XK_2);
        QTest::qWait(500);
        QVERIFY2(target.text().isEmpty(), qPrintable(target.text()));

        window.dispatcher()->togglePause();
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        program.press({XK_Control_L, XK_Alt_L}, XK_2);
        QVERIFY(target.waitForText(QStringLiteral("paused or not")));
    }

    // A phrase shortcut pressed while our own search box has the focus: the
    // text goes into the box, whole, and the other program gets nothing.
    void shortcutInOurOwnSearchBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("one line") << QString::fromUtf8("typed line ✓");
        QTest::newRow("several lines") << QStringLiteral("pasted\nmulti-line");
    }
    void shortcutInOurOwnSearchBox()
    {
        QFETCH(QString, text);
        LocalStore local(text, 0x33);
        const std::unique_ptr<Desktop> desktop = createDesktop();
        QTranslator translator;
        MainWindow window(&local.store, &translator, desktop.get());
        QVERIFY(target.clear());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.searchBox()->setFocus();
        program.press({XK_Control_L, XK_Alt_L}, XK_3);
        QTRY_COMPARE(window.searchBox()->text(), text);
        QTest::qWait(300);
        QVERIFY2(target.text().isEmpty(), qPrintable(target.text()));
        QVERIFY(local.store.phrases().first().lastUsed > 0);
    }

private:
    bool writeDataFile(bool startMinimized)
    {
        return program.writeDataFile(
            QJsonArray{
                ScrivletProcess::phrase(QStringLiteral("greeting"), greeting, ctrlAlt, 0x31)},
            QJsonObject{{QStringLiteral("startMinimized"), startMinimized}});
    }

    // A second start: it must hand over and exit with 0.
    bool handOver()
    {
        QProcess *second = session->startProcess(QStringLiteral(SCRIVLET_EXE), {});
        if (!second->waitForFinished(5000))
            return false;
        return second->exitStatus() == QProcess::NormalExit && second->exitCode() == 0;
    }

    bool mainWindowVisible()
    {
        return ProgramDriver::visibleWindowNamed(ProgramDriver::programTitle) != 0;
    }

    X11Session *session;
    TextTarget target;
    ScrivletProcess program;
};

SCRIVLET_X11_TEST_MAIN(MainRoadTest)
#include "tst_mainroad.moc"
