#include "fakes/fakedesktop.h"
#include "panel/floatingpanel.h"
#include "panel/panelgeometry.h"
#include "panel/panelsettingspopup.h"
#include "panel/phraserow.h"
#include "theme/theme.h"
#include "unit/markupprobe.h"

#include <QBackingStore>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

using namespace PanelGeometry;

namespace {

Phrase phrase(const QString &name, const QString &text, bool enabled = true)
{
    Phrase p;
    p.id = Phrase::newId();
    p.name = name;
    p.text = text;
    p.enabled = enabled;
    return p;
}

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// A mouse event as the window system delivers it: global position first.
void sendMouse(QWidget *target, QEvent::Type type, const QPoint &global,
               Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent event(type, target->mapFromGlobal(global), global,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void drag(QWidget *target, const QPoint &from, const QPoint &to)
{
    sendMouse(target, QEvent::MouseButtonPress, from);
    sendMouse(target, QEvent::MouseMove, to);
    sendMouse(target, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

QStringList labelTexts(FloatingPanel *panel)
{
    QStringList out;
    for (PhraseRow *row : panel->rows())
        out << row->label()->fullText();
    return out;
}

} // namespace

class FloatingPanelTest : public QObject
{
    Q_OBJECT

private slots:
    // ---- placement rules, on fixed screens ----

    void snapping_data()
    {
        QTest::addColumn<QPoint>("proposed");
        QTest::addColumn<QPoint>("expected");
        // A 300 x 400 panel on a 1920 x 1040 work area at (0, 40).
        QTest::newRow("left 18 away: flush") << QPoint(18, 300) << QPoint(0, 300);
        QTest::newRow("left 19 away: stays") << QPoint(19, 300) << QPoint(19, 300);
        QTest::newRow("right 18 away: flush") << QPoint(1602, 300) << QPoint(1620, 300);
        QTest::newRow("right 19 away: stays") << QPoint(1601, 300) << QPoint(1601, 300);
        QTest::newRow("top 18 below the task bar") << QPoint(500, 58) << QPoint(500, 40);
        QTest::newRow("bottom 18 away") << QPoint(500, 662) << QPoint(500, 680);
        QTest::newRow("left of the area: not pulled back") << QPoint(-5, 300) << QPoint(-5, 300);
        QTest::newRow("above the area: not pulled down") << QPoint(500, 30) << QPoint(500, 30);
        QTest::newRow("corner: both axes") << QPoint(10, 670) << QPoint(0, 680);
    }
    void snapping()
    {
        QFETCH(QPoint, proposed);
        QFETCH(QPoint, expected);
        QCOMPARE(snap(proposed, QSize(300, 400), QRect(0, 40, 1920, 1040)), expected);
    }

    void snapAreaChoice()
    {
        Screens screens;
        screens.list = {{QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)},
                        {QRect(1920, 0, 1280, 1024), QRect(1920, 0, 1280, 1024)}};
        screens.primary = 0;
        const QRect frame(100, 100, 300, 400);
        // The screen under the proposed centre wins over the current one.
        QCOMPARE(snapArea(QRect(2000, 100, 300, 400), frame, screens), QRect(1920, 0, 1280, 1024));
        // Centre off every screen: the current frame's screen.
        QCOMPARE(snapArea(QRect(5000, 100, 300, 400), frame, screens), QRect(0, 0, 1920, 1040));
        QCOMPARE(snapArea(QRect(5000, 100, 300, 400), QRect(9000, 0, 10, 10), screens),
                 QRect(0, 0, 1920, 1040));
        QCOMPARE(snapArea(frame, frame, Screens()), QRect(0, 0, 1920, 1080));
    }

    void edgeResize_data()
    {
        QTest::addColumn<int>("edges");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("expected");
        const QRect start(500, 100, 320, 420);
        Q_UNUSED(start)
        QTest::newRow("left inwards stops at 168, right edge fixed")
            << int(LeftEdge) << QPoint(400, 0) << QRect(652, 100, 168, 420);
        QTest::newRow("left outwards stops at 640")
            << int(LeftEdge) << QPoint(-1000, 0) << QRect(180, 100, 640, 420);
        QTest::newRow("right inwards")
            << int(RightEdge) << QPoint(-500, 0) << QRect(500, 100, 168, 420);
        QTest::newRow("bottom up stops at the minimum")
            << int(BottomEdge) << QPoint(0, -400) << QRect(500, 100, 320, 122);
        QTest::newRow("bottom down stops at 900")
            << int(BottomEdge) << QPoint(0, 900) << QRect(500, 100, 320, 900);
        QTest::newRow("left and bottom")
            << int(LeftEdge | BottomEdge) << QPoint(20, 30) << QRect(520, 100, 300, 450);
    }
    void edgeResize()
    {
        QFETCH(int, edges);
        QFETCH(QPoint, delta);
        QFETCH(QRect, expected);
        QCOMPARE(resized(QRect(500, 100, 320, 420), edges, delta, 122), expected);
    }

    void edgeZones()
    {
        const QSize size(320, 420);
        QCOMPARE(edgesAt(QPoint(8, 100), size), int(LeftEdge));
        QCOMPARE(edgesAt(QPoint(9, 100), size), int(NoEdge));
        QCOMPARE(edgesAt(QPoint(312, 100), size), int(RightEdge));
        QCOMPARE(edgesAt(QPoint(100, 412), size), int(BottomEdge));
        QCOMPARE(edgesAt(QPoint(2, 415), size), int(LeftEdge | BottomEdge));
        // No top edge: the header moves the panel.
        QCOMPARE(edgesAt(QPoint(100, 0), size), int(NoEdge));
    }

    void keptOnScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<bool>("fallback");
        // Primary 1920 x 1040 work area at the origin; a second screen of
        // 1280 x 1024 at its right has been removed, another stays below-left.
        QTest::newRow("inside: unchanged")
            << QRect(100, 100, 320, 420) << QRect(100, 100, 320, 420) << false;
        QTest::newRow("mostly on the removed screen: pulled in")
            << QRect(1800, 100, 320, 420) << QRect(1600, 100, 320, 420) << false;
        QTest::newRow("on the remaining left screen: kept there")
            << QRect(-900, 300, 320, 420) << QRect(-900, 300, 320, 420) << false;
        QTest::newRow("taller than the work area: shrunk")
            << QRect(100, 100, 320, 1200) << QRect(100, 0, 320, 1040) << false;
        QTest::newRow("47 x 32 in sight: primary right edge")
            << QRect(1873, 1008, 320, 420) << QRect(1600, 309, 320, 420) << true;
        QTest::newRow("48 x 32 in sight: pulled in")
            << QRect(1872, 1008, 320, 420) << QRect(1600, 620, 320, 420) << false;
        QTest::newRow("far away: primary right edge")
            << QRect(5000, 5000, 320, 420) << QRect(1600, 309, 320, 420) << true;
    }
    void keptOnScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, expected);
        QFETCH(bool, fallback);
        Screens screens;
        screens.list = {{QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)},
                        {QRect(-1280, 200, 1280, 1024), QRect(-1280, 200, 1280, 1024)}};
        screens.primary = 0;
        const Placement p = PanelGeometry::ensureOnScreen(frame, screens, 122);
        QVERIFY(p.valid);
        QCOMPARE(p.geometry, expected);
        QCOMPARE(p.fallback, fallback);
    }

    void noScreensNothingToDo()
    {
        QVERIFY(!PanelGeometry::ensureOnScreen(QRect(0, 0, 320, 420), Screens(), 122).valid);
    }

    // ---- the window ----

    void init() { panel = std::make_unique<FloatingPanel>(&desktop); }
    void cleanup() { panel.reset(); }

    void startsHiddenWithItsDefaults()
    {
        QVERIFY(!panel->isVisible());
        QCOMPARE(panel->size(), QSize(320, 420));
        QCOMPARE(panel->opacityPercent(), 97);
        QVERIFY(panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(panel->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(panel->minimumSizeHint().width(), 168);
        QVERIFY(panel->minimumPanelHeight() >= 108);
    }

    void listVisibilityThreshold()
    {
        const int minimum = panel->minimumPanelHeight();
        panel->setPanelHeight(minimum + 19);
        QVERIFY(panel->scrollArea()->isHidden());
        panel->setPanelHeight(minimum + 20);
        QVERIFY(!panel->scrollArea()->isHidden());
        panel->setPanelHeight(10); // clamped to the minimum: pause button only
        QCOMPARE(panel->height(), minimum);
        QVERIFY(panel->scrollArea()->isHidden());
    }

    void lastRowButtonStays()
    {
        QCheckBox *copy = panel->settingsPopup()->showCopyBox();
        QCheckBox *type = panel->settingsPopup()->showTypeBox();
        QSignalSpy changed(panel.get(), &FloatingPanel::buttonVisibilityChanged);
        type->setChecked(false);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!panel->showType());
        copy->setChecked(false);
        QVERIFY(copy->isChecked());
        QVERIFY(panel->showCopy());
        QCOMPARE(changed.count(), 1);
    }

    void opacityClamps_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("expected");
        QTest::newRow("150") << 150 << 100;
        QTest::newRow("10") << 10 << 60;
        QTest::newRow("75") << 75 << 75;
    }
    void opacityClamps()
    {
        QFETCH(int, percent);
        QFETCH(int, expected);
        QSignalSpy changed(panel.get(), &FloatingPanel::opacityChanged);
        panel->setOpacityPercent(percent);
        QCOMPARE(panel->opacityPercent(), expected);
        QCOMPARE(qRound(panel->windowOpacity() * 100), expected);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), expected);
    }

    void rowsFollowTheLineCount()
    {
        panel->show(); // a hidden panel leaves its rows for later
        panel->setPhrases({phrase(QStringLiteral("a"), QStringLiteral("x"))});
        QSignalSpy changed(panel.get(), &FloatingPanel::textLinesChanged);
        PhraseRow *row = panel->rows().value(0);
        QVERIFY(row);
        QCOMPARE(row->buttons().at(0)->height(), 28);
        QCOMPARE(row->property("compact").toBool(), false);

        panel->settingsPopup()->linesButton(1)->setChecked(true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(panel->textLines(), 1);
        row = panel->rows().value(0);
        QVERIFY(row);
        QCOMPARE(row->property("compact").toBool(), true);
        QCOMPARE(row->metrics().horizontalMargin, 8);
        QCOMPARE(panel->listHost()->layout()->spacing(), 5);
        for (QPushButton *button : row->buttons()) {
            QCOMPARE(button->height(), 22);
            QCOMPARE(button->property("compact").toBool(), true);
        }
        QVERIFY(!row->label()->hasHeightForWidth());
        const int labelHeight = QFontMetrics(row->label()->font()).height();
        QCOMPARE(row->heightForWidth(300), qMax(labelHeight, 22) + 10);

        panel->setTextLines(3); // from the main window: no signal
        QCOMPARE(changed.count(), 1);
        QCOMPARE(panel->rows().value(0)->buttons().at(0)->height(), 30);
        QVERIFY(panel->settingsPopup()->linesButton(3)->isChecked());
    }

    void rowTexts()
    {
        panel->show(); // a hidden panel leaves its rows for later
        panel->setPhrases({phrase(QStringLiteral("  Greeting  "), QStringLiteral("unused")),
                           phrase(QString(), QStringLiteral("first line\n  second\tline ")),
                           phrase(QStringLiteral("off"), QStringLiteral("x"), false),
                           phrase(QStringLiteral("no text"), QString())});
        QCOMPARE(labelTexts(panel.get()), QStringList({QStringLiteral("Greeting"),
                                                       QStringLiteral("first line second line")}));
        // The tip shows the text as it stands, spaces and breaks kept.
        QCOMPARE(MarkupProbe::toolTipShown(panel->rows().at(1)->label()->toolTip()),
                 QStringLiteral("first line\n  second\tline "));
        // Never as markup: an image it names is not read.
        const MarkupProbe::Name probe;
        const QString hostile = probe.text();
        panel->setPhrases({phrase(QStringLiteral("markup"), hostile)});
        const QString tip = panel->rows().at(0)->label()->toolTip();
        QCOMPARE(MarkupProbe::toolTipShown(tip), hostile);
        QVERIFY(!MarkupProbe::toolTipShowsImage(tip));

        panel->setPhrases({});
        QVERIFY(panel->rows().isEmpty());
        QList<QLabel *> labels = panel->listHost()->findChildren<QLabel *>();
        // The old rows are hidden and wait for their deferred deletion.
        labels.erase(std::remove_if(labels.begin(), labels.end(),
                                    [&](QLabel *l) { return !l->isVisibleTo(panel->listHost()); }),
                     labels.end());
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.at(0)->text(), QStringLiteral("No phrases yet"));
    }

    // Thousands of rows cost seconds: a hidden panel builds them when shown,
    // from the last list it was handed.
    void hiddenPanelBuildsItsRowsWhenShown()
    {
        panel->setPhrases({phrase(QStringLiteral("a"), QStringLiteral("x"))});
        panel->setPhrases({phrase(QStringLiteral("b"), QStringLiteral("y")),
                           phrase(QStringLiteral("c"), QStringLiteral("z"))});
        QVERIFY(panel->rows().isEmpty());
        panel->show();
        QCOMPARE(labelTexts(panel.get()), (QStringList{QStringLiteral("b"), QStringLiteral("c")}));
        QTRY_COMPARE(panel->backingStore()->size(), panel->size()); // painted
        panel->hide();
        QVERIFY(panel->backingStore()->size().isEmpty()); // hidden: its pixels given back
        panel->setPhrases({phrase(QStringLiteral("d"), QStringLiteral("w"))});
        panel->show();
        QCOMPARE(labelTexts(panel.get()), QStringList{QStringLiteral("d")});
    }

    void rowsRebuiltOnlyWhenTheirContentChanges()
    {
        panel->show(); // a hidden panel leaves its rows for later
        QVector<Phrase> list{phrase(QStringLiteral("a"), QStringLiteral("x")),
                             phrase(QStringLiteral("b"), QStringLiteral("y"))};
        panel->setPhrases(list);
        PhraseRow *first = panel->rows().at(0);
        list[1].lastUsed = 99; // not shown: the same rows
        panel->setPhrases(list);
        QCOMPARE(panel->rows().at(0), first);
        list[1].text = QStringLiteral("z");
        panel->setPhrases(list);
        QVERIFY(panel->rows().at(0) != first);
        QCOMPARE(panel->phrases().at(1).text, QStringLiteral("z"));
        list[0].enabled = false;
        panel->setPhrases(list);
        QCOMPARE(labelTexts(panel.get()), QStringList{QStringLiteral("b")});
    }

    void oneLineElidesAndTwoLinesWrap()
    {
        const QString longText = QStringLiteral("word ").repeated(60).trimmed();
        panel->setPhrases({phrase(longText, QStringLiteral("t"))});
        panel->setTextLines(1);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        PhraseTextLabel *label = panel->rows().at(0)->label();
        QVERIFY(label->text().endsWith(QChar(0x2026)));
        QVERIFY(label->text().size() < longText.size());

        panel->setTextLines(2);
        label = panel->rows().at(0)->label();
        QTRY_VERIFY(label->width() > 40);
        QCOMPARE(label->text(), longText);
        const QFontMetrics fm(label->font());
        QCOMPARE(label->heightForWidth(label->width()), fm.lineSpacing() * 2);
        QVERIFY(label->height() <= fm.lineSpacing() * 2);
    }

    void copyOffGivesTheLabelTheRoom()
    {
        panel->resize(320, 420);
        panel->setPhrases({phrase(QStringLiteral("a"), QStringLiteral("x"))});
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QTRY_VERIFY(panel->rows().at(0)->label()->width() > 0);
        const int narrow = panel->rows().at(0)->label()->width();
        panel->setShowCopy(false);
        PhraseRow *row = panel->rows().at(0);
        QCOMPARE(row->buttons().size(), 1);
        QCOMPARE(row->buttons().at(0)->objectName(), QStringLiteral("rowType"));
        QTRY_VERIFY(row->label()->width() > narrow);
        QVERIFY(panel->settingsPopup()->showTypeBox()->isChecked());
        QVERIFY(!panel->settingsPopup()->showCopyBox()->isChecked());
    }

    void buttonsReportTheirPhrase()
    {
        panel->show(); // a hidden panel leaves its rows for later
        const Phrase p = phrase(QStringLiteral("a"), QStringLiteral("x"));
        panel->setPhrases({p});
        QSignalSpy copied(panel.get(), &FloatingPanel::copyPhrase);
        QSignalSpy typed(panel.get(), &FloatingPanel::typePhrase);
        const QList<QPushButton *> buttons = panel->rows().at(0)->buttons();
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(buttons.at(0)->text(), QStringLiteral("Copy"));
        buttons.at(0)->click();
        buttons.at(1)->click();
        QCOMPARE(copied.count(), 1);
        QCOMPARE(copied.at(0).at(0).toString(), p.id);
        QCOMPARE(typed.count(), 1);
        QCOMPARE(typed.at(0).at(0).toString(), p.id);
    }

    // The buttons sit whole inside their row's frame, in both themes, at
    // every line count and at the narrowest and a usual panel width (where
    // the buttons go under the text).
    void rowButtonsSitWholeInTheRow_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("width");
        for (int theme : {Theme::Classic, Theme::Teal}) {
            for (int lines = 1; lines <= 3; ++lines) {
                for (int width : {PanelGeometry::MinWidth, 320}) {
                    QTest::addRow("%s, %d line(s), %d px",
                                  theme == Theme::Classic ? "Classic" : "Teal", lines, width)
                        << theme << lines << width;
                }
            }
        }
    }
    void rowButtonsSitWholeInTheRow()
    {
        QFETCH(int, theme);
        QFETCH(int, lines);
        QFETCH(int, width);
        panel->setTheme(theme);
        panel->setTextLines(lines);
        panel->setPhrases({phrase(QStringLiteral("Address"), QStringLiteral("1 Main Street"))});
        panel->resize(width, 420);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        PhraseRow *row = panel->rows().at(0);
        QTRY_VERIFY(row->width() > 0 && row->buttons().at(0)->isVisible());
        const RowMetrics metrics = RowMetrics::forLines(lines);
        for (QPushButton *button : row->buttons()) {
            const QRect r = button->geometry();
            QCOMPARE(r.height(), metrics.buttonHeight);
            // Clear of the row's one-pixel frame on every side.
            QVERIFY2(r.top() >= 1 && r.bottom() <= row->height() - 2 && r.left() >= 1 &&
                         r.right() <= row->width() - 2,
                     qPrintable(QStringLiteral("%1 in a row of %2 x %3")
                                    .arg(QString::number(r.top()) + QLatin1Char(',') +
                                         QString::number(r.bottom()))
                                    .arg(row->width())
                                    .arg(row->height())));
        }
    }

    // A note stands in for the row's text, clear of the buttons, and goes
    // with the row when the list is rebuilt.
    void rowNoteTakesThePlaceOfTheText_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("width");
        QTest::newRow("one line") << 1 << 320;
        QTest::newRow("three lines") << 3 << 320;
        QTest::newRow("narrowest: buttons under the text") << 2 << int(PanelGeometry::MinWidth);
    }
    void rowNoteTakesThePlaceOfTheText()
    {
        QFETCH(int, lines);
        QFETCH(int, width);
        const Phrase p = phrase(QStringLiteral("Address"), QStringLiteral("1 Main Street"));
        panel->setTextLines(lines);
        panel->setPhrases({p});
        panel->resize(width, 420);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        PhraseRow *row = panel->rows().at(0);
        panel->showRowNote(QStringLiteral("unknown"), QStringLiteral("Copied"), QString(), false);
        QVERIFY(!row->note());
        // A sentence too long for the row gives way to its short form.
        const QString sentence = QStringLiteral("Not copied: another program holds the clipboard.");
        panel->showRowNote(p.id, sentence, QStringLiteral("Not copied"), true);
        QCOMPARE(row->note()->text(), QStringLiteral("Not copied"));
        panel->showRowNote(p.id, QStringLiteral("Copied"), QString(), false);
        QCOMPARE(row->note()->text(), QStringLiteral("Copied"));
        QVERIFY(row->note() && row->note()->isVisible());
        QVERIFY(!row->label()->isVisible());
        QVERIFY(row->rect().contains(row->note()->geometry()));
        QVERIFY(row->note()->width() > 0);
        for (QPushButton *button : row->buttons())
            QVERIFY(!row->note()->geometry().intersects(button->geometry()));
        // Rebuilt while the note shows: the new row shows its text.
        Phrase renamed = p;
        renamed.name = QStringLiteral("Home");
        panel->setPhrases({renamed});
        QVERIFY(!panel->rows().at(0)->note());
        QVERIFY(panel->rows().at(0)->label()->isVisible());
    }

    void pauseButtonFollowsTheState()
    {
        QSignalSpy clicked(panel.get(), &FloatingPanel::pauseClicked);
        QCOMPARE(panel->pauseButton()->text(), QStringLiteral("Pause shortcuts"));
        panel->setPaused(true);
        QCOMPARE(panel->pauseButton()->text(), QStringLiteral("Resume shortcuts"));
        QCOMPARE(panel->pauseButton()->property("paused").toBool(), true);
        panel->pauseButton()->click();
        QCOMPARE(clicked.count(), 1);
        QVERIFY(panel->paused()); // the main window decides
    }

    void dragSnapsToTheLeftEdge_data()
    {
        QTest::addColumn<int>("gap");
        QTest::addColumn<int>("expectedX");
        QTest::newRow("18") << 18 << 0;
        QTest::newRow("19") << 19 << 19;
    }
    void dragSnapsToTheLeftEdge()
    {
        QFETCH(int, gap);
        QFETCH(int, expectedX);
        const QRect a = available();
        panel->resize(300, 300);
        panel->move(a.left() + 200, a.top() + 100);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QSignalSpy moved(panel.get(), &FloatingPanel::geometryChanged);
        // Grab the title and pull the panel to gap pixels from the left.
        const QPoint grip = panel->titleLabel()->mapToGlobal(QPoint(10, 5));
        drag(panel->titleLabel(), grip, grip - QPoint(200 - gap, 0));
        QCOMPARE(panel->x(), a.left() + expectedX);
        QCOMPARE(panel->y(), a.top() + 100);
        QVERIFY(moved.count() >= 1);
    }

    void leftEdgeResizeStopsAt168()
    {
        const QRect a = available();
        panel->resize(320, 400);
        panel->move(a.left() + 200, a.top() + 50);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        const int right = panel->geometry().right();
        const QPoint grip = panel->mapToGlobal(QPoint(3, 200));
        drag(panel.get(), grip, grip + QPoint(300, 0));
        QCOMPARE(panel->width(), 168);
        QCOMPARE(panel->geometry().right(), right);
    }

    void buttonPressesAreNotDrags()
    {
        panel->move(available().topLeft() + QPoint(100, 100));
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        const QPoint before = panel->pos();
        const QPoint grip = panel->pauseButton()->mapToGlobal(QPoint(20, 10));
        drag(panel->pauseButton(), grip, grip + QPoint(50, 50));
        QCOMPARE(panel->pos(), before);
    }

    void geometryReportsAreDebounced()
    {
        QSignalSpy changed(panel.get(), &FloatingPanel::geometryChanged);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QTest::qWait(FloatingPanel::GeometryDelayMs + 100);
        changed.clear();
        panel->resize(330, 420);
        panel->resize(340, 420);
        panel->resize(350, 420);
        QCOMPARE(changed.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 1000);
        QTest::qWait(FloatingPanel::GeometryDelayMs + 100);
        QCOMPARE(changed.count(), 1);

        panel->setSuppressGeometrySignal(true);
        panel->resize(360, 420);
        QTest::qWait(FloatingPanel::GeometryDelayMs + 100);
        QCOMPARE(changed.count(), 1);
    }

    void offScreenPositionComesBack()
    {
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        panel->move(available().right() + 2000, 0);
        QSignalSpy changed(panel.get(), &FloatingPanel::geometryChanged);
        QVERIFY(panel->ensureOnScreen());
        const QRect a = available();
        QCOMPARE(panel->frameGeometry().right(), a.right());
        QVERIFY(a.contains(panel->frameGeometry()));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!panel->ensureOnScreen()); // in sight now: nothing to do
    }

    void tracksTheLastWindowOfAnotherProgram()
    {
        FakeDesktop::Window editor;
        editor.pid = 4242;
        desktop.addWindow(0x500, editor);
        FakeDesktop::Window own;
        own.pid = desktop.ownPid;
        desktop.addWindow(0x600, own);

        desktop.foreground = 0x500;
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QCOMPARE(panel->lastExternalWindow(), WindowHandle(0x500));

        // The user clicks the panel (or another window of ours): the editor
        // stays the target.
        desktop.foreground = 0x600;
        QTest::qWait(FloatingPanel::TrackerIntervalMs * 2);
        QCOMPARE(panel->lastExternalWindow(), WindowHandle(0x500));
        desktop.windows[0x500].exists = false;
        desktop.foreground = 0x500;
        QTest::qWait(FloatingPanel::TrackerIntervalMs * 2);
        QCOMPARE(panel->lastExternalWindow(), WindowHandle(0x500)); // never cleared

        FakeDesktop::Window other;
        other.pid = 777;
        desktop.addWindow(0x700, other);
        desktop.foreground = 0x700;
        QTRY_COMPARE(panel->lastExternalWindow(), WindowHandle(0x700));
    }

    void closeButtonReportsTheUser()
    {
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        panel->settingsButton()->setChecked(true);
        QVERIFY(panel->settingsPopup()->isVisible());
        QSignalSpy closed(panel.get(), &FloatingPanel::closedByUser);
        panel->closeButton()->click();
        QVERIFY(!panel->isVisible());
        QVERIFY(!panel->settingsPopup()->isVisible());
        QVERIFY(!panel->settingsButton()->isChecked());
        QCOMPARE(closed.count(), 1);
    }

private:
    FakeDesktop desktop;
    std::unique_ptr<FloatingPanel> panel;
};

QTEST_MAIN(FloatingPanelTest)
#include "tst_floatingpanel.moc"
