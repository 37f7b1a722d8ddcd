#pragma once

// The three-way merge of the phrase list and the settings, for a data file
// that something else changed while the program had its own changes: the
// other machine's edits arrive, ours stay, and where both changed the same
// phrase differently neither is lost. Pure logic: no files, no messages.

#include "store/phrase.h"
#include "store/settings.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace PhraseMerge {

// A phrase's counts as they stood in one version of the file.
struct Counts
{
    qint64 uses = 0;
    qint64 charactersSaved = 0;
    friend bool operator==(const Counts &a, const Counts &b)
    {
        return a.uses == b.uses && a.charactersSaved == b.charactersSaved;
    }
};

// The counts we wrote into the file since the base, by phrase id, in the
// order written: any one of those versions may be the one the other side
// built on.
class WrittenCounts
{
public:
    // Notes the counts of a list just written.
    void wrote(const QVector<Phrase> &phrases);
    void clear() { m_written.clear(); }
    const QVector<Counts> *of(const QString &id) const;

private:
    QHash<QString, QVector<Counts>> m_written;
};

struct Side
{
    QVector<Phrase> phrases;
    Settings settings;
};

struct Result
{
    QVector<Phrase> phrases;
    Settings settings;
    // PhraseStore::phraseLabel of ours, one per disabled copy of theirs added.
    QStringList changedOnBothSides;
    // Deleted here but changed on the other side: kept, so nothing is lost.
    QStringList keptChangedElsewhere;
    // Labels of incoming phrases that lost their shortcut to a clash with one
    // of ours or with the show or picker shortcut.
    QStringList withoutShortcut;
    // The same for abbreviations held by one of ours.
    QStringList withoutAbbreviation;
    // The result differs from ours: the running program must follow.
    bool oursChanged = false;
    // The result differs from theirs: the file must be written.
    bool theirsChanged = false;
};

// base: what the program last loaded or saved; ours: the running state;
// theirs: the file now. Phrases are matched by id (the n-th phrase of an id
// with the n-th of the same id on the other sides, so a hand-edited file
// with repeated ids loses none of them); their content is everything but
// the record of use, which never counts as a change: lastUsed takes the
// later of the sides, and the counts (uses, charactersSaved) add to ours
// what the other side gained since the version it built on: of the base
// and the versions in written, the one with the largest count not above
// theirs. Counts only grow (but for a reset), so no use counts twice; at
// worst some of theirs go uncounted.
// A phrase changed differently on both sides stays as ours, and theirs
// follows it as a disabled copy with a fresh id, named by
// changedElsewhereFormat ("%1" = its name, or its label when it has none).
// Runs in time linear in the number of phrases.
Result merge(const Side &base, const Side &ours, const Side &theirs,
             const QString &changedElsewhereFormat = QStringLiteral("%1 (changed elsewhere)"),
             const WrittenCounts *written = nullptr);

} // namespace PhraseMerge
