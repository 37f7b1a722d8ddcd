// Windows: the channel is a named pipe of our own making. Its name carries
// the user's SID and the session id (AppIdentity::localServerName), so each
// user in each session has a channel of their own; the first start creates it
// as the pipe's first instance, so no second server of that name can exist;
// its access list admits this user alone; and a start checks that the server
// it reaches runs as this user before it hands over and exits.

#include "app/singleinstance.h"

#include "dispatch/remotecommand.h"

#include <QElapsedTimer>
#include <QWinEventNotifier>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <sddl.h>

#include <vector>

namespace {

// Room for a request or an answer in the pipe, so neither end's write waits
// for the other to read.
constexpr DWORD PipeBuffer = 4096;

// One overlapped read or write on handle, waited for up to limitMs (cancelled
// after); the bytes moved, or -1 when it failed or the other end is gone.
long long transfer(HANDLE handle, bool write, char *data, DWORD size, int limitMs)
{
    OVERLAPPED o{};
    o.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!o.hEvent)
        return -1;
    DWORD moved = 0;
    BOOL ok = write ? WriteFile(handle, data, size, nullptr, &o)
                    : ReadFile(handle, data, size, nullptr, &o);
    if (!ok && GetLastError() == ERROR_IO_PENDING) {
        if (WaitForSingleObject(o.hEvent, DWORD(limitMs)) != WAIT_OBJECT_0)
            CancelIo(handle);
        ok = GetOverlappedResult(handle, &o, &moved, TRUE);
    } else if (ok) {
        ok = GetOverlappedResult(handle, &o, &moved, TRUE);
    }
    CloseHandle(o.hEvent);
    return ok ? (long long)moved : -1;
}

// Reads until a whole message is in, the other end closes, or limitMs pass;
// what was read, after the bytes read before.
QByteArray receive(HANDLE handle, int limitMs, QByteArray bytes = QByteArray())
{
    QElapsedTimer t;
    t.start();
    char buffer[4096];
    while (!RemoteCommand::isComplete(bytes)) {
        const int left = int(qMax<qint64>(0, limitMs - t.elapsed()));
        const long long n = transfer(handle, false, buffer, sizeof buffer, left);
        if (n <= 0)
            break;
        bytes.append(buffer, int(n));
    }
    return bytes;
}

// A client's end of the pipe held open until it is answered. Closed, not
// disconnected: the client still reads what is in the pipe.
struct PipeConnection
{
    HANDLE handle;
    explicit PipeConnection(HANDLE h) : handle(h) {}
    ~PipeConnection() { close(); }
    PipeConnection(const PipeConnection &) = delete;
    PipeConnection &operator=(const PipeConnection &) = delete;
    void close()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
};

bool sendAll(HANDLE handle, const QByteArray &bytes, int limitMs)
{
    QByteArray copy = bytes;
    return transfer(handle, true, copy.data(), DWORD(copy.size()), limitMs) == copy.size();
}

std::wstring wide(const QString &s)
{
    return s.toStdWString();
}

// The user SID of a process's token; empty when it cannot be read.
std::vector<BYTE> processUser(HANDLE process)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    const bool ok = size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size);
    CloseHandle(token);
    if (!ok)
        return {};
    const PSID sid = reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid;
    const DWORD length = GetLengthSid(sid);
    const auto *bytes = static_cast<const BYTE *>(sid);
    return std::vector<BYTE>(bytes, bytes + length);
}

// Whether the process at the other end of a pipe runs as this user. A
// process we may not even query does not.
bool serverIsOurs(HANDLE pipe)
{
    ULONG pid = 0;
    if (!GetNamedPipeServerProcessId(pipe, &pid) || pid == 0)
        return false;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return false;
    const std::vector<BYTE> theirs = processUser(process);
    CloseHandle(process);
    const std::vector<BYTE> ours = processUser(GetCurrentProcess());
    return !ours.empty() && theirs == ours;
}

// Security attributes that give this user, and no one else, the pipe.
class UserOnly final
{
public:
    UserOnly() : m_user(processUser(GetCurrentProcess()))
    {
        if (m_user.empty())
            return;
        const PSID sid = m_user.data();
        const DWORD aclSize = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid);
        m_acl.resize(aclSize);
        auto *acl = reinterpret_cast<PACL>(m_acl.data());
        if (!InitializeAcl(acl, aclSize, ACL_REVISION) ||
            !AddAccessAllowedAce(acl, ACL_REVISION, GENERIC_ALL, sid) ||
            !InitializeSecurityDescriptor(&m_descriptor, SECURITY_DESCRIPTOR_REVISION) ||
            !SetSecurityDescriptorOwner(&m_descriptor, sid, FALSE) ||
            !SetSecurityDescriptorDacl(&m_descriptor, TRUE, acl, FALSE))
            return;
        m_attributes.nLength = sizeof m_attributes;
        m_attributes.lpSecurityDescriptor = &m_descriptor;
        m_attributes.bInheritHandle = FALSE;
        m_valid = true;
    }
    SECURITY_ATTRIBUTES *attributes() { return m_valid ? &m_attributes : nullptr; }

private:
    std::vector<BYTE> m_user;
    std::vector<BYTE> m_acl;
    SECURITY_DESCRIPTOR m_descriptor{};
    SECURITY_ATTRIBUTES m_attributes{};
    bool m_valid = false;
};

// Opens the running copy's end of the pipe, waiting once for an instance
// that is serving another start: for reading and writing when duplex
// (writing alone at an older copy's pipe, which takes nothing else).
// INVALID_HANDLE_VALUE when nobody is there, or the server is not this
// user's (then *foreign).
HANDLE openServer(const QString &serverName, bool duplex, bool *foreign)
{
    *foreign = false;
    const std::wstring name = wide(serverName);
    const DWORD flags = duplex ? FILE_FLAG_OVERLAPPED : 0;
    HANDLE pipe = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 2 && pipe == INVALID_HANDLE_VALUE; ++attempt) {
        if (duplex) {
            pipe = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, flags, nullptr);
            if (pipe != INVALID_HANDLE_VALUE)
                break;
        }
        if (!duplex || GetLastError() == ERROR_ACCESS_DENIED) {
            pipe =
                CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, flags, nullptr);
            if (pipe != INVALID_HANDLE_VALUE)
                break;
        }
        if (GetLastError() != ERROR_PIPE_BUSY ||
            !WaitNamedPipeW(name.c_str(), SingleInstance::connectTimeoutMs))
            break;
    }
    if (pipe == INVALID_HANDLE_VALUE) {
        // A name we may not open is someone else's server.
        *foreign = GetLastError() == ERROR_ACCESS_DENIED;
        return INVALID_HANDLE_VALUE;
    }
    if (!serverIsOurs(pipe)) {
        *foreign = true;
        CloseHandle(pipe);
        return INVALID_HANDLE_VALUE;
    }
    return pipe;
}

} // namespace

struct SingleInstance::Server
{
    UserOnly security;
    std::wstring name;
    HANDLE pipe = INVALID_HANDLE_VALUE;
    OVERLAPPED connect{};
    // The client came before the wait for it began: the system says so at
    // once and writes nothing into connect.
    bool connectedAtOnce = false;
    std::unique_ptr<QWinEventNotifier> notifier;

    ~Server()
    {
        notifier.reset();
        if (pipe != INVALID_HANDLE_VALUE) {
            // The cancelled wait may still write into connect: waited for.
            DWORD unused = 0;
            if (CancelIo(pipe))
                GetOverlappedResult(pipe, &connect, &unused, TRUE);
            CloseHandle(pipe);
        }
        if (connect.hEvent)
            CloseHandle(connect.hEvent);
    }

    // Whether the wait that signalled ended with a client.
    bool clientConnected()
    {
        if (pipe == INVALID_HANDLE_VALUE)
            return false;
        if (connectedAtOnce)
            return true;
        DWORD transferred = 0;
        return GetOverlappedResult(pipe, &connect, &transferred, FALSE);
    }

    // An instance of the pipe for the next client: the first one only if no
    // one else made it first; later ones while a connection waits for its
    // answer.
    bool createInstance(bool first)
    {
        if (!security.attributes())
            return false;
        pipe = CreateNamedPipeW(
            name.c_str(),
            PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | (first ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0),
            PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
            PIPE_UNLIMITED_INSTANCES, PipeBuffer, PipeBuffer, 0, security.attributes());
        if (pipe == INVALID_HANDLE_VALUE)
            return false;
        // The first instance must be the only one: the flag says so on
        // Windows, and the count checks it where the flag is not kept.
        DWORD instances = 0;
        if (first &&
            (!GetNamedPipeHandleStateW(pipe, nullptr, &instances, nullptr, nullptr, nullptr, 0) ||
             instances != 1)) {
            CloseHandle(pipe);
            pipe = INVALID_HANDLE_VALUE;
            return false;
        }
        return true;
    }

    // Waits for the next client; true when one is connected already.
    bool accept()
    {
        ResetEvent(connect.hEvent);
        connectedAtOnce = false;
        if (ConnectNamedPipe(pipe, &connect)) {
            connectedAtOnce = true;
            SetEvent(connect.hEvent);
            return true;
        }
        switch (GetLastError()) {
        case ERROR_PIPE_CONNECTED:
            // Between the new instance and this call: now new instances
            // exist while a command waits, this is no rarity.
        case ERROR_NO_DATA:
            // ... and has written and closed already: what it wrote is
            // still there to read.
            connectedAtOnce = true;
            SetEvent(connect.hEvent);
            return true;
        case ERROR_IO_PENDING:
            return true;
        default:
            return false;
        }
    }
};

SingleInstance::SingleInstance(const QString &serverName, QObject *parent)
    : QObject(parent), m_serverName(serverName)
{}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver()
{
    const HANDLE pipe = openServer(m_serverName, false, &m_foreign);
    if (pipe == INVALID_HANDLE_VALUE)
        return false;
    // Four bytes fit the pipe's buffer, so the write does not wait for the
    // server; what is written stays readable after the close. (A flush would
    // wait for a server that may be hung.)
    DWORD written = 0;
    const bool sent = WriteFile(pipe, "show", 4, &written, nullptr) && written == 4;
    CloseHandle(pipe);
    return sent;
}

SingleInstance::SendResult SingleInstance::send(const QByteArray &request, int replyTimeoutMs,
                                                QByteArray *reply, const Interim &isInterim)
{
    const HANDLE pipe = openServer(m_serverName, true, &m_foreign);
    if (pipe == INVALID_HANDLE_VALUE)
        return SendResult::NoCopy;
    SendResult result = SendResult::NoAnswer;
    if (sendAll(pipe, request, writeTimeoutMs)) {
        *reply = receive(pipe, replyTimeoutMs);
        while (isInterim && isInterim(*reply))
            *reply = receive(pipe, replyTimeoutMs, reply->mid(reply->indexOf('\n') + 1));
        if (!reply->isEmpty())
            result = SendResult::Answered;
    }
    CloseHandle(pipe);
    return result;
}

bool SingleInstance::listen()
{
    auto server = std::make_unique<Server>();
    server->name = wide(m_serverName);
    // The first instance of the name or nothing: a pipe someone else made
    // first makes this fail rather than giving us a second instance beside it.
    if (!server->createInstance(true))
        return false;
    server->connect.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!server->connect.hEvent || !server->accept())
        return false;
    server->notifier = std::make_unique<QWinEventNotifier>(server->connect.hEvent);
    connect(server->notifier.get(), &QWinEventNotifier::activated, this,
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
    Server &server = *m_server;
    if (server.clientConnected()) {
        // A plain "show" ends with the stream, a command with its line; a
        // client that says nothing in time still asks for the window.
        const QByteArray request = receive(server.pipe, readTimeoutMs);
        // The connection waits for its answer on its own: the next client
        // gets a new instance of the pipe. Unanswered, it closes with the
        // last copy of answer.
        auto connection = std::make_shared<PipeConnection>(server.pipe);
        server.pipe = INVALID_HANDLE_VALUE;
        const Answer answer = [connection](const QByteArray &reply, bool more) {
            if (connection->handle == INVALID_HANDLE_VALUE)
                return;
            // A sender that stopped reading (it was ended) is not waited
            // for, and the answer that follows goes nowhere.
            if (!sendAll(connection->handle, reply, writeTimeoutMs) || !more)
                connection->close(); // answered once
        };
        if (!server.createInstance(false)) {
            // No instance for the next start: the channel is gone, and its
            // signalled event must not call us again meanwhile.
            ResetEvent(server.connect.hEvent);
            server.connectedAtOnce = false;
            QMetaObject::invokeMethod(
                this, [this] { m_server.reset(); }, Qt::QueuedConnection);
            emit requestReceived(request, answer);
            return;
        }
        emit requestReceived(request, answer);
    } else if (server.pipe != INVALID_HANDLE_VALUE) {
        DisconnectNamedPipe(server.pipe);
    }
    // A channel that cannot wait for the next start is gone; the program
    // goes on without it (after this call: its notifier is calling us).
    if (!m_server || !m_server->accept())
        QMetaObject::invokeMethod(
            this, [this] { m_server.reset(); }, Qt::QueuedConnection);
}
