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
// *bytes, when given, receives what was read (empty when nothing could be).
ReadResult read(const QString &path, PhraseJson::Document *document, QByteArray *bytes = nullptr);
// The bytes alone, by the same rules: Ok when they could be read whole
// (NotAnObject for a file too large to be a phrase list).
ReadResult readBytes(const QString &path, QByteArray *bytes);
// Parses bytes already read, by the same rules.
ReadResult parse(const QByteArray &bytes, PhraseJson::Document *document);

// A name beside path, free now, for the bytes of a damaged file:
// path.damaged-yyyyMMdd-HHmmss, with -2, -3... when taken.
QString damagedCopyPath(const QString &path);

// folder/fileName, or with -2, -3... before its extension when that is
// taken (by a file or a link): a name for a file kept in the backups.
QString freePathIn(const QString &folder, const QString &fileName);

// Moves a file, by a copy and a removal where a rename cannot (another
// file system). False when it stays where it was, or was copied only.
bool moveFile(const QString &from, const QString &to);

// What a data file looked like when the program last read or wrote it:
// enough to tell whether anything else has written it since. The hash
// decides; size and time alone would miss a sync tool's rewrite of the same
// size within the same second of a coarse file system.
struct Stamp
{
    bool exists = false;
    quint64 hash = 0; // ContentHash::xxh64 of the bytes
    qint64 size = -1;
    qint64 modifiedMs = -1;

    static Stamp of(const QString &path, const QByteArray &bytes);
    bool sameContent(const Stamp &other) const
    {
        return exists == other.exists && (!exists || hash == other.hash);
    }
};

// Writes through a save file, so the old file stays intact unless the new
// one is complete. The file is readable by its owner only: it holds the
// user's private texts.
bool writeAtomically(const QString &path, const QByteArray &bytes);

} // namespace JsonFile
