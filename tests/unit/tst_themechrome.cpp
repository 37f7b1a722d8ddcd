// Window chrome without a display: the dialog filter, the themed dialog and
// its title bar, the message dialog and the main title bar.

#include "theme/dialogchrome.h"
#include "theme/dialogtitlebar.h"
#include "theme/maintitlebar.h"
#include "theme/stylesheets.h"
#include "theme/theme.h"
#include "theme/themeddialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &local, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Presses at `from` in the bar, moves by `delta` with the button held, releases.
void dragBy(QWidget *bar, const QPoint &from, const QPoint &delta)
{
    const QPoint global = bar->mapToGlobal(from);
    sendMouse(bar, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    QMouseEvent move(QEvent::MouseMove, from + delta, global + delta, Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, from + delta, global + delta, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &release);
}

} // namespace

class TestThemeChrome final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void plainMessageBoxIsTidiedOnce();
    void fileDialogIsLeftAlone();
    void themedDialogIsSkipped();
    void longTitleWidensTheMessageBox();
    void dialogIsCentredOnParent();
    void minimisedDialogTakesTheMainWindow();

    void themedDialogTakesTheApplicationTheme();
    void titleFollowsWindowTitle();
    void iconFromParentOrApplication();
    void closeButtonRejects();
    void actionButtonIsAddedOnce();
    void themeSwitchKeepsTheCloseCross();
    void themedMessageHasOneDefaultOk();
    void dialogTitleBarDragMovesTheDialog();

    void mainTitleBarTheme();
    void themeSwitchRepaints();
    void mainTitleBarDrag();
    void mainTitleBarDoubleClickAsksToMaximise();

private:
    DialogChrome *chrome = nullptr;
};

void TestThemeChrome::initTestCase()
{
    chrome = new DialogChrome(qApp);
    qApp->installEventFilter(chrome);
}

void TestThemeChrome::init()
{
    Theme::setCurrent(Theme::Teal);
    QApplication::setWindowIcon(QIcon());
}

void TestThemeChrome::plainMessageBoxIsTidiedOnce()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Notice"), QStringLiteral("Text"));
    box.setWindowFlag(Qt::WindowContextHelpButtonHint);
    box.setWindowFlag(Qt::WindowMaximizeButtonHint);
    box.show();
    QCoreApplication::processEvents();
    QVERIFY(box.isVisible());
    QCOMPARE(box.property("dialogChrome").toBool(), true);
    Qt::WindowFlags flags = box.windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));

    // A second show leaves a marked box as it is.
    box.hide();
    box.setWindowFlag(Qt::WindowMaximizeButtonHint);
    box.show();
    QCoreApplication::processEvents();
    QVERIFY(box.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

void TestThemeChrome::fileDialogIsLeftAlone()
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const Qt::WindowFlags before = dialog.windowFlags();
    dialog.show();
    QCoreApplication::processEvents();
    QVERIFY(!dialog.property("dialogChrome").isValid());
    QCOMPARE(dialog.windowFlags(), before);
}

void TestThemeChrome::themedDialogIsSkipped()
{
    ThemedDialog dialog;
    dialog.show();
    QCoreApplication::processEvents();
    QVERIFY(!dialog.property("dialogChrome").isValid());
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
}

void TestThemeChrome::longTitleWidensTheMessageBox()
{
    QMessageBox untitled(QMessageBox::Warning, QString(), QStringLiteral("Short."));
    untitled.show();
    QTest::qWait(20); // the second fit runs from a zero-delay timer

    QMessageBox box(QMessageBox::Warning,
                    QStringLiteral("A long title that does not fit beside the buttons"),
                    QStringLiteral("Short."));
    box.show();
    QTest::qWait(20);
    const int needed = DialogChrome::neededMessageBoxWidth(&box);
    QVERIFY(needed > untitled.width());
    QVERIFY2(box.width() >= needed,
             qPrintable(QStringLiteral("width %1, needed %2").arg(box.width()).arg(needed)));
    QVERIFY(box.minimumWidth() >= needed);
}

void TestThemeChrome::dialogIsCentredOnParent()
{
    QWidget parent;
    parent.setGeometry(100, 100, 800, 600);
    parent.show();
    QMessageBox box(QMessageBox::Information, QStringLiteral("Centred"), QStringLiteral("Text"),
                    QMessageBox::Ok, &parent);
    box.show();
    QTest::qWait(20);
    const QPoint delta = box.frameGeometry().center() - parent.frameGeometry().center();
    QVERIFY2(qAbs(delta.x()) <= 1 && qAbs(delta.y()) <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(delta.x()).arg(delta.y())));
}

void TestThemeChrome::minimisedDialogTakesTheMainWindow()
{
    QMainWindow main;
    main.show();
    QDialog dialog;
    dialog.show();
    QCoreApplication::processEvents();
    dialog.showMinimized();
    QCoreApplication::processEvents();
    QVERIFY(main.isMinimized());
}

void TestThemeChrome::themedDialogTakesTheApplicationTheme()
{
    Theme::setCurrent(Theme::Classic);
    ThemedDialog classic;
    QVERIFY(!classic.isTeal());
    QCOMPARE(classic.styleSheet(), Theme::themedDialogStyleSheet(Theme::Classic));
    QCOMPARE(classic.dialogTitleBar()->styleSheet(),
             Theme::dialogTitleBarStyleSheet(Theme::Classic, false));

    Theme::setCurrent(7); // anything but 1 is Classic
    QVERIFY(!ThemedDialog().isTeal());

    Theme::setCurrent(Theme::Teal);
    ThemedDialog teal;
    QVERIFY(teal.isTeal());
    QCOMPARE(teal.objectName(), QStringLiteral("themedDialog"));
    QCOMPARE(teal.property("themedDialog").toBool(), true);
    QCOMPARE(teal.minimumWidth(), 320);
    QCOMPARE(teal.dialogTitleBar()->height(), 34);
}

void TestThemeChrome::titleFollowsWindowTitle()
{
    ThemedDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Edit phrase"));
    QCOMPARE(dialog.dialogTitleBar()->titleLabel()->text(), QStringLiteral("Edit phrase"));
}

void TestThemeChrome::iconFromParentOrApplication()
{
    ThemedDialog noIcon;
    QVERIFY(noIcon.dialogTitleBar()->findChildren<QLabel *>().first()->isHidden());

    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/Scrivlet.ico")));
    ThemedDialog withIcon;
    QLabel *iconLabel = withIcon.dialogTitleBar()->findChildren<QLabel *>().first();
    QVERIFY(!iconLabel->isHidden());
    QVERIFY(!iconLabel->pixmap(Qt::ReturnByValue).isNull());
}

void TestThemeChrome::closeButtonRejects()
{
    ThemedDialog dialog;
    dialog.show();
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.dialogTitleBar()->closeButton()->click();
    QCOMPARE(rejected.count(), 1);
    QVERIFY(!dialog.isVisible());
}

void TestThemeChrome::actionButtonIsAddedOnce()
{
    ThemedDialog dialog;
    DialogTitleBar *bar = dialog.dialogTitleBar();
    QVERIFY(!bar->closeButton()->icon().isNull());
    QVERIFY(bar->closeButton()->text().isEmpty());

    QPushButton *first = dialog.addTitleBarAction();
    QPushButton *second = dialog.addTitleBarAction();
    QVERIFY(first);
    QCOMPARE(first, second);
    QCOMPARE(bar->findChildren<QPushButton *>().size(), 2);
    QVERIFY(first->isCheckable());
    QCOMPARE(first->size(), QSize(30, 30));
    QCOMPARE(first->toolTip(), QStringLiteral("Picker settings"));
    QCOMPARE(bar->closeButton()->objectName(), QStringLiteral("dialogCaptionAction"));
    QCOMPARE(bar->styleSheet(), Theme::dialogTitleBarStyleSheet(Theme::Teal, true));
    // The action sits just before the close button.
    auto *layout = bar->layout();
    QCOMPARE(layout->indexOf(first) + 1, layout->indexOf(bar->closeButton()));
}

void TestThemeChrome::themeSwitchKeepsTheCloseCross()
{
    ThemedDialog dialog;
    dialog.addTitleBarAction();
    QPushButton *close = dialog.dialogTitleBar()->closeButton();
    for (int theme : {Theme::Classic, Theme::Teal, Theme::Classic}) {
        dialog.applyTheme(theme);
        QCOMPARE(close->text(), QString(QChar(0x00d7)));
        QVERIFY(close->icon().isNull());
        QVERIFY(!dialog.dialogTitleBar()->actionButton()->icon().isNull());
    }
    QCOMPARE(dialog.styleSheet(), Theme::themedDialogStyleSheet(Theme::Classic));
}

void TestThemeChrome::themedMessageHasOneDefaultOk()
{
    QWidget parent;
    parent.show();
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<ThemedDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Scrivlet"));
        QCOMPARE(dialog->minimumWidth(), 420);
        QLabel *text = nullptr;
        for (QLabel *label : dialog->findChildren<QLabel *>())
            if (label->text() == QLatin1String("The name is empty."))
                text = label;
        QVERIFY(text && text->wordWrap());
        const QList<QPushButton *> body = dialog->findChild<QWidget *>(QStringLiteral("dialogBody"))
                                              ->findChildren<QPushButton *>();
        QCOMPARE(body.size(), 1);
        QCOMPARE(body.first()->text(), QStringLiteral("OK"));
        QCOMPARE(body.first()->objectName(), QStringLiteral("primary"));
        QVERIFY(body.first()->isDefault());
        checked = true;
        body.first()->click();
    });
    const int result = showThemedMessage(&parent, QStringLiteral("Scrivlet"),
                                         QStringLiteral("The name is empty."));
    QVERIFY(checked);
    QCOMPARE(result, int(QDialog::Accepted));
}

void TestThemeChrome::dialogTitleBarDragMovesTheDialog()
{
    ThemedDialog dialog;
    dialog.setGeometry(200, 150, 400, 300);
    dialog.show();
    QCoreApplication::processEvents();
    const QPoint before = dialog.pos();
    DialogTitleBar *bar = dialog.dialogTitleBar();

    dragBy(bar, QPoint(100, 17), QPoint(40, 25));
    QCOMPARE(dialog.pos(), before + QPoint(40, 25));

    // A press on the close button is the button's, not a drag.
    const QPoint onClose = bar->closeButton()->geometry().center();
    QMouseEvent press(QEvent::MouseButtonPress, onClose, bar->mapToGlobal(onClose), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    QMouseEvent move(QEvent::MouseMove, onClose + QPoint(30, 30),
                     bar->mapToGlobal(onClose + QPoint(30, 30)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QCOMPARE(dialog.pos(), before + QPoint(40, 25));
}

void TestThemeChrome::mainTitleBarTheme()
{
    MainTitleBar bar;
    QCOMPARE(bar.objectName(), QStringLiteral("mainTitleBar"));
    QCOMPARE(bar.height(), 36);
    QCOMPARE(bar.property("tealTheme").toBool(), true);
    auto *max = bar.findChild<QPushButton *>(QStringLiteral("captionMax"));
    QVERIFY(max);
    QCOMPARE(max->size(), QSize(40, 28));
    QCOMPARE(max->toolTip(), QStringLiteral("Maximize"));

    const QImage maxImage = max->icon().pixmap(12, 12).toImage();
    bar.setMaximizedState(true);
    QCOMPARE(max->toolTip(), QStringLiteral("Restore"));
    QVERIFY(max->icon().pixmap(12, 12).toImage() != maxImage);

    bar.applyTheme(Theme::Classic);
    QCOMPARE(bar.property("tealTheme").toBool(), false);
    QCOMPARE(bar.styleSheet(), Theme::mainTitleBarStyleSheet(Theme::Classic));
    // Maximised state survives the theme change.
    QCOMPARE(max->toolTip(), QStringLiteral("Restore"));
    // Classic glyphs are dark grey.
    const QImage close = bar.findChild<QPushButton *>(QStringLiteral("captionClose"))
                             ->icon()
                             .pixmap(12, 12)
                             .toImage();
    const QColor glyph(close.pixel(6, 5));
    QVERIFY(qAbs(glyph.red() - 0x33) <= 2 && glyph.red() == glyph.green() &&
            glyph.green() == glyph.blue());
}

void TestThemeChrome::themeSwitchRepaints()
{
    // A theme change on a live window must show, not only change the sheet text.
    MainTitleBar bar;
    bar.resize(560, 36);
    bar.applyTheme(Theme::Classic);
    QCOMPARE(QColor(bar.grab().toImage().pixel(300, 2)).name(), QStringLiteral("#ffffff"));
    bar.applyTheme(Theme::Teal);
    QCOMPARE(QColor(bar.grab().toImage().pixel(300, 2)).name(), QStringLiteral("#0f6e6b"));

    ThemedDialog dialog;
    dialog.resize(400, 300);
    dialog.addTitleBarAction();
    dialog.applyTheme(Theme::Classic);
    const QImage classic = dialog.grab().toImage();
    QCOMPARE(QColor(classic.pixel(200, 3)).name(), QStringLiteral("#f0f0f0"));   // title bar
    QCOMPARE(QColor(classic.pixel(200, 200)).name(), QStringLiteral("#f0f0f0")); // body
    dialog.applyTheme(Theme::Teal);
    const QImage teal = dialog.grab().toImage();
    QCOMPARE(QColor(teal.pixel(200, 3)).name(), QStringLiteral("#0f6e6b"));
    QCOMPARE(QColor(teal.pixel(200, 200)).name(), QStringLiteral("#dcefea"));
    QCOMPARE(QColor(teal.pixel(0, 200)).name(), QStringLiteral("#0f6e6b")); // 2-pixel frame
}

void TestThemeChrome::mainTitleBarDrag()
{
    QWidget window;
    auto *bar = new MainTitleBar(&window);
    bar->setGeometry(0, 0, 600, 36);
    window.setGeometry(100, 100, 600, 400);
    window.show();
    QCoreApplication::processEvents();
    const QPoint before = window.pos();

    dragBy(bar, QPoint(200, 18), QPoint(-30, 20));
    QCOMPARE(window.pos(), before + QPoint(-30, 20));

    // A maximised window is not dragged.
    bar->setMaximizedState(true);
    dragBy(bar, QPoint(200, 18), QPoint(50, 50));
    QCOMPARE(window.pos(), before + QPoint(-30, 20));
}

void TestThemeChrome::mainTitleBarDoubleClickAsksToMaximise()
{
    MainTitleBar bar;
    bar.resize(600, 36);
    QSignalSpy maximize(&bar, &MainTitleBar::maximizeRequested);
    QSignalSpy close(&bar, &MainTitleBar::closeRequested);
    QTest::mouseDClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(200, 18));
    QCOMPARE(maximize.count(), 1);
    bar.findChild<QPushButton *>(QStringLiteral("captionClose"))->click();
    QCOMPARE(close.count(), 1);
}

QTEST_MAIN(TestThemeChrome)
#include "tst_themechrome.moc"
