#include "platform/x11/mackeycodes.h"

#include <QString>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

namespace MacKeyCodes {
namespace {
struct Entry {
    quint16 keyCode;
    quint32 keysym;
};

// PC keyboards have Insert where Apple's have Help, and Print where they have F13.
constexpr Entry table[] = {
    {0, XK_a}, {1, XK_s}, {2, XK_d}, {3, XK_f}, {4, XK_h}, {5, XK_g}, {6, XK_z}, {7, XK_x}, {8, XK_c},
    {9, XK_v}, {11, XK_b}, {12, XK_q}, {13, XK_w}, {14, XK_e}, {15, XK_r}, {16, XK_y}, {17, XK_t},
    {18, XK_1}, {19, XK_2}, {20, XK_3}, {21, XK_4}, {22, XK_6}, {23, XK_5}, {24, XK_equal}, {25, XK_9},
    {26, XK_7}, {27, XK_minus}, {28, XK_8}, {29, XK_0}, {30, XK_bracketright}, {31, XK_o}, {32, XK_u},
    {33, XK_bracketleft}, {34, XK_i}, {35, XK_p}, {36, XK_Return}, {37, XK_l}, {38, XK_j},
    {39, XK_apostrophe}, {40, XK_k}, {41, XK_semicolon}, {42, XK_backslash}, {43, XK_comma},
    {44, XK_slash}, {45, XK_n}, {46, XK_m}, {47, XK_period}, {48, XK_Tab}, {49, XK_space}, {50, XK_grave},
    {51, XK_BackSpace}, {53, XK_Escape},
    // modifier keys
    {54, XK_Super_R}, {55, XK_Super_L}, {56, XK_Shift_L}, {57, XK_Caps_Lock}, {58, XK_Alt_L},
    {59, XK_Control_L}, {60, XK_Shift_R}, {61, XK_Alt_R}, {62, XK_Control_R},
    // function keys
    {122, XK_F1}, {120, XK_F2}, {99, XK_F3}, {118, XK_F4}, {96, XK_F5}, {97, XK_F6}, {98, XK_F7},
    {100, XK_F8}, {101, XK_F9}, {109, XK_F10}, {103, XK_F11}, {111, XK_F12}, {105, XK_Print},
    {107, XK_F14}, {113, XK_F15}, {106, XK_F16}, {64, XK_F17}, {79, XK_F18}, {80, XK_F19}, {90, XK_F20},
    // navigation
    {114, XK_Insert}, {115, XK_Home}, {116, XK_Page_Up}, {117, XK_Delete}, {119, XK_End},
    {121, XK_Page_Down}, {123, XK_Left}, {124, XK_Right}, {125, XK_Down}, {126, XK_Up}, {110, XK_Menu},
    // keypad
    {65, XK_KP_Decimal}, {67, XK_KP_Multiply}, {69, XK_KP_Add}, {71, XK_Clear}, {75, XK_KP_Divide},
    {76, XK_KP_Enter}, {78, XK_KP_Subtract}, {81, XK_KP_Equal}, {82, XK_KP_0}, {83, XK_KP_1},
    {84, XK_KP_2}, {85, XK_KP_3}, {86, XK_KP_4}, {87, XK_KP_5}, {88, XK_KP_6}, {89, XK_KP_7},
    {91, XK_KP_8}, {92, XK_KP_9},
    // media
    {72, XF86XK_AudioRaiseVolume}, {73, XF86XK_AudioLowerVolume}, {74, XF86XK_AudioMute},
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
    if (keysym >= XK_A && keysym <= XK_Z)
        keysym += XK_a - XK_A;
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
} // namespace MacKeyCodes
