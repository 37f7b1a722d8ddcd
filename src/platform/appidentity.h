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
// no folder private to the user could be found or made. Without a runtime
// folder, Linux uses one of its own in the temporary folder; when that one
// is not the user's alone (another user made it first, or may write in it),
// *takenFolder names it (to tell the user) and a folder in the user's cache
// is used instead, which every start of the user's finds alike and nobody
// else can take.
QString localServerName(const QString &name, QString *takenFolder = nullptr);

} // namespace AppIdentity
