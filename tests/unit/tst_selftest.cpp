// Runs the real program with --self-test, with the temporary folder pointed
// at a private place so runs never meet each other's scratch folders. The
// temporary folder is shared with every other user: what they may have put
// at the scratch folder's name (a folder of theirs, links to the user's
// files) must neither receive our files nor be touched.

#include "prerequisite.h"

#include <QtTest>

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What the export writes for the self-test's phrase, byte for byte.
const QByteArray expectedBackup = R"({
    "phrases": [
        {
            "enabled": true,
            "id": "1",
            "lastUsed": "0",
            "mods": 2,
            "name": "Hello",
            "text": "world",
            "vk": 65
        }
    ],
    "version": 1
}
)";

int modeOf(const QString &path)
{
    struct stat st;
    return lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

} // namespace

class SelfTestTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_tmp.reset(new QTemporaryDir);
        QVERIFY(m_tmp->isValid());
        m_scratch = m_tmp->filePath(QStringLiteral("vt-sc-selftest"));
    }

    // The files the user can look at afterwards hold what they should, and
    // no one else may read them.
    void cleanRun()
    {
        QCOMPARE(runSelfTest(m_tmp->path()), 0);
        QCOMPARE(readAll(m_scratch + QLatin1String("/backup.json")), expectedBackup);
        const QJsonObject data =
            QJsonDocument::fromJson(readAll(m_scratch + QLatin1String("/phrases.json"))).object();
        const QJsonArray phrases = data.value(QStringLiteral("phrases")).toArray();
        QCOMPARE(phrases.size(), 1);
        const QJsonObject phrase = phrases.at(0).toObject();
        QCOMPARE(phrase.value(QStringLiteral("text")).toString(), QStringLiteral("world"));
        QCOMPARE(phrase.value(QStringLiteral("name")).toString(), QStringLiteral("Hello"));
        QCOMPARE(phrase.value(QStringLiteral("vk")).toInt(), 65);
        QCOMPARE(phrase.value(QStringLiteral("mods")).toInt(), 2);
        QCOMPARE(phrase.value(QStringLiteral("id")).toString().size(), 36); // a fresh id
        const QJsonObject settings = data.value(QStringLiteral("settings")).toObject();
        QCOMPARE(settings.value(QStringLiteral("showVk")).toInt(), 84);
        QCOMPARE(settings.value(QStringLiteral("pickerMods")).toInt(), 3);
        QCOMPARE(modeOf(m_scratch), 0700);
        QCOMPARE(modeOf(m_scratch + QLatin1String("/phrases.json")), 0600);
        QCOMPARE(QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("vt-sc-selftest")});
    }

    // An earlier run's folder (an older version left it 0755) is emptied
    // and used, and made private.
    void leftoverScratchFolder()
    {
        QVERIFY(QDir().mkpath(m_scratch + QLatin1String("/sub")));
        QVERIFY(QFile::setPermissions(
            m_scratch, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                           QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                           QFileDevice::ExeOther));
        writeFile(m_scratch + QLatin1String("/phrases.json"),
                  R"({"phrases": [{"text": "world"}, {"text": "other"}]})");
        writeFile(m_scratch + QLatin1String("/sub/junk"), "x");
        QCOMPARE(runSelfTest(m_tmp->path()), 0);
        QCOMPARE(phrasesIn(m_scratch + QLatin1String("/phrases.json")), 1);
        QVERIFY(!QFileInfo::exists(m_scratch + QLatin1String("/sub")));
        QCOMPARE(modeOf(m_scratch), 0700);
    }

    // Whatever is at the scratch folder's name and not a folder of ours is
    // left as it is, and what it points to too; the run goes on in a
    // private folder of its own, which it removes.
    void nameTakenByAnythingElse_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a link to a folder") << QStringLiteral("link");
        QTest::newRow("a file") << QStringLiteral("file");
        QTest::newRow("a folder others may write in") << QStringLiteral("open");
    }
    void nameTakenByAnythingElse()
    {
        QFETCH(QString, kind);
        const QString victim = m_tmp->filePath(QStringLiteral("victim"));
        QVERIFY(QDir().mkpath(victim));
        writeFile(victim + QLatin1String("/precious.txt"), "keep me");
        if (kind == QLatin1String("link")) {
            QVERIFY(QFile::link(victim, m_scratch));
        } else if (kind == QLatin1String("file")) {
            writeFile(m_scratch, "not a folder");
        } else {
            QVERIFY(QDir().mkpath(m_scratch));
            QVERIFY(QFile::link(victim + QLatin1String("/precious.txt"),
                                m_scratch + QLatin1String("/backup.json")));
            QCOMPARE(chmod(QFile::encodeName(m_scratch).constData(), 0777), 0);
        }
        const QStringList before =
            QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        QCOMPARE(runSelfTest(m_tmp->path()), 0);
        QCOMPARE(readAll(victim + QLatin1String("/precious.txt")), QByteArray("keep me"));
        QCOMPARE(QDir(victim).entryList(QDir::Files), QStringList{QStringLiteral("precious.txt")});
        QCOMPARE(
            QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
            before);
        if (kind == QLatin1String("link"))
            QCOMPARE(QFileInfo(m_scratch).symLinkTarget(), victim);
        else if (kind == QLatin1String("file"))
            QCOMPARE(readAll(m_scratch), QByteArray("not a folder"));
        else
            QVERIFY(QFileInfo(m_scratch + QLatin1String("/backup.json")).isSymLink());
    }

    // Our own folder with a link inside: the link goes as a link.
    void linkInsideScratchFolder()
    {
        const QString victim = m_tmp->filePath(QStringLiteral("victim"));
        QVERIFY(QDir().mkpath(victim));
        writeFile(victim + QLatin1String("/precious.txt"), "keep me");
        QVERIFY(QDir().mkpath(m_scratch));
        QVERIFY(QFile::link(victim, m_scratch + QLatin1String("/link")));
        QVERIFY(QFile::link(victim + QLatin1String("/precious.txt"),
                            m_scratch + QLatin1String("/backup.json")));
        QCOMPARE(runSelfTest(m_tmp->path()), 0);
        QCOMPARE(readAll(victim + QLatin1String("/precious.txt")), QByteArray("keep me"));
        QVERIFY(!QFileInfo(m_scratch + QLatin1String("/link")).isSymLink());
        QCOMPARE(readAll(m_scratch + QLatin1String("/backup.json")), expectedBackup);
    }

    // Another user made the folder first, in the shared temporary folder
    // (sticky, as /tmp is), with links to files of the user who runs the
    // self-test; in a sticky folder the user cannot even remove them. The
    // user's files keep their bytes and the run passes, in a folder of its
    // own.
    void folderOfAnotherUser_data()
    {
        QTest::addColumn<QString>("link"); // planted in the other user's folder
        QTest::newRow("backup.json") << QStringLiteral("backup.json");
        QTest::newRow("phrases.json") << QStringLiteral("phrases.json");
        QTest::newRow("the folder itself") << QString();
    }
    void folderOfAnotherUser()
    {
        SCRIVLET_REQUIRE(geteuid() == 0, "needs root to act as another user");
        QFETCH(QString, link);
        const passwd *nobody = getpwnam("nobody");
        QVERIFY2(nobody, "no user nobody");
        // The shared temporary folder, and the home of the user who runs the
        // test (nobody); root plays the other user.
        const QString shared = m_tmp->filePath(QStringLiteral("tmp"));
        const QString home = m_tmp->filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(shared) && QDir().mkpath(home));
        QCOMPARE(chmod(QFile::encodeName(m_tmp->path()).constData(), 0755), 0);
        QCOMPARE(chmod(QFile::encodeName(shared).constData(), 01777), 0);
        const QString victim = home + QLatin1String("/notes.txt");
        writeFile(victim, "the user's own");
        QCOMPARE(chown(QFile::encodeName(home).constData(), nobody->pw_uid, nobody->pw_gid), 0);
        QCOMPARE(chown(QFile::encodeName(victim).constData(), nobody->pw_uid, nobody->pw_gid), 0);
        const QString planted = shared + QLatin1String("/vt-sc-selftest");
        if (link.isEmpty()) {
            QVERIFY(QFile::link(home, planted));
        } else {
            QVERIFY(QDir().mkpath(planted));
            QCOMPARE(chmod(QFile::encodeName(planted).constData(), 01777), 0);
            QVERIFY(QFile::link(victim, planted + QLatin1Char('/') + link));
        }
        const QStringList plantedBefore =
            QDir(planted).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);

        QCOMPARE(runSelfTest(shared, nobody), 0);
        QCOMPARE(readAll(victim), QByteArray("the user's own"));
        QCOMPARE(QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("notes.txt")});
        QCOMPARE(QDir(planted).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 plantedBefore);
        // The private folder is gone again.
        QCOMPARE(QDir(shared).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("vt-sc-selftest")});
    }

    void scratchCannotBeMade()
    {
        // The temporary folder is a file: nothing can be written below it.
        const QString file = m_tmp->filePath(QStringLiteral("file"));
        writeFile(file, "x");
        QCOMPARE(runSelfTest(file), 9);
    }

private:
    // Runs the self-test, as another user when runAs is given.
    int runSelfTest(const QString &tmpDir, const passwd *runAs = nullptr)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), tmpDir);
        env.insert(QStringLiteral("TMP"), tmpDir);
        env.insert(QStringLiteral("TEMP"), tmpDir);
        // Proves the self-test needs no display.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        QString program = QStringLiteral(SCRIVLET_EXE);
        if (runAs) {
            env.insert(QStringLiteral("HOME"), QFile::decodeName(runAs->pw_dir));
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
            // The suppressions file of a sanitizer build may be out of the
            // user's reach; leaks are the other runs' matter.
            env.remove(QStringLiteral("LSAN_OPTIONS"));
            if (env.contains(QStringLiteral("ASAN_OPTIONS")))
                env.insert(QStringLiteral("ASAN_OPTIONS"),
                           env.value(QStringLiteral("ASAN_OPTIONS")) +
                               QStringLiteral(":detect_leaks=0"));
            // The build folder may be out of the user's reach too.
            program = m_tmp->filePath(QStringLiteral("scrivlet"));
            if (!QFileInfo::exists(program) && !QFile::copy(QStringLiteral(SCRIVLET_EXE), program))
                return -3;
        }
        p.setProcessEnvironment(env);
        if (runAs)
            p.start(QStringLiteral("setpriv"),
                    {QStringLiteral("--reuid=%1").arg(runAs->pw_uid),
                     QStringLiteral("--regid=%1").arg(runAs->pw_gid),
                     QStringLiteral("--clear-groups"), QStringLiteral("--"), program,
                     QStringLiteral("--self-test")});
        else
            p.start(program, {QStringLiteral("--self-test")});
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        if (p.exitStatus() != QProcess::NormalExit)
            return -2;
        if (p.exitCode() != 0)
            qWarning("%s", p.readAllStandardError().constData());
        return p.exitCode();
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static int phrasesIn(const QString &path)
    {
        return QJsonDocument::fromJson(readAll(path))
            .object()
            .value(QStringLiteral("phrases"))
            .toArray()
            .size();
    }

    QScopedPointer<QTemporaryDir> m_tmp;
    QString m_scratch;
};

QTEST_GUILESS_MAIN(SelfTestTest)
#include "tst_selftest.moc"
