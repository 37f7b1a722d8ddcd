#pragma once

// The case of a typed abbreviation carried over to its phrase: ";sig" gives
// the text as written, ";Sig" with its first letter a capital, ";SIG" in
// capitals. Locale-aware as Qt's case mappings are (a Turkish i becomes İ,
// ß becomes SS in capitals and Ss as a capital letter).

#include <QLocale>
#include <QString>

namespace LetterCase {

enum class Pattern
{
    AsWritten,
    Capitalised, // the first letter a capital, the rest as written
    Capitals,    // every letter a capital
};

// How typed differs from stored (the abbreviation as the phrase has it).
// Typed just as stored, or without a capital where stored has none: as
// written. Every letter a capital (two or more letters): capitals. Else a
// first letter typed as a capital: capitalised.
Pattern patternOf(const QString &typed, const QString &stored);

QString apply(const QString &text, Pattern pattern, const QLocale &locale);

// The first letter of text as a capital (its title case: "ǆ" gives "ǅ",
// "ß" gives "Ss"); what comes before it and after it stays.
QString capitalised(const QString &text, const QLocale &locale);
// text in capitals by the locale's rules.
QString upper(const QString &text, const QLocale &locale);
// Where the first letter that has a case starts in text; -1 when none has.
int firstLetter(const QString &text);

} // namespace LetterCase
