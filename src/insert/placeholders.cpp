#include "insert/placeholders.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace Placeholders {

namespace {

enum class Kind
{
    Date,
    Time,
    Clipboard,
    Cursor,
    Phrase,
    Input,
    Choice,
    Unknown,
};

// A move in time: the calendar part, then the clock's.
struct Offset
{
    int years = 0;
    int months = 0;
    qint64 days = 0;
    qint64 seconds = 0;
};

// "+1d", "-1h30m": a sign, then numbers with units, each unit once.
bool parseOffset(const QStringRef &text, Offset *offset)
{
    if (text.size() < 3)
        return false;
    const QChar sign = text.at(0);
    if (sign != QLatin1Char('+') && sign != QLatin1Char('-'))
        return false;
    const int direction = sign == QLatin1Char('-') ? -1 : 1;
    QString seen;
    Offset out;
    int i = 1;
    while (i < text.size()) {
        qint64 number = 0;
        int digits = 0;
        while (i < text.size() && text.at(i) >= QLatin1Char('0') &&
               text.at(i) <= QLatin1Char('9')) {
            // Six digits reach far past any calendar Qt keeps.
            if (++digits > 6)
                return false;
            number = number * 10 + (text.at(i).unicode() - '0');
            ++i;
        }
        if (digits == 0 || i >= text.size())
            return false;
        const QChar unit = text.at(i++);
        if (seen.contains(unit))
            return false;
        seen += unit;
        number *= direction;
        switch (unit.unicode()) {
        case 'y':
            out.years = int(number);
            break;
        case 'M':
            out.months = int(number);
            break;
        case 'w':
            out.days += number * 7;
            break;
        case 'd':
            out.days += number;
            break;
        case 'h':
            out.seconds += number * 3600;
            break;
        case 'm':
            out.seconds += number * 60;
            break;
        case 's':
            out.seconds += number;
            break;
        default:
            return false;
        }
    }
    *offset = out;
    return true;
}

QDateTime moved(const QDateTime &now, const Offset &offset)
{
    // Years and months first, as a person counts: 29 February +1y -1d is
    // 27 February.
    return now.addYears(offset.years)
        .addMonths(offset.months)
        .addDays(offset.days)
        .addSecs(offset.seconds);
}

// What braces hold, read.
struct Braced
{
    Kind kind = Kind::Unknown;
    // Date and time: the format (empty: the short form) and the offset.
    QString format;
    Offset offset;
    // Phrase: the name; Input and Choice: the field.
    QString name;
    Field field;
};

Braced read(const QStringRef &inside)
{
    Braced b;
    if (inside == QLatin1String("date"))
        b.kind = Kind::Date;
    else if (inside == QLatin1String("time"))
        b.kind = Kind::Time;
    else if (inside == QLatin1String("clipboard"))
        b.kind = Kind::Clipboard;
    else if (inside == QLatin1String("cursor"))
        b.kind = Kind::Cursor;
    if (b.kind != Kind::Unknown)
        return b;
    const int colon = inside.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return b;
    const QStringRef head = inside.left(colon);
    const QStringRef rest = inside.mid(colon + 1);
    if (head == QLatin1String("date") || head == QLatin1String("time")) {
        // The offset is the part after the last colon, when it starts with a sign.
        const int last = inside.lastIndexOf(QLatin1Char(':'));
        const QStringRef tail = inside.mid(last + 1);
        QStringRef format = rest;
        if (tail.startsWith(QLatin1Char('+')) || tail.startsWith(QLatin1Char('-'))) {
            if (!parseOffset(tail, &b.offset))
                return b;
            format = last > colon ? inside.mid(colon + 1, last - colon - 1) : QStringRef();
        } else if (format.isEmpty()) {
            return b; // {date:}
        }
        b.format = format.toString();
        b.kind = head == QLatin1String("date") ? Kind::Date : Kind::Time;
        return b;
    }
    if (head == QLatin1String("phrase")) {
        if (!rest.isEmpty()) {
            b.kind = Kind::Phrase;
            b.name = rest.toString();
        }
        return b;
    }
    const bool input = head == QLatin1String("input");
    if (!input && head != QLatin1String("choice"))
        return b;
    const int labelEnd = rest.indexOf(QLatin1Char(':'));
    b.field.label = (labelEnd < 0 ? rest : rest.left(labelEnd)).toString();
    if (b.field.label.isEmpty())
        return b;
    const QString after = labelEnd < 0 ? QString() : rest.mid(labelEnd + 1).toString();
    if (input) {
        b.field.kind = Field::Input;
        b.field.defaultText = after;
        b.kind = Kind::Input;
        return b;
    }
    if (labelEnd < 0 || after.isEmpty())
        return b;
    b.field.kind = Field::Choice;
    b.field.choices = after.split(QLatin1Char('|'));
    b.kind = Kind::Choice;
    return b;
}

// The braces at text[open]: the closing brace's index in *close, or -1 when
// they close nowhere on the line (then the brace is literal).
Braced readAt(const QString &text, int open, int *close)
{
    *close = -1;
    for (int i = open + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('}')) {
            *close = i;
            break;
        }
        if (c == QLatin1Char('{') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return {};
    }
    if (*close < 0)
        return {};
    return read(text.midRef(open + 1, *close - open - 1));
}

// One pass over a phrase and the phrases it names.
class Filler
{
public:
    Filler(const Context &context, bool fieldsOnly) : context(context), fieldsOnly(fieldsOnly)
    {
        if (!context.name.isEmpty())
            chain << context.name;
    }

    const Context &context;
    const bool fieldsOnly;
    QString out;
    int cursorAt = -1;
    bool clipboardRead = false;
    QString clipboard;
    QVector<Field> fields;
    Failure failure = Failure::None;
    QStringList chain;
    int nestedCount = 0;

    // False once a failure is set.
    bool fill(const QString &text, int depth)
    {
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('}')) {
                out += c;
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('}'))
                    ++i; // "}}" is one brace
                continue;
            }
            if (c != QLatin1Char('{')) {
                out += c;
                continue;
            }
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('{')) {
                out += c; // "{{" is one brace
                ++i;
                continue;
            }
            int close = -1;
            const Braced b = readAt(text, i, &close);
            if (close < 0) {
                // The brace alone, so that what follows is read again.
                out += c;
                continue;
            }
            if (!place(b, text.midRef(i, close - i + 1), depth))
                return false;
            // {clipboard} or an answer put in many times grows as nested
            // phrases do.
            if (out.size() > MaxLength)
                return tooLarge();
            if (fields.size() > MaxFields)
                return tooLarge(Failure::TooManyFields);
            i = close;
        }
        return true;
    }

private:
    bool place(const Braced &b, const QStringRef &written, int depth)
    {
        switch (b.kind) {
        case Kind::Date:
        case Kind::Time: {
            if (fieldsOnly)
                break;
            const QDateTime when = moved(context.now, b.offset);
            if (!when.isValid()) {
                out += written; // moved off Qt's calendar
                break;
            }
            if (!b.format.isEmpty())
                out += context.locale.toString(when, b.format);
            else if (b.kind == Kind::Date)
                out += context.locale.toString(when.date(), QLocale::ShortFormat);
            else
                out += context.locale.toString(when.time(), QLocale::ShortFormat);
            break;
        }
        case Kind::Clipboard:
            if (fieldsOnly)
                break;
            if (!clipboardRead) {
                clipboard = context.clipboard ? context.clipboard() : QString();
                clipboardRead = true;
            }
            out += clipboard;
            break;
        case Kind::Cursor:
            if (cursorAt < 0)
                cursorAt = out.size();
            break;
        case Kind::Input:
        case Kind::Choice: {
            const auto same = [&b](const Field &f) { return f.label == b.field.label; };
            auto known = std::find_if(fields.begin(), fields.end(), same);
            if (known == fields.end()) {
                fields.append(b.field);
                known = fields.end() - 1;
            }
            const auto answer = context.answers.constFind(b.field.label);
            if (answer != context.answers.constEnd())
                out += *answer;
            else if (known->kind == Field::Choice)
                out += known->choices.value(0);
            else
                out += known->defaultText;
            break;
        }
        case Kind::Phrase:
            return nest(b.name, depth);
        case Kind::Unknown:
            out += written;
            break;
        }
        return true;
    }

    // Told by the outermost phrase alone: the chain at the moment says
    // nothing of the thousand phrases before it.
    bool tooLarge(Failure why = Failure::TooLarge)
    {
        failure = why;
        chain = chain.mid(0, 1);
        return false;
    }

    bool nest(const QString &name, int depth)
    {
        if (++nestedCount > MaxNested || out.size() > MaxLength)
            return tooLarge();
        Nested nested;
        const bool cycle = chain.contains(name);
        chain << name;
        if (cycle) {
            failure = Failure::Cycle;
            return false;
        }
        if (depth + 1 > MaxDepth) {
            failure = Failure::TooDeep;
            return false;
        }
        if (!context.phrase || !context.phrase(name, &nested)) {
            failure = Failure::Missing;
            return false;
        }
        if (!nested.placeholders)
            out += nested.text;
        else if (!fill(nested.text, depth + 1))
            return false;
        if (out.size() > MaxLength)
            return tooLarge();
        chain.removeLast();
        return true;
    }
};

} // namespace

Expanded expand(const QString &text, const Context &context)
{
    Filler filler(context, false);
    filler.out.reserve(text.size());
    Expanded out;
    if (!filler.fill(text, 0)) {
        out.failure = filler.failure;
        out.chain = filler.chain;
        return out;
    }
    out.text = filler.out;
    if (filler.cursorAt >= 0) {
        const QStringRef after = out.text.midRef(filler.cursorAt);
        if (!after.contains(QLatin1Char('\n')) && !after.contains(QLatin1Char('\r')))
            out.leftPresses = characterCount(after.toString());
    }
    return out;
}

Fields fields(const QString &text, const Context &context)
{
    Filler filler(context, true);
    Fields out;
    if (!filler.fill(text, 0)) {
        out.failure = filler.failure;
        out.chain = filler.chain;
        return out;
    }
    out.fields = filler.fields;
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
        const Braced b = readAt(text, i, &close);
        if (close < 0)
            continue;
        if (b.kind == Kind::Unknown)
            out.append({i, close - i + 1});
        i = close;
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
