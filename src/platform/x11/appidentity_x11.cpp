#include "platform/appidentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace

void setProcessAppId(const QString &) {}

QString localServerName(const QString &name)
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !isPrivateFolder(folder)) {
        // The same fallback the XDG rules suggest: a folder of our own in
        // the temporary folder, created user-only.
        folder = QDir::tempPath() + QLatin1String("/scrivlet-runtime-") + QString::number(getuid());
        const QByteArray path = QFile::encodeName(folder);
        if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
            return QString();
        if (!isPrivateFolder(folder))
            return QString();
    }
    return folder + QLatin1Char('/') + name;
}

} // namespace AppIdentity
