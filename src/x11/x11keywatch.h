#pragma once

// Which keys are down, followed event by event while typing waits for the
// shortcut's keys to go up.
//
// The wait cannot use Qt's own connection: while our grabbed shortcut key is
// held the server sends its release to us, and the nested event loop that
// keeps the clipboard served leaves every key event in Qt's queue. So this
// watch has an X connection of its own and asks for the raw key events of
// the XInput extension (2.1 or later), which reach every client that asks,
// whatever grab is active. It listens only while a wait needs it: raw events
// name every key the user presses anywhere.

#include <QtGlobal>

#include <bitset>
#include <memory>

class QSocketNotifier;
typedef struct _XDisplay Display;

class X11KeyWatch final
{
public:
    // displayName as for XOpenDisplay; the connection is opened on first use.
    explicit X11KeyWatch(const QByteArray &displayName);
    ~X11KeyWatch();
    X11KeyWatch(const X11KeyWatch &) = delete;
    X11KeyWatch &operator=(const X11KeyWatch &) = delete;

    // Starts listening (if not yet) and reads the keys that are down now;
    // false when the server has no XInput 2.1, and then nothing is followed.
    bool start();
    // Stops listening; the key state is forgotten.
    void stop();
    bool isWatching() const { return m_watching; }

    // The keys down as the events that have arrived tell; valid while
    // watching.
    const std::bitset<256> &keysDown();

    // Serves Qt's events, without user input, until a key goes up or down or
    // maxMs pass. Returns at once when not watching.
    void waitForKeyEvent(int maxMs);

private:
    bool open();
    void readEvents();

    QByteArray m_displayName;
    Display *m_display = nullptr;
    int m_xiOpcode = -1;
    bool m_watching = false;
    bool m_eventSeen = false;
    std::bitset<256> m_down;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
