#pragma once

// One window of a Wayland desktop as its compositor describes it.

#include <QRect>
#include <QString>
#include <QtGlobal>

struct WaylandWindow
{
    qint64 id = 0; // the compositor's id of the window (sway: its container)
    bool xwayland = false;
    quint32 x11Window = 0; // the X window of an XWayland one
    QString appId;         // a native window's application id
    QString x11Class;      // an XWayland window's WM_CLASS class and instance
    QString x11Instance;
    qint64 pid = 0;    // 0 when the compositor does not say
    QRect contentRect; // where its contents are, in layout pixels; null when unknown
    bool visible = false;
    bool focused = false;
};
