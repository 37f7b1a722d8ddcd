#include "wayland/waylandsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char UserName[] = "scrivlet-test";

void endProcess(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// The unprivileged user sway runs as when the test is root; made once.
bool testUser(uid_t *uid, gid_t *gid, QString *error)
{
    passwd *pw = getpwnam(UserName);
    if (!pw) {
        QProcess::execute(QStringLiteral("useradd"),
                          {QStringLiteral("--system"), QStringLiteral("--no-create-home"),
                           QStringLiteral("--shell"), QStringLiteral("/usr/sbin/nologin"),
                           QString::fromLatin1(UserName)});
        pw = getpwnam(UserName);
    }
    if (!pw) {
        *error = QStringLiteral("cannot make the user %1").arg(QLatin1String(UserName));
        return false;
    }
    *uid = pw->pw_uid;
    *gid = pw->pw_gid;
    return true;
}

bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace

WaylandSession::~WaylandSession()
{
    stop();
}

QString WaylandSession::programPath(const QString &name)
{
    return QFileInfo(QStringLiteral("/proc/self/exe"))
               .symLinkTarget()
               .section(QLatin1Char('/'), 0, -2) +
           QLatin1Char('/') + name;
}

bool WaylandSession::start(QString *error, bool withXWayland)
{
    m_withXWayland = withXWayland;
    for (const char *program : {"sway", "Xwayland"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()) {
            m_lacksPrograms = true;
            *error = QStringLiteral("%1 is not installed").arg(QLatin1String(program));
            return false;
        }
    }
    m_dir =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/scrivlet-wl-XXXXXX"));
    if (!m_dir->isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString base = m_dir->path();
    const QString swayRuntime = base + QStringLiteral("/sway-run");
    const QString ownRuntime = base + QStringLiteral("/run");
    for (const QString &dir :
         {swayRuntime, ownRuntime, home(), base + QStringLiteral("/sway-home")}) {
        QDir().mkpath(dir);
        ::chmod(QFile::encodeName(dir).constData(), 0700);
    }
    ::chmod(QFile::encodeName(base).constData(), 0755);

    uid_t uid = getuid();
    gid_t gid = getgid();
    const bool root = uid == 0;
    if (root) {
        if (!testUser(&uid, &gid, error))
            return false;
        for (const QString &dir : {swayRuntime, base + QStringLiteral("/sway-home")})
            (void)::chown(QFile::encodeName(dir).constData(), uid, gid);
    }

    // sway says where XWayland is by the DISPLAY of the programs it starts;
    // XWayland admits its own user only, so root is let in by name first.
    const QString displayFile = base + QStringLiteral("/display");
    // What a test adds to the configuration (bindings, input settings),
    // read again at "swaymsg reload".
    QFile included(includedConfig());
    if (!included.open(QIODevice::WriteOnly))
        return false;
    included.close();
    ::chmod(QFile::encodeName(included.fileName()).constData(), 0644);
    QFile config(base + QStringLiteral("/sway-config"));
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write(QByteArray(withXWayland ? "xwayland enable\n" : "xwayland disable\n") +
                 "default_border none\n"
                 "focus_on_window_activation focus\n"
                 "include " +
                 QFile::encodeName(included.fileName()) +
                 "\n"
                 "exec_always sh -c 'xhost +si:localuser:root >/dev/null 2>&1; "
                 "echo \"$DISPLAY\" > " +
                 QFile::encodeName(displayFile) + ".tmp && mv " + QFile::encodeName(displayFile) +
                 ".tmp " + QFile::encodeName(displayFile) + "'\n");
    config.close();
    ::chmod(QFile::encodeName(config.fileName()).constData(), 0644);
    if (root)
        (void)::chmod(QFile::encodeName(base).constData(), 0777); // for the display file

    const QByteArray configPath = QFile::encodeName(config.fileName());
    const QByteArray runtime = QFile::encodeName(swayRuntime);
    const QByteArray swayHome = QFile::encodeName(base + QStringLiteral("/sway-home"));
    const QByteArray log = QFile::encodeName(base + QStringLiteral("/sway.log"));
    const pid_t parent = getpid();
    m_sway = fork();
    if (m_sway == 0) {
        if (root && (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0))
            _exit(126);
        // After the change of user, which clears it: sway dies with the test.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        const int out = open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(out >= 0 ? out : null, 1);
        dup2(out >= 0 ? out : null, 2);
        for (int fd = 3; fd < 1024; ++fd)
            close(fd);
        clearenv();
        setenv("PATH", "/usr/local/bin:/usr/bin:/bin", 1);
        setenv("HOME", swayHome.constData(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
        setenv("WLR_BACKENDS", "headless", 1);
        setenv("WLR_RENDERER", "pixman", 1);
        setenv("WLR_LIBINPUT_NO_DEVICES", "1", 1);
        execlp("sway", "sway", "-c", configPath.constData(), nullptr);
        _exit(127);
    }
    if (m_sway < 0)
        return false;

    const bool up = waitFor(
        [&] {
            const QStringList sockets =
                QDir(swayRuntime).entryList({QStringLiteral("wayland-*")}, QDir::System);
            const QStringList ipc =
                QDir(swayRuntime).entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
            for (const QString &s : sockets) {
                if (!s.endsWith(QLatin1String(".lock")))
                    m_waylandDisplay = swayRuntime + QLatin1Char('/') + s;
            }
            if (!ipc.isEmpty())
                m_swaySocket = swayRuntime + QLatin1Char('/') + ipc.first();
            return !m_waylandDisplay.isEmpty() && !m_swaySocket.isEmpty() &&
                   QFileInfo(displayFile).size() > 0;
        },
        15000);
    if (!up) {
        QFile logFile(QString::fromLocal8Bit(log));
        logFile.open(QIODevice::ReadOnly);
        *error = QStringLiteral("sway did not start: ") +
                 QString::fromLocal8Bit(logFile.readAll().right(2000));
        stop();
        return false;
    }
    QFile display(displayFile);
    display.open(QIODevice::ReadOnly);
    m_display = QString::fromLocal8Bit(display.readAll()).trimmed();

    qputenv("WAYLAND_DISPLAY", QFile::encodeName(m_waylandDisplay));
    if (m_display.isEmpty())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", m_display.toLocal8Bit());
    qputenv("SWAYSOCK", QFile::encodeName(m_swaySocket));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(ownRuntime));
    qputenv("HOME", QFile::encodeName(home()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home() + QStringLiteral("/.local/share")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home() + QStringLiteral("/.config")));
    qputenv("XDG_SESSION_TYPE", "wayland");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    // The test's own windows, if any, are X11 ones, as the program's are.
    if (withXWayland)
        qputenv("QT_QPA_PLATFORM", "xcb");
    else
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

void WaylandSession::stop()
{
    for (QProcess *p : qAsConst(m_processes)) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(2000)) {
                p->kill();
                p->waitForFinished(2000);
            }
        }
        delete p;
    }
    m_processes.clear();
    endProcess(m_sway);
    m_sway = -1;
}

QProcessEnvironment WaylandSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Without X11 the programs choose their platform themselves.
    if (!m_withXWayland)
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

QProcess *WaylandSession::startProcess(const QString &program, const QStringList &arguments,
                                       const QProcessEnvironment &extra)
{
    auto *p = new QProcess;
    QProcessEnvironment env = environment();
    env.insert(extra);
    p->setProcessEnvironment(env);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList args = {QStringLiteral("--pdeathsig"), QStringLiteral("KILL"), QStringLiteral("--"),
                        program};
    args += arguments;
    p->start(QStringLiteral("setpriv"), args);
    m_processes.append(p);
    return p;
}

bool WaylandSession::swaymsg(const QString &command)
{
    QProcess p;
    p.start(QStringLiteral("swaymsg"), {command});
    if (!p.waitForFinished(5000))
        return false;
    if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return true;
    qWarning("swaymsg %s: %s", qPrintable(command), p.readAll().constData());
    return false;
}

QVector<QJsonObject> WaylandSession::windowNodes()
{
    QVector<QJsonObject> out;
    QProcess p;
    p.start(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_tree")});
    if (!p.waitForFinished(5000))
        return out;
    // A window is a node that names a process.
    std::function<void(const QJsonObject &)> walk = [&](const QJsonObject &node) {
        if (node.value(QLatin1String("pid")).toVariant().toLongLong() > 0)
            out.append(node);
        for (const char *key : {"nodes", "floating_nodes"}) {
            for (const QJsonValue &child : node.value(QLatin1String(key)).toArray())
                walk(child.toObject());
        }
    };
    walk(QJsonDocument::fromJson(p.readAllStandardOutput()).object());
    return out;
}

QRect WaylandSession::contentOf(const QJsonObject &node)
{
    const auto rect = [&](const char *key) {
        const QJsonObject r = node.value(QLatin1String(key)).toObject();
        return QRect(r.value(QLatin1String("x")).toInt(), r.value(QLatin1String("y")).toInt(),
                     r.value(QLatin1String("width")).toInt(),
                     r.value(QLatin1String("height")).toInt());
    };
    const QRect outer = rect("rect");
    const QRect inner = rect("window_rect");
    return QRect(outer.topLeft() + inner.topLeft(), inner.size());
}

QJsonObject WaylandSession::focusedNode()
{
    for (const QJsonObject &node : windowNodes()) {
        if (node.value(QLatin1String("focused")).toBool())
            return node;
    }
    return QJsonObject();
}

qint64 WaylandSession::focusedPid()
{
    return focusedNode().value(QLatin1String("pid")).toVariant().toLongLong();
}

bool WaylandSession::setIncludedConfig(const QByteArray &text)
{
    QFile file(includedConfig());
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return false;
    file.close();
    return swaymsg(QStringLiteral("reload"));
}

QString WaylandSession::focusedApp()
{
    const QJsonObject node = focusedNode();
    const QString app = node.value(QLatin1String("app_id")).toString();
    return app.isEmpty() ? node.value(QLatin1String("window_properties"))
                               .toObject()
                               .value(QLatin1String("class"))
                               .toString()
                         : app;
}

QVector<QRect> WaylandSession::windowsOf(qint64 pid)
{
    QVector<QRect> out;
    for (const QJsonObject &node : windowNodes()) {
        if (node.value(QLatin1String("pid")).toVariant().toLongLong() == pid)
            out.append(contentOf(node));
    }
    return out;
}

QRect WaylandSession::focusedContent()
{
    const QJsonObject node = focusedNode();
    return node.isEmpty() ? QRect() : contentOf(node);
}

bool WaylandSession::startSessionBus()
{
    QProcess *bus =
        startProcess(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
    bus->setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    while (!bus->canReadLine() && clock.elapsed() < 5000)
        bus->waitForReadyRead(100);
    const QByteArray address = bus->readLine().trimmed();
    if (address.isEmpty())
        return false;
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    return true;
}
