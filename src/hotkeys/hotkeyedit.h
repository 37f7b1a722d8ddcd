#pragma once

// The line edit in which the user presses a shortcut. It shows the captured
// combination as keyText and never edits its text from the keyboard.

#include "base/hotkey.h"

#include <QLineEdit>

class Desktop;

class HotkeyEdit final : public QLineEdit
{
    Q_OBJECT

public:
    explicit HotkeyEdit(QWidget *parent = nullptr);
    ~HotkeyEdit() override;

    // vk 0 empties the text.
    void setHotkey(int mods, int vk);
    void clearHotkey();

    int mods() const { return m_mods; }
    int vk() const { return m_vk; }

    // Where the keyboard layout is asked what a combination types; null (the
    // default) asks nothing.
    void setDesktop(Desktop *desktop) { m_desktop = desktop; }
    // A warning for a Ctrl+Alt combination that types a character on the
    // keyboard layout in use (AltGr is Ctrl+Alt on Windows): as a shortcut it
    // takes that character away from typing. Empty when there is none.
    QString layoutNote() const;
    // The character the combination would take away from typing: what
    // AltGr types with its key, where the window system takes AltGr for
    // Ctrl+Alt. Empty otherwise, and without a desktop to ask.
    QString takenCharacter() const;
    // Why the combination cannot be a shortcut here, as a stored one is
    // refused (Hotkey::refusal with takenCharacter).
    Hotkey::Refusal refusal() const;
    // Why the combination cannot be a shortcut, in a sentence for the
    // user; empty when it can (or when the field is empty).
    QString refusalMessage() const;
    // The combination pressed last is one another program holds as its
    // shortcut (the window system said so): the field says so in place of
    // the combination's name. It stays the value: the program takes the
    // shortcut up once the other program lets it go.
    bool isHeldElsewhere() const { return m_heldElsewhere; }
    // While the field has the focus, the keyboard is kept for its window
    // (ShortcutService::holdKeyboard): a combination another program
    // holds comes here instead of setting that program's action off.
    bool holdsKeyboard() const { return m_holdingKeyboard; }

signals:
    void hotkeyChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // While the field has the focus, the program's global shortcuts stand
    // aside (ShortcutCapture).
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool event(QEvent *event) override;

private:
    // A combination pressed in the field, and whether another program holds
    // it as its shortcut.
    void capture(int mods, int vk, bool heldElsewhere);
    void holdKeyboard();
    void releaseKeyboard();

    int m_mods = 0;
    int m_vk = 0;
    Desktop *m_desktop = nullptr;
    bool m_heldElsewhere = false;
    bool m_holdingKeyboard = false;
};
