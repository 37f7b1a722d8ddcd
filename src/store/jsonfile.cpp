#include "store/jsonfile.h"

#include "store/contenthash.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace JsonFile {

namespace {

// Far beyond any real phrase list (100,000 phrases take a few tens of MB),
// and small enough that reading it whole cannot exhaust the address space.
constexpr qint64 maxFileSize = qint64(1) << 30;

} // namespace

QString damagedCopyPath(const QString &path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path + QLatin1String(".damaged-") + stamp;
    QString target = base;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    return target;
}

QString freePathIn(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? fileName : fileName.left(dot);
    const QString extension = dot < 0 ? QString() : fileName.mid(dot);
    QString path = dir.filePath(fileName);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = dir.filePath(stem + QLatin1Char('-') + QString::number(n) + extension);
    return path;
}

bool moveFile(const QString &from, const QString &to)
{
    return QFile::rename(from, to) || (QFile::copy(from, to) && QFile::remove(from));
}

Stamp Stamp::of(const QString &path, const QByteArray &bytes)
{
    Stamp stamp;
    const QFileInfo info(path);
    stamp.exists = info.exists();
    if (!stamp.exists)
        return stamp;
    stamp.size = info.size();
    stamp.modifiedMs = info.lastModified().toMSecsSinceEpoch();
    stamp.hash = ContentHash::xxh64(bytes.constData(), size_t(bytes.size()));
    return stamp;
}

ReadResult parse(const QByteArray &bytes, PhraseJson::Document *document)
{
    if (PhraseJson::read(bytes, document) || PhraseJson::readGeneral(bytes, document))
        return ReadResult::Ok;
    return ReadResult::NotAnObject;
}

ReadResult readBytes(const QString &path, QByteArray *bytes)
{
    bytes->clear();
    QFile file(path);
    if (!file.exists())
        return ReadResult::Missing;
    // A folder, a named pipe, a socket or a device is no data file: opening a
    // pipe that nobody writes to would wait for ever, and a device may never
    // end.
    if (!QFileInfo(path).isFile())
        return ReadResult::CannotRead;
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::CannotRead;
    if (file.size() > maxFileSize)
        return ReadResult::NotAnObject;
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        bytes->clear();
        return ReadResult::CannotRead;
    }
    return ReadResult::Ok;
}

ReadResult read(const QString &path, PhraseJson::Document *document, QByteArray *bytesRead)
{
    QByteArray bytes;
    const ReadResult result = readBytes(path, &bytes);
    if (bytesRead)
        *bytesRead = bytes;
    return result == ReadResult::Ok ? parse(bytes, document) : result;
}

bool writeAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Applies to the temporary file, which becomes the real one on commit.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace JsonFile
