#include "hotkeys/layoutnote.h"

#include "hotkeys/hotkeyedit.h"

#include <QEvent>

LayoutNote::LayoutNote(HotkeyEdit *editor, QWidget *parent) : QLabel(parent), editor(editor)
{
    setObjectName(QStringLiteral("layoutNote"));
    setWordWrap(true);
    // It quotes what a key types, which may be "<".
    setTextFormat(Qt::PlainText);
    // Amber: a warning the user may go past; a refusal is red.
    setStyleSheet(QStringLiteral("color: #b35900; font-size: 12px;"));
    setVisible(false);
    connect(editor, &HotkeyEdit::hotkeyChanged, this, &LayoutNote::refresh);
}

void LayoutNote::refresh()
{
    const QString note = editor->layoutNote();
    setText(note);
    setVisible(!note.isEmpty());
}

void LayoutNote::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        refresh();
}
