#include "theme/appstyle.h"

#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QtTest>

// The program's style: the standard icons of the main window come from Qt's
// own images, read without guessing their format, which would load every
// image format plugin of the system into the program for good.
class AppStyleTest : public QObject
{
    Q_OBJECT

    static QStringList loadedImagePlugins()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        if (!maps.open(QIODevice::ReadOnly))
            return {};
        QStringList plugins;
        for (const QByteArray &line : maps.readAll().split('\n'))
            if (line.contains("/imageformats/"))
                plugins << QString::fromUtf8(line.mid(line.lastIndexOf(' ') + 1));
        plugins.removeDuplicates();
        return plugins;
    }

private slots:
    void mainWindowIconsLoadNoImagePlugin_data()
    {
        QTest::addColumn<int>("pixmap");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("clear button") << int(QStyle::SP_LineEditClearButton) << Qt::LeftToRight;
        QTest::newRow("menu bar overflow")
            << int(QStyle::SP_ToolBarHorizontalExtensionButton) << Qt::LeftToRight;
        QTest::newRow("menu bar overflow, right to left")
            << int(QStyle::SP_ToolBarHorizontalExtensionButton) << Qt::RightToLeft;
        QTest::newRow("vertical overflow")
            << int(QStyle::SP_ToolBarVerticalExtensionButton) << Qt::LeftToRight;
    }
    void mainWindowIconsLoadNoImagePlugin()
    {
        QFETCH(int, pixmap);
        QFETCH(Qt::LayoutDirection, direction);
        AppStyle style;
        QStyleOption option;
        option.direction = direction;
        const QIcon icon = style.standardIcon(QStyle::StandardPixmap(pixmap), &option);
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.availableSizes().isEmpty());
        QVERIFY(!icon.pixmap(16).isNull());
#ifdef Q_OS_LINUX
        QCOMPARE(loadedImagePlugins(), QStringList());
#endif
    }

    // The widgets that ask for them at every start, in the program's style.
    void widgetsOfTheMainWindowLoadNoImagePlugin()
    {
        QApplication::setStyle(new AppStyle);
        // The button's icon is asked for when the button is turned on; with
        // no text it stays hidden, and its fading in (an animation that
        // outlives the test) never starts.
        QLineEdit search;
        search.setClearButtonEnabled(true);
        QMenuBar bar;
        bar.addMenu(QStringLiteral("File"));
        search.grab();
        bar.grab();
#ifdef Q_OS_LINUX
        QCOMPARE(loadedImagePlugins(), QStringList());
#endif
    }

    void otherIconsAreFusions()
    {
        AppStyle style;
        QCOMPARE(style.baseStyle()->objectName(), QStringLiteral("fusion"));
        QVERIFY(!style.standardIcon(QStyle::SP_ArrowUp).isNull());
    }
};

QTEST_MAIN(AppStyleTest)
#include "tst_appstyle.moc"
