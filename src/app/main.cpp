#include "app/commandclient.h"
#include "app/selftest.h"
#include "app/singleinstance.h"
#include "base/language.h"
#include "base/testtrace.h"
#include "dispatch/phrasedispatcher.h"
#include "dispatch/remotecommand.h"
#include "mainwindow/mainwindow.h"
#include "platform/appidentity.h"
#include "platform/desktop.h"
#include "platform/quitsignals.h"
#include "store/phrasestore.h"
#include "theme/appstyle.h"
#include "theme/dialogchrome.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QStandardPaths>
#include <QTextCodec>
#include <QThread>
#include <QTimer>
#include <QTranslator>

#include <atomic>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <system_error>
#include <thread>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

void setIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vantok"));
    QCoreApplication::setApplicationName(QStringLiteral("Scrivlet"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.2"));
}

const QString channelName = QStringLiteral("VantokScrivlet32");

QString dataFolderProblem(const QString &folder)
{
    return QCoreApplication::translate("CommandClient",
                                       "The folder %1 cannot hold the phrase list: it cannot be "
                                       "made or written, or it is not yours.")
        .arg(folder);
}

// What the command line asks for when it is answered without a window of our
// own, or a display: the self-test, the help, the version, an error, or a
// command handed to the running copy. Returns the exit code then; nothing
// when the program starts (*inTray: hidden in the tray; *dataDir: the folder
// --data-dir gave, made absolute, else empty).
std::optional<int> answerWithoutWindow(int argc, char *argv[], bool *inTray, QString *dataDir)
{
    *inTray = false;
    dataDir->clear();
    if (argc <= 1)
        return std::nullopt;
    QCoreApplication probe(argc, argv);
    setIdentity();
    const RemoteCommand::CommandLine line =
        RemoteCommand::parseArguments(QCoreApplication::arguments());
    const bool givenFolder = !line.dataDir.isEmpty();
    const DataLocation::Choice where =
        DataLocation::choose(DataLocation::defaultFolder(), line.dataDir);
    if (givenFolder)
        *dataDir = where.folder;
    switch (line.action) {
    case RemoteCommand::CommandLine::Action::SelfTest:
        // Non-visual logic only: it runs where no display exists (build
        // machines, a console session).
        if (givenFolder) {
            const int status = SelfTest::checkDataFolder(where.folder);
            if (status != 0) {
                CommandClient::print(true, dataFolderProblem(where.folder));
                return status;
            }
        }
        return SelfTest::run();
    case RemoteCommand::CommandLine::Action::Help:
        CommandClient::print(false, RemoteCommand::usage(), true);
        return 0;
    case RemoteCommand::CommandLine::Action::Version:
        CommandClient::print(
            false, QStringLiteral("Zem Scrivlet %1").arg(QCoreApplication::applicationVersion()));
        return 0;
    case RemoteCommand::CommandLine::Action::Error:
        // The error may quote what was typed: shown escaped, apart from
        // the usage.
        CommandClient::print(true, line.error);
        CommandClient::print(true, RemoteCommand::usage(), true);
        return 2;
    case RemoteCommand::CommandLine::Action::Command: {
        RemoteCommand::Request request = line.request;
        // The file as this start sees it: the running copy has a folder of
        // its own.
        if (request.verb == RemoteCommand::Verb::Import)
            request.name = QFileInfo(request.name).absoluteFilePath();
        // Handed over and answered without a window of our own.
        return CommandClient::run(request, AppIdentity::localServerName(channelName), where.folder,
                                  givenFolder);
    }
    case RemoteCommand::CommandLine::Action::Start:
        *inTray = line.inTray;
        break;
    }
    if (!givenFolder)
        return std::nullopt;
    // Before the window: a copy that runs with another list is not handed
    // this start, and a folder that cannot hold the list is said at once,
    // on a console too.
    const QString running =
        CommandClient::runningElsewhere(AppIdentity::localServerName(channelName), where.folder);
    if (!running.isEmpty()) {
        CommandClient::print(true, CommandClient::elsewhereMessage(running, where.folder));
        return 1;
    }
    if (SelfTest::checkDataFolder(where.folder) != 0) {
        CommandClient::print(true, dataFolderProblem(where.folder));
        return 1;
    }
    return std::nullopt;
}

// Which window system Qt talks to, and how, set in the environment before
// the application object reads it.
void chooseQtPlatform(int argc, char *argv[])
{
    // Nothing here draws with OpenGL, yet the X11 platform plugin would load
    // the GL driver at start-up: with a software renderer that alone is about
    // 50 MiB of resident memory and a slower start. The user may still choose.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

#ifndef Q_OS_WIN
    // A display named on the command line is the one for every connection
    // of ours, not only Qt's (the dialogs' window states go through one of
    // their own), and for the programs we start.
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--")
            break;
        if (argument == "-display" || argument == "--display")
            qputenv("DISPLAY", argv[i + 1]);
    }
    // Our windows are X11 ones on every Linux desktop, through XWayland on a
    // Wayland one: frameless windows that sit where we put them and a panel
    // above the others, which a Wayland client may not ask for. Qt would
    // pick its Wayland plugin where the session says Wayland. Without
    // XWayland (no DISPLAY) Qt's choice stands: Wayland windows, placed by
    // the compositor.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#else
    Q_UNUSED(argc)
    Q_UNUSED(argv)
#endif
}

void setLookAndFeel()
{
    // Closing or hiding the main window leaves the program in the tray; only
    // the Exit command ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new AppStyle); // the application takes it

    QFont font(QStringLiteral("Microsoft YaHei UI"), 10);
    if (!font.exactMatch())
        font = QFont(QStringLiteral("Microsoft YaHei"), 10);
    QApplication::setFont(font);
}

// Meets the copy already running, if any: true when that copy takes this
// start (it shows its window, or, started in the tray, it is all that was
// wanted). Otherwise *channel tells whether this copy listens for the next
// starts.
bool takenByRunningCopy(SingleInstance &instance, const QString &serverName, bool inTray,
                        bool *channel)
{
    *channel = false;
    // Without a channel private to this user there is no hand-over: better
    // two copies than one that another user can reach.
    if (serverName.isEmpty())
        return false;
    // Started in the tray (for a command) while a copy runs: that copy is
    // all that was wanted, and its window stays as it is.
    if (inTray) {
        QByteArray reply;
        RemoteCommand::Request probe;
        probe.verb = RemoteCommand::Verb::Probe;
        if (instance.send(RemoteCommand::encode(probe), SingleInstance::readTimeoutMs, &reply) !=
            SingleInstance::SendResult::NoCopy)
            return true;
    } else if (instance.handOver()) {
        return true;
    }
    // A server of another user is never handed over to, and its name
    // cannot be ours: this copy runs without a channel, and says so.
    *channel = !instance.foundForeignServer() && instance.listen();
    if (*channel)
        TestTrace::line(QStringLiteral("listening ") + serverName);
    return false;
}

// The data file read on a second thread while Qt starts on the first: with
// thousands of phrases reading it (the file's pages, the parsing, the
// strings) takes about as long as Qt's own start, and the processor's other
// core is idle meanwhile. The thread also finds the folder (the pointer in
// the usual folder), so that a start handed to the running copy never waits
// on it. Reading only: a copy that finds another one running leaves without
// having written anything, and the folder is made and the read taken in only
// after that.
class DataFileReadAhead
{
public:
    struct Result
    {
        DataLocation::Choice where;
        PhraseStore::FileRead read;
    };

    explicit DataFileReadAhead(const QString &dataDir) : m_dataDir(dataDir)
    {
        // Qt takes the thread that makes its first object for the main one;
        // that must be this one, not the reader.
        QThread::currentThread();
        try {
            m_thread = std::thread([this] { run(); });
        } catch (const std::system_error &) {
            // No thread to be had: take() reads on the main thread.
        }
    }
    ~DataFileReadAhead()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    DataFileReadAhead(const DataFileReadAhead &) = delete;
    DataFileReadAhead &operator=(const DataFileReadAhead &) = delete;

    Result take()
    {
        if (!m_thread.joinable())
            run();
        else
            m_thread.join();
        return std::move(m_result);
    }
    // The read is through, or was never started: leaving does not wait.
    bool settled() const { return !m_thread.joinable() || m_done.load(); }

private:
    void run()
    {
        // --data-dir, else the folder the user chose (the pointer in the
        // usual folder), else the usual folder.
        m_result.where = DataLocation::choose(DataLocation::defaultFolder(), m_dataDir);
        m_result.read = PhraseStore::readDataFile(m_result.where.folder);
        m_done.store(true);
    }

    const QString m_dataDir;
    Result m_result;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

// The later starts' requests, carried out by the dispatcher.
void carryOutRequests(SingleInstance &instance, MainWindow &window)
{
    QObject::connect(&instance, &SingleInstance::requestReceived, &window,
                     [&window](const QByteArray &bytes, const SingleInstance::Answer &answer) {
                         const RemoteCommand::Request request = RemoteCommand::decode(bytes);
                         if (request.verb == RemoteCommand::Verb::Show)
                             TestTrace::line(QStringLiteral("show requested"));
                         // From the event loop: the channel takes the next start
                         // meanwhile, and typing may wait for the target.
                         QTimer::singleShot(0, &window, [&window, request, answer] {
                             window.dispatcher()->carryOut(
                                 request, [answer](const RemoteCommand::Reply &reply) {
                                     answer(RemoteCommand::encodeReply(reply), reply.waiting);
                                 });
                         });
                     });
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef __GLIBC__
    // glibc raises its threshold for giving a large block a mapping of its
    // own each time such a block is freed; after the data file's buffers
    // (megabytes at 10,000 phrases) the later ones come from the heap, and
    // their pages stay with the program for its life once freed. A fixed
    // threshold gives them back: 3 MiB at 10,000 phrases.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    // The arguments are read before anything else: the self-test and the
    // commands run without a window of our own, or a display.
    bool inTray = false;
    QString dataDir;
    if (const std::optional<int> exitCode = answerWithoutWindow(argc, argv, &inTray, &dataDir))
        return *exitCode;

#ifndef Q_OS_WIN
    // What the application object does first, the user's locale taken from
    // the environment, done before any file name is encoded: the data file
    // is read before that object exists, and Qt keeps the encoding of file
    // names it settles on at the first use.
    setlocale(LC_ALL, "");
    QTextCodec::codecForLocale();
#endif
    // The names before anything asks for the usual data folder, which
    // carries them.
    setIdentity();
    DataFileReadAhead readAhead(dataDir);

    chooseQtPlatform(argc, argv);
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    DialogChrome chrome;
    app.installEventFilter(&chrome);

    setLookAndFeel();

    AppIdentity::setProcessAppId(QStringLiteral("Vantok.Scrivlet.3.2"));

    QString takenFolder;
    const QString serverName = AppIdentity::localServerName(channelName, &takenFolder);
    SingleInstance instance(serverName);
    bool channel = false;
    if (takenByRunningCopy(instance, serverName, inTray, &channel)) {
        // The running copy has this start. A read still waiting on the data
        // folder (a network mount that stalls) is not waited for.
        if (!readAhead.settled()) {
            std::fflush(nullptr);
            std::_Exit(0);
        }
        return 0;
    }

    DataFileReadAhead::Result ahead = readAhead.take();
    const DataLocation::Choice &where = ahead.where;
    PhraseStore store(where.folder);
    store.setLocalFolder(where.localFolder);
    // A chosen folder that is not there (a synced drive not mounted yet) is
    // not made: the list it holds is merged in once it appears.
    store.setMayCreateDataFolder(!where.fromPointer);
    // User-only: the folder holds the user's private texts.
    store.createDataFolder();
    store.load(std::move(ahead.read));

    QTranslator translator;
    // In place before the window is built, so that every window is built in
    // the user's language, and what its construction reports (shortcuts that
    // could not be registered, the one-time import) too. Nothing is told of
    // it afterwards: each retranslation refills the table and the panel.
    Language::install(&translator, store.settings().language);
    // The window system interface; null-safe users, so a failed backend only
    // costs the shortcuts and the typing.
    const std::unique_ptr<Desktop> desktop = createDesktop();
    MainWindow window(&store, &translator, desktop.get());
    window.setDataLocation(where);

    QuitSignals::install([&window] { window.quitApp(); });

    carryOutRequests(instance, window);

    if (!channel)
        window.reportNoHandOverChannel();
    else if (!takenFolder.isEmpty())
        window.reportTakenChannelFolder(takenFolder);

    if (!store.settings().startMinimized && !inTray) {
        window.show();
        TestTrace::line(QStringLiteral("window shown"));
    }
    // Reported once the event loop runs, with the window built and the
    // shortcuts registered.
    QTimer::singleShot(0, [] { TestTrace::line(QStringLiteral("idle")); });

    return app.exec();
}
