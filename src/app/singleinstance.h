#pragma once

// One running copy per user (and, on Windows, per session): a later start
// hands over to the running copy (which then shows its window) and exits.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    static constexpr int connectTimeoutMs = 300;
    static constexpr int writeTimeoutMs = 300;
    static constexpr int readTimeoutMs = 200;

    // serverName is the channel's full name (AppIdentity::localServerName):
    // on Linux a socket path inside the user's runtime folder, so other users
    // can neither reach nor squat it; on Windows a pipe name that carries the
    // user's SID and the session.
    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    const QString &serverName() const { return m_serverName; }

    // Asks a running copy to show its window: connects within 300 ms, sends
    // "show" and waits up to 300 ms for it to leave. True when a copy answered.
    bool handOver();

    enum class SendResult
    {
        NoCopy,   // nobody listens at the name
        Answered, // *reply holds the copy's answer
        NoAnswer, // a copy took the request but said nothing within the time
    };
    // Sends a request to the running copy and waits up to replyTimeoutMs for
    // its answer: the bytes up to the first line feed, or to the end of the
    // stream. A line that isInterim takes is passed over, and the wait of
    // replyTimeoutMs begins again for the line after it.
    using Interim = std::function<bool(const QByteArray &line)>;
    SendResult send(const QByteArray &request, int replyTimeoutMs, QByteArray *reply,
                    const Interim &isInterim = {});

    // Answers the later start that sent a request: with more, a line that
    // is not the answer yet (the connection stays); without, the answer,
    // once. The connection closes when the last copy of the function is
    // gone, answered or not.
    using Answer = std::function<void(const QByteArray &reply, bool more)>;
    // After a failed handOver: a server was there but is not this user's
    // (Windows checks the server's process; a Unix socket lives in the
    // user's own folder). The name is taken: listen will fail too.
    bool foundForeignServer() const { return m_foreign; }
    // Removes a stale server of the same name and listens, for this user
    // only. False when listening failed: the program then runs on without
    // receiving hand-overs.
    bool listen();
    bool isListening() const;

signals:
    // A later start sent this (the bytes read within 200 ms, up to a line
    // feed or the end of its stream); answer may be called later, from the
    // event loop.
    void requestReceived(const QByteArray &request, const SingleInstance::Answer &answer);

private:
    void onNewConnection();

    QString m_serverName;
    bool m_foreign = false;
    struct Server;
    std::unique_ptr<Server> m_server;
};
