#pragma once

// Opens a web page or a local document in the user's default browser: the
// shell's "open" verb on Windows, the desktop's URL handler elsewhere.

#include <functional>

class QObject;
class QUrl;

namespace WebPage {

// How long the desktop's handler has to say it found no browser. A handler
// that runs longer has started one (xdg-open waits for some browsers to
// end).
constexpr int HandlerVerdictMs = 10000;

// Opens url. failed runs once, from the event loop while context lives,
// when no browser took it: at once (an invalid address, no handler) or when
// the desktop's handler gives up within HandlerVerdictMs.
void open(const QUrl &url, QObject *context, const std::function<void()> &failed);

} // namespace WebPage
