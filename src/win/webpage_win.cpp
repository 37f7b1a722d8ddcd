#include "platform/webpage.h"

#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <windows.h>

#include <shellapi.h>

namespace WebPage {

void open(const QUrl &url, QObject *context, const std::function<void()> &failed)
{
    bool opened = false;
    if (url.isValid()) {
        // A local page goes by its path: the shell drops a file URL's
        // escapes on some systems and then opens nothing.
        const QString target = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile())
                                                 : url.toString(QUrl::FullyEncoded);
        const HINSTANCE result =
            ShellExecuteW(nullptr, L"open", reinterpret_cast<const wchar_t *>(target.utf16()),
                          nullptr, nullptr, SW_SHOWNORMAL);
        // Values above 32 mean success.
        opened = reinterpret_cast<INT_PTR>(result) > 32;
    }
    if (opened)
        return;
    const QPointer<QObject> guard(context);
    QTimer::singleShot(0, [guard, failed] {
        if (guard && failed)
            failed();
    });
}

} // namespace WebPage
