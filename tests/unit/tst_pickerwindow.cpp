#include "fakes/fakedesktop.h"
#include "picker/pickerplacement.h"
#include "picker/pickerrowdelegate.h"
#include "picker/pickerwindow.h"
#include "theme/widesttext.h"

#include <QApplication>
#include <QBackingStore>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QtTest>

namespace {

QVector<Phrase> numbered(int count)
{
    QVector<Phrase> out;
    for (int i = 0; i < count; ++i) {
        Phrase p;
        p.id = Phrase::newId();
        p.name = QStringLiteral("n%1").arg(i);
        p.text = QStringLiteral("text %1").arg(i);
        out << p;
    }
    return out;
}

} // namespace

class PickerWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { picker = std::make_unique<PickerWindow>(); }
    void cleanup() { picker.reset(); }

    void placement_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QPoint>("expected");
        // 446 x 400 on a 1280 x 800 screen, or on a monitor left of it
        // (-1280..-1, task bar at its bottom).
        QTest::newRow("fits at the point") << QPoint(100, 100) << QPoint(100, 100);
        QTest::newRow("near the bottom: above, 12 clear") << QPoint(100, 700) << QPoint(100, 288);
        QTest::newRow("near the right edge: pushed left") << QPoint(1100, 100) << QPoint(833, 100);
        QTest::newRow("bottom right corner") << QPoint(1270, 790) << QPoint(833, 378);
        QTest::newRow("screen at negative x") << QPoint(-100, 700) << QPoint(-447, 288);
        QTest::newRow("left edge of that screen") << QPoint(-1280, 10) << QPoint(-1280, 10);
        QTest::newRow("outside every screen: the primary, in sight")
            << QPoint(5000, 5000) << QPoint(833, 399);
    }
    void placement()
    {
        QFETCH(QPoint, point);
        QFETCH(QPoint, expected);
        const QVector<PickerPlacement::Screen> screens = {
            {QRect(0, 0, 1280, 800), QRect(0, 0, 1280, 800)},
            {QRect(-1280, 0, 1280, 1024), QRect(-1280, 0, 1280, 984)}};
        const QRect area = PickerPlacement::areaFor(point, screens, 0);
        QCOMPARE(PickerPlacement::place(point, QSize(446, 400), area), expected);
    }

    void placementWithoutScreens()
    {
        QCOMPARE(PickerPlacement::areaFor(QPoint(5, 5), {}, -1), QRect(0, 0, 1280, 800));
    }

    void showAtNearTheBottomRight()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint caret(area.right() - 10, area.bottom() - 10);
        picker->setPhrases(numbered(3), true);
        picker->showAt(caret);
        QVERIFY(QTest::qWaitForWindowExposed(picker.get()));
        QCOMPARE(picker->size(), QSize(446, 400));
        QCOMPARE(picker->pos(), QPoint(area.right() - 446, caret.y() - 400 - 12));
        QVERIFY(picker->searchBox()->hasFocus());
    }

    // Where the desktop keeps bars the screens do not know of (swaybar, which
    // XWayland's screen does not leave out), the picker stays clear of them,
    // as it stays clear of a task bar.
    void staysOutOfTheDesktopsBars_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::newRow("under the top bar") << QPoint(300, 5);
        QTest::newRow("turned above, into the top bar") << QPoint(300, 420);
        QTest::newRow("over a bottom bar") << QPoint(300, 790);
    }
    void staysOutOfTheDesktopsBars()
    {
        QFETCH(QPoint, point);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        FakeDesktop desktop;
        desktop.area = QRect(screen.left(), screen.top() + 30, screen.width(), 760);
        picker->setDesktop(&desktop);
        picker->setPhrases(numbered(3), true);
        picker->showAt(screen.topLeft() + point);
        QVERIFY(QTest::qWaitForWindowExposed(picker.get()));
        QVERIFY2(desktop.area.contains(picker->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2").arg(picker->x()).arg(picker->y())));
        picker->hide();
        picker->setDesktop(nullptr);
    }

    // The widest of many texts, estimated per character and measured whole:
    // narrow letters many, wide letters few, other scripts, none at all.
    void widestTextIsMeasuredWhole_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("none") << QStringList();
        QTest::newRow("empty") << QStringList{QString(), QString()};
        QTest::newRow("many narrow, few wide") << QStringList{
            QStringLiteral("iiiiii"), QStringLiteral("WWWWWW"), QStringLiteral("ll")};
        QTest::newRow("other scripts") << QStringList{
            QStringLiteral("abc"), QStringLiteral("日本語のテキスト"), QStringLiteral("Ωμέγα")};
    }
    void widestTextIsMeasuredWhole()
    {
        QFETCH(QStringList, texts);
        const QFontMetrics metrics(QApplication::font());
        WidestText widest(metrics);
        int expected = 0;
        for (const QString &text : texts) {
            widest.add(text);
            expected = qMax(expected, metrics.horizontalAdvance(text));
        }
        QCOMPARE(widest.width(), expected);
    }

    // An ordinary name is read whole and the text is cut instead; a very
    // long name gives way only down to its share, so the text stays in sight.
    void namesReadBeforeTheText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("whole");
        QTest::newRow("short") << QStringLiteral("Address") << true;
        QTest::newRow("ordinary") << QStringLiteral("Kind regards signature") << true;
        QTest::newRow("very long") << QStringLiteral("A name far too long ").repeated(5) << false;
    }
    void namesReadBeforeTheText()
    {
        QFETCH(QString, name);
        QFETCH(bool, whole);
        // The size of the program's usual font.
        QFont font = picker->list()->font();
        font.setPixelSize(13);
        picker->list()->setFont(font);
        QVector<Phrase> phrases = numbered(2);
        phrases[0].name = name;
        phrases[0].text = QStringLiteral("Kind regards, ").repeated(20);
        phrases[1].mods = 2 | 1; // Ctrl+Alt+F12
        phrases[1].vk = 0x7b;
        picker->setPhrases(phrases, false);
        picker->showAt(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(picker.get()));
        auto *delegate = qobject_cast<PickerRowDelegate *>(picker->list()->itemDelegate());
        QVERIFY(delegate);
        const int row = picker->list()->viewport()->width();
        const PickerRowDelegate::Columns columns = delegate->columns(row, false);
        const QFontMetrics metrics(picker->list()->font());
        const int room = columns.name - 2 * PickerRowDelegate::TextInset;
        if (whole) {
            QVERIFY2(
                room >= metrics.horizontalAdvance(name),
                qPrintable(
                    QStringLiteral("%1 for %2").arg(room).arg(metrics.horizontalAdvance(name))));
        } else {
            QVERIFY(columns.name * 100 <= row * PickerRowDelegate::NameShare);
        }
        // The shortcut is read whole too, and the text keeps a fair share.
        QVERIFY(columns.shortcut - 2 * PickerRowDelegate::TextInset >=
                metrics.horizontalAdvance(QStringLiteral("Ctrl+Alt+F12")));
        QVERIFY(row - columns.name - columns.shortcut >= row / 4);
    }

    void arrowKeysStopAtTheEnds()
    {
        picker->setPhrases(numbered(3), false);
        picker->showAt(QPoint(10, 10));
        QLineEdit *search = picker->searchBox();
        QTest::keyClicks(search, QStringLiteral("n"));
        QCOMPARE(picker->list()->currentRow(), 0);
        for (int expected : {1, 2, 2}) {
            QTest::keyClick(search, Qt::Key_Down);
            QCOMPARE(picker->list()->currentRow(), expected);
        }
        for (int expected : {1, 0, 0}) {
            QTest::keyClick(search, Qt::Key_Up);
            QCOMPARE(picker->list()->currentRow(), expected);
        }
        QCOMPARE(search->text(), QStringLiteral("n"));
    }

    void choosingHidesFirst_data()
    {
        QTest::addColumn<bool>("fromList");
        QTest::newRow("Enter in the search box") << false;
        QTest::newRow("Enter in the list") << true;
    }
    void choosingHidesFirst()
    {
        QFETCH(bool, fromList);
        const QVector<Phrase> phrases = numbered(3);
        picker->setPhrases(phrases, false);
        picker->showAt(QPoint(10, 10));
        QStringList chosen;
        connect(picker.get(), &PickerWindow::phraseChosen, this, [&](const QString &id) {
            QVERIFY(!picker->isVisible());
            chosen << id;
        });
        QTest::keyClick(picker->searchBox(), Qt::Key_Down);
        QWidget *target = fromList ? static_cast<QWidget *>(picker->list()) : picker->searchBox();
        QTest::keyClick(target, Qt::Key_Return);
        // The list reports Return as an activation and passes it on too: one
        // phrase, once.
        QCOMPARE(chosen, QStringList{phrases.at(1).id});
    }

    void placeholderCannotBeChosen()
    {
        picker->setPhrases(numbered(2), true);
        picker->showAt(QPoint(10, 10));
        QSignalSpy chosen(picker.get(), &PickerWindow::phraseChosen);
        QTest::keyClicks(picker->searchBox(), QStringLiteral("zebra"));
        QCOMPARE(picker->list()->count(), 1);
        QCOMPARE(picker->list()->item(0)->text(), QStringLiteral("No matching phrases"));
        QCOMPARE(picker->list()->item(0)->flags(), Qt::NoItemFlags);
        QTest::keyClick(picker->searchBox(), Qt::Key_Down);
        QTest::keyClick(picker->searchBox(), Qt::Key_Enter);
        QCOMPARE(picker->list()->currentRow(), -1);
        QCOMPARE(chosen.count(), 0);
        QVERIFY(picker->isVisible());
    }

    void listOrderReopensAtItsScrollPosition()
    {
        QVector<Phrase> phrases = numbered(100);
        phrases[5].lastUsed = 100;
        picker->setPhrases(phrases, false);
        picker->showAt(QPoint(10, 10));
        QScrollBar *bar = picker->list()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 40);
        QTRY_COMPARE(picker->backingStore()->size(), picker->size()); // painted
        bar->setValue(40);
        picker->hide();
        QVERIFY(picker->backingStore()->size().isEmpty()); // hidden: its pixels given back
        picker->setPhrases(phrases, false);
        picker->showAt(QPoint(10, 10));
        QTRY_COMPARE(bar->value(), 40);
        QCOMPARE(picker->list()->currentRow(), 5);

        picker->hide();
        picker->setPhrases(phrases, true);
        picker->showAt(QPoint(10, 10));
        QTRY_COMPARE(bar->value(), 0);
    }

    void opacity_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("applied");
        QTest::newRow("below the range") << 40 << 60;
        QTest::newRow("above the range") << 150 << 100;
        QTest::newRow("inside") << 75 << 75;
    }
    void opacity()
    {
        QFETCH(int, percent);
        QFETCH(int, applied);
        QSignalSpy changed(picker.get(), &PickerWindow::opacityChanged);
        picker->setOpacityPercent(percent);
        QCOMPARE(picker->opacitySlider()->value(), applied);
        QCOMPARE(qRound(picker->windowOpacity() * 100), applied);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), applied);
        QCOMPARE(picker->findChild<QLabel *>(QStringLiteral("settingsLabel"))->text(),
                 QStringLiteral("Opacity: %1%").arg(applied));
        picker->setOpacityPercent(applied); // the same value: nothing to store
        QCOMPARE(changed.count(), 1);
    }

    void settingsPopupClosesOnAClickOutside()
    {
        picker->setPhrases(numbered(2), true);
        picker->showAt(QPoint(100, 100));
        QVERIFY(QTest::qWaitForWindowExposed(picker.get()));
        QPushButton *button = picker->settingsButton();
        QFrame *popup = picker->settingsPopup();
        QCOMPARE(button->toolTip(), QStringLiteral("Picker settings"));

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isChecked());
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->width(), 200);
        const QPoint buttonTopLeft = button->mapToGlobal(QPoint(0, 0));
        QCOMPARE(popup->pos(), buttonTopLeft + QPoint(button->width() - 200, button->height() + 4));

        // A popup gets the clicks outside it, and closes.
        QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(-50, 300));
        QVERIFY(!popup->isVisible());
        QVERIFY(!button->isChecked());

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(popup->isVisible());
        picker->hide();
        QVERIFY(!popup->isVisible());
        QVERIFY(!button->isChecked());
    }

private:
    std::unique_ptr<PickerWindow> picker;
};

QTEST_MAIN(PickerWindowTest)
#include "tst_pickerwindow.moc"
