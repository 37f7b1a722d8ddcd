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
};

class KeyStream
{
public:
    virtual ~KeyStream() = default;
    // Starts delivering to sink, from the event loop; false where the
    // window system lets no program read the keys typed in others.
    virtual bool start(std::function<void(const TypedKey &)> sink) = 0;
    virtual void stop() = 0;
};
