// The main road end to end: the real program in a private X session with a
// prepared data file, shortcuts pressed with XTest while another program's
// editor has the focus, the hand-over of a second start and a minimised start.
// The pause switch has no command of its own in the program yet, so that part
// drives a main window built in this process over the same X server.

#include "hotkeys/hotkey.h"
#include "mainwindow/mainwindow.h"
#include "platform/desktop.h"
#include "store/phrasestore.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
const QString greeting = QStringLiteral("Hello from the main road");
const QString programTitle = QStringLiteral("Zem Scrivlet");

QJsonObject phraseJson(const QString &id, const QString &text, int mods, int vk)
{
    return QJsonObject{{QStringLiteral("id"), id},
                       {QStringLiteral("name"), id},
                       {QStringLiteral("text"), text},
                       {QStringLiteral("vk"), vk},
                       {QStringLiteral("mods"), mods},
                       {QStringLiteral("enabled"), true},
                       {QStringLiteral("lastUsed"), QStringLiteral("0")}};
}

} // namespace

class MainRoadTest : public QObject
{
    Q_OBJECT

public:
    explicit MainRoadTest(X11Session *session) : session(session), target(session) {}

private slots:
    void initTestCase()
    {
        QVERIFY(session->isKeyComboFree(XK_1, ControlMask | Mod1Mask));
        QVERIFY(session->isKeyComboFree(XK_2, ControlMask | Mod1Mask));
        QVERIFY(session->isKeyComboFree(XK_t, ControlMask));
        xlib = XOpenDisplay(nullptr);
        QVERIFY(xlib);
        QVERIFY(target.start());
        dataFile =
            qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Vantok/Scrivlet/phrases.json");
        QVERIFY(QDir().mkpath(QFileInfo(dataFile).path()));
    }

    void cleanupTestCase()
    {
        stopProgram();
        if (xlib)
            XCloseDisplay(xlib);
    }

    void phraseShortcutTypesIntoTheEditor()
    {
        QVERIFY(writeDataFile(false));
        QVERIFY(startProgram());
        QVERIFY(waitUntil([this] { return mainWindowVisible(); }, 10000));

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        press({XK_Control_L, XK_Alt_L}, XK_1);
        QVERIFY(target.waitForText(greeting));
        QTRY_VERIFY_WITH_TIMEOUT(storedLastUsed() >= before, 5000);
        QVERIFY(storedLastUsed() <= QDateTime::currentSecsSinceEpoch());
    }

    void secondStartShowsTheHiddenWindow()
    {
        QVERIFY(program);
        QVERIFY(target.activate());
        press({XK_Control_L}, XK_t); // the show/hide shortcut hides it
        QVERIFY(waitUntil([this] { return !mainWindowVisible(); }, 5000));
        QVERIFY(handOver());
        QVERIFY(waitUntil([this] { return mainWindowVisible(); }, 5000));
    }

    void minimisedStartShowsNoWindow()
    {
        stopProgram();
        QVERIFY(writeDataFile(true));
        QVERIFY(startProgram());
        // Running and registered: it holds the phrase's combination.
        QTRY_VERIFY_WITH_TIMEOUT(!session->isKeyComboFree(XK_1, ControlMask | Mod1Mask), 10000);
        QTest::qWait(500);
        QVERIFY(!mainWindowVisible());
        QVERIFY(handOver());
        QVERIFY(waitUntil([this] { return mainWindowVisible(); }, 5000));
        stopProgram();
    }

    void pauseStopsTypingAndResumeBringsItBack()
    {
        QTRY_VERIFY_WITH_TIMEOUT(session->isKeyComboFree(XK_1, ControlMask | Mod1Mask), 5000);
        QTemporaryDir folder;
        PhraseStore store(folder.path());
        store.setLegacyFilePath(folder.filePath(QStringLiteral("none")));
        store.settings().importedV3 = true;
        Phrase phrase;
        phrase.id = Phrase::newId();
        phrase.text = QStringLiteral("paused or not");
        phrase.mods = ctrlAlt;
        phrase.vk = 0x32;
        store.phrases() << phrase;
        const std::unique_ptr<Desktop> desktop = createDesktop();
        QTranslator translator;
        MainWindow window(&store, &translator, desktop.get());

        window.togglePause();
        QVERIFY(session->isKeyComboFree(XK_2, ControlMask | Mod1Mask));
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        press({XK_Control_L, XK_Alt_L}, XK_2);
        QTest::qWait(500);
        QVERIFY2(!target.text().contains(phrase.text), qPrintable(target.text()));

        window.togglePause();
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        press({XK_Control_L, XK_Alt_L}, XK_2);
        QVERIFY(target.waitForText(phrase.text));
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
        QTemporaryDir folder;
        PhraseStore store(folder.path());
        store.setLegacyFilePath(folder.filePath(QStringLiteral("none")));
        store.settings().importedV3 = true;
        Phrase phrase;
        phrase.id = Phrase::newId();
        phrase.text = text;
        phrase.mods = ctrlAlt;
        phrase.vk = 0x33;
        store.phrases() << phrase;
        const std::unique_ptr<Desktop> desktop = createDesktop();
        QTranslator translator;
        MainWindow window(&store, &translator, desktop.get());
        QVERIFY(target.clear());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.searchBox()->setFocus();
        press({XK_Control_L, XK_Alt_L}, XK_3);
        QTRY_COMPARE(window.searchBox()->text(), text);
        QTest::qWait(300);
        QVERIFY2(target.text().isEmpty(), qPrintable(target.text()));
        QVERIFY(store.phrases().first().lastUsed > 0);
    }

private:
    bool writeDataFile(bool startMinimized)
    {
        const QJsonObject settings{{QStringLiteral("importedV3"), true},
                                   {QStringLiteral("language"), QStringLiteral("en")},
                                   {QStringLiteral("startMinimized"), startMinimized}};
        const QJsonObject root{
            {QStringLiteral("version"), 1},
            {QStringLiteral("settings"), settings},
            {QStringLiteral("phrases"),
             QJsonArray{phraseJson(QStringLiteral("greeting"), greeting, ctrlAlt, 0x31)}}};
        QFile file(dataFile);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(QJsonDocument(root).toJson()) > 0;
    }

    qint64 storedLastUsed() const
    {
        QFile file(dataFile);
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        const QJsonArray phrases = QJsonDocument::fromJson(file.readAll())
                                       .object()
                                       .value(QStringLiteral("phrases"))
                                       .toArray();
        return phrases.isEmpty() ? 0
                                 : phrases.at(0)
                                       .toObject()
                                       .value(QStringLiteral("lastUsed"))
                                       .toString()
                                       .toLongLong();
    }

    bool startProgram()
    {
        program = session->startProcess(QStringLiteral(SCRIVLET_EXE), {});
        return program->waitForStarted(5000);
    }

    void stopProgram()
    {
        if (!program)
            return;
        program->kill();
        program->waitForFinished(5000);
        program = nullptr; // the session owns and deletes it
    }

    // A second start: it must hand over and exit with 0.
    bool handOver()
    {
        QProcess *second = session->startProcess(QStringLiteral(SCRIVLET_EXE), {});
        if (!second->waitForFinished(5000))
            return false;
        return second->exitStatus() == QProcess::NormalExit && second->exitCode() == 0;
    }

    // Polls against the clock: each check starts a process and takes its own
    // time.
    template <typename Condition> static bool waitUntil(Condition condition, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > timeoutMs)
                return false;
            QTest::qWait(50);
        }
        return true;
    }

    // A viewable top-level window with the program's title.
    bool mainWindowVisible()
    {
        QProcess search;
        search.start(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), QStringLiteral("^%1$").arg(programTitle)});
        search.waitForFinished(5000);
        return search.exitCode() == 0 && !search.readAllStandardOutput().trimmed().isEmpty();
    }

    void press(std::initializer_list<KeySym> modifiers, KeySym key)
    {
        for (KeySym m : modifiers)
            XTestFakeKeyEvent(xlib, XKeysymToKeycode(xlib, m), True, CurrentTime);
        XTestFakeKeyEvent(xlib, XKeysymToKeycode(xlib, key), True, CurrentTime);
        XTestFakeKeyEvent(xlib, XKeysymToKeycode(xlib, key), False, CurrentTime);
        for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
            XTestFakeKeyEvent(xlib, XKeysymToKeycode(xlib, *it), False, CurrentTime);
        XSync(xlib, False);
    }

    X11Session *session;
    TextTarget target;
    Display *xlib = nullptr;
    QString dataFile;
    QProcess *program = nullptr;
};

SCRIVLET_X11_TEST_MAIN(MainRoadTest)
#include "tst_mainroad.moc"
