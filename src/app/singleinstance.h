#pragma once

// One running copy per user: a later start hands over to the running copy
// (which then shows its window) and exits.

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

    // serverName is the local server's name or full socket path; on Linux a
    // path inside the user's runtime folder, so other users can neither
    // reach nor squat it.
    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    const QString &serverName() const { return m_serverName; }

    // Asks a running copy to show its window: connects within 300 ms, sends
    // "show" and waits up to 300 ms for it to leave. True when a copy answered.
    bool handOver();
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
    struct Server;
    std::unique_ptr<Server> m_server;
};
