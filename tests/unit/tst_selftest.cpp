// Runs the real program with --self-test, with the temporary folder pointed
// at a private place so runs never meet each other's scratch folders.

#include <QtTest>

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

    void cleanRun()
    {
        QCOMPARE(runSelfTest(m_tmp->path()), 0);
        QVERIFY(QFileInfo::exists(m_scratch + QLatin1String("/backup.json")));
        QVERIFY(QFileInfo::exists(m_scratch + QLatin1String("/phrases.json")));
        QCOMPARE(phrasesIn(m_scratch + QLatin1String("/phrases.json")), 1);
    }

    void leftoverScratchFolder()
    {
        QVERIFY(QDir().mkpath(m_scratch + QLatin1String("/sub")));
        writeFile(m_scratch + QLatin1String("/phrases.json"),
                  R"({"phrases": [{"text": "world"}, {"text": "other"}]})");
        writeFile(m_scratch + QLatin1String("/sub/junk"), "x");
        QCOMPARE(runSelfTest(m_tmp->path()), 0);
        QCOMPARE(phrasesIn(m_scratch + QLatin1String("/phrases.json")), 1);
        QVERIFY(!QFileInfo::exists(m_scratch + QLatin1String("/sub")));
    }

    void scratchIsASymlink()
    {
        // Whatever the link points to must survive; only the link goes.
        const QString victim = m_tmp->filePath(QStringLiteral("victim"));
        QVERIFY(QDir().mkpath(victim));
        writeFile(victim + QLatin1String("/precious.txt"), "keep me");
        QVERIFY(QFile::link(victim, m_scratch));
        QCOMPARE(runSelfTest(m_tmp->path()), 0);
        QCOMPARE(QDir(victim).entryList(QDir::Files), QStringList{QStringLiteral("precious.txt")});
        QFile precious(victim + QLatin1String("/precious.txt"));
        QVERIFY(precious.open(QIODevice::ReadOnly));
        QCOMPARE(precious.readAll(), QByteArray("keep me"));
        QVERIFY(!QFileInfo(m_scratch).isSymLink());
        QVERIFY(QFileInfo(m_scratch).isDir());
    }

    void linkInsideScratchFolder()
    {
        const QString victim = m_tmp->filePath(QStringLiteral("victim"));
        QVERIFY(QDir().mkpath(victim));
        writeFile(victim + QLatin1String("/precious.txt"), "keep me");
        QVERIFY(QDir().mkpath(m_scratch));
        QVERIFY(QFile::link(victim, m_scratch + QLatin1String("/link")));
        QCOMPARE(runSelfTest(m_tmp->path()), 0);
        QVERIFY(QFileInfo::exists(victim + QLatin1String("/precious.txt")));
    }

    void scratchIsAFile()
    {
        writeFile(m_scratch, "not a folder");
        QCOMPARE(runSelfTest(m_tmp->path()), 0);
        QVERIFY(QFileInfo(m_scratch).isDir());
    }

    void scratchCannotBeMade()
    {
        // The temporary folder is a file: nothing can be written below it.
        const QString file = m_tmp->filePath(QStringLiteral("file"));
        writeFile(file, "x");
        QCOMPARE(runSelfTest(file), 9);
    }

private:
    int runSelfTest(const QString &tmpDir)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), tmpDir);
        env.insert(QStringLiteral("TMP"), tmpDir);
        env.insert(QStringLiteral("TEMP"), tmpDir);
        // Proves the self-test needs no display.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--self-test")});
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        if (p.exitStatus() != QProcess::NormalExit)
            return -2;
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
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        return QJsonDocument::fromJson(f.readAll())
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
