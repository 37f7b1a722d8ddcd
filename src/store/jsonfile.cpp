#include "store/jsonfile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>

namespace JsonFile {

namespace {

// Far beyond any real phrase list (100,000 phrases take a few tens of MB),
// and small enough that reading it whole cannot exhaust the address space.
constexpr qint64 maxFileSize = qint64(1) << 30;

} // namespace

ReadResult read(const QString &path, QJsonObject *object)
{
    QFile file(path);
    if (!file.exists())
        return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::CannotRead;
    if (file.size() > maxFileSize)
        return ReadResult::NotAnObject;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ReadResult::CannotRead;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return ReadResult::NotAnObject;
    *object = doc.object();
    return ReadResult::Ok;
}

bool writeAtomically(const QString &path, const QJsonObject &object)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Applies to the temporary file, which becomes the real one on commit.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace JsonFile
