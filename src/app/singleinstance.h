#pragma once

// One running copy per user (and, on Windows, per session): a later start
// hands over to the running copy (which then shows its window) and exits.

#include <QObject>
#include <QString>

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
    // A later start (any connection, whatever it sent) wants the window.
    void showRequested();

private:
    void onNewConnection();

    QString m_serverName;
    bool m_foreign = false;
    struct Server;
    std::unique_ptr<Server> m_server;
};
