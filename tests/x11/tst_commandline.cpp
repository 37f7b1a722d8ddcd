// The command line end to end: the real program running in a private X
// session with a prepared data file, and later starts that hand it commands
// ("--type NAME", "--list", ...) and report the outcome by their exit status.

#include "base/hotkey.h"
#include "x11/scrivletprocess.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QDateTime>
#include <QJsonDocument>
#include <QProcess>

#include <QtTest>
#include <memory>
#include <vector>

// Last: it brings Xlib's macros.
#include "x11/programdriver.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

const QString greeting = QString::fromUtf8("Grüße aus Köln ✓");
const QString lines = QStringLiteral("first line\nsecond line\nthird line");
const QString helpText = QStringLiteral("the phrase named --help");
const QString selfTestText = QStringLiteral("the phrase named --self-test");
const QString escapeName = QStringLiteral("\x1b]52;c;aGk=\x07"
                                          "Evil\nSecond");
// Four characters, not a line break.
const QString backslashName = QStringLiteral("Not\\x0Aa break");
// --list, with the escape and the line break shown, not sent, and the
// backslash shown apart from them.
const QString listed = QStringLiteral("Greeting\nThree lines\n--help\n--self-test\n"
                                      "\\x1B]52;c;aGk=\\x07"
                                      "Evil\\x0ASecond\n"
                                      "Not\\x5Cx0Aa break\n");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

public:
    explicit CommandLineTest(X11Session *session)
        : session(session), target(session), program(session)
    {}

private slots:
    void initTestCase()
    {
        QVERIFY(program.display());
        QVERIFY(target.start());
        QJsonObject off =
            ScrivletProcess::phrase(QStringLiteral("off"), QStringLiteral("never"), 0, 0);
        off.insert(QStringLiteral("name"), QStringLiteral("Switched off"));
        off.insert(QStringLiteral("enabled"), false);
        QJsonObject hello = ScrivletProcess::phrase(QStringLiteral("greeting"), greeting, 0, 0);
        hello.insert(QStringLiteral("name"), QStringLiteral("Greeting"));
        QJsonObject several = ScrivletProcess::phrase(QStringLiteral("lines"), lines, 0, 0);
        several.insert(QStringLiteral("name"), QStringLiteral("Three lines"));
        // Names a hostile backup could bring: option words, and a terminal
        // escape that writes the clipboard followed by a line break.
        QJsonObject help = ScrivletProcess::phrase(QStringLiteral("help"), helpText, 0, 0);
        help.insert(QStringLiteral("name"), QStringLiteral("--help"));
        QJsonObject selfTest = ScrivletProcess::phrase(QStringLiteral("self"), selfTestText, 0, 0);
        selfTest.insert(QStringLiteral("name"), QStringLiteral("--self-test"));
        QJsonObject escape =
            ScrivletProcess::phrase(QStringLiteral("esc"), QStringLiteral("e"), 0, 0);
        escape.insert(QStringLiteral("name"), escapeName);
        QJsonObject backslash =
            ScrivletProcess::phrase(QStringLiteral("backslash"), QStringLiteral("b"), 0, 0);
        backslash.insert(QStringLiteral("name"), backslashName);
        QVERIFY(program.writeDataFile(
            QJsonArray{hello, off, several, help, selfTest, escape, backslash},
            QJsonObject{{QStringLiteral("startMinimized"), true}}));
    }

    void cleanupTestCase() { program.kill(); }

    // Before any copy of the usual folder runs. A list kept in a folder
    // given on the command line: listed and typed from there, by the copy
    // started with it and by later starts, while a start that names another
    // folder is told which one the running copy uses; nothing is written
    // beside the usual data file. Then a folder chosen in Options (the
    // pointer beside the usual data file) is where the next start finds the
    // list.
    void dataFolderOnTheCommandLine()
    {
        const QString usual = ProgramDriver::dataFolder();
        const QByteArray usualBytes = readAll(ProgramDriver::dataFilePath());
        const QStringList usualEntries = QDir(usual).entryList(QDir::AllEntries | QDir::Hidden);
        const QString portable = scratch.filePath(QStringLiteral("stick/Phrases"));
        QVERIFY(QDir().mkpath(portable));
        const QString portableText = QStringLiteral("from the stick");
        QJsonObject onStick = ScrivletProcess::phrase(QStringLiteral("stick"), portableText, 0, 0);
        onStick.insert(QStringLiteral("name"), QStringLiteral("Portable"));
        QVERIFY(ProgramDriver::writeDataFile(
            portable + QLatin1String("/phrases.json"),
            QJsonObject{{QStringLiteral("importedV3"), true},
                        {QStringLiteral("language"), QStringLiteral("en")},
                        {QStringLiteral("startMinimized"), true}},
            QJsonArray{onStick}));

        // No copy runs: the list is read from the folder given, relative to
        // the current folder.
        const Outcome listed = run({QStringLiteral("--data-dir"), QStringLiteral("stick/Phrases"),
                                    QStringLiteral("--list")},
                                   scratch.path());
        QCOMPARE(listed.status, 0);
        QCOMPARE(listed.out, QStringLiteral("Portable\n"));

        QProcess *copy = session->startProcess(
            QStringLiteral(SCRIVLET_EXE),
            {QStringLiteral("--in-tray"), QStringLiteral("--data-dir=") + portable});
        QVERIFY(ProgramDriver::waitUntil(
            [this] { return run({QStringLiteral("--resume")}).status == 0; }, 10000));
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        QCOMPARE(run({QStringLiteral("--data-dir"), portable, QStringLiteral("--type"),
                      QStringLiteral("Portable")})
                     .status,
                 0);
        QVERIFY(target.waitForText(portableText));
        // A command without --data-dir goes to the copy that runs.
        QCOMPARE(run({QStringLiteral("--list")}).out, QStringLiteral("Portable\n"));
        // Another folder: refused, and the folder in use named.
        for (const QStringList &arguments :
             {QStringList{QStringLiteral("--data-dir"), usual, QStringLiteral("--list")},
              QStringList{QStringLiteral("--data-dir"), usual}}) {
            const Outcome refused = run(arguments);
            QCOMPARE(refused.status, 1);
            QVERIFY2(refused.err.contains(portable), qPrintable(refused.err));
            QVERIFY(refused.out.isEmpty());
        }
        copy->kill();
        copy->waitForFinished(5000);
        // A folder that cannot be made: said, and nothing starts.
        const Outcome cannot = run(
            {QStringLiteral("--data-dir"), ProgramDriver::dataFilePath() + QLatin1String("/x")});
        QCOMPARE(cannot.status, 1);
        QVERIFY2(cannot.err.contains(QStringLiteral("cannot hold the phrase list")),
                 qPrintable(cannot.err));
        QCOMPARE(readAll(ProgramDriver::dataFilePath()), usualBytes);
        QCOMPARE(QDir(usual).entryList(QDir::AllEntries | QDir::Hidden), usualEntries);

        // The pointer a move in Options leaves decides where a start looks.
        const QString pointer = usual + QLatin1String("/location.json");
        QFile file(pointer);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("dataFolder"), portable}}).toJson());
        file.close();
        copy = session->startProcess(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--in-tray")});
        QVERIFY(ProgramDriver::waitUntil(
            [this] { return run({QStringLiteral("--resume")}).status == 0; }, 10000));
        QCOMPARE(run({QStringLiteral("--list")}).out, QStringLiteral("Portable\n"));
        copy->kill();
        copy->waitForFinished(5000);
        QVERIFY(QFile::remove(pointer));
        QCOMPARE(readAll(ProgramDriver::dataFilePath()), usualBytes);
    }

    // No copy runs: the data file in the folder given takes the phrases of
    // another tool's file itself (named relative to the caller's folder),
    // and the summary says what came over and what did not.
    void importWithoutARunningCopy()
    {
        const QString folder = scratch.filePath(QStringLiteral("imported"));
        const QString data = QStringLiteral(SCRIVLET_IMPORT_DATA);
        const struct
        {
            const char *file;
            const char *summary;
            const char *note; // a line of the entries left out, or none
        } files[] = {
            {"espanso-base.yml", "Imported 9 new phrase(s).\n10 not imported:\n",
             ":ip: it runs a command or a script (output)\n"},
            {"espanso-windows.yml", "Imported 2 new phrase(s).\n", nullptr},
            {"beeftext.json", "Imported 3 new phrase(s).\n3 not imported:\n",
             "bask: it uses a variable that has no equivalent here (input)\n"},
            {"beeftext.csv", "Imported 2 new phrase(s).\n1 not imported:\n", nullptr},
            {"plain.csv", "Imported 2 new phrase(s).\n2 not imported:\n",
             ";empty: it has no text\n"},
        };
        int phrases = 0;
        for (const auto &f : files) {
            const Outcome imported = run({QStringLiteral("--data-dir"), folder,
                                          QStringLiteral("--import"), QLatin1String(f.file)},
                                         data);
            QCOMPARE(imported.status, 0);
            QVERIFY2(imported.out.startsWith(QString::fromUtf8(f.summary)),
                     qPrintable(imported.out));
            if (f.note)
                QVERIFY2(imported.out.contains(QString::fromUtf8(f.note)),
                         qPrintable(imported.out));
            QVERIFY(imported.err.isEmpty());
            phrases += QString::fromUtf8(f.summary).section(QLatin1Char(' '), 1, 1).toInt();
        }
        const QJsonArray stored =
            QJsonDocument::fromJson(readAll(folder + QLatin1String("/phrases.json")))
                .object()
                .value(QStringLiteral("phrases"))
                .toArray();
        QCOMPARE(stored.size(), phrases);
        // The same again: nothing new, and said so.
        const Outcome again = run({QStringLiteral("--data-dir"), folder, QStringLiteral("--import"),
                                   data + QLatin1String("/plain.csv")});
        QCOMPARE(again.status, 0);
        QVERIFY2(
            again.out.startsWith(QStringLiteral(
                "Imported 0 new phrase(s). 2 skipped: the same text is already in your list.")),
            qPrintable(again.out));

        const Outcome missing = run({QStringLiteral("--data-dir"), folder,
                                     QStringLiteral("--import"), QStringLiteral("none.yml")});
        QCOMPARE(missing.status, 1);
        QCOMPARE(missing.err, QStringLiteral("Could not read the file.\n"));
        const Outcome noFile = run({QStringLiteral("--import")});
        QCOMPARE(noFile.status, 2);
    }

    // No copy runs yet: --list reads the data file, --toggle-window says
    // there is no copy, and --type starts one in the tray and types.
    void withoutARunningCopy()
    {
        Outcome list = run({QStringLiteral("--list")});
        QCOMPARE(list.status, 0);
        QCOMPARE(list.out, listed);

        // A malformed command line starts nothing either.
        Outcome typo = run({QStringLiteral("--tpye"), QStringLiteral("Greeting")});
        QCOMPARE(typo.status, 2);
        QVERIFY2(
            typo.err.startsWith(QStringLiteral("Unknown option “--tpye”: did you mean --type?")),
            qPrintable(typo.err));
        QCOMPARE(run({QStringLiteral("--bogus")}).status, 2);

        Outcome toggle = run({QStringLiteral("--toggle-window")});
        QCOMPARE(toggle.status, 1);
        QVERIFY2(toggle.err.contains(QStringLiteral("not running")), qPrintable(toggle.err));

        QVERIFY(target.clear());
        QVERIFY(target.activate());
        Outcome typed = run({QStringLiteral("--type"), QStringLiteral("Greeting")});
        QCOMPARE(typed.status, 0);
        QVERIFY(target.waitForText(greeting));
        // The copy it started stays, in the tray, without a window.
        QTest::qWait(300);
        QVERIFY(!ProgramDriver::visibleWindowNamed(ProgramDriver::programTitle));
        QVERIFY(run({QStringLiteral("--pause")}).status == 0);
        QVERIFY(run({QStringLiteral("--resume")}).status == 0);
        // The running copy lists the same, escaped once.
        QCOMPARE(run({QStringLiteral("--list")}).out, listed);
    }

    void typeIntoTheWindowInFront_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one line") << QStringList{QStringLiteral("--type"),
                                                 QStringLiteral("Greeting")}
                                  << greeting;
        QTest::newRow("three lines, --type=")
            << QStringList{QStringLiteral("--type=Three lines")} << lines;
        QTest::newRow("a name like an option, after --")
            << QStringList{QStringLiteral("--type"), QStringLiteral("--"), QStringLiteral("--help")}
            << helpText;
        QTest::newRow("the name --self-test, after --")
            << QStringList{QStringLiteral("--type"), QStringLiteral("--"),
                           QStringLiteral("--self-test")}
            << selfTestText;
    }
    void typeIntoTheWindowInFront()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        const Outcome typed = run(arguments);
        QCOMPARE(typed.status, 0);
        QVERIFY(typed.err.isEmpty());
        QVERIFY(target.waitForText(expected));
    }

    // Two at once: each text goes in whole, one after the other, and the
    // later one waits for the first rather than typing through it.
    void twoAtOnceDoNotInterleave()
    {
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        QProcess first;
        QProcess second;
        for (QProcess *p : {&first, &second})
            p->setProcessEnvironment(session->environment());
        first.start(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--type=Three lines")});
        second.start(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--type=Greeting")});
        // Waited for with the event loop running: the editor's reports come
        // in meanwhile.
        QTRY_VERIFY_WITH_TIMEOUT(
            first.state() == QProcess::NotRunning && second.state() == QProcess::NotRunning, 40000);
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        const QStringList either{lines + greeting, greeting + lines};
        QTRY_VERIFY2_WITH_TIMEOUT(either.contains(target.fetchText()), qPrintable(target.text()),
                                  10000);
    }

    // A desktop that runs a held shortcut's command at every key repeat
    // (GNOME's custom shortcuts carry --once): a burst of the same command
    // 30 ms apart, as a held key's repeats come, puts the phrase in once and
    // every command exits 0; the same commands without --once, as a script's,
    // each put it in.
    void repeatsOfAHeldShortcutCountOnce()
    {
        const auto burst = [this](bool once) {
            std::vector<std::unique_ptr<QProcess>> runs;
            for (int i = 0; i < 5; ++i) {
                auto process = std::make_unique<QProcess>();
                process->setProcessEnvironment(session->environment());
                QStringList arguments{QStringLiteral("--type"), QStringLiteral("Greeting")};
                if (once)
                    arguments.prepend(QStringLiteral("--once"));
                process->start(QStringLiteral(SCRIVLET_EXE), arguments);
                runs.push_back(std::move(process));
                QTest::qWait(30);
            }
            for (const auto &p : runs) {
                QTRY_VERIFY_WITH_TIMEOUT(p->state() == QProcess::NotRunning, 40000);
                QCOMPARE(p->exitCode(), 0);
            }
        };
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        burst(true);
        QVERIFY(target.waitForText(greeting));
        // Nothing more comes: a second copy would be in by now.
        QTest::qWait(500);
        QCOMPARE(target.fetchText(), greeting);

        QVERIFY(target.clear());
        QVERIFY(target.activate());
        burst(false);
        QTRY_COMPARE_WITH_TIMEOUT(target.fetchText(), greeting.repeated(5), 20000);
    }

    void failuresSayWhy_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("no such phrase")
            << QStringList{QStringLiteral("--type"), QStringLiteral("Nope")} << 1
            << QStringLiteral("No enabled phrase is named “Nope”.");
        QTest::newRow("switched off")
            << QStringList{QStringLiteral("--type"), QStringLiteral("Switched off")} << 1
            << QStringLiteral("No enabled phrase is named “Switched off”.");
        QTest::newRow("no name") << QStringList{QStringLiteral("--type")} << 2
                                 << QStringLiteral("--type needs the name of a phrase.");
        QTest::newRow("two commands")
            << QStringList{QStringLiteral("--pause"), QStringLiteral("--resume")} << 2
            << QStringLiteral("Only one command at a time");
        // A typo, an unknown option or a word too many fails with the usage:
        // a script or a desktop's binding shows it, and the running copy's
        // window does not come forward instead.
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 2
                                        << QStringLiteral("Unknown option “--bogus”.");
        QTest::newRow("a typo") << QStringList{QStringLiteral("--tpye"), QStringLiteral("Greeting")}
                                << 2
                                << QStringLiteral("Unknown option “--tpye”: did you mean --type?");
        QTest::newRow("an unknown option after --type")
            << QStringList{QStringLiteral("--type"), QStringLiteral("Greeting"),
                           QStringLiteral("--bogus")}
            << 2 << QStringLiteral("Unknown option “--bogus”.");
        QTest::newRow("a word too many")
            << QStringList{QStringLiteral("--type"), QStringLiteral("Greeting"),
                           QStringLiteral("extra")}
            << 2 << QStringLiteral("--type takes one name: “extra” is a word too many");
        QTest::newRow("a word without a command") << QStringList{QStringLiteral("Greeting")} << 2
                                                  << QStringLiteral("Unexpected “Greeting”");
        // An option word is never a phrase's name: neither the help nor the
        // self-test runs, and nothing is typed.
        for (const char *word : {"--help", "-h", "--self-test"})
            QTest::newRow(qPrintable(QStringLiteral("--type %1").arg(QLatin1String(word))))
                << QStringList{QStringLiteral("--type"), QLatin1String(word)} << 2
                << QStringLiteral("“%1” is an option, not a phrase's name")
                       .arg(QLatin1String(word));
    }
    void failuresSayWhy()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        const Outcome outcome = run(arguments);
        QCOMPARE(outcome.status, status);
        QVERIFY2(outcome.err.startsWith(said), qPrintable(outcome.err));
        QVERIFY2(!outcome.out.contains(QLatin1String("Usage:")), qPrintable(outcome.out));
        // A malformed command line says how it goes, on standard error.
        QCOMPARE(outcome.err.contains(QLatin1String("\nUsage: scrivlet")), status == 2);
        QVERIFY(!QFileInfo::exists(scratch.filePath(QStringLiteral("vt-sc-selftest"))));
        // Whatever the copy does it does in order: a phrase typed now lands
        // after anything the failed command could have typed.
        QVERIFY(run({QStringLiteral("--type"), QStringLiteral("Greeting")}).status == 0);
        QVERIFY(target.waitForText(greeting));
        // Carried out in order too: a window the failure had asked for would
        // be up by now.
        QVERIFY(!ProgramDriver::visibleWindowNamed(ProgramDriver::programTitle));
    }

    void version()
    {
        const Outcome outcome = run({QStringLiteral("--version")});
        QCOMPARE(outcome.status, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("^Zem Scrivlet \\d+\\.\\d+(\\.\\d+)?\\n$"))
                     .match(outcome.out)
                     .hasMatch(),
                 qPrintable(outcome.out));
        QVERIFY(outcome.err.isEmpty());
        QVERIFY(!ProgramDriver::visibleWindowNamed(ProgramDriver::programTitle));

        // The help is our own text: its backslashes are shown as written.
        const Outcome help = run({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.contains(QStringLiteral("characters in a name as \\xHH or \\uHHHH")),
                 qPrintable(help.out));
        const Outcome typo = run({QStringLiteral("--tpye")});
        QCOMPARE(typo.status, 2);
        QVERIFY2(typo.err.contains(QStringLiteral("characters in a name as \\xHH or \\uHHHH")),
                 qPrintable(typo.err));
    }

    // Paused, --type is refused like the phrase's shortcut; --resume brings
    // it back.
    void pauseAndResume()
    {
        QCOMPARE(run({QStringLiteral("--pause")}).status, 0);
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        const Outcome refused = run({QStringLiteral("--type"), QStringLiteral("Greeting")});
        QCOMPARE(refused.status, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("paused")), qPrintable(refused.err));
        QCOMPARE(run({QStringLiteral("--resume")}).status, 0);
        QCOMPARE(run({QStringLiteral("--type"), QStringLiteral("Greeting")}).status, 0);
        QVERIFY(target.waitForText(greeting));
    }

    void windowPanelAndPicker()
    {
        QCOMPARE(run({QStringLiteral("--toggle-window")}).status, 0);
        QVERIFY(ProgramDriver::waitUntil(
            [] { return ProgramDriver::visibleWindowNamed(ProgramDriver::programTitle) != 0; },
            5000));
        QCOMPARE(run({QStringLiteral("--toggle-window")}).status, 0);
        QVERIFY(ProgramDriver::waitUntil(
            [] { return ProgramDriver::visibleWindowNamed(ProgramDriver::programTitle) == 0; },
            5000));

        QCOMPARE(run({QStringLiteral("--toggle-panel")}).status, 0);
        QTRY_VERIFY_WITH_TIMEOUT(ProgramDriver::storedSettings(ProgramDriver::dataFilePath())
                                     .value(QStringLiteral("showFloatingPanel"))
                                     .toBool(),
                                 5000);
        QCOMPARE(run({QStringLiteral("--toggle-panel")}).status, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!ProgramDriver::storedSettings(ProgramDriver::dataFilePath())
                                      .value(QStringLiteral("showFloatingPanel"))
                                      .toBool(),
                                 5000);

        // The picker opens over the editor and types the chosen phrase.
        QVERIFY(target.clear());
        QVERIFY(target.activate());
        QCOMPARE(run({QStringLiteral("--picker")}).status, 0);
        QVERIFY(ProgramDriver::waitUntil(
            [] { return ProgramDriver::visibleWindowNamed(QStringLiteral("Picker")) != 0; }, 5000));
        program.press({}, XK_g);
        program.press({}, XK_Return);
        QVERIFY(target.waitForText(greeting));
    }

    // The running copy takes the file, answers with the summary and shows
    // its notice; the new phrases are in its list at once.
    void importIntoTheRunningCopy()
    {
        const Outcome imported =
            run({QStringLiteral("--import"), QStringLiteral("espanso-windows.yml")},
                QStringLiteral(SCRIVLET_IMPORT_DATA));
        QCOMPARE(imported.status, 0);
        QCOMPARE(imported.out, QStringLiteral("Imported 2 new phrase(s).\n"));
        QVERIFY(run({QStringLiteral("--list")}).out.endsWith(QStringLiteral(";gr\nTwo lines\n")));
        const Outcome broken = run({QStringLiteral("--import"), scratch.path()});
        QCOMPARE(broken.status, 1);
        QCOMPARE(broken.err, QStringLiteral("Could not read the file.\n"));
    }

private:
    Outcome run(const QStringList &arguments, const QString &workingFolder = QString())
    {
        QProcess process;
        if (!workingFolder.isEmpty())
            process.setWorkingDirectory(workingFolder);
        QProcessEnvironment env = session->environment();
        env.insert(QStringLiteral("TMPDIR"), scratch.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(SCRIVLET_EXE), arguments);
        Outcome outcome;
        if (!process.waitForFinished(40000)) {
            process.kill();
            process.waitForFinished();
            return outcome;
        }
        outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
        return outcome;
    }

    X11Session *session;
    TextTarget target;
    ScrivletProcess program; // writes the data file; presses keys
    QTemporaryDir scratch;   // the commands' temporary folder
};

SCRIVLET_X11_TEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
