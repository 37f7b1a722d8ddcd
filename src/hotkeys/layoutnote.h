#pragma once

// The note under a shortcut editor. It says at once why a combination just
// pressed cannot be a shortcut (HotkeyEdit::refusalMessage: a bare letter,
// Shift with a typing key, ...), rather than only when the dialog is
// accepted; otherwise it warns when the combination types a character on the
// user's keyboard layout (HotkeyEdit::layoutNote). It follows the editor and
// is hidden while there is nothing to say.

#include <QLabel>

class HotkeyEdit;

class LayoutNote final : public QLabel
{
    Q_OBJECT

public:
    LayoutNote(HotkeyEdit *editor, QWidget *parent);

    // Asks the editor again: after its desktop or the language changed.
    void refresh();
    // The note says why the combination is refused (not only a warning).
    bool isRefusal() const { return refusing; }

protected:
    void changeEvent(QEvent *event) override;

private:
    HotkeyEdit *editor;
    bool refusing = false;
};
