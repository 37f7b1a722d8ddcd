// Style sheets of every themed surface: each parses, and the rules that both
// themes share really appear in both.

#include "theme/stylesheets.h"
#include "theme/theme.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QWidget>
#include <QtTest>

namespace {

QStringList parseWarnings;

void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("stylesheet")))
        parseWarnings << message;
}

using SheetFunction = QString (*)(int);

QString dialogTitleClose(int theme)
{
    return Theme::dialogTitleBarStyleSheet(theme, false);
}
QString dialogTitleAction(int theme)
{
    return Theme::dialogTitleBarStyleSheet(theme, true);
}

} // namespace

Q_DECLARE_METATYPE(SheetFunction)

class TestThemeSheets final : public QObject
{
    Q_OBJECT

private slots:
    void sheetsParse_data();
    void sheetsParse();
    void classicClearsTheApplicationSheet();
    void sharedRulesAppearInBothThemes();
    void resourcesAreEmbedded();
    void uiThemeProperty();
};

void TestThemeSheets::sheetsParse_data()
{
    QTest::addColumn<SheetFunction>("sheet");
    QTest::addColumn<int>("theme");
    const struct
    {
        const char *name;
        SheetFunction f;
    } surfaces[] = {
        {"application", Theme::applicationStyleSheet},
        {"main window", Theme::mainWindowStyleSheet},
        {"phrase table", Theme::phraseTableStyleSheet},
        {"main title bar", Theme::mainTitleBarStyleSheet},
        {"dialog title bar", dialogTitleClose},
        {"dialog title bar with action", dialogTitleAction},
        {"themed dialog", Theme::themedDialogStyleSheet},
        {"floating panel", Theme::floatingPanelStyleSheet},
        {"picker popup", Theme::pickerPopupStyleSheet},
    };
    for (const auto &s : surfaces) {
        QTest::addRow("%s, Teal", s.name) << s.f << Theme::Teal;
        QTest::addRow("%s, Classic", s.name) << s.f << Theme::Classic;
    }
}

void TestThemeSheets::sheetsParse()
{
    QFETCH(SheetFunction, sheet);
    QFETCH(int, theme);
    const QString text = sheet(theme);
    QCOMPARE(text.count(QLatin1Char('{')), text.count(QLatin1Char('}')));
    QVERIFY(!text.contains(QLatin1String("same")));

    parseWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    QWidget widget;
    widget.setStyleSheet(text);
    widget.ensurePolished();
    qInstallMessageHandler(previous);
    QVERIFY2(parseWarnings.isEmpty(), qPrintable(parseWarnings.join(QLatin1Char('\n'))));
}

void TestThemeSheets::classicClearsTheApplicationSheet()
{
    QVERIFY(Theme::applicationStyleSheet(Theme::Classic).isEmpty());
    QVERIFY(Theme::applicationStyleSheet(7).isEmpty()); // only 1 is Teal
    QVERIFY(Theme::applicationStyleSheet(Theme::Teal)
                .contains(QLatin1String(":/icons/chevron-down-white.png")));
    // The Teal combo box of themed dialogs has no Classic rule.
    QVERIFY(Theme::themedDialogStyleSheet(Theme::Teal).contains(QLatin1String("QComboBox")));
    QVERIFY(!Theme::themedDialogStyleSheet(Theme::Classic).contains(QLatin1String("QComboBox")));
}

void TestThemeSheets::sharedRulesAppearInBothThemes()
{
    for (int theme : {Theme::Teal, Theme::Classic}) {
        // The pause button turns amber in both themes.
        const QString panel = Theme::floatingPanelStyleSheet(theme);
        QVERIFY(panel.contains(
            QLatin1String("QPushButton#primaryPause[paused=\"true\"] { background: #c47a12; }")));
        QVERIFY(panel.contains(QLatin1String("min-height: 22px; max-height: 22px;")));
        QVERIFY(Theme::mainTitleBarStyleSheet(theme).contains(
            QLatin1String("QPushButton#captionClose:hover { background: #e81123; }")));
        QVERIFY(Theme::mainWindowStyleSheet(theme).contains(
            QLatin1String("QSizeGrip { width: 0px; height: 0px; }")));
    }
    QVERIFY(Theme::mainWindowStyleSheet(Theme::Teal) !=
            Theme::mainWindowStyleSheet(Theme::Classic));
}

void TestThemeSheets::resourcesAreEmbedded()
{
    const QIcon icon(QStringLiteral(":/icons/Scrivlet.ico"));
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(256, 256)));

    const QImage chevron(QStringLiteral(":/icons/chevron-down-white.png"));
    QCOMPARE(chevron.size(), QSize(12, 12));
    // White where drawn, clear at the corners.
    QCOMPARE(qAlpha(chevron.pixel(0, 0)), 0);
    QCOMPARE(QColor(chevron.pixel(6, 7)).name(), QStringLiteral("#ffffff"));
    QVERIFY(qAlpha(chevron.pixel(6, 7)) > 128);
}

void TestThemeSheets::uiThemeProperty()
{
    Theme::setCurrent(Theme::Classic);
    QCOMPARE(qApp->property("uiTheme").toInt(), 0);
    QCOMPARE(Theme::current(), Theme::Classic);
    Theme::setCurrent(Theme::Teal);
    QCOMPARE(qApp->property("uiTheme").toInt(), 1);
    QCOMPARE(Theme::normalised(7), Theme::Classic);
    QCOMPARE(Theme::normalised(1), Theme::Teal);
}

QTEST_MAIN(TestThemeSheets)
#include "tst_themesheets.moc"
