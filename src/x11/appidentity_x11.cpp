#include "platform/appidentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace AppIdentity {

namespace {

// A real folder (not a link) that belongs to us and that nobody else may
// enter.
bool isPrivateFolder(const QString &path)
{
    struct stat st;
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

// Makes path user-only if it is missing; true when it is then a private
// folder of ours (made now, or earlier). One of ours that others may read
// but never wrote in is narrowed; one others could write in is not ours to
// trust.
bool makePrivateFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st;
    if (lstat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
        (st.st_mode & 077) != 0 && (st.st_mode & 022) == 0)
        chmod(name.constData(), 0700);
    return isPrivateFolder(path);
}

} // namespace

void setProcessAppId(const QString &) {}

QString localServerName(const QString &name, QString *takenFolder)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return runtime + QLatin1Char('/') + name;
    // The fallback the XDG rules suggest: a folder of our own in the
    // temporary folder, created user-only.
    const QString shared =
        QDir::tempPath() + QLatin1String("/scrivlet-runtime-") + QString::number(getuid());
    if (makePrivateFolder(shared))
        return shared + QLatin1Char('/') + name;
    // Anyone may make a folder by that name first. Then the user's cache,
    // which is the user's alone; one folder per machine, for a home shared
    // between machines (a socket serves the machine it was made on).
    if (takenFolder)
        *takenFolder = shared;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return QString();
    const QString own = cache + QLatin1String("/scrivlet-runtime-") + QSysInfo::machineHostName();
    if (makePrivateFolder(own))
        return own + QLatin1Char('/') + name;
    return QString();
}

} // namespace AppIdentity
