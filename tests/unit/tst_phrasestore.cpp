#include "store/contenthash.h"
#include "store/datalocation.h"
#include "store/phrasestore.h"

#include <QtTest>

#include <thread>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

Phrase phrase(const QString &id, const QString &text, int mods = 0, int vk = 0, bool enabled = true)
{
    Phrase p;
    p.id = id;
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
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QJsonObject readObject(const QString &path)
{
    return QJsonDocument::fromJson(readFile(path)).object();
}

// The texts of the phrases in a data file, sorted.
QStringList textsIn(const QString &path)
{
    QStringList texts;
    for (const QJsonValue &p : readObject(path).value(QStringLiteral("phrases")).toArray())
        texts << p.toObject().value(QStringLiteral("text")).toString();
    texts.sort();
    return texts;
}

QStringList textsOf(const QVector<Phrase> &phrases)
{
    QStringList texts;
    for (const Phrase &p : phrases)
        texts << p.text;
    texts.sort();
    return texts;
}

// Hands path to the user nobody (the path itself when it is a link): needs
// root.
bool giveToNobody(const QString &path)
{
#ifdef Q_OS_UNIX
    const passwd *nobody = getpwnam("nobody");
    return ::geteuid() == 0 && nobody &&
           ::lchown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) == 0;
#else
    Q_UNUSED(path)
    return false;
#endif
}

} // namespace

class PhraseStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void lookups()
    {
        PhraseStore s(m_dir.path());
        s.phrases() << phrase(QStringLiteral("a"), QStringLiteral("Hello"), 2, 0x51, false)
                    << phrase(QStringLiteral("b"), QStringLiteral("hello "), 2, 0x51)
                    << phrase(QStringLiteral("c"), QStringLiteral("Hello"), 6, 0x51)
                    << phrase(QStringLiteral("b"), QStringLiteral("dup id"));

        QCOMPARE(s.indexOfId(QStringLiteral("b")), 1); // first of two equal ids
        QCOMPARE(s.indexOfId(QStringLiteral("B")), -1);
        QCOMPARE(s.indexOfId(QString()), -1);

        QCOMPARE(s.findDuplicateText(QString(), QString()), QString());
        QCOMPARE(s.findDuplicateText(QStringLiteral("Hello"), QString()), QStringLiteral("a"));
        QCOMPARE(s.findDuplicateText(QStringLiteral("Hello"), QStringLiteral("a")),
                 QStringLiteral("c"));
        QCOMPARE(s.findDuplicateText(QStringLiteral("hello"), QString()), QString());
        QCOMPARE(s.findDuplicateText(QStringLiteral("Hello "), QString()), QString());

        // The disabled "a" holds Ctrl+Q but does not block it.
        QCOMPARE(s.findHotkeyConflict(2, 0x51, QString()), QStringLiteral("b"));
        QCOMPARE(s.findHotkeyConflict(2, 0x51, QStringLiteral("b")), QString());
        QCOMPARE(s.findHotkeyConflict(6, 0x51, QString()), QStringLiteral("c"));
        QCOMPARE(s.findHotkeyConflict(0, 0, QString()), QString());
        s.phrases() << phrase(QStringLiteral("z"), QStringLiteral("no key"), 2, 0);
        QCOMPARE(s.findHotkeyConflict(2, 0, QString()), QString());

        QVERIFY(s.conflictsWithGlobalHotkey(2, 84)); // Ctrl+T
        QVERIFY(s.conflictsWithGlobalHotkey(2, 82)); // Ctrl+R
        QVERIFY(!s.conflictsWithGlobalHotkey(3, 84));
        s.settings().showVk = 0;
        QVERIFY(!s.conflictsWithGlobalHotkey(2, 0));
        QVERIFY(!s.conflictsWithGlobalHotkey(0, 0));
    }

    void loadSettings_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("opacity 59")
            << QByteArray(R"({"pickerOpacity": 59})") << "pickerOpacity" << QVariant(97);
        QTest::newRow("opacity 60")
            << QByteArray(R"({"pickerOpacity": 60})") << "pickerOpacity" << QVariant(60);
        QTest::newRow("opacity 100")
            << QByteArray(R"({"pickerOpacity": 100})") << "pickerOpacity" << QVariant(100);
        QTest::newRow("opacity 101")
            << QByteArray(R"({"pickerOpacity": 101})") << "pickerOpacity" << QVariant(97);
        QTest::newRow("theme 2") << QByteArray(R"({"uiTheme": 2})") << "uiTheme" << QVariant(1);
        QTest::newRow("theme 0") << QByteArray(R"({"uiTheme": 0})") << "uiTheme" << QVariant(0);
        QTest::newRow("theme -1") << QByteArray(R"({"uiTheme": -1})") << "uiTheme" << QVariant(1);
        QTest::newRow("lines 0") << QByteArray(R"({"floatingPanelTextLines": 0})")
                                 << "floatingPanelTextLines" << QVariant(2);
        QTest::newRow("lines 1") << QByteArray(R"({"floatingPanelTextLines": 1})")
                                 << "floatingPanelTextLines" << QVariant(1);
        QTest::newRow("lines 3") << QByteArray(R"({"floatingPanelTextLines": 3})")
                                 << "floatingPanelTextLines" << QVariant(3);
        QTest::newRow("lines 4") << QByteArray(R"({"floatingPanelTextLines": 4})")
                                 << "floatingPanelTextLines" << QVariant(2);
        QTest::newRow("panel opacity has no range") << QByteArray(R"({"floatingPanelOpacity": 5})")
                                                    << "floatingPanelOpacity" << QVariant(5);
        QTest::newRow("int as string")
            << QByteArray(R"({"showVk": "85"})") << "showVk" << QVariant(84);
        QTest::newRow("fractional int")
            << QByteArray(R"({"showVk": 85.5})") << "showVk" << QVariant(84);
        QTest::newRow("int beyond 32 bits")
            << QByteArray(R"({"showVk": 1e12})") << "showVk" << QVariant(84);
        QTest::newRow("negative int")
            << QByteArray(R"({"floatingPanelX": -40})") << "floatingPanelX" << QVariant(-40);
        QTest::newRow("bool as number")
            << QByteArray(R"({"startMinimized": 1})") << "startMinimized" << QVariant(false);
        QTest::newRow("bool") << QByteArray(R"({"startMinimized": true})") << "startMinimized"
                              << QVariant(true);
        QTest::newRow("bool default true") << QByteArray(R"({"pickerRecentFirst": null})")
                                           << "pickerRecentFirst" << QVariant(true);
        QTest::newRow("language any string")
            << QByteArray(R"({"language": "xx"})") << "language" << QVariant(QStringLiteral("xx"));
        QTest::newRow("language not a string")
            << QByteArray(R"({"language": 7})") << "language" << QVariant(QStringLiteral("seed"));
        QTest::newRow("settings not an object")
            << QByteArray(R"([1, 2])") << "pickerVk" << QVariant(82);
    }
    void loadSettings()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, key);
        QFETCH(QVariant, expected);
        writeFile(m_dir.filePath(QStringLiteral("phrases.json")),
                  "{\"settings\": " + settings + ", \"phrases\": [{\"text\": \"kept\"}]}");
        PhraseStore s(m_dir.path());
        s.settings().language = QStringLiteral("seed");
        QVERIFY(s.load());
        QCOMPARE(s.phrases().size(), 1);
        QCOMPARE(s.settings().toJson().value(key).toVariant(), expected);
    }

    void loadPhrases()
    {
        writeFile(m_dir.filePath(QStringLiteral("phrases.json")), R"({"phrases": [
            {"id": "x1", "name": "n", "text": "t1", "vk": 65, "mods": 6, "enabled": false,
             "lastUsed": "1700000000123"},
            {"text": ""},
            {"name": "no text"},
            "not an object",
            42,
            {"text": "   "},
            {"id": "", "text": "fresh id", "vk": "65", "mods": 1.5, "enabled": "no",
             "lastUsed": 1700000000},
            {"id": "x1", "text": "same id", "lastUsed": "12abc"},
            {"text": "big", "lastUsed": "-9223372036854775808", "vk": 2147483648}
        ], "unknownKey": 1})");
        PhraseStore s(m_dir.path());
        QVERIFY(s.load());
        const QVector<Phrase> &p = s.phrases();
        QCOMPARE(p.size(), 5);
        QCOMPARE(p[0].id, QStringLiteral("x1"));
        QCOMPARE(p[0].name, QStringLiteral("n"));
        QCOMPARE(p[0].vk, 65);
        QCOMPARE(p[0].mods, 6);
        QCOMPARE(p[0].enabled, false);
        QCOMPARE(p[0].lastUsed, Q_INT64_C(1700000000123));
        QCOMPARE(p[1].text, QStringLiteral("   "));
        QCOMPARE(p[2].id.size(), 36);
        QCOMPARE(p[2].vk, 0);
        QCOMPARE(p[2].mods, 0);
        QCOMPARE(p[2].enabled, true);
        QCOMPARE(p[2].lastUsed, Q_INT64_C(0));   // a JSON number is not read
        QCOMPARE(p[3].id, QStringLiteral("x1")); // duplicates are not checked
        QCOMPARE(p[3].lastUsed, Q_INT64_C(0));
        QCOMPARE(p[4].lastUsed, std::numeric_limits<qint64>::min());
        QCOMPARE(p[4].vk, 0);
        QCOMPARE(s.indexOfId(QStringLiteral("x1")), 0);

        // A phrase without an id gets a new one on each read until saved.
        PhraseStore again(m_dir.path());
        QVERIFY(again.load());
        QVERIFY(again.phrases()[2].id != p[2].id);
        QVERIFY(again.save());
        PhraseStore third(m_dir.path());
        QVERIFY(third.load());
        QCOMPARE(third.phrases()[2].id, again.phrases()[2].id);
    }

    void loadKeepsCurrentSettingsAndClearsList()
    {
        PhraseStore s(m_dir.path());
        s.phrases() << phrase(QStringLiteral("a"), QStringLiteral("x"));
        s.settings().uiTheme = 0;
        QVERIFY(s.load()); // no file
        QVERIFY(s.phrases().isEmpty());
        QCOMPARE(s.settings().uiTheme, 0);

        writeFile(s.dataFilePath(), "{}");
        QVERIFY(s.load());
        QCOMPARE(s.settings().uiTheme, 0);
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << QByteArray(R"({"phrases": [{"text": "a"})");
        QTest::newRow("array at top") << QByteArray(R"([{"text": "a"}])");
        QTest::newRow("string at top") << QByteArray(R"("text")");
        QTest::newRow("not utf-8") << QByteArray("{\"phrases\": [{\"text\": \"\xff\xfe\xc3\"}]}");
        QTest::newRow("deeply nested") << QByteArray("{\"phrases\": ") + QByteArray(100000, '[') +
                                              QByteArray(100000, ']') + "}";
        QTest::newRow("trailing garbage") << QByteArray(R"({"phrases": []} x)");
    }
    void badInput()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(QStringLiteral("phrases.json"));
        writeFile(path, bytes);
        PhraseStore s(m_dir.path());
        s.settings().uiTheme = 0;
        QVERIFY(!s.load());
        QVERIFY(s.phrases().isEmpty());
        QCOMPARE(s.settings().uiTheme, 0);
        QCOMPARE(readFile(path), bytes); // load never writes
    }

    void hugeFileLoads()
    {
        // A few MB of one phrase text and many small ones: parsed, not refused.
        QJsonArray phrases;
        phrases.append(QJsonObject{{QStringLiteral("text"), QString(4 << 20, QLatin1Char('x'))}});
        for (int i = 0; i < 50000; ++i)
            phrases.append(QJsonObject{{QStringLiteral("text"), QString::number(i)}});
        writeFile(m_dir.filePath(QStringLiteral("phrases.json")),
                  QJsonDocument(QJsonObject{{QStringLiteral("phrases"), phrases}}).toJson());
        PhraseStore s(m_dir.path());
        QVERIFY(s.load());
        QCOMPARE(s.phrases().size(), 50001);
        QCOMPARE(s.phrases()[0].text.size(), 4 << 20);
    }

    // Files made to cost time rather than space: 40,000 distinct member
    // names where a phrase has eight, 40,000 rules, and a backup whose
    // 40,000 phrases all carry shortcuts. Each is read whole, with the same
    // result as a small one. (bench/bench_hostileload prints how the time
    // grows with the count.)
    void manyNamesAndRules()
    {
        constexpr int count = 40000;
        QByteArray names;
        QByteArray rules;
        for (int i = 0; i < count; ++i) {
            names += ",\"m" + QByteArray::number(i) + "\": " + QByteArray::number(i);
            // Every tenth names an earlier one in other letter case: left out.
            const QByteArray match =
                i % 10 == 9 ? "APP" + QByteArray::number(i - 1) : "app" + QByteArray::number(i);
            rules += (i ? ",{\"match\": \"" : "{\"match\": \"") + match + "\", \"road\": \"type\"}";
        }
        writeFile(m_dir.filePath(QStringLiteral("phrases.json")),
                  "{\"settings\": {\"uiTheme\": 0" + names + ", \"appRules\": [" + rules +
                      "]}, \"phrases\": [{\"text\": \"kept\", \"vk\": 65" + names + "}]" + names +
                      "}");
        PhraseStore s(m_dir.path());
        QVERIFY(s.load());
        QCOMPARE(s.phrases().size(), 1);
        QCOMPARE(s.phrases()[0].text, QStringLiteral("kept"));
        QCOMPARE(s.phrases()[0].vk, 65);
        QCOMPARE(s.settings().uiTheme, 0);
        const QVector<AppRule> &read = s.settings().appRules;
        QCOMPARE(read.size(), count - count / 10);
        QCOMPARE(read.first().match, QStringLiteral("app0"));
        QCOMPARE(read.at(9).match, QStringLiteral("app10"));
        QCOMPARE(read.last().match, QStringLiteral("app%1").arg(count - 2));
        QCOMPARE(read.last().method, InsertMethod::TypeOnly);

        // An import: the first phrase with each shortcut keeps it, every
        // later one (26 keys x 15 modifier sets) comes without, and so do
        // the two that would take the program's own (Ctrl+A set here,
        // Ctrl+R by default).
        QByteArray backup;
        for (int i = 0; i < count; ++i)
            backup += (i ? ",{\"text\": \"p" : "{\"text\": \"p") + QByteArray::number(i) +
                      "\", \"vk\": " + QByteArray::number(0x41 + i % 26) +
                      ", \"mods\": " + QByteArray::number(1 + (i / 26) % 15) + "}";
        const QString backupPath = m_dir.filePath(QStringLiteral("backup.json"));
        writeFile(backupPath, "{\"phrases\": [" + backup + "]}");
        PhraseStore target(m_dir.filePath(QStringLiteral("target")));
        target.setLegacyFilePath(QString());
        target.settings().showVk = 0x41; // Ctrl+A: the show-window shortcut's
        target.settings().showMods = 2;
        QVERIFY(target.importBackup(backupPath));
        QCOMPARE(target.phrases().size(), count);
        int withShortcut = 0;
        for (const Phrase &p : target.phrases())
            withShortcut += p.vk != 0;
        QCOMPARE(withShortcut, 26 * 15 - 2);
        QCOMPARE(target.phrases()[0].vk, 0x41);   // Alt+A
        QCOMPARE(target.phrases()[26].vk, 0);     // Ctrl+A is taken
        QCOMPARE(target.phrases()[43].vk, 0);     // Ctrl+R too
        QCOMPARE(target.phrases()[390].vk, 0);    // Alt+A again
        QCOMPARE(target.phrases()[389].vk, 0x5A); // the last new one
    }

    void saveLayout()
    {
        PhraseStore s(m_dir.path() + QLatin1String("/new/folder"));
        Phrase p = phrase(QStringLiteral("id-1"), QStringLiteral("line 1\nline 2 \u4f60\u597d"), 6,
                          0x4B, false);
        p.name = QStringLiteral("Name");
        p.lastUsed = Q_INT64_C(9007199254740993); // not exact as a double
        s.phrases() << p;
        s.settings().language = QStringLiteral("de");
        s.settings().floatingPanelX = -1;
        s.settings().appRules = {{QStringLiteral("XTerm"), InsertMethod::TypeOnly},
                                 {QStringLiteral("gedit.exe"), InsertMethod::Never},
                                 {QStringLiteral("Tk"), InsertMethod::Automatic, false}};
        QVERIFY(s.save());

        const QByteArray bytes = readFile(s.dataFilePath());
        QVERIFY(bytes.startsWith("{\n    \""));
        QVERIFY(bytes.contains("\n        \"")); // four spaces a level
        const QJsonObject root = readObject(s.dataFilePath());
        QCOMPARE(root.size(), 3);
        QCOMPARE(root.value(QStringLiteral("version")).toInt(), 1);

        const QJsonObject settings = root.value(QStringLiteral("settings")).toObject();
        QCOMPARE(settings.size(), Settings::keyCount);
        QCOMPARE(settings, Settings{s.settings()}.toJson());
        QCOMPARE(settings.value(QStringLiteral("language")).toString(), QStringLiteral("de"));
        QCOMPARE(settings.value(QStringLiteral("showVk")).toInt(), 84);
        QCOMPARE(settings.value(QStringLiteral("pickerVk")).toInt(), 82);
        QCOMPARE(settings.value(QStringLiteral("floatingPanelSnapToEdge")).toBool(), true);
        // A rule says "abbreviations" only where it turns them off: the other
        // rules are written as earlier versions wrote them.
        const QJsonArray rules = settings.value(QStringLiteral("appRules")).toArray();
        QCOMPARE(rules.at(0).toObject(),
                 (QJsonObject{{QStringLiteral("match"), QStringLiteral("XTerm")},
                              {QStringLiteral("road"), QStringLiteral("type")}}));
        QCOMPARE(rules.at(2).toObject(),
                 (QJsonObject{{QStringLiteral("match"), QStringLiteral("Tk")},
                              {QStringLiteral("road"), QStringLiteral("automatic")},
                              {QStringLiteral("abbreviations"), false}}));

        const QJsonArray phrases = root.value(QStringLiteral("phrases")).toArray();
        QCOMPARE(phrases.size(), 1);
        const QJsonObject o = phrases.at(0).toObject();
        QCOMPARE(o.keys().join(QLatin1Char(' ')),
                 QStringLiteral("enabled id lastUsed mods name text vk"));
        QCOMPARE(o.value(QStringLiteral("id")).toString(), QStringLiteral("id-1"));
        QCOMPARE(o.value(QStringLiteral("text")).toString(), p.text);
        QCOMPARE(o.value(QStringLiteral("vk")).toInt(), 0x4B);
        QCOMPARE(o.value(QStringLiteral("mods")).toInt(), 6);
        QCOMPARE(o.value(QStringLiteral("enabled")).toBool(), false);
        QCOMPARE(o.value(QStringLiteral("lastUsed")).toString(),
                 QStringLiteral("9007199254740993"));

        // And back.
        PhraseStore back(s.dataFolder());
        QVERIFY(back.load());
        QCOMPARE(back.phrases()[0].lastUsed, p.lastUsed);
        QCOMPARE(back.phrases()[0].text, p.text);
        QCOMPARE(back.settings().language, QStringLiteral("de"));
        QCOMPARE(back.settings().appRules, s.settings().appRules);
    }

    // Rules of a later version or a hand's editing: the good ones are read,
    // the rest of the file as ever.
    void appRulesWithBadEntries()
    {
        writeFile(m_dir.filePath(QStringLiteral("phrases.json")),
                  R"({"settings": {"uiTheme": 0, "appRules": [
                        {"match": "XTerm", "road": "teleport"},
                        {"match": "Sakura", "road": "shiftInsert"},
                        {"match": "Tk", "road": "type", "abbreviations": false},
                        {"match": "gedit", "road": "type", "abbreviations": "no"},
                        {"road": "never"}, 42]},
                      "phrases": [{"text": "kept"}]})");
        PhraseStore s(m_dir.path());
        QVERIFY(s.load());
        QCOMPARE(s.phrases().size(), 1);
        QCOMPARE(s.settings().uiTheme, 0);
        QCOMPARE(s.settings().appRules,
                 (QVector<AppRule>{{QStringLiteral("Sakura"), InsertMethod::PasteShiftInsert},
                                   {QStringLiteral("Tk"), InsertMethod::TypeOnly, false},
                                   {QStringLiteral("gedit"), InsertMethod::TypeOnly}}));

        writeFile(m_dir.filePath(QStringLiteral("phrases.json")),
                  R"({"settings": {"uiTheme": 0, "appRules": {"match": "XTerm"}}, "phrases": []})");
        PhraseStore notAnArray(m_dir.path());
        QVERIFY(notAnArray.load());
        QVERIFY(notAnArray.settings().appRules.isEmpty());
        QCOMPARE(notAnArray.settings().uiTheme, 0);
    }

    void savedFilesAreUserOnly()
    {
        if (QSysInfo::kernelType() == QLatin1String("winnt"))
            QSKIP("POSIX permissions");
        PhraseStore s(m_dir.path());
        s.phrases() << phrase(QStringLiteral("a"), QStringLiteral("secret"));
        const QString backup = m_dir.filePath(QStringLiteral("backup.json"));
        // An existing, wider file is narrowed on the next write.
        writeFile(s.dataFilePath(), "{}");
        QFile::setPermissions(s.dataFilePath(),
                              QFile::permissions(s.dataFilePath()) | QFileDevice::ReadOther);
        QVERIFY(s.save());
        QVERIFY(s.exportBackup(backup));
        const auto userOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ReadUser | QFileDevice::WriteUser;
        QCOMPARE(QFile::permissions(s.dataFilePath()), userOnly);
        QCOMPARE(QFile::permissions(backup), userOnly);
    }

    void dataFolderIsUserOnly()
    {
        if (QSysInfo::kernelType() == QLatin1String("winnt"))
            QSKIP("POSIX permissions");
        const auto folderUserOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner | QFileDevice::ReadUser |
                                    QFileDevice::WriteUser | QFileDevice::ExeUser;
        // Every folder the store makes, parents included, whatever the umask.
        const QString parent = m_dir.filePath(QStringLiteral("Vantok"));
        PhraseStore s(parent + QLatin1String("/Scrivlet"));
        QVERIFY(s.save());
        QCOMPARE(QFile::permissions(parent), folderUserOnly);
        QCOMPARE(QFile::permissions(s.dataFolder()), folderUserOnly);

        // A folder an earlier run left open is narrowed; its parent is not ours
        // to change.
        const auto open = folderUserOnly | QFileDevice::ReadOther | QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(parent, open));
        QVERIFY(QFile::setPermissions(s.dataFolder(), open));
        QVERIFY(s.createDataFolder());
        QCOMPARE(QFile::permissions(s.dataFolder()), folderUserOnly);
        QCOMPARE(QFile::permissions(parent), open);

        // A file where the folder should be is a failure, not a success.
        PhraseStore blocked(s.dataFilePath());
        QVERIFY(!blocked.createDataFolder());
    }

    void saveFailureLeavesOldFile()
    {
        PhraseStore s(m_dir.path());
        s.phrases() << phrase(QStringLiteral("a"), QStringLiteral("first"));
        QVERIFY(s.save());
        const QByteArray before = readFile(s.dataFilePath());
        // A folder in the way of the temporary file's target makes commit fail.
        PhraseStore blocked(m_dir.filePath(QStringLiteral("phrases.json")));
        QVERIFY(!blocked.save());
        QCOMPARE(readFile(s.dataFilePath()), before);
    }

    void damagedFileIsKeptBeforeFirstSave()
    {
        const QString path = m_dir.filePath(QStringLiteral("phrases.json"));
        const QByteArray damaged = R"({"phrases": [{"text": "my only copy"})";
        writeFile(path, damaged);
        PhraseStore s(m_dir.path());
        QVERIFY(!s.load());
        QVERIFY(s.keptDamagedFile().isEmpty()); // nothing happens before a save
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), 1);

        s.phrases() << phrase(QStringLiteral("a"), QStringLiteral("new"));
        QVERIFY(s.save());
        const QString kept = s.keptDamagedFile();
        QVERIFY(QFileInfo(kept).fileName().contains(
            QRegularExpression(QStringLiteral("^phrases\\.json\\.damaged-\\d{8}-\\d{6}$"))));
        QCOMPARE(readFile(kept), damaged);
        if (QSysInfo::kernelType() != QLatin1String("winnt"))
            QCOMPARE(QFile::permissions(kept) & 0x0777,
                     QFileDevice::ReadUser | QFileDevice::WriteUser);
        QCOMPARE(readObject(path).value(QStringLiteral("phrases")).toArray().size(), 1);

        // Later saves do not keep the now valid file again.
        QVERIFY(s.save());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).size(), 2);

        // A second damaged file in the same second gets its own name.
        writeFile(path, "[]");
        PhraseStore t(m_dir.path());
        QVERIFY(!t.load());
        QVERIFY(t.save());
        QVERIFY(t.keptDamagedFile() != kept);
        QCOMPARE(readFile(t.keptDamagedFile()), QByteArray("[]"));
        QCOMPARE(readFile(kept), damaged);
    }

    // A named pipe that nobody writes to, as the data file, a backup and the
    // 3.0 edition's file: each is refused at once instead of blocking on the
    // open, and the data file's pipe is kept aside like a damaged file.
    void namedPipesAreNotRead()
    {
#ifdef Q_OS_UNIX
        const QString path = m_dir.filePath(QStringLiteral("phrases.json"));
        const QString pipe = m_dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

        PhraseStore s(m_dir.path());
        s.setLegacyFilePath(pipe);
        QVERIFY(!s.load());
        QString error;
        QVERIFY(!s.importBackup(pipe, &error));
        QCOMPARE(error, QStringLiteral("read"));
        QCOMPARE(s.importLegacy(), 0); // saves, keeping the pipe aside first
        QVERIFY(s.settings().importedV3);
        QVERIFY(QFileInfo(s.keptDamagedFile()).exists());
        QVERIFY(!QFileInfo(s.keptDamagedFile()).isFile());
        QVERIFY(QFileInfo(path).isFile());
        QVERIFY(readObject(path)
                    .value(QStringLiteral("settings"))
                    .toObject()
                    .value(QStringLiteral("importedV3"))
                    .toBool());
#else
        QSKIP("named pipes in the file system are a POSIX matter");
#endif
    }

    void validLoadKeepsNothing()
    {
        writeFile(m_dir.filePath(QStringLiteral("phrases.json")), "{}");
        PhraseStore s(m_dir.path());
        QVERIFY(s.load());
        QVERIFY(s.save());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("phrases.json")});
        // The next save writes every key.
        QCOMPARE(readObject(s.dataFilePath()).value(QStringLiteral("settings")).toObject().size(),
                 Settings::keyCount);
    }

    // The change check's hash is XXH64: the figures are the reference
    // xxhsum's, over every path of the algorithm (the 32-byte stripes, and
    // the 8-, 4- and 1-byte tails).
    void contentHashIsXxh64_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<quint64>("hash");
        const std::pair<int, quint64> rows[] = {
            {0, 0xef46db3751d8e999ULL},   {1, 0xd24ec4f1a98c6e5bULL},
            {3, 0xf0a146ee97aaeb7bULL},   {4, 0x259fc8aa66266ab8ULL},
            {7, 0x4bd8db38b35746f8ULL},   {8, 0x327c72a78988cb58ULL},
            {12, 0xd26e0b3df1badfecULL},  {31, 0xc60b040c0aa3c968ULL},
            {32, 0xecb57311ef028954ULL},  {33, 0xaafb3e2eb53be3e9ULL},
            {63, 0xc101e7626cf2b342ULL},  {64, 0x99942a6c8ba86017ULL},
            {100, 0xe645df0208c9f1d6ULL}, {1000, 0x8e59a86212175cf6ULL},
        };
        for (const auto &[length, hash] : rows)
            QTest::addRow("%d bytes", length) << length << hash;
    }
    void contentHashIsXxh64()
    {
        QFETCH(int, length);
        QFETCH(quint64, hash);
        QByteArray bytes;
        for (int i = 0; i < length; ++i)
            bytes += char('a' + (i * 7) % 26);
        QCOMPARE(ContentHash::xxh64(bytes.constData(), size_t(bytes.size())), hash);
        // Unaligned: the same bytes one past a word boundary.
        const QByteArray shifted = ' ' + bytes;
        QCOMPARE(ContentHash::xxh64(shifted.constData() + 1, size_t(bytes.size())), hash);
    }

    // What a look at the folder entry tells of the file since the store last
    // read or wrote it: nothing after a load or our own save; a change after
    // a write from outside, a delete, or a file where there was none.
    void fileChangedSinceSeen()
    {
        const QString path = m_dir.filePath(QStringLiteral("phrases.json"));
        PhraseStore s(m_dir.path());
        QVERIFY(s.load());
        QVERIFY(!s.fileChangedSinceSeen()); // none, and still none
        writeFile(path, QByteArrayLiteral("{\"phrases\": []}"));
        QVERIFY(s.fileChangedSinceSeen()); // one where there was none
        QVERIFY(s.load());
        QVERIFY(!s.fileChangedSinceSeen());
        s.phrases() << phrase(QStringLiteral("a"), QStringLiteral("ours"));
        QVERIFY(s.save());
        QVERIFY(!s.fileChangedSinceSeen()); // our own save
        PhraseStore other(m_dir.path());
        QVERIFY(other.load());
        other.phrases() << phrase(QStringLiteral("b"), QStringLiteral("theirs"));
        QVERIFY(other.save());
        QVERIFY(s.fileChangedSinceSeen());
        QVERIFY(s.syncWithFile());
        QVERIFY(!s.fileChangedSinceSeen()); // taken in
        QVERIFY(QFile::remove(path));
        QVERIFY(s.fileChangedSinceSeen());
    }

    // The file written by another machine between two saves: the save
    // merges it in, our own save is no news, a broken file is kept once and
    // the running list stays, a deleted one is written again.
    void fileWrittenOutside()
    {
        const QString path = m_dir.filePath(QStringLiteral("phrases.json"));
        PhraseStore s(m_dir.path());
        s.phrases() << phrase(QStringLiteral("a"), QStringLiteral("ours"));
        QVERIFY(s.save());
        QVERIFY(s.syncWithFile());
        QVERIFY(s.takeSyncReport().isEmpty()); // our own save

        QJsonObject root = readObject(path);
        QJsonArray list = root.value(QStringLiteral("phrases")).toArray();
        list.append(phrase(QStringLiteral("b"), QStringLiteral("theirs")).toJson());
        root.insert(QStringLiteral("phrases"), list);
        writeFile(path, QJsonDocument(root).toJson());
        s.phrases() << phrase(QStringLiteral("c"), QStringLiteral("added here"));
        QVERIFY(s.save());
        QCOMPARE(s.phrases().size(), 3);
        QCOMPARE(readObject(path).value(QStringLiteral("phrases")).toArray().size(), 3);
        QVERIFY(s.takeSyncReport().listChanged);

        const QByteArray broken = readFile(path).left(40);
        writeFile(path, broken);
        QSignalSpy told(&s, &PhraseStore::syncedFromFile);
        QVERIFY(s.syncWithFile());
        QVERIFY(s.syncWithFile()); // the same broken bytes: kept once
        QCOMPARE(told.count(), 1);
        const PhraseStore::SyncReport report = s.takeSyncReport();
        QCOMPARE(report.damagedFilesKept.size(), 1);
        QCOMPARE(readFile(report.damagedFilesKept.first()), broken);
        QCOMPARE(readFile(path), broken); // written by the next save, not now
        QCOMPARE(s.phrases().size(), 3);
        QVERIFY(s.save());
        QCOMPARE(readObject(path).value(QStringLiteral("phrases")).toArray().size(), 3);

        QVERIFY(QFile::remove(path));
        QVERIFY(s.syncWithFile());
        QVERIFY(s.takeSyncReport().isEmpty());
        QCOMPARE(s.phrases().size(), 3);
        QVERIFY(s.save());
        QVERIFY(QFileInfo::exists(path));
    }

    // Two machines share the file: every use counts once, through restarts
    // and merges, whichever version each built on.
    void usesCountedAcrossMachines()
    {
        const auto use = [](PhraseStore &store, int times) {
            Phrase &p = store.phrases()[0];
            p.uses += times;
            p.charactersSaved += 10 * times;
            return store.save();
        };
        const auto uses = [](const PhraseStore &store) {
            const Phrase &p = store.phrases().at(0);
            return p.charactersSaved == 10 * p.uses ? p.uses : -1;
        };
        {
            PhraseStore first(m_dir.path());
            first.phrases() << phrase(QStringLiteral("a"), QStringLiteral("text"));
            QVERIFY(use(first, 2));
        }
        PhraseStore here(m_dir.path());
        QVERIFY(here.load());
        QCOMPARE(uses(here), 2); // after a restart
        QVERIFY(use(here, 3));   // 5 in the file

        PhraseStore there(m_dir.path());
        QVERIFY(there.load());
        QVERIFY(use(there, 4)); // built on our write: 9
        QVERIFY(use(here, 1));  // merged: 5 + 1 + 4
        QCOMPARE(uses(here), 10);

        // A sync tool brings a version made from one of our earlier writes,
        // not the last: the other machine's uses since are all new, and ours
        // since are not counted again.
        const QString path = m_dir.filePath(QStringLiteral("phrases.json"));
        QVERIFY(use(here, 2)); // 12: the other machine builds on this one
        QJsonObject root = readObject(path);
        QVERIFY(use(here, 6)); // 18, unseen there
        QJsonArray list = root.value(QStringLiteral("phrases")).toArray();
        QJsonObject theirs = list.at(0).toObject();
        theirs.insert(QStringLiteral("uses"), 15); // 12 + 3
        theirs.insert(QStringLiteral("charactersSaved"), 150);
        list[0] = theirs;
        root.insert(QStringLiteral("phrases"), list);
        writeFile(path, QJsonDocument(root).toJson());
        QVERIFY(use(here, 1)); // 18 + 1 + 3
        QCOMPARE(uses(here), 22);

        PhraseStore restarted(m_dir.path());
        QVERIFY(restarted.load());
        QCOMPARE(uses(restarted), 22);
    }

    // The file read ahead (on another thread, before the application object
    // exists) and taken in later: the list of a plain load; a change made
    // in between is news, not taken for what was read; reading writes
    // nothing, of a damaged file or a missing folder either.
    void fileReadAheadAndTakenInLater()
    {
        const QString path = m_dir.filePath(QStringLiteral("phrases.json"));
        PhraseStore writer(m_dir.path());
        writer.phrases() << phrase(QStringLiteral("a"), QStringLiteral("first"));
        QVERIFY(writer.save());
        PhraseStore::FileRead read;
        std::thread reader([&] { read = PhraseStore::readDataFile(m_dir.path()); });
        reader.join();

        QJsonObject root = readObject(path);
        QJsonArray list = root.value(QStringLiteral("phrases")).toArray();
        list.append(phrase(QStringLiteral("b"), QStringLiteral("written meanwhile")).toJson());
        root.insert(QStringLiteral("phrases"), list);
        writeFile(path, QJsonDocument(root).toJson());

        PhraseStore s(m_dir.path());
        QVERIFY(s.load(std::move(read)));
        QCOMPARE(s.phrases().size(), 1);
        QVERIFY(s.fileChangedSinceSeen());
        QVERIFY(s.syncWithFile());
        QCOMPARE(s.phrases().size(), 2);

        // A read of another folder is not taken for this store's file.
        PhraseStore elsewhere(m_dir.path());
        QVERIFY(elsewhere.load(PhraseStore::readDataFile(m_dir.filePath(QStringLiteral("x")))));
        QCOMPARE(elsewhere.phrases().size(), 2);

        writeFile(path, QByteArrayLiteral("{ broken"));
        const QStringList files = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        QCOMPARE(PhraseStore::readDataFile(m_dir.path()).result, JsonFile::ReadResult::NotAnObject);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden), files);
        const QString missing = m_dir.filePath(QStringLiteral("not/yet"));
        QCOMPARE(PhraseStore::readDataFile(missing).result, JsonFile::ReadResult::Missing);
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("not"))));
    }

    void conflictCopyNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("copy");
        QTest::newRow("Syncthing") << "phrases.sync-conflict-20261210-101500-ABCDEFG.json" << true;
        QTest::newRow("Dropbox") << "phrases (Ann's conflicted copy 2026-12-10).json" << true;
        QTest::newRow("Nextcloud") << "phrases (conflicted copy 2026-12-10 101500).json" << true;
        QTest::newRow("Seafile") << "phrases (SFConflict ann@example.org 2026-12-10).json" << true;
        QTest::newRow("OneDrive") << "phrases-DESKTOP-4F2K.json" << true;
        QTest::newRow("the data file") << "phrases.json" << false;
        QTest::newRow("a damaged copy") << "phrases.json.damaged-20261210-101500" << false;
        QTest::newRow("a sync tool's temporary file") << ".syncthing.phrases.json.tmp" << false;
        QTest::newRow("another program's file") << "conflict.json" << false;
        QTest::newRow("not JSON") << "phrases.sync-conflict-20261210-101500-ABCDEFG.txt" << false;
        QTest::newRow("capitals") << "PHRASES (Conflicted Copy).JSON" << true;
        QTest::newRow("underscore") << "phrases_conflict.json" << true;
        QTest::newRow("bracket") << "phrases[conflict 2].json" << true;
        QTest::newRow("no separator") << "phrasesconflict.json" << false;
        QTest::newRow("other separator") << "phrases+conflict.json" << false;
        QTest::newRow("conflict before the stem") << "conflict phrases.json" << false;
        QTest::newRow("conflict after .json") << "phrases.json.conflict" << false;
        QTest::newRow("conflict only in .json") << "phrases.conflict" << false;
        QTest::newRow("machine, capitals") << "PHRASES-LAPTOP_2.JSON" << true;
        QTest::newRow("machine with a space") << "phrases-DESK TOP.json" << false;
        QTest::newRow("machine with a dot") << "phrases-desk.top.json" << false;
        QTest::newRow("machine not ASCII") << "phrases-bür0.json" << false;
        QTest::newRow("no machine") << "phrases-.json" << false;
        QTest::newRow("the stem alone") << "phrases" << false;
        QTest::newRow("a line break inside") << "phrases.a\nconflict.json" << false;
    }
    void conflictCopyNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, copy);
        QCOMPARE(PhraseStore::isConflictCopyName(name), copy);
    }

    // Only the user's own regular files are offered; a merged copy goes to
    // the folder given and its phrases into the list.
    void conflictCopiesFoundAndMerged()
    {
        const QString copy =
            m_dir.filePath(QStringLiteral("phrases.sync-conflict-20261210-101500-ABCDEFG.json"));
        PhraseStore s(m_dir.path());
        s.phrases() << phrase(QStringLiteral("a"), QStringLiteral("ours"));
        QVERIFY(s.save());
        writeFile(
            copy,
            QJsonDocument(
                QJsonObject{
                    {QStringLiteral("phrases"),
                     QJsonArray{
                         phrase(QStringLiteral("b"), QStringLiteral("from the copy")).toJson()}}})
                .toJson());
#ifdef Q_OS_UNIX
        QVERIFY(QFile::link(copy, m_dir.filePath(QStringLiteral("phrases-LINK.json"))));
#endif
        QCOMPARE(s.conflictCopies(), QStringList{copy});
        const QString keep = m_dir.filePath(QStringLiteral("kept"));
        QString movedTo;
        QCOMPARE(s.mergeConflictCopy(copy, keep, &movedTo), PhraseStore::CopyMerge::Merged);
        QVERIFY(!QFileInfo::exists(copy));
        QCOMPARE(QFileInfo(movedTo).path(), keep);
        QVERIFY(s.indexOfId(QStringLiteral("b")) >= 0 ||
                s.phrases().constLast().text == QStringLiteral("from the copy"));
        QCOMPARE(readObject(s.dataFilePath()).value(QStringLiteral("phrases")).toArray().size(), 2);
        QVERIFY(s.conflictCopies().isEmpty());
    }

    // Moving the list to another folder. The list was loaded with "one" and
    // "two"; "one" has changed here since. Where a file is waiting, another
    // machine changed "two" and added "three" after the same save.
    void moveDataFolder_data()
    {
        using R = PhraseStore::MoveResult;
        QTest::addColumn<QString>("there"); // what is at the new folder's place
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("texts"); // the list afterwards, there
        QTest::addColumn<QString>("oldFile");   // removed, backup or stays
        const QStringList ours{QStringLiteral("one, ours"), QStringLiteral("two")};
        const QStringList before{QStringLiteral("one"), QStringLiteral("two")};
        QTest::newRow("an empty folder") << "empty" << int(R::Moved) << ours << "removed";
        QTest::newRow("a synced folder with the list")
            << "synced" << int(R::Merged)
            << QStringList{QStringLiteral("one, ours"), QStringLiteral("three"),
                           QStringLiteral("two, theirs")}
            << "backup";
        QTest::newRow("a broken file there, kept aside")
            << "broken" << int(R::Merged) << ours << "backup";
        QTest::newRow("the same folder") << "same" << int(R::SameFolder) << before << "stays";
        QTest::newRow("no folder") << "missing" << int(R::NotAFolder) << before << "stays";
        QTest::newRow("a file") << "file" << int(R::NotAFolder) << before << "stays";
        QTest::newRow("another user's folder")
            << "foreign" << int(R::NotOwned) << before << "stays";
        QTest::newRow("another user's link to a folder of ours")
            << "foreign link" << int(R::NotOwned) << before << "stays";
    }
    void moveDataFolder()
    {
        QFETCH(QString, there);
        QFETCH(int, result);
        QFETCH(QStringList, texts);
        QFETCH(QString, oldFile);
        const QString oldFolder = m_dir.filePath(QStringLiteral("old"));
        const QString local = m_dir.filePath(QStringLiteral("local"));
        QString folder = m_dir.filePath(QStringLiteral("new"));
        PhraseStore s(oldFolder);
        s.setLocalFolder(local);
        s.phrases() << phrase(QStringLiteral("1"), QStringLiteral("one"))
                    << phrase(QStringLiteral("2"), QStringLiteral("two"));
        QVERIFY(s.save());
        QVERIFY(s.load()); // the version both machines start from
        const QByteArray saved = readFile(s.dataFilePath());
        s.phrases()[0].text = QStringLiteral("one, ours");

        const QString brokenBytes = QStringLiteral("{\"phrases\": [");
        if (there == QLatin1String("empty") || there == QLatin1String("foreign")) {
            QVERIFY(QDir().mkpath(folder));
            if (there == QLatin1String("foreign") && !giveToNobody(folder))
                QSKIP("needs root to make a folder of another user");
        } else if (there == QLatin1String("synced")) {
            PhraseStore other(folder);
            other.phrases() << phrase(QStringLiteral("1"), QStringLiteral("one"))
                            << phrase(QStringLiteral("2"), QStringLiteral("two, theirs"))
                            << phrase(QStringLiteral("3"), QStringLiteral("three"));
            QVERIFY(other.save());
        } else if (there == QLatin1String("broken")) {
            QVERIFY(QDir().mkpath(folder));
            writeFile(folder + QLatin1String("/phrases.json"), brokenBytes.toUtf8());
        } else if (there == QLatin1String("same")) {
            folder = oldFolder + QLatin1String("/../old/.");
        } else if (there == QLatin1String("file")) {
            writeFile(folder, "not a folder");
        } else if (there == QLatin1String("foreign link")) {
            const QString ourFolder = m_dir.filePath(QStringLiteral("ours"));
            QVERIFY(QDir().mkpath(ourFolder));
            QVERIFY(QFile::link(ourFolder, folder));
            if (!giveToNobody(folder))
                QSKIP("needs root to plant another user's link");
        }

        PhraseStore::MoveReport report;
        QCOMPARE(int(s.moveDataFolder(folder, &report)), result);
        const bool moved = result == int(PhraseStore::MoveResult::Moved) ||
                           result == int(PhraseStore::MoveResult::Merged);
        const QString newFile =
            DataLocation::absoluteFolder(folder) + QLatin1String("/phrases.json");
        if (moved) {
            QCOMPARE(s.dataFolder(), DataLocation::absoluteFolder(folder));
            QCOMPARE(textsIn(newFile), texts);
            QCOMPARE(textsOf(s.phrases()), texts);
            // The running list goes on being saved there, and only there.
            s.phrases() << phrase(QStringLiteral("4"), QStringLiteral("four"));
            QVERIFY(s.save());
            QCOMPARE(textsIn(newFile).size(), texts.size() + 1);
        } else {
            // Nothing lost, nothing moved: the old file and folder stay in use.
            QCOMPARE(DataLocation::absoluteFolder(s.dataFolder()), oldFolder);
            QCOMPARE(textsOf(s.phrases()),
                     (QStringList{QStringLiteral("one, ours"), QStringLiteral("two")}));
            QCOMPARE(textsIn(oldFolder + QLatin1String("/phrases.json")), texts);
            QVERIFY(!QFileInfo::exists(newFile) || there == QLatin1String("same"));
        }
        const QString oldPath = oldFolder + QLatin1String("/phrases.json");
        QCOMPARE(QFileInfo::exists(oldPath), oldFile == QLatin1String("stays"));
        QVERIFY(report.oldFileLeft.isEmpty());
        const QStringList backups =
            QDir(s.localBackupsFolder()).entryList(QDir::Files | QDir::Hidden);
        if (oldFile == QLatin1String("backup")) {
            QCOMPARE(backups.size(), 1);
            QCOMPARE(report.oldFileBackup,
                     s.localBackupsFolder() + QLatin1Char('/') + backups.at(0));
            QCOMPARE(readFile(report.oldFileBackup), saved);
#ifdef Q_OS_UNIX
            QCOMPARE(QFile::permissions(s.localBackupsFolder()) & 0x0777,
                     QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
#endif
        } else {
            QVERIFY(backups.isEmpty());
        }
        if (there == QLatin1String("broken")) {
            // The bytes that were there are kept beside the list, as any
            // broken file from outside is.
            const QStringList kept = QDir(folder).entryList({QStringLiteral("*.damaged-*")});
            QCOMPARE(kept.size(), 1);
            QCOMPARE(readFile(folder + QLatin1Char('/') + kept.at(0)), brokenBytes.toUtf8());
            QCOMPARE(s.takeSyncReport().damagedFilesKept.size(), 1);
        }
    }

    // A folder chosen elsewhere that is not there at start (a synced drive
    // not mounted yet) is not made and nothing is saved; once it comes, its
    // list is merged with what was added meanwhile.
    void chosenFolderNotThereYet()
    {
        const QString folder = m_dir.filePath(QStringLiteral("drive/Phrases"));
        PhraseStore s(folder);
        s.setMayCreateDataFolder(false);
        QVERIFY(s.load());
        QVERIFY(s.dataFolderMissing());
        s.phrases() << phrase(QStringLiteral("here"), QStringLiteral("added meanwhile"));
        QVERIFY(!s.save());
        QVERIFY(!s.createDataFolder());
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("drive"))));

        PhraseStore other(folder);
        other.phrases() << phrase(QStringLiteral("synced"), QStringLiteral("from the drive"));
        QVERIFY(other.save());
        QVERIFY(s.syncWithFile());
        QCOMPARE(textsOf(s.phrases()), (QStringList{QStringLiteral("added meanwhile"),
                                                    QStringLiteral("from the drive")}));
        QVERIFY(s.save());
        QCOMPARE(textsIn(s.dataFilePath()), textsOf(s.phrases()));
    }

    // Which folder a start uses: --data-dir, else the pointer's folder (a
    // whole path, not another user's), else the usual one.
    void startFolder_data()
    {
        QTest::addColumn<QByteArray>("pointer"); // location.json's bytes; empty: none
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("folder"); // under the test's folder
        QTest::addColumn<bool>("fromPointer");
        const QByteArray toSynced = R"({"dataFolder": "@/synced"})";
        QTest::newRow("nothing chosen") << QByteArray() << QString() << "usual" << false;
        QTest::newRow("the pointer") << toSynced << QString() << "synced" << true;
        QTest::newRow("a pointer to a folder not there yet")
            << QByteArray(R"({"dataFolder": "@/not/mounted"})") << QString() << "not/mounted"
            << true;
        QTest::newRow("--data-dir wins") << toSynced << "@/portable"
                                         << "portable" << false;
        QTest::newRow("a relative pointer")
            << QByteArray(R"({"dataFolder": "synced"})") << QString() << "usual" << false;
        QTest::newRow("a broken pointer")
            << QByteArray(R"({"dataFolder": )") << QString() << "usual" << false;
        QTest::newRow("not a string")
            << QByteArray(R"({"dataFolder": 7})") << QString() << "usual" << false;
    }
    void startFolder()
    {
        QFETCH(QByteArray, pointer);
        QFETCH(QString, commandLine);
        QFETCH(QString, folder);
        QFETCH(bool, fromPointer);
        const QString usual = m_dir.filePath(QStringLiteral("usual"));
        QVERIFY(QDir().mkpath(usual));
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("synced"))));
        if (!pointer.isEmpty())
            writeFile(DataLocation::pointerPath(usual),
                      pointer.replace('@', QFile::encodeName(m_dir.path())));
        commandLine.replace(QLatin1Char('@'), m_dir.path());
        const DataLocation::Choice choice = DataLocation::choose(usual, commandLine);
        QCOMPARE(choice.folder, m_dir.filePath(folder));
        QCOMPARE(choice.fromPointer, fromPointer);
        QCOMPARE(choice.fromCommandLine, !commandLine.isEmpty());
        // Portable: the backups stay in the folder given, not beside the
        // usual one.
        QCOMPARE(choice.localFolder, commandLine.isEmpty() ? usual : choice.folder);
        QVERIFY(choice.refusedFolder.isEmpty());
    }

    void pointerFile()
    {
        const QString usual = m_dir.filePath(QStringLiteral("usual"));
        const QString synced = m_dir.filePath(QStringLiteral("synced"));
        QVERIFY(DataLocation::writePointer(usual, synced + QLatin1String("/.")));
        QCOMPARE(DataLocation::readPointer(usual), synced);
#ifdef Q_OS_UNIX
        QCOMPARE(QFile::permissions(DataLocation::pointerPath(usual)) & 0x0777,
                 QFileDevice::ReadUser | QFileDevice::WriteUser);
#endif
        // Back to the usual folder: the pointer goes.
        QVERIFY(DataLocation::writePointer(usual, usual));
        QVERIFY(!QFileInfo::exists(DataLocation::pointerPath(usual)));
        QVERIFY(DataLocation::choose(usual, QString()).folder == usual);

        // A pointer to another user's folder is not followed.
        QVERIFY(QDir().mkpath(synced));
        QVERIFY(DataLocation::writePointer(usual, synced));
        if (!giveToNobody(synced))
            QSKIP("needs root to make a folder of another user");
        const DataLocation::Choice refused = DataLocation::choose(usual, QString());
        QCOMPARE(refused.folder, usual);
        QCOMPARE(refused.refusedFolder, synced);
        QVERIFY(!refused.fromPointer);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(PhraseStoreTest)
#include "tst_phrasestore.moc"
