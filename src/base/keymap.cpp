#include "base/keymap.h"

namespace KeyMap {

namespace {

struct Entry
{
    int vk;
    int qtKey;
    bool keypad;
};

// The keys that map both ways. Letters, digits and F1 to F24 follow from
// ranges and are not listed.
constexpr Entry table[] = {
    {0x08, Qt::Key_Backspace, false},  {0x09, Qt::Key_Tab, false},
    {0x0C, Qt::Key_Clear, false},      {0x0D, Qt::Key_Return, false},
    {0x13, Qt::Key_Pause, false},      {0x1B, Qt::Key_Escape, false},
    {0x20, Qt::Key_Space, false},      {0x21, Qt::Key_PageUp, false},
    {0x22, Qt::Key_PageDown, false},   {0x23, Qt::Key_End, false},
    {0x24, Qt::Key_Home, false},       {0x25, Qt::Key_Left, false},
    {0x26, Qt::Key_Up, false},         {0x27, Qt::Key_Right, false},
    {0x28, Qt::Key_Down, false},       {0x2C, Qt::Key_Print, false},
    {0x2D, Qt::Key_Insert, false},     {0x2E, Qt::Key_Delete, false},
    {0x5D, Qt::Key_Menu, false},       {0x6A, Qt::Key_Asterisk, true},
    {0x6B, Qt::Key_Plus, true},        {0x6D, Qt::Key_Minus, true},
    {0x6E, Qt::Key_Period, true},      {0x6F, Qt::Key_Slash, true},
    {0xBA, Qt::Key_Semicolon, false},  {0xBB, Qt::Key_Equal, false},
    {0xBC, Qt::Key_Comma, false},      {0xBD, Qt::Key_Minus, false},
    {0xBE, Qt::Key_Period, false},     {0xBF, Qt::Key_Slash, false},
    {0xC0, Qt::Key_QuoteLeft, false},  {0xDB, Qt::Key_BracketLeft, false},
    {0xDC, Qt::Key_Backslash, false},  {0xDD, Qt::Key_BracketRight, false},
    {0xDE, Qt::Key_Apostrophe, false},
};

// Keys that only map towards the virtual key: what Qt reports for a shifted
// key, for keypad keys with NumLock off, and for a second name of the same key.
constexpr Entry oneWay[] = {
    {0x09, Qt::Key_Backtab, false}, // Shift+Tab
    {0x0D, Qt::Key_Enter, false},   // keypad Enter is VK_RETURN on Windows too
    {0x0D, Qt::Key_Enter, true},
    {0x6E, Qt::Key_Comma, true}, // the keypad decimal key of comma locales
    {0x30, Qt::Key_ParenRight, false},
    {0x31, Qt::Key_Exclam, false},
    {0x32, Qt::Key_At, false},
    {0x33, Qt::Key_NumberSign, false},
    {0x34, Qt::Key_Dollar, false},
    {0x35, Qt::Key_Percent, false},
    {0x36, Qt::Key_AsciiCircum, false},
    {0x37, Qt::Key_Ampersand, false},
    {0x38, Qt::Key_Asterisk, false},
    {0x39, Qt::Key_ParenLeft, false},
    {0xBA, Qt::Key_Colon, false},
    {0xBB, Qt::Key_Plus, false},
    {0xBC, Qt::Key_Less, false},
    {0xBD, Qt::Key_Underscore, false},
    {0xBE, Qt::Key_Greater, false},
    {0xBF, Qt::Key_Question, false},
    {0xC0, Qt::Key_AsciiTilde, false},
    {0xDB, Qt::Key_BraceLeft, false},
    {0xDC, Qt::Key_Bar, false},
    {0xDD, Qt::Key_BraceRight, false},
    {0xDE, Qt::Key_QuoteDbl, false},
};

} // namespace

int virtualKeyFromQtKey(int qtKey, bool keypad)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? 0x60 + (qtKey - Qt::Key_0) : qtKey;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 0x70 + (qtKey - Qt::Key_F1);
    // Exact keypad match first, then the key itself: keypad navigation keys
    // (NumLock off) are the same keys as the dedicated ones on Windows.
    for (const Entry &e : table)
        if (e.qtKey == qtKey && e.keypad == keypad)
            return e.vk;
    for (const Entry &e : oneWay)
        if (e.qtKey == qtKey && e.keypad == keypad)
            return e.vk;
    for (const Entry &e : table)
        if (e.qtKey == qtKey && !e.keypad)
            return e.vk;
    for (const Entry &e : oneWay)
        if (e.qtKey == qtKey && !e.keypad)
            return e.vk;
    return 0;
}

int qtKeyFromVirtualKey(int vk, bool *keypad)
{
    if (keypad)
        *keypad = false;
    if ((vk >= 0x30 && vk <= 0x39) || (vk >= 0x41 && vk <= 0x5A))
        return vk;
    if (vk >= 0x70 && vk <= 0x87)
        return Qt::Key_F1 + (vk - 0x70);
    if (vk >= 0x60 && vk <= 0x69) {
        if (keypad)
            *keypad = true;
        return Qt::Key_0 + (vk - 0x60);
    }
    for (const Entry &e : table) {
        if (e.vk == vk) {
            if (keypad)
                *keypad = e.keypad;
            return e.qtKey;
        }
    }
    return 0;
}

} // namespace KeyMap
