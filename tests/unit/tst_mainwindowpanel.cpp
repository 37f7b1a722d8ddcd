// The main window's side of the floating panel: the stored state applied and
// written back, the View and tray entries in step, Copy and Type.

#include "dispatch/phrasedispatcher.h"
#include "fakes/fakedesktop.h"
#include "mainwindow/mainwindow.h"
#include "panel/floatingpanel.h"
#include "panel/panelsettingspopup.h"
#include "panel/phraserow.h"
#include "store/phrasestore.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

constexpr WindowHandle editor = 0x500;
constexpr WindowHandle ownWindow = 0x600;

Phrase makePhrase(const QString &name, const QString &text, bool enabled = true)
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

} // namespace

class MainWindowPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }

    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<PhraseStore>(dir->path());
        store->setLegacyFilePath(dir->filePath(QStringLiteral("none.dll")));
        store->settings().importedV3 = true;
        store->phrases() << makePhrase(QStringLiteral("Greeting"), QStringLiteral("hello there"))
                         << makePhrase(QStringLiteral("Off"), QStringLiteral("x"), false);
        desktop = std::make_unique<FakeDesktop>();
        FakeDesktop::Window other;
        other.pid = 4242;
        other.thread = 7;
        desktop->addWindow(editor, other);
        FakeDesktop::Window own;
        own.pid = desktop->ownPid;
        desktop->addWindow(ownWindow, own);
        desktop->foreground = editor;
    }
    void cleanup()
    {
        window.reset();
        desktop.reset();
        store.reset();
        dir.reset();
    }

    void hiddenByDefaultAndEntriesInStep()
    {
        build();
        FloatingPanel *panel = window->floatingPanel();
        QVERIFY(panel);
        QVERIFY(!panel->isVisible());
        QVERIFY(!window->panelAction()->isChecked());
        QVERIFY(!window->trayPanelAction()->isChecked());
        // Only enabled phrases reach the panel (its rows are built at show).
        QCOMPARE(panel->phrases().size(), 1);
        QVERIFY(panel->rows().isEmpty());

        window->trayPanelAction()->setChecked(true);
        QVERIFY(panel->isVisible());
        QVERIFY(window->panelAction()->isChecked());
        QVERIFY(store->settings().showFloatingPanel);
        // Not placed before: flush with the right edge, vertically centred.
        const QRect a = available();
        QCOMPARE(panel->frameGeometry().right(), a.right());
        QCOMPARE(store->settings().floatingPanelX, panel->x());
        QCOMPARE(reread().floatingPanelWidth, 320);

        window->panelAction()->setChecked(false);
        QVERIFY(!panel->isVisible());
        QVERIFY(!window->trayPanelAction()->isChecked());
        QVERIFY(!reread().showFloatingPanel);
    }

    void storedStateApplied()
    {
        Settings &s = store->settings();
        s.showFloatingPanel = true;
        s.floatingPanelOpacity = 150;
        s.floatingPanelX = available().left() + 40;
        s.floatingPanelY = available().top() + 30;
        s.floatingPanelWidth = 260;
        s.floatingPanelHeight = 300;
        s.floatingPanelShowCopy = false;
        s.floatingPanelShowType = false; // both off: both come back
        s.floatingPanelTextLines = 1;
        s.floatingPanelSnapToEdge = false;
        build();
        FloatingPanel *panel = window->floatingPanel();
        QVERIFY(panel->isVisible());
        QVERIFY(window->panelAction()->isChecked());
        QVERIFY(window->trayPanelAction()->isChecked());
        QCOMPARE(panel->opacityPercent(), 100);
        QVERIFY(panel->showCopy());
        QVERIFY(panel->showType());
        QCOMPARE(panel->textLines(), 1);
        QVERIFY(!panel->snapToEdge());
        QCOMPARE(panel->geometry(), QRect(s.floatingPanelX, s.floatingPanelY, 260, 300));
        QCOMPARE(panel->rows().at(0)->buttons().size(), 2);
    }

    void offScreenPlaceCorrectedAndSaved()
    {
        Settings &s = store->settings();
        s.showFloatingPanel = true;
        s.floatingPanelX = available().right() + 3000;
        s.floatingPanelY = 10;
        build();
        FloatingPanel *panel = window->floatingPanel();
        QVERIFY(available().contains(panel->frameGeometry()));
        const Settings saved = reread();
        QCOMPARE(saved.floatingPanelX, panel->x());
        QCOMPARE(saved.floatingPanelY, panel->y());
    }

    void panelChangesAreSaved()
    {
        store->settings().showFloatingPanel = true;
        build();
        FloatingPanel *panel = window->floatingPanel();
        PanelSettingsPopup *popup = panel->settingsPopup();
        popup->opacitySlider()->setValue(70);
        QCOMPARE(reread().floatingPanelOpacity, 70);
        popup->showCopyBox()->setChecked(false);
        QVERIFY(!reread().floatingPanelShowCopy);
        QVERIFY(reread().floatingPanelShowType);
        popup->linesButton(3)->setChecked(true);
        QCOMPARE(reread().floatingPanelTextLines, 3);
        popup->snapBox()->setChecked(false);
        QVERIFY(!reread().floatingPanelSnapToEdge);
        panel->resize(300, 350);
        QTRY_COMPARE(reread().floatingPanelHeight, 350);
        QCOMPARE(reread().floatingPanelWidth, 300);
    }

    void closeButtonSwitchesThePanelOff()
    {
        store->settings().showFloatingPanel = true;
        build();
        window->floatingPanel()->closeButton()->click();
        QVERIFY(!window->panelAction()->isChecked());
        QVERIFY(!window->trayPanelAction()->isChecked());
        QVERIFY(!reread().showFloatingPanel);
    }

    void exitKeepsAPlaceNeverShown()
    {
        store->settings().floatingPanelX = 123;
        store->settings().floatingPanelY = 45;
        store->settings().floatingPanelWidth = 250;
        build();
        window->quitApp();
        const Settings saved = reread();
        QCOMPARE(saved.floatingPanelX, 123);
        QCOMPARE(saved.floatingPanelY, 45);
        QCOMPARE(saved.floatingPanelWidth, 250);
    }

    void exitWhileHiddenStoresTheLastPlace()
    {
        store->settings().showFloatingPanel = true;
        build();
        FloatingPanel *panel = window->floatingPanel();
        panel->move(available().left() + 77, available().top() + 66);
        window->panelAction()->setChecked(false);
        window->quitApp();
        const Settings saved = reread();
        QCOMPARE(saved.floatingPanelX, available().left() + 77);
        QCOMPARE(saved.floatingPanelY, available().top() + 66);
    }

    void pauseButtonPausesAndFollows()
    {
        store->settings().showFloatingPanel = true;
        build();
        FloatingPanel *panel = window->floatingPanel();
        panel->pauseButton()->click();
        QVERIFY(window->dispatcher()->paused());
        QVERIFY(panel->paused());
        window->pauseAction()->trigger();
        QVERIFY(!window->dispatcher()->paused());
        QVERIFY(!panel->paused());
    }

    void copyPutsTheTextOnTheClipboardEvenWhilePaused()
    {
        build();
        QGuiApplication::clipboard()->clear();
        window->dispatcher()->togglePause();
        const QString id = store->phrases().at(0).id;
        window->floatingPanel()->show();
        window->floatingPanel()->rows().at(0)->buttons().at(0)->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("hello there"));
        QCOMPARE(store->phrases().at(0).lastUsed, qint64(0));
        QCOMPARE(desktop->typedText(), QString());
        window->onFloatingCopy(QStringLiteral("gone")); // nothing, no crash
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("hello there"));
        Q_UNUSED(id)
    }

    void typeGoesToTheLastWindowOfAnotherProgram_data()
    {
        QTest::addColumn<bool>("editorAlive");
        QTest::addColumn<QString>("expected");
        QTest::newRow("editor still there") << true << QStringLiteral("setForegroundWindow 500");
        QTest::newRow("editor closed: the foreground window")
            << false << QStringLiteral("setForegroundWindow 700");
    }
    void typeGoesToTheLastWindowOfAnotherProgram()
    {
        QFETCH(bool, editorAlive);
        QFETCH(QString, expected);
        store->settings().showFloatingPanel = true;
        build();
        FloatingPanel *panel = window->floatingPanel();
        QTRY_COMPARE(panel->lastExternalWindow(), editor);
        // The click makes the panel the foreground window.
        desktop->foreground = ownWindow;
        QTest::qWait(FloatingPanel::TrackerIntervalMs + 50);
        if (!editorAlive) {
            desktop->windows[editor].exists = false;
            FakeDesktop::Window other;
            other.pid = 999;
            desktop->addWindow(0x700, other);
            desktop->foreground = 0x700;
        }
        desktop->calls.clear();
        panel->rows().at(0)->buttons().at(1)->click();
        QCOMPARE(desktop->typedText(), QStringLiteral("hello there"));
        QVERIFY2(desktop->calls.contains(expected), qPrintable(desktop->calls.join(u'\n')));
        QVERIFY(store->phrases().at(0).lastUsed > 0);
    }

    void typeWhilePausedDoesNothing()
    {
        build();
        window->dispatcher()->togglePause();
        window->onFloatingType(store->phrases().at(0).id);
        QCOMPARE(desktop->typedText(), QString());
    }

    // Copy says on its row that it copied, or why it did not; the word goes
    // after a moment and the row's text is back.
    void copySaysWhatBecameOfIt_data()
    {
        QTest::addColumn<int>("openFailures");
        QTest::addColumn<bool>("setSucceeds");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("clipboard"); // what it holds afterwards
        QTest::newRow("copied") << 0 << true << QStringLiteral("Copied")
                                << QStringLiteral("hello there");
        QTest::newRow("clipboard held open by another program")
            << 1000 << true << QStringLiteral("Not copied: another program holds the clipboard.")
            << QStringLiteral("the user's");
        QTest::newRow("clipboard emptied, then could not be set")
            << 0 << false << QStringLiteral("Not copied: the clipboard could not be set.")
            << QString();
    }
    void copySaysWhatBecameOfIt()
    {
        QFETCH(int, openFailures);
        QFETCH(bool, setSucceeds);
        QFETCH(QString, note);
        QFETCH(QString, clipboard);
        store->settings().showFloatingPanel = true;
        build();
        QVERIFY(QTest::qWaitForWindowExposed(window->floatingPanel()));
        QGuiApplication::clipboard()->setText(QStringLiteral("the user's"));
        desktop->clipboardOpenFailures = openFailures;
        desktop->setClipboardSucceeds = setSucceeds;
        PhraseRow *row = window->floatingPanel()->rows().at(0);
        row->buttons().at(0)->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        QVERIFY(row->note());
        QVERIFY(row->note()->isVisible());
        // The whole sentence, or its short form where the row is too narrow.
        QCOMPARE(row->note()->toolTip(), note);
        QVERIFY2(note.startsWith(row->note()->text()), qPrintable(row->note()->text()));
        QVERIFY(!row->label()->isVisible());
        // Within the row, clear of the buttons.
        QVERIFY(row->rect().contains(row->note()->geometry()));
        QVERIFY(!row->note()->geometry().intersects(row->buttons().at(0)->geometry()));
        if (qstrcmp(QTest::currentDataTag(), "copied") != 0)
            return; // a warning stays longer; it goes the same way
        QTRY_VERIFY_WITH_TIMEOUT(!row->note()->isVisible(), 5000);
        QVERIFY(row->label()->isVisible());
    }

    // Paused, Type looks it and says so when clicked, instead of doing
    // nothing; Copy is not paused and stays as it is.
    void typeWhilePausedSaysWhy()
    {
        store->settings().showFloatingPanel = true;
        build();
        FloatingPanel *panel = window->floatingPanel();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        QTRY_COMPARE(panel->lastExternalWindow(), editor);
        const auto typeButton = [panel] { return panel->rows().at(0)->buttons().at(1); };
        const auto copyButton = [panel] { return panel->rows().at(0)->buttons().at(0); };
        const QImage running = typeButton()->grab().toImage();
        QVERIFY(!typeButton()->property("paused").toBool());
        window->dispatcher()->togglePause();
        QVERIFY(typeButton()->property("paused").toBool());
        QVERIFY(!copyButton()->property("paused").toBool());
        QVERIFY(typeButton()->grab().toImage() != running);
        const QString why = QStringLiteral("Shortcuts are paused: resume them to type.");
        QCOMPARE(typeButton()->toolTip(), why);
        typeButton()->click();
        QCOMPARE(desktop->typedText(), QString());
        PhraseRow *row = panel->rows().at(0);
        QVERIFY(row->note() && row->note()->isVisible());
        QCOMPARE(row->note()->toolTip(), why);
        QCOMPARE(row->note()->text(), QStringLiteral("Paused")); // the sentence does not fit
        // Rows built while paused are marked too (a new line count).
        panel->setTextLines(1);
        QVERIFY(typeButton()->property("paused").toBool());
        window->dispatcher()->togglePause();
        QVERIFY(!typeButton()->property("paused").toBool());
        QCOMPARE(typeButton()->toolTip(), QString());
        typeButton()->click();
        QCOMPARE(desktop->typedText(), QStringLiteral("hello there"));
    }

    void phraseListChangesReachThePanel()
    {
        build();
        store->phrases()[1].enabled = true;
        window->refreshTable();
        QCOMPARE(window->floatingPanel()->phrases().size(), 2);
    }

private:
    void build() { window = std::make_unique<MainWindow>(store.get(), &translator, desktop.get()); }
    // The settings as the data file holds them.
    Settings reread()
    {
        PhraseStore other(dir->path());
        other.load();
        return other.settings();
    }

    QTemporaryDir config;
    QTranslator translator;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<PhraseStore> store;
    std::unique_ptr<FakeDesktop> desktop;
    std::unique_ptr<MainWindow> window;
};

QTEST_MAIN(MainWindowPanelTest)
#include "tst_mainwindowpanel.moc"
