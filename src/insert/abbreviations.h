#pragma once

// Abbreviations typed in other programs: what the user typed last, and when
// it ends with an enabled phrase's abbreviation, what to do about it. Fed
// the characters that each key press produced (dead keys and compose
// sequences as the character they make) and the BackSpaces, with the time
// of each; the caller clears it at a mouse click, a change of window or of
// the focused field, and the navigation keys.
//
// What the user types may be a password the program cannot recognise as
// one: no more of it is kept than the longest abbreviation, it is wiped (not
// only released) at Enter, Tab and every clear, and after IdleMs without
// keys. Pure: no keys are read or sent here.

#include "store/phrase.h"

#include <QHash>
#include <QString>
#include <QVector>

#include <array>

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
        // Typed in another case (";Sig", ";SIG") it matches too, and the
        // action names the abbreviation as typed.
        bool matchCase = false;
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
    // first wins, and one typed exactly wins over one in another case.
    // Invalid ones are left out.
    void setAbbreviations(const QVector<Entry> &entries);
    void setMode(Mode mode) { m_mode = mode; }
    Mode mode() const { return m_mode; }

    // A key produced text (one character, or a few for a compose sequence)
    // at nowMs (a millisecond clock that may wrap).
    Action typed(const QString &text, quint32 nowMs);
    // BackSpace: the last character goes; right after an expansion, the
    // abbreviation comes back.
    Action backspace(quint32 nowMs);
    // Forgets what was typed: a click, another window or field, a navigation
    // key, a shortcut with Ctrl or Alt, pause. What comes next starts a word.
    void clear();
    // Forgets what was typed, keeping only whether a word was under way:
    // the caller's timer, IdleMs after the last key.
    void forgetTyped();
    // The same once IdleMs have passed since the last key (done before
    // every key).
    void forgetIfIdle(quint32 nowMs);
    // The expansion of action went out, and the target now holds inserted
    // (the phrase's text as inserted) followed by the delimiter: a BackSpace
    // next takes it back.
    void expanded(const Action &action, const QString &inserted);

    // How long typed text is kept without a key.
    static constexpr int IdleMs = 5000;
    // What is kept of the typed text: at most the longest abbreviation.
    QString buffer() const;

private:
    Action match(const QString &delimiter) const;
    void append(const QString &text);
    void wipe(int from);

    Mode m_mode = Mode::AtOnce;
    QHash<QString, QString> m_ids; // abbreviation -> phrase id
    // Case-folded abbreviation -> phrase id, of the phrases whose case
    // follows the typed one.
    QHash<QString, QString> m_foldedIds;
    int m_longest = 0;
    // The typed text's tail, in place: nothing of it is left behind in
    // memory that was given back.
    std::array<QChar, Phrase::MaxAbbreviationLength> m_chars{};
    int m_size = 0;
    // Whether the character before the kept ones ends a word: enough to
    // tell "x;sig" from " ;sig" without keeping the x.
    bool m_wordBefore = false;
    quint32 m_lastKeyMs = 0;
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
