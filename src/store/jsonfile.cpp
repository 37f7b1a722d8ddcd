#include "store/jsonfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace JsonFile {

namespace {

// Far beyond any real phrase list (100,000 phrases take a few tens of MB),
// and small enough that reading it whole cannot exhaust the address space.
constexpr qint64 maxFileSize = qint64(1) << 30;

} // namespace

ReadResult read(const QString &path, PhraseJson::Document *document)
{
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
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ReadResult::CannotRead;
    if (PhraseJson::read(bytes, document) || PhraseJson::readGeneral(bytes, document))
        return ReadResult::Ok;
    return ReadResult::NotAnObject;
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
