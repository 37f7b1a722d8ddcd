#pragma once

// The text caret of another program as its accessibility bus (AT-SPI) tells
// it: GTK and Qt programs publish the focused text and its caret there. Used
// by the X11 backend's caret query; without an accessibility bus, or when the
// program publishes nothing, the answer is "unknown" and the caller falls
// back to the mouse pointer.

#include <QRect>
#include <QtGlobal>

namespace AtspiCaret {

// The caret of the focused text object of process pid, in screen pixels;
// false when it cannot be found within a short time. When the program
// publishes objects but none of them is focused, it is asked again for up to
// refocusMs: a program names its focus a moment after it has the keyboard
// back.
bool caretRect(quint32 pid, QRect *rect, int refocusMs = 0);

// True when the focused object of process pid is a password field; false
// when it is another, or cannot be found.
bool focusedIsPassword(quint32 pid);

} // namespace AtspiCaret
