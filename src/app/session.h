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

// What a Wayland compositor offers a program in the background.
struct CompositorOffer
{
    bool virtualKeyboard = false;     // a keyboard of our own (wlroots)
    bool wlrootsWindows = false;      // sway's IPC or the wlroots toplevel list
    bool kwin = false;                // KWin's own globals, offered to us or not
    bool mutterRemoteDesktop = false; // mutter's remote desktop on the session bus
};

// The roads a Wayland desktop is worked through.
enum class Road
{
    X11Only, // XWayland: X11 programs only
    Wlroots,
    KWin,
    Mutter,
};

// The most exact road the compositor allows. KWin is chosen even where it
// does not trust us yet, so that the user learns how to let it.
Road chooseRoad(const CompositorOffer &offer);

} // namespace Session
