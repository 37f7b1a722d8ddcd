#pragma once

// The note under a shortcut editor that says when the combination types a
// character on the user's keyboard layout (HotkeyEdit::layoutNote). It follows
// the editor and is hidden while there is nothing to say.

#include <QLabel>

class HotkeyEdit;

class LayoutNote final : public QLabel
{
    Q_OBJECT

public:
    LayoutNote(HotkeyEdit *editor, QWidget *parent);

    // Asks the editor again: after its desktop or the language changed.
    void refresh();

protected:
    void changeEvent(QEvent *event) override;

private:
    HotkeyEdit *editor;
};
