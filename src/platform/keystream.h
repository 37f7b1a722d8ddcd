#pragma once

// What the user types in other programs, for abbreviations: the text each
// key press produced (a dead key or compose sequence as the character it
// makes), BackSpace, and the moments that end a word without text (a click,
// a navigation key, a shortcut with Ctrl, Alt or Win, another window). No
// key is taken away from its program; the keys the program sends itself are
// left out.

#include <QString>

#include <functional>

struct TypedKey
{
    enum Kind
    {
        Text,
        BackSpace,
        Break,
    };
    Kind kind = Break;
    QString text; // for Text
    // Non-zero for a key held back from its window (see KeyStream::hold):
    // what to pass on to let it through.
    quint64 held = 0;
};

class KeyStream
{
public:
    virtual ~KeyStream() = default;
    // Starts delivering to sink, from the event loop; false where the
    // window system lets no program read the keys typed in others.
    virtual bool start(std::function<void(const TypedKey &)> sink) = 0;
    virtual void stop() = 0;

    // While a phrase replaces what was typed, the keys typed meanwhile must
    // not land among its keys. hold() holds them back from their window from
    // now on: they still reach the sink, marked held, and go on only when
    // passed, in order. Keys typed before hold() are not held. False where
    // keys cannot be held back.
    virtual bool hold() { return false; }
    // Returns once every key typed before now has reached the sink; false
    // when that cannot be known.
    virtual bool sync() { return true; }
    // Lets the held keys up to and including `held` through to the window
    // in front, as they were typed.
    virtual bool pass(quint64 held)
    {
        Q_UNUSED(held)
        return false;
    }
    // Ends the hold, letting through every held key still waiting. False,
    // still holding, when held keys reached the sink meanwhile: those are to
    // be passed (or acted on) first, then release() called again.
    virtual bool release() { return true; }
};
