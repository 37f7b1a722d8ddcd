#include "platform/appidentity.h"

// windows.h first: shobjidl.h relies on its types.
#include <windows.h>

#include <shobjidl.h>

namespace AppIdentity {

void setProcessAppId(const QString &id)
{
    SetCurrentProcessExplicitAppUserModelID(reinterpret_cast<PCWSTR>(id.utf16()));
}

QString localServerName(const QString &name)
{
    return name;
}

} // namespace AppIdentity
