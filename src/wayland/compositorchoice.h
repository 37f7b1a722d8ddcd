#pragma once

// Which compositor family's roads a Wayland desktop is worked through, told
// by what the compositor offers a program in the background. Pure, so that
// the choice is tested without a compositor.

#include "platform/desktop.h"

struct CompositorOffer
{
    bool virtualKeyboard = false;     // a keyboard of our own (wlroots)
    bool wlrootsWindows = false;      // sway's IPC or the wlroots toplevel list
    bool kwin = false;                // KWin's own globals, offered to us or not
    bool mutterRemoteDesktop = false; // mutter's remote desktop on the session bus
};

// The most exact road the compositor allows; Compositor::X11Only when there is
// none and only X11 programs are reached. KWin is chosen even where it does
// not trust us yet, so that the user learns how to let it.
Compositor chooseCompositor(const CompositorOffer &offer);
