#include "insert/placeholders.h"

#include <QTextBoundaryFinder>

namespace Placeholders {

namespace {

enum class Kind
{
    Date,
    Time,
    DateFormat,
    Clipboard,
    Cursor,
    Unknown,
};

// What the braces at text[open] hold: the closing brace's index in *close,
// or -1 when they close nowhere on the line (then the brace is literal).
Kind kindAt(const QString &text, int open, int *close, QString *format)
{
    *close = -1;
    for (int i = open + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('}')) {
            *close = i;
            break;
        }
        if (c == QLatin1Char('{') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return Kind::Unknown;
    }
    if (*close < 0)
        return Kind::Unknown;
    const QStringRef name = text.midRef(open + 1, *close - open - 1);
    if (name == QLatin1String("date"))
        return Kind::Date;
    if (name == QLatin1String("time"))
        return Kind::Time;
    if (name == QLatin1String("clipboard"))
        return Kind::Clipboard;
    if (name == QLatin1String("cursor"))
        return Kind::Cursor;
    if (name.startsWith(QLatin1String("date:")) && name.size() > 5) {
        *format = name.mid(5).toString();
        return Kind::DateFormat;
    }
    return Kind::Unknown;
}

} // namespace

Expanded expand(const QString &text, const Context &context)
{
    Expanded out;
    out.text.reserve(text.size());
    int cursorAt = -1;
    bool clipboardRead = false;
    QString clipboard;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('}')) {
            out.text += c;
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('}'))
                ++i; // "}}" is one brace
            continue;
        }
        if (c != QLatin1Char('{')) {
            out.text += c;
            continue;
        }
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('{')) {
            out.text += c; // "{{" is one brace
            ++i;
            continue;
        }
        int close = -1;
        QString format;
        const Kind kind = kindAt(text, i, &close, &format);
        switch (kind) {
        case Kind::Date:
            out.text += context.locale.toString(context.now.date(), QLocale::ShortFormat);
            break;
        case Kind::Time:
            out.text += context.locale.toString(context.now.time(), QLocale::ShortFormat);
            break;
        case Kind::DateFormat:
            out.text += context.locale.toString(context.now, format);
            break;
        case Kind::Clipboard:
            if (!clipboardRead) {
                clipboard = context.clipboard ? context.clipboard() : QString();
                clipboardRead = true;
            }
            out.text += clipboard;
            break;
        case Kind::Cursor:
            if (cursorAt < 0)
                cursorAt = out.text.size();
            break;
        case Kind::Unknown:
            // Kept as written, braces and all: the brace alone when it closes
            // nowhere, so that what follows is read again.
            if (close < 0) {
                out.text += c;
                continue;
            }
            out.text += text.midRef(i, close - i + 1);
            break;
        }
        i = close;
    }
    if (cursorAt >= 0) {
        const QStringRef after = out.text.midRef(cursorAt);
        if (!after.contains(QLatin1Char('\n')) && !after.contains(QLatin1Char('\r')))
            out.leftPresses = characterCount(after.toString());
    }
    return out;
}

QVector<Span> unknown(const QString &text)
{
    QVector<Span> out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c == QLatin1Char('{') || c == QLatin1Char('}')) && i + 1 < text.size() &&
            text.at(i + 1) == c) {
            ++i;
            continue;
        }
        if (c != QLatin1Char('{'))
            continue;
        int close = -1;
        QString format;
        if (kindAt(text, i, &close, &format) == Kind::Unknown && close >= 0) {
            out.append({i, close - i + 1});
            i = close;
        } else if (close >= 0) {
            i = close;
        }
    }
    return out;
}

int characterCount(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

} // namespace Placeholders
