#pragma once

// The keys typed in other programs on X11, for abbreviations: the raw key
// and button events of the XInput extension (2.1 or later) on a connection
// of its own, which reach us whatever window has the focus and take no key
// away from it. Each press is translated with the keyboard's XKB state as
// the server reports it, event by event in the same stream, and with the
// locale's compose table for dead keys and compose sequences. Presses of the
// XTest device that our own keyboard sent are left out.
//
// While a phrase replaces an abbreviation, the keys typed meanwhile are held
// back (X11Keyboard grabs the keyboard): their raw events still come here,
// are kept with their releases, and are sent on as typed when passed.

#include "platform/keystream.h"

#include <QByteArray>

#include <memory>

class X11Keyboard;

class X11KeyStream final : public KeyStream
{
public:
    // displayName as for XOpenDisplay; keyboard sends our own keys.
    X11KeyStream(const QByteArray &displayName, X11Keyboard *keyboard);
    ~X11KeyStream() override;

    bool start(std::function<void(const TypedKey &)> sink) override;
    void stop() override;
    bool hold() override;
    bool sync() override;
    bool pass(quint64 held) override;
    bool release() override;
    // The focus moved to another field of the window in front: what was
    // typed before belongs to the one before.
    void focusMoved();

    struct State;

private:
    void readEvents();
    void letThroughAll(bool readFirst);

    std::unique_ptr<State> d;
};
