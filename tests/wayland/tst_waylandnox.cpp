// A Wayland desktop without XWayland: the program's windows are Wayland ones
// then, placed by the compositor, and the phrases still reach the window in
// front, typed or pasted, from the command line and from the picker.

#include "wayland/waylandsession.h"
#include "wayland/waylandtarget.h"
#include "x11/datafile.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

class TestWaylandWithoutX final : public QObject
{
    Q_OBJECT

public:
    explicit TestWaylandWithoutX(WaylandSession *session) : m_session(session) {}

private:
    WaylandSession *m_session;

    int command(const QStringList &arguments)
    {
        QProcess p;
        p.setProcessEnvironment(m_session->environment());
        p.start(QStringLiteral(SCRIVLET_EXE), arguments);
        if (!QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 20000))
            return -1;
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

private slots:
    void phrasesArriveWithoutX()
    {
        const QString line = QStringLiteral("Grüße 日本 😀");
        const QString lines = QStringLiteral("one\ntwo ✓\nthree");
        QVERIFY(QDir().mkpath(ProgramDriver::dataFolder()));
        QVERIFY(ProgramDriver::writeDataFile(
            ProgramDriver::dataFilePath(),
            QJsonObject{{QStringLiteral("importedV3"), true},
                        {QStringLiteral("language"), QStringLiteral("en")}},
            QJsonArray{ProgramDriver::phrase(QStringLiteral("line"), line, 0, 0),
                       ProgramDriver::phrase(QStringLiteral("lines"), lines, 0, 0)}));
        m_session->startProcess(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--in-tray")});
        // The running copy answers ("--list" would read the file itself).
        QVERIFY(QTest::qWaitFor([&] { return command({QStringLiteral("--resume")}) == 0; }, 15000));

        QProcessEnvironment native;
        native.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        WaylandTarget target(
            m_session, WaylandSession::programPath(QStringLiteral("../x11/x11target")), {}, native);
        QVERIFY(target.waitReady());
        QTest::qWait(300);
        for (const QString &name : {QStringLiteral("line"), QStringLiteral("lines")}) {
            target.clear();
            QCOMPARE(command({QStringLiteral("--type"), name}), 0);
            const QString expected = name == QLatin1String("line") ? line : lines;
            QVERIFY2(target.waitForText(expected), qPrintable(target.text()));
        }

        // The picker is a Wayland window of the program's; the focus goes
        // back to the target for the typing.
        target.clear();
        QCOMPARE(command({QStringLiteral("--picker")}), 0);
        QVERIFY(QTest::qWaitFor(
            [&] { return m_session->focusedApp() != QLatin1String("x11target"); }, 10000));
        QCOMPARE(QProcess::execute(QStringLiteral("wtype"), {QStringLiteral("lines")}), 0);
        QTest::qWait(300);
        QCOMPARE(QProcess::execute(QStringLiteral("wtype"),
                                   {QStringLiteral("-k"), QStringLiteral("Return")}),
                 0);
        QVERIFY2(target.waitForText(lines), qPrintable(target.text()));
        QCOMPARE(m_session->focusedApp(), QStringLiteral("x11target"));
        target.quit();
    }
};

SCRIVLET_WAYLAND_TEST_MAIN_WITH(TestWaylandWithoutX, false)
#include "tst_waylandnox.moc"
