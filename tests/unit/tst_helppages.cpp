#include "mainwindow/helppages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using HelpPages::Page;

class HelpPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void address_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        const QString guide = QStringLiteral("qrc:/help/guide.html");
        const QString guideZh = QStringLiteral("qrc:/help/guide_zh.html");
        QTest::newRow("help en") << int(Page::Help) << "en" << guide;
        QTest::newRow("help de") << int(Page::Help) << "de" << guide;
        QTest::newRow("help zh_CN") << int(Page::Help) << "zh_CN" << guideZh;
        QTest::newRow("help zh_TW") << int(Page::Help) << "zh_TW" << guideZh;
        QTest::newRow("help ZH is not zh") << int(Page::Help) << "ZH_CN" << guide;
        QTest::newRow("help unknown") << int(Page::Help) << "pt" << guide;
    }
    void address()
    {
        QFETCH(int, page);
        QFETCH(QString, language);
        QFETCH(QString, expected);
        QCOMPARE(HelpPages::address(Page(page), language).toString(), expected);
    }

    void contactPagesDifferByLanguageAndAreWebAddresses()
    {
        const QUrl other = HelpPages::address(Page::Contact, QStringLiteral("en"));
        const QUrl chinese = HelpPages::address(Page::Contact, QStringLiteral("zh_CN"));
        QVERIFY(other.isValid() && chinese.isValid());
        QVERIFY(other != chinese);
        QCOMPARE(other.scheme(), QStringLiteral("https"));
        QCOMPARE(HelpPages::openableAddress(other, QStringLiteral("/nonexistent")), other);
    }

    void shippedGuideIsWrittenOutOnce_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("mustMention");
        QTest::newRow("English") << "en"
                                 << "Only <b>Exit</b>";
        QTest::newRow("Chinese") << "zh_CN"
                                 << "lang=\"zh-CN\"";
    }
    void shippedGuideIsWrittenOutOnce()
    {
        QFETCH(QString, language);
        QFETCH(QString, mustMention);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("cache/help"));
        const QUrl shipped = HelpPages::address(Page::Help, language);
        const QUrl local = HelpPages::openableAddress(shipped, folder);
        QVERIFY(local.isLocalFile());
        QFile file(local.toLocalFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray page = file.readAll();
        file.close();
        QFile resource(QLatin1Char(':') + shipped.path());
        QVERIFY(resource.open(QIODevice::ReadOnly));
        QCOMPARE(page, resource.readAll());
        QVERIFY(QString::fromUtf8(page).contains(mustMention));

        // An unchanged page is not written again; a stale one is replaced.
        const QDateTime written = QFileInfo(local.toLocalFile()).lastModified();
        QTest::qWait(20);
        QCOMPARE(HelpPages::openableAddress(shipped, folder), local);
        QCOMPARE(QFileInfo(local.toLocalFile()).lastModified(), written);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("old guide");
        file.close();
        QCOMPARE(HelpPages::openableAddress(shipped, folder), local);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), page);
    }

    void unwritableFolderGivesNoAddress()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QUrl shipped = HelpPages::address(Page::Help, QStringLiteral("en"));
        QVERIFY(HelpPages::openableAddress(shipped, blocker.fileName() + QStringLiteral("/help"))
                    .isEmpty());
        QVERIFY(
            HelpPages::openableAddress(QUrl(QStringLiteral("qrc:/help/missing.html")), dir.path())
                .isEmpty());
    }

#ifndef Q_OS_WIN
    // Where no browser starts, the user is told where the page is: the
    // desktop's handler (xdg-open) says so by its exit status, which a
    // detached launch would never see.
    void aPageNoBrowserTookIsReported_data()
    {
        QTest::addColumn<QString>("handler"); // the script's last line; empty: no handler
        QTest::addColumn<bool>("reported");
        QTest::newRow("a browser took it") << "exit 0" << false;
        QTest::newRow("no browser") << "exit 3" << true;
        QTest::newRow("the handler dies") << "kill -9 $$" << true;
        QTest::newRow("no handler at all") << "" << true;
    }
    void aPageNoBrowserTookIsReported()
    {
        QFETCH(QString, handler);
        QFETCH(bool, reported);
        QTemporaryDir bin;
        const QString asked = bin.filePath(QStringLiteral("asked"));
        if (!handler.isEmpty()) {
            QFile script(bin.filePath(QStringLiteral("xdg-open")));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(
                QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1.part' && /bin/mv '%1.part' "
                               "'%1'\n%2\n")
                    .arg(asked, handler)
                    .toUtf8());
            script.close();
            QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        // The guide is written out into the cache: this test's own.
        const QByteArray cache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", bin.filePath(QStringLiteral("cache")).toUtf8());
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        QObject context;
        QString location = QStringLiteral("(not reported)");
        HelpPages::open(Page::Help, QStringLiteral("en"), &context,
                        [&location](const QString &where) { location = where; });
        qputenv("PATH", path);
        const QString page = QDir::toNativeSeparators(
            HelpPages::openableAddress(HelpPages::address(Page::Help, QStringLiteral("en")),
                                       HelpPages::defaultFolder())
                .toLocalFile());
        QVERIFY(page.startsWith(QDir::toNativeSeparators(bin.path())));
        qputenv("XDG_CACHE_HOME", cache);
        if (!handler.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(asked), 5000);
            QFile file(asked);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QUrl(QString::fromUtf8(file.readAll())).toLocalFile(), page);
        }
        if (reported) {
            QTRY_COMPARE_WITH_TIMEOUT(location, page, 5000);
        } else {
            // The handler's ending is seen from the event loop: a report
            // would come with it.
            QTest::qWait(300);
            QCOMPARE(location, QStringLiteral("(not reported)"));
        }
    }
#endif
};

QTEST_MAIN(HelpPagesTest)
#include "tst_helppages.moc"
