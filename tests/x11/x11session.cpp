#include "x11/x11session.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Stops a child: SIGTERM, up to a second's grace, then SIGKILL; always reaped.
void endProcess(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int s_grabError = 0;
int recordGrabError(Display *, XErrorEvent *event)
{
    s_grabError = event->error_code;
    return 0;
}

} // namespace

X11Session::X11Session() = default;

X11Session::~X11Session()
{
    stop();
}

QString X11Session::root() const
{
    return m_dir ? m_dir->path() : QString();
}

QString X11Session::home() const
{
    return root() + QStringLiteral("/home");
}

QString X11Session::programPath(const QString &name)
{
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                     : QFileInfo(QStringLiteral("/proc/self/exe"))
                                                           .symLinkTarget()
                                                           .section(QLatin1Char('/'), 0, -2);
    return dir + QLatin1Char('/') + name;
}

pid_t X11Session::spawn(const QStringList &argv, int keepFd)
{
    QVector<QByteArray> args;
    for (const QString &a : argv)
        args.append(a.toLocal8Bit());
    QVector<char *> raw;
    for (QByteArray &a : args)
        raw.append(a.data());
    raw.append(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        // Dies with the test, however the test ends.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, 0);
            if (keepFd != 1)
                dup2(null, 1);
            dup2(null, 2);
        }
        for (int fd = 3; fd < 1024; ++fd) {
            if (fd != keepFd)
                close(fd);
        }
        execvp(raw[0], raw.data());
        _exit(127);
    }
    return pid;
}

bool X11Session::writeIcewmConfig(const QString &dir)
{
    if (!QDir().mkpath(dir))
        return false;
    QFile keys(dir + QStringLiteral("/keys"));
    if (!keys.open(QIODevice::WriteOnly))
        return false;
    keys.close();
    for (const char *name : {"toolbar", "menu", "programs", "winoptions"}) {
        QFile f(dir + QLatin1Char('/') + QLatin1String(name));
        if (!f.open(QIODevice::WriteOnly))
            return false;
    }
    QFile prefs(dir + QStringLiteral("/preferences"));
    if (!prefs.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&prefs);
    // Every global key of this icewm version, taken from its own list and
    // bound to nothing.
    QFile defaults(QStringLiteral("/usr/share/icewm/preferences"));
    if (defaults.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!defaults.atEnd()) {
            QString line = QString::fromUtf8(defaults.readLine()).trimmed();
            if (line.startsWith(QLatin1String("# Key")) && line.contains(QLatin1Char('=')))
                out << line.mid(2).section(QLatin1Char('='), 0, 0) << "=\"\"\n";
        }
    }
    out << "QuickSwitch=0\nFocusOnAppRaise=1\nRequestFocusOnAppRaise=1\nFocusRequestFlashTime=0\n"
           "ShowTaskBar=1\nTaskBarEnableSystemTray=1\nTaskBarShowTray=1\nTaskBarShowClock=0\n"
           "TaskBarShowCPUStatus=0\nTaskBarShowMEMStatus=0\nTaskBarShowNetStatus=0\n"
           "TaskBarShowMailboxStatus=0\nTaskBarShowAPMStatus=0\nTaskBarShowStartMenu=0\n"
           "TaskBarShowWorkspaces=0\nShowWelcome=0\nShowThemesMenu=0\nDesktopBackgroundColor=\"#"
           "406080\"\n";
    return out.status() == QTextStream::Ok;
}

bool X11Session::waitForWindowManager(int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    const QByteArray name = m_display.toLocal8Bit();
    while (t.elapsed() < timeoutMs) {
        if (Display *d = XOpenDisplay(name.constData())) {
            Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
            Atom type = None;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char *data = nullptr;
            const bool ok =
                XGetWindowProperty(d, DefaultRootWindow(d), check, 0, 1, False, XA_WINDOW, &type,
                                   &format, &count, &after, &data) == Success &&
                count == 1;
            if (data)
                XFree(data);
            XCloseDisplay(d);
            if (ok)
                return true;
        }
        QThread::msleep(50);
    }
    return false;
}

bool X11Session::start(QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        stop();
        return false;
    };
    for (const QString &program : {QStringLiteral("Xvfb"), QStringLiteral("icewm")}) {
        if (QStandardPaths::findExecutable(program).isEmpty()) {
            m_lacksPrograms = true;
            return fail(program + QStringLiteral(" is not installed"));
        }
    }
    m_lacksPrograms = false;

    m_dir =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/scrivlet-x11-XXXXXX"));
    if (!m_dir->isValid())
        return fail(QStringLiteral("no temporary folder"));
    const QString r = root();
    for (const char *sub : {"home", "runtime", "data", "config"})
        QDir().mkpath(r + QLatin1Char('/') + QLatin1String(sub));
    QFile::setPermissions(r + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    int fds[2];
    if (pipe(fds) != 0)
        return fail(QStringLiteral("pipe failed"));
    m_xvfb = spawn({QStringLiteral("Xvfb"), QStringLiteral("-displayfd"), QString::number(fds[1]),
                    QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x800x24"),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")},
                   fds[1]);
    close(fds[1]);
    QByteArray number;
    pollfd p{fds[0], POLLIN, 0};
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000 && !number.contains('\n')) {
        if (poll(&p, 1, 100) > 0) {
            char buf[32];
            const ssize_t n = read(fds[0], buf, sizeof buf);
            if (n <= 0)
                break;
            number.append(buf, int(n));
        }
    }
    close(fds[0]);
    if (!number.contains('\n'))
        return fail(QStringLiteral("Xvfb did not report a display"));
    m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());

    qputenv("DISPLAY", m_display.toLocal8Bit());
    qputenv("HOME", home().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (r + QStringLiteral("/runtime")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (r + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (r + QStringLiteral("/config")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("QT_SCALE_FACTOR"); // screenshots and pixel checks assume one pixel per point
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");

    const QString icewmDir = r + QStringLiteral("/icewm");
    if (!writeIcewmConfig(icewmDir))
        return fail(QStringLiteral("cannot write the icewm configuration"));
    qputenv("ICEWM_PRIVCFG", icewmDir.toLocal8Bit());
    m_wm = spawn({QStringLiteral("icewm"), QStringLiteral("--display=") + m_display});
    if (!waitForWindowManager(10000))
        return fail(QStringLiteral("icewm did not start"));
    return true;
}

void X11Session::stop()
{
    stopCpuLoad();
    for (QProcess *p : qAsConst(m_processes)) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(1000)) {
                p->kill();
                p->waitForFinished(1000);
            }
        }
        delete p;
    }
    m_processes.clear();
    endProcess(m_bus);
    m_bus = -1;
    endProcess(m_wm);
    m_wm = -1;
    endProcess(m_xvfb);
    m_xvfb = -1;
    m_dir.reset();
}

bool X11Session::startSessionBus()
{
    int fds[2];
    if (m_bus > 0 || pipe(fds) != 0)
        return m_bus > 0;
    m_bus = spawn({QStringLiteral("dbus-daemon"), QStringLiteral("--session"),
                   QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                   QStringLiteral("--print-address=") + QString::number(fds[1])},
                  fds[1]);
    close(fds[1]);
    QByteArray address;
    pollfd p{fds[0], POLLIN, 0};
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 5000 && !address.contains('\n')) {
        if (poll(&p, 1, 100) > 0) {
            char buf[256];
            const ssize_t n = read(fds[0], buf, sizeof buf);
            if (n <= 0)
                break;
            address.append(buf, int(n));
        }
    }
    close(fds[0]);
    if (!address.contains('\n'))
        return false;
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.trimmed());
    return true;
}

QProcessEnvironment X11Session::environment() const
{
    return QProcessEnvironment::systemEnvironment(); // start() put the session's values in
}

QProcess *X11Session::startProcess(const QString &program, const QStringList &arguments)
{
    auto *p = new QProcess;
    p->setProcessEnvironment(environment());
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // setpriv makes the program die with this process, even when a test crashes.
    QStringList args = {QStringLiteral("--pdeathsig"), QStringLiteral("KILL"), QStringLiteral("--"),
                        program};
    args += arguments;
    p->start(QStringLiteral("setpriv"), args);
    m_processes.append(p);
    return p;
}

void X11Session::startCpuLoad(int processes, int maxSeconds)
{
    for (int i = 0; i < processes; ++i)
        m_load.append(spawn({QStringLiteral("timeout"), QString::number(maxSeconds),
                             QStringLiteral("setpriv"), QStringLiteral("--pdeathsig"),
                             QStringLiteral("KILL"), QStringLiteral("--"), QStringLiteral("sh"),
                             QStringLiteral("-c"), QStringLiteral("while :; do :; done")}));
}

void X11Session::stopCpuLoad()
{
    for (pid_t pid : qAsConst(m_load))
        endProcess(pid);
    m_load.clear();
}

bool X11Session::isKeyComboFree(unsigned long keysym, unsigned int x11Modifiers)
{
    Display *d = XOpenDisplay(m_display.toLocal8Bit().constData());
    if (!d)
        return false;
    const KeyCode code = XKeysymToKeycode(d, keysym);
    bool free = false;
    if (code) {
        XSync(d, False);
        s_grabError = 0;
        auto previous = XSetErrorHandler(recordGrabError);
        // The probe's own grab must never be what makes a program's grab of
        // the same keys fail: with the server held, a program's grab request
        // waits until the probe has let go instead of meeting it.
        XGrabServer(d);
        XGrabKey(d, code, x11Modifiers, DefaultRootWindow(d), False, GrabModeAsync, GrabModeAsync);
        XSync(d, False);
        free = s_grabError == 0;
        XUngrabKey(d, code, x11Modifiers, DefaultRootWindow(d));
        XUngrabServer(d);
        XSync(d, False);
        XSetErrorHandler(previous);
    }
    XCloseDisplay(d);
    return free;
}
