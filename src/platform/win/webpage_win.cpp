#include "platform/webpage.h"

#include <QDir>
#include <QUrl>

#include <windows.h>

#include <shellapi.h>

namespace WebPage {

bool open(const QUrl &url)
{
    if (!url.isValid())
        return false;
    // A local page goes by its path: the shell drops a file URL's escapes
    // on some systems and then opens nothing.
    const QString target = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile())
                                             : url.toString(QUrl::FullyEncoded);
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", reinterpret_cast<const wchar_t *>(target.utf16()), nullptr,
                      nullptr, SW_SHOWNORMAL);
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace WebPage
