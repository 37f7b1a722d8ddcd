#pragma once

// The two roads into a native Wayland window that each compositor family
// offers in its own way: keys (a virtual keyboard of our own on wlroots,
// KWin's fake input, mutter's remote desktop session) and the clipboard (data
// control, or mutter's session). The desktop above them decides when to type
// and when to paste, and is the same for all.

#include "platform/pastereads.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QPair>
#include <QString>
#include <QVector>

class NativeKeyboard
{
public:
    // The keys besides characters.
    enum class Key
    {
        Left,
        BackSpace,
        PasteV, // V, for Control+V and Control+Shift+V
        Insert, // for Shift+Insert
    };
    // The chord modifiers, as XKB numbers its real modifiers.
    static constexpr quint32 ShiftBit = 0x1;
    static constexpr quint32 ControlBit = 0x4;

    virtual ~NativeKeyboard() = default;
    virtual bool isValid() const = 0;
    // Whether every character of text (code points; a line break is Return,
    // a tab Tab) is typed exactly now, making keys ready where the road
    // needs that. False for a text with a character the road cannot type:
    // it is then pasted.
    virtual bool prepare(const QString &text) = 0;
    // What became of the keys of type().
    enum class Sent
    {
        All,     // every key went out with the map prepare() readied
        Nothing, // not one went out: the text may still be pasted
        Some,    // some went out, or all may have gone with another map: the
                 // text must not be pasted over them, nor counted as typed
    };
    // Types characters of a text prepare() accepted, in order.
    virtual Sent type(const QVector<char32_t> &characters) = 0;
    // Presses and releases key with the modifier bits held.
    virtual bool chord(quint32 modifiers, Key key) = 0;
};

class NativeClipboard
{
public:
    enum class Selection
    {
        Clipboard,
        Primary,
    };

    // What a selection held: its formats (MIME type and bytes), in the order
    // offered.
    struct Content
    {
        bool empty = true;
        QVector<QPair<QByteArray, QByteArray>> formats;
        int lostFormats = 0; // offered but not read
    };

    virtual ~NativeClipboard() = default;
    virtual bool isValid() const = 0;
    virtual bool hasPrimary() const = 0;
    // A copy of what the selection holds now, read before deadline (what is
    // left then counts as lost); false when it could not be read at all.
    virtual bool read(Selection which, Content *out, const QDeadlineTimer &deadline) = 0;
    // Offers text (UTF-8) on the selection. watched: a paste of ours, whose
    // fetch by the target is counted; else the user's, kept until replaced.
    virtual bool offerText(Selection which, const QByteArray &utf8, bool watched) = 0;
    // After the paste keys: waits until a target has fetched a watched text
    // to its end and is through with its reads (PasteReads, after the reads
    // of target's last paste); false when none fetched it in time or we lost
    // the selection first.
    virtual bool awaitFetch(quint64 target) = 0;
    // The text offered last on the selection is still there: no other
    // program took the selection since.
    virtual bool textStillOffered(Selection) { return true; }
    // Puts a copy back; an empty one clears the selection.
    virtual bool put(Selection which, const Content &content) = 0;
};
