#include "app/session.h"

#include <QtTest>

class SessionTest : public QObject
{
    Q_OBJECT

private slots:
    void kindFromTheEnvironment_data()
    {
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<int>("kind");
        const int x11 = int(Session::Kind::X11);
        const int wayland = int(Session::Kind::X11OnWayland);
        QTest::newRow("X11 session") << QString() << QStringLiteral("x11") << x11;
        QTest::newRow("nothing said") << QString() << QString() << x11;
        QTest::newRow("a compositor's socket")
            << QStringLiteral("wayland-1") << QString() << wayland;
        QTest::newRow("a Wayland session, socket not passed on")
            << QString() << QStringLiteral("wayland") << wayland;
        QTest::newRow("both") << QStringLiteral("wayland-0") << QStringLiteral("Wayland")
                              << wayland;
        QTest::newRow("a tty session") << QString() << QStringLiteral("tty") << x11;
    }
    void kindFromTheEnvironment()
    {
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, sessionType);
        QFETCH(int, kind);
        QProcessEnvironment environment;
        if (!waylandDisplay.isEmpty())
            environment.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay);
        if (!sessionType.isEmpty())
            environment.insert(QStringLiteral("XDG_SESSION_TYPE"), sessionType);
#ifdef Q_OS_WIN
        Q_UNUSED(kind)
        QCOMPARE(int(Session::detect(environment)), int(Session::Kind::Windows));
#else
        QCOMPARE(int(Session::detect(environment)), kind);
#endif
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "tst_session.moc"
