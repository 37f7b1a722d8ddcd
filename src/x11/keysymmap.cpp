#include "x11/keysymmap.h"

#include <Qt>

#define XK_MISCELLANY
#define XK_LATIN1
#define XK_XKB_KEYS
#include <X11/keysymdef.h>

namespace X11KeyMap {

namespace {

struct Entry
{
    int vk;
    quint32 keysym;
};

// Both ways. Letters, digits, F1 to F24 and the keypad digits are ranges.
constexpr Entry table[] = {
    {0x08, XK_BackSpace},    {0x09, XK_Tab},          {0x0C, XK_Clear},
    {0x0D, XK_Return},       {0x13, XK_Pause},        {0x1B, XK_Escape},
    {0x20, XK_space},        {0x21, XK_Prior},        {0x22, XK_Next},
    {0x23, XK_End},          {0x24, XK_Home},         {0x25, XK_Left},
    {0x26, XK_Up},           {0x27, XK_Right},        {0x28, XK_Down},
    {0x2C, XK_Print},        {0x2D, XK_Insert},       {0x2E, XK_Delete},
    {0x5D, XK_Menu},         {0x6A, XK_KP_Multiply},  {0x6B, XK_KP_Add},
    {0x6C, XK_KP_Separator}, {0x6D, XK_KP_Subtract},  {0x6E, XK_KP_Decimal},
    {0x6F, XK_KP_Divide},    {0xBA, XK_semicolon},    {0xBB, XK_equal},
    {0xBC, XK_comma},        {0xBD, XK_minus},        {0xBE, XK_period},
    {0xBF, XK_slash},        {0xC0, XK_grave},        {0xDB, XK_bracketleft},
    {0xDC, XK_backslash},    {0xDD, XK_bracketright}, {0xDE, XK_apostrophe},
};

// Towards the virtual key only.
constexpr Entry oneWay[] = {
    {0x09, XK_ISO_Left_Tab}, // Shift+Tab
    {0x0D, XK_KP_Enter},     // Windows has one VK_RETURN for both
    {0x0C, XK_KP_Begin},     // keypad 5 with NumLock off
    {0x21, XK_KP_Prior},     {0x22, XK_KP_Next},    {0x23, XK_KP_End},      {0x24, XK_KP_Home},
    {0x25, XK_KP_Left},      {0x26, XK_KP_Up},      {0x27, XK_KP_Right},    {0x28, XK_KP_Down},
    {0x2D, XK_KP_Insert},    {0x2E, XK_KP_Delete},  {0x20, XK_KP_Space},    {0x09, XK_KP_Tab},
    {0x30, XK_parenright},   {0x31, XK_exclam},     {0x32, XK_at},          {0x33, XK_numbersign},
    {0x34, XK_dollar},       {0x35, XK_percent},    {0x36, XK_asciicircum}, {0x37, XK_ampersand},
    {0x38, XK_asterisk},     {0x39, XK_parenleft},  {0xBA, XK_colon},       {0xBB, XK_plus},
    {0xBC, XK_less},         {0xBD, XK_underscore}, {0xBE, XK_greater},     {0xBF, XK_question},
    {0xC0, XK_asciitilde},   {0xDB, XK_braceleft},  {0xDC, XK_bar},         {0xDD, XK_braceright},
    {0xDE, XK_quotedbl},
};

// Qt keys, both ways with the table above. Letters, digits, F1 to F24 and the
// keypad digits are ranges.
struct QtEntry
{
    int qtKey;
    bool keypad;
    quint32 keysym;
};

constexpr QtEntry qtTable[] = {
    {Qt::Key_Backspace, false, XK_BackSpace},
    {Qt::Key_Tab, false, XK_Tab},
    {Qt::Key_Clear, false, XK_Clear},
    {Qt::Key_Return, false, XK_Return},
    {Qt::Key_Pause, false, XK_Pause},
    {Qt::Key_Escape, false, XK_Escape},
    {Qt::Key_Space, false, XK_space},
    {Qt::Key_PageUp, false, XK_Prior},
    {Qt::Key_PageDown, false, XK_Next},
    {Qt::Key_End, false, XK_End},
    {Qt::Key_Home, false, XK_Home},
    {Qt::Key_Left, false, XK_Left},
    {Qt::Key_Up, false, XK_Up},
    {Qt::Key_Right, false, XK_Right},
    {Qt::Key_Down, false, XK_Down},
    {Qt::Key_Print, false, XK_Print},
    {Qt::Key_Insert, false, XK_Insert},
    {Qt::Key_Delete, false, XK_Delete},
    {Qt::Key_Menu, false, XK_Menu},
    {Qt::Key_Asterisk, true, XK_KP_Multiply},
    {Qt::Key_Plus, true, XK_KP_Add},
    {Qt::Key_Minus, true, XK_KP_Subtract},
    {Qt::Key_Period, true, XK_KP_Decimal},
    {Qt::Key_Slash, true, XK_KP_Divide},
    {Qt::Key_Semicolon, false, XK_semicolon},
    {Qt::Key_Equal, false, XK_equal},
    {Qt::Key_Comma, false, XK_comma},
    {Qt::Key_Minus, false, XK_minus},
    {Qt::Key_Period, false, XK_period},
    {Qt::Key_Slash, false, XK_slash},
    {Qt::Key_QuoteLeft, false, XK_grave},
    {Qt::Key_BracketLeft, false, XK_bracketleft},
    {Qt::Key_Backslash, false, XK_backslash},
    {Qt::Key_BracketRight, false, XK_bracketright},
    {Qt::Key_Apostrophe, false, XK_apostrophe},
};

} // namespace

quint32 keysymFromQtKey(int qtKey, bool keypad)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return XK_a + quint32(qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return (keypad ? XK_KP_0 : XK_0) + quint32(qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return XK_F1 + quint32(qtKey - Qt::Key_F1);
    // The keypad's own key first, then the key itself: with NumLock off the
    // keypad's navigation keys are the dedicated ones.
    for (const QtEntry &e : qtTable)
        if (e.qtKey == qtKey && e.keypad == keypad)
            return e.keysym;
    for (const QtEntry &e : qtTable)
        if (e.qtKey == qtKey && !e.keypad)
            return e.keysym;
    return 0;
}

quint32 keysymFromVirtualKey(int vk)
{
    if (vk >= 0x41 && vk <= 0x5A)
        return XK_a + quint32(vk - 0x41);
    if (vk >= 0x30 && vk <= 0x39)
        return XK_0 + quint32(vk - 0x30);
    if (vk >= 0x60 && vk <= 0x69)
        return XK_KP_0 + quint32(vk - 0x60);
    if (vk >= 0x70 && vk <= 0x87)
        return XK_F1 + quint32(vk - 0x70);
    for (const Entry &e : table)
        if (e.vk == vk)
            return e.keysym;
    return 0;
}

quint32 keysymFromCombination(const KeyCombination &combination)
{
    if (combination.nativeKey())
        return keysymFromVirtualKey(combination.nativeKey());
    return combination.isEmpty() ? 0 : keysymFromQtKey(combination.key(), combination.isKeypad());
}

QVector<quint32> keysymsFromVirtualKey(int vk)
{
    switch (vk) {
    case 0x10: // VK_SHIFT
        return {XK_Shift_L, XK_Shift_R};
    case 0x11: // VK_CONTROL
        return {XK_Control_L, XK_Control_R};
    case 0x12: // VK_MENU
        return {XK_Alt_L, XK_Alt_R, XK_Meta_L, XK_Meta_R};
    case 0xA0:
        return {XK_Shift_L};
    case 0xA1:
        return {XK_Shift_R};
    case 0xA2:
        return {XK_Control_L};
    case 0xA3:
        return {XK_Control_R};
    case 0xA4:
        return {XK_Alt_L, XK_Meta_L};
    case 0xA5: // right Alt: AltGr on many layouts
        return {XK_Alt_R, XK_Meta_R, XK_ISO_Level3_Shift};
    case 0x5B:
        return {XK_Super_L};
    case 0x5C:
        return {XK_Super_R};
    default:
        break;
    }
    if (const quint32 sym = keysymFromVirtualKey(vk))
        return {sym};
    return {};
}

int virtualKeyFromKeysym(quint32 keysym)
{
    if (keysym >= XK_a && keysym <= XK_z)
        return 0x41 + int(keysym - XK_a);
    if (keysym >= XK_A && keysym <= XK_Z)
        return 0x41 + int(keysym - XK_A);
    if (keysym >= XK_0 && keysym <= XK_9)
        return 0x30 + int(keysym - XK_0);
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9)
        return 0x60 + int(keysym - XK_KP_0);
    if (keysym >= XK_F1 && keysym <= XK_F24)
        return 0x70 + int(keysym - XK_F1);
    for (const Entry &e : table)
        if (e.keysym == keysym)
            return e.vk;
    for (const Entry &e : oneWay)
        if (e.keysym == keysym)
            return e.vk;
    return 0;
}

} // namespace X11KeyMap
