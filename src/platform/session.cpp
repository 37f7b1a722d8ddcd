#include "platform/session.h"

namespace Session {

Kind detect(const QProcessEnvironment &environment)
{
#ifdef Q_OS_WIN
    Q_UNUSED(environment)
    return Kind::Windows;
#else
    // A Wayland compositor names its socket for its clients; a session
    // manager names the session's type. Either says the windows in front
    // may be Wayland ones, which an X11 connection cannot reach.
    const bool wayland = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
                         environment.value(QStringLiteral("XDG_SESSION_TYPE"))
                                 .compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
    return wayland ? Kind::X11OnWayland : Kind::X11;
#endif
}

} // namespace Session
