// The Plasma road end to end under a headless KWin: phrases typed through
// fake input in the user's own layout (US, German, Russian) and pasted
// through data control into native Qt and GTK windows, the user's clipboard
// back afterwards; a shortcut kept by KWin's shortcut service and pressed on
// the keyboard puts its phrase in exactly once, with no modifier of its own
// leaking into the text; a combination another program holds is reported.

#include "wayland/compositortest.h"
#include "x11/phrases.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

using RoadTexts::Ascii;
using RoadTexts::Lines;
using RoadTexts::NonAscii;
const QString ShortcutText = QStringLiteral("Typed by a shortcut: abc XYZ 123");

constexpr int ModAlt = 0x1;
constexpr int ModControl = 0x2;
// Evdev codes.
constexpr int KeyLeftCtrl = 29;
constexpr int KeyLeftAlt = 56;
constexpr int Key1 = 2;

} // namespace

class TestPlasmaRoad final : public CompositorTest
{
    Q_OBJECT

private:
    QJsonArray phrases() const override
    {
        return {
            ProgramDriver::phrase(QStringLiteral("ascii"), Ascii, ModControl | ModAlt, '3'),
            ProgramDriver::phrase(QStringLiteral("nonascii"), NonAscii, ModControl | ModAlt, '4'),
            ProgramDriver::phrase(QStringLiteral("cjk"), Phrases::distinctCjk(120),
                                  ModControl | ModAlt, '5'),
            ProgramDriver::phrase(QStringLiteral("lines"), Lines, ModControl | ModAlt, '6'),
            ProgramDriver::phrase(QStringLiteral("shortcut"), ShortcutText, ModControl | ModAlt,
                                  '1'),
            ProgramDriver::phrase(QStringLiteral("taken"), QStringLiteral("never"),
                                  ModControl | ModAlt, '2')};
    }

    bool startKWin(const QString &layouts)
    {
        HeadlessCompositor::Options options;
        options.layouts = layouts;
        return startSession(HeadlessCompositor::Kind::KWin, options);
    }

    // A fresh KWin with these options, without the program.
    bool restartKWin(const HeadlessCompositor::Options &options)
    {
        stopProgram();
        QString error;
        if (!m_compositor.start(HeadlessCompositor::Kind::KWin, options, &error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        return true;
    }

    QString clipboard()
    {
        return m_compositor.run(QStringLiteral("wl-paste"), {QStringLiteral("-n")});
    }

    bool setClipboard(const QString &text)
    {
        QProcess::startDetached(QStringLiteral("wl-copy"), {text});
        return QTest::qWaitFor([&] { return clipboard() == text; }, 5000);
    }

    // Opens the picker, types "zweite" into its search and takes the match:
    // the three lines.
    bool pickLines()
    {
        QProcess picker;
        picker.setProcessEnvironment(m_compositor.environment());
        picker.start(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--picker")});
        QTest::qWait(1500);
        if (!press({{"key", 44},
                    {"key", 17},
                    {"key", 18},
                    {"key", 23},
                    {"key", 20},
                    {"key", 18},
                    {"wait", 300},
                    {"key", 28}}))
            return false;
        return QTest::qWaitFor([&] { return picker.state() == QProcess::NotRunning; }, 10000) &&
               picker.exitCode() == 0;
    }

    // The keys of the user's own keyboard, through KWin's fake input.
    bool press(const QList<QPair<QByteArray, int>> &keys)
    {
        QProcess keyboard;
        keyboard.setProcessEnvironment(m_compositor.environment());
        keyboard.start(WaylandSession::programPath(QStringLiteral("userkeyboard")),
                       {QStringLiteral("us")});
        if (!keyboard.waitForReadyRead(5000))
            return false;
        for (const auto &key : keys) {
            if (key.first == "wait") {
                keyboard.waitForBytesWritten(1000);
                QTest::qWait(key.second);
                continue;
            }
            keyboard.write(key.first + ' ' + QByteArray::number(key.second) + '\n');
        }
        keyboard.closeWriteChannel();
        return keyboard.waitForFinished(5000) && keyboard.exitCode() == 0;
    }

private slots:
    void cleanupTestCase() { stopProgram(); }

    void phrasesArriveExactly_data() { layoutAndTargetRows(); }

    // What the layout has is typed, the rest pasted: either way the text
    // arrives exactly and the user's clipboard is back afterwards.
    void phrasesArriveExactly()
    {
        QFETCH(QString, layouts);
        QFETCH(QString, target);
        QVERIFY(startKWin(layouts));
        auto editor = startTarget(target);
        QVERIFY(editor);
        const QString users = QStringLiteral("the user's own ✓");
        QVERIFY(setClipboard(users));
        for (const auto &[name, text] : RoadTexts::named()) {
            editor->clear();
            QCOMPARE(command({QStringLiteral("--type"), name}), 0);
            QVERIFY2(editor->waitForText(text),
                     qPrintable(name + QStringLiteral(": ") + editor->text()));
            QCOMPARE(clipboard(), users);
        }
        editor->quit();
    }

    // The phrase goes in once its shortcut's keys are up: a Control still
    // held would make its letters commands.
    // keyHoldMs: the digit held that long (past the keyboard's repeat
    // delay); holdMs: the modifiers held that much longer.
    void shortcutFiresOnce_data()
    {
        QTest::addColumn<int>("key"); // evdev code of the digit
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("keyHoldMs");
        QTest::addColumn<int>("holdMs");
        QTest::newRow("let go at once") << Key1 << ShortcutText << 0 << 0;
        QTest::newRow("modifiers let go late") << Key1 << ShortcutText << 0 << 600;
        QTest::newRow("held with key repeat") << Key1 << ShortcutText << 2000 << 0;
        QTest::newRow("ASCII line") << Key1 + 2 << Ascii << 0 << 0;
        QTest::newRow("non-ASCII line") << Key1 + 3 << NonAscii << 0 << 0;
        QTest::newRow("120 CJK") << Key1 + 4 << Phrases::distinctCjk(120) << 0 << 0;
        QTest::newRow("three lines") << Key1 + 5 << Lines << 0 << 200;
        QTest::newRow("three lines held") << Key1 + 5 << Lines << 2000 << 0;
    }

    void shortcutFiresOnce()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, keyHoldMs);
        QFETCH(int, holdMs);
        QVERIFY(startKWin(QStringLiteral("us")));
        auto editor = startTarget(QStringLiteral("qt"));
        QVERIFY(editor);
        // KWin's service has them once the program says so.
        QVERIFY(QTest::qWaitFor([&] { return m_trace.contains("shortcuts registered"); }, 10000));
        const int before = m_trace.count("typed ");
        QVERIFY(press({{"down", KeyLeftCtrl},
                       {"down", KeyLeftAlt},
                       {"down", key},
                       {"wait", keyHoldMs},
                       {"up", key},
                       {"wait", holdMs},
                       {"up", KeyLeftAlt},
                       {"up", KeyLeftCtrl}}));
        QVERIFY2(editor->waitForText(text), qPrintable(editor->text() + QLatin1Char('\n') +
                                                       QString::fromUtf8(m_trace.right(1500))));
        // Once: the program went in for one press (and nothing came after).
        QVERIFY(QTest::qWaitFor([&] { return m_trace.count("typed ") > before; }, 5000));
        QCOMPARE(editor->settledText(), text);
        QCOMPARE(m_trace.count("typed "), before + 1);
        editor->quit();
    }

    // The picker, a native window of ours, takes the keys; the phrase chosen
    // goes to the window it was opened over, which KWin is asked to bring
    // back.
    void pickerTypesIntoTheWindowBelow()
    {
        QVERIFY(startKWin(QStringLiteral("us")));
        auto editor = startTarget(QStringLiteral("qt"));
        QVERIFY(editor);
        QVERIFY(pickLines());
        QVERIFY2(editor->waitForText(Lines), qPrintable(editor->text()));
        editor->quit();
    }

    // A Plasma session runs XWayland: the program's windows are X11 ones
    // there, and X11 programs are reached by the same road as Wayland ones
    // (KWin's keys and clipboard reach both); the picker, an X11 window,
    // types into the window it opened over.
    void withXWaylandToo()
    {
        HeadlessCompositor::Options options;
        options.withXWayland = true;
        QVERIFY(restartKWin(options));
        QVERIFY(startProgram());
        for (const char *platform : {"wayland", "xcb"}) {
            QProcessEnvironment env;
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
            auto editor = startTarget(QStringLiteral("qt"), env);
            QVERIFY(editor);
            for (const auto &[name, text] : {qMakePair(QStringLiteral("ascii"), Ascii),
                                             qMakePair(QStringLiteral("nonascii"), NonAscii)}) {
                editor->clear();
                QCOMPARE(command({QStringLiteral("--type"), name}), 0);
                QVERIFY2(editor->waitForText(text),
                         qPrintable(QLatin1String(platform) + QLatin1Char(' ') + editor->text()));
            }
            editor->clear();
            QVERIFY(pickLines());
            QVERIFY2(editor->waitForText(Lines), qPrintable(editor->text()));
            editor->quit();
        }
        stopProgram();
    }

    // The user's clipboard, text or a picture, comes back as it was offered
    // to Wayland and to X11 programs, after a paste into a native window and
    // one into an X11 window.
    void clipboardAcrossXWayland()
    {
        HeadlessCompositor::Options options;
        options.withXWayland = true;
        QVERIFY(restartKWin(options));
        QVERIFY(startProgram());
        const QProcessEnvironment env = m_compositor.environment();
        for (const QString &type : {QStringLiteral("text/plain"), QStringLiteral("image/png")}) {
            const QByteArray content =
                type == QLatin1String("image/png") ? Offers::pngBytes() : QByteArray("CLIP ✓");
            QVERIFY(Offers::copy(env, m_compositor.home(), type, content));
            const XSelection::Formats wayland = Offers::wayland(env);
            XSelection::Formats x11;
            for (const char *platform : {"xcb", "wayland"}) {
                QProcessEnvironment targetEnv;
                targetEnv.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
                auto editor = startTarget(QStringLiteral("qt"), targetEnv);
                QVERIFY(editor);
                // What X11 programs see, read while one of theirs is in front.
                if (x11.isEmpty())
                    QVERIFY(
                        QTest::qWaitFor([&] { return !(x11 = Offers::x11()).isEmpty(); }, 5000));
                editor->clear();
                QCOMPARE(command({QStringLiteral("--type"), QStringLiteral("lines")}), 0);
                QVERIFY2(editor->waitForText(Lines), qPrintable(editor->text()));
                QCOMPARE(Offers::wayland(env), wayland);
                editor->quit();
            }
            auto last = startTarget(QStringLiteral("qt"), [] {
                QProcessEnvironment e;
                e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
                return e;
            }());
            QVERIFY(last);
            QCOMPARE(Offers::x11(), x11);
            last->quit();
        }
        stopProgram();
    }

    // KWin offers typing only to a program an installed desktop entry names
    // by its path; any other is told how to get it, not left failing.
    void onlyTheEntrysProgramTypes()
    {
        for (const bool withEntry : {false, true}) {
            HeadlessCompositor::Options options;
            options.trustEveryone = false;
            QVERIFY(restartKWin(options));
            if (withEntry) {
                QFile entry(m_compositor.home() +
                            QStringLiteral("/.local/share/applications/scrivlet-test.desktop"));
                QVERIFY(QDir().mkpath(QFileInfo(entry).path()));
                QVERIFY(entry.open(QIODevice::WriteOnly));
                entry.write("[Desktop Entry]\nType=Application\nName=Test\nExec=" SCRIVLET_EXE
                            "\nX-KDE-Wayland-Interfaces=org_kde_kwin_fake_input,"
                            "org_kde_kwin_keystate,org_kde_plasma_window_management\n");
            }
            QVERIFY(startProgram());
            auto editor = startTarget(QStringLiteral("qt"));
            QVERIFY(editor);
            const int typed = command({QStringLiteral("--type"), QStringLiteral("ascii")});
            if (withEntry) {
                QCOMPARE(typed, 0);
                QVERIFY2(editor->waitForText(Ascii), qPrintable(editor->text()));
                QVERIFY(!m_trace.contains("road note Plasma lets this copy"));
            } else {
                QVERIFY(typed != 0);
                // The window's note says so, and points to Options, which
                // says how to allow it.
                QVERIFY2(m_trace.contains("road note Plasma lets this copy of Zem Scrivlet type "
                                          "into no other program"),
                         m_trace.constData());
                QCOMPARE(editor->text(), QString());
            }
            editor->quit();
        }
        stopProgram();
    }

    // KWin's service takes a combination another program holds without an
    // error: the program reads back what it got and says so.
    void takenCombinationReported()
    {
        QVERIFY(restartKWin({}));
        QProcess *other = m_compositor.startProcess(
            WaylandSession::programPath(QStringLiteral("holdshortcut")),
            {QStringLiteral("Ctrl+Alt+2")}, {}, QProcess::SeparateChannels);
        QVERIFY(other->waitForReadyRead(10000));
        QCOMPARE(other->readAll().trimmed(), QByteArray("READY"));
        QVERIFY(startProgram());
        QVERIFY2(QTest::qWaitFor(
                     [&] { return m_trace.contains("Could not register shortcut: taken"); }, 10000),
                 m_trace.constData());
        // The free one still holds.
        QVERIFY(!m_trace.contains("register shortcut: shortcut"));
    }
};

SCRIVLET_COMPOSITOR_TEST_MAIN(TestPlasmaRoad)
#include "tst_plasmaroad.moc"
