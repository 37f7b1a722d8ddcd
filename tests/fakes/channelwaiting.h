#pragma once

// A check both channels pass, the Unix socket and the Windows pipe: a copy
// that waits for the user says so every second, and the sender that takes
// such lines waits on past its limit of 2.5 s for the answer after 4 s, and
// gives up a limit after the last one; a sender that takes none gets the
// first line as it comes. name: a channel nobody listens at yet.

#include "app/singleinstance.h"
#include "dispatch/remotecommand.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <thread>

inline void checkWaitingRepliesExtendTheWait(const QString &name)
{
    SingleInstance server(name);
    QVERIFY(server.listen());
    QObject::connect(&server, &SingleInstance::requestReceived, &server,
                     [](const QByteArray &bytes, const SingleInstance::Answer &answer) {
                         const RemoteCommand::Request request = RemoteCommand::decode(bytes);
                         RemoteCommand::Reply waiting;
                         waiting.waiting = true;
                         for (int ms : {1000, 2000, 3000})
                             QTimer::singleShot(ms, [answer, waiting] {
                                 answer(RemoteCommand::encodeReply(waiting), true);
                             });
                         // "Silent" hears no more after the beats, with the
                         // connection held open: its copy hangs.
                         if (request.name == QLatin1String("Silent"))
                             QTimer::singleShot(8000, [answer] {});
                         else
                             QTimer::singleShot(4000, [answer, request] {
                                 answer(RemoteCommand::encodeReply({true, request.name}), false);
                             });
                     });
    const auto ask = [&name](const QString &phrase, bool takesWaiting, QByteArray *reply) {
        RemoteCommand::Request type;
        type.verb = RemoteCommand::Verb::Type;
        type.name = phrase;
        std::atomic<bool> done{false};
        SingleInstance::SendResult result = SingleInstance::SendResult::NoCopy;
        std::thread client([&] {
            SingleInstance channel(name);
            result = channel.send(RemoteCommand::encode(type), 2500, reply,
                                  takesWaiting ? RemoteCommand::isWaitingReply
                                               : SingleInstance::Interim());
            done = true;
        });
        // The channel serves meanwhile. A sender still waiting would hang
        // the join: said at once instead.
        if (!QTest::qWaitFor([&done] { return done.load(); }, 20000))
            qFatal("the sender of %s never returned", qPrintable(phrase));
        client.join();
        return result;
    };
    QByteArray bytes;
    RemoteCommand::Reply reply;
    QCOMPARE(int(ask(QStringLiteral("Form"), true, &bytes)),
             int(SingleInstance::SendResult::Answered));
    QVERIFY(RemoteCommand::decodeReply(bytes, &reply));
    QVERIFY(!reply.waiting);
    QVERIFY(reply.ok);
    QCOMPARE(reply.text, QStringLiteral("Form"));

    QElapsedTimer t;
    t.start();
    QCOMPARE(int(ask(QStringLiteral("Silent"), true, &bytes)),
             int(SingleInstance::SendResult::NoAnswer));
    QVERIFY2(t.elapsed() >= 5000, qPrintable(QString::number(t.elapsed())));

    QCOMPARE(int(ask(QStringLiteral("Old"), false, &bytes)),
             int(SingleInstance::SendResult::Answered));
    QVERIFY(RemoteCommand::isWaitingReply(bytes));
    QVERIFY(RemoteCommand::decodeReply(bytes, &reply));
    QVERIFY(!reply.ok); // never taken for success
}
