#pragma once

// Puts a phrase's text into another program's window: by direct message to a
// standard text control, by typing Unicode key events, or by clipboard paste
// with the user's clipboard put back afterwards. Stateless; runs on the GUI
// thread and waits there.

#include "platform/desktop.h"

#include <QString>

namespace Insertion {
constexpr int TypingLimit = 400;    // longest text (UTF-16 units) that is typed
constexpr int TypingChunk = 64;     // code units per SendInput call
constexpr int SettleMs = 50;        // after bringing the target forward
constexpr int ModifierWaitMs = 800; // longest wait for the shortcut's modifiers to go up
constexpr int ModifierPollMs = 10;
// Where a held shortcut key keeps the keyboard grabbed (X11), its release is
// waited for this long before the modifiers: what is typed meanwhile would
// reach us instead of the target.
constexpr int HeldKeyWaitMs = 5000;
constexpr int ClipboardAttempts = 10;
constexpr int ClipboardRetryMs = 15;
constexpr int PasteSettleMs = 300; // lets the target read the clipboard after Ctrl+V

// The modifier keys released before typing, in the order their key-ups go out.
constexpr quint16 ModifierKeys[] = {0xA2, 0xA3, 0xA0, 0xA1, 0xA4, 0xA5, 0x5B, 0x5C};
} // namespace Insertion

// True when the target accepted the text. An empty text sends nothing.
bool insertText(Desktop &desktop, const QString &text, WindowHandle target);
// Waits until the shortcut's key is up (where it is a grab, at most 5 s) and
// its modifiers are (at most 800 ms), then sends key-ups for the eight
// modifier keys.
void releaseModifierKeys(Desktop &desktop);
// Types text as Unicode key events, 64 code units per batch; true when every
// event was accepted.
bool typeUnicode(Desktop &desktop, const QString &text);
// Puts text on the clipboard, pastes it into target and restores the
// previous clipboard; true when the paste was delivered (and, where that can
// be seen, read by the target).
bool pasteViaClipboard(Desktop &desktop, const QString &text, WindowHandle target);
