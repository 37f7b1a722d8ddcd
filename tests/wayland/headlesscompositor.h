#pragma once

// A private headless KWin or mutter for end-to-end tests, each on a D-Bus
// session bus of its own (KWin serves its shortcut service and keyboard
// layouts there, mutter its remote desktop), with temporary HOME and XDG
// folders. Both run as the test's user, root included, without XWayland
// unless asked: the program's and the targets' windows are native Wayland
// ones then. start() puts the session's variables into this process's
// environment.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <memory>

class QProcess;

class HeadlessCompositor final
{
public:
    enum class Kind
    {
        KWin,
        Mutter,
    };
    struct Options
    {
        // XKB layouts, comma-separated; the first one is in use (KWin reads
        // them from Plasma's settings, mutter from the locale service).
        QString layouts = QStringLiteral("us");
        // KWin offers its restricted protocols to every client (else only
        // to programs an installed .desktop file names).
        bool trustEveryone = true;
        // The compositor runs XWayland too, as a desktop session does: the
        // program's own windows are then X11 ones.
        bool withXWayland = false;
    };

    HeadlessCompositor() = default;
    ~HeadlessCompositor();
    HeadlessCompositor(const HeadlessCompositor &) = delete;
    HeadlessCompositor &operator=(const HeadlessCompositor &) = delete;

    bool start(Kind kind, const Options &options, QString *error);
    void stop();
    bool lacksPrograms() const { return m_lacksPrograms; }
    Kind kind() const { return m_kind; }

    QString home() const { return m_dir ? m_dir->path() + QStringLiteral("/home") : QString(); }
    QProcessEnvironment environment() const;
    // Starts a program in the session; it dies with this process.
    QProcess *startProcess(const QString &program, const QStringList &arguments,
                           const QProcessEnvironment &extra = QProcessEnvironment(),
                           QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel);
    // A command run to its end in the session; its standard output.
    QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr);

private:
    Kind m_kind = Kind::KWin;
    std::unique_ptr<QTemporaryDir> m_dir;
    QProcess *m_bus = nullptr;
    QProcess *m_compositor = nullptr;
    QProcess *m_systemBus = nullptr;
    QProcess *m_locale = nullptr;
    QVector<QProcess *> m_processes;
    bool m_lacksPrograms = false;
    QString m_display; // XWayland's, when it runs
};

#define SCRIVLET_COMPOSITOR_TEST_MAIN(TestClass)                                                   \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
