// The program's own windows as a user sees them: checkable menu entries that
// show their state, each window retranslated once per language switch, and
// texts that fit at the smallest sizes in every language.

#include "fakes/fakedesktop.h"
#include "mainwindow/mainwindow.h"
#include "store/phrasestore.h"
#include "theme/theme.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
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
