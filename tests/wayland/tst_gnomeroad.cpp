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
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

using RoadTexts::Ascii;
using RoadTexts::Lines;
using RoadTexts::NonAscii;

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

    QString clipboard()
    {
        return m_compositor.run(QStringLiteral("/usr/bin/python3"),
                                {QStringLiteral(SCRIVLET_TESTS_DIR "/wayland/mutterclipboard.py"),
                                 QStringLiteral("read")});
    }

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
        QProcess *owner = m_compositor.startProcess(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(SCRIVLET_TESTS_DIR "/wayland/mutterclipboard.py"),
             QStringLiteral("own"), users},
            {}, QProcess::SeparateChannels);
        QVERIFY(owner->waitForReadyRead(10000));
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
        QProcess *owner = m_compositor.startProcess(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(SCRIVLET_TESTS_DIR "/wayland/mutterclipboard.py"),
             QStringLiteral("own"), users},
            {}, QProcess::SeparateChannels);
        QVERIFY(owner->waitForReadyRead(10000));
        QCOMPARE(command({QStringLiteral("--type"), QStringLiteral("nonascii")}), 0);
        QVERIFY2(editor->waitForText(NonAscii), qPrintable(editor->text()));
        owner->closeWriteChannel(); // the user's program is gone too
        QTest::qWait(6500);
        // No session left open.
        const QString sessions = m_compositor.run(
            QStringLiteral("gdbus"),
            {QStringLiteral("introspect"), QStringLiteral("--session"), QStringLiteral("--dest"),
             QStringLiteral("org.gnome.Mutter.RemoteDesktop"), QStringLiteral("--object-path"),
             QStringLiteral("/org/gnome/Mutter/RemoteDesktop/Session")});
        QVERIFY2(!sessions.contains(QLatin1String("node u")), qPrintable(sessions));
        QCOMPARE(clipboard(), users);
        editor->clear();
        QCOMPARE(command({QStringLiteral("--type"), QStringLiteral("lines")}), 0);
        QVERIFY2(editor->waitForText(Lines), qPrintable(editor->text()));
        QCOMPARE(clipboard(), users);
        editor->quit();
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
