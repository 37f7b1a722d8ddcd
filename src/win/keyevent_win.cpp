#include "platform/keyevent.h"

#include "base/keymap.h"

#include <QKeyEvent>

int virtualKeyFromKeyEvent(const QKeyEvent &event)
{
    // Windows puts the virtual key itself into the event.
    const quint32 vk = event.nativeVirtualKey();
    if (vk > 0 && vk <= 0xFF)
        return int(vk);
    return KeyMap::virtualKeyFromQtKey(event.key(), event.modifiers() & Qt::KeypadModifier);
}
