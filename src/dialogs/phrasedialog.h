#pragma once

// The modal editor of one phrase. It checks the rules a phrase must meet before
// it enters the list (some text, not too long, not a duplicate, a free
// shortcut) and never writes to the store: the caller stores an accepted
// result.

#include "store/phrase.h"
#include "theme/themeddialog.h"

class HotkeyEdit;
class PhraseStore;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

class PhraseDialog final : public ThemedDialog
{
    Q_OBJECT

public:
    static constexpr int MaxTextLength = 100000;
    static constexpr int MaxNameLength = 40;

    // store may be null: the duplicate and shortcut checks are then skipped.
    PhraseDialog(const Phrase &phrase, PhraseStore *store, bool editing, QWidget *parent = nullptr);

    // The phrase as the widgets hold it; lastUsed is 0.
    Phrase phrase() const;
    // The message of the first check that fails, or an empty string.
    QString validationMessage() const;

    HotkeyEdit *hotkeyEdit() const { return hotkey; }
    QLineEdit *nameEdit() const { return name; }
    QPlainTextEdit *textEdit() const { return text; }
    QCheckBox *enabledBox() const { return enabled; }

public slots:
    void accept() override;

private:
    PhraseStore *store;
    QString id;
    QLineEdit *name = nullptr;
    HotkeyEdit *hotkey = nullptr;
    QPlainTextEdit *text = nullptr;
    QCheckBox *enabled = nullptr;
};
