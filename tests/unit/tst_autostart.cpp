#include "platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class AutostartTest : public QObject
{
    Q_OBJECT

    QTemporaryDir config;
    bool onWindows = QSysInfo::kernelType() == QLatin1String("winnt");
    bool mayWrite = true;
    bool hadEntry = false;
    QString previousCommand;

    QString entryFile() const
    {
        return config.path() + QLatin1String("/autostart/VantokScrivlet.desktop");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(config.isValid());
        // The XDG entry goes below this folder, never into the user's own.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        // The Run value lives in the registry of whoever runs the test; under
        // Wine that is a throw-away prefix, on a real Windows the user's own.
        mayWrite = !onWindows || qEnvironmentVariableIsSet("WINEPREFIX");
        hadEntry = Autostart::isEnabled();
        previousCommand = Autostart::storedCommand();
    }

    void cleanupTestCase()
    {
        if (onWindows && mayWrite && hadEntry) {
            // Put back exactly what was there, not what apply() would write.
            QSettings run(
                QStringLiteral(
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"),
                QSettings::NativeFormat);
            run.setValue(QStringLiteral("VantokScrivlet"), previousCommand);
        }
    }

    void runCommand_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("command");
        QTest::newRow("no space") << "C:\\Tools\\scrivlet.exe"
                                  << "C:\\Tools\\scrivlet.exe";
        QTest::newRow("space in a folder") << "C:\\Program Files\\Vantok\\scrivlet.exe"
                                           << "\"C:\\Program Files\\Vantok\\scrivlet.exe\"";
        QTest::newRow("space in the name") << "D:\\my scrivlet.exe"
                                           << "\"D:\\my scrivlet.exe\"";
        QTest::newRow("other characters left alone") << "C:\\a&b(1)\\s.exe"
                                                     << "C:\\a&b(1)\\s.exe";
    }
    void runCommand()
    {
        QFETCH(QString, path);
        QFETCH(QString, command);
        QCOMPARE(Autostart::runCommand(path), command);
    }

    void desktopExec_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/scrivlet"
                               << "/usr/bin/scrivlet";
        QTest::newRow("space") << "/home/a b/scrivlet"
                               << "\"/home/a b/scrivlet\"";
        // Inside quotes $ is escaped with a backslash, and the file's string
        // escapes double that backslash.
        QTest::newRow("dollar") << "/opt/x$y/scrivlet"
                                << "\"/opt/x\\\\$y/scrivlet\"";
        QTest::newRow("double quote") << "/opt/a\"b/s"
                                      << "\"/opt/a\\\\\"b/s\"";
        QTest::newRow("backslash") << "/opt/a\\b/s"
                                   << "\"/opt/a\\\\\\\\b/s\"";
        QTest::newRow("percent is no field code") << "/opt/100%/s"
                                                  << "/opt/100%%/s";
        QTest::newRow("quote needs quoting") << "/opt/it's/s"
                                             << "\"/opt/it's/s\"";
    }
    void desktopExec()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(Autostart::desktopExec(path), exec);
    }

    void writeAndRemove()
    {
        if (!mayWrite)
            QSKIP("would change this user's Run value; runs under Wine only");
        const QString exe = onWindows
                                ? QStringLiteral("C:\\Program Files\\Vantok Test\\scrivlet.exe")
                                : QStringLiteral("/opt/Vantok Test/scrivlet");
        const QString expected =
            onWindows ? Autostart::runCommand(exe) : Autostart::desktopExec(exe);

        QVERIFY(Autostart::apply(true, exe));
        QVERIFY(Autostart::isEnabled());
        QCOMPARE(Autostart::storedCommand(), expected);
        if (!onWindows) {
            QFile file(entryFile());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray contents = file.readAll();
            QVERIFY(contents.startsWith("[Desktop Entry]\n"));
            QVERIFY(contents.contains("\nType=Application\n"));
            QVERIFY(contents.contains("\nExec=" + expected.toUtf8() + '\n'));
        }

        // Writing again replaces the entry rather than adding a second one.
        const QString moved = onWindows ? QStringLiteral("C:\\Tools\\scrivlet.exe")
                                        : QStringLiteral("/usr/bin/scrivlet");
        QVERIFY(Autostart::apply(true, moved));
        QCOMPARE(Autostart::storedCommand(), moved);

        QVERIFY(Autostart::apply(false, moved));
        QVERIFY(!Autostart::isEnabled());
        QVERIFY(Autostart::storedCommand().isEmpty());
        if (!onWindows)
            QVERIFY(!QFile::exists(entryFile()));
        // Removing what is not there is no failure.
        QVERIFY(Autostart::apply(false, moved));
    }

    void ownExecutable()
    {
        if (!mayWrite)
            QSKIP("would change this user's Run value; runs under Wine only");
        QVERIFY(Autostart::apply(true));
        const QString self = QCoreApplication::applicationFilePath();
        QCOMPARE(Autostart::storedCommand(),
                 onWindows ? Autostart::runCommand(QDir::toNativeSeparators(self))
                           : Autostart::desktopExec(self));
        QVERIFY(Autostart::apply(false));
        QVERIFY(!Autostart::isEnabled());
    }
};

QTEST_GUILESS_MAIN(AutostartTest)
#include "tst_autostart.moc"
