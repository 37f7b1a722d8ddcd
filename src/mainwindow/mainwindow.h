#pragma once

// The program's main window: the phrase table with its commands under the
// custom title bar, and the hub of the main road, where a global shortcut
// becomes text in another program's window. It owns the hotkey manager; the
// store, the translator and the desktop belong to the entry point.

#include "platform/desktop.h"

#include <QIcon>
#include <QMainWindow>
#include <QString>

#include <memory>

class HotkeyManager;
class MainTitleBar;
class PhraseStore;
class PickerWindow;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
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
        NameColumn = 0,
        ShortcutColumn = 1,
        TextColumn = 2,
        EnabledColumn = 3,
    };
    static constexpr int NameWidth = 77;
    static constexpr int ShortcutWidth = 88;
    static constexpr int EnabledWidth = 64;
    static constexpr int MinColumnWidth = 24;
    static constexpr int MaxColumnWidth = 2000;
    static constexpr int ColumnSaveDelayMs = 400;
    static constexpr int RowHeight = 28;
    static constexpr int RegistrationNoticeMs = 6000;
    static constexpr int LegacyImportNoticeMs = 8000;
    // The picker shortcut: the longest wait for its key to go up, and for the
    // picker to get the keyboard focus.
    static constexpr int ShortcutReleaseWaitMs = 400;
    static constexpr int PickerFocusWaitMs = 600;

    // None of the three is owned; desktop may be null (no window system:
    // nothing is registered and nothing typed).
    MainWindow(PhraseStore *store, QTranslator *translator, Desktop *desktop,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // Clears the remembered target and shows the window normal, raised and
    // active: a second start and the tray's show command.
    void showMainWindow();
    // Installs the catalogue of code (none for English or an unknown code) and
    // lets every top-level window set its texts again.
    void applyLanguage(const QString &code);
    // Fills the table from the store, filtered by the search box.
    void refreshTable();
    void saveColumnWidths();

    bool paused() const { return m_paused; }
    WindowHandle targetWindow() const { return m_targetWindow; }
    HotkeyManager *hotkeys() const { return m_hotkeys; }
    QTableWidget *table() const { return m_table; }
    QLineEdit *searchBox() const { return m_search; }
    QLabel *statusLabel() const { return m_statusLabel; }
    MainTitleBar *titleBar() const { return m_titleBar; }
    PickerWindow *picker() const { return m_picker.get(); }

public slots:
    void addPhrase();
    void editPhrase();
    void deletePhrase();
    void filterTable(const QString &text);
    void onTableContextMenu(const QPoint &pos);
    bool showNotice(const QString &text, bool question = false);

    // Later commands of the menus; the buttons already lead here.
    void importBackup();
    void exportBackup();
    void openSettings();
    // Ends the program: releases every shortcut and leaves the event loop.
    void quitApp();

    void onShowHotkey();
    void onPickerHotkey();
    void onPhraseHotkey(const QString &id);
    void onPhraseChosen(const QString &id);
    void typePhrase(const QString &id);
    void togglePause();

protected:
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildCentralWidget();
    void createPicker();
    void setUpTable();
    void applyStoredColumnWidths();
    void onSectionResized(int column, int oldSize, int newSize);
    void applyTheme(int theme);
    void paintCommandIcons(int theme);
    void retranslateUi();
    void updateStatusLabel();
    void onRegistrationFailed(const QString &text);
    // save, refreshTable and registerAll: what follows every list change.
    void commitListChange();
    void registerShortcuts();
    // The phrase id of the table row, or an empty string.
    QString idOfRow(int row) const;
    bool isOwnWindow(WindowHandle window) const;

    PhraseStore *store;
    QTranslator *translator;
    Desktop *desktop;

    MainTitleBar *m_titleBar = nullptr;
    QVBoxLayout *m_centralLayout = nullptr;
    QLineEdit *m_search = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_import = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_settings = nullptr;
    QLabel *m_statusLabel = nullptr;
    QTimer *m_columnSaveTimer = nullptr;
    HotkeyManager *m_hotkeys = nullptr;
    std::unique_ptr<PickerWindow> m_picker; // a top-level window of its own
    QIcon m_icon;
    int m_theme = 1;

    // True while the program itself sets column widths, so that only the
    // user's resizing is saved.
    bool m_settingWidths = false;
    bool m_nativeStylesApplied = false;
    bool m_paused = false;
    WindowHandle m_targetWindow = 0;
};
