// The tray icon on a desktop that hosts StatusNotifierItems over D-Bus (KDE,
// GNOME with the AppIndicator extension): a private session bus with a
// watcher of our own stands in for the desktop's. The program registers its
// item there, with its tooltip and its menu exported over D-Bus; activating
// the item shows the window, closing the window hides it to the item, and the
// menu's Exit ends the program.

#include "base/hotkey.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QtTest>

// X11 last: its macros (True, False, None) clash with Qt's headers.
#include "x11/programdriver.h"
// The generated meta-object code below names QMetaType::Bool.
#undef Bool

using namespace ProgramDriver;

namespace {

const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");

struct MenuItem
{
    int id = 0;
    QVariantMap properties;
    QVector<MenuItem> children;
};

// One (ia{sv}av) node of a dbusmenu layout.
MenuItem readLayout(const QDBusArgument &argument)
{
    MenuItem item;
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        item.children.append(readLayout(child.variant().value<QDBusArgument>()));
    }
    argument.endArray();
    argument.endStructure();
    return item;
}

} // namespace

// The desktop's side: a watcher with a host, which records the items that
// register.
class Watcher final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)

public:
    explicit Watcher(QObject *parent) : QDBusAbstractAdaptor(parent) {}
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList items() const { return registered; }

    QStringList registered;

public slots:
    void RegisterStatusNotifierItem(const QString &service, const QDBusMessage &message)
    {
        registered << (service.startsWith(QLatin1Char('/')) ? message.service() : service);
    }
    void RegisterStatusNotifierHost(const QString &) {}
};

class TraySniTest : public QObject
{
    Q_OBJECT

public:
    explicit TraySniTest(X11Session *session) : session(session) {}

private slots:
    void initTestCase()
    {
        QVERIFY(session->startSessionBus());
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.isConnected());
        watcher = new Watcher(&watcherObject);
        QVERIFY(bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcherObject));
        QVERIFY(bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));

        dataFile = dataFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(dataFile).path()));
        const QJsonObject settings{{QStringLiteral("importedV3"), true},
                                   {QStringLiteral("language"), QStringLiteral("en")},
                                   {QStringLiteral("startMinimized"), true},
                                   {QStringLiteral("closeHintSeen"), true},
                                   {QStringLiteral("closeHintShown"), true}};
        QVERIFY(writeDataFile(dataFile, settings, QJsonArray()));
        xlib = XOpenDisplay(nullptr);
        QVERIFY(xlib);
    }

    void cleanupTestCase()
    {
        if (program && program->state() != QProcess::NotRunning)
            program->kill();
        if (xlib)
            XCloseDisplay(xlib);
    }

    void itemRegistersWithTheWatcher()
    {
        program = session->startProcess(QStringLiteral(SCRIVLET_EXE), {});
        QVERIFY(program->waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!watcher->registered.isEmpty(), 10000);
        service = watcher->registered.first();
        // Not docked in an XEmbed tray as well.
        QTest::qWait(300);
        QVERIFY(!trayIcon(xlib, program->processId()).isValid());
    }

    void tooltipIsTheProgramName() { QCOMPARE(toolTipTitle(), programTitle); }

    void menuIsExportedWithItsIcons()
    {
        menuPath = property(QStringLiteral("Menu")).value<QDBusObjectPath>().path();
        QVERIFY(!menuPath.isEmpty());
        const MenuItem root = layout();
        QStringList labels;
        for (const MenuItem &item : root.children) {
            if (item.properties.value(QStringLiteral("type")).toString() ==
                QLatin1String("separator")) {
                labels << QStringLiteral("-");
                continue;
            }
            labels << item.properties.value(QStringLiteral("label")).toString();
            QVERIFY2(!item.properties.value(QStringLiteral("icon-data")).toByteArray().isEmpty(),
                     qPrintable(labels.last()));
            if (labels.last() == QLatin1String("Exit"))
                exitId = item.id;
            if (labels.last() == QLatin1String("Pause shortcuts"))
                pauseId = item.id;
        }
        QCOMPARE(labels,
                 (QStringList{QStringLiteral("Show main window"), QStringLiteral("Pause shortcuts"),
                              QStringLiteral("Floating panel"), QStringLiteral("Settings"),
                              QStringLiteral("-"), QStringLiteral("Exit")}));
    }

    // Paused through the menu, the item shows it: another icon and a tool
    // tip that says so; resumed, both are the program's again.
    void itemShowsThePause()
    {
        QVERIFY(pauseId != 0);
        const QByteArray running = iconPixels();
        QVERIFY(!running.isEmpty());
        clickEntry(pauseId);
        QVERIFY(
            waitUntil([this] { return toolTipTitle().contains(QLatin1String("paused")); }, 5000));
        QVERIFY(
            waitUntil([&] { return iconPixels() != running && !iconPixels().isEmpty(); }, 5000));
        clickEntry(pauseId);
        QVERIFY(waitUntil([this] { return toolTipTitle() == programTitle; }, 5000));
        QVERIFY(waitUntil([&] { return iconPixels() == running; }, 5000));
    }

    void activatingTheItemShowsTheWindow()
    {
        QCOMPARE(visibleWindowNamed(programTitle), Window(0)); // started minimised
        QDBusMessage activate =
            QDBusMessage::createMethodCall(service, QStringLiteral("/StatusNotifierItem"),
                                           itemInterface, QStringLiteral("Activate"));
        activate << 0 << 0;
        QCOMPARE(QDBusConnection::sessionBus().call(activate).type(), QDBusMessage::ReplyMessage);
        QVERIFY(waitUntil([] { return visibleWindowNamed(programTitle) != 0; }, 5000));
    }

    void closingTheWindowHidesItToTheItem()
    {
        // A close asked for right after the window came up was once seen
        // lost on a loaded machine: it is asked again each second while the
        // window stays, as a user clicks again.
        QElapsedTimer asked;
        QVERIFY(waitUntil(
            [this, &asked] {
                const Window window = visibleWindowNamed(programTitle);
                if (window == 0)
                    return true;
                if (!asked.isValid() || asked.elapsed() >= 1000) {
                    requestClose(xlib, window);
                    asked.start();
                }
                return false;
            },
            5000));
        QTest::qWait(300);
        QCOMPARE(program->state(), QProcess::Running);
    }

    void exitInTheMenuEndsTheProgram()
    {
        QVERIFY(exitId != 0);
        QDBusMessage event = QDBusMessage::createMethodCall(service, menuPath, menuInterface,
                                                            QStringLiteral("Event"));
        event << exitId << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(0)) << 0u;
        QDBusConnection::sessionBus().call(event, QDBus::NoBlock);
        QVERIFY(program->waitForFinished(10000));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
    }

private:
    QString toolTipTitle()
    {
        const QDBusArgument tip = property(QStringLiteral("ToolTip")).value<QDBusArgument>();
        QString icon, title, subTitle;
        tip.beginStructure();
        tip >> icon;
        tip.beginArray();
        while (!tip.atEnd()) {
            int width = 0, height = 0;
            QByteArray pixels;
            tip.beginStructure();
            tip >> width >> height >> pixels;
            tip.endStructure();
        }
        tip.endArray();
        tip >> title >> subTitle;
        tip.endStructure();
        return title;
    }

    // Every a(iiay) image of the item's icon, one after the other.
    QByteArray iconPixels()
    {
        const QDBusArgument images = property(QStringLiteral("IconPixmap")).value<QDBusArgument>();
        QByteArray out;
        images.beginArray();
        while (!images.atEnd()) {
            int width = 0, height = 0;
            QByteArray pixels;
            images.beginStructure();
            images >> width >> height >> pixels;
            images.endStructure();
            out += pixels;
        }
        images.endArray();
        return out;
    }

    void clickEntry(int id)
    {
        QDBusMessage event = QDBusMessage::createMethodCall(service, menuPath, menuInterface,
                                                            QStringLiteral("Event"));
        event << id << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(0)) << 0u;
        QDBusConnection::sessionBus().call(event);
    }

    QVariant property(const QString &name)
    {
        QDBusMessage get = QDBusMessage::createMethodCall(
            service, QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << itemInterface << name;
        const QDBusMessage reply = QDBusConnection::sessionBus().call(get);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return QVariant();
        return reply.arguments().first().value<QDBusVariant>().variant();
    }

    MenuItem layout()
    {
        QDBusMessage get = QDBusMessage::createMethodCall(service, menuPath, menuInterface,
                                                          QStringLiteral("GetLayout"));
        get << 0 << -1 << QStringList();
        const QDBusMessage reply = QDBusConnection::sessionBus().call(get);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 2)
            return MenuItem();
        return readLayout(reply.arguments().at(1).value<QDBusArgument>());
    }

    X11Session *session;
    QObject watcherObject;
    Watcher *watcher = nullptr;
    Display *xlib = nullptr;
    QString dataFile;
    QString service;
    QString menuPath;
    int exitId = 0;
    int pauseId = 0;
    QProcess *program = nullptr;
};

SCRIVLET_X11_TEST_MAIN(TraySniTest)
#include "tst_traysni.moc"
