#include "store/phrasejson.h"
#include "store/phrasestore.h"

#include <QtTest>

namespace {

Phrase phrase(const QString &text, int mods = 0, int vk = 0, bool enabled = true,
              const QString &name = QString())
{
    Phrase p;
    p.id = Phrase::newId();
    p.name = name;
    p.text = text;
    p.mods = mods;
    p.vk = vk;
    p.enabled = enabled;
    return p;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList words(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *word : list)
        out << QString::fromUtf8(word);
    return out;
}

QByteArray backupOf(const QVector<Phrase> &phrases)
{
    QJsonArray a;
    for (const Phrase &p : phrases)
        a.append(p.toJson());
    return QJsonDocument(QJsonObject{{QStringLiteral("phrases"), a}}).toJson();
}

} // namespace

class BackupTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_backup = m_dir->filePath(QStringLiteral("backup.json"));
    }

    void exportLayout()
    {
        PhraseStore s(m_dir->path());
        QVERIFY(s.exportBackup(m_backup));
        QJsonObject root = QJsonDocument::fromJson(readAll(m_backup)).object();
        QCOMPARE(root.keys(), QStringList({QStringLiteral("phrases"), QStringLiteral("version")}));
        QCOMPARE(root.value(QStringLiteral("phrases")), QJsonValue(QJsonArray()));

        s.phrases() << phrase(QStringLiteral("one")) << phrase(QStringLiteral("two"));
        QVERIFY(s.exportBackup(m_backup));
        root = QJsonDocument::fromJson(readAll(m_backup)).object();
        const QJsonArray a = root.value(QStringLiteral("phrases")).toArray();
        QCOMPARE(a.size(), 2);
        QCOMPARE(a.at(1).toObject(), s.phrases()[1].toJson());
        QVERIFY(!QFileInfo::exists(s.dataFilePath())); // export leaves the data file alone

        QVERIFY(!s.exportBackup(m_dir->filePath(QStringLiteral("missing/folder/b.json"))));
    }

    void importMerges()
    {
        PhraseStore s(m_dir->path());
        s.phrases() << phrase(QStringLiteral("kept"), 2, 0x51, true)       // Ctrl+Q, enabled
                    << phrase(QStringLiteral("disabled"), 2, 0x57, false); // Ctrl+W, disabled
        Phrase fromFile = phrase(QStringLiteral("new one"), 2, 0x57, false, QStringLiteral("N"));
        fromFile.lastUsed = 123456;
        const QString fileId = fromFile.id;
        writeFile(
            m_backup,
            backupOf({
                fromFile, // takes Ctrl+W: only a disabled one has it
                phrase(QStringLiteral("kept"), 0, 0, true, QStringLiteral("  Kept  ")), // duplicate
                phrase(QStringLiteral("disabled")),             // duplicate of a disabled phrase
                phrase(QStringLiteral("ctrl q"), 2, 0x51),      // collides with "kept"
                phrase(QStringLiteral("ctrl t"), 2, 84),        // the show-window shortcut
                phrase(QStringLiteral("ctrl r"), 2, 82),        // the picker shortcut
                phrase(QStringLiteral("alt w"), 1, 0x57),       // free
                phrase(QStringLiteral("alt w again"), 1, 0x57), // collides with the one just added
                phrase(QStringLiteral("new one")),              // same text as earlier in this file
                phrase(QString()),                              // empty: silently dropped
            }));

        QString error = QStringLiteral("unchanged");
        QStringList skipped;
        QVERIFY(s.importBackup(m_backup, &error, &skipped));
        QCOMPARE(error, QStringLiteral("unchanged"));
        QCOMPARE(skipped, QStringList({QStringLiteral("Kept"), QStringLiteral("disabled"),
                                       QStringLiteral("new one")}));

        const QVector<Phrase> &p = s.phrases();
        QCOMPARE(p.size(), 8);
        QCOMPARE(p[2].text, QStringLiteral("new one"));
        QVERIFY(p[2].id != fileId);
        QCOMPARE(p[2].id.size(), 36);
        QCOMPARE(p[2].vk, 0x57);
        QCOMPARE(p[2].enabled, false);
        QCOMPARE(p[2].lastUsed, Q_INT64_C(123456));
        QCOMPARE(p[2].name, QStringLiteral("N"));
        for (int i : {3, 4, 5, 7}) {
            QCOMPARE(p[i].vk, 0);
            QCOMPARE(p[i].mods, 0);
        }
        QCOMPARE(p[6].vk, 0x57);
        QCOMPARE(p[6].mods, 1);

        // The merge was saved.
        PhraseStore back(m_dir->path());
        QVERIFY(back.load());
        QCOMPARE(back.phrases().size(), 8);
    }

    // An abbreviation taken by an enabled phrase, or one that is no
    // abbreviation, is dropped like a colliding shortcut, and named; the
    // phrase comes in all the same. Disabled phrases take no abbreviation
    // from anyone.
    void importAbbreviations()
    {
        PhraseStore s(m_dir->path());
        const auto withAbbreviation = [](const QString &text, const QString &abbreviation,
                                         bool enabled = true) {
            Phrase p = phrase(text, 0, 0, enabled);
            p.abbreviation = abbreviation;
            p.placeholders = true;
            return p;
        };
        s.phrases() << withAbbreviation(QStringLiteral("mine"), QStringLiteral(";sig"))
                    << withAbbreviation(QStringLiteral("off"), QStringLiteral(";off"), false);
        writeFile(m_backup,
                  backupOf({
                      withAbbreviation(QStringLiteral("clash"), QStringLiteral(";sig")),
                      withAbbreviation(QStringLiteral("free"), QStringLiteral(";off")),
                      withAbbreviation(QStringLiteral("case"), QStringLiteral(";SIG")),
                      withAbbreviation(QStringLiteral("again"), QStringLiteral(";off")),
                      withAbbreviation(QStringLiteral("disabled"), QStringLiteral(";sig"), false),
                      withAbbreviation(QStringLiteral("spaced"), QStringLiteral("a b")),
                  }));
        QStringList skipped;
        QStringList without;
        QStringList holders;
        QVERIFY(s.importBackup(m_backup, nullptr, &skipped, &without, &holders));
        QVERIFY(skipped.isEmpty());
        QCOMPARE(without, QStringList({QStringLiteral("clash"), QStringLiteral("again"),
                                       QStringLiteral("spaced")}));
        // Who has it: a phrase of the list, one imported just before, and
        // none for an abbreviation that is not one.
        QCOMPARE(holders, QStringList({QStringLiteral("mine"), QStringLiteral("free"), QString()}));
        QStringList abbreviations;
        for (const Phrase &p : s.phrases()) {
            abbreviations << p.abbreviation;
            QVERIFY(p.placeholders);
        }
        QCOMPARE(abbreviations,
                 QStringList({QStringLiteral(";sig"), QStringLiteral(";off"), QString(),
                              QStringLiteral(";off"), QStringLiteral(";SIG"), QString(),
                              QStringLiteral(";sig"), QString()}));
        // Saved and read back, by both readers alike.
        PhraseStore back(m_dir->path());
        QVERIFY(back.load());
        QCOMPARE(back.phrases().at(3).abbreviation, QStringLiteral(";off"));
        QVERIFY(back.phrases().at(3).placeholders);
        PhraseJson::Document fast;
        PhraseJson::Document general;
        const QByteArray bytes = PhraseJson::write(back.phrases(), nullptr);
        QVERIFY(PhraseJson::read(bytes, &fast));
        QVERIFY(PhraseJson::readGeneral(bytes, &general));
        QCOMPARE(fast.phrases.at(3).abbreviation, general.phrases.at(3).abbreviation);
        QCOMPARE(fast.phrases.at(2).placeholders, general.phrases.at(2).placeholders);
        QCOMPARE(fast.phrases.at(3).toJson(), general.phrases.at(3).toJson());
    }

    void ownExportSkipsEverything()
    {
        PhraseStore s(m_dir->path());
        s.phrases() << phrase(QStringLiteral("a")) << phrase(QStringLiteral("b\nsecond line"));
        QVERIFY(s.exportBackup(m_backup));
        QStringList skipped;
        QVERIFY(s.importBackup(m_backup, nullptr, &skipped));
        QCOMPARE(s.phrases().size(), 2);
        QCOMPARE(skipped, QStringList({QStringLiteral("a"), QStringLiteral("b...")}));
    }

    void importFailures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("error");
        QTest::newRow("not json") << QByteArray("phrases") << false << "format";
        QTest::newRow("empty") << QByteArray() << false << "format";
        QTest::newRow("array") << QByteArray("[]") << false << "format";
        QTest::newRow("truncated") << QByteArray(R"({"phrases": [)") << false << "format";
        QTest::newRow("no phrases") << QByteArray(R"({"version": 1})") << true << "";
        QTest::newRow("phrases not an array") << QByteArray(R"({"phrases": {}})") << true << "";
        QTest::newRow("wrong element types")
            << QByteArray(R"({"phrases": [1, "x", null, [], {"text": 5}]})") << true << "";
        QTest::newRow("data file with settings")
            << QByteArray(R"({"settings": {"uiTheme": 0}, "phrases": []})") << true << "";
    }
    void importFailures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QString, error);
        writeFile(m_backup, bytes);
        PhraseStore s(m_dir->path());
        QString err;
        QStringList skipped;
        QCOMPARE(s.importBackup(m_backup, &err, &skipped), ok);
        QCOMPARE(err, error);
        QVERIFY(skipped.isEmpty());
        QVERIFY(s.phrases().isEmpty());
        QCOMPARE(s.settings().uiTheme, 1); // settings never come from a backup
        QCOMPARE(QFileInfo::exists(s.dataFilePath()), ok);
    }

    void importMissingFile()
    {
        PhraseStore s(m_dir->path());
        QString err;
        QVERIFY(!s.importBackup(m_dir->filePath(QStringLiteral("none.json")), &err));
        QCOMPARE(err, QStringLiteral("read"));
        QVERIFY(!s.importBackup(m_dir->path(), &err)); // a folder
        QCOMPARE(err, QStringLiteral("read"));
    }

    void importReportsFailedSave()
    {
        writeFile(m_backup, backupOf({phrase(QStringLiteral("x"))}));
        // The data file's place is taken by a folder: the merge cannot be saved.
        PhraseStore s(m_dir->path());
        QVERIFY(QDir().mkpath(s.dataFilePath()));
        QString err;
        QVERIFY(!s.importBackup(m_backup, &err));
        QVERIFY(err.isEmpty());
        QCOMPARE(s.phrases().size(), 1); // still in memory
    }

    // The files of other tools, end to end through the store: what comes
    // over, what the notes say, and the same clash rules as a backup's. A
    // second import of the same file brings nothing new.
    void importOtherTools_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("abbreviations");
        QTest::addColumn<QStringList>("notes"); // the entries, in file order
        QTest::newRow("Espanso") << "espanso-base.yml" << int(ForeignImport::Format::Espanso)
                                 << words({":sig", ":addr", ":address", ":today", ":tomorrow",
                                           ":quote", ":div", ":cap", ":team"})
                                 << words({"../shared/work.yml", ":ip", ":hi(?P<person>.*)\\.",
                                           ":form", ":cat", ":bold", ":me", ":doy", ":pick",
                                           "two words"});
        QTest::newRow("Espanso saved on Windows")
            << "espanso-windows.yml" << int(ForeignImport::Format::Espanso)
            << words({";gr", ";two"}) << QStringList();
        QTest::newRow("Beeftext JSON")
            << "beeftext.json" << int(ForeignImport::Format::BeeftextJson)
            << words({"bsig", "bdue", "bclip"}) << words({"bps", "bnest", "bask"});
        QTest::newRow("Beeftext CSV") << "beeftext.csv" << int(ForeignImport::Format::BeeftextCsv)
                                      << words({"bcsv", "bq"}) << words({"benv"});
        QTest::newRow("plain CSV") << "plain.csv" << int(ForeignImport::Format::PlainCsv)
                                   << words({";hw", ""}) << words({"Spaced", ";empty"});
    }
    void importOtherTools()
    {
        QFETCH(QString, file);
        QFETCH(int, format);
        QFETCH(QStringList, abbreviations);
        QFETCH(QStringList, notes);
        if (format == int(ForeignImport::Format::Espanso) && !ForeignImport::canReadEspanso())
            QSKIP("built without libyaml");
        const QString path = QStringLiteral(SCRIVLET_IMPORT_DATA "/") + file;
        PhraseStore s(m_dir->path());
        s.phrases() << phrase(QStringLiteral("already here"));
        PhraseStore::ImportReport report;
        QVERIFY2(s.importFile(path, &report), qPrintable(report.error));
        QCOMPARE(int(report.format), format);
        QCOMPARE(report.added, abbreviations.size());
        QStringList got;
        for (int i = 1; i < s.phrases().size(); ++i)
            got << s.phrases().at(i).abbreviation;
        QCOMPARE(got, abbreviations);
        QStringList noted;
        for (const ForeignImport::Note &note : qAsConst(report.notes))
            noted << note.entry;
        QCOMPARE(noted, notes);
        QVERIFY(report.skipped.isEmpty());
        // Saved, and read back the same.
        PhraseStore reread(m_dir->path());
        QVERIFY(reread.load());
        QCOMPARE(reread.phrases().size(), abbreviations.size() + 1);

        PhraseStore::ImportReport again;
        QVERIFY(s.importFile(path, &again));
        QCOMPARE(again.added, 0);
        // Sibling triggers of one entry share a text: skipped as one each.
        QCOMPARE(again.skipped.size(), abbreviations.size());
    }

    // Each trigger of an Espanso entry comes over, though they share a
    // text; another entry with that text is still a duplicate, and a
    // trigger another phrase has is dropped as a backup's abbreviation is.
    void importSiblingTriggers()
    {
        if (!ForeignImport::canReadEspanso())
            QSKIP("built without libyaml");
        const QString path = m_dir->filePath(QStringLiteral("m.yml"));
        writeFile(path, "matches:\n"
                        "  - triggers: [':a', ':b', ':c']\n    replace: same\n"
                        "  - trigger: ':d'\n    replace: same\n");
        PhraseStore s(m_dir->path());
        Phrase holder = phrase(QStringLiteral("other"));
        holder.abbreviation = QStringLiteral(":b");
        s.phrases() << holder;
        PhraseStore::ImportReport report;
        QVERIFY(s.importFile(path, &report));
        QCOMPARE(report.added, 3);
        QCOMPARE(s.phrases().at(1).abbreviation, QStringLiteral(":a"));
        QCOMPARE(s.phrases().at(2).abbreviation, QString());
        QCOMPARE(s.phrases().at(3).abbreviation, QStringLiteral(":c"));
        QCOMPARE(report.withoutAbbreviation, QStringList{QStringLiteral(":b")});
        QCOMPARE(report.abbreviationHolders, QStringList{QStringLiteral("other")});
        QCOMPARE(report.skipped, QStringList{QStringLiteral(":d")});
    }

    // A file of entries that each leave a note: the report keeps the
    // first ones and counts the rest, for the notice to say how many.
    void importManyNotes()
    {
        const QString path = m_dir->filePath(QStringLiteral("rows.csv"));
        QByteArray lines;
        for (int i = 0; i < ForeignImport::MaxNotes + 7; ++i)
            lines += "a\n";
        writeFile(path, lines);
        PhraseStore s(m_dir->path());
        PhraseStore::ImportReport report;
        QVERIFY(s.importFile(path, &report));
        QCOMPARE(report.added, 0);
        QCOMPARE(report.notes.size(), ForeignImport::MaxNotes);
        QCOMPARE(report.moreNotes, 7);
    }

    void importFileFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown kind") << "notes.doc" << QByteArray("hello") << "format";
        QTest::newRow("CSV with an open quote")
            << "a.csv" << QByteArray("a,\"b\n") << "format: quote";
        QTest::newRow("plain CSV not UTF-8")
            << "a.csv" << QByteArray("name,text\nx,\xff\n") << "format: utf8";
        QTest::newRow("JSON that is no object") << "a.json" << QByteArray("[1]") << "format";
    }
    void importFileFailures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const QString path = m_dir->filePath(name);
        writeFile(path, bytes);
        PhraseStore s(m_dir->path());
        PhraseStore::ImportReport report;
        QVERIFY(!s.importFile(path, &report));
        QCOMPARE(report.error, error);
        QVERIFY(s.phrases().isEmpty());
        QVERIFY(!QFileInfo::exists(s.dataFilePath()));
        QVERIFY(!s.importFile(m_dir->path(), &report));
        QCOMPARE(report.error, QStringLiteral("read"));
    }

    void phraseLabel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("label");
        QTest::newRow("name trimmed") << "  word  "
                                      << "text"
                                      << "word";
        QTest::newRow("blank name uses text") << "   "
                                              << "the text"
                                              << "the text";
        QTest::newRow("two lines") << ""
                                   << "first\nsecond"
                                   << "first...";
        QTest::newRow("first line trimmed") << ""
                                            << "  first  \r\nsecond"
                                            << "first...";
        QTest::newRow("50 characters") << "" << QString(50, QLatin1Char('x'))
                                       << QString(40, QLatin1Char('x')) + QStringLiteral("...");
        QTest::newRow("exactly 40")
            << "" << QString(40, QLatin1Char('y')) << QString(40, QLatin1Char('y'));
        QTest::newRow("long name") << QString(41, QLatin1Char('n')) << "t"
                                   << QString(40, QLatin1Char('n')) + QStringLiteral("...");
        QTest::newRow("starts with line feed") << ""
                                               << "\nrest"
                                               << "...";
        QTest::newRow("spaces only") << ""
                                     << "   "
                                     << "...";
        // Names from a file go into labels and messages as one plain line.
        QTest::newRow("control characters") << QString::fromUtf8("a\tb\x1b[31mc\r\nd") << "t"
                                            << "a b [31mc d";
        QTest::newRow("direction marks") << QString::fromUtf8("evil\u202Etxt.exe\u2066") << "t"
                                         << "eviltxt.exe";
        QTest::newRow("line separator") << QString::fromUtf8("one\u2028two") << "t"
                                        << "one two";
        QTest::newRow("markup stays text") << "<b>bold</b>"
                                           << "t"
                                           << "<b>bold</b>";
        QTest::newRow("tab in the text") << ""
                                         << "col1\tcol2\nrest"
                                         << "col1 col2...";
        QTest::newRow("no half characters")
            << "" << QString(39, QLatin1Char('a')) + QString::fromUtf8("😀😀")
            << QString(39, QLatin1Char('a')) + QStringLiteral("...");
    }
    void phraseLabel()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, label);
        Phrase p;
        p.name = name;
        p.text = text;
        QCOMPARE(PhraseStore::phraseLabel(p), label);
    }

    void listing()
    {
        QStringList labels;
        for (int i = 1; i <= 25; ++i)
            labels << QStringLiteral("L%1").arg(i);
        const QStringList lines = PhraseStore::skippedListing(labels).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 21);
        QCOMPARE(lines.first(), QStringLiteral("L1"));
        QCOMPARE(lines.at(19), QStringLiteral("L20"));
        QCOMPARE(lines.last(), QString::fromUtf8("\u2026and 5 more"));

        QCOMPARE(PhraseStore::skippedListing(labels.mid(0, 20)).count(QLatin1Char('\n')), 19);
        QCOMPARE(PhraseStore::skippedListing({QStringLiteral("only")}), QStringLiteral("only"));
        QCOMPARE(PhraseStore::skippedListing(labels, QStringLiteral("+%1"))
                     .section(QLatin1Char('\n'), -1),
                 QStringLiteral("+5"));
    }

private:
    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_backup;
};

QTEST_GUILESS_MAIN(BackupTest)
#include "tst_backup.moc"
