#pragma once

// The modal Options dialog: start-up options, the two command shortcuts (show
// or hide the main window, open the picker) and the picker order. It refuses
// command shortcuts that cannot work and never writes to the store: the
// caller takes settings() from an accepted dialog, stores and applies it.

#include "store/settings.h"
#include "theme/themeddialog.h"

#include <QVector>

#include <functional>

class Desktop;
class HotkeyEdit;
class LayoutNote;
class OrderComboBox;
class PhraseStore;
class QCheckBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class SettingsDialog final : public ThemedDialog
{
    Q_OBJECT

public:
    // showFailed and pickerFailed: the command shortcut is not registered at
    // the moment (another program holds it); its note is shown. store is not
    // owned and must not be null.
    SettingsDialog(PhraseStore *store, bool showFailed, bool pickerFailed,
                   QWidget *parent = nullptr);
    ~SettingsDialog() override;

    // The store's current settings with the fields this dialog edits
    // replaced from the widgets.
    Settings settings() const;
    // The message of the first check that fails, or an empty string.
    QString validationMessage() const;

    // Lets the shortcut editors ask the keyboard layout what a combination
    // types (the notes under them); null asks nothing.
    void setDesktop(Desktop *desktop);
    // What the desktop keeps from the program, shown under the options;
    // empty hides it.
    void setDesktopNote(const QString &text);
    QLabel *desktopNoteLabel() const { return desktopNote; }
    // Lines for the desktop's own key bindings, shown with a Copy button
    // where the program may not hold global shortcuts; empty hides them.
    void setBindingLines(const QString &lines);
    // Where the program writes the desktop's shortcuts itself (GNOME): two
    // buttons beside the lines, each answering what it did.
    void setBindingActions(const QString &applyText, std::function<QString()> apply,
                           const QString &removeText, std::function<QString()> remove);
    QPushButton *applyBindingsButton() const { return applyBindings; }
    QPushButton *removeBindingsButton() const { return removeBindings; }
    QLabel *bindingResultLabel() const { return bindingResult; }
    QPlainTextEdit *bindingLinesView() const { return bindingLines; }
    QPushButton *copyBindingsButton() const { return copyBindings; }

    QCheckBox *startBox() const { return start; }
    QCheckBox *minimizedBox() const { return minimized; }
    HotkeyEdit *showEdit() const { return showEditor; }
    HotkeyEdit *pickerEdit() const { return pickerEditor; }
    OrderComboBox *orderBox() const { return order; }
    OrderComboBox *abbreviationBox() const { return abbreviationMode; }
    // Where no program may read the keys typed in others, the abbreviation
    // setting is greyed out with the reason under it.
    void setAbbreviationsUnavailable(const QString &reason);
    QLabel *showConflictLabel() const { return showConflict; }
    QLabel *pickerConflictLabel() const { return pickerConflict; }
    QLabel *hintLabel() const { return hint; }
    QPushButton *applicationsButton() const { return applications; }
    // The folder of the data file, shown read-only, and the button that
    // moves the list: change picks another folder, moves the list and
    // returns the folder then in use. Without change (a folder given on the
    // command line) the button is greyed out and lockedReason is its tip.
    void setDataFolder(const QString &folder, std::function<QString()> change,
                       const QString &lockedReason = QString());
    QLineEdit *dataFolderLine() const { return dataFolderPath; }
    QPushButton *dataFolderButton() const { return dataFolderChange; }

public slots:
    // The Applications dialog over the rules this dialog holds; accepted,
    // they replace them.
    void editApplications();

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showDataFolder(const QString &folder);
    QHBoxLayout *makeDataFolderRow();
    QFormLayout *makeForm(bool showFailed, bool pickerFailed);
    void addBindingsPanel();
    void setTexts();
    void fillOrderBox();
    void fillAbbreviationBox();
    // Gives the word-wrapped hint the height it needs at its width and grows
    // the dialog to fit it.
    void fitHint();
    void centreOnParent();

    PhraseStore *store;
    bool fitting = false;
    QCheckBox *start = nullptr;
    QCheckBox *minimized = nullptr;
    HotkeyEdit *showEditor = nullptr;
    HotkeyEdit *pickerEditor = nullptr;
    OrderComboBox *order = nullptr;
    QLabel *showLabel = nullptr;
    QLabel *pickerLabel = nullptr;
    QLabel *orderLabel = nullptr;
    OrderComboBox *abbreviationMode = nullptr;
    QLabel *abbreviationLabel = nullptr;
    QLabel *abbreviationNote = nullptr;
    QLabel *showConflict = nullptr;
    QLabel *pickerConflict = nullptr;
    LayoutNote *showNote = nullptr;
    LayoutNote *pickerNote = nullptr;
    QLabel *hint = nullptr;
    QLabel *desktopNote = nullptr;
    QPlainTextEdit *bindingLines = nullptr;
    QPushButton *copyBindings = nullptr;
    QPushButton *applyBindings = nullptr;
    QPushButton *removeBindings = nullptr;
    QLabel *bindingResult = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
    QLabel *applicationsLabel = nullptr;
    QPushButton *applications = nullptr;
    QLabel *dataFolderLabel = nullptr;
    QLineEdit *dataFolderPath = nullptr;
    QPushButton *dataFolderChange = nullptr;
    Desktop *desktop = nullptr;
    QVector<AppRule> appRules; // as edited, until this dialog is accepted
};
