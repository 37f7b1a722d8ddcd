#pragma once

// The few start-up steps that differ between platforms.

#include <QString>

namespace AppIdentity {

// Groups the process's windows under this id in the Windows taskbar; a no-op
// where there are no application user model ids. The result is not needed.
void setProcessAppId(const QString &id);

// The name to give the local server of the single-instance channel: the
// plain name on Windows (the pipe is restricted to the user by its access
// list), a socket path in the user's own runtime folder on Linux. Empty when
// no folder private to the user could be found or made.
QString localServerName(const QString &name);

} // namespace AppIdentity
