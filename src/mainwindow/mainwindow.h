#pragma once

// The program's main window: the phrase table with its commands under the
// custom title bar and menu bar, the tray icon and its menu. It owns the
// hotkey manager and the dispatcher, hands them the requests its windows
// take (the picker's choice, the panel's Type) and shows what the dispatcher
// reports; the store, the translator and the desktop belong to the entry
// point.

#include "dispatch/remotecommand.h"
#include "mainwindow/phrasetablewidget.h"
#include "platform/desktop.h"
#include "platform/desktopbindings.h"
#include "store/datalocation.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QVector>

#include <memory>

class DataFileWatcher;
class DispatchWidgets;
class FloatingPanel;
class HotkeyManager;
class ElidingButton;
class MainTitleBar;
class PhraseStore;
class QAction;
class QActionGroup;
class QDialog;
class QHBoxLayout;
class PhraseDispatcher;
class PickerWindow;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class QTranslator;
class QVBoxLayout;

class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    // Table columns.
    enum Column
    {
        NameColumn = PhraseTableWidget::NameColumn,
        ShortcutColumn = PhraseTableWidget::ShortcutColumn,
        AbbreviationColumn = PhraseTableWidget::AbbreviationColumn,
        TextColumn = PhraseTableWidget::TextColumn,
        EnabledColumn = PhraseTableWidget::EnabledColumn,
        UsesColumn = PhraseTableWidget::UsesColumn,
        SavedColumn = PhraseTableWidget::SavedColumn,
    };
    // The smallest window: a tiling window manager gives it 320 pixels
    // whatever it asks, so it works at that width.
    static constexpr int MinimumWidth = 320;
    static constexpr int MinimumHeight = 320;
    // Narrower than this, the margins close in; a table narrower than
    // NarrowTableWidth drops the On column (a switched-off phrase is greyed
    // and struck through anyway), and the Name column gives way so that the
    // Text column keeps TextShare percent of the table.
    static constexpr int NarrowWidth = 720;
    static constexpr int NarrowTableWidth = 420;
    // The Uses and Saved columns show only in a table this wide: the text
    // of the phrases comes first.
    static constexpr int CountsTableWidth = 720;
    static constexpr int CountWidth = 64;
    static constexpr int TextShare = 35;
    static constexpr int NameWidth = 77;
    // A Name column the user never sized fits the widest name up to this.
    static constexpr int NameContentMax = 260;
    // A narrow table keeps this much of the names before it shows the
    // Abbreviation column.
    static constexpr int NarrowNameWidth = 90;
    static constexpr int ShortcutWidth = 88;
    static constexpr int EnabledWidth = 64;
    static constexpr int MinColumnWidth = 24;
    static constexpr int MaxColumnWidth = 2000;
    static constexpr int ColumnSaveDelayMs = 400;
    static constexpr int RowHeight = 28;
    static constexpr int RegistrationNoticeMs = 6000;
    static constexpr int LegacyImportNoticeMs = 8000;
    static constexpr int BackupNoticeMs = 4000;
    static constexpr int TypingFailureNoticeMs = 3000;
    // How long "Deleted …" stands with its Undo button, and how many
    // deletions Ctrl+Z can still take back, the latest first.
    static constexpr int DeleteNoticeMs = 10000;
    static constexpr int UndoDepth = 20;

    // None of the three is owned; desktop may be null (no window system:
    // nothing is registered and nothing typed).
    MainWindow(PhraseStore *store, QTranslator *translator, Desktop *desktop,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // Clears the remembered target and shows the window normal, raised and
    // active: a second start and the tray's show command. While a text is
    // being typed it is shown right after.
    void showMainWindow();
    // Tells the user, once the tray is up, that a second start will not find
    // this copy: the channel for the hand-over could not be had.
    void reportNoHandOverChannel();
    // Tells the user, once the tray is up, that the usual folder of the
    // channel is not the user's alone, and another one of the user's own
    // serves instead.
    void reportTakenChannelFolder(const QString &folder);
    // Where this run keeps its list, as start-up chose it; tells the user,
    // once the tray is up, of a chosen folder that is missing or was
    // refused.
    void setDataLocation(const DataLocation::Choice &choice);
    // Moves the list to folder (Options' Data folder…): the store moves or
    // merges the file, the choice is remembered for the next start, the
    // watcher follows, and the user is told what happened. Returns the
    // folder then in use.
    QString moveDataFolder(const QString &folder);
    // Installs the catalogue of code (none for English or an unknown code) and
    // lets every top-level window set its texts again.
    void applyLanguage(const QString &code);
    // Fills the table from the store, filtered by the search box.
    void refreshTable();
    void saveColumnWidths();

    // What the desktop the program runs on keeps from it (a Wayland desktop
    // worked through XWayland), in the user's language, for Options (where
    // the binding lines follow it); empty where nothing.
    QString desktopNote() const;
    // The status bar's line about it, which stays while there is something
    // to do: bind the commands (until the bindings exist), let the program
    // type (Plasma), or know that only X11 programs are reached. Empty where
    // nothing.
    QString roadLine() const;
    // A later start handed over a command: one that a binding runs tells
    // that the bindings exist.
    void noteCommandFromDesktop(RemoteCommand::Verb verb);
    // The desktop's own key bindings for our commands, where the program may
    // not hold global shortcuts; empty elsewhere.
    QString bindingLines() const;
    // Why abbreviations do not expand on this desktop; empty where they do.
    QString abbreviationsUnavailable() const;
    // For the phrase editor, where the desktop runs the shortcuts (a
    // compositor's bindings, GNOME's custom shortcuts): how a phrase's
    // shortcut comes to work; empty where the program holds them itself.
    QString shortcutBindingNote() const;
    // Every command that has a shortcut: the picker, the window, each
    // enabled phrase.
    QVector<DesktopBindings::Command> shortcutCommands() const;
    // GNOME's custom shortcuts for them, written or removed through the
    // desktop; what was done.
    QString writeGnomeShortcuts();
    QString removeGnomeShortcuts();
    // What happens from a request to its outcome: shortcuts, the picker's
    // choice, the panel's Type, abbreviations, commands of a later start.
    PhraseDispatcher *dispatcher() const { return m_dispatcher.get(); }
    HotkeyManager *hotkeys() const { return m_hotkeys; }
    // The table as the window shows it: a hidden window's rows are made
    // first.
    PhraseTableWidget *table();
    QLineEdit *searchBox() const { return m_search; }
    QLabel *statusLabel() const { return m_statusLabel; }
    // The note at the top of the window about what the desktop still needs.
    QLabel *roadLabel() const { return m_roadLabel; }
    QPushButton *roadButton() const { return m_roadButton; }
    // The note on the keys the program takes from other programs, until the
    // user has read it; its buttons open Options at the shortcuts and
    // dismiss it.
    QWidget *keysNote() const { return m_keysNote; }
    QLabel *keysLabel() const { return m_keysLabel; }
    QPushButton *keysOptionsButton() const { return m_keysOptions; }
    QPushButton *keysDismissButton() const { return m_keysDismiss; }
    // The offer to merge the copies a sync tool left beside the data file;
    // its buttons merge them and put the offer off until the next start.
    QWidget *copiesNote() const { return m_copiesNote; }
    QPushButton *copiesMergeButton() const { return m_copiesMerge; }
    QPushButton *copiesLaterButton() const { return m_copiesLater; }
    // What other programs commonly do with a combination, for the note;
    // empty for one without a common use.
    static QString usualUseOf(int mods, int vk);
    // The tray's one balloon for the shortcuts refused together: a handful
    // named, the rest counted, so that a list whose shortcuts another
    // program holds does not fill the screen.
    static QString refusedShortcutsNotice(const QStringList &refused);
    static constexpr int RefusedShortcutsNamed = 5;
    MainTitleBar *titleBar() const { return m_titleBar; }
    QMenuBar *mainMenuBar() const { return m_menuBar; }
    QSystemTrayIcon *trayIcon() const { return m_tray; }
    QMenu *trayMenu() const { return m_trayMenu; }
    QAction *pauseAction() const { return m_pauseAction; }
    QAction *trayPauseAction() const { return m_trayPauseAction; }
    QAction *undoDeleteAction() const { return m_undoDeleteAction; }
    // Beside "Deleted …" in the status bar while it stands.
    QPushButton *undoDeleteButton() const { return m_undoDeleteButton; }
    QAction *panelAction() const { return m_panelAction; }
    QAction *trayPanelAction() const { return m_trayPanelAction; }
    QActionGroup *languageGroup() const { return m_languageGroup; }

    // Whether closing the window hides it to the tray: the icon is shown and
    // the desktop has a tray to show it in.
    bool trayUsable() const;
    // The note that the program has not quit, with its "Do not show this
    // again" box; records closeHintSeen and closeHintShown.
    void showCloseHint();
    // Applies the theme (1 Teal, anything else Classic); with save, the
    // choice is stored in the data file.
    void applyTheme(int theme, bool save);
    // Writes or removes the entry that starts the program at login, as the
    // startWithWindows setting says. False when that failed; the status bar
    // then says so.
    bool applyAutostart();
    // Pushes the stored floating-panel state into the panel, and sets both
    // floating-panel entries to showFloatingPanel.
    void applyFloatingPanelSettings();
    // The data file written by another machine or program: watched, merged
    // by the store, and what changed followed and told.
    void watchDataFile();
    // Options' Data folder…: a folder dialog, then moveDataFolder().
    QString chooseDataFolder();
    void onDataFileSettled();
    void onSyncedFromFile();
    void buildCopiesNote();
    // Looks for copies a sync tool left, and offers the new ones.
    void checkConflictCopies();
    void mergeConflictCopies();
    // The commands behind File > Export and Import once a file is chosen.
    bool exportBackupTo(const QString &path);
    bool exportCsvTo(const QString &path);
    void importBackupFrom(const QString &path);
    // --import from a later start: imports, answers with the summary and
    // shows the notice after the answer has gone.
    RemoteCommand::Reply importForCommand(const QString &path);
    bool importAndRefresh(const QString &path, PhraseStore::ImportReport *report);
    void showImportFailure(const PhraseStore::ImportReport &report);
    void showImportNotice(const PhraseStore::ImportReport &report);
    // The save dialog of the exports: the path to write, empty when
    // cancelled; a name typed without a suffix gets suffix.
    QString askExportPath(const QString &title, const QString &filter, const QString &suffix);
    // The file Export writes for the name the dialog returned: with ".json"
    // added when the name has no suffix.
    static QString exportFileName(const QString &chosen,
                                  const QString &suffix = QStringLiteral("json"));
    // Where Export and Import open: the folder remembered from the last one
    // while it exists, else the user's documents.
    static QString backupStartFolder(const QString &remembered);
    PickerWindow *picker() const { return m_picker.get(); }
    FloatingPanel *floatingPanel() const { return m_panel.get(); }

public slots:
    void addPhrase();
    void editPhrase();
    void deletePhrase();
    // Puts the latest deleted phrase back where it was, with its id, flags
    // and last use; its shortcut and abbreviation only where no other phrase
    // took them meanwhile. Nothing when nothing was deleted.
    void undoDelete();
    void filterTable(const QString &text);
    void onTableContextMenu(const QPoint &pos);
    // details: a long list shown below the text in a box that scrolls.
    bool showNotice(const QString &text, bool question = false, const QString &details = QString());

    void importBackup();
    void exportBackup();
    void exportCsv();
    void openSettings();
    // Ends the program: stores the panel state, saves, releases every
    // shortcut, hides the tray icon and leaves the event loop.
    void quitApp();
    void toggleStatusBar(bool visible);
    // Steps 2 to 4 of a floating-panel entry: store, show or hide, save.
    void toggleFloatingPanel(bool visible);
    void showAbout();
    void openHelpPage();
    void openContactPage();
    void openPage(int page); // a HelpPages::Page

    // A shortcut field took or gave up the focus.
    void onShortcutCapture(bool active);
    // The show/hide shortcut: hides the window, or shows it with no target
    // remembered.
    void onShowHotkey();
    // The floating panel's row buttons: Copy puts the text on the clipboard
    // (also while paused), Type types it into the panel's last window of
    // another program; the row says what came of it.
    void onFloatingCopy(const QString &id);
    void onFloatingType(const QString &id);
    void showCopied(const QString &id, ClipboardPut put);

protected:
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The compositor whose binding lines Options writes ("sway",
    // "Hyprland"); empty for the others.
    static QString compositorName();
    QWidget *buildTitleBar();
    void buildStatusBar();
    void buildCentralWidget();
    void buildKeysNote();
    QWidget *addNoteStrip(QLabel **text, QPushButton **first, QPushButton **second);
    // The keys the program holds now (the picker's, the window's, the
    // phrases'), each with what other programs use it for; empty when it
    // holds none.
    QString keysNoteText() const;
    void updateKeysNote();
    void dismissKeysNote();
    // Options, with the focus on the picker's shortcut when atShortcuts.
    void openSettingsAt(bool atShortcuts);
    void buildMenus(QWidget *host);
    void buildTray();
    // The dispatcher, the widgets it reaches and its outcomes shown.
    void createDispatcher();
    void onPausedChanged(bool paused);
    void createPicker();
    void createPanel();
    void setUpTable();
    void applyStoredColumnWidths();
    // The window's place and size into the settings (true when they changed),
    // and back onto the window as it is shown.
    bool rememberPlace();
    void restorePlace();
    // Keeps the folder of a file chosen for Export or Import for the next one.
    void rememberBackupFolder(const QString &path);
    // refreshTable; with measure false (a search), the widest name and
    // abbreviation are taken as they were. Until the window is first shown
    // only the totals and the panel follow.
    void fillTable(bool measure);
    void fillRows(bool measure);
    // Widens a column the user has never sized to its header in the language
    // shown: the built widths hold the English words, not "Nombre" or
    // "ショートカット".
    void fitUnsizedColumnsToHeaders();
    void onSectionResized(int column, int oldSize, int newSize);
    // A click on a column's header orders the rows by it, then the other
    // way, then as the list stands; figures start with the largest. The
    // list itself keeps its order.
    void setUpSorting();
    void sortBy(int column);
    void sortRows(QVector<PhraseTableWidget::Row> &rows) const;
    // The status bar's count of uses and characters saved of all phrases.
    void buildTotals();
    void showTotals();
    // The counts' header tips and the totals in the language shown.
    void retranslateCounts();
    void resetStatistics(const QString &id);
    // A phrase went in: its row and the totals show its new counts.
    void onPhraseUsed(const QString &id);
    // Margins and columns for the width the window has now.
    void fitToWidth();
    void fitColumnsToRoom();
    void paintCommandIcons(int theme);
    void fitMinimumSize();
    void retranslateUi();
    void retranslateMenus();
    void onTrayActivated(QSystemTrayIcon::ActivationReason reason);
    // The tray's icon and tool tip say whether shortcuts are paused.
    void updateTrayState();
    void onLanguageChosen(QAction *action);
    // A floating-panel entry toggled by the user: the other entry follows
    // without running the command a second time.
    void onPanelEntryToggled(QAction *other, bool visible);
    void onPanelClosedByUser();
    void setPanelEntriesChecked(bool checked);
    // Copies the panel's opacity, place, size and options into the settings;
    // true when a value changed.
    bool storePanelState();
    // A tray balloon, with the warning icon or the information one.
    void showBalloon(const QString &text, bool warning);
    void updateStatusLabel();
    // Whether the desktop, not the program, runs the shortcuts in Wayland
    // programs (a compositor's bindings, GNOME's custom shortcuts).
    bool needsBindings() const;
    // Asks the desktop whether its configuration binds our commands.
    void checkBindings();
    void onRegistrationFailed(const QString &text);
    // save, refreshTable and registerAll: what follows every list change.
    void commitListChange();
    void registerShortcuts();
    // The phrase id of the table row, or an empty string.
    QString idOfRow(int row) const;
    // The undo entry and button follow what can be taken back.
    void updateUndoDelete();

    PhraseStore *store;
    QTranslator *translator;
    Desktop *desktop;

    MainTitleBar *m_titleBar = nullptr;
    QVBoxLayout *m_centralLayout = nullptr;
    QHBoxLayout *m_buttonRow = nullptr;
    QLineEdit *m_search = nullptr;
    PhraseTableWidget *m_table = nullptr;
    ElidingButton *m_add = nullptr;
    ElidingButton *m_edit = nullptr;
    ElidingButton *m_delete = nullptr;
    ElidingButton *m_import = nullptr;
    ElidingButton *m_export = nullptr;
    ElidingButton *m_settings = nullptr;
    QLabel *m_statusLabel = nullptr;
    QLabel *m_totalsLabel = nullptr;
    int m_sortColumn = -1; // -1: as the list stands
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QWidget *m_roadNote = nullptr;
    QLabel *m_roadLabel = nullptr;
    QPushButton *m_roadButton = nullptr;
    QWidget *m_keysNote = nullptr;
    QLabel *m_keysLabel = nullptr;
    QPushButton *m_keysOptions = nullptr;
    QPushButton *m_keysDismiss = nullptr;
    QWidget *m_copiesNote = nullptr;
    QLabel *m_copiesLabel = nullptr;
    QPushButton *m_copiesMerge = nullptr;
    QPushButton *m_copiesLater = nullptr;
    QStringList m_pendingCopies; // offered now
    QStringList m_putOffCopies;  // "Not now" until the next start
    QTimer *m_columnSaveTimer = nullptr;
    HotkeyManager *m_hotkeys = nullptr;
    std::unique_ptr<PickerWindow> m_picker; // a top-level window of its own
    std::unique_ptr<FloatingPanel> m_panel; // likewise
    QIcon m_icon;
    QIcon m_pausedIcon; // painted for m_theme when first needed
    int m_theme = 1;

    QMenuBar *m_menuBar = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_setupMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    QMenu *m_appearanceMenu = nullptr;
    QAction *m_addAction = nullptr;
    QAction *m_editAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_undoDeleteAction = nullptr;
    QPushButton *m_undoDeleteButton = nullptr;
    QAction *m_importAction = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_exportCsvAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_optionsAction = nullptr;
    QAction *m_pauseAction = nullptr;
    QAction *m_statusBarAction = nullptr;
    QAction *m_panelAction = nullptr;
    QAction *m_classicAction = nullptr;
    QAction *m_tealAction = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_contactAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QActionGroup *m_themeGroup = nullptr;

    QSystemTrayIcon *m_tray = nullptr;
    QMenu *m_trayMenu = nullptr;
    QAction *m_trayShowAction = nullptr;
    QAction *m_trayPauseAction = nullptr;
    QAction *m_trayPanelAction = nullptr;
    QAction *m_traySettingsAction = nullptr;
    QAction *m_trayExitAction = nullptr;

    // The window's frame when it was last hidden to the tray: the close hint
    // is centred on it.
    QRect m_closedFrame;
    // Deleted phrases, the latest last, each with its index in the list.
    struct DeletedPhrase
    {
        Phrase phrase;
        int index = 0;
    };
    QVector<DeletedPhrase> m_deleted;
    // The status bar message that the Undo button belongs to.
    QString m_deleteNotice;
    // The open Options dialog: the tray can ask for it a second time.
    QPointer<QDialog> m_settingsDialog;
    DataLocation::Choice m_dataLocation;

    // True while the program itself sets column widths, so that only the
    // user's resizing is saved.
    bool m_settingWidths = false;
    // The Name column's width as the user (or the built default) set it; a
    // narrow table shows it narrower for a while.
    int m_nameWidth = NameWidth;
    // The widest name and abbreviation in the list, in pixels: the columns
    // the user has not sized fit them.
    int m_widestName = 0;
    bool m_rowsMade = false; // the table's rows wait for the window's first show
    int m_widestAbbreviation = 0;
    // The Abbreviation column's width as the user (or its content) set it;
    // the user's width lasts for the run.
    int m_abbreviationWidth = 0;
    bool m_abbreviationSized = false;
    // The window manager draws the frame and title bar (sway): ours is
    // hidden.
    bool m_managerFrame = false;
    // The desktop's bindings of our commands exist: found in its
    // configuration, written by us (GNOME), or seen running a command.
    bool m_bindingsSeen = false;
    bool m_nativeStylesApplied = false;
    // The panel has been placed from the stored settings (it was shown):
    // until then its place and size are placeholders, not the user's.
    bool m_panelPlaced = false;
    // Shortcuts refused since the last balloon about them.
    QStringList m_refusedShortcuts;
    // A show request that came while a text went out: it follows the text.
    bool m_showPending = false;
    bool m_quitting = false; // nothing is registered again once set
    DataFileWatcher *m_dataFileWatcher = nullptr;
    // After the picker and the panel, so that it goes first: neither can
    // reach it while they are taken down.
    std::unique_ptr<DispatchWidgets> m_dispatchWidgets;
    std::unique_ptr<PhraseDispatcher> m_dispatcher;
};
