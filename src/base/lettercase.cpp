#include "base/lettercase.h"

#include <QVector>

namespace {

// A letter of a script with case. By category, not by its one-letter
// mappings: ß and ﬁ have none, but their capitals are SS and FI.
bool hasCase(uint c)
{
    return QChar::isLower(c) || QChar::isUpper(c) || QChar::isTitleCase(c);
}

bool isCapital(uint c)
{
    return QChar::isUpper(c) || QChar::isTitleCase(c);
}

// The code point at i, and how many units it takes.
uint codeAt(const QString &text, int i, int *width)
{
    *width = 1;
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        *width = 2;
        return QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
    }
    return text.at(i).unicode();
}

} // namespace

namespace LetterCase {

Pattern patternOf(const QString &typed, const QString &stored)
{
    if (typed == stored)
        return Pattern::AsWritten;
    const QVector<uint> typedCodes = typed.toUcs4();
    const QVector<uint> storedCodes = stored.toUcs4();
    int letters = 0;
    int capitals = 0;
    bool firstIsCapital = false;
    bool capitalNotStored = false;
    for (int i = 0; i < typedCodes.size(); ++i) {
        const uint c = typedCodes.at(i);
        if (!hasCase(c))
            continue;
        if (letters == 0)
            firstIsCapital = isCapital(c);
        ++letters;
        if (isCapital(c)) {
            ++capitals;
            if (i >= storedCodes.size() || storedCodes.at(i) != c)
                capitalNotStored = true;
        }
    }
    if (!capitalNotStored)
        return Pattern::AsWritten;
    if (letters >= 2 && capitals == letters)
        return Pattern::Capitals;
    return firstIsCapital ? Pattern::Capitalised : Pattern::AsWritten;
}

QString upper(const QString &text, const QLocale &locale)
{
    // Qt built without ICU (as on Windows) knows no language's own rules:
    // the dotted i of Turkish and Azerbaijani is kept here, so that ";SIG"
    // gives the same text on every system.
    const QLocale::Language language = locale.language();
    if (language != QLocale::Turkish && language != QLocale::Azerbaijani)
        return locale.toUpper(text);
    QString dotted = text;
    dotted.replace(QLatin1Char('i'), QChar(0x0130));
    return locale.toUpper(dotted);
}

int firstLetter(const QString &text)
{
    int width = 1;
    for (int i = 0; i < text.size(); i += width) {
        if (hasCase(codeAt(text, i, &width)))
            return i;
    }
    return -1;
}

QString capitalised(const QString &text, const QLocale &locale)
{
    const int i = firstLetter(text);
    if (i < 0)
        return text;
    int width = 1;
    const uint c = codeAt(text, i, &width);
    QString capital;
    const uint title = QChar::toTitleCase(c);
    if (title != QChar::toUpper(c)) {
        capital = QString::fromUcs4(&title, 1); // a digraph: ǆ gives ǅ
    } else {
        // The locale's capital (a Turkish i is İ); where it is more than one
        // letter (ß is SS, ﬁ is FI) only the first is a capital.
        capital = upper(text.mid(i, width), locale);
        const QVector<uint> codes = capital.toUcs4();
        if (codes.size() > 1)
            capital = QString::fromUcs4(codes.constData(), 1) +
                      locale.toLower(QString::fromUcs4(codes.constData() + 1, codes.size() - 1));
    }
    return text.left(i) + capital + text.mid(i + width);
}

QString apply(const QString &text, Pattern pattern, const QLocale &locale)
{
    switch (pattern) {
    case Pattern::AsWritten:
        return text;
    case Pattern::Capitalised:
        return capitalised(text, locale);
    case Pattern::Capitals:
        return upper(text, locale);
    }
    return text;
}

} // namespace LetterCase
