#pragma once

// Which window system the program works through, told by the environment it
// was started in, so that the user can be told what does not reach where.

#include <QProcessEnvironment>

namespace Session {

enum class Kind
{
    Windows,
    X11,          // an X11 desktop: every window is reached
    X11OnWayland, // a Wayland desktop, worked through XWayland: X11 programs only
};

Kind detect(const QProcessEnvironment &environment);

} // namespace Session
