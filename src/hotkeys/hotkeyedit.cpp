#include "hotkeys/hotkeyedit.h"

#include "hotkeys/hotkey.h"
#include "platform/keyevent.h"

#include <QEvent>
#include <QKeyEvent>

HotkeyEdit::HotkeyEdit(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
    setClearButtonEnabled(false);
    setPlaceholderText(tr("Press a shortcut"));
}

void HotkeyEdit::setHotkey(int mods, int vk)
{
    m_mods = mods;
    m_vk = vk;
    setText(vk == 0 ? QString() : Hotkey::keyText(mods, vk));
}

void HotkeyEdit::clearHotkey()
{
    setHotkey(0, 0);
}

void HotkeyEdit::keyPressEvent(QKeyEvent *event)
{
    // Every key ends here: none edits the text and none reaches the dialog
    // (Escape must not close it, Enter must not accept it).
    event->accept();
    switch (event->key()) {
    case Qt::Key_Escape:
        clearHotkey();
        return;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return; // wait for the key that completes the combination
    default:
        break;
    }
    const int vk = virtualKeyFromKeyEvent(*event);
    if (vk <= 0)
        return; // a key the stored value cannot name
    setHotkey(Hotkey::modsFromQt(event->modifiers()), vk);
}

void HotkeyEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
}

bool HotkeyEdit::event(QEvent *event)
{
    // A combination that is also a shortcut of the dialog (a mnemonic, Ctrl+W)
    // is meant for the editor while it has the focus. Plain Tab still moves
    // the focus on, so the editor can be left from the keyboard.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}
