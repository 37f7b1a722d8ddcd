#include "x11/keysymmap.h"

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

} // namespace

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
