#pragma once

// Native side of the frameless windows (main window, themed dialogs, picker)
// and of the plain dialogs that keep a native frame. The widgets call these on
// every platform; each backend does what its window system needs:
// Windows answers WM_NCCALCSIZE / WM_NCHITTEST and sets frame styles, X11 hands
// edge presses and title-bar drags to the window manager.

#include <QByteArray>

class QWidget;

namespace WindowFrame {

enum class Kind
{
    Dialog,     // 6-pixel resize band
    MainWindow, // 8-pixel band, minimise and maximise boxes, no edges while maximised
};

int band(Kind kind);

// Call on the window's first show, once its native window exists. Windows adds
// the caption and thick-frame styles (and the minimise and maximise boxes for
// the main window) so that the system still resizes, snaps and animates the
// window; X11 starts watching the window's edge band for resize presses. Does
// nothing for a window without a native handle.
void prepareFramelessWindow(QWidget *window, Kind kind);

// For the window's nativeEvent: true when the message was answered (result
// set). Only Windows messages of the types "windows_generic_MSG" and
// "windows_dispatcher_MSG" are ever answered; elsewhere this returns false.
bool frameNativeEvent(QWidget *window, const QByteArray &eventType, void *message, long *result,
                      Kind kind);

// Lets the window manager move the window while the left button is held.
// False when the platform has no such request (Windows, offscreen) or the
// request failed: the caller then moves the window itself.
bool startSystemMove(QWidget *window);

// Plain dialogs with a native frame: a caption, system menu and minimise box,
// no maximise box and no context-help button. Nothing to do on X11, where the
// window manager draws the frame from the window flags.
void tidyPlainDialogFrame(QWidget *dialog);

// A dialog that belongs to a window has no task bar entry of its own. X11
// window managers list transient windows too unless the window's state says
// to skip the task bar (icewm does by default): X11 adds that state, for a
// window with a parent, before it is mapped (call from its show event). On
// Windows an owned window never has one, and nothing is done.
void keepOffTaskbar(QWidget *dialog);

// Widths that a native caption needs beside the title text: one caption button
// and the small window icon.
int captionButtonWidth();
int smallIconWidth();

} // namespace WindowFrame
