// The GNOME road end to end under a headless mutter: phrases typed through
// mutter's remote desktop session where the compositor's layout has the
// characters and pasted through the session's clipboard otherwise, into
// native Qt and GTK windows, with US, German and Russian layouts; the user's
// clipboard back afterwards. GNOME's custom shortcuts, which stand in for
// global ones there, are written and removed with gsettings.

#include "wayland/compositortest.h"
#include "x11/phrases.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

using RoadTexts::Ascii;
using RoadTexts::Lines;
using RoadTexts::NonAscii;

// How long the program keeps an unused session (MutterRemoteDesktop).
constexpr int IdleCloseMs = 5000;

} // namespace

class TestGnomeRoad final : public CompositorTest
{
    Q_OBJECT

private:
    QJsonArray phrases() const override
    {
        return {ProgramDriver::phrase(QStringLiteral("ascii"), Ascii, 0, 0),
                ProgramDriver::phrase(QStringLiteral("nonascii"), NonAscii, 0, 0),
                ProgramDriver::phrase(QStringLiteral("cjk"), Phrases::distinctCjk(120), 0, 0),
                ProgramDriver::phrase(QStringLiteral("lines"), Lines, 0, 0)};
    }

    bool startMutter(const QString &layouts)
    {
        HeadlessCompositor::Options options;
        options.layouts = layouts;
        return startSession(HeadlessCompositor::Kind::Mutter, options);
    }

    QString clipboard(const QString &type = QString())
    {
        QStringList arguments = {QStringLiteral(SCRIVLET_TESTS_DIR "/wayland/mutterclipboard.py"),
                                 QStringLiteral("read")};
        if (!type.isEmpty())
            arguments << type;
        return m_compositor.run(QStringLiteral("/usr/bin/python3"), arguments);
    }

    QStringList clipboardTypes()
    {
        return m_compositor
            .run(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(SCRIVLET_TESTS_DIR "/wayland/mutterclipboard.py"),
                  QStringLiteral("types")})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The user's own program owning the clipboard with text, and extra
    // types given as TYPE=VALUE.
    QProcess *ownClipboard(const QString &text, const QStringList &extra = {})
    {
        QProcess *owner = m_compositor.startProcess(
            QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral(SCRIVLET_TESTS_DIR "/wayland/mutterclipboard.py"),
                        QStringLiteral("own"), text} +
                extra,
            {}, QProcess::SeparateChannels);
        if (!owner->waitForReadyRead(10000))
            return nullptr;
        m_ownerSessions
            << QString::fromUtf8(owner->readLine().trimmed()).section(QLatin1Char('/'), -1);
        return owner;
    }

    // Whether a remote desktop session is open besides those of the user's
    // own programs (the owners above): the program's.
    bool sessionOpen()
    {
        const QString sessions = m_compositor.run(
            QStringLiteral("gdbus"),
            {QStringLiteral("introspect"), QStringLiteral("--session"), QStringLiteral("--dest"),
             QStringLiteral("org.gnome.Mutter.RemoteDesktop"), QStringLiteral("--object-path"),
             QStringLiteral("/org/gnome/Mutter/RemoteDesktop/Session")});
        for (const QString &line : sessions.split(QLatin1Char('\n'))) {
            const QString node = line.trimmed();
            if (node.startsWith(QLatin1String("node u")) &&
                !m_ownerSessions.contains(node.mid(5).section(QLatin1Char(' '), 0, 0)))
                return true;
        }
        return false;
    }
    QStringList m_ownerSessions; // the last part of their paths

private slots:
    void cleanupTestCase() { stopProgram(); }

    void phrasesArriveExactly_data() { layoutAndTargetRows(); }

    // What the layout has is typed, the rest pasted: either way the text
    // arrives exactly, and the user's clipboard is back afterwards (read
    // through a remote desktop session: GNOME lets no other client read it).
    void phrasesArriveExactly()
    {
        QFETCH(QString, layouts);
        QFETCH(QString, target);
        QVERIFY(startMutter(layouts));
        auto editor = startTarget(target);
        QVERIFY(editor);
        const QString users = QStringLiteral("the user's own ✓");
        QProcess *owner = ownClipboard(users);
        QVERIFY(owner);
        for (const auto &[name, text] : RoadTexts::named()) {
            editor->clear();
            QCOMPARE(command({QStringLiteral("--type"), name}), 0);
            QVERIFY2(editor->waitForText(text),
                     qPrintable(name + QStringLiteral(": ") + editor->text()));
            QCOMPARE(clipboard(), users);
        }
        owner->closeWriteChannel();
        editor->quit();
    }

    // The session closes when unused (GNOME Shell shows its remote access
    // indicator while one is open): the user's clipboard stays, and the
    // next phrase opens a new one.
    void idleSessionCloses()
    {
        QVERIFY(startMutter(QStringLiteral("us")));
        auto editor = startTarget(QStringLiteral("qt"));
        QVERIFY(editor);
        const QString users = QStringLiteral("kept ✓");
        QProcess *owner = ownClipboard(users);
        QVERIFY(owner);
        QCOMPARE(command({QStringLiteral("--type"), QStringLiteral("nonascii")}), 0);
        QVERIFY2(editor->waitForText(NonAscii), qPrintable(editor->text()));
        owner->closeWriteChannel(); // the user's program is gone too
        // No session left open, once it has been unused for a while.
        QVERIFY(QTest::qWaitFor([&] { return !sessionOpen(); }, 3 * IdleCloseMs));
        QCOMPARE(clipboard(), users);
        editor->clear();
        QCOMPARE(command({QStringLiteral("--type"), QStringLiteral("lines")}), 0);
        QVERIFY2(editor->waitForText(Lines), qPrintable(editor->text()));
        QCOMPARE(clipboard(), users);
        editor->quit();
    }

    // mutter keeps one type of what a program that leaves owned (plain text,
    // or one picture): while the clipboard holds the user's content as the
    // program put it back, with more than that, the session stays, and every
    // type with it; once the user copies something else, it closes.
    void everyTypeOfTheUsersContentStays()
    {
        QVERIFY(startMutter(QStringLiteral("us")));
        auto editor = startTarget(QStringLiteral("qt"));
        QVERIFY(editor);
        const QString users = QStringLiteral("rich ✓");
        const QString html = QStringLiteral("<b>rich</b> ✓");
        QProcess *owner = ownClipboard(users, {QStringLiteral("text/html=") + html});
        QVERIFY(owner);
        const QStringList types = clipboardTypes();
        QVERIFY2(types.contains(QLatin1String("text/html")),
                 qPrintable(types.join(QLatin1Char(' '))));
        QCOMPARE(command({QStringLiteral("--type"), QStringLiteral("lines")}), 0);
        QVERIFY2(editor->waitForText(Lines), qPrintable(editor->text()));
        // Past the time an unused session is kept (the wait ends early, and
        // the test fails, if it closes).
        QVERIFY(!QTest::qWaitFor([&] { return !sessionOpen(); }, IdleCloseMs + 2000));
        QCOMPARE(clipboardTypes(), types);
        QCOMPARE(clipboard(QStringLiteral("text/html")), html);
        QCOMPARE(clipboard(), users);
        owner->closeWriteChannel();
        // Something else copied: nothing of the user's is ours to keep.
        QProcess *next = ownClipboard(QStringLiteral("copied later"));
        QVERIFY(next);
        QVERIFY(QTest::qWaitFor([&] { return !sessionOpen(); }, 3 * IdleCloseMs));
        next->closeWriteChannel();
        editor->quit();
    }

    // With XWayland, X11 programs are reached through X: the user's content
    // comes back as it was offered to both sides after a paste into a native
    // window and one into an X11 window.
    void clipboardAcrossXWayland()
    {
        stopProgram();
        HeadlessCompositor::Options options;
        options.withXWayland = true;
        QString error;
        QVERIFY2(m_compositor.start(HeadlessCompositor::Kind::Mutter, options, &error),
                 qPrintable(error));
        QVERIFY2(startProgram(), m_trace.constData());
        const QString users = QStringLiteral("both sides ✓");
        QProcess *owner = ownClipboard(users, {QStringLiteral("text/html=<i>both</i>")});
        QVERIFY(owner);
        const QStringList types = clipboardTypes();
        XSelection::Formats x11;
        for (const char *platform : {"xcb", "wayland"}) {
            QProcessEnvironment env;
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
            auto editor = startTarget(QStringLiteral("qt"), env);
            QVERIFY(editor);
            // What X11 programs see, read while one of theirs is in front.
            if (x11.isEmpty())
                QVERIFY(QTest::qWaitFor([&] { return !(x11 = Offers::x11()).isEmpty(); }, 5000));
            editor->clear();
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(command({QStringLiteral("--type"), QStringLiteral("lines")}), 0);
            qInfo("%s: pasted in %lld ms", platform, clock.elapsed());
            QVERIFY2(editor->waitForText(Lines), qPrintable(editor->text()));
            QVERIFY2(clipboardTypes() == types,
                     qPrintable(clipboardTypes().join(QLatin1Char(' ')) + QStringLiteral(" / ") +
                                types.join(QLatin1Char(' '))));
            QCOMPARE(clipboard(), users);
            editor->quit();
        }
        QProcessEnvironment env;
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        auto last = startTarget(QStringLiteral("qt"), env);
        QVERIFY(last);
        QCOMPARE(Offers::x11(), x11);
        last->quit();
        owner->closeWriteChannel();
        stopProgram();
    }

    // GNOME runs a custom shortcut's command at the press: its modifiers are
    // still down when the command comes, and the phrase must not take them
    // on (Control+letters would be commands).
    void modifiersOfTheShortcutLetGo()
    {
        QVERIFY(startMutter(QStringLiteral("us")));
        auto editor = startTarget(QStringLiteral("qt"));
        QVERIFY(editor);
        QProcess *control = m_compositor.startProcess(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(SCRIVLET_TESTS_DIR "/wayland/mutterclipboard.py"),
             QStringLiteral("hold"), QStringLiteral("29"), QStringLiteral("200")},
            {}, QProcess::SeparateChannels);
        QVERIFY(control->waitForReadyRead(10000));
        QCOMPARE(command({QStringLiteral("--type"), QStringLiteral("ascii")}), 0);
        QVERIFY2(editor->waitForText(Ascii), qPrintable(editor->text()));
        editor->quit();
    }
};

SCRIVLET_COMPOSITOR_TEST_MAIN(TestGnomeRoad)
#include "tst_gnomeroad.moc"
