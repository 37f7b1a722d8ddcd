#pragma once

// One synthesised keyboard event, the shape of a Win32 KEYBDINPUT, which the
// Windows backend hands to SendInput. The other backends speak their own
// window system's terms (keysyms, a virtual keyboard's characters).

#include "platform/desktop.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

struct KeyInput
{
    quint16 vk = 0;
    quint16 scan = 0;
    quint32 flags = 0;

    friend bool operator==(const KeyInput &a, const KeyInput &b)
    {
        return a.vk == b.vk && a.scan == b.scan && a.flags == b.flags;
    }
};

// The modifier keys whose release is waited for, as Windows virtual keys:
// Control, Shift and Alt on either side, and the Windows keys.
constexpr quint16 ModifierVirtualKeys[] = {0xA2, 0xA3, 0xA0, 0xA1, 0xA4, 0xA5, 0x5B, 0x5C};

namespace KeyFlag {
constexpr quint32 KeyUp = 0x0002;    // KEYEVENTF_KEYUP
constexpr quint32 Unicode = 0x0004;  // KEYEVENTF_UNICODE: scan holds one UTF-16 code unit
constexpr quint32 ScanCode = 0x0008; // KEYEVENTF_SCANCODE
constexpr quint32 Extended = 0x0001; // KEYEVENTF_EXTENDEDKEY: Insert, not the keypad's 0
} // namespace KeyFlag

// The key events of a paste chord: the modifiers down, the key down and up,
// the modifiers up, each with the code scanOf gives for its virtual key (the
// virtual keys are named too: Wine reads those). Insert is the extended key,
// not the keypad's 0.
template <typename ScanOf> QVector<KeyInput> pasteChordKeys(PasteKey key, ScanOf scanOf)
{
    constexpr quint16 VkShift = 0x10;
    constexpr quint16 VkControl = 0x11;
    constexpr quint16 VkInsert = 0x2D;
    constexpr quint16 VkV = 0x56;
    QVector<quint16> modifiers;
    quint16 vk = VkV;
    switch (key) {
    case PasteKey::CtrlShiftV:
        modifiers = {VkControl, VkShift};
        break;
    case PasteKey::ShiftInsert:
        modifiers = {VkShift};
        vk = VkInsert;
        break;
    case PasteKey::CtrlV:
        modifiers = {VkControl};
        break;
    }
    QVector<KeyInput> keys;
    for (quint16 m : modifiers)
        keys.append({m, scanOf(m), KeyFlag::ScanCode});
    const quint32 extended = vk == VkInsert ? KeyFlag::Extended : 0;
    const quint16 scan = scanOf(vk);
    keys.append({vk, scan, KeyFlag::ScanCode | extended});
    keys.append({vk, scan, KeyFlag::ScanCode | extended | KeyFlag::KeyUp});
    for (int i = modifiers.size() - 1; i >= 0; --i)
        keys.append({modifiers[i], keys[i].scan, KeyFlag::ScanCode | KeyFlag::KeyUp});
    return keys;
}

// Types text as Unicode key events, chunk code units per batch handed to
// send (which answers how many events it accepted); returns how many code
// units went out whole (text.size() when all did).
template <typename Send> int sendUnicodeText(const QString &text, int chunk, Send send)
{
    for (int from = 0; from < text.size(); from += chunk) {
        const int n = qMin(chunk, text.size() - from);
        QVector<KeyInput> events;
        events.reserve(2 * n);
        for (int i = from; i < from + n; ++i) {
            const quint16 unit = text.at(i).unicode();
            events.append({0, unit, KeyFlag::Unicode});
            events.append({0, unit, KeyFlag::Unicode | KeyFlag::KeyUp});
        }
        const int accepted = send(events);
        if (accepted != events.size())
            return from + (qMax(0, accepted) + 1) / 2; // a unit is typed by its key-down
    }
    return text.size();
}
