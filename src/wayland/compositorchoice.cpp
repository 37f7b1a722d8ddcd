#include "wayland/compositorchoice.h"

Compositor chooseCompositor(const CompositorOffer &offer)
{
    // A keyboard of our own types every character whatever the layout; it
    // needs to know who is in front.
    if (offer.virtualKeyboard && offer.wlrootsWindows)
        return Compositor::Wlroots;
    if (offer.kwin)
        return Compositor::KWin;
    if (offer.mutterRemoteDesktop)
        return Compositor::Mutter;
    return Compositor::X11Only;
}
