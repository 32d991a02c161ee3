#include "platform/wayland/waylandkeyboardlayout.h"

#include "platform/linux/mackeycodes.h"
#include "platform/wayland/waylandseat.h"

#include <xkbcommon/xkbcommon.h>

std::optional<Key> WaylandKeyboardLayout::keyForKeyPress(const NativeKeyPress &press) const
{
    xkb_keymap *keymap = m_seat.keymap();
    if (keymap && press.nativeScanCode >= xkb_keymap_min_keycode(keymap)
        && press.nativeScanCode <= xkb_keymap_max_keycode(keymap)) {
        const xkb_keysym_t *syms = nullptr;
        if (xkb_keymap_key_get_syms_by_level(keymap, press.nativeScanCode, 0, 0, &syms) > 0) {
            if (const std::optional<Key> key = MacKeyCodes::keyForKeysym(syms[0]))
                return key;
        }
    }
    if (press.nativeVirtualKey)
        return MacKeyCodes::keyForKeysym(press.nativeVirtualKey);
    return std::nullopt;
}

QString WaylandKeyboardLayout::characterForKey(Key key) const
{
    return MacKeyCodes::characterForKey(key);
}
