#pragma once

// The placeholders of a phrase whose flag is set: {date}, {time},
// {date:FORMAT} (Qt's date-time format), {clipboard}, {cursor}, and {{ and }}
// for braces. Anything else in braces, and a brace without its partner,
// stays as written. Pure: the time, the locale and the clipboard come from
// the caller, so the rules are tested without a desktop.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QVector>

#include <functional>

namespace Placeholders {

struct Context
{
    QDateTime now;
    QLocale locale;
    // Asked once, and only for a text with {clipboard}.
    std::function<QString()> clipboard;
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
};

Expanded expand(const QString &text, const Context &context);

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
