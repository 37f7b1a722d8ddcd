#pragma once

// Ends the event loop, instead of the process, when the system asks the
// program to stop (SIGTERM at logout, SIGINT from a terminal): the normal way
// out saves nothing new but releases the shortcuts and puts back keyboard
// keys typing had borrowed. Where there are no such signals, nothing happens.

#include <functional>

namespace QuitSignals {

// Call once, with the application made; a signal then calls quit from the
// event loop.
void install(std::function<void()> quit);

} // namespace QuitSignals
