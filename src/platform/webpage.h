#pragma once

// Opens a web page or a local document in the user's default browser: the
// shell's "open" verb on Windows, the desktop's URL handler elsewhere.

class QUrl;

namespace WebPage {

// False when the address is not valid or the system would not open it.
bool open(const QUrl &url);

} // namespace WebPage
