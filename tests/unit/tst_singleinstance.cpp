// The hand-over between two real copies of the program, each with its own
// private HOME, data and runtime folders.

#include "app/singleinstance.h"
#include "dispatch/remotecommand.h"
#include "fakes/channelwaiting.h"
#include "prerequisite.h"

#include <QLocalSocket>
#include <QtTest>

#include <atomic>
#include <thread>

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A copy of the program whose stderr trace is collected as it arrives.
class Copy final
{
public:
    explicit Copy(const QProcessEnvironment &env)
    {
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
    }
    ~Copy()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    void start(const QStringList &args = {}, const QString &program = QStringLiteral(SCRIVLET_EXE))
    {
        m_process.start(program, args);
    }
    QProcess &process() { return m_process; }

    // Waits until the trace holds `line` `times` times.
    bool waitFor(const QString &line, int times = 1, int timeoutMs = 10000)
    {
        QElapsedTimer t;
        t.start();
        while (count(line) < times) {
            if (t.elapsed() > timeoutMs || m_process.state() == QProcess::NotRunning)
                return count(line) >= times;
            m_process.waitForReadyRead(100);
            m_trace += QString::fromUtf8(m_process.readAllStandardError());
        }
        return true;
    }
    int count(const QString &line)
    {
        m_trace += QString::fromUtf8(m_process.readAllStandardError());
        return m_trace.split(QLatin1Char('\n'))
            .filter(QRegularExpression(QLatin1Char('^') + line))
            .size();
    }

private:
    QProcess m_process;
    QString m_trace;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// A connected Unix socket that has sent nothing; -1 on failure.
int connectRaw(const QString &socketPath)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(socketPath).constData(),
                 sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int modeOf(const QString &path)
{
    struct stat st;
    return lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// A system user of its own for one test, removed again at the end.
class OtherUser final
{
public:
    OtherUser() : m_name(QStringLiteral("scrivlet-t%1").arg(getpid()))
    {
        const QStringList args{QStringLiteral("--system"),          QStringLiteral("--user-group"),
                               QStringLiteral("--no-create-home"),  QStringLiteral("--shell"),
                               QStringLiteral("/usr/sbin/nologin"), m_name};
        // Another useradd on the machine may hold the lock on /etc/passwd.
        for (int attempt = 0; attempt < 20 && !m_created; ++attempt) {
            m_created = QProcess::execute(QStringLiteral("useradd"), args) == 0;
            if (!m_created)
                QThread::msleep(250);
        }
        if (const passwd *pw = m_created ? getpwnam(qPrintable(m_name)) : nullptr) {
            m_uid = pw->pw_uid;
            m_gid = pw->pw_gid;
        }
    }
    ~OtherUser()
    {
        if (m_created)
            QProcess::execute(QStringLiteral("userdel"), {m_name});
    }
    OtherUser(const OtherUser &) = delete;
    OtherUser &operator=(const OtherUser &) = delete;

    bool isValid() const { return m_uid != 0; }
    uid_t uid() const { return m_uid; }
    gid_t gid() const { return m_gid; }

    // connect() to a local socket as this user, in a child process that has
    // taken the user's identity: 0 connected, else the errno it failed with.
    int connectTo(const QString &socketPath) const
    {
        const QByteArray path = QFile::encodeName(socketPath);
        const pid_t pid = fork();
        if (pid == 0) {
            if (setgroups(0, nullptr) != 0 || setresgid(m_gid, m_gid, m_gid) != 0 ||
                setresuid(m_uid, m_uid, m_uid) != 0)
                _exit(255);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            if (fd < 0)
                _exit(254);
            const int rc =
                connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
            _exit(rc == 0 ? 0 : errno);
        }
        int status = 0;
        if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
            return -1;
        return WEXITSTATUS(status);
    }

    // The arguments that run a program as this user.
    QStringList runAs(const QString &program) const
    {
        return {QStringLiteral("--reuid=%1").arg(m_uid), QStringLiteral("--regid=%1").arg(m_gid),
                QStringLiteral("--clear-groups"), QStringLiteral("--"), program};
    }

private:
    QString m_name;
    bool m_created = false;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
};

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home.reset(new QTemporaryDir);
        QVERIFY(m_home->isValid());
        m_runtime = m_home->filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(m_runtime));
        QVERIFY(QFile::setPermissions(m_runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner));
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_env.insert(QStringLiteral("SCRIVLET_TEST_TRACE"), QStringLiteral("1"));
        m_env.insert(QStringLiteral("HOME"), m_home->path());
        m_env.insert(QStringLiteral("XDG_DATA_HOME"), m_home->filePath(QStringLiteral("data")));
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home->filePath(QStringLiteral("config")));
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime);
        m_env.insert(QStringLiteral("TMPDIR"), m_home->path());
        m_socket = m_runtime + QLatin1String("/VantokScrivlet32");
    }

    void secondStartHandsOver()
    {
        Copy first(m_env);
        first.start();
        QVERIFY(first.waitFor(QStringLiteral("listening ") + m_socket));
        // The first copy may write the data file while it starts (the one-time
        // 3.0 import); the second must leave it alone.
        QVERIFY(first.waitFor(QStringLiteral("idle")));
        const QString dataFile =
            m_home->filePath(QStringLiteral("data/Vantok/Scrivlet/phrases.json"));
        const QByteArray dataBefore = readAll(dataFile);
        // The user's texts are private: the folders the program made, and
        // the data file it wrote at start-up (the one-time 3.0 import).
        QCOMPARE(modeOf(m_home->filePath(QStringLiteral("data/Vantok"))), 0700);
        QCOMPARE(modeOf(QFileInfo(dataFile).path()), 0700);
        QCOMPARE(modeOf(dataFile), 0600);

        // The channel is for this user only.
        struct stat st;
        QCOMPARE(lstat(QFile::encodeName(m_socket).constData(), &st), 0);
        QVERIFY(S_ISSOCK(st.st_mode));
        QCOMPARE(int(st.st_mode & 077), 0);

        Copy second(m_env);
        QElapsedTimer t;
        t.start();
        second.start();
        // A second copy that failed to hand over would run on as a primary
        // copy; the bound only catches that, the time itself is printed.
        QVERIFY(second.process().waitForFinished(5000));
        qInfo("second copy exited after %lld ms", t.elapsed());
        QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process().exitCode(), 0);
        QVERIFY(first.waitFor(QStringLiteral("show requested")));
        QCOMPARE(readAll(dataFile), dataBefore);

        // Any connection, with other bytes or none, asks for the window.
        for (const QByteArray &bytes : {QByteArray("hello"), QByteArray()}) {
            QLocalSocket client;
            client.connectToServer(m_socket);
            QVERIFY(client.waitForConnected(2000));
            if (!bytes.isEmpty()) {
                client.write(bytes);
                client.waitForBytesWritten(1000);
            }
            client.disconnectFromServer();
        }
        QVERIFY(first.waitFor(QStringLiteral("show requested"), 3));

        // A client that connects and then says nothing holds the copy up for
        // a moment only.
        {
            const int silent = connectRaw(m_socket);
            QVERIFY(silent >= 0);
            QVERIFY(first.waitFor(QStringLiteral("show requested"), 4, 3000));
            close(silent);
        }

        // The self-test never contacts the running copy.
        Copy selfTest(m_env);
        selfTest.start({QStringLiteral("--self-test")});
        QVERIFY(selfTest.process().waitForFinished(30000));
        QCOMPARE(selfTest.process().exitCode(), 0);
        QTest::qWait(300);
        QCOMPARE(first.count(QStringLiteral("show requested")), 4);

        // A copy that ends frees the name, and a start after it runs as
        // the one copy again.
        first.process().terminate();
        QVERIFY(first.process().waitForFinished(10000));
        QVERIFY(!QFileInfo::exists(m_socket));
        Copy next(m_env);
        next.start();
        QVERIFY(next.waitFor(QStringLiteral("listening ") + m_socket));
    }

    // A command waits for its answer, which may come much later from the
    // event loop; a command left unanswered ends at once, not at the time
    // limit; the plain "show" still arrives as it did.
    void commandsAreAnsweredWhenDone()
    {
        SingleInstance server(m_socket);
        QVERIFY(server.listen());
        QList<RemoteCommand::Request> received;
        connect(&server, &SingleInstance::requestReceived, this,
                [&received](const QByteArray &bytes, const SingleInstance::Answer &answer) {
                    const RemoteCommand::Request request = RemoteCommand::decode(bytes);
                    received << request;
                    if (request.verb == RemoteCommand::Verb::Type)
                        QTimer::singleShot(300, [answer, request] {
                            answer(RemoteCommand::encodeReply({true, request.name}), false);
                        });
                    // Anything else: left unanswered.
                });

        // The client waits up to a minute for the answer: one that ends
        // before the wait below does was answered, or saw the connection
        // close, and did not run into its limit.
        const auto ask = [this](const RemoteCommand::Request &request, QByteArray *reply,
                                qint64 *ms, bool *inTime) {
            std::atomic<bool> done{false};
            SingleInstance::SendResult result = SingleInstance::SendResult::NoCopy;
            QElapsedTimer t;
            t.start();
            std::thread client([&] {
                SingleInstance channel(m_socket);
                result = channel.send(RemoteCommand::encode(request), 60000, reply);
                done = true;
            });
            *inTime = QTest::qWaitFor([&done] { return done.load(); }, 30000);
            client.join();
            *ms = t.elapsed();
            return result;
        };

        RemoteCommand::Request type;
        type.verb = RemoteCommand::Verb::Type;
        type.name = QString::fromUtf8("Grüße, two words");
        QByteArray bytes;
        qint64 ms = 0;
        bool inTime = false;
        QCOMPARE(int(ask(type, &bytes, &ms, &inTime)), int(SingleInstance::SendResult::Answered));
        QVERIFY(inTime);
        RemoteCommand::Reply reply;
        QVERIFY(RemoteCommand::decodeReply(bytes, &reply));
        QVERIFY(reply.ok);
        QCOMPARE(reply.text, type.name);
        qInfo("answered after %lld ms (the answer was sent after 300 ms)", ms);

        RemoteCommand::Request list;
        list.verb = RemoteCommand::Verb::List;
        QCOMPARE(int(ask(list, &bytes, &ms, &inTime)), int(SingleInstance::SendResult::NoAnswer));
        QVERIFY2(inTime, "the client waited for its limit, not for the connection to close");
        qInfo("left unanswered, the client returned after %lld ms", ms);

        std::atomic<bool> handed{false};
        std::thread second([this, &handed] {
            SingleInstance channel(m_socket);
            handed = channel.handOver();
        });
        QTRY_COMPARE(received.size(), 3);
        second.join();
        QVERIFY(handed);
        QCOMPARE(int(received.at(2).verb), int(RemoteCommand::Verb::Show));

        // Nobody at the name: no copy.
        SingleInstance nobody(m_runtime + QLatin1String("/nobody"));
        QCOMPARE(int(nobody.send(RemoteCommand::encode(list), 1000, &bytes)),
                 int(SingleInstance::SendResult::NoCopy));
    }

    // A copy that waits for the user says so now and then (see the check).
    void waitingRepliesExtendTheWait() { checkWaitingRepliesExtendTheWait(m_socket); }

    void somethingElseAtTheNameIsLeftAlone()
    {
        // Only a socket can be a channel left behind; a file of that name is
        // not ours to remove. The program runs on without the channel.
        QFile file(m_socket);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep");
        file.close();
        Copy first(m_env);
        first.start();
        QVERIFY(first.waitFor(QStringLiteral("idle")));
        QCOMPARE(first.count(QStringLiteral("listening")), 0);
        QCOMPARE(first.process().state(), QProcess::Running);
        QCOMPARE(readAll(m_socket), QByteArray("keep"));
    }

    void otherUserIsShutOut()
    {
        SCRIVLET_REQUIRE(geteuid() == 0, "needs root to create a second user");
        const OtherUser other;
        QVERIFY2(other.isValid(), "useradd failed");

        Copy first(m_env);
        first.start();
        QVERIFY(first.waitFor(QStringLiteral("listening ") + m_socket));
        QVERIFY(first.waitFor(QStringLiteral("idle")));

        // The other user cannot reach the channel...
        QCOMPARE(other.connectTo(m_socket), EACCES);

        // ...and a start of theirs, even one pointed at this user's runtime
        // folder, does not hand over: it runs as a copy of its own, with its
        // channel in a folder of its own. The program is copied to where the
        // other user may run it.
        QTemporaryDir otherHome;
        QVERIFY(otherHome.isValid());
        const QString home = otherHome.path();
        QVERIFY(chown(QFile::encodeName(home).constData(), other.uid(), other.gid()) == 0);
        const QString exe = home + QLatin1String("/scrivlet");
        QVERIFY(QFile::copy(QStringLiteral(SCRIVLET_EXE), exe));
        QProcessEnvironment env = m_env;
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QLatin1String("/data"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QLatin1String("/config"));
        env.insert(QStringLiteral("TMPDIR"), home);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime);
        env.remove(QStringLiteral("LSAN_OPTIONS")); // its file may be out of the user's reach
        Copy intruder(env);
        intruder.start(other.runAs(exe), QStringLiteral("setpriv"));
        QVERIFY2(intruder.waitFor(
                     QStringLiteral("listening ") + home +
                     QStringLiteral("/scrivlet-runtime-%1/VantokScrivlet32").arg(other.uid())),
                 "the other user's copy did not start a channel of its own");
        QVERIFY(intruder.waitFor(QStringLiteral("idle")));
        QCOMPARE(intruder.process().state(), QProcess::Running);
        QCOMPARE(first.count(QStringLiteral("show requested")), 0);

        // The channel is still this user's: a second start of ours hands over.
        Copy second(m_env);
        second.start();
        QVERIFY(second.process().waitForFinished(5000));
        QCOMPARE(second.process().exitCode(), 0);
        QVERIFY(first.waitFor(QStringLiteral("show requested")));
    }

    void staleServerIsReplaced()
    {
        {
            Copy crashed(m_env);
            crashed.start();
            QVERIFY(crashed.waitFor(QStringLiteral("listening")));
            crashed.process().kill(); // leaves its socket file behind
            crashed.process().waitForFinished(5000);
        }
        QVERIFY(QFileInfo::exists(m_socket));
        Copy next(m_env);
        next.start();
        QVERIFY(next.waitFor(QStringLiteral("listening ") + m_socket));
        QCOMPARE(next.process().state(), QProcess::Running);
    }

    void runtimeFolderFallback_data()
    {
        QTest::addColumn<bool>("unset");
        QTest::newRow("XDG_RUNTIME_DIR unset") << true;
        QTest::newRow("XDG_RUNTIME_DIR open to others") << false;
    }
    void runtimeFolderFallback()
    {
        QFETCH(bool, unset);
        if (unset) {
            m_env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        } else {
            QVERIFY(QFile::setPermissions(m_runtime,
                                          QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                              QFileDevice::WriteOther | QFileDevice::ExeOther));
        }
        const QString folder =
            m_home->filePath(QStringLiteral("scrivlet-runtime-%1").arg(getuid()));
        Copy first(m_env);
        first.start();
        QVERIFY(first.waitFor(QStringLiteral("listening ") + folder +
                              QLatin1String("/VantokScrivlet32")));
        struct stat st;
        QCOMPARE(lstat(QFile::encodeName(folder).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);

        Copy second(m_env);
        second.start();
        QVERIFY(second.process().waitForFinished(5000));
        QCOMPARE(second.process().exitCode(), 0);
        QVERIFY(first.waitFor(QStringLiteral("show requested")));
    }

    // No runtime folder, and the folder the program falls back to is not
    // the user's alone: another user made it first, or it is open to all.
    // It is not used (nor touched); the program says so and keeps its
    // channel in a folder of the user's own, where a later start finds it.
    void fallbackFolderNotOursAlone_data()
    {
        QTest::addColumn<bool>("anotherUsers");
        QTest::newRow("open to all") << false;
        QTest::newRow("another user's") << true;
    }
    void fallbackFolderNotOursAlone()
    {
        QFETCH(bool, anotherUsers);
        m_env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        m_env.insert(QStringLiteral("XDG_CACHE_HOME"), m_home->filePath(QStringLiteral("cache")));
        const QString folder =
            m_home->filePath(QStringLiteral("scrivlet-runtime-%1").arg(getuid()));
        QVERIFY(QDir().mkpath(folder));
        uid_t owner = getuid();
        if (anotherUsers) {
            SCRIVLET_REQUIRE(geteuid() == 0, "needs root to give a folder to another user");
            const passwd *nobody = getpwnam("nobody");
            QVERIFY(nobody);
            owner = nobody->pw_uid;
            QCOMPARE(chown(QFile::encodeName(folder).constData(), owner, nobody->pw_gid), 0);
            QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0700), 0);
        } else {
            QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0733), 0);
        }
        const QString own = m_home->filePath(QStringLiteral("cache/scrivlet-runtime-")) +
                            QSysInfo::machineHostName();

        Copy first(m_env);
        first.start();
        QVERIFY(first.waitFor(QRegularExpression::escape(QStringLiteral("listening ") + own +
                                                         QStringLiteral("/VantokScrivlet32"))));
        QVERIFY(first.waitFor(QStringLiteral("balloon The folder ") +
                              QRegularExpression::escape(folder) +
                              QStringLiteral(" is not yours alone")));
        QCOMPARE(modeOf(own), 0700);
        Copy second(m_env);
        second.start();
        QVERIFY(second.process().waitForFinished(10000));
        QCOMPARE(second.process().exitCode(), 0);
        QVERIFY(first.waitFor(QStringLiteral("show requested")));
        struct stat st;
        QCOMPARE(lstat(QFile::encodeName(folder).constData(), &st), 0);
        QCOMPARE(st.st_uid, owner);
        QVERIFY(QDir(folder).isEmpty());
    }

private:
    QScopedPointer<QTemporaryDir> m_home;
    QString m_runtime;
    QString m_socket;
    QProcessEnvironment m_env;
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
