#pragma once

// The help and contact pages of the Help menu. Each has one address for
// Chinese-language interfaces and one for all others, kept together in
// helppages.cpp. A "qrc:" address is a page shipped inside the program: it is
// written out as a file first, so that the browser can show it without a
// network and the guide always matches the program.

#include <QString>
#include <QUrl>

#include <functional>

namespace HelpPages {

enum class Page
{
    Help,
    Contact,
};

// The page's address for the interface language code: the Chinese-language
// page when the code begins with "zh", otherwise the page for every other
// language.
QUrl address(Page page, const QString &language);

// The file URL of a shipped page written into folder, rewritten only when its
// content differs; an empty URL when it cannot be read or written. Any other
// address comes back unchanged.
QUrl openableAddress(const QUrl &address, const QString &folder);

// Where shipped pages are written: a "help" folder in the per-user cache.
QString defaultFolder();

// Where the user can open url themselves: a local file's path in the
// system's spelling, else the address.
QString displayLocation(const QUrl &url);

// Opens the page in the default browser. When none takes it, failed runs
// (from the event loop, while context lives) with the page's
// displayLocation, or empty when a shipped page could not be written out.
void open(Page page, const QString &language, QObject *context,
          const std::function<void(const QString &location)> &failed);

} // namespace HelpPages
