#include "store/datalocation.h"

#include "store/jsonfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace DataLocation {

namespace {

const char pointerKey[] = "dataFolder";

// A pointer is a few hundred bytes: anything much larger is not one.
constexpr qint64 maxPointerSize = 64 * 1024;

} // namespace

QString defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString pointerPath(const QString &defaultFolder)
{
    return defaultFolder + QLatin1String("/location.json");
}

QString absoluteFolder(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

bool sameFolder(const QString &a, const QString &b)
{
    const auto resolved = [](const QString &path) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        return canonical.isEmpty() ? absoluteFolder(path) : canonical;
    };
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return resolved(a).compare(resolved(b), cs) == 0;
}

QString readPointer(const QString &defaultFolder)
{
    QFile file(pointerPath(defaultFolder));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly) ||
        file.size() > maxPointerSize)
        return QString();
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    const QString folder = doc.object().value(QLatin1String(pointerKey)).toString();
    // Only a whole path: a relative one would depend on where the program
    // happens to be started.
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return QString();
    return QDir::cleanPath(folder);
}

bool writePointer(const QString &defaultFolder, const QString &folder)
{
    const QString path = pointerPath(defaultFolder);
    if (sameFolder(folder, defaultFolder))
        return !QFileInfo::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(defaultFolder))
        return false;
    const QJsonObject object{{QLatin1String(pointerKey), absoluteFolder(folder)}};
    return JsonFile::writeAtomically(path, QJsonDocument(object).toJson());
}

FolderCheck checkFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return info.isSymLink() ? FolderCheck::NotOwned : FolderCheck::Missing;
    if (!info.isDir())
        return FolderCheck::NotAFolder;
#ifdef Q_OS_UNIX
    // Each step of the path that is a link, and the folder it ends in, must
    // be the user's (or the system's, for links such as /var -> /private/var):
    // a link another user planted could later point the list elsewhere, and
    // a folder of theirs lets them read the list or swap the file.
    const uid_t me = ::geteuid();
    const QStringList parts = absoluteFolder(folder).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString step;
    for (const QString &part : parts) {
        step += QLatin1Char('/') + part;
        struct stat st;
        if (::lstat(QFile::encodeName(step).constData(), &st) != 0)
            return FolderCheck::Missing;
        if (S_ISLNK(st.st_mode) && st.st_uid != me && st.st_uid != 0)
            return FolderCheck::NotOwned;
    }
    struct stat st;
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return FolderCheck::Missing;
    if (st.st_uid != me)
        return FolderCheck::NotOwned;
#endif
    return FolderCheck::Usable;
}

bool canWriteIn(const QString &folder)
{
    QTemporaryFile probe(folder + QLatin1String("/.write-check-XXXXXX"));
    return probe.open() && probe.write("x", 1) == 1 && probe.flush();
}

QString backupsFolder(const QString &localFolder)
{
    return localFolder + QLatin1String("/backups");
}

Choice choose(const QString &defaultFolder, const QString &commandLineFolder)
{
    Choice choice;
    choice.localFolder = defaultFolder;
    choice.folder = defaultFolder;
    if (!commandLineFolder.isEmpty()) {
        // Portable: the folder given is all there is, backups included.
        choice.folder = absoluteFolder(commandLineFolder);
        choice.localFolder = choice.folder;
        choice.fromCommandLine = true;
        return choice;
    }
    const QString pointed = readPointer(defaultFolder);
    if (!pointed.isEmpty() && checkFolder(pointed) == FolderCheck::NotOwned) {
        choice.refusedFolder = pointed;
    } else if (!pointed.isEmpty()) {
        choice.folder = pointed;
        choice.fromPointer = true;
    }
    return choice;
}

} // namespace DataLocation
