// Windows: the channel is Qt's local server, a named pipe.

#include "app/singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>

struct SingleInstance::Server
{
    QLocalServer local;
};

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent), m_serverName(serverName)
{}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName, QIODevice::ReadWrite);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    socket.write("show", 4);
    socket.waitForBytesWritten(writeTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    m_server = std::make_unique<Server>();
    m_server->local.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server->local, &QLocalServer::newConnection, this,
            &SingleInstance::onNewConnection);
    QLocalServer::removeServer(m_serverName);
    return m_server->local.listen(m_serverName);
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->local.isListening();
}

void SingleInstance::onNewConnection()
{
    QLocalSocket *socket = m_server->local.nextPendingConnection();
    if (!socket)
        return;
    // The content is not examined: any connection asks for the window. The
    // short wait only lets a well-behaved client finish its write.
    if (socket->bytesAvailable() == 0 && socket->state() == QLocalSocket::ConnectedState)
        socket->waitForReadyRead(readTimeoutMs);
    emit showRequested();
    socket->deleteLater();
}
