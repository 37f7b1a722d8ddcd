#pragma once

// The modal editor of one phrase. It checks the rules a phrase must meet before
// it enters the list (some text, not too long, not a duplicate, a free
// shortcut and abbreviation) and never writes to the store: the caller stores an accepted
// result.

#include "store/phrase.h"
#include "theme/themeddialog.h"

class Desktop;
class HotkeyEdit;
class LayoutNote;
class PhraseStore;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class PhraseDialog final : public ThemedDialog
{
    Q_OBJECT

public:
    static constexpr int MaxTextLength = 100000;
    static constexpr int MaxNameLength = 40;

    // store may be null: the duplicate and shortcut checks are then skipped.
    PhraseDialog(const Phrase &phrase, PhraseStore *store, bool editing, QWidget *parent = nullptr);

    // The phrase as the widgets hold it; lastUsed is 0. A text the user did
    // not change is the stored one, code unit for code unit; an edited one
    // keeps no-break spaces and line separators as the editor holds them.
    Phrase phrase() const;
    // The message of the first check that fails, or an empty string.
    QString validationMessage() const;

    // Lets the shortcut editor ask the keyboard layout what a combination
    // types (the note under it); null asks nothing.
    void setDesktop(Desktop *desktop);
    // How a shortcut comes to work where the desktop, not the program, runs
    // it (a binding of the compositor, a GNOME custom shortcut), shown under
    // the shortcut; empty hides it.
    void setShortcutNote(const QString &note);
    // Where no abbreviation expands, the reason takes the place of the hint
    // that promises them.
    void setAbbreviationsUnavailable(const QString &reason);

    HotkeyEdit *hotkeyEdit() const { return hotkey; }
    LayoutNote *layoutNote() const { return note; }
    QLineEdit *nameEdit() const { return name; }
    QPlainTextEdit *textEdit() const { return text; }
    QCheckBox *enabledBox() const { return enabled; }
    QLineEdit *abbreviationEdit() const { return abbreviation; }
    QCheckBox *placeholdersBox() const { return placeholders; }
    QCheckBox *matchCaseBox() const { return matchCase; }
    QLabel *shortcutNoteLabel() const { return shortcutNote; }
    QLabel *abbreviationHintLabel() const { return abbreviationHint; }

public slots:
    void accept() override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QPushButton *addShortcutFields();
    void addPhraseFields();
    void showPhrase(const Phrase &phrase);
    // The editor's text with nothing turned into something else.
    QString editorText() const;
    // Gives each wrapped note the height its text takes at its width (a
    // layout counts a wrapped label as one line), and the dialog the height
    // they add up to.
    void fitNotes();
    // "It belongs to “Name”." for the phrase with that id; empty when there
    // is none.
    QString belongsTo(const QString &phraseId) const;

    PhraseStore *store;
    QString id;
    QString storedText;   // what the phrase held when the dialog opened
    QString textAsOpened; // editorText() right after it was filled
    QLineEdit *name = nullptr;
    HotkeyEdit *hotkey = nullptr;
    LayoutNote *note = nullptr;
    QPlainTextEdit *text = nullptr;
    QCheckBox *enabled = nullptr;
    QLineEdit *abbreviation = nullptr;
    QCheckBox *placeholders = nullptr;
    QCheckBox *matchCase = nullptr;
    QLabel *shortcutNote = nullptr;
    QLabel *abbreviationHint = nullptr;
    bool fitting = false;
};
