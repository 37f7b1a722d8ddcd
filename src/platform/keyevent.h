#pragma once

// Which key a captured key press stands for, as the data file stores it.

class QKeyEvent;

// The Windows virtual-key code of a key press: on Windows the event's native
// virtual key; on X11 its keysym translated to the code Windows reports for the
// same key. Falls back to the Qt key where the event carries no native key
// (synthesised events, the offscreen platform). 0 when the key has no code,
// so the shortcut editor ignores it.
int virtualKeyFromKeyEvent(const QKeyEvent &event);
