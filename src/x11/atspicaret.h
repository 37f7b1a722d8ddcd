#pragma once

// The focused field of another program as its accessibility bus (AT-SPI)
// tells it, the way screen readers learn it: GTK, Qt, Chromium (started with
// --force-renderer-accessibility), Firefox and LibreOffice publish their
// objects there and announce every change of focus. The program follows
// those announcements and keeps the last focused object of each program;
// asked about one, it checks that object directly (a question to the
// program, which also brings in any announcement it sent before). Nothing
// walks a program's tree: a long web page costs what a short one does.
//
// Used by the X11 backend's caret and field queries (and the Wayland
// backend's, for its native windows). Without an accessibility bus, or for a
// program that publishes nothing (Tk, a terminal's prompt, Chromium without
// the switch on Debian), the answer is "unknown". Each question has one
// time limit however many programs and calls it takes, and every answer is
// checked for its form before it is read: any program on the bus may answer
// late, never, or with anything at all.

#include "platform/desktop.h"

#include <QRect>
#include <QtGlobal>

#include <functional>

namespace AtspiCaret {

// Starts following the focus on the accessibility bus, without waiting for
// it: the bus is reached from the event loop. onFocusMoved is called from
// the event loop whenever a program names another object as focused.
// Idempotent; the last function given is kept, and an empty one stops the
// calls.
void followFocus(std::function<void()> onFocusMoved = {});

// The caret of the focused text object of process pid, in screen pixels;
// false when it cannot be found within a few hundred milliseconds. When the
// program publishes objects but names none as focused, its announcement is
// awaited for up to refocusMs: a program names its focus a moment after it
// has the keyboard back.
bool caretRect(quint32 pid, QRect *rect, int refocusMs = 0);

// What the focused object of process pid is: Password by its role,
// ReadOnly or Text by its states. Unknown when the process publishes no
// objects, or every program of it answers and none names an object as
// focused within refocusMs. Unanswered when a program of the process (or
// the registry) has not answered, in a readable form, within
// FieldAnswerLimitMs from the start of the question, or when the process
// publishes more programs than are asked.
FieldKind focusedField(quint32 pid, int refocusMs = 0);

} // namespace AtspiCaret
