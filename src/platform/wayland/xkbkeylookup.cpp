#include "platform/wayland/xkbkeylookup.h"

#include <xkbcommon/xkbcommon.h>

namespace {
bool levelGives(xkb_keymap *keymap, xkb_keycode_t keycode, xkb_layout_index_t layout, xkb_level_index_t level,
                quint32 keysym)
{
    const xkb_keysym_t *syms = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(keymap, keycode, layout, level, &syms);
    for (int i = 0; i < count; ++i) {
        if (syms[i] == keysym)
            return true;
    }
    return false;
}
} // namespace

XkbKeyLookup::XkbKeyLookup(xkb_keymap *keymap)
    : m_keymap(keymap)
{
}

std::optional<XkbKeyLookup::Location> XkbKeyLookup::find(quint32 keysym, quint32 layout) const
{
    if (!m_keymap)
        return std::nullopt;
    const xkb_keycode_t min = xkb_keymap_min_keycode(m_keymap);
    const xkb_keycode_t max = xkb_keymap_max_keycode(m_keymap);
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts(m_keymap);
    // Letters are looked for by their lower-case keysym, as a key's first level gives them.
    const quint32 wanted = xkb_keysym_to_lower(keysym);
    for (xkb_level_index_t level : {0u, 1u}) {
        for (xkb_layout_index_t step = 0; step < layouts; ++step) {
            const xkb_layout_index_t l = (layout + step) % layouts;
            for (xkb_keycode_t kc = min; kc <= max; ++kc) {
                if (l < xkb_keymap_num_layouts_for_key(m_keymap, kc) && levelGives(m_keymap, kc, l, level, wanted))
                    return Location{kc, l};
            }
        }
    }
    return std::nullopt;
}

quint32 XkbKeyLookup::maskFor(KeyModifiers modifiers) const
{
    if (!m_keymap)
        return 0;
    quint32 mask = 0;
    const auto add = [&](KeyModifiers::Flag flag, const char *name) {
        const xkb_mod_index_t index = xkb_keymap_mod_get_index(m_keymap, name);
        if (modifiers.contains(flag) && index != XKB_MOD_INVALID && index < 32)
            mask |= 1u << index;
    };
    add(KeyModifiers::control, XKB_MOD_NAME_CTRL);
    add(KeyModifiers::option, XKB_MOD_NAME_ALT);
    add(KeyModifiers::shift, XKB_MOD_NAME_SHIFT);
    add(KeyModifiers::command, XKB_MOD_NAME_LOGO);
    return mask;
}
