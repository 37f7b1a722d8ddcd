#include "insert/abbreviations.h"

#include "insert/placeholders.h"
#include "insert/textconvert.h"
#include "store/phrase.h"

namespace {

bool isWordCharacter(const QString &text, int end)
{
    // The character that ends at end (exclusive), surrogate pairs whole.
    if (end <= 0)
        return false;
    uint c = text.at(end - 1).unicode();
    if (QChar::isLowSurrogate(c) && end >= 2 && text.at(end - 2).isHighSurrogate())
        c = QChar::surrogateToUcs4(text.at(end - 2), text.at(end - 1));
    return QChar::isLetterOrNumber(c) || QChar::category(c) == QChar::Mark_NonSpacing;
}

} // namespace

void AbbreviationMatcher::setAbbreviations(const QVector<Entry> &entries)
{
    m_ids.clear();
    m_longest = 0;
    for (const Entry &e : entries) {
        if (!Phrase::isValidAbbreviation(e.abbreviation) || m_ids.contains(e.abbreviation))
            continue;
        m_ids.insert(e.abbreviation, e.id);
        m_longest = qMax(m_longest, e.abbreviation.size());
    }
}

AbbreviationMatcher::Action AbbreviationMatcher::match(const QString &delimiter) const
{
    Action action;
    // The longest abbreviation that ends the buffer wins: ";sig" over "g".
    for (int length = qMin(m_longest, m_buffer.size()); length > 0; --length) {
        const QString tail = m_buffer.right(length);
        const auto it = m_ids.constFind(tail);
        if (it == m_ids.constEnd())
            continue;
        // Inside a word it is a word, not an abbreviation.
        if (isWordCharacter(m_buffer, m_buffer.size() - length))
            continue;
        action.kind = Action::Expand;
        action.id = it.value();
        action.abbreviation = tail;
        action.erase = AbbreviationText::eraseCount(tail) + AbbreviationText::eraseCount(delimiter);
        action.retype = delimiter;
        return action;
    }
    return action;
}

AbbreviationMatcher::Action AbbreviationMatcher::typed(const QString &text)
{
    m_undoable = false;
    if (text.isEmpty())
        return Action();
    if (m_mode == Mode::AfterDelimiter && AbbreviationText::isDelimiter(text)) {
        const Action action = match(text);
        m_buffer += text;
        m_buffer = m_buffer.right(BufferLength);
        return action;
    }
    m_buffer += text;
    m_buffer = m_buffer.right(BufferLength);
    return m_mode == Mode::AtOnce ? match(QString()) : Action();
}

AbbreviationMatcher::Action AbbreviationMatcher::backspace()
{
    if (m_undoable) {
        m_undoable = false;
        Action undo;
        undo.kind = Action::Undo;
        // The user's BackSpace took one character already.
        undo.erase = qMax(0, m_undoErase - 1);
        undo.retype = m_undoRetype;
        m_buffer.clear();
        return undo;
    }
    if (!m_buffer.isEmpty()) {
        int cut = 1;
        if (m_buffer.size() >= 2 && m_buffer.at(m_buffer.size() - 1).isLowSurrogate() &&
            m_buffer.at(m_buffer.size() - 2).isHighSurrogate())
            cut = 2;
        m_buffer.chop(cut);
    }
    return Action();
}

void AbbreviationMatcher::clear()
{
    m_buffer.clear();
    m_undoable = false;
}

void AbbreviationMatcher::expanded(const Action &action, const QString &inserted)
{
    m_buffer.clear();
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
