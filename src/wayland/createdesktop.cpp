// The Linux desktop: the X11 connection serves our own windows and X11
// programs; on a Wayland desktop the compositor's roads are added beside it
// for native windows. Without a compositor to reach it is the X11 desktop
// alone.

#include "wayland/waylandconnection.h"
#include "wayland/waylanddesktop.h"
#include "x11/x11desktop.h"

#include <QX11Info>

std::unique_ptr<Desktop> createDesktop()
{
    auto x11 =
        std::make_unique<X11Desktop>(QX11Info::isPlatformX11() ? QX11Info::display() : nullptr);
    return WaylandDesktop::create(std::move(x11), WaylandConnection::open());
}
