#pragma once

// Reading and writing the store's JSON files (data file and backups).

#include "store/phrasejson.h"

#include <QByteArray>
#include <QString>

namespace JsonFile {

enum class ReadResult
{
    Ok,
    Missing,
    CannotRead,
    NotAnObject
};

// Reads a whole file as one JSON object into its phrases (every element of
// "phrases" that is an object) and its "settings" object. Anything that is
// not a complete, valid JSON object (empty, truncated, not UTF-8, nested too
// deeply, too large, an array at the top) is NotAnObject; a path that is not
// a regular file (a folder, a pipe, a device) is CannotRead, without being
// opened.
ReadResult read(const QString &path, PhraseJson::Document *document);

// Writes through a save file, so the old file stays intact unless the new
// one is complete. The file is readable by its owner only: it holds the
// user's private texts.
bool writeAtomically(const QString &path, const QByteArray &bytes);

} // namespace JsonFile
