#include "hotkeys/hotkeyedit.h"

#include "base/hotkey.h"
#include "hotkeys/hotkeymanager.h"
#include "hotkeys/shortcutcapture.h"
#include "platform/desktop.h"
#include "platform/keyevent.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QSysInfo>

HotkeyEdit::HotkeyEdit(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
    setClearButtonEnabled(false);
    setPlaceholderText(tr("Press a shortcut"));
}

HotkeyEdit::~HotkeyEdit()
{
    releaseKeyboard();
    ShortcutCapture::instance()->end(this);
}

void HotkeyEdit::setHotkey(int mods, int vk)
{
    capture(mods, vk, false);
}

void HotkeyEdit::capture(int mods, int vk, bool heldElsewhere)
{
    heldElsewhere = heldElsewhere && vk != 0;
    const bool changed = mods != m_mods || vk != m_vk || heldElsewhere != m_heldElsewhere;
    m_mods = mods;
    m_vk = vk;
    m_heldElsewhere = heldElsewhere;
    if (vk == 0)
        setText(QString());
    else if (heldElsewhere)
        setText(tr("%1 is held by another program").arg(Hotkey::keyText(mods, vk)));
    else
        setText(Hotkey::keyText(mods, vk));
    if (changed)
        emit hotkeyChanged();
}

void HotkeyEdit::holdKeyboard()
{
    releaseKeyboard();
    if (!m_desktop || !window()->isVisible())
        return;
    QPointer<HotkeyEdit> field(this);
    m_holdingKeyboard =
        m_desktop->shortcuts().holdKeyboard(window()->winId(), [field](const KeyCombination &held) {
            // Only while this field still waits: the press may be told after
            // the focus moved on.
            if (!field || !field->m_holdingKeyboard)
                return;
            // The field keeps what the data file stores. A combination it
            // refuses is told by its reason, as when it is pressed here.
            const int mods = held.storedModifiers();
            const int vk = held.storedKey();
            field->capture(mods, vk,
                           HotkeyManager::refusalOn(field->m_desktop, mods, vk) ==
                               Hotkey::Refusal::None);
        });
}

void HotkeyEdit::releaseKeyboard()
{
    if (!m_holdingKeyboard)
        return;
    m_holdingKeyboard = false;
    if (m_desktop)
        m_desktop->shortcuts().releaseKeyboard();
}

QString HotkeyEdit::layoutNote() const
{
    const int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
    const int mods = m_mods & Hotkey::ModMask;
    if (!m_desktop || m_vk == 0 || (mods != ctrlAlt && mods != (ctrlAlt | Hotkey::ModShift)))
        return QString();
    const QString c = m_desktop->shortcuts().altGrCharacter(KeyCombination::fromStored(mods, m_vk));
    if (c.isEmpty())
        return QString();
    const QString combination = Hotkey::keyText(m_mods, m_vk);
    // On X11 AltGr is a key of its own and the grab takes nothing from it;
    // the data file, and the habit, may still go to Windows.
    if (QSysInfo::kernelType() == QLatin1String("winnt"))
        return tr("%1 types “%2” on this keyboard layout: as a shortcut, it takes that "
                  "character away from typing in every program.")
            .arg(combination, c);
    return tr("AltGr with this key types “%2” on this keyboard layout. On Windows, where "
              "AltGr is Ctrl+Alt, %1 would take that character away from typing.")
        .arg(combination, c);
}

QString HotkeyEdit::takenCharacter() const
{
    QString taken;
    HotkeyManager::refusalOn(m_desktop, m_mods, m_vk, &taken);
    return taken;
}

Hotkey::Refusal HotkeyEdit::refusal() const
{
    return HotkeyManager::refusalOn(m_desktop, m_mods, m_vk);
}

QString HotkeyEdit::refusalMessage() const
{
    switch (refusal()) {
    case Hotkey::Refusal::PasteKey:
        return tr("Ctrl+V, Ctrl+Shift+V, Shift+Insert and Ctrl+Insert paste and copy in every "
                  "program. Choose another shortcut.");
    case Hotkey::Refusal::NoModifier:
        return tr("Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.");
    case Hotkey::Refusal::ShiftTypes:
        return tr("With Shift alone, this key types or selects text in every program. Include "
                  "Ctrl, Alt, or Win.");
    case Hotkey::Refusal::AltGrCharacter:
        return tr("%1 types “%2” on this keyboard layout: as a shortcut, it would take that "
                  "character away from typing in every program. Choose another shortcut.")
            .arg(Hotkey::keyText(m_mods, m_vk), takenCharacter());
    case Hotkey::Refusal::None:
        break;
    }
    return QString();
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
    const int mods = Hotkey::modsFromQt(event->modifiers());
    // Asked only of a combination the field takes: our own shortcuts stand
    // aside meanwhile, so a holder found is another program.
    const bool held = m_desktop &&
                      HotkeyManager::refusalOn(m_desktop, mods, vk) == Hotkey::Refusal::None &&
                      m_desktop->shortcuts().heldElsewhere(KeyCombination::fromStored(mods, vk));
    capture(mods, vk, held);
}

void HotkeyEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    ShortcutCapture::instance()->begin(this);
    holdKeyboard();
}

void HotkeyEdit::focusOutEvent(QFocusEvent *event)
{
    // Also when the dialog goes inactive (another program in front): the
    // shortcuts work there again, and the keyboard is the user's.
    releaseKeyboard();
    ShortcutCapture::instance()->end(this);
    QLineEdit::focusOutEvent(event);
}

void HotkeyEdit::hideEvent(QHideEvent *event)
{
    // A dialog closed with the field focused may send no focus-out first.
    releaseKeyboard();
    ShortcutCapture::instance()->end(this);
    QLineEdit::hideEvent(event);
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
