#pragma once

// The placeholders of a phrase whose flag is set. Pure: the time, the locale,
// the clipboard, the other phrases and the user's answers come from the
// caller, so the rules are tested without a desktop.
//
//   {date} {time}             today's date, the time now (the locale's short forms)
//   {date:FORMAT}             the date and time in Qt's date-time format
//   {time:FORMAT}             the same (either name reads better in a phrase)
//   {date:FORMAT:OFFSET}      moved by OFFSET first; an empty FORMAT ({date::+1d},
//   {time:FORMAT:OFFSET}      or {date:+1d}) keeps the short form of its name
//   {clipboard}               the clipboard's text, read once per phrase
//   {cursor}                  where the caret is left (the first one in the
//                             finished text, nested phrases included)
//   {phrase:NAME}             the text of the first phrase in the list with
//                             exactly that name, enabled or not (a phrase kept
//                             only as a part of others is left disabled); its own
//                             placeholders filled in when its own flag is set
//   {input:LABEL}             a field the user fills in before the phrase goes
//   {input:LABEL:DEFAULT}     in, offered with DEFAULT
//   {choice:LABEL:a|b|c}      one of a list
//   {{ and }}                 a brace
//
// OFFSET is a sign followed by one or more numbers with a unit, each unit at
// most once: y (years), M (months), w (weeks), d (days), h (hours),
// m (minutes), s (seconds), e.g. +1d, -2w, +3M, +1y, +1h30m, -45m. The
// calendar units move the date and keep the wall clock (a day across a change
// to summer time is 23 hours); months and years end on the last day of a
// shorter month (31 January +1M is the last day of February); h, m and s move
// real time. The part after the last colon is the offset when it begins with
// + or -; a FORMAT whose own last colon is followed by a sign puts the sign in
// quotes ('-'). An offset that does not parse leaves the placeholder as written.
//
// A LABEL ends at its first colon. The same label twice is one field: the
// first occurrence says what it is (its default, its choices), and its answer
// goes everywhere the label stands. An answer is text: braces in it are
// literal, as is everything a phrase without the flag holds.
//
// Anything else in braces, and a brace without its partner, stays as written.

#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace Placeholders {

// How far phrases nest in one another: {phrase:…} in {phrase:…} ...
constexpr int MaxDepth = 8;
// How much nested phrases may add up to: phrases that each put in the next
// many times would grow without end within MaxDepth.
constexpr int MaxNested = 1000;
constexpr int MaxLength = 1000000;
// More fields than one window can ask for.
constexpr int MaxFields = 50;

// A phrase another one names.
struct Nested
{
    QString text;
    bool placeholders = false;
};

struct Context
{
    QDateTime now;
    QLocale locale;
    // Asked once, and only for a text with {clipboard}.
    std::function<QString()> clipboard;
    // The phrase being filled in: its name heads the chain a cycle is told by.
    QString name;
    // Another phrase by name: false when there is none (null: there are none).
    std::function<bool(const QString &name, Nested *out)> phrase;
    // The user's answers by label; a field without one gets its default, or
    // its first choice.
    QHash<QString, QString> answers;
};

// Why a phrase cannot be filled in; nothing of it is to go in then.
enum class Failure
{
    None,
    Missing,       // {phrase:NAME} names no phrase
    Cycle,         // a phrase contains itself
    TooDeep,       // nested more than MaxDepth deep
    TooLarge,      // more than MaxNested phrases put in, or MaxLength characters
    TooManyFields, // more than MaxFields fields to ask for
};

struct Expanded
{
    QString text;
    // How many Left presses put the caret where {cursor} stood: the
    // characters after it (a character being what one Left press crosses).
    // 0 when there is no {cursor}, or a line break follows it (the caret is
    // then left at the end: Left presses across lines go astray in editors
    // that wrap or indent).
    int leftPresses = 0;
    Failure failure = Failure::None;
    // The names from the outermost phrase down to the one at fault: the
    // missing name last; for a cycle, the repeated name last.
    QStringList chain;
};

Expanded expand(const QString &text, const Context &context);

struct Field
{
    enum Kind
    {
        Input,
        Choice,
    };
    Kind kind = Input;
    QString label;
    QString defaultText;
    QStringList choices;
    friend bool operator==(const Field &a, const Field &b)
    {
        return a.kind == b.kind && a.label == b.label && a.defaultText == b.defaultText &&
               a.choices == b.choices;
    }
};

struct Fields
{
    // In the order they first appear in the finished text, each label once.
    QVector<Field> fields;
    Failure failure = Failure::None;
    QStringList chain;
};

// The fields a phrase asks for, its nested phrases' included; reads neither
// the clipboard nor the clock.
Fields fields(const QString &text, const Context &context);

// Where the text holds something in braces that is no placeholder, as
// (start, length) pairs in order, for the editor to mark.
struct Span
{
    int start = 0;
    int length = 0;
    friend bool operator==(const Span &a, const Span &b)
    {
        return a.start == b.start && a.length == b.length;
    }
};
QVector<Span> unknown(const QString &text);

// How many Left presses cross text: its grapheme clusters.
int characterCount(const QString &text);

} // namespace Placeholders
