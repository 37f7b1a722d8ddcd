#pragma once

// The keys typing has bound for the moment, recorded where they can be put
// back when the normal way out is not taken: at exit() after Qt lost its X
// connection (an atexit handler opens a new one, should the server still
// run), and at the next start after the program was killed (a small file in
// the user's runtime folder). A key is cleared only while it still holds what
// we bound, so a layout the user set meanwhile is left alone.

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

namespace BorrowedKeys {

struct Key
{
    quint32 keycode = 0;
    quint32 sym0 = 0;
    quint32 sym1 = 0;
};

// Replaces the record for display with keys (empty: nothing borrowed).
void publish(const QByteArray &display, const QVector<Key> &keys);
// Clears the keys a killed earlier run left bound on display.
void recoverLeftovers(const QByteArray &display);

} // namespace BorrowedKeys
