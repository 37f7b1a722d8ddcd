// The Linux desktop: the X11 connection serves our own windows and X11
// programs; on a Wayland desktop the compositor's roads are added beside it
// for native windows. Without a compositor to reach it is the X11 desktop
// alone.

#include "wayland/compositorchoice.h"
#include "wayland/datacontrolclipboard.h"
#include "wayland/fakeinputkeyboard.h"
#include "wayland/kwinshortcuts.h"
#include "wayland/mutterremotedesktop.h"
#include "wayland/virtualkeyboard.h"
#include "wayland/waylandconnection.h"
#include "wayland/waylanddesktop.h"
#include "wayland/waylandtargets.h"

#include <QX11Info>

// Last: Xlib's macros would spoil Qt's headers.
#include "x11/x11desktop.h"

std::unique_ptr<Desktop> createDesktop()
{
    auto x11 =
        std::make_unique<X11Desktop>(QX11Info::isPlatformX11() ? QX11Info::display() : nullptr);
    return WaylandDesktop::create(std::move(x11), WaylandConnection::open());
}

std::unique_ptr<Desktop> WaylandDesktop::create(std::unique_ptr<X11Desktop> x11,
                                                std::unique_ptr<WaylandConnection> wayland)
{
    if (!wayland)
        return x11;
    WaylandConnection *connection = wayland.get();
    std::unique_ptr<WaylandTargets> wlrootsTargets;
    if (connection->virtualKeyboardManager()) {
        wlrootsTargets = swayTargets();
        if (!wlrootsTargets)
            wlrootsTargets = toplevelTargets(connection, x11.get());
    }
    CompositorOffer offer;
    offer.virtualKeyboard = connection->virtualKeyboardManager() != nullptr;
    offer.wlrootsWindows = wlrootsTargets != nullptr;
    offer.kwin = isKWin(connection);
    // A question on the session bus, asked only where no road before it
    // serves.
    offer.mutterRemoteDesktop =
        chooseCompositor(offer) == Compositor::X11Only && MutterRemoteDesktop::available();

    CompositorServices roads;
    switch (chooseCompositor(offer)) {
    case Compositor::X11Only:
        return x11;
    case Compositor::Wlroots: {
        roads.compositor = Compositor::Wlroots;
        roads.targets = std::move(wlrootsTargets);
        auto keyboard = std::make_shared<VirtualKeyboard>(connection);
        auto clipboard = std::make_shared<DataControlClipboard>(connection);
        roads.keyboard = keyboard.get();
        roads.clipboard = clipboard.get();
        roads.owned = {keyboard, clipboard};
        break;
    }
    case Compositor::KWin: {
        roads.compositor = Compositor::KWin;
        roads.targets = plasmaTargets(connection);
        auto keyboard = std::make_shared<FakeInputKeyboard>(connection);
        auto clipboard = std::make_shared<DataControlClipboard>(connection);
        roads.keyboard = keyboard.get();
        roads.clipboard = clipboard.get();
        roads.owned = {keyboard, clipboard};
        // The program's shortcuts, kept by KWin for it.
        if (auto shortcuts = KWinShortcuts::create()) {
            FakeInputKeyboard *keys = keyboard.get();
            shortcuts->setModifierRelease([keys](int mods) { keys->letGo(mods); });
            roads.shortcuts = shortcuts.get();
            roads.owned.push_back(shortcuts);
        }
        break;
    }
    case Compositor::Mutter: {
        roads.compositor = Compositor::Mutter;
        roads.targets = ownFocusTargets(x11.get());
        auto session = std::make_shared<MutterRemoteDesktop>();
        roads.mutter = session.get();
        roads.keyboard = session.get();
        roads.clipboard = session.get();
        roads.owned = {session};
        break;
    }
    }
    return std::make_unique<WaylandDesktop>(std::move(x11), std::move(wayland), std::move(roads));
}

// KWin names its restricted globals to the programs it trusts only; what it
// offers everyone still tells it apart from other compositors.
bool WaylandDesktop::isKWin(WaylandConnection *connection)
{
    return connection->fakeInput() || connection->windowManagement() ||
           connection->announced("org_kde_plasma_shell") ||
           connection->announced("org_kde_kwin_server_decoration_manager");
}
