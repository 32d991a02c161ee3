#include "platform/x11/x11keymap.h"

#include "platform/x11/mackeycodes.h"

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

namespace {
constexpr quint32 hotKeyControl = 0x1000;
constexpr quint32 hotKeyOption = 0x800;
constexpr quint32 hotKeyShift = 0x200;
constexpr quint32 hotKeyCommand = 0x100;

struct ModifierBit {
    quint32 hotKeyBit;
    quint16 mask;
};

constexpr ModifierBit modifierBits[] = {
    {hotKeyControl, XCB_MOD_MASK_CONTROL},
    {hotKeyOption, XCB_MOD_MASK_1},
    {hotKeyShift, XCB_MOD_MASK_SHIFT},
    {hotKeyCommand, XCB_MOD_MASK_4},
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

QList<quint8> X11Keymap::keycodesForKeyCode(int keyCode) const
{
    QList<quint8> result;
    const std::optional<quint32> keysym = MacKeyCodes::keysymForKeyCode(keyCode);
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

std::optional<int> X11Keymap::keyCodeForKeycode(quint8 keycode) const
{
    if (!m_symbols)
        return std::nullopt;
    for (int column = 0; column < 2; ++column) {
        const xcb_keysym_t keysym = xcb_key_symbols_get_keysym(m_symbols, keycode, column);
        if (keysym == XCB_NO_SYMBOL)
            continue;
        if (const std::optional<int> code = MacKeyCodes::keyCodeForKeysym(keysym))
            return code;
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

quint16 X11Keymap::modifierMask(quint32 hotKeyModifiers)
{
    quint16 mask = 0;
    for (const ModifierBit &bit : modifierBits) {
        if (hotKeyModifiers & bit.hotKeyBit)
            mask |= bit.mask;
    }
    return mask;
}

quint32 X11Keymap::hotKeyModifiers(quint16 state)
{
    quint32 modifiers = 0;
    for (const ModifierBit &bit : modifierBits) {
        if (state & bit.mask)
            modifiers |= bit.hotKeyBit;
    }
    return modifiers;
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
