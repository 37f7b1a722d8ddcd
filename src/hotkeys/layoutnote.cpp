#include "hotkeys/layoutnote.h"

#include "hotkeys/hotkeyedit.h"

#include <QEvent>

LayoutNote::LayoutNote(HotkeyEdit *editor, QWidget *parent) : QLabel(parent), editor(editor)
{
    setObjectName(QStringLiteral("layoutNote"));
    setWordWrap(true);
    // It quotes what a key types, which may be "<".
    setTextFormat(Qt::PlainText);
    setVisible(false);
    connect(editor, &HotkeyEdit::hotkeyChanged, this, &LayoutNote::refresh);
}

void LayoutNote::refresh()
{
    const QString refusal = editor->refusalMessage();
    refusing = !refusal.isEmpty();
    const QString note = refusing ? refusal : editor->layoutNote();
    // Red: the dialog will not take the combination; amber: a warning the
    // user may go past.
    setStyleSheet(refusing ? QStringLiteral("color: #c62828; font-size: 12px;")
                           : QStringLiteral("color: #b35900; font-size: 12px;"));
    setText(note);
    setVisible(!note.isEmpty());
}

void LayoutNote::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        refresh();
}
