#include "store/jsonfile.h"

#include "store/contenthash.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <cstdint>

namespace JsonFile {

namespace {

// Far beyond any real phrase list (100,000 phrases take a few tens of MB),
// and small enough that reading it whole cannot exhaust the address space.
constexpr qint64 maxFileSize = qint64(1) << 30;

// Makes the pages of a large fresh buffer at once: the kernel then need not
// stop the program at each of its pages as it is first written, which at a
// few megabytes costs milliseconds. Only a hint: without it (other systems,
// kernels before 5.14) the pages come one fault at a time, as always.
void prefault(char *data, size_t size)
{
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    const auto page = uintptr_t(sysconf(_SC_PAGESIZE));
    const uintptr_t begin = (uintptr_t(data) + page - 1) & ~(page - 1);
    const uintptr_t end = (uintptr_t(data) + size) & ~(page - 1);
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(data)
    Q_UNUSED(size)
#endif
}

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
    const qint64 size = file.size();
    if (size > maxFileSize)
        return ReadResult::NotAnObject;
    // Into a buffer of the file's size, its pages made in one call instead of
    // a fault each; then whatever was added since the size was taken.
    QByteArray data;
    data.resize(int(size));
    prefault(data.data(), size_t(size));
    const qint64 got = file.read(data.data(), size);
    if (got >= 0) {
        data.resize(int(got));
        data += file.readAll();
        *bytes = data;
    }
    if (got < 0 || file.error() != QFileDevice::NoError) {
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
