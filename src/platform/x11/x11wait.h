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
template <typename Done> bool serveEventsUntil(Done done, int maxMs, int pollMs = 5)
{
    QElapsedTimer t;
    t.start();
    for (;;) {
        if (done())
            return true;
        const qint64 left = maxMs - t.elapsed();
        if (left <= 0)
            return false;
        serveEvents(int(qMin<qint64>(pollMs, left)));
    }
}

} // namespace X11Wait
