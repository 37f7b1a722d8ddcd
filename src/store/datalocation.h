#pragma once

// Where the data file lives. The usual data folder is the system's
// application data folder; the user may keep the list elsewhere (a synced
// folder), which a small pointer file in the usual folder remembers on this
// machine only, never inside the synced list. --data-dir names a folder for
// one run and leaves both alone. Pure QtCore: no messages.

#include <QString>

namespace DataLocation {

// The system's application data folder (QStandardPaths::AppDataLocation).
QString defaultFolder();

// The pointer file in the usual folder: location.json, {"dataFolder": PATH}.
QString pointerPath(const QString &defaultFolder);
// The absolute folder the pointer names; empty when there is no pointer, or
// it is not one (unreadable, malformed, a relative path).
QString readPointer(const QString &defaultFolder);
// Remembers folder as the data folder: written atomically, readable by the
// user only. Pointing back at the usual folder removes the pointer.
bool writePointer(const QString &defaultFolder, const QString &folder);

// path made absolute against the current folder, without . and ..
QString absoluteFolder(const QString &path);
// The same folder, links resolved where the folders exist (and letter case
// ignored on Windows).
bool sameFolder(const QString &a, const QString &b);

enum class FolderCheck
{
    Usable,
    Missing,
    NotAFolder,
    // Unix: the folder, or a link on the way to it, belongs to someone else:
    // its owner could read the list or swap the file under us.
    NotOwned,
};
FolderCheck checkFolder(const QString &folder);
// Whether a file can be made in folder now: one is made there and removed.
bool canWriteIn(const QString &folder);

// The backups that stay on this machine: <local folder>/backups.
QString backupsFolder(const QString &localFolder);

// Where this run keeps its list, decided at start-up.
struct Choice
{
    QString folder;               // the data folder
    QString localFolder;          // for what stays on this machine (backups, the pointer)
    bool fromCommandLine = false; // --data-dir: nothing else is read or written
    bool fromPointer = false;     // a folder the user chose in Options
    // The pointer named a folder of another user (or a link of theirs): the
    // usual folder serves instead, and the user is told.
    QString refusedFolder;
};
// commandLineFolder: --data-dir's value as given (relative to the current
// folder), or empty. A pointer to a folder that is missing is followed all
// the same (see PhraseStore::setMayCreateDataFolder).
Choice choose(const QString &defaultFolder, const QString &commandLineFolder);

} // namespace DataLocation
