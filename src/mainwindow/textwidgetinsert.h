#pragma once

// Puts text into one of our own editable text widgets directly. A phrase
// shortcut pressed while our own search box or editor has the focus must not
// go the way of another program's window: our synthesised keys and our
// clipboard would be served by our own event loop only after the paste has
// been judged and the clipboard put back.

class QString;
class QWidget;

// Inserts text at the cursor of widget (a QLineEdit, QPlainTextEdit or
// QTextEdit that is not read-only), replacing its selection, as a paste
// would; false for any other widget and when the widget did not take the
// whole text (a length limit, a validator).
bool insertIntoTextWidget(QWidget *widget, const QString &text);
// Moves the cursor of such a widget back over characters characters, as
// that many Left presses would.
void moveCursorBack(QWidget *widget, int characters);
