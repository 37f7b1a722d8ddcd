#include "wayland/swayipc.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr quint32 RunCommand = 0;
constexpr quint32 GetWorkspaces = 1;
constexpr quint32 GetTree = 4;
constexpr quint32 GetConfig = 9;
constexpr int AnswerTimeoutMs = 1000;
const char Magic[] = "i3-ipc";
constexpr int MagicSize = 6;

class Socket
{
public:
    explicit Socket(int fd) : m_fd(fd) {}
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int fd() const { return m_fd; }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray &data)
{
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::send(fd, data.constData() + done, size_t(data.size() - done), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool readExactly(int fd, char *buffer, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, AnswerTimeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t n = ::read(fd, buffer + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// One request and its answer's payload; false when the socket failed.
bool ask(quint32 type, const QByteArray &payload, QByteArray *answer)
{
    const QByteArray path = qgetenv("SWAYSOCK");
    sockaddr_un address{};
    if (path.isEmpty() || size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.fd() < 0 ||
        ::connect(socket.fd(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return false;
    QByteArray message(Magic, MagicSize);
    const quint32 header[2] = {quint32(payload.size()), type};
    message.append(reinterpret_cast<const char *>(header), sizeof header);
    message.append(payload);
    if (!writeAll(socket.fd(), message))
        return false;
    char head[MagicSize + 8];
    if (!readExactly(socket.fd(), head, sizeof head) || std::memcmp(head, Magic, MagicSize) != 0)
        return false;
    quint32 answerHeader[2];
    std::memcpy(answerHeader, head + MagicSize, sizeof answerHeader);
    if (answerHeader[1] != type || answerHeader[0] > 64u * 1024 * 1024)
        return false;
    answer->resize(int(answerHeader[0]));
    return readExactly(socket.fd(), answer->data(), answer->size());
}

QRect rectOf(const QJsonValue &value)
{
    const QJsonObject r = value.toObject();
    return QRect(r.value(QLatin1String("x")).toInt(), r.value(QLatin1String("y")).toInt(),
                 r.value(QLatin1String("width")).toInt(), r.value(QLatin1String("height")).toInt());
}

void collect(const QJsonObject &node, QVector<WaylandWindow> *out)
{
    // A window is a container that shows a client: it names a process.
    const qint64 pid = node.value(QLatin1String("pid")).toVariant().toLongLong();
    const QString type = node.value(QLatin1String("type")).toString();
    if (pid > 0 && (type == QLatin1String("con") || type == QLatin1String("floating_con"))) {
        WaylandWindow w;
        w.id = node.value(QLatin1String("id")).toVariant().toLongLong();
        w.pid = pid;
        w.xwayland = node.value(QLatin1String("shell")).toString() == QLatin1String("xwayland");
        w.x11Window = quint32(node.value(QLatin1String("window")).toVariant().toULongLong());
        w.appId = node.value(QLatin1String("app_id")).toString();
        const QJsonObject properties = node.value(QLatin1String("window_properties")).toObject();
        w.x11Class = properties.value(QLatin1String("class")).toString();
        w.x11Instance = properties.value(QLatin1String("instance")).toString();
        const QRect outer = rectOf(node.value(QLatin1String("rect")));
        const QRect inner = rectOf(node.value(QLatin1String("window_rect")));
        w.contentRect = QRect(outer.topLeft() + inner.topLeft(), inner.size());
        w.visible = node.value(QLatin1String("visible")).toBool();
        w.focused = node.value(QLatin1String("focused")).toBool();
        out->append(w);
    }
    for (const char *children : {"nodes", "floating_nodes"}) {
        const QJsonArray list = node.value(QLatin1String(children)).toArray();
        for (const QJsonValue &child : list)
            collect(child.toObject(), out);
    }
}

} // namespace

namespace SwayIpc {

bool available()
{
    return !qEnvironmentVariableIsEmpty("SWAYSOCK");
}

QVector<WaylandWindow> windowsOfTree(const QJsonObject &tree)
{
    QVector<WaylandWindow> out;
    collect(tree, &out);
    return out;
}

bool windows(QVector<WaylandWindow> *out)
{
    QByteArray answer;
    if (!ask(GetTree, QByteArray(), &answer))
        return false;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(answer, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    *out = windowsOfTree(document.object());
    return true;
}

bool focusedWindow(WaylandWindow *out)
{
    QVector<WaylandWindow> all;
    if (!windows(&all))
        return false;
    for (const WaylandWindow &w : qAsConst(all)) {
        if (w.focused) {
            *out = w;
            return true;
        }
    }
    return false;
}

bool focus(qint64 id)
{
    return commandFor(id, "focus");
}

bool workArea(const QPoint &p, QRect *out)
{
    QByteArray answer;
    if (!ask(GetWorkspaces, QByteArray(), &answer))
        return false;
    for (const QJsonValue &value : QJsonDocument::fromJson(answer).array()) {
        const QJsonObject workspace = value.toObject();
        const QRect rect = rectOf(workspace.value(QLatin1String("rect")));
        if (workspace.value(QLatin1String("visible")).toBool() && rect.contains(p)) {
            *out = rect;
            return true;
        }
    }
    return false;
}

bool configBindsProgram(const QString &config, const QString &program)
{
    if (program.isEmpty())
        return false;
    const QStringList lines = config.split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if ((line.startsWith(QLatin1String("bindsym ")) ||
             line.startsWith(QLatin1String("bindcode "))) &&
            line.contains(QLatin1String(" exec ")) && line.contains(program))
            return true;
    }
    return false;
}

bool bindsProgram(const QString &program)
{
    QByteArray answer;
    if (!ask(GetConfig, QByteArray(), &answer))
        return false;
    const QString config =
        QJsonDocument::fromJson(answer).object().value(QLatin1String("config")).toString();
    return configBindsProgram(config, program);
}

bool commandFor(qint64 id, const QByteArray &command)
{
    QByteArray answer;
    if (!ask(RunCommand, "[con_id=" + QByteArray::number(id) + "] " + command, &answer))
        return false;
    // One result per command: [{"success": true}].
    const QJsonArray results = QJsonDocument::fromJson(answer).array();
    return !results.isEmpty() &&
           results.first().toObject().value(QLatin1String("success")).toBool();
}

} // namespace SwayIpc
