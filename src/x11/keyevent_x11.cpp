#include "platform/keyevent.h"

#include "base/keymap.h"
#include "x11/keysymmap.h"

#include <QKeyEvent>

int virtualKeyFromKeyEvent(const QKeyEvent &event)
{
    // Qt's xcb platform reports the keysym as the native virtual key. It tells
    // keypad keys apart more reliably than the Qt key does.
    if (const quint32 keysym = event.nativeVirtualKey()) {
        if (const int vk = X11KeyMap::virtualKeyFromKeysym(keysym))
            return vk;
    }
    return KeyMap::virtualKeyFromQtKey(event.key(), event.modifiers() & Qt::KeypadModifier);
}
