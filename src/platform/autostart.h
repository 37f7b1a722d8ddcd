#pragma once

// Starting the program when the user logs in: the "VantokScrivlet" value of
// the per-user Run key on Windows, an XDG autostart entry on Linux. Only the
// Options dialog changes it; start-up never checks or repairs it.

#include <QString>

namespace Autostart {

// The Run value's data for an executable at nativePath (backslashes on
// Windows): the path itself, in double quotes when it contains a space so that
// the shell does not split it. No arguments.
QString runCommand(const QString &nativePath);

// The Exec= value of a desktop entry that starts the executable at path: the
// path quoted by the desktop-entry rules when it holds a character the rules
// reserve, with the characters that need it escaped. No arguments.
QString desktopExec(const QString &path);

// Writes (enabled) or removes (not enabled) the entry for this program's own
// executable. Removing an entry that is not there succeeds. False when the
// entry could not be written or removed; nothing is reported.
bool apply(bool enabled);

// The same for the executable at executablePath; apply(bool) passes the
// running program's path.
bool apply(bool enabled, const QString &executablePath);

// Whether an entry exists (whatever program it names).
bool isEnabled();

// The command the entry holds (the Run value's data, the Exec= value), or an
// empty string when there is no entry.
QString storedCommand();

} // namespace Autostart
