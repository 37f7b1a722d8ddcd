#pragma once

// Which phrases the picker offers, in which order, how a search text matches
// them, what each row shows and which row is current. Values and strings
// only, so the rules are testable without a display.
//
// There is no scoring: a phrase matches or not, and matches keep the order of
// the candidate list.

#include "store/phrase.h"

#include <QString>
#include <QVector>

namespace PhraseSearch {

constexpr int PreviewLength = 36;

// One phrase the picker offers, with the texts that every search and every
// filling of the list would otherwise compute again.
struct Candidate
{
    Phrase phrase;
    QString keyText; // "Ctrl+Alt+F5"; empty without a shortcut
    QString preview;
};

struct Candidates
{
    QVector<Candidate> list;
    // True when no candidate has a name to show (also when there is none).
    bool hideName = true;
};

// The enabled phrases with a non-empty text (not trimmed: a text of spaces
// takes part), in list order or, when recentFirst, by last use (latest
// first) and then by name in the locale's order.
Candidates buildCandidates(const QVector<Phrase> &phrases, bool recentFirst);

// True when the trimmed query is empty or occurs, ignoring case, in the name,
// the text, the shortcut text or the abbreviation. The query must already be trimmed.
bool matches(const Candidate &candidate, const QString &query);

// The candidates that match text (trimmed here), in candidate order.
QVector<Candidate> match(const QVector<Candidate> &candidates, const QString &text);

// The text with each line feed made a space; past 36 characters, the first 36
// and "...".
QString preview(const QString &text);

// The current row once the list is filled: -1 for an empty result; row 0 in
// recent-first mode; otherwise the first row with the greatest last-used time
// above 0, or row 0 when no row was ever used.
int currentRow(const QVector<Candidate> &results, bool recentFirst);

} // namespace PhraseSearch
