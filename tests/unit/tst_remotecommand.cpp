#include "app/remotecommand.h"

#include <QtTest>

using RemoteCommand::Verb;

Q_DECLARE_METATYPE(RemoteCommand::Verb)

class RemoteCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("command");
        QTest::addColumn<int>("verb");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *tag, QStringList args, bool command, Verb verb,
                            const QString &name = {}, const QString &error = {}) {
            args.prepend(QStringLiteral("scrivlet"));
            QTest::newRow(tag) << args << command << int(verb) << name << error;
        };
        row("plain start", {}, false, Verb::Show);
        row("in the tray", {QStringLiteral("--in-tray")}, false, Verb::Show);
        row("type", {QStringLiteral("--type"), QStringLiteral("Greeting")}, true, Verb::Type,
            QStringLiteral("Greeting"));
        row("type with spaces and non-ASCII",
            {QStringLiteral("--type"), QString::fromUtf8("Grüße an Sie")}, true, Verb::Type,
            QString::fromUtf8("Grüße an Sie"));
        row("type=", {QStringLiteral("--type=Two words")}, true, Verb::Type,
            QStringLiteral("Two words"));
        row("type name like an option", {QStringLiteral("--type"), QStringLiteral("--list")}, true,
            Verb::Type, QStringLiteral("--list"));
        row("type without name", {QStringLiteral("--type")}, true, Verb::Type, QString(),
            QStringLiteral("--type needs the name of a phrase."));
        row("type= empty", {QStringLiteral("--type=")}, true, Verb::Type, QString(),
            QStringLiteral("--type needs the name of a phrase."));
        row("picker", {QStringLiteral("--picker")}, true, Verb::Picker);
        row("toggle window", {QStringLiteral("--toggle-window")}, true, Verb::ToggleWindow);
        row("toggle panel", {QStringLiteral("--toggle-panel")}, true, Verb::TogglePanel);
        row("pause", {QStringLiteral("--pause")}, true, Verb::Pause);
        row("resume", {QStringLiteral("--resume")}, true, Verb::Resume);
        row("list", {QStringLiteral("--list")}, true, Verb::List);
        row("value for a plain command", {QStringLiteral("--pause=now")}, true, Verb::Pause,
            QString(), QStringLiteral("--pause takes no value."));
        row("two commands", {QStringLiteral("--pause"), QStringLiteral("--list")}, true,
            Verb::Pause, QString(),
            QStringLiteral("Only one command at a time: --list and --pause."));
    }
    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, command);
        QFETCH(int, verb);
        QFETCH(QString, name);
        QFETCH(QString, error);
        RemoteCommand::Request request;
        QString said;
        QCOMPARE(RemoteCommand::fromArguments(arguments, &request, &said), command);
        QCOMPARE(said, error);
        if (command && error.isEmpty()) {
            QCOMPARE(int(request.verb), verb);
            QCOMPARE(request.name, name);
        }
    }

    // What one end sends the other reads back, the plain "show" of earlier
    // versions included.
    void requestsTravelWhole()
    {
        const QString odd = QString::fromUtf8("line\nbreak \"quoted\" \\ 日本 😀");
        for (Verb verb : {Verb::Show, Verb::Type, Verb::Picker, Verb::ToggleWindow,
                          Verb::TogglePanel, Verb::Pause, Verb::Resume, Verb::List, Verb::Probe}) {
            RemoteCommand::Request request;
            request.verb = verb;
            if (verb == Verb::Type)
                request.name = odd;
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
        }
        // An older copy closes without a word, or a stranger says something else.
        RemoteCommand::Reply back;
        for (const QByteArray &bytes : {QByteArray(), QByteArray("ok\n"),
                                        QByteArray("{\"text\":1}\n"), QByteArray("{\"ok\":true}")})
            QVERIFY2(!RemoteCommand::decodeReply(bytes, &back), bytes.constData());
    }
};

QTEST_GUILESS_MAIN(RemoteCommandTest)
#include "tst_remotecommand.moc"
