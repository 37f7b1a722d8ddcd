#pragma once

// A private headless sway for end-to-end tests: its own Wayland socket, its
// IPC socket and an XWayland display, in a temporary folder, with temporary
// HOME and XDG folders for the programs started in it. sway will not run as
// root: when the test is root, sway alone runs as an unprivileged user
// (made once, "scrivlet-test"), while the test, its targets and the program
// stay root and reach sway's sockets by path. start() puts WAYLAND_DISPLAY,
// DISPLAY, SWAYSOCK and the folders into this process's environment, so it
// runs before the QApplication is made (SCRIVLET_WAYLAND_TEST_MAIN).

#include <QJsonObject>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <sys/types.h>

#include <memory>

class QProcess;

class WaylandSession final
{
public:
    WaylandSession() = default;
    ~WaylandSession();
    WaylandSession(const WaylandSession &) = delete;
    WaylandSession &operator=(const WaylandSession &) = delete;

    // withXWayland false: a desktop without X11 at all (no DISPLAY).
    bool start(QString *error, bool withXWayland = true);
    void stop();
    // After a failed start(): sway or XWayland is not installed.
    bool lacksPrograms() const { return m_lacksPrograms; }

    QString root() const { return m_dir ? m_dir->path() : QString(); }
    QString home() const { return root() + QStringLiteral("/home"); }
    QProcessEnvironment environment() const;

    // Starts a program in the session; it dies with this process.
    QProcess *startProcess(const QString &program, const QStringList &arguments,
                           const QProcessEnvironment &extra = QProcessEnvironment());
    // Starts a D-Bus session bus (the accessibility bus starts from it on
    // demand) and puts its address into the environment of this process and
    // of programs started afterwards.
    bool startSessionBus();
    // Runs a sway command through its IPC; false when sway refused it.
    bool swaymsg(const QString &command);
    // The app_id (or X11 class) of the window sway has focused; empty for
    // none.
    QString focusedApp();
    // The process of the window sway has focused; 0 for none.
    qint64 focusedPid();
    // sway's configuration reads this file too: writes it and has sway read
    // its configuration again (which sets every keyboard up anew); false
    // when sway refused it.
    QString includedConfig() const { return root() + QStringLiteral("/sway-included"); }
    bool setIncludedConfig(const QByteArray &text);
    // Where the focused window's contents are, in layout pixels (those of
    // XWayland's screen too); null when none is focused.
    QRect focusedContent();
    // The content rectangles of the windows of process pid.
    QVector<QRect> windowsOf(qint64 pid);

    static QString programPath(const QString &name);

private:
    // The nodes of sway's tree that are windows (they name a process).
    QVector<QJsonObject> windowNodes();
    // The focused window's node; empty when none.
    QJsonObject focusedNode();
    // Where a window node's contents are, in layout pixels.
    static QRect contentOf(const QJsonObject &node);

    std::unique_ptr<QTemporaryDir> m_dir;
    pid_t m_sway = -1;
    QString m_waylandDisplay;
    QString m_display;
    QString m_swaySocket;
    bool m_lacksPrograms = false;
    bool m_withXWayland = true;
    QVector<QProcess *> m_processes;
};

#define SCRIVLET_WAYLAND_TEST_MAIN(TestClass) SCRIVLET_WAYLAND_TEST_MAIN_WITH(TestClass, true)
#define SCRIVLET_WAYLAND_TEST_MAIN_WITH(TestClass, withXWayland)                                   \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        WaylandSession session;                                                                    \
        QString error;                                                                             \
        if (!session.start(&error, withXWayland)) {                                                \
            qWarning("%s: %s", session.lacksPrograms() ? "skipped" : "cannot start sway",          \
                     qPrintable(error));                                                           \
            return session.lacksPrograms() ? 77 : 1;                                               \
        }                                                                                          \
        int rc = 0;                                                                                \
        {                                                                                          \
            QApplication app(argc, argv);                                                          \
            TestClass test(&session);                                                              \
            rc = QTest::qExec(&test, argc, argv);                                                  \
        }                                                                                          \
        session.stop();                                                                            \
        return rc;                                                                                 \
    }
