// What the readers of other tools' files share: telling the format, the
// notes, date formats and offsets, Beeftext's JSON, and the CSV files.

#include "store/foreignimport.h"

#include "store/phrasestore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextCodec>

namespace ForeignImport {

namespace {

bool startsWithBom(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF");
}

QByteArray withoutBom(const QByteArray &bytes)
{
    return startsWithBom(bytes) ? bytes.mid(3) : bytes;
}

// The first non-blank byte after a byte order mark.
char firstByte(const QByteArray &bytes)
{
    for (int i = startsWithBom(bytes) ? 3 : 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return c;
    }
    return 0;
}

QString lower(const QString &s)
{
    return s.trimmed().toLower();
}

// The plain CSV's columns, by header: -1 where one is missing.
struct Columns
{
    int name = -1;
    int text = -1;
    int abbreviation = -1;
};

Columns plainColumns(const QStringList &header)
{
    Columns c;
    for (int i = 0; i < header.size(); ++i) {
        const QString word = lower(header.at(i));
        if (word == QLatin1String("name") && c.name < 0)
            c.name = i;
        else if (word == QLatin1String("text") && c.text < 0)
            c.text = i;
        else if (word == QLatin1String("abbreviation") && c.abbreviation < 0)
            c.abbreviation = i;
    }
    return c;
}

bool isBeeftextHeader(const QStringList &record)
{
    return record.size() >= 2 && lower(record.at(0)) == QLatin1String("keyword") &&
           lower(record.at(1)) == QLatin1String("snippet");
}

// Beeftext's #{...} variables in a snippet: the ones with a placeholder of
// ours become it; the text's own braces are then written doubled. *note
// set (and empty returned) when one has none. Beeftext escapes "}" inside a
// variable as "\}" and the backslash as "\\". Longer than most: one pass
// that reads the escapes and turns each kind of variable, kept whole so
// the escape state is in one place.
QString beeftextText(const QString &snippet, bool *placeholders, Note *note)
{
    *placeholders = false;
    if (!snippet.contains(QLatin1String("#{")))
        return snippet;
    QString out;
    out.reserve(snippet.size() + 16);
    for (int i = 0; i < snippet.size(); ++i) {
        const QChar c = snippet.at(i);
        if (c == QLatin1Char('#') && i + 1 < snippet.size() &&
            snippet.at(i + 1) == QLatin1Char('{')) {
            QString inside;
            int j = i + 2;
            bool closed = false;
            for (; j < snippet.size(); ++j) {
                const QChar d = snippet.at(j);
                if (d == QLatin1Char('\\') && j + 1 < snippet.size()) {
                    inside += snippet.at(++j);
                    continue;
                }
                if (d == QLatin1Char('}')) {
                    closed = true;
                    break;
                }
                inside += d;
            }
            if (closed) {
                QString placeholder;
                if (inside == QLatin1String("clipboard"))
                    placeholder = QStringLiteral("{clipboard}");
                else if (inside == QLatin1String("cursor"))
                    placeholder = QStringLiteral("{cursor}");
                else if (inside == QLatin1String("date"))
                    placeholder = QStringLiteral("{date}");
                else if (inside == QLatin1String("time"))
                    placeholder = QStringLiteral("{time}");
                else if (inside.startsWith(QLatin1String("dateTime:"))) {
                    // dateTime:FORMAT (Qt's format already) or
                    // dateTime:+1d-2h:FORMAT, whose shifts we write the same
                    // way where the units are ours.
                    QString rest = inside.mid(9);
                    QString shift;
                    if (rest.startsWith(QLatin1Char('+')) || rest.startsWith(QLatin1Char('-'))) {
                        const int colon = rest.indexOf(QLatin1Char(':'));
                        shift = colon < 0 ? rest : rest.left(colon);
                        rest = colon < 0 ? QString() : rest.mid(colon + 1);
                        // One sign, then whole units of ours: "+1d", "-1h30m".
                        static const QRegularExpression ours(
                            QStringLiteral("^[+-](\\d{1,6}[Mwdhm])+$"));
                        if (!ours.match(shift).hasMatch()) {
                            *note = {QString(), Reason::BeeftextVariable, inside};
                            return QString();
                        }
                    }
                    if (rest.isEmpty() || rest.contains(QLatin1Char('{')) ||
                        rest.contains(QLatin1Char('}')) || rest.contains(QLatin1Char('\n')) ||
                        rest.contains(QLatin1Char('\r')) || rest.contains(QLatin1Char('w'))) {
                        // Beeftext's own "w" (the week number) and the
                        // locale's long form have no placeholder here.
                        *note = {QString(), Reason::BeeftextVariable, inside};
                        return QString();
                    }
                    placeholder = QLatin1String("{date:") + rest +
                                  (shift.isEmpty() ? QString() : QLatin1Char(':') + shift) +
                                  QLatin1Char('}');
                }
                if (placeholder.isEmpty()) {
                    *note = {QString(), Reason::BeeftextVariable,
                             inside.section(QLatin1Char(':'), 0, 0)};
                    return QString();
                }
                out += placeholder;
                *placeholders = true;
                i = j;
                continue;
            }
        }
        if (c == QLatin1Char('{') || c == QLatin1Char('}'))
            out += c; // doubled below, once the flag is known
        out += c;
    }
    if (*placeholders)
        return out;
    // No variable after all (a "#{" that never closed): the text as it was.
    return snippet;
}

Phrase newPhrase(const QString &name, const QString &text, const QString &abbreviation)
{
    Phrase p;
    p.id = Phrase::newId();
    p.name = name;
    p.text = text;
    p.abbreviation = abbreviation;
    return p;
}

// The entry's name for a note: one short line.
QString entryLabel(const QString &name)
{
    Phrase p;
    p.name = name;
    return PhraseStore::phraseLabel(p);
}

void addBeeftext(const QString &name, const QString &keyword, const QString &snippet, bool enabled,
                 int entry, Result *result)
{
    const QString label = entryLabel(!keyword.isEmpty() ? keyword : name);
    if (snippet.isEmpty()) {
        addNote(result, {label, Reason::EmptyText, QString()});
        return;
    }
    if (!keyword.isEmpty() && !Phrase::isValidAbbreviation(keyword)) {
        addNote(result, {label, Reason::BadTrigger, QString()});
        return;
    }
    bool placeholders = false;
    Note note;
    const QString text = beeftextText(snippet, &placeholders, &note);
    if (text.isEmpty()) {
        note.entry = label;
        addNote(result, note);
        return;
    }
    Phrase p = newPhrase(name.isEmpty() ? keyword : name, text, keyword);
    p.placeholders = placeholders;
    p.enabled = enabled;
    result->phrases.append(p);
    result->entries.append(entry);
}

} // namespace

Format detect(const QString &fileName, const QByteArray &bytes)
{
    const QString suffix = fileName.section(QLatin1Char('.'), -1).toLower();
    // A match file may be written as one flow mapping, which starts as
    // JSON does: its name decides.
    if (suffix == QLatin1String("yml") || suffix == QLatin1String("yaml"))
        return Format::Espanso;
    const char first = firstByte(bytes);
    if (first == '{') {
        // Beeftext's export holds its combos; anything else that is a JSON
        // object is left to the backup reader, which says whether it is one.
        // A backup is not parsed twice for the question.
        if (!bytes.contains("\"combos\"") || bytes.size() > MaxFileBytes)
            return Format::Backup;
        const QJsonObject object = QJsonDocument::fromJson(withoutBom(bytes)).object();
        return object.value(QStringLiteral("combos")).isArray() &&
                       !object.contains(QStringLiteral("phrases"))
                   ? Format::BeeftextJson
                   : Format::Backup;
    }
    if (suffix == QLatin1String("json"))
        return Format::Backup;
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt")) {
        // The header of the first record only: a record may span lines.
        QVector<QStringList> records;
        const int end = bytes.indexOf('\n');
        Csv::parse(end < 0 ? bytes : bytes.left(end + 1), &records);
        const Columns c = records.isEmpty() ? Columns() : plainColumns(records.constFirst());
        return c.text >= 0 ? Format::PlainCsv : Format::BeeftextCsv;
    }
    // A match file without the usual suffix still starts like one.
    if (withoutBom(bytes).trimmed().startsWith("matches:"))
        return Format::Espanso;
    return Format::Unknown;
}

bool readBeeftextJson(const QByteArray &bytes, Result *result)
{
    if (bytes.size() > MaxFileBytes) {
        result->error = QStringLiteral("size");
        return false;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(withoutBom(bytes), &error);
    const QJsonValue combos = document.object().value(QStringLiteral("combos"));
    if (error.error != QJsonParseError::NoError || !combos.isArray()) {
        result->error = QStringLiteral("format");
        return false;
    }
    // Before its second format, Beeftext called them comboText and
    // substitutionText.
    const int version = document.object().value(QStringLiteral("fileFormatVersion")).toInt(1);
    const QString keywordKey =
        version >= 2 ? QStringLiteral("keyword") : QStringLiteral("comboText");
    const QString snippetKey =
        version >= 2 ? QStringLiteral("snippet") : QStringLiteral("substitutionText");
    const QJsonArray array = combos.toArray();
    for (int i = 0; i < array.size(); ++i) {
        const QJsonObject combo = array.at(i).toObject();
        if (!array.at(i).isObject()) {
            addNote(result, {QStringLiteral("#%1").arg(i + 1), Reason::Malformed, QString()});
            continue;
        }
        addBeeftext(combo.value(QStringLiteral("name")).toString(),
                    combo.value(keywordKey).toString(), combo.value(snippetKey).toString(),
                    combo.value(QStringLiteral("enabled")).toBool(true), i, result);
    }
    return true;
}

bool readCsv(const QByteArray &bytes, Format format, Result *result)
{
    if (bytes.size() > MaxFileBytes) {
        result->error = QStringLiteral("size");
        return false;
    }
    QVector<QStringList> records;
    QString error;
    if (!Csv::parse(bytes, &records, &error)) {
        result->error = error;
        return false;
    }
    if (format == Format::PlainCsv) {
        if (records.isEmpty()) {
            result->error = QStringLiteral("format");
            return false;
        }
        const Columns c = plainColumns(records.constFirst());
        if (c.text < 0) {
            result->error = QStringLiteral("format");
            return false;
        }
        const auto at = [](const QStringList &r, int i) { return i >= 0 ? r.value(i) : QString(); };
        for (int i = 1; i < records.size(); ++i) {
            const QStringList &r = records.at(i);
            const QString name = at(r, c.name);
            const QString text = at(r, c.text);
            const QString abbreviation = at(r, c.abbreviation);
            const QString label = entryLabel(!name.isEmpty()           ? name
                                             : !abbreviation.isEmpty() ? abbreviation
                                                                       : text);
            if (r.size() == 1 && r.constFirst().isEmpty())
                continue; // a blank line
            if (text.isEmpty()) {
                addNote(result, {label, Reason::EmptyText, QString()});
                continue;
            }
            if (!abbreviation.isEmpty() && !Phrase::isValidAbbreviation(abbreviation)) {
                addNote(result, {label, Reason::BadTrigger, QString()});
                continue;
            }
            result->phrases.append(newPhrase(name, text, abbreviation));
            result->entries.append(i);
        }
        return true;
    }
    for (int i = 0; i < records.size(); ++i) {
        const QStringList &r = records.at(i);
        if (i == 0 && isBeeftextHeader(r))
            continue;
        if (r.size() == 1 && r.constFirst().isEmpty())
            continue;
        if (r.size() < 2) {
            addNote(result, {entryLabel(r.value(0)), Reason::Malformed, QString()});
            continue;
        }
        addBeeftext(r.value(2), r.at(0), r.at(1), true, i, result);
    }
    return true;
}

QByteArray writeCsv(const QVector<Phrase> &phrases)
{
    QByteArray out = "\"name\",\"text\",\"abbreviation\"\r\n";
    for (const Phrase &p : phrases)
        out += Csv::field(p.name) + ',' + Csv::field(p.text) + ',' + Csv::field(p.abbreviation) +
               "\r\n";
    return out;
}

QString reasonText(Reason reason)
{
    const auto tr = [](const char *text) {
        return QCoreApplication::translate("ForeignImport", text);
    };
    switch (reason) {
    case Reason::RegexTrigger:
        return tr("its trigger is a regular expression");
    case Reason::NoTrigger:
        return tr("it has no trigger");
    case Reason::BadTrigger:
        return tr("its trigger has spaces or is longer than 32 characters");
    case Reason::ShellOrScript:
        return tr("it runs a command or a script");
    case Reason::Form:
        return tr("it asks with a form, a list or a random choice");
    case Reason::Image:
        return tr("it inserts an image");
    case Reason::RichText:
        return tr("its text is HTML or Markdown");
    case Reason::NestedMatch:
        return tr("it uses another entry or a global variable");
    case Reason::UnknownVariable:
        return tr("it uses a variable that has no equivalent here");
    case Reason::DateFormat:
        return tr("its date format has a part with no equivalent here");
    case Reason::DateOffset:
        return tr("its date offset is not in whole minutes");
    case Reason::OtherFile:
        return tr("another file, not read: import it on its own");
    case Reason::Malformed:
        return tr("it is not written as expected");
    case Reason::EmptyText:
        return tr("it has no text");
    case Reason::BeeftextVariable:
        return tr("it uses a variable that has no equivalent here");
    case Reason::TooLarge:
        return tr("its text would be too large");
    case Reason::DateOffsetRange:
        return tr("its date offset is too far away");
    }
    return QString();
}

void addNote(Result *result, const Note &note)
{
    if (result->notes.size() < MaxNotes)
        result->notes.append(note);
    else
        ++result->moreNotes;
}

QStringList noteLines(const QVector<Note> &notes)
{
    QStringList lines;
    lines.reserve(notes.size());
    for (const Note &note : notes) {
        QString line = note.entry + QLatin1String(": ") + reasonText(note.reason);
        if (!note.detail.isEmpty())
            line += QLatin1String(" (") + entryLabel(note.detail) + QLatin1Char(')');
        lines << line;
    }
    return lines;
}

} // namespace ForeignImport

namespace Csv {

bool parse(const QByteArray &bytes, QVector<QStringList> *records, QString *error)
{
    records->clear();
    QTextCodec::ConverterState state;
    QTextCodec *codec = QTextCodec::codecForName("UTF-8");
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const QString text = codec->toUnicode(body.constData(), body.size(), &state);
    if (state.invalidChars > 0) {
        if (error)
            *error = QStringLiteral("utf8");
        return false;
    }
    QStringList record;
    QString field;
    bool quoted = false; // inside a quoted field
    bool fieldStarted = false;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else if (c == QLatin1Char('\r')) {
                // A line break in a cell written the Windows way (CR LF) or
                // the old Mac way (CR): one line feed, as the phrase editor
                // writes it.
                field += QLatin1Char('\n');
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                    ++i;
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = fieldStarted = true;
            continue;
        }
        if (c == QLatin1Char(',')) {
            record << field;
            field.clear();
            fieldStarted = false;
            continue;
        }
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            record << field;
            records->append(record);
            record.clear();
            field.clear();
            fieldStarted = false;
            continue;
        }
        // Text after a closing quote is kept as it stands, as spreadsheets
        // do: "a"b reads as ab.
        field += c;
        fieldStarted = true;
    }
    if (quoted) {
        if (error)
            *error = QStringLiteral("quote");
        records->clear();
        return false;
    }
    if (fieldStarted || !record.isEmpty()) {
        record << field;
        records->append(record);
    }
    return true;
}

QByteArray field(const QString &value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return '"' + quoted.toUtf8() + '"';
}

} // namespace Csv
