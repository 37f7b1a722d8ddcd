#pragma once

// Synthesised keyboard input through XTest. Characters are typed whole
// (surrogate pairs are joined, also across calls). A character that the
// keyboard map lacks is bound for the moment to a spare keycode (one with no
// symbols); all of a batch's missing characters are bound before its first
// key goes out, and the map is put back later from a timer: a target reads
// the new map only when it gets round to the mapping notification, and a map
// restored at once makes it see key 0.

#include "platform/desktop.h"
#include "platform/x11/x11wait.h"

#include <QElapsedTimer>
#include <QHash>
#include <QTimer>
#include <QVector>

#include <X11/Xlib.h>

class X11Keyboard final
{
public:
    explicit X11Keyboard(Display *display);
    ~X11Keyboard();
    X11Keyboard(const X11Keyboard &) = delete;
    X11Keyboard &operator=(const X11Keyboard &) = delete;

    // The events of one SendInput call; returns how many were handled.
    int send(const QVector<KeyInput> &events);
    // Keycode of the key that carries a Windows virtual key; 0 when unknown.
    quint16 keycodeForVirtualKey(quint16 vk);
    bool isVirtualKeyDown(int vk);
    bool isNonModifierKeyDown();
    // Puts every borrowed keycode back to no symbol.
    void restoreMap();
    // Uses at most n spare keycodes from now on, so that tests can make a
    // batch hold more distinct characters than there are keys to borrow.
    void limitSpareKeys(int n);
    int spareKeyCount() const { return m_spares.size(); }

    // How long a bound keycode stays bound after its last use.
    static constexpr int RestoreDelayMs = 2000;
    // A borrowed keycode is rebound to another character only this long
    // after its last key went out, so the target decodes the earlier key with
    // the earlier map.
    static constexpr int ReuseGapMs = 150;

private:
    struct Action
    {
        enum Kind
        {
            Char,
            KeyDown,
            KeyUp,
            VirtualKeyUp
        } kind;
        quint32 value; // code point, keycode or virtual key
    };
    struct Spare
    {
        KeyCode keycode = 0;
        KeySym bound = NoSymbol;
        qint64 lastUsed = -1000000;
    };
    struct Location
    {
        KeyCode keycode = 0;
        bool shift = false;
    };

    bool loadMap();
    QVector<KeyCode> keycodesFor(KeySym sym) const;
    bool locate(quint32 codePoint, Location *where) const;
    void bindForSegment(const QVector<quint32> &codePoints);
    void sendChar(quint32 codePoint);
    void fakeKey(KeyCode keycode, bool down);
    QVector<Action> toActions(const QVector<KeyInput> &events);

    Display *m_display;
    bool m_hasXTest = false;
    int m_minKeycode = 8;
    int m_maxKeycode = 255;
    int m_symsPerKeycode = 0;
    QVector<KeySym> m_map; // (keycode - min) * symsPerKeycode + column
    QVector<Spare> m_spares;
    QHash<quint32, int> m_boundIndex; // code point -> index into m_spares
    quint16 m_pendingHigh = 0;        // a high surrogate waiting for its low half
    QElapsedTimer m_clock;
    QTimer m_restoreTimer;
};
