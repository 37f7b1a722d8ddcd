#pragma once

// Waits that keep the event loop running without user input. The X
// clipboard is served by its owner's event loop: while we hold the clipboard
// for a paste, a blocking sleep would make the target paste nothing or the
// old content. Keyboard and mouse events wait in the queue (the shortcut's
// own key events among them).

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace X11Wait {

inline void serveEvents(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// Serves events until done() holds or maxMs have passed; true when it held.
// done() is asked again after every batch of events, and at least every
// recheckMs for conditions that come true with time alone.
template <typename Done> bool serveEventsUntil(Done done, int maxMs, int recheckMs = 5)
{
    QElapsedTimer clock;
    clock.start();
    QTimer recheck; // its timeouts only wake processEvents up
    recheck.setTimerType(Qt::PreciseTimer);
    recheck.start(qMax(1, qMin(recheckMs, maxMs)));
    QEventLoop loop;
    for (;;) {
        if (done())
            return true;
        if (clock.elapsed() >= maxMs)
            return false;
        loop.processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    }
}

} // namespace X11Wait
