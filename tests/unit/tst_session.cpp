#include "platform/session.h"
#include "wayland/compositorchoice.h"

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

    void roadForWhatTheCompositorOffers_data()
    {
        QTest::addColumn<bool>("virtualKeyboard");
        QTest::addColumn<bool>("wlrootsWindows");
        QTest::addColumn<bool>("kwin");
        QTest::addColumn<bool>("mutter");
        QTest::addColumn<int>("road");
        const int x11 = int(Compositor::X11Only);
        const int wlroots = int(Compositor::Wlroots);
        const int kwin = int(Compositor::KWin);
        const int mutter = int(Compositor::Mutter);
        QTest::newRow("sway") << true << true << false << false << wlroots;
        // Keys alone are no road: what is in front must be known too.
        QTest::newRow("a keyboard, no window list") << true << false << false << false << x11;
        QTest::newRow("KWin") << false << false << true << false << kwin;
        QTest::newRow("KWin with a keyboard but no list") << true << false << true << false << kwin;
        QTest::newRow("a compositor with both") << true << true << true << false << wlroots;
        QTest::newRow("mutter") << false << false << false << true << mutter;
        QTest::newRow("KWin before a stray remote desktop")
            << false << false << true << true << kwin;
        QTest::newRow("nothing offered") << false << false << false << false << x11;
    }
    void roadForWhatTheCompositorOffers()
    {
        QFETCH(bool, virtualKeyboard);
        QFETCH(bool, wlrootsWindows);
        QFETCH(bool, kwin);
        QFETCH(bool, mutter);
        QFETCH(int, road);
        CompositorOffer offer;
        offer.virtualKeyboard = virtualKeyboard;
        offer.wlrootsWindows = wlrootsWindows;
        offer.kwin = kwin;
        offer.mutterRemoteDesktop = mutter;
        QCOMPARE(int(chooseCompositor(offer)), road);
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "tst_session.moc"
