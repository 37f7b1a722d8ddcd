// The data file against a program killed in the middle of a save, a full
// disk and a read-only data folder: the file on disk is always a complete
// list, the one before or the one after the interrupted save.

#include "prerequisite.h"
#include "store/phrasestore.h"

#include <QtTest>

#include <memory>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// Phrase n of the growing list. Texts grow with n, so that later saves take
// longer and are more often cut short in the middle of the write.
Phrase numbered(int n)
{
    Phrase p;
    p.id = QStringLiteral("p%1").arg(n);
    p.name = QStringLiteral("phrase %1").arg(n);
    p.text = QStringLiteral("%1 \u4f60\u597d ").arg(n).repeated(1 + n % 60);
    p.vk = 0x41 + n % 26;
    p.mods = 2;
    p.lastUsed = n;
    return p;
}

bool samePhrase(const Phrase &a, const Phrase &b)
{
    return a.id == b.id && a.name == b.name && a.text == b.text && a.vk == b.vk &&
           a.mods == b.mods && a.enabled == b.enabled && a.lastUsed == b.lastUsed;
}

// The length of the list when it is exactly the first n numbered phrases,
// otherwise -1 (a mix of two saves, or anything else).
int numberedLength(const QVector<Phrase> &list)
{
    for (int i = 0; i < list.size(); ++i) {
        if (!samePhrase(list.at(i), numbered(i)))
            return -1;
    }
    return list.size();
}

// The child's side: load the list, then save it again and again, one phrase
// longer each time, writing the length of every committed save to stdout
// (unbuffered, so the parent knows what was on disk when it killed us).
int saveLoop(const QString &folder)
{
    PhraseStore store(folder);
    if (!store.load())
        return 2;
    for (int n = store.phrases().size();; ++n) {
        store.phrases().append(numbered(n));
        if (!store.save())
            return 3;
        const QByteArray line = QByteArray::number(n + 1) + '\n';
        if (write(STDOUT_FILENO, line.constData(), size_t(line.size())) != line.size())
            return 4;
    }
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The data file holds exactly the first count numbered phrases. A save
// merges in what the file holds that the store has not seen, so the old
// file goes first.
void saveNumbered(const QString &folder, int count)
{
    PhraseStore s(folder);
    QFile::remove(s.dataFilePath());
    for (int i = 0; i < count; ++i)
        s.phrases() << numbered(i);
    QVERIFY(s.save());
}

// A small tmpfs over a folder. The test process runs in a mount namespace
// of its own (below), so the mount is invisible to everyone else and goes
// away with the process even if the test crashes; it is unmounted here all
// the same.
class Tmpfs final
{
public:
    Tmpfs(const QString &folder, const QByteArray &options)
        : m_path(QFile::encodeName(folder)), m_options(options)
    {
        m_mounted = mount("tmpfs", m_path.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                          m_options.constData()) == 0;
    }
    ~Tmpfs()
    {
        if (m_mounted)
            umount2(m_path.constData(), MNT_DETACH);
    }
    Tmpfs(const Tmpfs &) = delete;
    Tmpfs &operator=(const Tmpfs &) = delete;

    bool isMounted() const { return m_mounted; }
    bool setReadOnly(bool readOnly)
    {
        const unsigned long flags = MS_REMOUNT | MS_NOSUID | MS_NODEV |
                                    (readOnly ? static_cast<unsigned long>(MS_RDONLY) : 0UL);
        return mount(nullptr, m_path.constData(), nullptr, flags, m_options.constData()) == 0;
    }

private:
    QByteArray m_path;
    QByteArray m_options;
    bool m_mounted = false;
};

} // namespace

class SaveSafetyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Mounting needs root; a private namespace keeps the mounts ours.
        m_canMount = geteuid() == 0 && unshare(CLONE_NEWNS) == 0 &&
                     mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }

    void killedDuringSaves()
    {
        const int kills = qEnvironmentVariableIsSet("SCRIVLET_KILLS")
                              ? qEnvironmentVariableIntValue("SCRIVLET_KILLS")
                              : 500;
        const quint32 seed = qEnvironmentVariableIsSet("SCRIVLET_KILL_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("SCRIVLET_KILL_SEED"))
                                 : QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString dataFile = dir.filePath(QStringLiteral("phrases.json"));
        saveNumbered(dir.path(), 1);

        int onDisk = 1;
        int saves = 0, cutAfterCommit = 0;
        for (int i = 0; i < kills; ++i) {
            // Start again from one phrase now and then: a list that grew
            // without end would only make the test slower.
            if (onDisk >= 300) {
                saveNumbered(dir.path(), 1);
                onDisk = 1;
            }
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--save-loop"), dir.path()});
            QVERIFY(child.waitForStarted());
            // Running and saving: the first save is reported.
            QVERIFY2(child.waitForReadyRead(20000), child.readAllStandardError().constData());
            QThread::usleep(random.bounded(15000));
            child.kill();
            QVERIFY(child.waitForFinished(20000));
            QVERIFY2(child.exitStatus() == QProcess::CrashExit,
                     qPrintable(QStringLiteral("the child stopped by itself with code %1")
                                    .arg(child.exitCode())));

            const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
            const int committed = lines.last().toInt();
            QVERIFY(committed > onDisk);
            saves += committed - onDisk;

            PhraseStore check(dir.path());
            QVERIFY2(
                check.load(),
                qPrintable(
                    QStringLiteral("kill %1 (seed %2): unreadable file").arg(i + 1).arg(seed)));
            const int length = numberedLength(check.phrases());
            // Before the save that was cut short, or after it; never a mix.
            QVERIFY2(
                length == committed || length == committed + 1,
                qPrintable(QStringLiteral("kill %1 (seed %2): %3 phrases on disk, %4 committed")
                               .arg(i + 1)
                               .arg(seed)
                               .arg(length)
                               .arg(committed)));
            if (length == committed + 1)
                ++cutAfterCommit;
            onDisk = length;
        }
        QVERIFY(QFileInfo(dataFile).size() > 0);
        // A kill between the save file getting its name and the rename leaves
        // that complete temporary file behind; nothing else may appear.
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        left.removeOne(QStringLiteral("phrases.json"));
        const QRegularExpression saveFile(QStringLiteral("^phrases\\.json\\.[A-Za-z]{6}$"));
        qInfo("%d kills (seed %u) over %d committed saves; %d after the commit but before it was "
              "reported; %d temporary save files left",
              kills, seed, saves, cutAfterCommit, int(left.size()));
        for (const QString &name : qAsConst(left))
            QVERIFY2(saveFile.match(name).hasMatch(), qPrintable(name));
    }

    void fullDisk()
    {
        SCRIVLET_REQUIRE(m_canMount, "needs root to mount a small tmpfs");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const Tmpfs disk(dir.path(), "size=64k,mode=0700");
        QVERIFY(disk.isMounted());

        PhraseStore s(dir.path());
        s.phrases() << numbered(1) << numbered(2);
        QVERIFY(s.save());
        const QByteArray before = readFile(s.dataFilePath());

        Phrase big = numbered(3);
        big.text = QString(200000, QLatin1Char('x'));
        s.phrases() << big;
        QVERIFY(!s.save());
        QVERIFY(!s.exportBackup(dir.filePath(QStringLiteral("backup.json"))));
        QCOMPARE(readFile(s.dataFilePath()), before);
        // No half-written temporary file keeps the disk full.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("phrases.json")});

        // The store goes on: once the list fits again, it is saved.
        s.phrases().last().text = QStringLiteral("fits");
        QVERIFY(s.save());
        PhraseStore back(dir.path());
        QVERIFY(back.load());
        QCOMPARE(back.phrases().size(), 3);
    }

    void readOnlyFolder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // Root writes through folder permissions, so for root the folder is a
        // tmpfs mounted read-only; anyone else gets a folder without write
        // permission.
        std::unique_ptr<Tmpfs> fs;
        if (geteuid() == 0) {
            SCRIVLET_REQUIRE(m_canMount,
                             "root without mount rights cannot make a folder read-only to itself");
            fs = std::make_unique<Tmpfs>(dir.path(), "size=1m,mode=0700");
            QVERIFY(fs->isMounted());
        }
        PhraseStore s(dir.path());
        s.phrases() << numbered(0);
        QVERIFY(s.save());
        const QByteArray before = readFile(s.dataFilePath());
        const auto userOnly =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        if (fs)
            QVERIFY(fs->setReadOnly(true));
        else
            QVERIFY(QFile::setPermissions(dir.path(), userOnly & ~QFileDevice::WriteOwner));

        s.phrases() << numbered(1);
        QVERIFY(!s.save());
        QString error;
        QVERIFY(!s.importBackup(s.dataFilePath(), &error)); // read, merged nothing, not saved
        QCOMPARE(readFile(s.dataFilePath()), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("phrases.json")});

        if (fs)
            QVERIFY(fs->setReadOnly(false));
        else
            QVERIFY(QFile::setPermissions(dir.path(), userOnly));
        QVERIFY(s.save());
        PhraseStore back(dir.path());
        QVERIFY(back.load());
        QCOMPARE(back.phrases().size(), 2);
    }

    // Moving the list to a folder it cannot be written to (read-only, or a
    // full disk) loses nothing: the old file and folder stay in use, the
    // running list as it was, and the next save goes to the old file.
    void moveToAFolderThatTakesNothing_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("read-only") << false;
        QTest::newRow("full") << true;
    }
    void moveToAFolderThatTakesNothing()
    {
        QFETCH(bool, full);
        QTemporaryDir home;
        QTemporaryDir away;
        QVERIFY(home.isValid() && away.isValid());
        std::unique_ptr<Tmpfs> fs;
        if (geteuid() == 0 || full) {
            SCRIVLET_REQUIRE(m_canMount, "needs root to mount a small tmpfs");
            fs = std::make_unique<Tmpfs>(away.path(), "size=8k,mode=0700");
            QVERIFY(fs->isMounted());
            if (!full)
                QVERIFY(fs->setReadOnly(true));
        } else {
            QVERIFY(
                QFile::setPermissions(away.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        PhraseStore s(home.path());
        for (int i = 0; i < 3; ++i)
            s.phrases() << numbered(i);
        QVERIFY(s.save());
        const QByteArray before = readFile(s.dataFilePath());
        Phrase big = numbered(3);
        big.text = QString(20000, QLatin1Char('x')); // more than the full disk takes
        s.phrases() << big;

        QCOMPARE(s.moveDataFolder(away.path()), PhraseStore::MoveResult::CannotWrite);
        QCOMPARE(s.dataFolder(), home.path());
        QCOMPARE(readFile(s.dataFilePath()), before);
        QCOMPARE(numberedLength(s.phrases().mid(0, 3)), 3);
        QCOMPARE(s.phrases().size(), 4);
        QCOMPARE(s.phrases().last().text, big.text);
        QVERIFY(QDir(away.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(s.save());
        PhraseStore back(home.path());
        QVERIFY(back.load());
        QCOMPARE(back.phrases().size(), 4);
        if (fs)
            QVERIFY(fs->setReadOnly(false));
        else
            QVERIFY(QFile::setPermissions(away.path(), QFileDevice::ReadOwner |
                                                           QFileDevice::WriteOwner |
                                                           QFileDevice::ExeOwner));
    }

private:
    bool m_canMount = false;
};

int main(int argc, char *argv[])
{
    // The same program is the child that gets killed.
    if (argc == 3 && qstrcmp(argv[1], "--save-loop") == 0) {
        QCoreApplication app(argc, argv);
        return saveLoop(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    SaveSafetyTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_savesafety.moc"
