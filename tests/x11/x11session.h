#pragma once

// A private X session for end-to-end tests: its own Xvfb (display number
// from -displayfd), icewm with a private configuration that binds no keys
// (the tests press combinations such as Ctrl+Alt+digit that icewm grabs by
// default), and temporary HOME, XDG_RUNTIME_DIR, XDG_DATA_HOME and
// XDG_CONFIG_HOME. start() puts DISPLAY and those folders into this process's
// environment, so it must run before the QApplication is made (see
// SCRIVLET_X11_TEST_MAIN). Every process it starts gets SIGKILL when this
// process dies, and stop() (also run by the destructor) ends them all.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <sys/types.h>

#include <memory>

class QProcess;

class X11Session final
{
public:
    X11Session();
    ~X11Session();
    X11Session(const X11Session &) = delete;
    X11Session &operator=(const X11Session &) = delete;

    // False (with the reason in *error) when Xvfb or icewm is missing or
    // would not start; then nothing is left running.
    bool start(QString *error = nullptr);
    void stop();
    // After a failed start(): true when it failed because Xvfb or icewm is
    // not installed (the test is skipped, not failed).
    bool lacksPrograms() const { return m_lacksPrograms; }

    QString display() const { return m_display; } // ":12"
    QString root() const;                         // the temporary folder
    QString home() const;
    QProcessEnvironment environment() const;

    // Starts a program in the session, its output forwarded unless the
    // caller reads it. The process belongs to the session and ends with it.
    // Needs the QCoreApplication.
    QProcess *startProcess(const QString &program, const QStringList &arguments);

    // Starts a D-Bus session bus for the session (the accessibility bus is
    // started from it on demand) and puts its address into the environment
    // of this process and of programs started afterwards.
    bool startSessionBus();

    // Keeps `processes` cores busy for at most maxSeconds (or until
    // stopCpuLoad()).
    void startCpuLoad(int processes, int maxSeconds);
    void stopCpuLoad();

    // True when no client holds the combination (a passive grab on the root
    // window with those X modifier bits succeeds); used to check that the
    // window manager leaves a test's shortcuts alone.
    bool isKeyComboFree(unsigned long keysym, unsigned int x11Modifiers);

    // Path of a program built beside the tests (x11target, ...).
    static QString programPath(const QString &name);

private:
    pid_t spawn(const QStringList &argv, int keepFd = -1);
    bool writeIcewmConfig(const QString &dir);
    bool waitForWindowManager(int timeoutMs);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_display;
    pid_t m_xvfb = -1;
    pid_t m_wm = -1;
    pid_t m_bus = -1;
    bool m_lacksPrograms = false;
    QVector<pid_t> m_load;
    QVector<QProcess *> m_processes;
};

// main() for a QtTest class that needs the session: starts it before the
// QApplication, stops it after the application is gone. Exits with 77, which
// CTest reports as skipped, where Xvfb or icewm is missing.
#define SCRIVLET_X11_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        X11Session session;                                                                        \
        QString error;                                                                             \
        if (!session.start(&error)) {                                                              \
            qWarning("%s: %s", session.lacksPrograms() ? "skipped" : "cannot start the X session", \
                     qPrintable(error));                                                           \
            return session.lacksPrograms() ? 77 : 1;                                               \
        }                                                                                          \
        int rc = 0;                                                                                \
        {                                                                                          \
            QApplication app(argc, argv);                                                          \
            TestClass test(&session);                                                              \
            rc = QTest::qExec(&test, argc, argv);                                                  \
            session.stopCpuLoad();                                                                 \
        }                                                                                          \
        session.stop();                                                                            \
        return rc;                                                                                 \
    }
