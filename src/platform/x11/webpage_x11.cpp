#include "platform/webpage.h"

#include <QDesktopServices>
#include <QUrl>

namespace WebPage {

bool open(const QUrl &url)
{
    // Hands the address to the desktop's handler (xdg-open and its kin).
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace WebPage
