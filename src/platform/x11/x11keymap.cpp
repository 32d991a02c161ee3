#include "platform/x11/x11keymap.h"

#include "platform/linux/mackeycodes.h"

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

namespace {
constexpr KeyModifiers::Bit modifierBits[] = {
    {KeyModifiers::control, XCB_MOD_MASK_CONTROL},
    {KeyModifiers::option, XCB_MOD_MASK_1},
    {KeyModifiers::shift, XCB_MOD_MASK_SHIFT},
    {KeyModifiers::command, XCB_MOD_MASK_4},
};
} // namespace

X11Keymap::X11Keymap(xcb_connection_t *connection)
    : m_connection(connection)
{
    refresh();
}

X11Keymap::~X11Keymap()
{
    if (m_symbols)
        xcb_key_symbols_free(m_symbols);
}

void X11Keymap::refresh()
{
    if (m_symbols)
        xcb_key_symbols_free(m_symbols);
    m_symbols = m_connection ? xcb_key_symbols_alloc(m_connection) : nullptr;
    m_numLockMask = findNumLockMask();
}

QList<quint8> X11Keymap::keycodesForKey(Key key) const
{
    QList<quint8> result;
    const std::optional<quint32> keysym = MacKeyCodes::keysymForKey(key);
    if (!keysym || !m_symbols)
        return result;
    xcb_keycode_t *codes = xcb_key_symbols_get_keycode(m_symbols, *keysym);
    for (xcb_keycode_t *code = codes; code && *code != XCB_NO_SYMBOL; ++code) {
        if (!result.contains(*code))
            result.append(*code);
    }
    std::free(codes);
    return result;
}

std::optional<Key> X11Keymap::keyForKeycode(quint8 keycode) const
{
    if (!m_symbols)
        return std::nullopt;
    for (int column = 0; column < 2; ++column) {
        const xcb_keysym_t keysym = xcb_key_symbols_get_keysym(m_symbols, keycode, column);
        if (keysym == XCB_NO_SYMBOL)
            continue;
        if (const std::optional<Key> key = MacKeyCodes::keyForKeysym(keysym))
            return key;
    }
    return std::nullopt;
}

QList<quint16> X11Keymap::lockVariants() const
{
    QList<quint16> variants = {0, XCB_MOD_MASK_LOCK};
    if (m_numLockMask && m_numLockMask != XCB_MOD_MASK_LOCK)
        variants << m_numLockMask << quint16(m_numLockMask | XCB_MOD_MASK_LOCK);
    return variants;
}

quint16 X11Keymap::modifierMask(KeyModifiers modifiers)
{
    return quint16(modifiers.toBits(modifierBits));
}

KeyModifiers X11Keymap::modifiers(quint16 state)
{
    return KeyModifiers::fromBits(state, modifierBits);
}

quint16 X11Keymap::findNumLockMask() const
{
    if (!m_connection || !m_symbols)
        return 0;
    xcb_keycode_t *numLockCodes = xcb_key_symbols_get_keycode(m_symbols, XK_Num_Lock);
    if (!numLockCodes)
        return 0;
    quint16 mask = 0;
    xcb_get_modifier_mapping_reply_t *reply =
        xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection), nullptr);
    if (reply) {
        const xcb_keycode_t *map = xcb_get_modifier_mapping_keycodes(reply);
        const int perModifier = reply->keycodes_per_modifier;
        const int length = xcb_get_modifier_mapping_keycodes_length(reply);
        for (int modifier = 0; modifier < 8 && !mask; ++modifier) {
            for (int i = 0; i < perModifier && !mask && modifier * perModifier + i < length; ++i) {
                const xcb_keycode_t code = map[modifier * perModifier + i];
                for (xcb_keycode_t *n = numLockCodes; code != 0 && *n != XCB_NO_SYMBOL; ++n) {
                    if (*n == code) {
                        mask = quint16(1 << modifier);
                        break;
                    }
                }
            }
        }
        std::free(reply);
    }
    std::free(numLockCodes);
    return mask;
}
