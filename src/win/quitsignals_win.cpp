#include "platform/quitsignals.h"

namespace QuitSignals {

// Windows ends a GUI program with WM_QUERYENDSESSION / WM_ENDSESSION, which
// Qt turns into the application's own shutdown.
void install(std::function<void()>) {}

} // namespace QuitSignals
