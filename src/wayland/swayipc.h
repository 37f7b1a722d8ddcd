#pragma once

// The window in front on sway (and compositors that speak its IPC), which a
// Wayland client cannot learn from the protocol: the focused window's
// application, process and place, and a way to focus a window. Each call
// opens the socket that SWAYSOCK names, asks, and closes it.

#include "wayland/waylandwindow.h"

#include <QJsonObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

namespace SwayIpc {

// Whether the environment names a sway socket.
bool available();
// Every window of the tree; false when the socket does not answer.
bool windows(QVector<WaylandWindow> *out);
// The window with the keyboard focus; false when none has it (an empty
// workspace) or sway does not answer.
bool focusedWindow(WaylandWindow *out);
// Asks sway to focus the window with this container id; false when it
// refused or did not answer.
bool focus(qint64 id);
// Runs a command for the window with this container id ("[con_id=N] ...");
// false when sway refused it or did not answer.
bool commandFor(qint64 id, const QByteArray &command);

// The part of the output at p that sway leaves to windows (the focused
// workspace there, without the bars), in layout pixels; false when none
// holds p or sway does not answer.
bool workArea(const QPoint &p, QRect *out);
// Whether sway's main configuration, as it last loaded it, binds a key to
// a command line that runs program; false when it binds none or sway does
// not answer. Files it includes are not read.
bool bindsProgram(const QString &program);
// The same over a configuration's text (pure, for tests).
bool configBindsProgram(const QString &config, const QString &program);

// The windows of a get_tree answer (pure, for tests).
QVector<WaylandWindow> windowsOfTree(const QJsonObject &tree);

} // namespace SwayIpc
