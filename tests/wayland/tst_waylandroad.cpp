// The Wayland road end to end under a headless sway: phrases typed by the
// program's own virtual keyboard into native Qt and GTK windows and, through
// the X11 road, into an XWayland one; texts that must be pasted go through
// the data control clipboard and the user's clipboard comes back; the rules
// name native programs by their app_id; the picker, shown through XWayland,
// types into the native window it was opened over.

#include "platform/desktopbindings.h"
#include "wayland/waylandsession.h"
#include "wayland/waylandtarget.h"
#include "x11/datafile.h"
#include "x11/phrases.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

namespace {

const QString Mixed = QStringLiteral("Hello, wörld! ÆØÅ €5 日本語 ✓ 😀 ẞ");
const QString Lines = QStringLiteral("first line\nzweite Zeile é\n第三行");
const QString Ascii = QStringLiteral("The quick brown fox: 42 + 7 = 49 [ok] {yes} ~/path\\x");
const QString NonAscii = QStringLiteral("Grüße, señor — ça va? Ærøskøbing ½ © Привет");
const QString Emoji = QStringLiteral("😀 👍🏽 🚀 ✓ 🇩🇪");
const QString OptionText = QStringLiteral("named like an option ✓");

// Letters and digits in turn: a key lost or doubled in a run shows.
QString run(int length)
{
    const QString alphabet =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QString out;
    for (int i = 0; i < length; ++i)
        out += alphabet.at(i % alphabet.size());
    return out;
}

// Typed keys go out in batches of about 64 UTF-16 units. Here a surrogate
// pair stands across the 128th and 129th units and another across the 192nd
// and 193rd, where batches cut by count alone would split each in two. The
// first batch is whole either way: one that failed there would be pasted,
// which hides the fault.
const QString Seams = run(127) + QStringLiteral("😀") + run(62) + QStringLiteral("👍🏽 end ✓");

// Evdev codes of the user's keyboard.
constexpr int KeyLeftCtrl = 29;
constexpr int KeyLeftAlt = 56;
constexpr int KeyLeftShift = 42;
constexpr int KeyLeftMeta = 125;
constexpr int KeyK = 37;
constexpr int KeyL = 38;

} // namespace

class TestWaylandRoad final : public QObject
{
    Q_OBJECT

public:
    explicit TestWaylandRoad(WaylandSession *session) : m_session(session) {}

private:
    WaylandSession *m_session;
    QProcess *m_program = nullptr;

    struct Outcome
    {
        int exitCode = -1;
        QString error;
    };

    Outcome command(const QStringList &arguments)
    {
        QProcess p;
        p.setProcessEnvironment(m_session->environment());
        p.start(QStringLiteral(SCRIVLET_EXE), arguments);
        Outcome outcome;
        // The event loop runs meanwhile: the test serves nothing, but the
        // targets' reports come in.
        if (!QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 20000))
            return outcome;
        outcome.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        outcome.error = QString::fromUtf8(p.readAllStandardError());
        return outcome;
    }

    QString clipboard()
    {
        QProcess p;
        p.start(QStringLiteral("wl-paste"), {QStringLiteral("--no-newline")});
        p.waitForFinished(5000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    XSelection::Formats waylandOffer() { return Offers::wayland(m_session->environment()); }
    XSelection::Formats x11Offer() { return Offers::x11(); }

    bool setClipboard(const QString &text)
    {
        QProcess::startDetached(QStringLiteral("wl-copy"), {text});
        return QTest::qWaitFor([&] { return clipboard() == text; }, 5000);
    }

    // A phrase that asks for a name before it goes in.
    static QJsonObject formPhrase()
    {
        QJsonObject form =
            ProgramDriver::phrase(QStringLiteral("form"), QStringLiteral("Hi {input:Name}."), 0, 0);
        form.insert(QStringLiteral("placeholders"), true);
        return form;
    }

    // withIpc false: the program does not find sway's socket and goes by
    // the compositor's toplevel list, as on other wlroots compositors.
    bool startProgram(const QJsonObject &settings = QJsonObject(), bool withIpc = true)
    {
        stopProgram();
        QJsonObject s = settings;
        s.insert(QStringLiteral("importedV3"), true);
        s.insert(QStringLiteral("language"), QStringLiteral("en"));
        const QJsonArray phrases = {
            ProgramDriver::phrase(QStringLiteral("mixed"), Mixed, 0, 0),
            ProgramDriver::phrase(QStringLiteral("lines"), Lines, 0, 0),
            ProgramDriver::phrase(QStringLiteral("ascii"), Ascii, 0, 0),
            ProgramDriver::phrase(QStringLiteral("nonascii"), NonAscii, 0, 0),
            ProgramDriver::phrase(QStringLiteral("cjk"), Phrases::distinctCjk(120), 0, 0),
            ProgramDriver::phrase(QStringLiteral("emoji"), Emoji, 0, 0),
            ProgramDriver::phrase(QStringLiteral("seams"), Seams, 0, 0),
            ProgramDriver::phrase(QStringLiteral("it's, a; test"), QStringLiteral("quoted ✓"), 0,
                                  0),
            ProgramDriver::phrase(QStringLiteral("say \"hi\" \\ $HOME"),
                                  QStringLiteral("escaped ✓"), 0, 0),
            ProgramDriver::phrase(QStringLiteral("--help"), OptionText, 0, 0),
            formPhrase()};
        QDir().mkpath(ProgramDriver::dataFolder());
        if (!ProgramDriver::writeDataFile(ProgramDriver::dataFilePath(), s, phrases))
            return false;
        m_program =
            m_session->startProcess(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--in-tray")});
        // Ready once it answers the command line.
        // Ready once the running copy answers ("--list" would read the data
        // file itself while none runs; resuming what is not paused changes
        // nothing).
        return QTest::qWaitFor([&] { return command({QStringLiteral("--resume")}).exitCode == 0; },
                               15000);
    }

    void stopProgram()
    {
        if (!m_program)
            return;
        m_program->terminate();
        if (!m_program->waitForFinished(5000))
            m_program->kill();
        m_program->waitForFinished(2000);
        m_program = nullptr;
    }

    std::unique_ptr<WaylandTarget> startTarget(const QString &kind)
    {
        QProcessEnvironment env;
        QString program = WaylandSession::programPath(QStringLiteral("../x11/x11target"));
        QStringList args;
        if (kind == QLatin1String("qt-wayland")) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        } else if (kind.startsWith(QLatin1String("gtk-wayland"))) {
            program = QStringLiteral("/usr/bin/python3"); // the one with GTK's bindings
            args = QStringList{WaylandSession::programPath(QStringLiteral("../x11/gtktarget.py"))};
            if (kind == QLatin1String("gtk-wayland-rereads"))
                args << QStringLiteral("rereads=400,900");
            env.insert(QStringLiteral("GDK_BACKEND"), QStringLiteral("wayland"));
        } else {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        }
        auto target = std::make_unique<WaylandTarget>(m_session, program, args, env);
        if (!target->waitReady())
            return nullptr;
        // A new window takes the focus.
        if (!QTest::qWaitFor([&] { return m_session->focusedPid() == target->processId(); }, 5000))
            return nullptr;
        return target;
    }

    // A stand-in for the program that sway's bindings run (sway runs them as
    // its own user): each run leaves a file with its arguments.
    QString recorder()
    {
        const QString runs = m_session->root() + QStringLiteral("/runs");
        QDir(runs).removeRecursively();
        QDir().mkpath(runs);
        QFile::setPermissions(runs, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                        QFileDevice::WriteOther | QFileDevice::ExeOther);
        const QString path = m_session->root() + QStringLiteral("/record-arguments");
        QFile script(path);
        if (!script.open(QIODevice::WriteOnly))
            return QString();
        script.write("#!/bin/sh\nf=$(mktemp " + QFile::encodeName(runs) +
                     "/run.XXXXXX) || exit 1\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > "
                     "\"$f.part\" && mv \"$f.part\" \"$f.done\" && rm -f \"$f\"\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                              QFileDevice::ExeOther);
        return path;
    }

    // The arguments of each run of the recorder so far.
    QVector<QStringList> recordedRuns()
    {
        QVector<QStringList> out;
        const QDir runs(m_session->root() + QStringLiteral("/runs"));
        for (const QString &name : runs.entryList({QStringLiteral("*.done")}, QDir::Files)) {
            QFile file(runs.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = file.readAll();
            // With its length: the QByteArray overload stops at the first NUL.
            QStringList arguments =
                QString::fromUtf8(bytes.constData(), bytes.size()).split(QChar(0));
            arguments.removeLast(); // after the last NUL
            out.append(arguments);
        }
        return out;
    }

    // The keys of a user's keyboard with this layout, pressed in turn
    // ("down"/"up"/"key" and an evdev code; "wait" and milliseconds).
    bool userKeys(const QString &layout, const QList<QPair<QByteArray, int>> &keys)
    {
        QProcess keyboard;
        keyboard.setProcessEnvironment(m_session->environment());
        keyboard.start(WaylandSession::programPath(QStringLiteral("userkeyboard")), {layout});
        if (!keyboard.waitForReadyRead(5000))
            return false;
        keyboard.readAll();
        for (const auto &key : keys) {
            if (key.first == "wait") {
                QTest::qWait(key.second);
                continue;
            }
            keyboard.write(key.first + ' ' + QByteArray::number(key.second) + '\n');
            // Each is through the compositor before the next.
            if (!QTest::qWaitFor([&] { return keyboard.canReadLine(); }, 3000))
                return false;
            keyboard.readLine();
        }
        keyboard.closeWriteChannel();
        return keyboard.waitForFinished(5000) && keyboard.exitCode() == 0;
    }

private slots:
    void initTestCase() { QVERIFY(startProgram()); }

    void cleanupTestCase() { stopProgram(); }

    // What a test added to sway's configuration goes again, failed or not.
    void cleanup()
    {
        if (QFileInfo(m_session->includedConfig()).size() > 0)
            QVERIFY(m_session->setIncludedConfig(QByteArray()));
    }

    // Each text after the user typed a key with another layout in the same
    // window: the compositor switches the window to the user's keymap and
    // back to ours, and no key of ours may be lost or read with the wrong
    // map. An XWayland window then has the user's layout, which the X11 road
    // types with.
    void phrasesArriveExactly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("layout");
        for (const char *kind : {"qt-wayland", "gtk-wayland", "qt-xwayland"}) {
            for (const char *layout : {"us", "de", "ru"})
                QTest::addRow("%s, %s", kind, layout) << kind << layout;
        }
    }

    void phrasesArriveExactly()
    {
        QFETCH(QString, kind);
        QFETCH(QString, layout);
        const QVector<QPair<QString, QString>> phrases = {
            {QStringLiteral("ascii"), Ascii},
            {QStringLiteral("nonascii"), NonAscii},
            {QStringLiteral("cjk"), Phrases::distinctCjk(120)},
            {QStringLiteral("emoji"), Emoji},
            {QStringLiteral("seams"), Seams},
            {QStringLiteral("mixed"), Mixed},
            {QStringLiteral("lines"), Lines}};
        QProcess *user = m_session->startProcess(
            WaylandSession::programPath(QStringLiteral("userkeyboard")), {layout});
        user->setProcessChannelMode(QProcess::SeparateChannels);
        QVERIFY(QTest::qWaitFor([&] { return user->canReadLine(); }, 5000));
        QCOMPARE(user->readLine().trimmed(), QByteArray("READY"));
        const auto target = startTarget(kind);
        QVERIFY(target);
        QVERIFY(setClipboard(QStringLiteral("the user's own")));
        for (const auto &phrase : phrases) {
            target->clear();
            user->write("key 30\n"); // the key labelled A
            QVERIFY(QTest::qWaitFor([&] { return !target->text().isEmpty(); }, 5000));
            target->clear();
            const Outcome outcome = command({QStringLiteral("--type"), phrase.first});
            QCOMPARE(outcome.exitCode, 0);
            QVERIFY2(target->waitForText(phrase.second),
                     qPrintable(phrase.first + QStringLiteral(" gave: ") + target->text()));
            // Once: nothing more comes.
            QCOMPARE(target->settledText(), phrase.second);
            QCOMPARE(clipboard(), QStringLiteral("the user's own"));
        }
        target->quit();
        user->closeWriteChannel();
        user->waitForFinished(3000);
    }

    // A binding of the compositor runs the command while the user still
    // holds its keys: the program's keyboard has its own modifier state, so
    // the held Ctrl and Alt of the user's keyboard do not turn the text into
    // commands, and their release afterwards changes nothing.
    void heldModifiersDoNotReachTheText()
    {
        QProcess *user = m_session->startProcess(
            WaylandSession::programPath(QStringLiteral("userkeyboard")), {QStringLiteral("us")});
        user->setProcessChannelMode(QProcess::SeparateChannels);
        QVERIFY(QTest::qWaitFor([&] { return user->canReadLine(); }, 5000));
        user->readLine();
        const auto target = startTarget(QStringLiteral("qt-wayland"));
        QVERIFY(target);
        target->clear();
        user->write("down 29\ndown 56\n"); // left Ctrl, left Alt
        QByteArray answers;
        QVERIFY(QTest::qWaitFor(
            [&] {
                answers += user->readAll();
                return answers.count("OK") >= 2;
            },
            3000));
        const Outcome outcome = command({QStringLiteral("--type"), QStringLiteral("ascii")});
        user->write("up 56\nup 29\n");
        QCOMPARE(outcome.exitCode, 0);
        QVERIFY2(target->waitForText(Ascii), qPrintable(target->text()));
        QCOMPARE(target->settledText(), Ascii);
        target->quit();
        user->closeWriteChannel();
        user->waitForFinished(3000);
    }

    // A native window that publishes no caret: XWayland's idea of the
    // pointer is stale over it, so the picker opens in the window's middle.
    void pickerWithoutCaretOpensOverTheWindow()
    {
        // Two windows side by side: the target's middle is not the screen's.
        const auto filler = startTarget(QStringLiteral("qt-wayland"));
        QVERIFY(filler);
        const auto target = startTarget(QStringLiteral("qt-wayland"));
        QVERIFY(target);
        const QRect content = m_session->focusedContent();
        QVERIFY(!content.isNull());
        QCOMPARE(command({QStringLiteral("--picker")}).exitCode, 0);
        QVERIFY(QTest::qWaitFor(
            [&] { return m_session->focusedApp() == QLatin1String("Scrivlet"); }, 10000));
        QPoint got;
        int expected = 0;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         // Its left edge at the middle, moved left as far as
                         // it must to stay on the screen (the target fills its
                         // right half); above or below as the room allows.
                         const QRect picker = m_session->focusedContent();
                         got = picker.topLeft();
                         expected =
                             qMin(content.center().x(), content.right() + 1 - picker.width());
                         return qAbs(got.x() - expected) <= 8;
                     },
                     3000),
                 qPrintable(QStringLiteral("picker at %1,%2, expected x %3 (window middle %4)")
                                .arg(got.x())
                                .arg(got.y())
                                .arg(expected)
                                .arg(content.center().x())));
        QCOMPARE(QProcess::execute(QStringLiteral("wtype"),
                                   {QStringLiteral("-k"), QStringLiteral("Escape")}),
                 0);
        QVERIFY(QTest::qWaitFor(
            [&] { return m_session->focusedApp() == QLatin1String("x11target"); }, 5000));
        target->quit();
        filler->quit();
    }

    // The picker opens just below the caret of a native window: its
    // accessibility bus gives the caret within the window, sway the window's
    // place.
    void pickerOpensBelowTheCaret()
    {
        QVERIFY(m_session->startSessionBus());
        QVERIFY(startProgram());
        const auto target = startTarget(QStringLiteral("gtk-wayland"));
        QVERIFY(target);
        target->send("settext " + QStringLiteral("Dear GTK\nsecond line").toUtf8().toBase64());
        QVERIFY(target->waitForText(QStringLiteral("Dear GTK\nsecond line")));
        const QRect content = m_session->focusedContent();
        QVERIFY(!content.isNull());
        const QRect caret = target->caret();
        QVERIFY(!caret.isNull());
        const QPoint expected =
            content.topLeft() + QPoint(caret.left(), caret.top() + caret.height() + 6);
        // The accessibility bus starts on demand, and the picker does not
        // wait long for it: the first opening may still find no caret.
        QPoint got;
        for (int attempt = 0; attempt < 3; ++attempt) {
            QCOMPARE(command({QStringLiteral("--picker")}).exitCode, 0);
            QVERIFY(QTest::qWaitFor(
                [&] { return m_session->focusedApp() == QLatin1String("Scrivlet"); }, 10000));
            // sway may focus it before it is moved into place.
            QTest::qWaitFor(
                [&] {
                    got = m_session->focusedContent().topLeft();
                    return (got - expected).manhattanLength() <= 8;
                },
                2000);
            QCOMPARE(QProcess::execute(QStringLiteral("wtype"),
                                       {QStringLiteral("-k"), QStringLiteral("Escape")}),
                     0);
            QVERIFY(QTest::qWaitFor(
                [&] { return m_session->focusedApp() != QLatin1String("Scrivlet"); }, 5000));
            if ((got - expected).manhattanLength() <= 8)
                break;
        }
        QVERIFY2((got - expected).manhattanLength() <= 8,
                 qPrintable(QStringLiteral("picker at %1,%2, caret bottom-left %3,%4")
                                .arg(got.x())
                                .arg(got.y())
                                .arg(expected.x())
                                .arg(expected.y())));
        target->quit();
    }

    // sway centres a new floating window: the panel is put back where the
    // user left it.
    void panelKeepsItsPlace()
    {
        QVERIFY(startProgram(QJsonObject{{QStringLiteral("floatingPanelX"), 37},
                                         {QStringLiteral("floatingPanelY"), 53}}));
        const Outcome shown = command({QStringLiteral("--toggle-panel")});
        QVERIFY2(shown.exitCode == 0, qPrintable(shown.error));
        const qint64 pid = m_program->processId();
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         for (const QRect &r : m_session->windowsOf(pid)) {
                             if (r.topLeft() == QPoint(37, 53))
                                 return true;
                         }
                         // A panel sway does not manage is not in its tree.
                         return x11WindowsOf(pid).contains(QPoint(37, 53));
                     },
                     5000),
                 qPrintable(QStringLiteral("%1 windows").arg(m_session->windowsOf(pid).size())));
        QCOMPARE(command({QStringLiteral("--toggle-panel")}).exitCode, 0);
        QVERIFY(startProgram());
    }

    // Without sway's IPC (river, labwc, Wayfire) the toplevel list tells the
    // window in front and its app_id, and XWayland's active window the X11
    // ones: typed and pasted texts still arrive in both, and rules still
    // name native programs.
    void toplevelListWithoutSwayIpc_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("native") << "qt-wayland";
        QTest::newRow("XWayland") << "qt-xwayland";
    }

    void toplevelListWithoutSwayIpc()
    {
        QFETCH(QString, kind);
        QVERIFY(startProgram(QJsonObject(), false));
        const auto target = startTarget(kind);
        QVERIFY(target);
        QVERIFY(setClipboard(QStringLiteral("the user's own")));
        for (const auto &phrase : {qMakePair(QStringLiteral("nonascii"), NonAscii),
                                   qMakePair(QStringLiteral("lines"), Lines)}) {
            target->clear();
            QCOMPARE(command({QStringLiteral("--type"), phrase.first}).exitCode, 0);
            QVERIFY2(target->waitForText(phrase.second), qPrintable(target->text()));
            QCOMPARE(clipboard(), QStringLiteral("the user's own"));
        }
        target->quit();
        if (kind == QLatin1String("qt-wayland")) {
            QVERIFY(startProgram(
                QJsonObject{
                    {QStringLiteral("appRules"),
                     QJsonArray{QJsonObject{{QStringLiteral("match"), QStringLiteral("x11target")},
                                            {QStringLiteral("road"), QStringLiteral("never")}}}}},
                false));
            const auto ruled = startTarget(kind);
            QVERIFY(ruled);
            ruled->clear();
            // Refused before any key went out.
            QCOMPARE(command({QStringLiteral("--type"), QStringLiteral("mixed")}).exitCode, 1);
            QCOMPARE(ruled->settledText(), QString());
            ruled->quit();
        }
        QVERIFY(startProgram());
    }

    // A rule names a native program by its app_id.
    void rulesNameNativePrograms()
    {
        QVERIFY(startProgram(QJsonObject{
            {QStringLiteral("appRules"),
             QJsonArray{QJsonObject{{QStringLiteral("match"), QStringLiteral("x11target")},
                                    {QStringLiteral("road"), QStringLiteral("never")}}}}}));
        const auto target = startTarget(QStringLiteral("qt-wayland"));
        QVERIFY(target);
        target->clear();
        const Outcome outcome = command({QStringLiteral("--type"), QStringLiteral("mixed")});
        QCOMPARE(outcome.exitCode, 1);
        QVERIFY2(outcome.error.contains(QLatin1String("x11target")), qPrintable(outcome.error));
        QCOMPARE(target->settledText(), QString());
        target->quit();
        QVERIFY(startProgram());
    }

    // A phrase with a field, from the command line over a native window: the
    // window of fields (through XWayland) gets the keyboard, Enter types the
    // phrase with the answer into the native window, which has the keyboard
    // back; Escape types nothing and gives it back too.
    void fieldsAskedOverTheNativeWindow()
    {
        const auto target = startTarget(QStringLiteral("qt-wayland"));
        QVERIFY(target);
        // A window of fields left open would hold up every command after.
        const auto fresh = qScopeGuard([this] {
            if (QTest::currentTestFailed())
                startProgram();
        });
        target->clear();
        for (const bool filledIn : {true, false}) {
            QProcess typing;
            typing.setProcessEnvironment(m_session->environment());
            typing.start(QStringLiteral(SCRIVLET_EXE),
                         {QStringLiteral("--type"), QStringLiteral("form")});
            QVERIFY2(
                QTest::qWaitFor(
                    [&] { return m_session->focusedApp() == QLatin1String("Scrivlet"); }, 10000),
                qPrintable(m_session->focusedApp()));
            // One wtype for the answer and the key after it: each run of
            // wtype sets a keymap of its own, and an answer typed by one run
            // was seen lost in the XWayland field when the next run's key
            // came right after it.
            QCOMPARE(
                QProcess::execute(QStringLiteral("wtype"),
                                  {QStringLiteral("Ada"), QStringLiteral("-k"),
                                   filledIn ? QStringLiteral("Return") : QStringLiteral("Escape")}),
                0);
            QVERIFY(QTest::qWaitFor([&] { return typing.state() == QProcess::NotRunning; }, 20000));
            QCOMPARE(typing.exitCode(), filledIn ? 0 : 1);
            QVERIFY2(
                QTest::qWaitFor(
                    [&] { return m_session->focusedApp() == QLatin1String("x11target"); }, 10000),
                qPrintable(m_session->focusedApp()));
            QCOMPARE(target->settledText(), QStringLiteral("Hi Ada."));
        }
        target->quit();
    }

    // The picker is an X11 window: sway focuses it over the native window,
    // and gives the focus back to that window for the typing.
    void pickerTypesIntoTheNativeWindow()
    {
        const auto target = startTarget(QStringLiteral("qt-wayland"));
        QVERIFY(target);
        target->clear();
        QProcess picker;
        picker.setProcessEnvironment(m_session->environment());
        picker.start(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--picker")});
        QVERIFY2(QTest::qWaitFor(
                     [&] { return m_session->focusedApp() == QLatin1String("Scrivlet"); }, 10000),
                 qPrintable(m_session->focusedApp()));
        QCOMPARE(QProcess::execute(QStringLiteral("wtype"), {QStringLiteral("zweite")}), 0);
        // The picker shows nothing the test could wait for: a moment for its
        // list to follow the search before the choice.
        QTest::qWait(300);
        QCOMPARE(QProcess::execute(QStringLiteral("wtype"),
                                   {QStringLiteral("-k"), QStringLiteral("Return")}),
                 0);
        QVERIFY2(target->waitForText(Lines), qPrintable(target->text()));
        QCOMPARE(m_session->focusedApp(), QStringLiteral("x11target"));
        QVERIFY(QTest::qWaitFor([&] { return picker.state() == QProcess::NotRunning; }, 10000));
        QCOMPARE(picker.exitCode(), 0);
        target->quit();
    }

    // The lines Options offers, read by sway from its configuration file
    // (which unescapes backslashes, unlike swaymsg), hand the name over as it
    // stands: quotes, separators, dollar signs, a name that looks like an
    // option. The recorder's arguments are then given to the program.
    void bindingLinesWorkInSway_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("keyCode"); // evdev
        QTest::newRow("plain") << "mixed" << Mixed << "k" << KeyK;
        QTest::newRow("apostrophe and separators") << "it's, a; test"
                                                   << "quoted ✓"
                                                   << "j" << KeyK - 1;
        QTest::newRow("double quotes, backslash, dollar") << "say \"hi\" \\ $HOME"
                                                          << "escaped ✓"
                                                          << "h" << KeyK - 2;
        QTest::newRow("an option word") << "--help" << OptionText << "g" << KeyK - 3;
    }

    void bindingLinesWorkInSway()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QFETCH(QString, key);
        QFETCH(int, keyCode);
        const QString program = recorder();
        QVERIFY(!program.isEmpty());
        const int vk = key.at(0).toUpper().unicode();
        const QString lines = DesktopBindings::swayLines(
            {{0x8 | 0x4, vk, {QStringLiteral("--type"), name}}}, program);
        QVERIFY2(lines.startsWith(QLatin1String("bindsym")), qPrintable(lines));
        QVERIFY(m_session->setIncludedConfig(lines.toUtf8() + '\n'));
        // A keyboard with the keys where a real one has them (the line binds
        // the key by its place).
        QVERIFY(userKeys(QStringLiteral("us"), {{"down", KeyLeftMeta},
                                                {"down", KeyLeftShift},
                                                {"key", keyCode},
                                                {"up", KeyLeftShift},
                                                {"up", KeyLeftMeta}}));
        QVERIFY2(QTest::qWaitFor([&] { return !recordedRuns().isEmpty(); }, 5000),
                 qPrintable(lines));
        const QStringList arguments = recordedRuns().first();
        QCOMPARE(arguments, DesktopBindings::programArguments({QStringLiteral("--type"), name}));

        const auto target = startTarget(QStringLiteral("qt-wayland"));
        QVERIFY(target);
        target->clear();
        QCOMPARE(command(arguments).exitCode, 0);
        QVERIFY2(target->waitForText(expected), qPrintable(target->text()));
        target->quit();
    }

    // A binding held past the keyboard's repeat delay runs its command once,
    // and one on a letter fires whichever layout the user's keyboard has
    // (sway matches it by the key's place, not the letter it types now).
    void heldBindingRunsOnce_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::newRow("us") << "us";
        QTest::newRow("ru") << "ru";
    }

    void heldBindingRunsOnce()
    {
        QFETCH(QString, layout);
        const QString program = recorder();
        QVERIFY(!program.isEmpty());
        constexpr int ModAlt = 0x1;
        constexpr int ModControl = 0x2;
        const QString lines = DesktopBindings::swayLines(
            {{ModControl | ModAlt, 'K', {QStringLiteral("--type"), QStringLiteral("held")}},
             {ModControl | ModAlt, 'L', {QStringLiteral("--type"), QStringLiteral("after")}}},
            program);
        QVERIFY(m_session->setIncludedConfig(
            "input type:keyboard {\n    repeat_delay 200\n    repeat_rate 30\n}\n" +
            lines.toUtf8() + '\n'));
        QVERIFY(userKeys(layout, {{"down", KeyLeftCtrl},
                                  {"down", KeyLeftAlt},
                                  {"down", KeyK},
                                  {"wait", 1000},
                                  {"up", KeyK},
                                  {"key", KeyL},
                                  {"up", KeyLeftAlt},
                                  {"up", KeyLeftCtrl}}));
        // The second binding's run comes after every run of the first.
        const auto ran = [&](const QString &name) {
            int n = 0;
            for (const QStringList &run : recordedRuns())
                n += run.contains(name) ? 1 : 0;
            return n;
        };
        QVERIFY2(QTest::qWaitFor([&] { return ran(QStringLiteral("after")) == 1; }, 5000),
                 qPrintable(QStringLiteral("runs of held %1, of after %2")
                                .arg(ran(QStringLiteral("held")))
                                .arg(ran(QStringLiteral("after")))));
        QCOMPARE(ran(QStringLiteral("held")), 1);
    }

    // The user's clipboard, text or a picture, comes back as it was offered
    // (every type, none twice), to Wayland and to X11 programs, after a paste
    // into a native window and then one into an XWayland window; the second
    // does not wait on the first's copy (its time is printed).
    void clipboardComesBackWhole_data()
    {
        QTest::addColumn<QString>("type");
        QTest::newRow("text") << "text/plain";
        QTest::newRow("PNG") << "image/png";
    }

    void clipboardComesBackWhole()
    {
        QFETCH(QString, type);
        const QByteArray content =
            type == QLatin1String("image/png") ? Offers::pngBytes() : QByteArray("CLIP ✓");
        QVERIFY(Offers::copy(m_session->environment(), m_session->root(), type, content));
        const XSelection::Formats wayland = waylandOffer();
        // sway lets X11 programs read the clipboard while one of theirs has
        // the focus.
        const auto x11Target = startTarget(QStringLiteral("qt-xwayland"));
        QVERIFY(x11Target);
        const XSelection::Formats x11 = x11Offer();
        QVERIFY(!x11.isEmpty());

        const auto paste = [&](WaylandTarget *target, const char *kind) {
            target->clear();
            QElapsedTimer clock;
            clock.start();
            const int exitCode =
                command({QStringLiteral("--type"), QStringLiteral("lines")}).exitCode;
            qInfo("%s: pasted in %lld ms", kind, clock.elapsed());
            return exitCode == 0 && target->waitForText(Lines);
        };
        auto gtk = startTarget(QStringLiteral("gtk-wayland"));
        QVERIFY(gtk);
        QVERIFY(paste(gtk.get(), "native GTK"));
        QCOMPARE(waylandOffer(), wayland);
        gtk->quit();
        gtk.reset();
        QVERIFY(QTest::qWaitFor([&] { return m_session->focusedPid() == x11Target->processId(); },
                                5000));
        QCOMPARE(x11Offer(), x11);
        QVERIFY(paste(x11Target.get(), "XWayland Qt"));
        QCOMPARE(x11Offer(), x11);
        QCOMPARE(waylandOffer(), wayland);
        x11Target->quit();
    }

    // A window that reads the text twice with a pause between, and drops the
    // paste when the clipboard changed in between, as a browser's page does:
    // the user's content must not come back in that pause. The first paste
    // into it pauses 400 ms; the ones after it 900 ms, longer than a window
    // not seen before is given.
    void targetThatReadsTwice()
    {
        const auto target = startTarget(QStringLiteral("gtk-wayland-rereads"));
        QVERIFY(target);
        QVERIFY(setClipboard(QStringLiteral("the user's own")));
        for (int i = 0; i < 3; ++i) {
            target->clear();
            const Outcome outcome = command({QStringLiteral("--type"), QStringLiteral("lines")});
            QCOMPARE(outcome.exitCode, 0);
            QVERIFY2(target->waitForText(Lines),
                     qPrintable(QStringLiteral("paste %1 gave: ").arg(i) + target->text()));
            QCOMPARE(clipboard(), QStringLiteral("the user's own"));
        }
        target->quit();
    }

    // The user copies something else while a busy window has not yet taken
    // the phrase: that newest copy stays on the clipboard, never replaced by
    // the older content the program kept.
    void copyMadeDuringThePasteStays()
    {
        QVERIFY(Offers::copy(m_session->environment(), m_session->root(),
                             QStringLiteral("image/png"), Offers::pngBytes()));
        const auto target = startTarget(QStringLiteral("qt-wayland"));
        QVERIFY(target);
        target->send("stall 1500");
        QProcess program;
        program.setProcessEnvironment(m_session->environment());
        program.start(QStringLiteral(SCRIVLET_EXE),
                      {QStringLiteral("--type"), QStringLiteral("lines")});
        // The phrase is on offer (its types only are asked: reading it would
        // count as the paste) while the target still sleeps.
        const auto types = [&] {
            QProcess list;
            list.setProcessEnvironment(m_session->environment());
            list.start(QStringLiteral("wl-paste"), {QStringLiteral("--list-types")});
            list.waitForFinished(5000);
            return list.readAllStandardOutput();
        };
        QVERIFY(QTest::qWaitFor([&] { return !types().contains("image/png"); }, 5000));
        const QByteArray newest("copied meanwhile ✓");
        QVERIFY(Offers::copy(m_session->environment(), m_session->root(),
                             QStringLiteral("text/plain"), newest));
        QVERIFY(QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 20000));
        // The target pasted what the clipboard held when it woke: the newest copy.
        QVERIFY(target->waitForText(QString::fromUtf8(newest)));
        const XSelection::Formats now = waylandOffer();
        QVERIFY(!now.isEmpty());
        for (const auto &format : now)
            QCOMPARE(format.second, newest);
        target->quit();
    }

    // The user changes the layout, or any setting of the keyboards, while the
    // program runs: sway puts the keymap of its configuration on every
    // keyboard, the program's too. Typed, accented and pasted phrases still
    // arrive exactly, once.
    void keyboardsReconfigured_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("layout de") << "input type:keyboard xkb_layout de";
        // Quoted: sway would take the comma for the end of a command.
        QTest::newRow("layouts ru,us") << "input type:keyboard xkb_layout \"ru,us\"";
        QTest::newRow("repeat rate") << "input type:keyboard repeat_rate 40";
        QTest::newRow("layout us") << "input type:keyboard xkb_layout us";
    }

    void keyboardsReconfigured()
    {
        QFETCH(QString, change);
        const auto target = startTarget(QStringLiteral("gtk-wayland"));
        QVERIFY(target);
        QVERIFY(setClipboard(QStringLiteral("the user's own")));
        // Before the change and after it: the program's keymap has the
        // characters already, and nothing of its own makes it upload it again.
        for (const bool changed : {false, true}) {
            if (changed)
                QVERIFY(m_session->swaymsg(change));
            for (const auto &phrase : {qMakePair(QStringLiteral("ascii"), Ascii),
                                       qMakePair(QStringLiteral("nonascii"), NonAscii),
                                       qMakePair(QStringLiteral("lines"), Lines)}) {
                target->clear();
                QCOMPARE(command({QStringLiteral("--type"), phrase.first}).exitCode, 0);
                QVERIFY2(target->waitForText(phrase.second),
                         qPrintable(phrase.first + QStringLiteral(" gave: ") + target->text()));
                QCOMPARE(target->settledText(), phrase.second);
                QCOMPARE(clipboard(), QStringLiteral("the user's own"));
            }
        }
        target->quit();
    }

    void listAndToggleWindow()
    {
        QProcess list;
        list.start(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--list")});
        QVERIFY(list.waitForFinished(10000));
        const QStringList names = QString::fromUtf8(list.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(names.contains(QStringLiteral("mixed")));
        QVERIFY(names.contains(QStringLiteral("it's, a; test")));

        const auto target = startTarget(QStringLiteral("qt-wayland"));
        QVERIFY(target);
        QCOMPARE(command({QStringLiteral("--toggle-window")}).exitCode, 0);
        QVERIFY(QTest::qWaitFor(
            [&] { return m_session->focusedApp() == QLatin1String("Scrivlet"); }, 10000));
        QCOMPARE(command({QStringLiteral("--toggle-window")}).exitCode, 0);
        QVERIFY(QTest::qWaitFor(
            [&] { return m_session->focusedApp() == QLatin1String("x11target"); }, 10000));
        target->quit();
    }

    void unknownPhraseFails()
    {
        const Outcome outcome = command({QStringLiteral("--type"), QStringLiteral("no such")});
        QCOMPARE(outcome.exitCode, 1);
        QVERIFY(!outcome.error.isEmpty());
    }

    // ==== The program's own windows as a user meets them on sway ============
    // (the window in front, the note about the bindings, the panel; below
    // the roads' tests, kept apart from them)

private:
    // The program with its trace on (what it tells the user, when its windows
    // show), started in the tray like startProgram's.
    std::unique_ptr<QProcess> m_traced;
    QByteArray m_trace;

    bool startTracedProgram(const QJsonObject &settings)
    {
        stopProgram();
        stopTracedProgram();
        QJsonObject s = settings;
        s.insert(QStringLiteral("importedV3"), true);
        s.insert(QStringLiteral("language"), QStringLiteral("en"));
        const QJsonArray phrases = {
            ProgramDriver::phrase(QStringLiteral("mixed"), Mixed, 0x2 | 0x1, 0x31)};
        QDir().mkpath(ProgramDriver::dataFolder());
        if (!ProgramDriver::writeDataFile(ProgramDriver::dataFilePath(), s, phrases))
            return false;
        m_trace.clear();
        m_traced = std::make_unique<QProcess>();
        QProcessEnvironment env = m_session->environment();
        env.insert(QStringLiteral("SCRIVLET_TEST_TRACE"), QStringLiteral("1"));
        m_traced->setProcessEnvironment(env);
        m_traced->setProcessChannelMode(QProcess::SeparateChannels);
        connect(m_traced.get(), &QProcess::readyReadStandardError, this,
                [this] { m_trace += m_traced->readAllStandardError(); });
        m_traced->start(QStringLiteral("setpriv"),
                        {QStringLiteral("--pdeathsig"), QStringLiteral("KILL"),
                         QStringLiteral("--"), QStringLiteral(SCRIVLET_EXE),
                         QStringLiteral("--in-tray")});
        return waitForTrace("\nidle\n");
    }

    void stopTracedProgram()
    {
        if (!m_traced)
            return;
        m_traced->terminate();
        if (!m_traced->waitForFinished(5000))
            m_traced->kill();
        m_traced->waitForFinished(2000);
        m_traced.reset();
    }

    // Where the visible X11 windows of process pid are, as X11 tells.
    static QVector<QPoint> x11WindowsOf(qint64 pid)
    {
        QVector<QPoint> out;
        QProcess search;
        search.start(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--pid"), QString::number(pid)});
        search.waitForFinished(5000);
        for (const QByteArray &id : search.readAllStandardOutput().split('\n')) {
            if (id.trimmed().isEmpty())
                continue;
            QProcess geometry;
            geometry.start(QStringLiteral("xdotool"),
                           {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                            QString::fromLatin1(id.trimmed())});
            geometry.waitForFinished(5000);
            QPoint at;
            for (const QByteArray &line : geometry.readAllStandardOutput().split('\n')) {
                if (line.startsWith("X="))
                    at.setX(line.mid(2).toInt());
                else if (line.startsWith("Y="))
                    at.setY(line.mid(2).toInt());
            }
            out.append(at);
        }
        return out;
    }

    bool waitForTrace(const QByteArray &line, int ms = 10000)
    {
        return QTest::qWaitFor([&] { return ('\n' + m_trace).contains(line); }, ms);
    }

    // The colour sway shows at p; invalid where the screen cannot be read.
    static QColor shownAt(const QPoint &p)
    {
        QProcess grim;
        grim.start(QStringLiteral("grim"),
                   {QStringLiteral("-g"), QStringLiteral("%1,%2 1x1").arg(p.x()).arg(p.y()),
                    QStringLiteral("-")});
        if (!grim.waitForFinished(5000) || grim.exitCode() != 0)
            return QColor();
        const QImage image = QImage::fromData(grim.readAllStandardOutput(), "PNG");
        return image.isNull() ? QColor() : image.pixelColor(0, 0);
    }

private slots:
    // sway runs the shortcuts once it binds them: until then the window
    // says so in a note that stays, and it is gone once a binding ran one of
    // the commands, or at a start where sway's configuration binds them.
    void bindingNoteStaysUntilBindingsExist()
    {
        QVERIFY(startTracedProgram(QJsonObject()));
        QVERIFY(waitForTrace("\nroad note Shortcuts reach Wayland programs once sway binds them: "
                             "Options lists the lines.\n"));
        // Commands no binding runs leave it.
        QCOMPARE(command({QStringLiteral("--pause")}).exitCode, 0);
        QCOMPARE(command({QStringLiteral("--resume")}).exitCode, 0);
        QVERIFY(!m_trace.contains("\nroad note \n"));
        // A binding runs the command that shows the window.
        QCOMPARE(command({QStringLiteral("--toggle-window")}).exitCode, 0);
        QVERIFY(waitForTrace("\nroad note \n"));
        QVERIFY(QTest::qWaitFor(
            [&] { return m_session->focusedApp() == QLatin1String("Scrivlet"); }, 10000));

        // The lines Options gives, in sway's configuration and read again.
        QFile config(m_session->root() + QStringLiteral("/sway-config"));
        QVERIFY(config.open(QIODevice::ReadOnly));
        const QByteArray original = config.readAll();
        config.close();
        const QString lines = DesktopBindings::swayLines(
            {{0x8 | 0x4, 0x7B, {QStringLiteral("--toggle-window")}}}, QStringLiteral(SCRIVLET_EXE));
        QVERIFY(config.open(QIODevice::WriteOnly | QIODevice::Append));
        config.write("\n" + lines.toUtf8() + "\n");
        config.close();
        QVERIFY(m_session->swaymsg(QStringLiteral("reload")));
        QVERIFY(startTracedProgram(QJsonObject()));
        const bool found = m_trace.contains("\nbindings found\n");
        const bool noted = m_trace.contains("\nroad note Shortcuts");
        QVERIFY(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
        config.write(original);
        config.close();
        QVERIFY(m_session->swaymsg(QStringLiteral("reload")));
        QVERIFY2(found && !noted, m_trace.constData());
        stopTracedProgram();
        QVERIFY(startProgram());
    }

    // The panel, shown by its command while the user types elsewhere,
    // leaves the focus there, and a floating window focused later does not
    // cover it.
    void panelTakesNoFocusAndStaysAbove()
    {
        const QPoint at(120, 140);
        QVERIFY(startTracedProgram(QJsonObject{{QStringLiteral("floatingPanelX"), at.x()},
                                               {QStringLiteral("floatingPanelY"), at.y()}}));
        const auto target = startTarget(QStringLiteral("qt-wayland"));
        QVERIFY(target);
        QCOMPARE(m_session->focusedApp(), QStringLiteral("x11target"));
        QCOMPARE(command({QStringLiteral("--toggle-panel")}).exitCode, 0);
        QVERIFY(waitForTrace("\npanel shown\n"));
        // sway hands the focus to a window it maps at once: none may come.
        QTest::qWait(300);
        QCOMPARE(m_session->focusedApp(), QStringLiteral("x11target"));

        // A floating window over the panel's place, focused.
        QVERIFY(m_session->swaymsg(QStringLiteral("[app_id=x11target] floating enable, resize set "
                                                  "600 500, move absolute position 0 0, focus")));
        QVERIFY(QTest::qWaitFor(
            [&] { return m_session->focusedContent().contains(at + QPoint(40, 40)); }, 5000));
        QCOMPARE(m_session->focusedApp(), QStringLiteral("x11target"));
        const QColor header = shownAt(at + QPoint(40, 12));
        if (header.isValid()) {
            // The panel's title bar, not the window under it (Teal: #0f6e6b).
            QVERIFY2(
                QTest::qWaitFor(
                    [&] { return shownAt(at + QPoint(40, 12)) == QColor(0x0f, 0x6e, 0x6b); }, 3000),
                qPrintable(shownAt(at + QPoint(40, 12)).name()));
        } else {
            // No way to read the screen here: sway draws the windows it does
            // not manage above all it does, and the panel is not among these.
            for (const QRect &r : m_session->windowsOf(m_traced->processId()))
                QVERIFY(!r.contains(at + QPoint(40, 12)));
        }
        target->quit();
        stopTracedProgram();
        QVERIFY(startProgram());
    }
};

SCRIVLET_WAYLAND_TEST_MAIN(TestWaylandRoad)
#include "tst_waylandroad.moc"
