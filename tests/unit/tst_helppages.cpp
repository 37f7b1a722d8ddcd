#include "mainwindow/helppages.h"

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
};

QTEST_MAIN(HelpPagesTest)
#include "tst_helppages.moc"
