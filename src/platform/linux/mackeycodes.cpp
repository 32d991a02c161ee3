#include "platform/linux/mackeycodes.h"

#include <QString>

#include <xkbcommon/xkbcommon-keysyms.h>

namespace MacKeyCodes {
namespace {
struct Entry {
    quint16 keyCode;
    quint32 keysym;
};

// PC keyboards have Insert where Apple's have Help, and Print where they have F13.
constexpr Entry table[] = {
    {0, XKB_KEY_a}, {1, XKB_KEY_s}, {2, XKB_KEY_d}, {3, XKB_KEY_f}, {4, XKB_KEY_h}, {5, XKB_KEY_g}, {6, XKB_KEY_z}, {7, XKB_KEY_x}, {8, XKB_KEY_c},
    {9, XKB_KEY_v}, {11, XKB_KEY_b}, {12, XKB_KEY_q}, {13, XKB_KEY_w}, {14, XKB_KEY_e}, {15, XKB_KEY_r}, {16, XKB_KEY_y}, {17, XKB_KEY_t},
    {18, XKB_KEY_1}, {19, XKB_KEY_2}, {20, XKB_KEY_3}, {21, XKB_KEY_4}, {22, XKB_KEY_6}, {23, XKB_KEY_5}, {24, XKB_KEY_equal}, {25, XKB_KEY_9},
    {26, XKB_KEY_7}, {27, XKB_KEY_minus}, {28, XKB_KEY_8}, {29, XKB_KEY_0}, {30, XKB_KEY_bracketright}, {31, XKB_KEY_o}, {32, XKB_KEY_u},
    {33, XKB_KEY_bracketleft}, {34, XKB_KEY_i}, {35, XKB_KEY_p}, {36, XKB_KEY_Return}, {37, XKB_KEY_l}, {38, XKB_KEY_j},
    {39, XKB_KEY_apostrophe}, {40, XKB_KEY_k}, {41, XKB_KEY_semicolon}, {42, XKB_KEY_backslash}, {43, XKB_KEY_comma},
    {44, XKB_KEY_slash}, {45, XKB_KEY_n}, {46, XKB_KEY_m}, {47, XKB_KEY_period}, {48, XKB_KEY_Tab}, {49, XKB_KEY_space}, {50, XKB_KEY_grave},
    {51, XKB_KEY_BackSpace}, {53, XKB_KEY_Escape},
    // modifier keys
    {54, XKB_KEY_Super_R}, {55, XKB_KEY_Super_L}, {56, XKB_KEY_Shift_L}, {57, XKB_KEY_Caps_Lock}, {58, XKB_KEY_Alt_L},
    {59, XKB_KEY_Control_L}, {60, XKB_KEY_Shift_R}, {61, XKB_KEY_Alt_R}, {62, XKB_KEY_Control_R},
    // function keys
    {122, XKB_KEY_F1}, {120, XKB_KEY_F2}, {99, XKB_KEY_F3}, {118, XKB_KEY_F4}, {96, XKB_KEY_F5}, {97, XKB_KEY_F6}, {98, XKB_KEY_F7},
    {100, XKB_KEY_F8}, {101, XKB_KEY_F9}, {109, XKB_KEY_F10}, {103, XKB_KEY_F11}, {111, XKB_KEY_F12}, {105, XKB_KEY_Print},
    {107, XKB_KEY_F14}, {113, XKB_KEY_F15}, {106, XKB_KEY_F16}, {64, XKB_KEY_F17}, {79, XKB_KEY_F18}, {80, XKB_KEY_F19}, {90, XKB_KEY_F20},
    // navigation
    {114, XKB_KEY_Insert}, {115, XKB_KEY_Home}, {116, XKB_KEY_Page_Up}, {117, XKB_KEY_Delete}, {119, XKB_KEY_End},
    {121, XKB_KEY_Page_Down}, {123, XKB_KEY_Left}, {124, XKB_KEY_Right}, {125, XKB_KEY_Down}, {126, XKB_KEY_Up}, {110, XKB_KEY_Menu},
    // keypad
    {65, XKB_KEY_KP_Decimal}, {67, XKB_KEY_KP_Multiply}, {69, XKB_KEY_KP_Add}, {71, XKB_KEY_Clear}, {75, XKB_KEY_KP_Divide},
    {76, XKB_KEY_KP_Enter}, {78, XKB_KEY_KP_Subtract}, {81, XKB_KEY_KP_Equal}, {82, XKB_KEY_KP_0}, {83, XKB_KEY_KP_1},
    {84, XKB_KEY_KP_2}, {85, XKB_KEY_KP_3}, {86, XKB_KEY_KP_4}, {87, XKB_KEY_KP_5}, {88, XKB_KEY_KP_6}, {89, XKB_KEY_KP_7},
    {91, XKB_KEY_KP_8}, {92, XKB_KEY_KP_9},
    // media
    {72, XKB_KEY_XF86AudioRaiseVolume}, {73, XKB_KEY_XF86AudioLowerVolume}, {74, XKB_KEY_XF86AudioMute},
};
} // namespace

std::optional<quint32> keysymForKey(Key key)
{
    for (const Entry &entry : table) {
        if (entry.keyCode == key.code)
            return entry.keysym;
    }
    return std::nullopt;
}

std::optional<Key> keyForKeysym(quint32 keysym)
{
    if (keysym >= XKB_KEY_A && keysym <= XKB_KEY_Z)
        keysym += XKB_KEY_a - XKB_KEY_A;
    for (const Entry &entry : table) {
        if (entry.keysym == keysym)
            return entry.keyCode;
    }
    return std::nullopt;
}

QString characterForKeysym(quint32 keysym)
{
    // Latin-1 keysyms are their code points; Unicode keysyms carry theirs under 0x01000000.
    if ((keysym >= 0x20 && keysym <= 0x7e) || (keysym >= 0xa0 && keysym <= 0xff))
        return QString(QChar(char16_t(keysym)));
    if (keysym >= 0x01000100 && keysym <= 0x0110ffff) {
        const char32_t ucs = keysym - 0x01000000;
        return QString::fromUcs4(&ucs, 1);
    }
    return QString();
}

QString characterForKey(Key key)
{
    const std::optional<quint32> keysym = keysymForKey(key);
    return keysym ? characterForKeysym(*keysym) : QString();
}

std::optional<KeyModifiers::Flag> modifierOfKeysym(quint32 keysym)
{
    switch (keysym) {
    case XKB_KEY_Shift_L:
    case XKB_KEY_Shift_R:
        return KeyModifiers::shift;
    case XKB_KEY_Control_L:
    case XKB_KEY_Control_R:
        return KeyModifiers::control;
    case XKB_KEY_Alt_L:
    case XKB_KEY_Alt_R:
    case XKB_KEY_Meta_L:
    case XKB_KEY_Meta_R:
    case XKB_KEY_ISO_Level3_Shift: // AltGr sits where the right Option key is
        return KeyModifiers::option;
    case XKB_KEY_Super_L:
    case XKB_KEY_Super_R:
    case XKB_KEY_Hyper_L:
    case XKB_KEY_Hyper_R:
        return KeyModifiers::command;
    default:
        return std::nullopt;
    }
}
} // namespace MacKeyCodes
