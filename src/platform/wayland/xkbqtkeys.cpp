#include "platform/wayland/xkbqtkeys.h"

#include <QChar>

#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon.h>

namespace XkbQtKeys {
namespace {
struct Entry {
    quint32 keysym;
    int key;
};

constexpr Entry named[] = {
    {XKB_KEY_Escape, Qt::Key_Escape}, {XKB_KEY_Tab, Qt::Key_Tab}, {XKB_KEY_ISO_Left_Tab, Qt::Key_Backtab},
    {XKB_KEY_BackSpace, Qt::Key_Backspace}, {XKB_KEY_Return, Qt::Key_Return}, {XKB_KEY_KP_Enter, Qt::Key_Enter},
    {XKB_KEY_Insert, Qt::Key_Insert}, {XKB_KEY_Delete, Qt::Key_Delete}, {XKB_KEY_Pause, Qt::Key_Pause},
    {XKB_KEY_Print, Qt::Key_Print}, {XKB_KEY_Sys_Req, Qt::Key_SysReq}, {XKB_KEY_Clear, Qt::Key_Clear},
    {XKB_KEY_Home, Qt::Key_Home}, {XKB_KEY_End, Qt::Key_End}, {XKB_KEY_Left, Qt::Key_Left},
    {XKB_KEY_Up, Qt::Key_Up}, {XKB_KEY_Right, Qt::Key_Right}, {XKB_KEY_Down, Qt::Key_Down},
    {XKB_KEY_Prior, Qt::Key_PageUp}, {XKB_KEY_Next, Qt::Key_PageDown}, {XKB_KEY_Shift_L, Qt::Key_Shift},
    {XKB_KEY_Shift_R, Qt::Key_Shift}, {XKB_KEY_Control_L, Qt::Key_Control}, {XKB_KEY_Control_R, Qt::Key_Control},
    {XKB_KEY_Alt_L, Qt::Key_Alt}, {XKB_KEY_Alt_R, Qt::Key_Alt}, {XKB_KEY_Meta_L, Qt::Key_Meta},
    {XKB_KEY_Meta_R, Qt::Key_Meta}, {XKB_KEY_Super_L, Qt::Key_Super_L}, {XKB_KEY_Super_R, Qt::Key_Super_R},
    {XKB_KEY_Hyper_L, Qt::Key_Hyper_L}, {XKB_KEY_Hyper_R, Qt::Key_Hyper_R},
    {XKB_KEY_ISO_Level3_Shift, Qt::Key_AltGr}, {XKB_KEY_Mode_switch, Qt::Key_Mode_switch},
    {XKB_KEY_Caps_Lock, Qt::Key_CapsLock}, {XKB_KEY_Num_Lock, Qt::Key_NumLock},
    {XKB_KEY_Scroll_Lock, Qt::Key_ScrollLock}, {XKB_KEY_Menu, Qt::Key_Menu}, {XKB_KEY_Help, Qt::Key_Help},
    {XKB_KEY_KP_Home, Qt::Key_Home}, {XKB_KEY_KP_End, Qt::Key_End}, {XKB_KEY_KP_Left, Qt::Key_Left},
    {XKB_KEY_KP_Up, Qt::Key_Up}, {XKB_KEY_KP_Right, Qt::Key_Right}, {XKB_KEY_KP_Down, Qt::Key_Down},
    {XKB_KEY_KP_Prior, Qt::Key_PageUp}, {XKB_KEY_KP_Next, Qt::Key_PageDown},
    {XKB_KEY_KP_Insert, Qt::Key_Insert}, {XKB_KEY_KP_Delete, Qt::Key_Delete},
    {XKB_KEY_KP_Begin, Qt::Key_Clear}, {XKB_KEY_KP_Add, Qt::Key_Plus}, {XKB_KEY_KP_Subtract, Qt::Key_Minus},
    {XKB_KEY_KP_Multiply, Qt::Key_Asterisk}, {XKB_KEY_KP_Divide, Qt::Key_Slash},
    {XKB_KEY_KP_Decimal, Qt::Key_Period}, {XKB_KEY_KP_Separator, Qt::Key_Comma},
    {XKB_KEY_KP_Equal, Qt::Key_Equal}, {XKB_KEY_KP_Space, Qt::Key_Space}, {XKB_KEY_KP_Tab, Qt::Key_Tab},
    {XKB_KEY_dead_grave, Qt::Key_Dead_Grave}, {XKB_KEY_dead_acute, Qt::Key_Dead_Acute},
    {XKB_KEY_dead_circumflex, Qt::Key_Dead_Circumflex}, {XKB_KEY_dead_tilde, Qt::Key_Dead_Tilde},
    {XKB_KEY_dead_diaeresis, Qt::Key_Dead_Diaeresis},
};
} // namespace

int qtKey(quint32 keysym)
{
    for (const Entry &e : named) {
        if (e.keysym == keysym)
            return e.key;
    }
    if (keysym >= XKB_KEY_F1 && keysym <= XKB_KEY_F35)
        return Qt::Key_F1 + int(keysym - XKB_KEY_F1);
    if (keysym >= XKB_KEY_KP_0 && keysym <= XKB_KEY_KP_9)
        return Qt::Key_0 + int(keysym - XKB_KEY_KP_0);
    const char32_t code = xkb_keysym_to_utf32(keysym);
    if (code < 0x20 || code == 0x7f)
        return 0;
    const char32_t upper = QChar::toUpper(code);
    return int(upper);
}

bool isKeypad(quint32 keysym)
{
    return keysym >= XKB_KEY_KP_Space && keysym <= XKB_KEY_KP_Equal;
}
} // namespace XkbQtKeys
