#pragma once

// Abbreviations typed in other programs: what the user typed last, and when
// it ends with an enabled phrase's abbreviation, what to do about it. Fed
// the characters that each key press produced (dead keys and compose
// sequences as the character they make) and the BackSpaces; the caller
// clears it at a mouse click, a change of window and the navigation keys.
// Pure: no keys are read or sent here.

#include <QHash>
#include <QString>
#include <QVector>

class AbbreviationMatcher
{
public:
    enum class Mode
    {
        AtOnce,         // as soon as the last character of the abbreviation is typed
        AfterDelimiter, // at the space, Tab, Enter or punctuation that follows it
    };

    struct Entry
    {
        QString abbreviation;
        QString id; // the phrase's
    };

    struct Action
    {
        enum Kind
        {
            None,
            Expand, // erase, insert the phrase id, then type retype (the delimiter)
            Undo,   // erase, then type retype (the abbreviation and its delimiter)
        };
        Kind kind = None;
        QString id;
        QString abbreviation; // for Expand: the one typed
        int erase = 0;        // BackSpaces, one per character as the target counts them
        QString retype;
    };

    // The enabled phrases' abbreviations, in list order: of two alike the
    // first wins. Invalid ones are left out.
    void setAbbreviations(const QVector<Entry> &entries);
    void setMode(Mode mode) { m_mode = mode; }
    Mode mode() const { return m_mode; }

    // A key produced text (one character, or a few for a compose sequence).
    Action typed(const QString &text);
    // BackSpace: the last character goes; right after an expansion, the
    // abbreviation comes back.
    Action backspace();
    // Forgets what was typed: a click, another window, a navigation key, a
    // shortcut with Ctrl or Alt, pause.
    void clear();
    // The expansion of action went out, and the target now holds inserted
    // (the phrase's text as inserted) followed by the delimiter: a BackSpace
    // next takes it back.
    void expanded(const Action &action, const QString &inserted);

    // What is kept of the typed text.
    static constexpr int BufferLength = 64;
    const QString &buffer() const { return m_buffer; }

private:
    Action match(const QString &delimiter) const;

    Mode m_mode = Mode::AtOnce;
    QHash<QString, QString> m_ids; // abbreviation -> phrase id
    int m_longest = 0;
    QString m_buffer;
    // The last expansion while nothing else has been typed since.
    bool m_undoable = false;
    int m_undoErase = 0;
    QString m_undoRetype;
};

namespace AbbreviationText {
// True for the characters that end a word in "after a delimiter" mode:
// white space and punctuation.
bool isDelimiter(const QString &text);
// How many BackSpaces erase text: its characters as a text field counts
// them (a line break is one).
int eraseCount(const QString &text);
} // namespace AbbreviationText
