#include "mainwindow/textwidgetinsert.h"

#include "base/textconvert.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>

namespace {

template <typename Edit> bool insertIntoDocument(Edit *edit, const QString &text)
{
    if (edit->isReadOnly())
        return false;
    // Line breaks as a document holds them: CR LF and lone CR would
    // otherwise each make paragraphs of their own.
    const QString t = TextConvert::toLineFeeds(text);
    const QTextCursor cursor = edit->textCursor();
    const int before =
        edit->document()->characterCount() - (cursor.selectionEnd() - cursor.selectionStart());
    edit->insertPlainText(t);
    return edit->document()->characterCount() == before + t.size();
}

} // namespace

void moveCursorBack(QWidget *widget, int characters)
{
    if (characters <= 0)
        return;
    if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        line->cursorBackward(false, characters);
        return;
    }
    const auto back = [characters](auto *edit) {
        QTextCursor cursor = edit->textCursor();
        cursor.movePosition(QTextCursor::Left, QTextCursor::MoveAnchor, characters);
        edit->setTextCursor(cursor);
    };
    if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        back(plain);
    else if (auto *rich = qobject_cast<QTextEdit *>(widget))
        back(rich);
}

bool insertIntoTextWidget(QWidget *widget, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        if (line->isReadOnly())
            return false;
        const int before = line->text().size() - line->selectedText().size();
        line->insert(text);
        return line->text().size() == before + text.size();
    }
    if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        return insertIntoDocument(plain, text);
    if (auto *rich = qobject_cast<QTextEdit *>(widget))
        return insertIntoDocument(rich, text);
    return false;
}
