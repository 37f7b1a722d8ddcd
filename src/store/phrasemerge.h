#pragma once

// The three-way merge of the phrase list and the settings, for a data file
// that something else changed while the program had its own changes: the
// other machine's edits arrive, ours stay, and where both changed the same
// phrase differently neither is lost. Pure logic: no files, no messages.

#include "store/phrase.h"
#include "store/settings.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace PhraseMerge {

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
// lastUsed, which takes the later of the sides and never counts as a change.
// A phrase changed differently on both sides stays as ours, and theirs
// follows it as a disabled copy with a fresh id, named by
// changedElsewhereFormat ("%1" = its name, or its label when it has none).
// Runs in time linear in the number of phrases.
Result merge(const Side &base, const Side &ours, const Side &theirs,
             const QString &changedElsewhereFormat = QStringLiteral("%1 (changed elsewhere)"));

} // namespace PhraseMerge
