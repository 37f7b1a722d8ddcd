#pragma once

// Readers of other text expanders' files: Espanso's YAML match files,
// Beeftext's JSON export and CSV, and a plain CSV of name, text and
// abbreviation (the one File > Export to CSV writes). Pure: bytes in,
// phrases and notes out; the store merges the phrases as it merges a backup.
//
// An entry is taken whole or not at all: one that holds anything this
// program cannot do the same way (a shell command, a regular expression
// trigger, a form, an image, an unknown variable) is left out with a note
// that says which entry and why, never half converted.

#include "store/phrase.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace ForeignImport {

enum class Format
{
    Unknown,
    Backup, // our own JSON: the store's backup import reads it
    Espanso,
    BeeftextJson,
    BeeftextCsv,
    PlainCsv,
};

// Why an entry was not imported (or imported without a part of it).
enum class Reason
{
    RegexTrigger,     // a trigger that is a regular expression
    NoTrigger,        // no trigger and no text
    BadTrigger,       // a trigger with white space or over 32 characters
    ShellOrScript,    // runs a program
    Form,             // a form, a choice or a random pick
    Image,            // an image
    RichText,         // HTML or Markdown
    NestedMatch,      // another entry's text, or a global variable
    UnknownVariable,  // a variable of a type we do not know, or not defined
    DateFormat,       // a date format with a part Qt's formats cannot say
    DateOffset,       // an offset that is not whole minutes
    OtherFile,        // another file named by "imports": not read
    Malformed,        // an entry that is not a mapping, a value of the wrong type
    EmptyText,        // no text
    BeeftextVariable, // a Beeftext #{...} that has no placeholder here
    TooLarge,         // its text, or the file's texts together, past the limits below
    DateOffsetRange,  // an offset of a million days or more
};

struct Note
{
    QString entry; // the trigger, label or keyword: one short line
    Reason reason = Reason::Malformed;
    QString detail; // the variable, the format part... ; may be empty
};

struct Result
{
    QVector<Phrase> phrases;
    // Per phrase: the index of the entry it came from. Espanso's entry with
    // several triggers gives one phrase per trigger, all with the same text:
    // they are one entry, not duplicates of each other.
    QVector<int> entries;
    // The first MaxNotes notes; how many more there were.
    QVector<Note> notes;
    int moreNotes = 0;
    // Why the file as a whole could not be read, when read() is false.
    QString error;
};

// By content first (JSON's shape, a CSV header), then by the name's suffix.
Format detect(const QString &fileName, const QByteArray &bytes);

// Whether this build reads Espanso's files (it needs libyaml).
bool canReadEspanso();

// False when the file is not of that format at all (nothing in *result but
// error); true with whatever phrases and notes it gave otherwise.
bool readEspanso(const QByteArray &bytes, Result *result);
bool readBeeftextJson(const QByteArray &bytes, Result *result);
// Beeftext's keyword,snippet,name rows (with or without that header) or the
// plain name,text,abbreviation with its header (columns in any order).
bool readCsv(const QByteArray &bytes, Format format, Result *result);

// An strftime-like date format (Espanso's) in Qt's form, literal text
// quoted. Empty with *unknown set to the part when one has no equivalent.
QString qtDateFormat(const QString &format, QString *unknown);
// An offset in seconds as our placeholders write it: "+1d", "-2h30m";
// empty for 0; *ok false when it is not whole minutes.
QString offsetText(qint64 seconds, bool *ok);

// name,text,abbreviation with that header, RFC 4180, CRLF line ends, every
// field quoted: spreadsheets open it as it is and readCsv reads it back.
QByteArray writeCsv(const QVector<Phrase> &phrases);

// English text of a reason, through the translator of the context
// "ForeignImport".
QString reasonText(Reason reason);
// Appends the note, or only counts it once MaxNotes are kept.
void addNote(Result *result, const Note &note);
// "entry: reason (detail)" lines, each short and on one line.
QStringList noteLines(const QVector<Note> &notes);

// The limits a file must keep to: larger or deeper ones are refused whole.
constexpr qint64 MaxFileBytes = qint64(64) << 20;
constexpr int MaxDepth = 64;
// What a file may give: its phrases' texts together at most as many
// characters as the file may hold bytes (an entry's many triggers or its
// variables could otherwise make a few bytes into gigabytes); its variables
// add at most a million characters to an entry's own text.
constexpr qint64 MaxTextTotal = MaxFileBytes;
constexpr int MaxAddedByVariables = 1000000;
// The notes a file gives that are kept (each a line in the notice); the
// rest are only counted.
constexpr int MaxNotes = 1000;

} // namespace ForeignImport

// RFC 4180 records: quoted fields, doubled quotes, CRLF or LF, line breaks
// inside quotes (CR LF and a lone CR read as LF there, so a text reads the
// same however often it goes out and back), a UTF-8 byte order mark. Linear
// in the input.
namespace Csv {
// False (with *error: "quote" for a quote left open, "utf8" for bytes that
// are not UTF-8) when the bytes are no CSV.
bool parse(const QByteArray &bytes, QVector<QStringList> *records, QString *error = nullptr);
QByteArray field(const QString &value);
} // namespace Csv
