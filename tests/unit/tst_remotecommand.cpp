#include "dispatch/remotecommand.h"
#include "store/phrase.h"

#include <QDir>
#include <QtTest>

using RemoteCommand::Verb;

Q_DECLARE_METATYPE(RemoteCommand::Verb)

class RemoteCommandTest : public QObject
{
    Q_OBJECT

private slots:
    // What a command line asks for. A phrase's name is never taken for an
    // option, nor an option for a name: a name that starts with "-" goes
    // after "--".
    void arguments_data()
    {
        using Action = RemoteCommand::CommandLine::Action;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("verb");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("inTray");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *tag, QStringList args, Action action,
                            Verb verb = Verb::Show, const QString &name = {}, bool inTray = false,
                            const QString &error = {}) {
            args.prepend(QStringLiteral("scrivlet"));
            QTest::newRow(tag) << args << int(action) << int(verb) << name << inTray << error;
        };
        const QString needsName = QStringLiteral("--type needs the name of a phrase.");
        const auto optionAsName = [](const char *word) {
            return QStringLiteral("“%1” is an option, not a phrase's name: a name that starts "
                                  "with “-” goes after “--”, as in --type -- %1")
                .arg(QLatin1String(word));
        };
        row("plain start", {}, Action::Start);
        row("in the tray", {QStringLiteral("--in-tray")}, Action::Start, Verb::Show, {}, true);
        row("an argument of the toolkit", {QStringLiteral("-style"), QStringLiteral("fusion")},
            Action::Start);
        row("self-test", {QStringLiteral("--self-test")}, Action::SelfTest);
        row("help", {QStringLiteral("--help")}, Action::Help);
        row("-h", {QStringLiteral("-h")}, Action::Help);
        row("type", {QStringLiteral("--type"), QStringLiteral("Greeting")}, Action::Command,
            Verb::Type, QStringLiteral("Greeting"));
        row("type with spaces and non-ASCII",
            {QStringLiteral("--type"), QString::fromUtf8("Grüße an Sie")}, Action::Command,
            Verb::Type, QString::fromUtf8("Grüße an Sie"));
        row("type=", {QStringLiteral("--type=Two words")}, Action::Command, Verb::Type,
            QStringLiteral("Two words"));
        row("type=, a name like an option", {QStringLiteral("--type=--help")}, Action::Command,
            Verb::Type, QStringLiteral("--help"));
        // The file as typed: the start that sends it makes it whole in its
        // own folder.
        row("import", {QStringLiteral("--import"), QStringLiteral("base.yml")}, Action::Command,
            Verb::Import, QStringLiteral("base.yml"));
        row("import=", {QStringLiteral("--import=my matches.yml")}, Action::Command, Verb::Import,
            QStringLiteral("my matches.yml"));
        row("import -- a file like an option",
            {QStringLiteral("--import"), QStringLiteral("--"), QStringLiteral("-x.csv")},
            Action::Command, Verb::Import, QStringLiteral("-x.csv"));
        row("import: no file", {QStringLiteral("--import")}, Action::Error, Verb::Import, {}, false,
            QStringLiteral("--import needs a file, as in --import FILE."));
        row("import: an option for a file", {QStringLiteral("--import"), QStringLiteral("--list")},
            Action::Error, Verb::Import, {}, false,
            QStringLiteral("“--list” is an option, not a file: a file whose name starts with "
                           "“-” goes after “--”, as in --import -- --list"));
        row("import: two files",
            {QStringLiteral("--import"), QStringLiteral("a.csv"), QStringLiteral("b.csv")},
            Action::Error, Verb::Import, QStringLiteral("a.csv"), false,
            QStringLiteral("--import takes one file: “b.csv” is a word too many."));
        for (const char *word : {"--help", "-h", "--self-test", "--list", "-x", "-"}) {
            row(qPrintable(QStringLiteral("type %1: no name").arg(QLatin1String(word))),
                {QStringLiteral("--type"), QLatin1String(word)}, Action::Error, Verb::Type, {},
                false, optionAsName(word));
            row(qPrintable(QStringLiteral("type -- %1").arg(QLatin1String(word))),
                {QStringLiteral("--type"), QStringLiteral("--"), QLatin1String(word)},
                Action::Command, Verb::Type, QLatin1String(word));
        }
        row("type -- --, the name --",
            {QStringLiteral("--type"), QStringLiteral("--"), QStringLiteral("--")}, Action::Command,
            Verb::Type, QStringLiteral("--"));
        row("type -- and nothing", {QStringLiteral("--type"), QStringLiteral("--")}, Action::Error,
            Verb::Type, {}, false, needsName);
        row("type without name", {QStringLiteral("--type")}, Action::Error, Verb::Type, {}, false,
            needsName);
        row("type= empty", {QStringLiteral("--type=")}, Action::Error, Verb::Type, {}, false,
            needsName);
        row("a name after the command is no option",
            {QStringLiteral("--type"), QStringLiteral("x"), QStringLiteral("--self-test")},
            Action::Error, Verb::Type, {}, false,
            QStringLiteral("Only one command at a time: --self-test and --type x."));
        row("picker", {QStringLiteral("--picker")}, Action::Command, Verb::Picker);
        row("toggle window", {QStringLiteral("--toggle-window")}, Action::Command,
            Verb::ToggleWindow);
        row("toggle panel", {QStringLiteral("--toggle-panel")}, Action::Command, Verb::TogglePanel);
        row("pause", {QStringLiteral("--pause")}, Action::Command, Verb::Pause);
        row("resume", {QStringLiteral("--resume")}, Action::Command, Verb::Resume);
        row("list", {QStringLiteral("--list")}, Action::Command, Verb::List);
        row("value for a plain command", {QStringLiteral("--pause=now")}, Action::Error,
            Verb::Pause, {}, false, QStringLiteral("--pause takes no value."));
        row("two commands", {QStringLiteral("--pause"), QStringLiteral("--list")}, Action::Error,
            Verb::Pause, {}, false,
            QStringLiteral("Only one command at a time: --list and --pause."));
        row("a command and the self-test",
            {QStringLiteral("--list"), QStringLiteral("--self-test")}, Action::Error, Verb::List,
            {}, false, QStringLiteral("Only one command at a time: --self-test and --list."));
        row("help with a command", {QStringLiteral("--list"), QStringLiteral("--help")},
            Action::Help);
        row("after --, nothing is an option",
            {QStringLiteral("--"), QStringLiteral("--self-test"), QStringLiteral("--help")},
            Action::Error, Verb::Show, {}, false,
            QStringLiteral("Unexpected “--self-test”: to put a phrase in, use --type NAME."));
        row("a lone -- at the end", {QStringLiteral("--")}, Action::Start);
        row("version", {QStringLiteral("--version")}, Action::Version);
        row("version takes no value", {QStringLiteral("--version=2")}, Action::Error, Verb::Show,
            {}, false, QStringLiteral("--version takes no value."));
        // Every option that takes no value refuses one written inline, and
        // the refusal names it.
        for (const char *option : {"--help", "--in-tray", "--once", "--self-test"}) {
            row(qPrintable(QStringLiteral("%1 takes no value").arg(QLatin1String(option))),
                {QLatin1String(option) + QStringLiteral("=1")}, Action::Error, Verb::Show, {},
                false, QStringLiteral("%1 takes no value.").arg(QLatin1String(option)));
        }
        // A typo or a word too many is a failure a script or a desktop's
        // binding shows, never a start that brings the window forward.
        const auto unknown = [](const char *word) {
            return QStringLiteral("Unknown option “%1”.").arg(QLatin1String(word));
        };
        row("unknown option", {QStringLiteral("--bogus")}, Action::Error, Verb::Show, {}, false,
            unknown("--bogus"));
        row("unknown short option", {QStringLiteral("-x")}, Action::Error, Verb::Show, {}, false,
            unknown("-x"));
        row("unknown option with a value", {QStringLiteral("--bogus=1")}, Action::Error, Verb::Show,
            {}, false, unknown("--bogus"));
        row("a typo of a command", {QStringLiteral("--tpye"), QStringLiteral("Address")},
            Action::Error, Verb::Show, {}, false,
            QStringLiteral("Unknown option “--tpye”: did you mean --type?"));
        row("a typo of the tray option", {QStringLiteral("--in-try")}, Action::Error, Verb::Show,
            {}, false, QStringLiteral("Unknown option “--in-try”: did you mean --in-tray?"));
        row("a typo, in capitals", {QStringLiteral("--LIST")}, Action::Error, Verb::Show, {}, false,
            QStringLiteral("Unknown option “--LIST”: did you mean --list?"));
        row("an unknown option after a command",
            {QStringLiteral("--type"), QStringLiteral("Address"), QStringLiteral("--bogus")},
            Action::Error, Verb::Type, {}, false, unknown("--bogus"));
        row("a word too many for --type",
            {QStringLiteral("--type"), QStringLiteral("Home"), QStringLiteral("address")},
            Action::Error, Verb::Type, {}, false,
            QStringLiteral("--type takes one name: “address” is a word too many (a name of "
                           "several words goes in quotes, as in --type \"Home address\")."));
        row("a word for a command that takes none",
            {QStringLiteral("--pause"), QStringLiteral("now")}, Action::Error, Verb::Pause, {},
            false, QStringLiteral("--pause takes no name: “now” is a word too many."));
        row("a word and no command", {QStringLiteral("Address")}, Action::Error, Verb::Show, {},
            false, QStringLiteral("Unexpected “Address”: to put a phrase in, use --type NAME."));
        row("help wins over an unknown option",
            {QStringLiteral("--bogus"), QStringLiteral("--help")}, Action::Help);
        // The self-test runs wherever it stands, whatever else is given:
        // build machines run it with their own arguments.
        row("self-test with other words",
            {QStringLiteral("-x"), QStringLiteral("--self-test"), QStringLiteral("extra")},
            Action::SelfTest);
        // The toolkit's own options, with their values, in both spellings.
        row("toolkit options",
            {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--style"),
             QStringLiteral("fusion"), QStringLiteral("-reverse"), QStringLiteral("-session"),
             QStringLiteral("1a2b"), QStringLiteral("-stylesheet=a.qss"),
             QStringLiteral("--qwindowtitle"), QStringLiteral("T"), QStringLiteral("-display"),
             QStringLiteral(":3"), QStringLiteral("--in-tray")},
            Action::Start, Verb::Show, {}, true);
        row("a toolkit option without its value", {QStringLiteral("-platform")}, Action::Error,
            Verb::Show, {}, false, QStringLiteral("-platform needs a value."));
    }
    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(int, verb);
        QFETCH(QString, name);
        QFETCH(bool, inTray);
        QFETCH(QString, error);
        const RemoteCommand::CommandLine line = RemoteCommand::parseArguments(arguments);
        QCOMPARE(line.error, error);
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.inTray, inTray);
        if (line.action == RemoteCommand::CommandLine::Action::Command) {
            QCOMPARE(int(line.request.verb), verb);
            QCOMPARE(line.request.name, name);
        }
    }

    // --data-dir goes with a start, any command and the self-test; its
    // folder is never an option word, and is given once.
    void dataFolder_data()
    {
        using Action = RemoteCommand::CommandLine::Action;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *tag, QStringList args, Action action,
                            const QString &dataDir, const QString &error = {}) {
            args.prepend(QStringLiteral("scrivlet"));
            QTest::newRow(tag) << args << int(action) << dataDir << error;
        };
        const QString dir = QString::fromUtf8("/media/sync/Phrasen ü");
        const QString needsFolder =
            QStringLiteral("--data-dir needs a folder, as in --data-dir DIR.");
        row("start", {QStringLiteral("--data-dir"), dir}, Action::Start, dir);
        row("inline, relative", {QStringLiteral("--data-dir=portable/data")}, Action::Start,
            QStringLiteral("portable/data"));
        row("with a command", {QStringLiteral("--list"), QStringLiteral("--data-dir"), dir},
            Action::Command, dir);
        row("before --type",
            {QStringLiteral("--data-dir"), dir, QStringLiteral("--type"),
             QStringLiteral("Greeting")},
            Action::Command, dir);
        row("with the self-test",
            {QStringLiteral("--self-test"), QStringLiteral("--data-dir"), dir}, Action::SelfTest,
            dir);
        row("in the tray", {QStringLiteral("--in-tray"), QStringLiteral("--data-dir=d")},
            Action::Start, QStringLiteral("d"));
        row("a folder named like an option, inline", {QStringLiteral("--data-dir=--list")},
            Action::Start, QStringLiteral("--list"));
        row("no folder", {QStringLiteral("--data-dir")}, Action::Error, {}, needsFolder);
        row("an option for the folder", {QStringLiteral("--data-dir"), QStringLiteral("--list")},
            Action::Error, {}, needsFolder);
        row("empty inline", {QStringLiteral("--data-dir=")}, Action::Error, {}, needsFolder);
        row("twice", {QStringLiteral("--data-dir=a"), QStringLiteral("--data-dir=b")},
            Action::Error, QStringLiteral("a"), QStringLiteral("--data-dir is given twice."));
        row("a typo", {QStringLiteral("--data-dri=a")}, Action::Error, {},
            QStringLiteral("Unknown option “--data-dri”: did you mean --data-dir?"));
    }
    void dataFolder()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, dataDir);
        QFETCH(QString, error);
        const RemoteCommand::CommandLine line = RemoteCommand::parseArguments(arguments);
        QCOMPARE(line.error, error);
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.dataDir, dataDir);
    }

    // A desktop that runs a held shortcut's command again for every key
    // repeat (GNOME's custom shortcuts) gets one insertion per press when the
    // command says --once; the flag travels to the running copy.
    void onceMarksADesktopsShortcut()
    {
        using Action = RemoteCommand::CommandLine::Action;
        const auto parse = [](QStringList args) {
            args.prepend(QStringLiteral("scrivlet"));
            return RemoteCommand::parseArguments(args);
        };
        const RemoteCommand::CommandLine typed =
            parse({QStringLiteral("--once"), QStringLiteral("--type"), QStringLiteral("--"),
                   QStringLiteral("--once")});
        QCOMPARE(int(typed.action), int(Action::Command));
        QVERIFY(typed.request.once);
        QCOMPARE(typed.request.name, QStringLiteral("--once")); // after "--": a name
        QVERIFY(parse({QStringLiteral("--picker"), QStringLiteral("--once")}).request.once);
        QVERIFY(!parse({QStringLiteral("--picker")}).request.once);
        QCOMPARE(int(parse({QStringLiteral("--once")}).action), int(Action::Error));

        RemoteCommand::Request request = typed.request;
        QVERIFY(RemoteCommand::decode(RemoteCommand::encode(request)).once);
        request.once = false;
        const QByteArray plain = RemoteCommand::encode(request);
        QVERIFY(!plain.contains("\"once\"")); // what older copies always read
        QVERIFY(!RemoteCommand::decode(plain).once);
    }

    void repeatsOfAHeldShortcut_data()
    {
        // Arrivals: milliseconds, the phrase's name ("" for --picker), --once.
        QTest::addColumn<QVector<qint64>>("times");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QVector<bool>>("once");
        QTest::addColumn<QVector<bool>>("newPress");
        const QStringList a3{QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("a")};
        QTest::newRow("held: a press, its repeats every 30 ms after 500 ms")
            << QVector<qint64>{0, 500, 530, 560, 590}
            << QStringList{QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("a"),
                           QStringLiteral("a"), QStringLiteral("a")}
            << QVector<bool>{true, true, true, true, true}
            << QVector<bool>{true, false, false, false, false};
        QTest::newRow("a long hold keeps the window open")
            << QVector<qint64>{0, 500, 1000, 1500} << (a3 + QStringList{QStringLiteral("a")})
            << QVector<bool>{true, true, true, true} << QVector<bool>{true, false, false, false};
        QTest::newRow("pressed again after letting go")
            << QVector<qint64>{0, 700, 1400} << a3 << QVector<bool>{true, true, true}
            << QVector<bool>{true, true, true};
        QTest::newRow("another phrase is a new press")
            << QVector<qint64>{0, 40, 80}
            << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a")}
            << QVector<bool>{true, true, true} << QVector<bool>{true, true, true};
        QTest::newRow("without --once nothing is filtered (a script's calls)")
            << QVector<qint64>{0, 10, 20} << a3 << QVector<bool>{false, false, false}
            << QVector<bool>{true, true, true};
        QTest::newRow("a clock that went back is no repeat")
            << QVector<qint64>{5000, 100} << QStringList{QStringLiteral("a"), QStringLiteral("a")}
            << QVector<bool>{true, true} << QVector<bool>{true, true};
    }
    void repeatsOfAHeldShortcut()
    {
        QFETCH(QVector<qint64>, times);
        QFETCH(QStringList, names);
        QFETCH(QVector<bool>, once);
        QFETCH(QVector<bool>, newPress);
        RemoteCommand::RepeatFilter filter;
        for (int i = 0; i < times.size(); ++i) {
            RemoteCommand::Request request;
            request.verb = Verb::Type;
            request.name = names.at(i);
            request.once = once.at(i);
            QVERIFY2(filter.isNewPress(request, times.at(i)) == newPress.at(i),
                     qPrintable(QStringLiteral("arrival %1").arg(i)));
        }
    }

    // What --list prints reaches a terminal: a name's control characters
    // (an escape sequence that writes the clipboard, a line break that makes
    // it look like two) are shown, not sent.
    void listingEscapesControlCharacters()
    {
        const auto named = [](const QString &name, bool enabled = true) {
            Phrase p;
            p.name = name;
            p.text = QStringLiteral("t");
            p.enabled = enabled;
            return p;
        };
        const QVector<Phrase> phrases{
            named(QStringLiteral("Greeting")),
            named(QStringLiteral("Off"), false),
            named(QString()),
            named(QStringLiteral("\x1b]52;c;aGk=\x07"
                                 "copied")),
            named(QStringLiteral("two\nlines\r\tand a \u009b CSI")),
            named(QString::fromUtf8("Grüße \u2028 € \\ back")),
            named(QStringLiteral("not a line break: \\x0A")),
        };
        QCOMPARE(RemoteCommand::listing(phrases),
                 QString::fromUtf8("Greeting\n"
                                   "\\x1B]52;c;aGk=\\x07copied\n"
                                   "two\\x0Alines\\x0D\\x09and a \\x9B CSI\n"
                                   "Grüße \\u2028 € \\x5C back\n"
                                   "not a line break: \\x5Cx0A"));
        QCOMPARE(RemoteCommand::printable(QStringLiteral("a\nb\x1b[31m")),
                 QStringLiteral("a\nb\\x1B[31m"));
        // Every escape reads back to one text: a backslash of the name's own
        // is escaped too, so "\x0A" written in a name never passes for a line
        // break; a listing printed again keeps its escapes as they are.
        QVERIFY(RemoteCommand::printable(QStringLiteral("a\\x0Ab"), false) !=
                RemoteCommand::printable(QStringLiteral("a\nb"), false));
        const QString listed = RemoteCommand::listing(phrases);
        QCOMPARE(RemoteCommand::printable(listed, true, false), listed);
    }

    // What one end sends the other reads back, the plain "show" of earlier
    // versions included.
    void requestsTravelWhole()
    {
        const QString odd = QString::fromUtf8("line\nbreak \"quoted\" \\ 日本 😀");
        for (Verb verb :
             {Verb::Show, Verb::Type, Verb::Picker, Verb::ToggleWindow, Verb::TogglePanel,
              Verb::Pause, Verb::Resume, Verb::List, Verb::Probe, Verb::Import}) {
            RemoteCommand::Request request;
            request.verb = verb;
            if (verb == Verb::Type)
                request.name = odd;
            if (verb == Verb::Import)
                request.name = QDir::rootPath() + odd;
            const QByteArray bytes = RemoteCommand::encode(request);
            // One line: the reader knows where it ends.
            QCOMPARE(bytes.count('\n'), verb == Verb::Show ? 0 : 1);
            const RemoteCommand::Request back = RemoteCommand::decode(bytes);
            QCOMPARE(int(back.verb), int(verb));
            QCOMPARE(back.name, request.name);
        }
        QCOMPARE(RemoteCommand::encode({}), QByteArray("show"));
    }

    // Whatever is not a well-formed request asks for the window, as any
    // connection did before.
    void anythingElseIsShow_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("show") << QByteArray("show");
        QTest::newRow("hello") << QByteArray("hello\n");
        QTest::newRow("cut short") << QByteArray("{\"command\":\"type\",\"name\":\"Gr");
        QTest::newRow("not JSON") << QByteArray("{command: type}\n");
        QTest::newRow("an array") << QByteArray("[\"type\"]\n");
    }
    void anythingElseIsShow()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(int(RemoteCommand::decode(bytes).verb), int(Verb::Show));
    }

    // A request of a newer version, or a broken one, is refused, not taken
    // for "show": its sender would report success for what was not done.
    void unknownRequestsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("unknown command") << QByteArray("{\"command\":\"format-disk\"}\n");
        QTest::newRow("no command") << QByteArray("{\"name\":\"x\"}\n");
        QTest::newRow("type without name") << QByteArray("{\"command\":\"type\"}\n");
        QTest::newRow("type, name not text") << QByteArray("{\"command\":\"type\",\"name\":7}\n");
        QTest::newRow("type, empty name") << QByteArray("{\"command\":\"type\",\"name\":\"\"}\n");
        // A relative path would be read in the running copy's folder, not
        // the sender's.
        QTest::newRow("import, relative path")
            << QByteArray("{\"command\":\"import\",\"path\":\"base.yml\"}\n");
        QTest::newRow("import without path") << QByteArray("{\"command\":\"import\"}\n");
        QTest::newRow("import, path not text")
            << QByteArray("{\"command\":\"import\",\"path\":[\"/a\"]}\n");
    }
    void unknownRequestsAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(int(RemoteCommand::decode(bytes).verb), int(Verb::Unknown));
    }

    void replies()
    {
        for (const RemoteCommand::Reply &reply :
             {RemoteCommand::Reply{true, QStringLiteral("One\nTwo")},
              RemoteCommand::Reply{false, QString::fromUtf8("No enabled phrase is named “x”.")},
              RemoteCommand::Reply{true, QString()}}) {
            RemoteCommand::Reply back;
            QVERIFY(RemoteCommand::decodeReply(RemoteCommand::encodeReply(reply), &back));
            QCOMPARE(back.ok, reply.ok);
            QCOMPARE(back.text, reply.text);
            QVERIFY(!back.waiting);
            QVERIFY(!RemoteCommand::isWaitingReply(RemoteCommand::encodeReply(reply)));
        }
        // "Waiting" is no answer, and one that an older sender would take
        // for the answer reads as a failure, never as success.
        RemoteCommand::Reply waiting{true, QStringLiteral("ignored"), true};
        const QByteArray line = RemoteCommand::encodeReply(waiting);
        QVERIFY(RemoteCommand::isWaitingReply(line + "{\"ok\":true}\n"));
        QVERIFY(!line.contains("\"ok\""));
        RemoteCommand::Reply read{true, QStringLiteral("before"), false};
        QVERIFY(RemoteCommand::decodeReply(line, &read));
        QVERIFY(read.waiting);
        QVERIFY(!read.ok);
        QVERIFY(read.text.isEmpty());
        QVERIFY(!RemoteCommand::isWaitingReply(QByteArray("{\"waiting\":true}"))); // not whole

        // Only a sender that takes such lines says so; an older copy reads
        // the request as before.
        RemoteCommand::Request type;
        type.verb = Verb::Type;
        type.name = QStringLiteral("Form");
        QVERIFY(!RemoteCommand::encode(type).contains("waitsOnUser"));
        QVERIFY(!RemoteCommand::decode(RemoteCommand::encode(type)).waitsOnUser);
        type.waitsOnUser = true;
        const RemoteCommand::Request sent = RemoteCommand::decode(RemoteCommand::encode(type));
        QVERIFY(sent.waitsOnUser);
        QCOMPARE(sent.name, type.name);
        // An older copy closes without a word, or a stranger says something else.
        RemoteCommand::Reply back;
        for (const QByteArray &bytes : {QByteArray(), QByteArray("ok\n"),
                                        QByteArray("{\"text\":1}\n"), QByteArray("{\"ok\":true}")})
            QVERIFY2(!RemoteCommand::decodeReply(bytes, &back), bytes.constData());
    }
};

QTEST_GUILESS_MAIN(RemoteCommandTest)
#include "tst_remotecommand.moc"
