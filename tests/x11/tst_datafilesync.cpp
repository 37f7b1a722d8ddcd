// The data file written by something else while the program runs, end to
// end: the real program in a private X session, its file replaced by a sync
// tool's rename, written in place, and broken; the running copy follows
// within seconds, its shortcuts type the new texts, and its next save keeps
// what came from outside. A change made on both sides is checked with a main
// window made in this process, where an edit can be made as the user makes
// one.

#include "base/hotkey.h"
#include "mainwindow/mainwindow.h"
#include "platform/desktop.h"
#include "store/phrasestore.h"
#include "x11/datafile.h"
#include "x11/scrivletprocess.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// Last: it brings Xlib's macros.
#include "x11/programdriver.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <memory>

namespace {

constexpr int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;

QJsonObject named(const QString &id, const QString &text, int vk)
{
    return ScrivletProcess::phrase(id, text, vk ? ctrlAlt : 0, vk);
}

QByteArray fileBytes(const QJsonArray &phrases)
{
    return ProgramDriver::dataFileBytes(ProgramDriver::quietSettings(), phrases);
}

// As a sync tool does: a temporary file beside it, renamed over it.
bool replaceAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// As an editor that saves in place does.
bool writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QJsonArray storedPhrases(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll())
        .object()
        .value(QStringLiteral("phrases"))
        .toArray();
}

QString storedText(const QString &path, const QString &id)
{
    for (const QJsonValue &p : storedPhrases(path)) {
        if (p.toObject().value(QStringLiteral("id")).toString() == id)
            return p.toObject().value(QStringLiteral("text")).toString();
    }
    return QString();
}

// A main window made in this process over a list of two phrases loaded
// from a folder of its own: there an edit is made as the user makes one.
struct LocalWindow
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("phrases.json"));
    const QJsonArray original{named(QStringLiteral("one"), QStringLiteral("the original"), 0),
                              named(QStringLiteral("two"), QStringLiteral("untouched"), 0)};
    const bool written = writeInPlace(file, fileBytes(original));
    PhraseStore store{folder.path()};
    const bool loaded =
        written && (store.setLegacyFilePath(folder.filePath(QStringLiteral("none"))), store.load());
    const std::unique_ptr<Desktop> desktop = createDesktop();
    QTranslator translator;
    MainWindow window{&store, &translator, desktop.get()};
};

} // namespace

class DataFileSyncTest : public QObject
{
    Q_OBJECT

public:
    explicit DataFileSyncTest(X11Session *session)
        : session(session), target(session), program(session)
    {}

private slots:
    void initTestCase()
    {
        for (const KeySym key : {XK_1, XK_2, XK_7, XK_8})
            QVERIFY(session->isKeyComboFree(key, ControlMask | Mod1Mask));
        QVERIFY(program.display());
        QVERIFY(target.start());
        path = program.dataFile();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(writeInPlace(
            path, fileBytes({named(QStringLiteral("alpha"), QStringLiteral("alpha one"), 0x31),
                             named(QStringLiteral("beta"), QStringLiteral("beta one"), 0x32)})));
        QVERIFY(program.start());
        QVERIFY(program.waitUntilHolding(XK_2, ControlMask | Mod1Mask));
    }

    void cleanupTestCase() { program.kill(); }

    // A sync tool's rename brings a new phrase on Ctrl+Alt+7 and a changed
    // text: both work within seconds, and the save that follows the next
    // insertion keeps them.
    void replacedFileIsTakenIn()
    {
        QVERIFY(replaceAtomically(
            path, fileBytes({named(QStringLiteral("alpha"), QStringLiteral("alpha two"), 0x31),
                             named(QStringLiteral("beta"), QStringLiteral("beta one"), 0x32),
                             named(QStringLiteral("gamma"), QStringLiteral("gamma new"), 0x37)})));
        QTRY_VERIFY_WITH_TIMEOUT(listed().contains(QStringLiteral("gamma")), 5000);
        QVERIFY(program.waitUntilHolding(XK_7, ControlMask | Mod1Mask, 5000));
        QVERIFY(typesText(XK_7, QStringLiteral("gamma new")));
        QVERIFY(typesText(XK_1, QStringLiteral("alpha two")));
        // The insertion saved lastUsed: what came from outside is still there.
        QTRY_VERIFY_WITH_TIMEOUT(program.storedLastUsed(QStringLiteral("alpha")) > 0, 5000);
        QCOMPARE(storedText(path, QStringLiteral("gamma")), QStringLiteral("gamma new"));
        QCOMPARE(storedText(path, QStringLiteral("alpha")), QStringLiteral("alpha two"));
    }

    void inPlaceWriteIsSeen()
    {
        QJsonArray phrases = storedPhrases(path);
        QVERIFY(!phrases.isEmpty());
        phrases.append(named(QStringLiteral("delta"), QStringLiteral("delta in place"), 0x38));
        QVERIFY(writeInPlace(path, fileBytes(phrases)));
        QTRY_VERIFY_WITH_TIMEOUT(listed().contains(QStringLiteral("delta")), 5000);
        QVERIFY(program.waitUntilHolding(XK_8, ControlMask | Mod1Mask, 5000));
        QVERIFY(typesText(XK_8, QStringLiteral("delta in place")));
        // Its save lands before the next write: an in-place write into the
        // file a rename is about to replace would be lost with it.
        QTRY_VERIFY_WITH_TIMEOUT(program.storedLastUsed(QStringLiteral("delta")) > 0, 5000);
    }

    // Half a file (a sync cut short): its bytes are kept beside it, the
    // running list stays and types, and the next save writes it whole.
    void brokenFileIsKeptAside()
    {
        QFile whole(path);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray half = whole.readAll().left(int(whole.size() / 2));
        whole.close();
        QVERIFY(writeInPlace(path, half));
        const QDir folder = QFileInfo(path).dir();
        const auto kept = [&] {
            for (const QString &name :
                 folder.entryList({QStringLiteral("phrases.json.damaged-*")}, QDir::Files)) {
                QFile f(folder.filePath(name));
                if (f.open(QIODevice::ReadOnly) && f.readAll() == half)
                    return true;
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(kept(), 5000);
        QVERIFY(typesText(XK_1, QStringLiteral("alpha two")));
        QTRY_COMPARE_WITH_TIMEOUT(storedPhrases(path).size(), 4, 5000);
        QCOMPARE(storedText(path, QStringLiteral("delta")), QStringLiteral("delta in place"));
    }

    // An edit here, saved, then a file from a machine that edited the same
    // phrase from the version before: ours stays, theirs comes in beside it
    // switched off, and the window says so.
    void changeOnBothSidesKeepsBoth()
    {
        program.kill();
        LocalWindow local;
        QVERIFY(local.loaded);
        PhraseStore &store = local.store;
        MainWindow &window = local.window;
        const QString &file = local.file;
        const QJsonArray &original = local.original;

        store.phrases()[0].text = QStringLiteral("edited here");
        QVERIFY(store.save());
        QJsonArray theirs = original;
        theirs[0] = named(QStringLiteral("one"), QStringLiteral("edited elsewhere"), 0);
        QVERIFY(replaceAtomically(file, fileBytes(theirs)));

        QTRY_COMPARE_WITH_TIMEOUT(store.phrases().size(), 3, 5000);
        QCOMPARE(store.phrases().at(0).text, QStringLiteral("edited here"));
        QVERIFY(store.phrases().at(0).enabled);
        QCOMPARE(store.phrases().at(1).text, QStringLiteral("edited elsewhere"));
        QVERIFY(!store.phrases().at(1).enabled);
        QCOMPARE(store.phrases().at(1).name, QStringLiteral("one (changed elsewhere)"));
        QTRY_VERIFY(window.statusBar()->currentMessage().contains(
            QStringLiteral("Changed here and elsewhere: one.")));
        // Both versions are in the file for the other machine.
        QTRY_COMPARE_WITH_TIMEOUT(storedPhrases(file).size(), 3, 5000);
    }

    // A Syncthing conflict copy beside the file: offered above the table,
    // merged on the user's word, and moved out of the way.
    void syncToolCopyIsOfferedAndMerged()
    {
        LocalWindow local;
        QVERIFY(local.loaded);
        PhraseStore &store = local.store;
        MainWindow &window = local.window;
        const QString &file = local.file;
        const QJsonArray &original = local.original;
        QVERIFY(!window.copiesNote()->isVisibleTo(&window));

        const QString copy =
            local.folder.filePath(QStringLiteral("phrases.sync-conflict-20261210-101500-ABCDEFG.json"));
        QVERIFY(writeInPlace(
            copy, fileBytes({named(QStringLiteral("one"), QStringLiteral("from the laptop"), 0),
                             original.at(1),
                             named(QStringLiteral("three"), QStringLiteral("new there"), 0)})));
        QTRY_VERIFY_WITH_TIMEOUT(window.copiesNote()->isVisibleTo(&window), 5000);
        window.copiesMergeButton()->click();
        QCOMPARE(store.phrases().size(), 3);
        QCOMPARE(store.phrases().at(0).text, QStringLiteral("from the laptop"));
        QCOMPARE(store.phrases().at(2).text, QStringLiteral("new there"));
        QVERIFY(!QFileInfo::exists(copy));
        QVERIFY(!window.copiesNote()->isVisibleTo(&window));
        QCOMPARE(storedText(file, QStringLiteral("three")), QStringLiteral("new there"));
    }

private:
    QStringList listed()
    {
        QProcess process;
        process.setProcessEnvironment(session->environment());
        process.start(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--list")});
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return {};
        }
        return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    }

    bool typesText(KeySym key, const QString &text)
    {
        if (!target.clear() || !target.activate())
            return false;
        program.press({XK_Control_L, XK_Alt_L}, key);
        return target.waitForText(text);
    }

    X11Session *session;
    TextTarget target;
    ScrivletProcess program;
    QString path;
};

SCRIVLET_X11_TEST_MAIN(DataFileSyncTest)
#include "tst_datafilesync.moc"
