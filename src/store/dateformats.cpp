// strftime-style date formats and offsets in seconds, as other tools write
// them, turned into this program's date placeholders.

#include "store/foreignimport.h"

namespace ForeignImport {

// A table of conversions and the quoting of literal text around them, in
// one pass: longer than most, but read top to bottom.
QString qtDateFormat(const QString &format, QString *unknown)
{
    unknown->clear();
    // Each conversion with its Qt form; "-" before one drops the padding.
    struct Conversion
    {
        char letter;
        const char *padded;
        const char *unpadded;
    };
    static const Conversion table[] = {
        {'Y', "yyyy", nullptr},     {'y', "yy", nullptr},
        {'m', "MM", "M"},           {'d', "dd", "d"},
        {'B', "MMMM", nullptr},     {'b', "MMM", nullptr},
        {'h', "MMM", nullptr},      {'A', "dddd", nullptr},
        {'a', "ddd", nullptr},      {'H', "HH", "H"},
        {'I', "hh", "h"},           {'M', "mm", "m"},
        {'S', "ss", "s"},           {'p', "AP", nullptr},
        {'P', "ap", nullptr},       {'F', "yyyy-MM-dd", nullptr},
        {'T', "HH:mm:ss", nullptr}, {'R', "HH:mm", nullptr},
        {'D', "MM/dd/yy", nullptr},
    };
    QString out;
    QString literal;
    bool twelveHour = false;
    bool amPm = false;
    // A run of literal text, quoted when it has letters or when forced.
    const auto quote = [&](const QString &run, bool force) {
        if (run.isEmpty())
            return;
        bool letters = false;
        for (const QChar c : run)
            letters = letters || c.isLetter();
        QString quoted = run;
        quoted.replace(QLatin1Char('\''), QLatin1String("''"));
        out += letters || force ? QLatin1Char('\'') + quoted + QLatin1Char('\'') : quoted;
    };
    const auto flush = [&] {
        // Our placeholder reads a sign after the last colon as an offset:
        // such a colon stands outside quotes and the sign inside them.
        int start = 0;
        for (int i = 0; i + 1 < literal.size(); ++i) {
            if (literal.at(i) == QLatin1Char(':') &&
                (literal.at(i + 1) == QLatin1Char('+') || literal.at(i + 1) == QLatin1Char('-'))) {
                quote(literal.mid(start, i - start), start > 0);
                out += QLatin1Char(':');
                start = i + 1;
            }
        }
        quote(literal.mid(start), start > 0);
        literal.clear();
    };
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('{') || c == QLatin1Char('}') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r')) {
            // Our placeholder ends at a brace and stays on one line.
            *unknown = c == QLatin1Char('\n') || c == QLatin1Char('\r') ? QStringLiteral("\\n")
                                                                        : QString(c);
            return QString();
        }
        if (c != QLatin1Char('%')) {
            literal += c;
            continue;
        }
        if (i + 1 >= format.size()) {
            *unknown = QStringLiteral("%");
            return QString();
        }
        bool unpadded = false;
        QChar letter = format.at(++i);
        if (letter == QLatin1Char('-') && i + 1 < format.size()) {
            unpadded = true;
            letter = format.at(++i);
        }
        if (letter == QLatin1Char('%') && !unpadded) {
            literal += letter;
            continue;
        }
        const char *qt = nullptr;
        for (const Conversion &conversion : table) {
            if (letter == QLatin1Char(conversion.letter))
                qt = unpadded ? conversion.unpadded : conversion.padded;
        }
        if (!qt) {
            *unknown = (unpadded ? QStringLiteral("%-") : QStringLiteral("%")) + letter;
            return QString();
        }
        twelveHour = twelveHour || letter == QLatin1Char('I');
        amPm = amPm || letter == QLatin1Char('p') || letter == QLatin1Char('P');
        flush();
        out += QLatin1String(qt);
    }
    // Qt counts hours from 1 to 12 only when the format shows AM or PM.
    if (twelveHour && !amPm) {
        *unknown = QStringLiteral("%I");
        return QString();
    }
    flush();
    if (out.isEmpty())
        *unknown = QStringLiteral("\"\"");
    return out;
}

QString offsetText(qint64 seconds, bool *ok)
{
    *ok = seconds % 60 == 0;
    if (!*ok || seconds == 0)
        return QString();
    QString out = seconds < 0 ? QStringLiteral("-") : QStringLiteral("+");
    quint64 rest = seconds < 0 ? quint64(-(seconds + 1)) + 1 : quint64(seconds);
    const struct
    {
        quint64 seconds;
        char unit;
    } units[] = {{86400, 'd'}, {3600, 'h'}, {60, 'm'}};
    for (const auto &unit : units) {
        if (rest >= unit.seconds) {
            out += QString::number(rest / unit.seconds) + QLatin1Char(unit.unit);
            rest %= unit.seconds;
        }
    }
    return out;
}

} // namespace ForeignImport
