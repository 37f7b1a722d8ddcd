// The single-instance channel of the Windows build, under Wine: its name is
// the user's and the session's, a second server of the name cannot be made,
// and a start reaches the running copy. (That a server of another user is
// never handed over to needs a second user, which Wine does not have.)

#include "app/singleinstance.h"
#include "dispatch/remotecommand.h"
#include "fakes/channelwaiting.h"
#include "platform/appidentity.h"

#include <QUuid>
#include <QtTest>

#include <atomic>
#include <thread>

#include <windows.h>

namespace {

QString uniqueName()
{
    return QStringLiteral("\\\\.\\pipe\\ScrivletChannelTest-%1")
        .arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
}

} // namespace

class WinChannelTest final : public QObject
{
    Q_OBJECT

private slots:
    void nameIsTheUsersAndTheSessions()
    {
        const QString name = AppIdentity::localServerName(QStringLiteral("VantokScrivlet32"));
        DWORD session = 99;
        QVERIFY(ProcessIdToSessionId(GetCurrentProcessId(), &session));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\\\\\\\\\.\\\\pipe\\\\VantokScrivlet32-S-1-"
                                                   "[0-9-]+-%1$")
                                        .arg(session))
                     .match(name)
                     .hasMatch(),
                 qPrintable(name));
    }

    void handOverReachesTheRunningCopy()
    {
        const QString name = uniqueName();
        SingleInstance running(name);
        QVERIFY(!running.handOver()); // nobody there yet
        QVERIFY(!running.foundForeignServer());
        QVERIFY(running.listen());
        int shown = 0;
        connect(&running, &SingleInstance::requestReceived, this,
                [&shown](const QByteArray &bytes, const SingleInstance::Answer &) {
                    if (RemoteCommand::decode(bytes).verb == RemoteCommand::Verb::Show)
                        ++shown;
                });

        for (int start = 0; start < 3; ++start) {
            SingleInstance later(name);
            QVERIFY(later.handOver());
            QTRY_COMPARE_WITH_TIMEOUT(shown, start + 1, 2000);
        }
    }

    // A command waits for its answer, which comes later from the event loop;
    // meanwhile a second start still gets through; a command nobody answers
    // ends at once.
    void commandsAreAnsweredWhenDone()
    {
        const QString name = uniqueName();
        SingleInstance running(name);
        QVERIFY(running.listen());
        int shown = 0;
        connect(&running, &SingleInstance::requestReceived, this,
                [&shown](const QByteArray &bytes, const SingleInstance::Answer &answer) {
                    const RemoteCommand::Request request = RemoteCommand::decode(bytes);
                    if (request.verb == RemoteCommand::Verb::Show)
                        ++shown;
                    else if (request.verb == RemoteCommand::Verb::Type)
                        QTimer::singleShot(800, [answer, request] {
                            answer(RemoteCommand::encodeReply({true, request.name}), false);
                        });
                });

        RemoteCommand::Request type;
        type.verb = RemoteCommand::Verb::Type;
        type.name = QString::fromUtf8("Grüße, two words");
        std::atomic<bool> done{false};
        QByteArray bytes;
        SingleInstance::SendResult result = SingleInstance::SendResult::NoCopy;
        std::thread client([&] {
            SingleInstance channel(name);
            result = channel.send(RemoteCommand::encode(type), 10000, &bytes);
            done = true;
        });
        // While the command waits, a second start is handed over.
        QTest::qWait(200);
        std::atomic<bool> handed{false};
        std::thread second([&] {
            SingleInstance later(name);
            handed = later.handOver();
        });
        QTRY_COMPARE_WITH_TIMEOUT(shown, 1, 3000);
        second.join();
        QVERIFY(handed);
        QVERIFY(!done);
        QTRY_VERIFY_WITH_TIMEOUT(done.load(), 10000);
        client.join();
        QCOMPARE(int(result), int(SingleInstance::SendResult::Answered));
        RemoteCommand::Reply reply;
        QVERIFY(RemoteCommand::decodeReply(bytes, &reply));
        QVERIFY(reply.ok);
        QCOMPARE(reply.text, type.name);

        RemoteCommand::Request list;
        list.verb = RemoteCommand::Verb::List;
        done = false;
        QElapsedTimer t;
        t.start();
        // The client would wait a minute for an answer: returning before the
        // wait below ends, it saw the connection close.
        std::thread unanswered([&] {
            SingleInstance channel(name);
            result = channel.send(RemoteCommand::encode(list), 60000, &bytes);
            done = true;
        });
        const bool inTime = QTest::qWaitFor([&done] { return done.load(); }, 30000);
        unanswered.join();
        QCOMPARE(int(result), int(SingleInstance::SendResult::NoAnswer));
        QVERIFY2(inTime, "the client waited for its limit, not for the connection to close");
        qInfo("left unanswered, the client returned after %lld ms", t.elapsed());
    }

    // A copy that waits for the user says so now and then (see the check).
    void waitingRepliesExtendTheWait() { checkWaitingRepliesExtendTheWait(uniqueName()); }

    // The pipe's first instance is ours alone: a second server of the name,
    // ours or anyone's, is refused.
    void nameIsTakenOnce()
    {
        const QString name = uniqueName();
        SingleInstance first(name);
        QVERIFY(first.listen());
        SingleInstance second(name);
        QVERIFY(!second.listen());

        const QString squatted = uniqueName();
        HANDLE squatter = CreateNamedPipeW(reinterpret_cast<const wchar_t *>(squatted.utf16()),
                                           PIPE_ACCESS_INBOUND | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                           PIPE_TYPE_BYTE | PIPE_WAIT, 1, 64, 64, 0, nullptr);
        QVERIFY(squatter != INVALID_HANDLE_VALUE);
        SingleInstance late(squatted);
        QVERIFY(!late.listen());
        CloseHandle(squatter);
    }
};

QTEST_MAIN(WinChannelTest)
#include "tst_winchannel.moc"
