#pragma once

// A line-per-event report on stderr for tests that run the program as a
// separate process and cannot read its widgets: what it typed, what it told
// the user, when it became idle. Off unless SCRIVLET_TEST_TRACE=1.

#include <QString>

namespace TestTrace {

bool enabled();
// One line; line breaks inside the text are written as "\n" so that every
// event stays on one line.
void line(const QString &text);

} // namespace TestTrace
