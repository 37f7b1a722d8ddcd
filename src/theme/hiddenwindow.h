#pragma once

// A hidden top-level window is never painted, yet Qt keeps its backing store
// (four bytes a pixel: 2 MB for the main window at its first size) until the
// window is destroyed. A tray program's windows spend most of their life
// hidden, so they give the pixels back when hidden by the program; the first
// paint after showing sizes the store again. A hide the window system asks
// for (minimising) keeps them.

#include <QBackingStore>
#include <QHideEvent>
#include <QWidget>

inline void releaseHiddenPixels(QWidget *window, const QHideEvent *event)
{
    if (!event->spontaneous() && window->isWindow() && window->backingStore())
        // Empty, not invalid: Windows' backing store makes a bitmap for any
        // size but zero, and ends the program when that fails for -1 x -1.
        window->backingStore()->resize(QSize(0, 0));
}
