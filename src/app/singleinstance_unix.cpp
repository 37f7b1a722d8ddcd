// Unix: the channel is a Unix-domain stream socket at the server path, the
// same socket Qt's QLocalServer makes there, so either end may be Qt's. It is
// written on the system calls because Qt Network, with the Kerberos and
// resolver libraries it loads, was about 1.3 MiB of a tray program that
// otherwise needs none of it.

#include "app/singleinstance.h"

#include "dispatch/remotecommand.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class Fd final
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;

    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// False when the path does not fit the address (about 107 bytes).
bool addressOf(const QByteArray &path, sockaddr_un *address)
{
    *address = sockaddr_un{};
    address->sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

int remainingMs(const QElapsedTimer &t, int limitMs)
{
    return int(qMax<qint64>(0, limitMs - t.elapsed()));
}

// poll() for one descriptor, restarted after signals within the same limit.
bool waitFor(int fd, short events, int limitMs)
{
    QElapsedTimer t;
    t.start();
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, remainingMs(t, limitMs));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

struct SingleInstance::Server
{
    Fd fd;
    QByteArray path;
    dev_t device = 0; // of the socket file we made, to remove only that one
    ino_t inode = 0;
    std::unique_ptr<QSocketNotifier> notifier;

    ~Server()
    {
        notifier.reset();
        // As Qt's local server does: the name is free again once we are gone,
        // unless a later copy has made a socket of its own there since.
        struct stat st;
        if (fd.get() >= 0 && ::lstat(path.constData(), &st) == 0 && st.st_dev == device &&
            st.st_ino == inode)
            ::unlink(path.constData());
    }
};

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent), m_serverName(serverName)
{}

SingleInstance::~SingleInstance() = default;

namespace {

// Writes all of bytes within limitMs; false when the peer went or the time
// ran out.
bool sendAll(int fd, const QByteArray &bytes, int limitMs)
{
    QElapsedTimer t;
    t.start();
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n =
            ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN && remainingMs(t, limitMs) > 0) {
            waitFor(fd, POLLOUT, remainingMs(t, limitMs));
        } else {
            return false;
        }
    }
    return true;
}

// Reads until a whole message (a line) is in, the peer closes, or limitMs
// pass; what was read, after the bytes read before.
QByteArray receive(int fd, int limitMs, QByteArray bytes = QByteArray())
{
    QElapsedTimer t;
    t.start();
    char buffer[4096];
    while (!RemoteCommand::isComplete(bytes)) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            bytes.append(buffer, int(n));
        } else if (n == 0) {
            break; // the peer closed
        } else if (errno == EINTR) {
            continue;
        } else if (errno == EAGAIN && remainingMs(t, limitMs) > 0) {
            if (!waitFor(fd, POLLIN, remainingMs(t, limitMs)))
                break;
        } else {
            break;
        }
    }
    return bytes;
}

// Connects to the running copy within connectTimeoutMs; -1 when none is
// there.
int connectTo(const QString &serverName)
{
    sockaddr_un address;
    if (!addressOf(QFile::encodeName(serverName), &address))
        return -1;
    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0)
        return -1;
    QElapsedTimer t;
    t.start();
    for (;;) {
        if (::connect(fd.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            return fd.release();
        if (errno == EINTR)
            continue;
        // A full backlog: the running copy is busy, not gone. A Unix socket
        // says so at once (it never completes a connection later), so ask
        // again within the limit.
        if (errno != EAGAIN || remainingMs(t, SingleInstance::connectTimeoutMs) == 0)
            return -1;
        ::poll(nullptr, 0, qMin(10, remainingMs(t, SingleInstance::connectTimeoutMs)));
    }
}

} // namespace

bool SingleInstance::handOver()
{
    Fd fd(connectTo(m_serverName));
    if (fd.get() < 0)
        return false;
    // A copy is there. What it reads is not examined, so a write cut short
    // still asks for the window.
    sendAll(fd.get(), RemoteCommand::encode({}), writeTimeoutMs);
    return true;
}

SingleInstance::SendResult SingleInstance::send(const QByteArray &request, int replyTimeoutMs,
                                                QByteArray *reply, const Interim &isInterim)
{
    Fd fd(connectTo(m_serverName));
    if (fd.get() < 0)
        return SendResult::NoCopy;
    if (!sendAll(fd.get(), request, writeTimeoutMs))
        return SendResult::NoAnswer;
    *reply = receive(fd.get(), replyTimeoutMs);
    while (isInterim && isInterim(*reply))
        *reply = receive(fd.get(), replyTimeoutMs, reply->mid(reply->indexOf('\n') + 1));
    return reply->isEmpty() ? SendResult::NoAnswer : SendResult::Answered;
}

bool SingleInstance::listen()
{
    m_server.reset();
    auto server = std::make_unique<Server>();
    server->path = QFile::encodeName(m_serverName);
    sockaddr_un address;
    if (!addressOf(server->path, &address))
        return false;
    // A socket left by a copy that did not end cleanly: nobody answered at
    // it, or we would not be here. Anything else at that name is not ours.
    struct stat st;
    if (::lstat(server->path.constData(), &st) == 0 && S_ISSOCK(st.st_mode))
        ::unlink(server->path.constData());
    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0 ||
        ::bind(fd.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return false;
    // The server owns it now: ~Server removes the file if listening fails below.
    server->fd.reset(fd.release());
    // Ours alone, like Qt's user-access option; the folder is private too.
    if (::lstat(server->path.constData(), &st) != 0)
        return false;
    server->device = st.st_dev;
    server->inode = st.st_ino;
    if (::chmod(server->path.constData(), S_IRUSR | S_IWUSR) != 0 ||
        ::listen(server->fd.get(), SOMAXCONN) != 0)
        return false;
    server->notifier = std::make_unique<QSocketNotifier>(server->fd.get(), QSocketNotifier::Read);
    connect(server->notifier.get(), &QSocketNotifier::activated, this,
            &SingleInstance::onNewConnection);
    m_server = std::move(server);
    return true;
}

bool SingleInstance::isListening() const
{
    return m_server != nullptr;
}

void SingleInstance::onNewConnection()
{
    if (!m_server)
        return;
    for (;;) {
        Fd client(::accept4(m_server->fd.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (client.get() < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // EAGAIN: every waiting connection is taken
        }
        // A plain "show" ends with the stream, a command with its line; a
        // client that says nothing in time still asks for the window.
        const QByteArray request = receive(client.get(), readTimeoutMs);
        auto connection = std::make_shared<Fd>(client.release());
        const Answer answer = [connection](const QByteArray &reply, bool more) {
            if (connection->get() < 0)
                return;
            // A sender that stopped reading (it was ended) is not waited
            // for, and the answer that follows goes nowhere.
            if (!sendAll(connection->get(), reply, writeTimeoutMs) || !more)
                connection->reset(); // answered once
        };
        emit requestReceived(request, answer);
    }
}
