// The program's own windows as a user sees them: checkable menu entries that
// show their state, each window retranslated once per language switch, and
// texts that fit at the smallest sizes in every language.

#include "base/language.h"
#include "dialogs/apprulesdialog.h"
#include "dialogs/phrasedialog.h"
#include "dialogs/settingsdialog.h"
#include "fakes/fakedesktop.h"
#include "mainwindow/mainwindow.h"
#include "panel/floatingpanel.h"
#include "panel/panelgeometry.h"
#include "panel/panelsettingspopup.h"
#include "picker/pickerwindow.h"
#include "store/phrasestore.h"
#include "theme/theme.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// The pixels of one menu entry as the menu paints it.
QImage entryImage(QMenu *menu, QAction *action)
{
    menu->ensurePolished();
    menu->adjustSize();
    return menu->grab(menu->actionGeometry(action)).toImage();
}

// The check state a screen reader is told for the entry.
bool accessibleChecked(QMenu *menu, QAction *action)
{
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(menu);
    QAccessibleInterface *entry = list ? list->child(menu->actions().indexOf(action)) : nullptr;
    return entry && entry->state().checked;
}

// Pixels darker than mid-grey in the icon column of an entry: the glyphs are
// dark on a light menu.
int darkPixelsInIconColumn(const QImage &entry)
{
    int count = 0;
    for (int y = 0; y < entry.height(); ++y)
        for (int x = 0; x < qMin(entry.width(), 30); ++x)
            count += qGray(entry.pixel(x, y)) < 128;
    return count;
}

// Counts the language changes each watched window is handed.
class LanguageChangeCounter final : public QObject
{
public:
    QHash<QObject *, int> counts;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++counts[watched];
        return false;
    }
};

// The visible texts of window and its children that its widgets cut off: a
// text must fit, or be elided with "…" and carry the whole text as its tool
// tip.
QStringList clippedTexts(QWidget *window)
{
    QStringList clipped;
    const auto check = [&clipped, window](QWidget *w, const QString &text, int available) {
        // Popups and other child windows are measured on their own.
        if (text.isEmpty() || w->window() != window || !w->isVisibleTo(window))
            return;
        QString shown = text;
        shown.remove(QLatin1Char('&'));
        const int needed = w->fontMetrics().horizontalAdvance(shown);
        const bool elided = shown.endsWith(QChar(0x2026)) && !w->toolTip().isEmpty();
        if (needed > available && !elided)
            clipped << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                           .arg(QLatin1String(w->metaObject()->className()), shown)
                           .arg(needed)
                           .arg(available);
        // Nor may a parent cut the widget off at its sides.
        int left = 0;
        int right = w->width();
        for (QWidget *child = w; child != window; child = child->parentWidget()) {
            left += child->x();
            right += child->x();
            if (left < 0 || right > child->parentWidget()->width()) {
                clipped << QStringLiteral("%1 \"%2\" is cut off by its %3")
                               .arg(
                                   QLatin1String(w->metaObject()->className()), shown,
                                   QLatin1String(child->parentWidget()->metaObject()->className()));
                break;
            }
        }
    };
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        option.icon = b->icon();
        option.iconSize = b->iconSize();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox *>(b))
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<QRadioButton *>(b))
            contents = QStyle::SE_RadioButtonContents;
        int available = b->style()->subElementRect(contents, &option, b).width();
        if (!b->icon().isNull() && contents == QStyle::SE_PushButtonContents)
            available -= b->iconSize().width() + 4;
        check(b, b->text(), available);
    }
    for (QLabel *l : window->findChildren<QLabel *>()) {
        if (l->wordWrap() || l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text()) ||
            l->text().contains(QLatin1Char('\n')))
            continue;
        check(l, l->text(), l->contentsRect().width() - 2 * qMax(0, l->margin()));
    }
    return clipped;
}

} // namespace

class OwnWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<PhraseStore>(dir->path());
        store->setLegacyFilePath(dir->filePath(QStringLiteral("none.dll")));
        store->settings().importedV3 = true;
        desktop = std::make_unique<FakeDesktop>();
    }
    void cleanup()
    {
        window.reset();
        desktop.reset();
        store.reset();
        dir.reset();
    }

    void checkableEntriesShowTheirState_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("Classic") << int(Theme::Classic);
        QTest::newRow("Teal") << int(Theme::Teal);
    }
    void checkableEntriesShowTheirState()
    {
        QFETCH(int, theme);
        build();
        window->applyTheme(theme, false);
        // The tray's entry has a glyph, the View menu's has none.
        for (QAction *panel : {window->trayPanelAction(), window->panelAction()}) {
            QMenu *menu = nullptr;
            for (QWidget *widget : panel->associatedWidgets())
                menu = menu ? menu : qobject_cast<QMenu *>(widget);
            QVERIFY(menu);
            panel->setChecked(false);
            const QImage off = entryImage(menu, panel);
            QVERIFY(!accessibleChecked(menu, panel));
            panel->setChecked(true);
            const QImage on = entryImage(menu, panel);
            QVERIFY(accessibleChecked(menu, panel));
            QVERIFY2(off != on, qPrintable(menu->title()));
            panel->setChecked(false);
        }
    }

    // The phrase's own menu in the table: "Enabled" carries a check mark for
    // an enabled phrase, and none for a disabled one.
    void phraseMenuShowsWhetherThePhraseIsOn_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("Classic") << int(Theme::Classic);
        QTest::newRow("Teal") << int(Theme::Teal);
    }
    void phraseMenuShowsWhetherThePhraseIsOn()
    {
        QFETCH(int, theme);
        Phrase on;
        on.id = Phrase::newId();
        on.text = QStringLiteral("on");
        Phrase off = on;
        off.id = Phrase::newId();
        off.text = QStringLiteral("off");
        off.enabled = false;
        store->phrases() << on << off;
        build();
        window->applyTheme(theme, false);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QImage images[2];
        for (int row = 0; row < 2; ++row) {
            bool checked = row == 1;
            bool told = row == 1;
            QTimer::singleShot(0, [&] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                QVERIFY(menu);
                QAction *enabled = menu->actions().value(0);
                checked = enabled->isChecked();
                told = accessibleChecked(menu, enabled);
                images[row] = entryImage(menu, enabled);
                menu->close();
            });
            QTableWidget *table = window->table();
            window->onTableContextMenu(table->visualRect(table->model()->index(row, 0)).center());
            QCOMPARE(checked, row == 0);
            QCOMPARE(told, row == 0);
        }
        QVERIFY(darkPixelsInIconColumn(images[0]) > 20);
        QCOMPARE(darkPixelsInIconColumn(images[1]), 0);
    }

    // A switch of language, to German and back to English (no catalogue),
    // reaches every window of ours once: each refill of the table and
    // rebuild of the panel's rows costs as much as the first.
    void eachWindowIsRetranslatedOnce_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("to German") << QStringLiteral("de");
        QTest::newRow("to English") << QStringLiteral("en");
    }
    void eachWindowIsRetranslatedOnce()
    {
        QFETCH(QString, code);
        store->settings().showFloatingPanel = true;
        build();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (code == QLatin1String("en")) {
            window->applyLanguage(QStringLiteral("de"));
            QTest::qWait(50);
        }
        LanguageChangeCounter counter;
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows)
            w->installEventFilter(&counter);
        window->applyLanguage(code);
        // Whatever Qt posts arrives too.
        QTest::qWait(50);
        QCoreApplication::sendPostedEvents();
        for (QWidget *w : windows)
            QVERIFY2(
                counter.counts.value(w) == 1,
                qPrintable(QStringLiteral("%1 (%2): %3")
                               .arg(QLatin1String(w->metaObject()->className()), w->objectName())
                               .arg(counter.counts.value(w))));
        QCOMPARE(window->windowTitle(), QStringLiteral("Zem Scrivlet"));
        translator.load(QString()); // English for the tests after this one
    }

    // Every window at its smallest, in every language and both themes.
    void textsFitAtTheSmallestSizes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("theme");
        for (const Language::Choice &choice : Language::choices()) {
            QTest::newRow(qPrintable(choice.code + QStringLiteral(" Classic")))
                << choice.code << int(Theme::Classic);
            QTest::newRow(qPrintable(choice.code + QStringLiteral(" Teal")))
                << choice.code << int(Theme::Teal);
        }
    }
    void textsFitAtTheSmallestSizes()
    {
        QFETCH(QString, code);
        QFETCH(int, theme);
        store->settings().language = code;
        Phrase phrase;
        phrase.id = Phrase::newId();
        phrase.name = QStringLiteral("Greeting");
        phrase.text = QStringLiteral("Hello");
        store->phrases() << phrase;
        Language::install(&translator, code);
        build();
        window->applyTheme(theme, false);
        window->applyLanguage(code);
        QStringList clipped;
        const auto atSmallest = [&clipped](QWidget *w, const QString &name, QSize size = {}) {
            w->show();
            w->resize(size.isValid() ? size : w->minimumSize().expandedTo(w->minimumSizeHint()));
            QCoreApplication::processEvents();
            for (const QString &c : clippedTexts(w))
                clipped << name + QStringLiteral(": ") + c;
        };
        window->toggleFloatingPanel(true);
        atSmallest(window.get(), QStringLiteral("main window"), window->minimumSize());
        FloatingPanel *panel = window->floatingPanel();
        atSmallest(panel, QStringLiteral("panel"), QSize(PanelGeometry::MinWidth, panel->height()));
        for (bool paused : {true, false}) {
            panel->setPaused(paused);
            for (const QString &c : clippedTexts(panel))
                clipped << QStringLiteral("panel: ") + c;
        }
        atSmallest(window->picker(), QStringLiteral("picker"));
        const QWidgetList popups{panel->settingsPopup(), window->picker()->settingsPopup()};
        for (QWidget *popup : popups) {
            popup->adjustSize();
            atSmallest(popup, QStringLiteral("settings popup"), popup->size());
            popup->hide();
        }
        {
            SettingsDialog options(store.get(), true, true, window.get());
            options.applyTheme(theme);
            atSmallest(&options, QStringLiteral("Options"));
        }
        {
            PhraseDialog editor(phrase, store.get(), true, window.get());
            editor.applyTheme(theme);
            atSmallest(&editor, QStringLiteral("phrase editor"));
        }
        {
            AppRulesDialog rules({}, desktop.get(), window.get());
            rules.applyTheme(theme);
            atSmallest(&rules, QStringLiteral("Applications"));
        }
        Language::install(&translator, QStringLiteral("en"));
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }

    // The always-on-top panel yields to one of our modal dialogs while it is
    // open, and takes its place again after.
    void panelYieldsToOurModalDialogs()
    {
        store->settings().showFloatingPanel = true;
        build();
        FloatingPanel *panel = window->floatingPanel();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        desktop->calls.clear();
        QDialog dialog(window.get());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(desktop->calls.filter(QStringLiteral("yieldTopmost")).size(), 1);
        QVERIFY2(desktop->calls.filter(QStringLiteral("yieldTopmost"))
                     .first()
                     .endsWith(QStringLiteral(" 1")),
                 qPrintable(desktop->calls.join(QLatin1Char('|'))));
        dialog.hide();
        QTRY_COMPARE(desktop->calls.filter(QStringLiteral("yieldTopmost")).size(), 2);
        QVERIFY(desktop->calls.filter(QStringLiteral("yieldTopmost"))
                    .last()
                    .endsWith(QStringLiteral(" 0")));

        // Hidden, the panel covers nothing: nothing to yield.
        window->toggleFloatingPanel(false);
        desktop->calls.clear();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.hide();
        QVERIFY(desktop->calls.filter(QStringLiteral("yieldTopmost")).isEmpty());
    }

private:
    void build() { window = std::make_unique<MainWindow>(store.get(), &translator, desktop.get()); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<PhraseStore> store;
    std::unique_ptr<FakeDesktop> desktop;
    QTranslator translator;
    std::unique_ptr<MainWindow> window;
};

QTEST_MAIN(OwnWindowsTest)
#include "tst_ownwindows.moc"
