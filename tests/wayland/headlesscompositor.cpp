#include "wayland/headlesscompositor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <sys/stat.h>

namespace {

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

const char SocketName[] = "scrivlet-test";

} // namespace

HeadlessCompositor::~HeadlessCompositor()
{
    stop();
}

bool HeadlessCompositor::start(Kind kind, const Options &options, QString *error)
{
    stop();
    m_kind = kind;
    const QString program =
        kind == Kind::KWin ? QStringLiteral("kwin_wayland") : QStringLiteral("mutter");
    const QString installed = QStandardPaths::findExecutable(program);
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (installed.isEmpty() || daemon.isEmpty()) {
        m_lacksPrograms = true;
        *error = QStringLiteral("%1 is not installed").arg(installed.isEmpty() ? program : daemon);
        return false;
    }
    m_dir =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/scrivlet-comp-XXXXXX"));
    const QString base = m_dir->path();
    const QString runtime = base + QStringLiteral("/run");
    for (const QString &dir :
         {runtime, home() + QStringLiteral("/.config"), home() + QStringLiteral("/.local/share")}) {
        QDir().mkpath(dir);
        ::chmod(QFile::encodeName(dir).constData(), 0700);
    }
    ::chmod(QFile::encodeName(runtime).constData(), 0700);

    // The layouts as Plasma's keyboard settings keep them: KWin reads them
    // at start and serves the switcher over D-Bus.
    if (kind == Kind::KWin) {
        QFile kxkbrc(home() + QStringLiteral("/.config/kxkbrc"));
        kxkbrc.open(QIODevice::WriteOnly);
        kxkbrc.write("[Layout]\nLayoutList=" + options.layouts.toUtf8() + "\nUse=true\n");
    }

    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/local/bin:/usr/bin:/bin"));
    env.insert(QStringLiteral("HOME"), home());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home() + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home() + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XKB_DEFAULT_LAYOUT"), options.layouts);

    // The session bus first: both compositors serve on it from the start.
    m_bus = new QProcess;
    m_bus->setProcessEnvironment(env);
    m_bus->start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                          QStringLiteral("--print-address")});
    if (!m_bus->waitForReadyRead(10000)) {
        *error = QStringLiteral("no session bus");
        return false;
    }
    const QString bus = QString::fromUtf8(m_bus->readLine()).trimmed();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus);

    // mutter takes its keymap from the system's locale service when no shell
    // sets one: a bus of its own stands for the system bus, with a stand-in
    // for that service naming the layouts.
    if (kind == Kind::Mutter) {
        m_systemBus = new QProcess;
        m_systemBus->setProcessEnvironment(env);
        m_systemBus->start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                    QStringLiteral("--print-address")});
        if (!m_systemBus->waitForReadyRead(10000)) {
            *error = QStringLiteral("no system bus");
            return false;
        }
        const QString system = QString::fromUtf8(m_systemBus->readLine()).trimmed();
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), system);
        m_locale = new QProcess;
        m_locale->setProcessEnvironment(env);
        m_locale->start(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(SCRIVLET_TESTS_DIR "/wayland/fakelocale1.py"), options.layouts});
        if (!m_locale->waitForReadyRead(10000)) {
            *error = QStringLiteral("no locale service: ") +
                     QString::fromLocal8Bit(m_locale->readAllStandardError());
            return false;
        }
    }

    QString binary = installed;
    QStringList arguments;
    if (kind == Kind::KWin) {
        // KWin's file capability is refused inside a container: a copy has
        // none.
        binary = base + QStringLiteral("/kwin_wayland");
        QFile::copy(installed, binary);
        QFile::setPermissions(binary, QFile::ExeOwner | QFile::ReadOwner | QFile::ExeOther |
                                          QFile::ReadOther);
        arguments = QStringList{QStringLiteral("--virtual"), QStringLiteral("--no-lockscreen"),
                                QStringLiteral("--socket"),  QString::fromLatin1(SocketName),
                                QStringLiteral("--width"),   QStringLiteral("1280"),
                                QStringLiteral("--height"),  QStringLiteral("800")};
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (options.trustEveryone)
            env.insert(QStringLiteral("KWIN_WAYLAND_NO_PERMISSION_CHECKS"), QStringLiteral("1"));
        if (options.withXWayland) {
            // KWin names XWayland's display to the programs it starts.
            arguments.insert(0, QStringLiteral("--xwayland"));
            arguments << QStringLiteral("sh -c 'echo $DISPLAY > %1/display.tmp && mv "
                                        "%1/display.tmp %1/display; exec sleep 100000'")
                             .arg(base);
        }
    } else {
        arguments =
            QStringList{QStringLiteral("--headless"),        QStringLiteral("--wayland"),
                        QStringLiteral("--virtual-monitor"), QStringLiteral("1280x800"),
                        QStringLiteral("--wayland-display"), QString::fromLatin1(SocketName)};
        if (options.withXWayland) {
            // mutter names XWayland's display to the program it starts, and
            // ends when that program does.
            arguments << QStringLiteral("--") << QStringLiteral("sh") << QStringLiteral("-c")
                      << QStringLiteral("printf '%s\\n%s\\n' \"$DISPLAY\" \"$XAUTHORITY\" > "
                                        "%1/display.tmp && mv %1/display.tmp %1/display; exec "
                                        "sleep 100000")
                             .arg(base);
        } else {
            arguments << QStringLiteral("--no-x11");
        }
    }
    m_compositor = new QProcess;
    m_compositor->setProcessEnvironment(env);
    m_compositor->setStandardOutputFile(base + QStringLiteral("/compositor.log"));
    m_compositor->setStandardErrorFile(base + QStringLiteral("/compositor.log"));
    m_compositor->start(QStringLiteral("setpriv"),
                        QStringList{QStringLiteral("--pdeathsig"), QStringLiteral("KILL"),
                                    QStringLiteral("--"), binary} +
                            arguments);
    const QString socket = runtime + QLatin1Char('/') + QString::fromLatin1(SocketName);
    const QString service = kind == Kind::KWin ? QStringLiteral("org.kde.kglobalaccel")
                                               : QStringLiteral("org.gnome.Mutter.RemoteDesktop");
    const auto busHas = [&] {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("dbus-send"),
                {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                 QStringLiteral("--dest=org.freedesktop.DBus"), QStringLiteral("/"),
                 QStringLiteral("org.freedesktop.DBus.NameHasOwner"),
                 QStringLiteral("string:") + service});
        p.waitForFinished(3000);
        return p.readAllStandardOutput().contains("true");
    };
    const QString displayFile = base + QStringLiteral("/display");
    const bool xwayland = options.withXWayland;
    if (!waitFor(
            [&] {
                return QFileInfo::exists(socket) && busHas() &&
                       (!xwayland || QFileInfo(displayFile).size() > 0);
            },
            20000)) {
        QFile log(base + QStringLiteral("/compositor.log"));
        log.open(QIODevice::ReadOnly);
        *error = program + QStringLiteral(" did not start: ") +
                 QString::fromLocal8Bit(log.readAll().right(2000));
        stop();
        return false;
    }

    qputenv("WAYLAND_DISPLAY", SocketName);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.toUtf8());
    qputenv("HOME", QFile::encodeName(home()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home() + QStringLiteral("/.config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home() + QStringLiteral("/.local/share")));
    qputenv("XDG_SESSION_TYPE", "wayland");
    qputenv("XDG_CURRENT_DESKTOP", kind == Kind::KWin ? "KDE" : "GNOME");
    m_display.clear();
    QString authority;
    if (xwayland) {
        // The display, and the authority file mutter's XWayland asks for.
        QFile display(displayFile);
        display.open(QIODevice::ReadOnly);
        const QStringList lines =
            QString::fromLocal8Bit(display.readAll()).split(QLatin1Char('\n'));
        m_display = lines.value(0).trimmed();
        authority = lines.value(1).trimmed();
    }
    if (m_display.isEmpty())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", m_display.toLocal8Bit());
    if (authority.isEmpty())
        qunsetenv("XAUTHORITY");
    else
        qputenv("XAUTHORITY", QFile::encodeName(authority));
    qunsetenv("SWAYSOCK");
    return true;
}

void HeadlessCompositor::stop()
{
    m_processes.append(m_compositor);
    m_processes.append(m_locale);
    m_processes.append(m_systemBus);
    m_processes.append(m_bus);
    for (QProcess *p : qAsConst(m_processes)) {
        if (!p)
            continue;
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(3000)) {
                p->kill();
                p->waitForFinished(2000);
            }
        }
        delete p;
    }
    m_processes.clear();
    m_compositor = m_bus = m_systemBus = m_locale = nullptr;
    m_dir.reset();
}

QProcessEnvironment HeadlessCompositor::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Without XWayland every program is a Wayland one; with it, each
    // chooses as it would on the desktop (the program picks X11).
    if (m_display.isEmpty()) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("GDK_BACKEND"), QStringLiteral("wayland"));
    } else {
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("GDK_BACKEND"));
    }
    return env;
}

QProcess *HeadlessCompositor::startProcess(const QString &program, const QStringList &arguments,
                                           const QProcessEnvironment &extra,
                                           QProcess::ProcessChannelMode channels)
{
    auto *p = new QProcess;
    QProcessEnvironment env = environment();
    env.insert(extra);
    p->setProcessEnvironment(env);
    p->setProcessChannelMode(channels);
    p->start(QStringLiteral("setpriv"),
             QStringList{QStringLiteral("--pdeathsig"), QStringLiteral("KILL"),
                         QStringLiteral("--"), program} +
                 arguments);
    m_processes.append(p);
    return p;
}

QString HeadlessCompositor::run(const QString &program, const QStringList &arguments, int *exitCode)
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(program, arguments);
    p.waitForFinished(20000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}
