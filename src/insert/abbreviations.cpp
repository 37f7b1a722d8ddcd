#include "insert/abbreviations.h"

#include "base/textconvert.h"
#include "insert/placeholders.h"
#include "store/phrase.h"

#include <QVarLengthArray>

#include <algorithm>

namespace {

// Whether the character that ends at end (exclusive) in chars is a letter,
// a digit or a combining mark: surrogate pairs whole.
bool isWordCharacter(const QChar *chars, int end)
{
    if (end <= 0)
        return false;
    uint c = chars[end - 1].unicode();
    if (QChar::isLowSurrogate(c) && end >= 2 && chars[end - 2].isHighSurrogate())
        c = QChar::surrogateToUcs4(chars[end - 2], chars[end - 1]);
    return QChar::isLetterOrNumber(c) || QChar::category(c) == QChar::Mark_NonSpacing;
}

// The same for every case of a text: Qt's folding maps one letter to one,
// and would keep ß apart from the SS typed in capitals.
QString caseless(const QString &text)
{
    return text.toUpper().toCaseFolded();
}

bool endsALine(const QString &text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) ||
           text.contains(QLatin1Char('\t'));
}

} // namespace

void AbbreviationMatcher::setAbbreviations(const QVector<Entry> &entries)
{
    m_ids.clear();
    m_foldedIds.clear();
    m_longest = 0;
    for (const Entry &e : entries) {
        if (!Phrase::isValidAbbreviation(e.abbreviation))
            continue;
        if (!m_ids.contains(e.abbreviation)) {
            m_ids.insert(e.abbreviation, e.id);
            m_longest = qMax(m_longest, e.abbreviation.size());
        }
        if (!e.matchCase)
            continue;
        // Typed in capitals it may be longer than stored: ß is SS.
        const QString folded = caseless(e.abbreviation);
        if (!m_foldedIds.contains(folded))
            m_foldedIds.insert(folded, e.id);
        const int capitals = e.abbreviation.toUpper().size();
        m_longest = qMin(int(Phrase::MaxAbbreviationLength),
                         qMax(m_longest, qMax(folded.size(), capitals)));
    }
    // Never more than the longest now needs.
    if (m_size > m_longest)
        append(QString());
}

QString AbbreviationMatcher::buffer() const
{
    return QString(m_chars.data(), m_size);
}

void AbbreviationMatcher::wipe(int from)
{
    std::fill(m_chars.begin() + from, m_chars.begin() + m_size, QChar());
    m_size = from;
}

// Appends text and drops whole characters from the front until no more is
// kept than the longest abbreviation; the last one dropped decides whether
// a word runs on into what is kept.
void AbbreviationMatcher::append(const QString &text)
{
    QVarLengthArray<QChar, 2 * Phrase::MaxAbbreviationLength> all;
    all.append(m_chars.data(), m_size);
    all.append(text.constData(), text.size());
    int first = 0;
    while (all.size() - first > m_longest) {
        int width = 1;
        if (all.at(first).isHighSurrogate() && first + 1 < all.size() &&
            all.at(first + 1).isLowSurrogate())
            width = 2;
        first += width;
        m_wordBefore = isWordCharacter(all.constData(), first);
    }
    wipe(0);
    m_size = all.size() - first;
    std::copy(all.constBegin() + first, all.constEnd(), m_chars.begin());
    std::fill(all.begin(), all.end(), QChar());
}

AbbreviationMatcher::Action AbbreviationMatcher::match(const QString &delimiter) const
{
    Action action;
    // The longest abbreviation that ends the buffer wins: ";sig" over "g".
    for (int length = qMin(m_longest, m_size); length > 0; --length) {
        const int start = m_size - length;
        const QString typed(m_chars.data() + start, length);
        auto it = m_ids.constFind(typed);
        if (it == m_ids.constEnd() && !m_foldedIds.isEmpty()) {
            it = m_foldedIds.constFind(caseless(typed));
            if (it == m_foldedIds.constEnd())
                continue;
        } else if (it == m_ids.constEnd()) {
            continue;
        }
        // Inside a word it is a word, not an abbreviation.
        if (start > 0 ? isWordCharacter(m_chars.data(), start) : m_wordBefore)
            continue;
        action.kind = Action::Expand;
        action.id = it.value();
        action.abbreviation = typed;
        action.erase = AbbreviationText::eraseCount(action.abbreviation) +
                       AbbreviationText::eraseCount(delimiter);
        action.retype = delimiter;
        return action;
    }
    return action;
}

AbbreviationMatcher::Action AbbreviationMatcher::typed(const QString &text, quint32 nowMs)
{
    forgetIfIdle(nowMs);
    m_lastKeyMs = nowMs;
    m_undoable = false;
    if (text.isEmpty())
        return Action();
    Action action;
    if (m_mode == Mode::AfterDelimiter && AbbreviationText::isDelimiter(text)) {
        action = match(text);
        append(text);
    } else {
        append(text);
        if (m_mode == Mode::AtOnce)
            action = match(QString());
    }
    // A line or a field ends here: what came before it (a user name, a
    // password) is nothing an abbreviation needs.
    if (endsALine(text)) {
        wipe(0);
        m_wordBefore = false;
    }
    return action;
}

AbbreviationMatcher::Action AbbreviationMatcher::backspace(quint32 nowMs)
{
    forgetIfIdle(nowMs);
    m_lastKeyMs = nowMs;
    if (m_undoable) {
        m_undoable = false;
        Action undo;
        undo.kind = Action::Undo;
        // The user's BackSpace took one character already.
        undo.erase = qMax(0, m_undoErase - 1);
        undo.retype = m_undoRetype;
        clear();
        return undo;
    }
    if (m_size == 0) {
        // A character nobody kept went: what is before the caret now is
        // not known.
        m_wordBefore = false;
        return Action();
    }
    int cut = 1;
    if (m_size >= 2 && m_chars[m_size - 1].isLowSurrogate() &&
        m_chars[m_size - 2].isHighSurrogate())
        cut = 2;
    wipe(m_size - cut);
    return Action();
}

void AbbreviationMatcher::clear()
{
    wipe(0);
    m_wordBefore = false;
    m_undoable = false;
}

void AbbreviationMatcher::forgetTyped()
{
    if (m_size > 0)
        m_wordBefore = isWordCharacter(m_chars.data(), m_size);
    wipe(0);
    m_undoable = false;
}

void AbbreviationMatcher::forgetIfIdle(quint32 nowMs)
{
    if (quint32(nowMs - m_lastKeyMs) >= quint32(IdleMs))
        forgetTyped();
}

void AbbreviationMatcher::expanded(const Action &action, const QString &inserted)
{
    clear();
    m_undoable = true;
    m_undoErase =
        AbbreviationText::eraseCount(inserted) + AbbreviationText::eraseCount(action.retype);
    m_undoRetype = action.abbreviation + action.retype;
}

namespace AbbreviationText {

bool isDelimiter(const QString &text)
{
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    return c.isSpace() || c.isPunct() || c == QLatin1Char('\r') || c == QLatin1Char('\t');
}

int eraseCount(const QString &text)
{
    return Placeholders::characterCount(TextConvert::toLineFeeds(text));
}

} // namespace AbbreviationText
