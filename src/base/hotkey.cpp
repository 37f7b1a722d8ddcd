#include "base/hotkey.h"

#include <QStringList>

namespace Hotkey {

namespace {

const char *namedKey(int vk)
{
    switch (vk) {
    case 0x08:
        return "Backspace";
    case 0x09:
        return "Tab";
    case 0x0D:
        return "Enter";
    case 0x1B:
        return "Esc";
    case 0x20:
        return "Space";
    case 0x21:
        return "PageUp";
    case 0x22:
        return "PageDown";
    case 0x23:
        return "End";
    case 0x24:
        return "Home";
    case 0x25:
        return "Left";
    case 0x26:
        return "Up";
    case 0x27:
        return "Right";
    case 0x28:
        return "Down";
    case 0x2D:
        return "Insert";
    case 0x2E:
        return "Delete";
    case 0x6A:
        return "Num *";
    case 0x6B:
        return "Num +";
    case 0x6D:
        return "Num -";
    case 0x6E:
        return "Num .";
    case 0x6F:
        return "Num /";
    case 0xBA:
        return ";";
    case 0xBB:
        return "=";
    case 0xBC:
        return ",";
    case 0xBD:
        return "-";
    case 0xBE:
        return ".";
    case 0xBF:
        return "/";
    case 0xC0:
        return "`";
    case 0xDB:
        return "[";
    case 0xDC:
        return "\\";
    case 0xDD:
        return "]";
    case 0xDE:
        return "'";
    default:
        return nullptr;
    }
}

// Keys that type a character, or move through or edit text, in every
// program: letters, digits, punctuation (the OEM keys), the keypad, Space,
// Enter, Tab, Backspace, Delete and the keys that move the caret.
bool typesOrEdits(int vk)
{
    return vk == 0x08 || vk == 0x09 || vk == 0x0D || vk == 0x20 || (vk >= 0x21 && vk <= 0x28) ||
           vk == 0x2E || (vk >= 0x30 && vk <= 0x39) || (vk >= 0x41 && vk <= 0x5A) ||
           (vk >= 0x60 && vk <= 0x6F) || (vk >= 0xBA && vk <= 0xC2) || (vk >= 0xDB && vk <= 0xDF) ||
           vk == 0xE2;
}

} // namespace

QString keyName(int vk)
{
    if ((vk >= 0x41 && vk <= 0x5A) || (vk >= 0x30 && vk <= 0x39))
        return QString(QChar(vk));
    if (vk >= 0x70 && vk <= 0x87)
        return QStringLiteral("F%1").arg(vk - 111);
    if (vk >= 0x60 && vk <= 0x69)
        return QStringLiteral("Num %1").arg(vk - 96);
    if (const char *name = namedKey(vk))
        return QString::fromLatin1(name);
    return QStringLiteral("0x%1").arg(vk, 0, 16);
}

QString keyText(int mods, int vk)
{
    if (vk == 0)
        return QString();
    QStringList parts;
    if (mods & ModControl)
        parts << QStringLiteral("Ctrl");
    if (mods & ModAlt)
        parts << QStringLiteral("Alt");
    if (mods & ModShift)
        parts << QStringLiteral("Shift");
    if (mods & ModWin)
        parts << QStringLiteral("Win");
    parts << keyName(vk);
    return parts.join(QLatin1Char('+'));
}

bool sameHotkey(int mods1, int vk1, int mods2, int vk2)
{
    return vk1 != 0 && vk1 == vk2 && mods1 == mods2;
}

bool hasModifier(int mods)
{
    return (mods & ModMask) != 0;
}

bool isAltGrChord(int mods)
{
    const int m = mods & ModMask;
    return m == (ModControl | ModAlt) || m == (ModControl | ModAlt | ModShift);
}

Refusal refusal(int mods, int vk, const QString &altGrTyped)
{
    if (vk == 0)
        return Refusal::None;
    constexpr int VkInsert = 0x2D;
    constexpr int VkV = 0x56;
    constexpr int VkF1 = 0x70;
    constexpr int VkF24 = 0x87;
    const int m = mods & ModMask;
    if ((m == ModControl && (vk == VkV || vk == VkInsert)) || (m == ModShift && vk == VkInsert) ||
        (m == (ModControl | ModShift) && vk == VkV))
        return Refusal::PasteKey;
    if (m == 0 && !(vk >= VkF1 && vk <= VkF24))
        return Refusal::NoModifier;
    if (m == ModShift && typesOrEdits(vk))
        return Refusal::ShiftTypes;
    if (isAltGrChord(m) && !altGrTyped.isEmpty())
        return Refusal::AltGrCharacter;
    return Refusal::None;
}

int modsFromQt(Qt::KeyboardModifiers modifiers)
{
    int mods = 0;
    if (modifiers & Qt::ControlModifier)
        mods |= ModControl;
    if (modifiers & Qt::AltModifier)
        mods |= ModAlt;
    if (modifiers & Qt::ShiftModifier)
        mods |= ModShift;
    if (modifiers & Qt::MetaModifier)
        mods |= ModWin;
    return mods;
}

} // namespace Hotkey
