// The window commands of the menus and the tray: hiding to the tray with its
// one-time hint, Exit, the status-bar and floating-panel toggles, Options,
// the help pages, About and the autostart entry.

#include "mainwindow/mainwindow.h"

#include "dispatch/phrasedispatcher.h"
#include "panel/floatingpanel.h"
#include "panel/panelgeometry.h"
#include "picker/pickerwindow.h"

#include "dialogs/settingsdialog.h"
#include "hotkeys/hotkeyedit.h"
#include "hotkeys/hotkeymanager.h"
#include "mainwindow/centeredonparentdialog.h"
#include "mainwindow/contentdialog.h"
#include "mainwindow/helppages.h"
#include "platform/autostart.h"
#include "store/phrasestore.h"
#include "theme/themeddialog.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

bool sessionEnding()
{
    const auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    return app && app->isSavingSession();
}

QPushButton *addPrimaryButton(const QString &text, QDialog *dialog, QVBoxLayout *content)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    auto *button = new QPushButton(text, dialog);
    button->setObjectName(QStringLiteral("primary"));
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    row->addWidget(button);
    content->addLayout(row);
    return button;
}

} // namespace

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Without a tray to come back from, the window closes as any other;
    // the program keeps running and the show/hide shortcut or a second
    // start brings the window back. When the session ends, the window closes
    // too: a refused close would cancel the user's log-out or shut-down.
    if (!trayUsable() || sessionEnding()) {
        event->accept();
        return;
    }
    m_closedFrame = frameGeometry();
    hide();
    event->ignore();
    if (!store->settings().closeHintShown)
        showCloseHint();
}

void MainWindow::showCloseHint()
{
    CenteredOnParentDialog hint(m_closedFrame.isValid() ? m_closedFrame : frameGeometry(), this);
    hint.setWindowTitle(windowTitle());
    hint.setMinimumWidth(420);

    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    auto *icon = new QLabel(&hint);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    row->addWidget(icon, 0, Qt::AlignTop);
    auto *text = new QLabel(tr("The program has not quit. It only minimizes to the notification "
                               "area. Hotkeys and the picker still insert text."),
                            &hint);
    text->setWordWrap(true);
    row->addWidget(text, 1);
    hint.content()->addLayout(row);

    Settings &settings = store->settings();
    auto *again = new QCheckBox(tr("Do not show this again"), &hint);
    again->setChecked(settings.closeHintSeen);
    hint.content()->addWidget(again);
    addPrimaryButton(tr("OK"), &hint, hint.content());

    const bool accepted = hint.exec() == QDialog::Accepted;
    bool changed = false;
    if (!settings.closeHintSeen) {
        settings.closeHintSeen = true;
        changed = true;
    }
    // Only a deliberate OK with the box ticked silences the hint for good.
    if (accepted && again->isChecked() && !settings.closeHintShown) {
        settings.closeHintShown = true;
        changed = true;
    }
    if (changed)
        store->save();
}

void MainWindow::quitApp()
{
    m_quitting = true;
    m_dispatcher->shutDown();
    storePanelState();
    if (isVisible())
        rememberPlace();
    store->save();
    if (m_panel)
        m_panel->hide();
    if (m_picker)
        m_picker->hide();
    m_hotkeys->unregisterAll();
    if (m_tray)
        m_tray->hide();
    hide();
    QCoreApplication::quit();
}

void MainWindow::toggleStatusBar(bool visible)
{
    statusBar()->setVisible(visible);
}

void MainWindow::onPanelEntryToggled(QAction *other, bool visible)
{
    {
        const QSignalBlocker blocker(other);
        other->setChecked(visible);
    }
    toggleFloatingPanel(visible);
}

void MainWindow::toggleFloatingPanel(bool visible)
{
    store->settings().showFloatingPanel = visible;
    if (visible) {
        applyFloatingPanelSettings();
    } else {
        storePanelState();
        if (m_panel)
            m_panel->hide();
    }
    store->save();
}

void MainWindow::applyFloatingPanelSettings()
{
    const Settings &s = store->settings();
    if (!m_panel) {
        setPanelEntriesChecked(s.showFloatingPanel);
        return;
    }
    FloatingPanel *panel = m_panel.get();
    panel->setSuppressGeometrySignal(true);
    panel->setPaused(m_dispatcher->paused());
    panel->setPhrases(store->phrases());
    panel->setOpacityPercent(s.floatingPanelOpacity);
    // A file that hides both row buttons would leave rows without a use.
    const bool both = !s.floatingPanelShowCopy && !s.floatingPanelShowType;
    panel->setShowCopy(s.floatingPanelShowCopy || both);
    panel->setShowType(s.floatingPanelShowType || both);
    panel->setTextLines(s.floatingPanelTextLines);
    panel->setSnapToEdge(s.floatingPanelSnapToEdge);
    if (s.showFloatingPanel) {
        const auto applySize = [panel, &s] {
            if (s.floatingPanelWidth > 0)
                panel->setPanelWidth(s.floatingPanelWidth);
            if (s.floatingPanelHeight > 0)
                panel->setPanelHeight(s.floatingPanelHeight);
        };
        const auto place = [panel, &s] {
            if (s.floatingPanelX >= 0 && s.floatingPanelY >= 0) {
                panel->move(s.floatingPanelX, s.floatingPanelY);
            } else if (const QScreen *primary = QGuiApplication::primaryScreen()) {
                panel->move(PanelGeometry::rightEdgePosition(panel->frameGeometry().size(),
                                                             primary->availableGeometry()));
            }
        };
        // Placed before it is mapped as well, so that it does not appear
        // somewhere else first.
        applySize();
        place();
        panel->show();
        panel->raise();
        applySize();
        place();
        panel->ensureOnScreen();
        m_panelPlaced = true;
    } else {
        panel->hide();
    }
    panel->setSuppressGeometrySignal(false);

    if (panel->isVisible() &&
        (panel->x() != s.floatingPanelX || panel->y() != s.floatingPanelY ||
         panel->width() != s.floatingPanelWidth || panel->height() != s.floatingPanelHeight)) {
        storePanelState();
        store->save();
    }
    setPanelEntriesChecked(s.showFloatingPanel);
}

void MainWindow::onPanelClosedByUser()
{
    setPanelEntriesChecked(false);
    store->settings().showFloatingPanel = false;
    storePanelState();
    store->save();
}

void MainWindow::setPanelEntriesChecked(bool checked)
{
    for (QAction *entry : {m_panelAction, m_trayPanelAction}) {
        const QSignalBlocker blocker(entry);
        entry->setChecked(checked);
    }
}

bool MainWindow::storePanelState()
{
    // Nothing to copy until the panel exists: its stored state stays as it is.
    if (!m_panel)
        return false;
    const FloatingPanel *panel = m_panel.get();
    Settings &s = store->settings();
    bool changed = false;
    const auto set = [&changed](auto &field, auto value) {
        changed = changed || field != value;
        field = value;
    };
    set(s.floatingPanelOpacity, panel->opacityPercent());
    // A panel never shown in this run has no place of the user's yet.
    if (m_panelPlaced) {
        set(s.floatingPanelX, panel->x());
        set(s.floatingPanelY, panel->y());
        set(s.floatingPanelWidth, panel->width());
        set(s.floatingPanelHeight, panel->height());
    }
    set(s.floatingPanelShowCopy, panel->showCopy());
    set(s.floatingPanelShowType, panel->showType());
    set(s.floatingPanelTextLines, panel->textLines());
    set(s.floatingPanelSnapToEdge, panel->snapToEdge());
    return changed;
}

void MainWindow::showAbout()
{
    ContentDialog about(this);
    about.setWindowTitle(tr("About Zem Scrivlet"));
    about.setMinimumWidth(360);

    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    auto *icon = new QLabel(&about);
    icon->setPixmap(windowIcon().pixmap(32, 32));
    row->addWidget(icon, 0, Qt::AlignVCenter);
    auto *text = new QLabel(tr("Zem Scrivlet 3.2") + QLatin1Char('\n') +
                                tr("Copyright © Vantok %1").arg(QDate::currentDate().year()),
                            &about);
    text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row->addWidget(text, 1);
    about.content()->addLayout(row);
    addPrimaryButton(tr("OK"), &about, about.content());
    about.exec();
}

void MainWindow::openHelpPage()
{
    openPage(int(HelpPages::Page::Help));
}

void MainWindow::openContactPage()
{
    openPage(int(HelpPages::Page::Contact));
}

void MainWindow::openPage(int page)
{
    // Where no browser starts (none installed, a broken handler), the user
    // learns where the page is instead of clicking into nothing.
    const QPointer<MainWindow> self(this);
    HelpPages::open(
        HelpPages::Page(page), store->settings().language, this, [self](const QString &location) {
            if (!self)
                return;
            const QString text =
                location.isEmpty() ? tr("The page could not be prepared: the folder %1 cannot be "
                                        "written.")
                                         .arg(QDir::toNativeSeparators(HelpPages::defaultFolder()))
                                   : tr("No browser could be started to show the page. Open it "
                                        "yourself:\n%1")
                                         .arg(location);
            showThemedMessage(self, self->windowTitle(), text);
        });
}

void MainWindow::openSettings()
{
    openSettingsAt(false);
}

void MainWindow::openSettingsAt(bool atShortcuts)
{
    // The tray can ask again while the dialog is open.
    if (m_settingsDialog) {
        m_settingsDialog->raise();
        m_settingsDialog->activateWindow();
        return;
    }
    SettingsDialog dialog(store, !m_hotkeys->isShowRegistered(), !m_hotkeys->isPickerRegistered(),
                          this);
    dialog.setDesktop(desktop);
    dialog.setDesktopNote(desktopNote());
    dialog.setBindingLines(bindingLines());
    if (desktop && desktop->abilities().shortcuts == DesktopAbilities::Shortcuts::GnomeCustom)
        dialog.setBindingActions(
            tr("Add to GNOME"), [this] { return writeGnomeShortcuts(); }, tr("Remove from GNOME"),
            [this] { return removeGnomeShortcuts(); });
    dialog.setAbbreviationsUnavailable(abbreviationsUnavailable());
    if (m_dataLocation.fromCommandLine)
        dialog.setDataFolder(store->dataFolder(), nullptr,
                             tr("Given on the command line (--data-dir) for this run."));
    else
        dialog.setDataFolder(store->dataFolder(), [this] { return chooseDataFolder(); });
    const Settings opened = store->settings();
    m_settingsDialog = &dialog;
    if (atShortcuts)
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.pickerEdit()->setFocus(); });
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_settingsDialog = nullptr;
    if (!accepted)
        return;
    // Only what the dialog changed: a setting that changed meanwhile (the
    // panel moved, a merge from another machine) stays.
    Settings now = store->settings();
    now.applyChanges(opened, dialog.settings());
    store->setSettings(now);
    store->save();
    applyAutostart();
    registerShortcuts();
    updateStatusLabel();
    updateKeysNote();
}

bool MainWindow::applyAutostart()
{
    if (Autostart::apply(store->settings().startWithWindows))
        return true;
    // The box says the program starts at login: say so when it will not.
    statusBar()->showMessage(tr("Could not change the start-up entry."), RegistrationNoticeMs);
    return false;
}
