// Backup files: export of the whole list, and the merging import.

#include "store/jsonfile.h"
#include "store/phrasestore.h"

#include <QSet>

namespace {

// The first n UTF-16 units, one fewer when the cut would split a surrogate
// pair, so a label never ends in half a character.
QString leftWhole(const QString &s, int n)
{
    if (s.size() <= n)
        return s;
    if (n > 0 && s.at(n - 1).isHighSurrogate())
        --n;
    return s.left(n);
}

// A name from a file may hold anything: control characters (a tab, an
// escape, a line break) become spaces and marks that turn the direction of
// the text around go, so the label reads as one plain line that ends where
// it seems to.
QString oneLine(const QString &s)
{
    QString line;
    line.reserve(s.size());
    for (const QChar c : s) {
        const ushort u = c.unicode();
        if (u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
            (u >= 0x2066 && u <= 0x2069))
            continue;
        const QChar::Category category = c.category();
        line += category == QChar::Other_Control || category == QChar::Separator_Line ||
                        category == QChar::Separator_Paragraph
                    ? QChar(QLatin1Char(' '))
                    : c;
    }
    return line.simplified();
}

} // namespace

bool PhraseStore::exportBackup(const QString &path) const
{
    return JsonFile::writeAtomically(path, PhraseJson::write(m_phrases, nullptr));
}

bool PhraseStore::importBackup(const QString &path, QString *error, QStringList *skipped,
                               QStringList *withoutAbbreviation, QStringList *abbreviationHolders)
{
    PhraseJson::Document doc;
    switch (JsonFile::read(path, &doc)) {
    case JsonFile::ReadResult::Missing:
    case JsonFile::ReadResult::CannotRead:
        if (error)
            *error = QStringLiteral("read");
        return false;
    case JsonFile::ReadResult::NotAnObject:
        if (error)
            *error = QStringLiteral("format");
        return false;
    case JsonFile::ReadResult::Ok:
        break;
    }

    mergeImported(std::move(doc.phrases), QVector<int>(), nullptr, skipped, withoutAbbreviation,
                  abbreviationHolders);
    return save();
}

bool PhraseStore::exportCsv(const QString &path) const
{
    return JsonFile::writeAtomically(path, ForeignImport::writeCsv(m_phrases));
}

bool PhraseStore::importFile(const QString &path, ImportReport *report)
{
    using ForeignImport::Format;
    *report = ImportReport();
    QByteArray bytes;
    switch (JsonFile::readBytes(path, &bytes)) {
    case JsonFile::ReadResult::Missing:
    case JsonFile::ReadResult::CannotRead:
        report->error = QStringLiteral("read");
        return false;
    case JsonFile::ReadResult::NotAnObject:
        report->error = QStringLiteral("format");
        return false;
    case JsonFile::ReadResult::Ok:
        break;
    }
    report->format = ForeignImport::detect(path, bytes);
    ForeignImport::Result read;
    bool ok = false;
    switch (report->format) {
    case Format::Backup: {
        PhraseJson::Document doc;
        ok = JsonFile::parse(bytes, &doc) == JsonFile::ReadResult::Ok;
        read.phrases = std::move(doc.phrases);
        break;
    }
    case Format::Espanso:
        ok = ForeignImport::readEspanso(bytes, &read);
        break;
    case Format::BeeftextJson:
        ok = ForeignImport::readBeeftextJson(bytes, &read);
        break;
    case Format::BeeftextCsv:
    case Format::PlainCsv:
        ok = ForeignImport::readCsv(bytes, report->format, &read);
        break;
    case Format::Unknown:
        break;
    }
    if (!ok) {
        report->error = read.error.isEmpty() ? QStringLiteral("format")
                                             : QStringLiteral("format: ") + read.error;
        return false;
    }
    report->notes = std::move(read.notes);
    report->moreNotes = read.moreNotes;
    mergeImported(std::move(read.phrases), read.entries, &report->added, &report->skipped,
                  &report->withoutAbbreviation, &report->abbreviationHolders);
    if (!save()) {
        report->error = QStringLiteral("save");
        return false;
    }
    return true;
}

void PhraseStore::mergeImported(QVector<Phrase> phrases, const QVector<int> &entries, int *added,
                                QStringList *skipped, QStringList *withoutAbbreviation,
                                QStringList *abbreviationHolders)
{
    // Same rules as findDuplicateText and findHotkeyConflict over the
    // growing list, without a scan per element: a large backup into a large
    // list stays fast.
    QSet<QString> texts;
    QHash<QString, int> abbreviations; // of enabled phrases: which one has it
    QSet<qint64> shortcuts;            // of enabled phrases
    const auto shortcutOf = [](const Phrase &p) { return (qint64(p.vk) << 32) | quint32(p.mods); };
    texts.reserve(m_phrases.size());
    for (int i = 0; i < m_phrases.size(); ++i) {
        const Phrase &p = m_phrases.at(i);
        texts.insert(p.text);
        if (p.enabled && !p.abbreviation.isEmpty())
            abbreviations.insert(p.abbreviation, i);
        if (p.enabled && p.vk != 0)
            shortcuts.insert(shortcutOf(p));
    }

    QHash<QString, int> entryOfText; // texts this import brought, by entry
    for (int i = 0; i < phrases.size(); ++i) {
        Phrase &p = phrases[i];
        if (p.text.isEmpty())
            continue;
        const int entry = i < entries.size() ? entries.at(i) : -1;
        if (texts.contains(p.text) && (entry < 0 || entryOfText.value(p.text, -1) != entry)) {
            if (skipped)
                skipped->append(phraseLabel(p));
            continue;
        }
        p.id = Phrase::newId();
        if (p.vk != 0 &&
            (shortcuts.contains(shortcutOf(p)) || conflictsWithGlobalHotkey(p.mods, p.vk))) {
            p.vk = 0;
            p.mods = 0;
        }
        if (p.enabled && p.vk != 0)
            shortcuts.insert(shortcutOf(p));
        if (!p.abbreviation.isEmpty() && (!Phrase::isValidAbbreviation(p.abbreviation) ||
                                          (p.enabled && abbreviations.contains(p.abbreviation)))) {
            if (withoutAbbreviation)
                withoutAbbreviation->append(phraseLabel(p));
            if (abbreviationHolders) {
                const int holder = Phrase::isValidAbbreviation(p.abbreviation)
                                       ? abbreviations.value(p.abbreviation, -1)
                                       : -1;
                abbreviationHolders->append(holder < 0 ? QString()
                                                       : phraseLabel(m_phrases.at(holder)));
            }
            p.abbreviation.clear();
        }
        if (p.enabled && !p.abbreviation.isEmpty())
            abbreviations.insert(p.abbreviation, m_phrases.size());
        texts.insert(p.text);
        if (entry >= 0)
            entryOfText.insert(p.text, entry);
        m_phrases.append(std::move(p));
        if (added)
            ++*added;
    }
}

QString PhraseStore::phraseLabel(const Phrase &phrase)
{
    QString label = oneLine(phrase.name);
    bool cut = false;
    if (label.isEmpty()) {
        label = phrase.text;
        const int lf = label.indexOf(QLatin1Char('\n'));
        if (lf >= 0) {
            label.truncate(lf);
            cut = true;
        }
        label = oneLine(label);
    }
    if (label.size() > 40) {
        label = leftWhole(label, 40);
        cut = true;
    }
    if (label.isEmpty())
        return QStringLiteral("...");
    if (cut)
        label += QLatin1String("...");
    return label;
}

QString PhraseStore::defaultMoreFormat()
{
    return QStringLiteral("\u2026and %1 more");
}

QString PhraseStore::skippedListing(const QStringList &labels, const QString &moreFormat)
{
    QString listing = labels.mid(0, SkippedListed).join(QLatin1Char('\n'));
    if (labels.size() > SkippedListed) {
        const int hidden = labels.size() - SkippedListed;
        listing += QLatin1Char('\n') +
                   (moreFormat.contains(QLatin1String("%1")) ? moreFormat.arg(hidden) : moreFormat);
    }
    return listing;
}
