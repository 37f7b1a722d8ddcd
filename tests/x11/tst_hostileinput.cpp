// Hostile input through the real program in a private X session: a data file
// that is a folder or a symbolic link, a data folder it cannot write, a list
// of 100,000 phrases with 300 shortcuts, a 10 MB file of the 3.0 edition and
// backups of 100 MB or nested 100,000 levels deep, imported through the File
// menu. Each case checks that the program comes up and keeps answering, that
// the user is told what went wrong, and that nothing the user had is lost.
// What the program shows is read from its trace (SCRIVLET_TEST_TRACE).

#include "base/hotkey.h"
#include "prerequisite.h"
#include "x11/texttarget.h"
#include "x11/tracedprogram.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// Last: it brings Xlib's macros.
#include "x11/programdriver.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ProgramDriver;

namespace {

constexpr int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
const QString greeting = QStringLiteral("Hello, kept through everything");
// Far longer than any of these cases takes on a quiet machine: only a hang
// gets near it.
constexpr int notHungMs = 60000;

QString json(const QString &s)
{
    // A JSON string literal: QJsonDocument escapes it for us.
    const QByteArray array = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QByteArray phraseJson(const QString &id, const QString &text, int mods, int vk,
                      const QString &lastUsed = QStringLiteral("0"))
{
    return QStringLiteral("{\"id\":%1,\"name\":%1,\"text\":%2,\"vk\":%3,\"mods\":%4,"
                          "\"enabled\":true,\"lastUsed\":\"%5\"}")
        .arg(json(id), json(text))
        .arg(vk)
        .arg(mods)
        .arg(lastUsed)
        .toUtf8();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

QJsonObject parse(const QString &path)
{
    return QJsonDocument::fromJson(readAll(path)).object();
}

// The phrase objects of a data file by id.
QHash<QString, QJsonObject> phrasesById(const QString &path)
{
    QHash<QString, QJsonObject> out;
    const QJsonArray phrases = parse(path).value(QStringLiteral("phrases")).toArray();
    for (const QJsonValue &p : phrases)
        out.insert(p.toObject().value(QStringLiteral("id")).toString(), p.toObject());
    return out;
}

// A folder made read-only even for root: a small tmpfs in this process's own
// mount namespace, remounted read-only. Programs started afterwards share the
// namespace; nobody else sees the mount.
class ReadOnlyFolder final
{
public:
    explicit ReadOnlyFolder(const QString &path) : m_path(QFile::encodeName(path)) {}
    ~ReadOnlyFolder() { undo(); }

    bool mount()
    {
        if (geteuid() != 0) {
            m_chmodded = true;
            return true; // made read-only by setReadOnly through its mode
        }
        m_mounted = ::mount("tmpfs", m_path.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                            "size=16m,mode=0700") == 0;
        return m_mounted;
    }
    bool setReadOnly()
    {
        if (m_chmodded)
            return QFile::setPermissions(QFile::decodeName(m_path),
                                         QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        return ::mount(nullptr, m_path.constData(), nullptr,
                       MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, "size=16m,mode=0700") == 0;
    }
    void undo()
    {
        if (m_mounted)
            umount2(m_path.constData(), MNT_DETACH);
        if (m_chmodded)
            QFile::setPermissions(QFile::decodeName(m_path), QFileDevice::ReadOwner |
                                                                 QFileDevice::WriteOwner |
                                                                 QFileDevice::ExeOwner);
        m_mounted = m_chmodded = false;
    }

private:
    QByteArray m_path;
    bool m_mounted = false;
    bool m_chmodded = false;
};

} // namespace

class HostileInputTest : public QObject
{
    Q_OBJECT

public:
    explicit HostileInputTest(X11Session *session)
        : session(session), target(session), program(session)
    {}

private slots:
    void initTestCase()
    {
        QVERIFY(session->isKeyComboFree(XK_1, ControlMask | Mod1Mask));
        QVERIFY(session->isKeyComboFree(XK_t, ControlMask));
        xlib = XOpenDisplay(nullptr);
        QVERIFY(xlib);
        QVERIFY(target.start());
        folder = dataFolder();
        file = folder + QStringLiteral("/phrases.json");
        scratch = session->root() + QStringLiteral("/scratch");
        QVERIFY(QDir().mkpath(scratch));
        // Root reaches a read-only folder only through a mount, kept private
        // to this process and the programs it starts.
        canMount = geteuid() == 0 && unshare(CLONE_NEWNS) == 0 &&
                   ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }

    void cleanup()
    {
        program.kill();
        QDir(scratch).removeRecursively();
        QDir().mkpath(scratch);
    }

    void cleanupTestCase()
    {
        program.kill();
        if (xlib)
            XCloseDisplay(xlib);
    }

    // A folder where the data file should be: the program starts with an
    // empty list and keeps the folder and what it holds.
    void dataFileIsAFolder()
    {
        QVERIFY(freshDataFolder());
        QVERIFY(QDir().mkpath(file));
        QVERIFY(writeAll(file + QStringLiteral("/notes.txt"), "the user's own notes"));

        QVERIFY(startAndWaitIdle());
        QVERIFY(waitUntil([] { return visibleWindowNamed(programTitle) != 0; }, 10000));
        QVERIFY(program.terminate());

        // The folder is where it was or kept aside under another name, whole.
        QStringList found;
        QDirIterator it(folder, {QStringLiteral("phrases.json*")}, QDir::Dirs | QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            if (QFileInfo(path).isDir() &&
                readAll(path + QStringLiteral("/notes.txt")) == "the user's own notes")
                found << path;
        }
        QVERIFY2(found.size() == 1, qPrintable(QDir(folder).entryList().join(QLatin1Char(' '))));
        qInfo("the folder is now %s", qPrintable(QFileInfo(found.first()).fileName()));
    }

    // The data file is a link to a file elsewhere: saving writes through the
    // link or refuses; the link stays a link and its file stays valid.
    void dataFileIsALink_data()
    {
        QTest::addColumn<bool>("linkedFolderWritable");
        QTest::newRow("to a file in a writable folder") << true;
        QTest::newRow("to a file in a read-only folder") << false;
    }
    void dataFileIsALink()
    {
        QFETCH(bool, linkedFolderWritable);
        QVERIFY(freshDataFolder());
        SCRIVLET_REQUIRE(linkedFolderWritable || geteuid() != 0 || canMount,
                         "root without mount rights cannot make a folder read-only to itself");
        const QString real = scratch + QStringLiteral("/synced/phrases.json");
        QVERIFY(QDir().mkpath(QFileInfo(real).path()));
        ReadOnlyFolder readOnly(QFileInfo(real).path());
        if (!linkedFolderWritable)
            QVERIFY(readOnly.mount());
        const QByteArray original =
            dataFile({phraseJson(QStringLiteral("greeting"), greeting, ctrlAlt, 0x31)});
        QVERIFY(writeAll(real, original));
        if (!linkedFolderWritable)
            QVERIFY(readOnly.setReadOnly());
        QVERIFY(QFile::link(real, file));

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        QVERIFY(startAndWaitIdle());
        QVERIFY(typeInto(XK_1, greeting));
        QVERIFY(program.waitFor(QStringLiteral("typed greeting accepted")));
        QVERIFY(program.terminate());

        QVERIFY(QFileInfo(file).isSymLink());
        QCOMPARE(QFileInfo(file).symLinkTarget(), real);
        const QHash<QString, QJsonObject> stored = phrasesById(real);
        QVERIFY(stored.contains(QStringLiteral("greeting")));
        const bool wroteThrough = stored.value(QStringLiteral("greeting"))
                                      .value(QStringLiteral("lastUsed"))
                                      .toString()
                                      .toLongLong() >= before;
        QCOMPARE(wroteThrough, linkedFolderWritable);
        QCOMPARE(program.count(QStringLiteral("typed greeting accepted saved")),
                 wroteThrough ? 1 : 0);
        if (!wroteThrough)
            QCOMPARE(readAll(real), original);
    }

    // A named pipe where the data file or the 3.0 edition's file should be:
    // nothing ever writes to it, so reading it would wait for ever. The
    // program starts all the same and keeps the phrases it has.
    void fileIsAPipe_data()
    {
        QTest::addColumn<bool>("legacy");
        QTest::newRow("data file") << false;
        QTest::newRow("file of the 3.0 edition") << true;
    }
    void fileIsAPipe()
    {
        QFETCH(bool, legacy);
        QVERIFY(freshDataFolder());
        const QString prefix = scratch + QStringLiteral("/wine");
        const QString legacyFolder =
            prefix + QStringLiteral("/drive_c/ProgramData/Zem Free Scrivlet");
        QVERIFY(QDir().mkpath(legacyFolder));
        if (legacy)
            QVERIFY(writeAll(
                file, dataFile({phraseJson(QStringLiteral("greeting"), greeting, ctrlAlt, 0x31)},
                               false)));
        const QString pipe = legacy ? legacyFolder + QStringLiteral("/vtdt.dll") : file;
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

        QProcessEnvironment env;
        env.insert(QStringLiteral("WINEPREFIX"), prefix);
        QVERIFY(startAndWaitIdle(env));
        QVERIFY2(answersShowShortcut(), qPrintable(program.trace()));
        QVERIFY(program.terminate());
        const QJsonObject stored = parse(file);
        QVERIFY(stored.contains(QStringLiteral("phrases")));
        QCOMPARE(phrasesById(file).contains(QStringLiteral("greeting")), legacy);
    }

    // A data folder the program cannot write: it runs on what it read, types,
    // tells the user when an import could not be saved, and leaves the file
    // exactly as it was.
    void unwritableDataFolder()
    {
        QVERIFY(freshDataFolder());
        SCRIVLET_REQUIRE(geteuid() != 0 || canMount,
                         "root without mount rights cannot make a folder read-only to itself");
        ReadOnlyFolder readOnly(folder);
        QVERIFY(readOnly.mount());
        const QByteArray original =
            dataFile({phraseJson(QStringLiteral("greeting"), greeting, ctrlAlt, 0x31)});
        QVERIFY(writeAll(file, original));
        QVERIFY(readOnly.setReadOnly());
        QVERIFY(!QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly));

        QVERIFY(startAndWaitIdle());
        QVERIFY(typeInto(XK_1, greeting));
        QVERIFY(program.waitFor(QStringLiteral("typed greeting accepted unsaved")));

        const QString backup = scratch + QStringLiteral("/small.json");
        QVERIFY(writeAll(
            backup, "{\"phrases\":[" +
                        phraseJson(QStringLiteral("b"), QStringLiteral("imported"), 0, 0) + "]}"));
        QVERIFY(importThroughMenu(backup));
        QVERIFY(program.waitFor(QStringLiteral("message The phrases were imported, but the data "
                                               "file could not be saved.")));
        QVERIFY(program.terminate());
        QCOMPARE(readAll(file), original);
    }

    // 100,000 phrases, 300 of them with shortcuts: the program comes up,
    // holds the 300th shortcut, types it, and saves the whole list.
    void hundredThousandPhrases()
    {
        QVERIFY(freshDataFolder());
        // 48 keys under 7 modifier sets give 336 combinations; the 300th is
        // Ctrl+Alt+L.
        QVector<int> vks;
        for (int k = 0; k < 26; ++k)
            vks << 0x41 + k;
        for (int k = 0; k < 10; ++k)
            vks << 0x30 + k;
        for (int k = 0; k < 12; ++k)
            vks << 0x70 + k;
        const int modSets[] = {Hotkey::ModControl | Hotkey::ModWin,
                               Hotkey::ModAlt | Hotkey::ModWin,
                               Hotkey::ModShift | Hotkey::ModWin,
                               Hotkey::ModControl | Hotkey::ModAlt | Hotkey::ModShift,
                               Hotkey::ModAlt | Hotkey::ModShift,
                               Hotkey::ModControl | Hotkey::ModShift,
                               ctrlAlt};
        constexpr int total = 100000;
        constexpr int withKeys = 300;
        QVector<QByteArray> phrases;
        phrases.reserve(total);
        int keyed = 0;
        for (int i = 0; i < total; ++i) {
            const QString id = QStringLiteral("p%1").arg(i);
            const QString text =
                QStringLiteral("Phrase number %1, with a few words after it").arg(i);
            if (i % 300 == 7 && keyed < withKeys) {
                phrases << phraseJson(id, text, modSets[keyed / vks.size()],
                                      vks.at(keyed % vks.size()));
                ++keyed;
            } else {
                phrases << phraseJson(id, text, 0, 0);
            }
        }
        QCOMPARE(keyed, withKeys);
        QVERIFY(writeAll(file, dataFile(phrases)));
        const QString lastKeyed = QStringLiteral("p%1").arg(7 + 300 * (withKeys - 1));

        QElapsedTimer started;
        started.start();
        QVERIFY(startAndWaitIdle());
        QVERIFY(waitUntil([this] { return !session->isKeyComboFree(XK_l, ControlMask | Mod1Mask); },
                          notHungMs));
        qInfo("100,000 phrases: idle and holding the 300th shortcut after %lld ms",
              started.elapsed());
        QVERIFY(typeInto(XK_l, QStringLiteral("Phrase number %1, with a few words after it")
                                   .arg(7 + 300 * (withKeys - 1))));
        QVERIFY(program.waitFor(QStringLiteral("typed %1 accepted saved").arg(lastKeyed), 1,
                                notHungMs));
        QVERIFY2(answersShowShortcut(), qPrintable(program.trace()));
        QVERIFY(program.terminate(notHungMs));
        const QJsonArray stored = parse(file).value(QStringLiteral("phrases")).toArray();
        QCOMPARE(stored.size(), total);
        QVERIFY(stored.at(7 + 300 * (withKeys - 1))
                    .toObject()
                    .value(QStringLiteral("lastUsed"))
                    .toString()
                    .toLongLong() > 0);
    }

    // A 10 MB file of the 3.0 edition: at most 30 phrases come in, the user
    // is told how many, and the phrase the list held stays.
    void tenMegabyteLegacyFile_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("imported");

        QByteArray filled(3024, '\0');
        filled[20] = 0x41;
        filled[22] = 0x3; // Shift+Ctrl
        filled.replace(24, 5, "hello");
        QTest::newRow("filled records") << filled << 30;

        QByteArray blank(3024, ' ');
        blank[20] = 0x41;
        blank[21] = 0;
        blank[22] = 0x3;
        blank[23] = 0;
        QTest::newRow("blank records, read to the end") << blank << 0;

        // GB18030 for U+554A, over and over: the key code too is nonsense.
        QByteArray noZero;
        while (noZero.size() < 3024)
            noZero += "\xb0\xa1";
        QTest::newRow("no zero byte anywhere") << noZero << 30;
    }
    void tenMegabyteLegacyFile()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, imported);
        QVERIFY(freshDataFolder());
        QVERIFY(writeAll(
            file,
            dataFile({phraseJson(QStringLiteral("greeting"), greeting, ctrlAlt, 0x31)}, false)));
        const QString prefix = scratch + QStringLiteral("/wine");
        const QString legacy = prefix + QStringLiteral("/drive_c/ProgramData/Zem Free Scrivlet");
        QVERIFY(QDir().mkpath(legacy));
        QByteArray bytes;
        bytes.reserve(10 * 1024 * 1024 + 3024);
        while (bytes.size() < 10 * 1024 * 1024)
            bytes += record;
        QVERIFY(writeAll(legacy + QStringLiteral("/vtdt.dll"), bytes));

        QProcessEnvironment env;
        env.insert(QStringLiteral("WINEPREFIX"), prefix);
        QVERIFY(startAndWaitIdle(env));
        if (imported > 0)
            QVERIFY2(
                program.waitFor(
                    QStringLiteral("status Imported %1 phrases from version 3.0.").arg(imported)),
                qPrintable(program.trace()));
        QVERIFY2(answersShowShortcut(), qPrintable(program.trace()));
        QVERIFY(program.terminate());
        const QJsonObject stored = parse(file);
        QCOMPARE(stored.value(QStringLiteral("phrases")).toArray().size(), 1 + imported);
        QVERIFY(phrasesById(file).contains(QStringLiteral("greeting")));
        QVERIFY(stored.value(QStringLiteral("settings"))
                    .toObject()
                    .value(QStringLiteral("importedV3"))
                    .toBool());
    }

    // Backups through File > Import: the program answers after each one, the
    // user reads what happened, and the phrase the list held stays.
    void hostileBackup_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told");
        QTest::addColumn<int>("added");
        QTest::newRow("nested 100,000 levels") << "nested"
                                               << "message Could not read the file." << 0;
        QTest::newRow("100 MB that is not JSON") << "garbage"
                                                 << "message Could not read the file." << 0;
        QTest::newRow("100 MB of phrases") << "phrases"
                                           << "status Phrases imported." << 100000;
        QTest::newRow("one phrase of 100 MB") << "huge"
                                              << "status Phrases imported." << 1;
        QTest::newRow("a named pipe nobody writes to") << "pipe"
                                                       << "message Could not read the file." << 0;
    }
    void hostileBackup()
    {
        QFETCH(QString, kind);
        QFETCH(QString, told);
        QFETCH(int, added);
        QVERIFY(freshDataFolder());
        QVERIFY(writeAll(
            file, dataFile({phraseJson(QStringLiteral("greeting"), greeting, ctrlAlt, 0x31)})));
        const QString backup = scratch + QStringLiteral("/backup.json");
        if (kind == QLatin1String("pipe"))
            QCOMPARE(mkfifo(QFile::encodeName(backup).constData(), 0600), 0);
        else
            QVERIFY(writeAll(backup, hostileBackupBytes(kind)));

        QVERIFY(startAndWaitIdle());
        QElapsedTimer timer;
        timer.start();
        QVERIFY(importThroughMenu(backup));
        QVERIFY(program.waitFor(told, 1, notHungMs));
        qInfo("%s: told after %lld ms; the program's peak memory %s", qPrintable(kind),
              timer.elapsed(), peakMemory(program.pid()).constData());
        QVERIFY2(answersShowShortcut(), qPrintable(program.trace()));
        QVERIFY(program.terminate(notHungMs));
        const QJsonArray stored = parse(file).value(QStringLiteral("phrases")).toArray();
        QCOMPARE(stored.size(), 1 + added);
        QCOMPARE(stored.first().toObject().value(QStringLiteral("text")).toString(), greeting);
    }

private:
    static QByteArray hostileBackupBytes(const QString &kind)
    {
        constexpr int hundredMb = 100 * 1024 * 1024;
        QByteArray bytes;
        bytes.reserve(hundredMb + 4096);
        if (kind == QLatin1String("nested")) {
            bytes = "{\"phrases\":" + QByteArray(100000, '[') + QByteArray(100000, ']') + '}';
        } else if (kind == QLatin1String("garbage")) {
            bytes = "{\"phrases\":[";
            while (bytes.size() < hundredMb)
                bytes += "{\"text\": \"unterminated \\u00e9 \xff\xfe ";
        } else if (kind == QLatin1String("phrases")) {
            bytes = "{\"version\":1,\"phrases\":[";
            const QString filler = QString(1000, QLatin1Char('w'));
            for (int i = 0; i < 100000; ++i) {
                if (i)
                    bytes += ',';
                bytes += phraseJson(QString(), QStringLiteral("%1 %2").arg(i).arg(filler), 0, 0);
            }
            bytes += "]}";
        } else {
            bytes = "{\"version\":1,\"phrases\":[{\"name\":\"huge\",\"text\":\"";
            while (bytes.size() < hundredMb)
                bytes += "lorem ipsum dolor sit amet ";
            bytes += "\"}]}";
        }
        return bytes;
    }

    // The peak resident size the kernel reports for a process ("VmHWM").
    static QByteArray peakMemory(qint64 pid)
    {
        const QList<QByteArray> lines =
            readAll(QStringLiteral("/proc/%1/status").arg(pid)).split('\n');
        for (const QByteArray &line : lines) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).simplified();
        }
        return "unknown";
    }

    // {"version":1,"settings":{...},"phrases":[...]} with the language fixed
    // and, unless told otherwise, the 3.0 import already done.
    static QByteArray dataFile(const QVector<QByteArray> &phrases, bool importedV3 = true)
    {
        QByteArray bytes = "{\"version\":1,\"settings\":{\"language\":\"en\",\"importedV3\":";
        bytes += importedV3 ? "true" : "false";
        bytes += ",\"closeHintSeen\":true,\"closeHintShown\":true},\"phrases\":[";
        for (int i = 0; i < phrases.size(); ++i) {
            if (i)
                bytes += ',';
            bytes += phrases.at(i);
        }
        return bytes + "]}";
    }

    bool freshDataFolder()
    {
        program.kill();
        QDir(folder).removeRecursively();
        return QDir().mkpath(folder);
    }

    bool startAndWaitIdle(const QProcessEnvironment &env = QProcessEnvironment())
    {
        closedDialogs = 0;
        if (!program.start(env))
            return false;
        return program.waitFor(QStringLiteral("idle"), 1, notHungMs);
    }

    // The target in front, the phrase's Ctrl+Alt shortcut pressed: the
    // target ends up holding exactly text.
    bool typeInto(KeySym key, const QString &text)
    {
        return target.clear() && target.activate() &&
               (press(xlib, {XK_Control_L, XK_Alt_L}, key), target.waitForText(text));
    }

    // The main window shown, File > Import, the path typed into the file
    // dialog.
    bool importThroughMenu(const QString &path)
    {
        const Window main = visibleWindowNamed(programTitle);
        if (!main)
            return false;
        QProcess::execute(
            QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(main)});
        if (!waitUntil([&] { return focusIsIn(xlib, main); }, notHungMs))
            return false;
        press(xlib, {XK_Alt_L}, XK_f);
        if (!waitUntil([&] { return popupShown(xlib, program.pid()); }, notHungMs))
            return false;
        // From the first entry up past Exit, Export to CSV and Export to
        // Import.
        for (int i = 0; i < 4; ++i)
            press(xlib, {}, XK_Up);
        press(xlib, {}, XK_Return);
        Window dialog = 0;
        if (!waitUntil([&] { return (dialog = visibleWindowNamed(QStringLiteral("Import"))) != 0; },
                       10000) ||
            !waitUntil([&] { return focusIsIn(xlib, dialog); }, notHungMs))
            return false;
        QProcess::execute(
            QStringLiteral("xdotool"),
            {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), path});
        // A completion list may take the first Return.
        const auto closed = [] { return visibleWindowNamed(QStringLiteral("Import")) == 0; };
        for (int i = 0; i < 3 && !closed(); ++i) {
            press(xlib, {}, XK_Return);
            waitUntil(closed, 2000);
        }
        return closed();
    }

    // The show/hide shortcut still hides and shows the main window.
    bool answersShowShortcut()
    {
        // A message or notice may be open; Return closes it.
        for (int i = 0; i < 2; ++i) {
            if (program.count(QStringLiteral("message ")) +
                    program.count(QStringLiteral("notice ")) >
                closedDialogs) {
                const int windows = windowCount(xlib, program.pid());
                press(xlib, {}, XK_Return);
                ++closedDialogs;
                waitUntil([&] { return windowCount(xlib, program.pid()) < windows; }, notHungMs);
            }
        }
        // The program's own word on what each press did: the window may
        // still be on its way to the screen after start-up, so what the X
        // server shows just before a press says nothing about the toggle.
        // A window shown at start-up is first let reach the screen, so that
        // each press below starts from a window the X server agrees on.
        const QStringList before = program.lines(QStringLiteral("window "));
        const bool startedShown =
            !before.isEmpty() && before.last() == QLatin1String("window shown");
        if (!waitUntil(
                [startedShown] { return (visibleWindowNamed(programTitle) != 0) == startedShown; },
                notHungMs))
            return false;
        QStringList outcomes;
        for (int i = 0; i < 2; ++i) {
            const int toggles = program.count(QStringLiteral("window "));
            press(xlib, {XK_Control_L}, XK_t);
            if (!program.waitFor(QStringLiteral("window "), toggles + 1, notHungMs))
                return false;
            outcomes << program.lines(QStringLiteral("window ")).last();
            const bool shown = outcomes.last() == QLatin1String("window shown");
            if (!waitUntil([shown] { return (visibleWindowNamed(programTitle) != 0) == shown; },
                           notHungMs))
                return false;
        }
        return outcomes.first() != outcomes.last();
    }

    X11Session *session;
    TextTarget target;
    TracedProgram program;
    Display *xlib = nullptr;
    QString folder;
    QString file;
    QString scratch;
    bool canMount = false;
    int closedDialogs = 0;
};

SCRIVLET_X11_TEST_MAIN(HostileInputTest)
#include "tst_hostileinput.moc"
