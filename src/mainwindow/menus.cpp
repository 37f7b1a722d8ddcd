// The menu bar under the title bar, the tray icon with its menu, and the
// texts of both.

#include "mainwindow/mainwindow.h"

#include "base/language.h"
#include "base/testtrace.h"
#include "dispatch/phrasedispatcher.h"
#include "store/phrasestore.h"
#include "theme/glyphs.h"
#include "theme/theme.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Tray menu glyphs are painted for the menu's light background in both themes.
const QColor trayGlyphColour(0x33, 0x33, 0x33);

QIcon trayGlyph(Glyphs::Command kind)
{
    return Glyphs::commandGlyph(trayGlyphColour, kind);
}

} // namespace

void MainWindow::buildMenus(QWidget *host)
{
    m_menuBar = new QMenuBar(host);
    // The bar belongs under our own title bar; a desktop's global menu would
    // take it away and leave an empty strip.
    m_menuBar->setNativeMenuBar(false);
    host->layout()->addWidget(m_menuBar);

    m_fileMenu = m_menuBar->addMenu(QString());
    m_addAction = m_fileMenu->addAction(QString(), this, &MainWindow::addPhrase);
    m_addAction->setShortcut(QKeySequence::New);
    m_editAction = m_fileMenu->addAction(QString(), this, &MainWindow::editPhrase);
    m_deleteAction = m_fileMenu->addAction(QString(), this, &MainWindow::deletePhrase);
    // The Delete key deletes a phrase only while the table has the focus: in
    // the search box it deletes a character.
    m_deleteAction->setShortcut(QKeySequence::Delete);
    m_deleteAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(m_deleteAction);
    // Anywhere in the window: a text field that has the focus keeps Ctrl+Z
    // for its own typing (it claims the standard key first).
    m_undoDeleteAction = m_fileMenu->addAction(QString(), this, &MainWindow::undoDelete);
    m_undoDeleteAction->setShortcut(QKeySequence::Undo);
    m_undoDeleteAction->setShortcutContext(Qt::WindowShortcut);
    m_undoDeleteAction->setEnabled(false);
    addAction(m_undoDeleteAction);
    m_fileMenu->addSeparator();
    m_importAction = m_fileMenu->addAction(QString(), this, &MainWindow::importBackup);
    m_exportAction = m_fileMenu->addAction(QString(), this, &MainWindow::exportBackup);
    m_exportCsvAction = m_fileMenu->addAction(QString(), this, &MainWindow::exportCsv);
    m_fileMenu->addSeparator();
    m_exitAction = m_fileMenu->addAction(QString(), this, &MainWindow::quitApp);

    m_setupMenu = m_menuBar->addMenu(QString());
    m_optionsAction = m_setupMenu->addAction(QString(), this, &MainWindow::openSettings);
    m_optionsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_languageMenu = m_setupMenu->addMenu(QString());
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    for (const Language::Choice &choice : Language::choices()) {
        QAction *action = m_languageMenu->addAction(choice.nativeName);
        action->setCheckable(true);
        action->setData(choice.code);
        m_languageGroup->addAction(action);
    }
    connect(m_languageGroup, &QActionGroup::triggered, this, &MainWindow::onLanguageChosen);
    m_pauseAction =
        m_setupMenu->addAction(QString(), m_dispatcher.get(), &PhraseDispatcher::togglePause);

    m_viewMenu = m_menuBar->addMenu(QString());
    m_statusBarAction = m_viewMenu->addAction(QString());
    m_statusBarAction->setCheckable(true);
    m_statusBarAction->setChecked(true);
    connect(m_statusBarAction, &QAction::toggled, this, &MainWindow::toggleStatusBar);
    m_panelAction = m_viewMenu->addAction(QString());
    m_panelAction->setCheckable(true);
    m_appearanceMenu = m_viewMenu->addMenu(QString());
    m_themeGroup = new QActionGroup(this);
    m_themeGroup->setExclusive(true);
    m_classicAction = m_appearanceMenu->addAction(QString());
    m_classicAction->setData(Theme::Classic);
    m_tealAction = m_appearanceMenu->addAction(QString());
    m_tealAction->setData(Theme::Teal);
    for (QAction *action : {m_classicAction, m_tealAction}) {
        action->setCheckable(true);
        m_themeGroup->addAction(action);
    }
    connect(m_themeGroup, &QActionGroup::triggered, this, [this](QAction *action) {
        applyTheme(Theme::normalised(action->data().toInt()), true);
    });

    m_helpMenu = m_menuBar->addMenu(QString());
    m_helpAction = m_helpMenu->addAction(QString(), this, &MainWindow::openHelpPage);
    m_contactAction = m_helpMenu->addAction(QString(), this, &MainWindow::openContactPage);
    m_helpMenu->addSeparator();
    m_aboutAction = m_helpMenu->addAction(QString(), this, &MainWindow::showAbout);
}

void MainWindow::buildTray()
{
    m_trayMenu = new QMenu(this);
    m_trayShowAction = m_trayMenu->addAction(trayGlyph(Glyphs::Command::ShowWindow), QString(),
                                             this, &MainWindow::showMainWindow);
    m_trayPauseAction = m_trayMenu->addAction(trayGlyph(Glyphs::Command::Pause), QString(),
                                              m_dispatcher.get(), &PhraseDispatcher::togglePause);
    m_trayPanelAction = m_trayMenu->addAction(trayGlyph(Glyphs::Command::FloatingPanel), QString());
    m_trayPanelAction->setCheckable(true);
    m_traySettingsAction = m_trayMenu->addAction(trayGlyph(Glyphs::Command::Settings), QString(),
                                                 this, &MainWindow::openSettings);
    m_trayMenu->addSeparator();
    m_trayExitAction = m_trayMenu->addAction(trayGlyph(Glyphs::Command::Exit), QString(), this,
                                             &MainWindow::quitApp);

    connect(m_panelAction, &QAction::toggled, this,
            [this](bool visible) { onPanelEntryToggled(m_trayPanelAction, visible); });
    connect(m_trayPanelAction, &QAction::toggled, this,
            [this](bool visible) { onPanelEntryToggled(m_panelAction, visible); });

    // Qt picks the tray protocol: the StatusNotifierItem over D-Bus where the
    // desktop hosts one (KDE, GNOME with the AppIndicator extension), else
    // the XEmbed tray (and it docks again when a tray appears later).
    m_tray = new QSystemTrayIcon(m_icon, this);
    m_tray->setContextMenu(m_trayMenu);
    connect(m_tray, &QSystemTrayIcon::activated, this, &MainWindow::onTrayActivated);
    m_tray->show();
}

void MainWindow::retranslateMenus()
{
    m_fileMenu->setTitle(tr("&File"));
    m_addAction->setText(tr("Add"));
    m_editAction->setText(tr("Edit"));
    m_deleteAction->setText(tr("Delete"));
    m_undoDeleteAction->setText(tr("Undo Delete"));
    m_importAction->setText(tr("Import"));
    m_exportAction->setText(tr("Export"));
    m_exportCsvAction->setText(tr("Export to CSV"));
    m_exitAction->setText(tr("Exit"));

    m_setupMenu->setTitle(tr("S&etup"));
    m_optionsAction->setText(tr("&Options..."));
    m_languageMenu->setTitle(tr("Language"));
    const QString language = store->settings().language;
    bool known = false;
    for (QAction *action : m_languageGroup->actions()) {
        if (action->data().toString() == language) {
            action->setChecked(true);
            known = true;
        }
    }
    // An unknown stored code (edited by hand) shows English with no entry checked.
    if (!known && m_languageGroup->checkedAction())
        m_languageGroup->checkedAction()->setChecked(false);

    const QString pauseText =
        m_dispatcher->paused() ? tr("Resume shortcuts") : tr("Pause shortcuts");
    m_pauseAction->setText(pauseText);
    m_trayPauseAction->setText(pauseText);
    m_trayPauseAction->setIcon(
        trayGlyph(m_dispatcher->paused() ? Glyphs::Command::Resume : Glyphs::Command::Pause));

    m_viewMenu->setTitle(tr("&View"));
    m_statusBarAction->setText(tr("Status &bar"));
    m_panelAction->setText(tr("&Floating panel"));
    m_appearanceMenu->setTitle(tr("Appearance"));
    m_classicAction->setText(tr("Classic"));
    m_tealAction->setText(tr("Teal"));

    m_helpMenu->setTitle(tr("&Help"));
    m_helpAction->setText(tr("Software Help"));
    m_contactAction->setText(tr("Contact Us"));
    m_aboutAction->setText(tr("About Zem Scrivlet..."));

    m_trayShowAction->setText(tr("Show main window"));
    m_trayPanelAction->setText(tr("Floating panel"));
    m_traySettingsAction->setText(tr("Settings"));
    m_trayExitAction->setText(tr("Exit"));
    updateTrayState();
    // Attached anew so that a tray that copied the menu shows the new texts.
    m_tray->setContextMenu(nullptr);
    m_tray->setContextMenu(m_trayMenu);
}

void MainWindow::updateTrayState()
{
    if (!m_tray)
        return;
    if (!m_dispatcher->paused()) {
        m_tray->setIcon(m_icon);
        m_tray->setToolTip(tr("Zem Scrivlet"));
        return;
    }
    if (m_pausedIcon.isNull()) {
        const Theme::Colours &colours = Theme::colours(m_theme);
        m_pausedIcon = Glyphs::pausedIcon(m_icon, colours.paused, colours.pauseGlyph);
    }
    m_tray->setIcon(m_pausedIcon);
    m_tray->setToolTip(tr("Zem Scrivlet: shortcuts are paused"));
}

bool MainWindow::trayUsable() const
{
    return m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void MainWindow::onTrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    // A click only ever shows the window; hiding is the show/hide shortcut's.
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        showMainWindow();
}

void MainWindow::onLanguageChosen(QAction *action)
{
    const QString code = action->data().toString();
    if (code.isEmpty() || code == store->settings().language)
        return;
    store->settings().language = code;
    store->save();
    applyLanguage(code);
}

void MainWindow::reportNoHandOverChannel()
{
    QTimer::singleShot(0, this, [this] {
        showBalloon(tr("Zem Scrivlet could not open the channel by which a later start finds this "
                       "copy (another program may hold it): starting Zem Scrivlet again will "
                       "open a second copy."),
                    true);
    });
}

void MainWindow::reportTakenChannelFolder(const QString &folder)
{
    QTimer::singleShot(0, this, [this, folder] {
        showBalloon(tr("The folder %1 is not yours alone: another user made it, or may write "
                       "in it. Zem Scrivlet keeps its channel in a folder of your own instead; "
                       "ask your administrator to look into it.")
                        .arg(folder),
                    true);
    });
}

void MainWindow::showBalloon(const QString &text, bool warning)
{
    TestTrace::line(QLatin1String("balloon ") + text);
    if (!m_tray)
        return;
    // Balloons name phrases and applications: shown as they stand, never
    // read as markup by a notification service.
    const bool markup = desktop && desktop->balloonsReadMarkup();
    m_tray->showMessage(tr("Zem Scrivlet"), markup ? text.toHtmlEscaped() : text,
                        warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information,
                        TypingFailureNoticeMs);
}
