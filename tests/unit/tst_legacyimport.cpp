#include "store/phrasestore.h"

#include <QTextCodec>
#include <QtTest>

namespace {

constexpr int recordSize = 3024;

// One record of the 3.0 edition's file: text bytes as given (GB18030),
// zero-terminated unless they fill all 3000 bytes.
QByteArray record(quint16 vk, quint16 flags, const QByteArray &text)
{
    QByteArray r(recordSize, '\0');
    r.replace(0, 20, QByteArray(20, '\x7f')); // unused bytes are not read
    r[20] = char(vk & 0xFF);
    r[21] = char(vk >> 8);
    r[22] = char(flags & 0xFF);
    r[23] = char(flags >> 8);
    r.replace(24, qMin(text.size(), 3000), text.left(3000));
    return r;
}

QByteArray gb(const QString &s)
{
    return QTextCodec::codecForName("GB18030")->fromUnicode(s);
}

} // namespace

class LegacyImportTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_old = m_dir->filePath(QStringLiteral("vtdt.dll"));
    }

    void defaultPath()
    {
        QCOMPARE(PhraseStore::legacyFilePathFor(true, QStringLiteral("/w"), QStringLiteral("/h")),
                 QStringLiteral("C:/ProgramData/Zem Free Scrivlet/vtdt.dll"));
        QCOMPARE(PhraseStore::legacyFilePathFor(false, QStringLiteral("/w"), QStringLiteral("/h")),
                 QStringLiteral("/w/drive_c/ProgramData/Zem Free Scrivlet/vtdt.dll"));
        QCOMPARE(PhraseStore::legacyFilePathFor(false, QString(), QStringLiteral("/h")),
                 QStringLiteral("/h/.wine/drive_c/ProgramData/Zem Free Scrivlet/vtdt.dll"));
        QCOMPARE(PhraseStore(m_dir->path()).legacyFilePath(), PhraseStore::defaultLegacyFilePath());
    }

    void textsNamesAndKeys()
    {
        const QString chinese = QString::fromUtf8("你好，世界\n第二行");
        const QString long25 = QStringLiteral("abcdefghijklmnopqrstuvwxy");
        QByteArray file;
        file += record(0x41, 3, gb(chinese)); // Shift+Ctrl -> 6
        file += record(0x42, 4 | 0xF0,
                       gb(QStringLiteral("  good morning  "))); // Alt; high bits ignored
        file += record(0x43, 1, long25.toLatin1());             // Shift -> 4
        file += record(0x44, 0x102, gb(QStringLiteral("\n\n  \r\n  first line \nnext"))); // Ctrl
        file += record(0x45, 0, QByteArray("   \r\n\t ")); // blank: skipped
        file += record(0x46, 0, QByteArray(3000, 'z'));    // no zero byte
        file += record(0x47, 0,
                       QByteArray("a\xff"
                                  "ok\x81"));        // invalid, cut short
        file += record(0x48, 0, QByteArray("\n\n")); // blank: skipped
        writeOld(file);

        PhraseStore s(m_dir->path());
        s.setLegacyFilePath(m_old);
        QCOMPARE(s.importLegacy(), 6);
        const QVector<Phrase> &p = s.phrases();
        QCOMPARE(p.size(), 6);

        QCOMPARE(p[0].text, chinese);
        QCOMPARE(p[0].name, QString::fromUtf8("你好，世界"));
        QCOMPARE(p[0].vk, 0x41);
        QCOMPARE(p[0].mods, 6);
        QCOMPARE(p[0].enabled, true);
        QCOMPARE(p[0].lastUsed, Q_INT64_C(0));
        QCOMPARE(p[0].id.size(), 36);

        QCOMPARE(p[1].text, QStringLiteral("good morning"));
        QCOMPARE(p[1].name, QStringLiteral("good morning"));
        QCOMPARE(p[1].mods, 1);

        QCOMPARE(p[2].name, long25.left(20));
        QCOMPARE(p[2].mods, 4);

        QCOMPARE(p[3].text, QStringLiteral("first line \nnext"));
        QCOMPARE(p[3].name, QStringLiteral("first line"));
        QCOMPARE(p[3].mods, 2);

        QCOMPARE(p[4].text, QString(3000, QLatin1Char('z')));
        QCOMPARE(p[4].vk, 0x46);

        QCOMPARE(p[5].text, QStringLiteral("a\uFFFDok")); // replaced, never a crash

        QVERIFY(s.settings().importedV3);
        PhraseStore back(m_dir->path());
        QVERIFY(back.load());
        QCOMPARE(back.phrases().size(), 6);
        QVERIFY(back.settings().importedV3);
    }

    void shortName()
    {
        // A text is trimmed before its first line is taken, so a blank-only
        // record is skipped and a one-character text names itself.
        writeOld(record(0x41, 0, gb(QStringLiteral("\t\n"))) +
                 record(0x42, 0, gb(QStringLiteral("-"))));
        PhraseStore s(m_dir->path());
        s.setLegacyFilePath(m_old);
        QCOMPARE(s.importLegacy(), 1);
        QCOMPARE(s.phrases()[0].name, QStringLiteral("-"));
    }

    void limits_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QByteArray many;
        for (int i = 0; i < 35; ++i)
            many +=
                record(0x70 + (i % 24), quint16(i / 24), gb(QStringLiteral("phrase %1").arg(i)));
        QTest::newRow("35 records") << many << 30;
        QByteArray blanksFirst = record(0x41, 0, "   ");
        for (int i = 0; i < 31; ++i)
            blanksFirst += record(0x42, 0, gb(QStringLiteral("p%1").arg(i)));
        QTest::newRow("blank does not count") << blanksFirst << 30;
        QTest::newRow("third has key code 0") << record(0x41, 0, "one") + record(0x42, 0, "two") +
                                                     record(0, 0, "three") + record(0x43, 0, "four")
                                              << 2;
        QTest::newRow("first has key code 0") << record(0, 0, "one") + record(0x42, 0, "two") << 0;
        QTest::newRow("last record incomplete")
            << record(0x41, 0, "one") + record(0x42, 0, "two").left(3000) << 1;
        QTest::newRow("shorter than a record") << QByteArray(100, 'a') << 0;
        QTest::newRow("empty file") << QByteArray() << 0;
    }
    void limits()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, count);
        writeOld(file);
        PhraseStore s(m_dir->path());
        s.setLegacyFilePath(m_old);
        QCOMPARE(s.importLegacy(), count);
        QCOMPARE(s.phrases().size(), count);
        QVERIFY(QFileInfo::exists(s.dataFilePath())); // the flag is saved in every case
    }

    void collidingHotkeys()
    {
        writeOld(record(0x41, 2, "first") + record(0x41, 2, "second") + // Ctrl+A twice
                 record(0x54, 2, "ctrl t") +                            // show window
                 record(0x52, 2, "ctrl r") +                            // picker
                 record(0x51, 2, "ctrl q"));                            // held by a disabled phrase
        PhraseStore s(m_dir->path());
        Phrase disabled;
        disabled.id = Phrase::newId();
        disabled.text = QStringLiteral("disabled");
        disabled.vk = 0x51;
        disabled.mods = 2;
        disabled.enabled = false;
        s.phrases() << disabled;
        s.setLegacyFilePath(m_old);
        QCOMPARE(s.importLegacy(), 5);
        const QVector<Phrase> &p = s.phrases();
        QCOMPARE(p[1].vk, 0x41);
        QCOMPARE(p[1].mods, 2);
        for (int i : {2, 3, 4}) {
            QCOMPARE(p[i].vk, 0);
            QCOMPARE(p[i].mods, 0);
        }
        QCOMPARE(p[5].vk, 0x51);
    }

    void runsOnce()
    {
        PhraseStore s(m_dir->path());
        s.setLegacyFilePath(m_old); // missing
        QCOMPARE(s.importLegacy(), 0);
        QVERIFY(s.settings().importedV3);
        QVERIFY(QFileInfo::exists(s.dataFilePath()));

        writeOld(record(0x41, 0, "appeared later"));
        PhraseStore next(m_dir->path());
        QVERIFY(next.load());
        next.setLegacyFilePath(m_old);
        QCOMPARE(next.importLegacy(), 0);
        QVERIFY(next.phrases().isEmpty());
    }

    void noDuplicateTest()
    {
        writeOld(record(0x41, 0, "same"));
        PhraseStore s(m_dir->path());
        Phrase existing;
        existing.id = Phrase::newId();
        existing.text = QStringLiteral("same");
        s.phrases() << existing;
        s.setLegacyFilePath(m_old);
        QCOMPARE(s.importLegacy(), 1);
        QCOMPARE(s.phrases().size(), 2);
    }

private:
    void writeOld(const QByteArray &bytes)
    {
        QFile f(m_old);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), qint64(bytes.size()));
    }

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_old;
};

QTEST_GUILESS_MAIN(LegacyImportTest)
#include "tst_legacyimport.moc"
