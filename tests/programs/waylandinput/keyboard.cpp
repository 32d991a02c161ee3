#include "keyboard.h"

#include "inputroad.h"

#include <QString>

#include <algorithm>
#include <cstdio>

namespace {
struct Alias {
    const char *name;
    const char *keysym;
};
constexpr Alias aliases[] = {
    {"ctrl", "Control_L"}, {"control", "Control_L"}, {"alt", "Alt_L"},     {"shift", "Shift_L"},
    {"super", "Super_L"},  {"enter", "Return"},      {"return", "Return"}, {"esc", "Escape"},
    {"escape", "Escape"},  {"tab", "Tab"},           {"space", "space"},   {"backspace", "BackSpace"},
};

QByteArray environment(const char *name, const char *fallback)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? QByteArray(fallback) : value;
}

struct Search {
    xkb_keysym_t keysym;
    xkb_level_index_t level;
    xkb_keycode_t found = 0;
};
} // namespace

VirtualKeyboard::VirtualKeyboard(InputRoad &road)
    : m_road(road)
{}

VirtualKeyboard::~VirtualKeyboard()
{
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_context);
}

bool VirtualKeyboard::start()
{
    // The names are ours to pass, so the environment is read once, here.
    m_context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (!m_context) {
        std::fprintf(stderr, "waylandinput: cannot create an xkb context\n");
        return false;
    }
    const QByteArray layout = environment("XKB_DEFAULT_LAYOUT", "us");
    const QByteArray variant = environment("XKB_DEFAULT_VARIANT", "");
    const QByteArray options = environment("XKB_DEFAULT_OPTIONS", "");
    const xkb_rule_names names{"evdev", "pc105", layout.constData(), variant.constData(), options.constData()};
    m_keymap = xkb_keymap_new_from_names(m_context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!m_keymap) {
        std::fprintf(stderr, "waylandinput: cannot compile the keymap for layout %s\n", layout.constData());
        return false;
    }
    return m_road.useKeymap(m_keymap);
}

xkb_keycode_t VirtualKeyboard::keyForName(const QByteArray &name) const
{
    xkb_keysym_t keysym = XKB_KEY_NoSymbol;
    const QByteArray lower = name.toLower();
    for (const Alias &alias : aliases) {
        if (lower == alias.name)
            keysym = xkb_keysym_from_name(alias.keysym, XKB_KEYSYM_NO_FLAGS);
    }
    if (keysym == XKB_KEY_NoSymbol)
        keysym = xkb_keysym_from_name(name.constData(), XKB_KEYSYM_NO_FLAGS);
    const QList<uint> characters = QString::fromUtf8(name).toUcs4();
    if (keysym == XKB_KEY_NoSymbol && characters.size() == 1)
        keysym = xkb_utf32_to_keysym(characters.first());
    if (keysym == XKB_KEY_NoSymbol)
        keysym = xkb_keysym_from_name(name.constData(), XKB_KEYSYM_CASE_INSENSITIVE);
    if (keysym == XKB_KEY_NoSymbol)
        return 0;
    for (xkb_level_index_t level = 0; level < 8; ++level) {
        if (const xkb_keycode_t code = keyAtLevel(keysym, level))
            return code;
    }
    return 0;
}

std::optional<QList<VirtualKeyboard::Key>> VirtualKeyboard::keysForText(const QString &text, QString *missing) const
{
    QList<Key> keys;
    for (const uint character : text.toUcs4()) {
        const xkb_keysym_t keysym = xkb_utf32_to_keysym(character);
        const std::optional<Key> key = keysym == XKB_KEY_NoSymbol ? std::nullopt : typingKey(keysym);
        if (!key) {
            const char32_t c = char32_t(character);
            *missing = QString::fromUcs4(&c, 1);
            return std::nullopt;
        }
        keys.append(*key);
    }
    return keys;
}

void VirtualKeyboard::press(xkb_keycode_t code)
{
    if (isDown(code))
        return;
    m_held.append(code);
    m_road.key(code, true);
}

void VirtualKeyboard::release(xkb_keycode_t code)
{
    if (!m_held.removeOne(code))
        return;
    m_road.key(code, false);
}

QByteArray VirtualKeyboard::type(const QList<Key> &keys)
{
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const Key &key = keys.at(i);
        QList<xkb_keycode_t> added;
        for (const xkb_keycode_t modifier : key.modifiers) {
            if (!isDown(modifier)) {
                press(modifier);
                added.prepend(modifier);
            }
        }
        // A key already held (by hold) is let go and pressed again, as a typist would.
        release(key.code);
        press(key.code);
        release(key.code);
        for (const xkb_keycode_t modifier : added)
            release(modifier);
        // A long text would overrun the way in before the compositor reads it.
        if (i % 64 == 63) {
            if (const QByteArray error = m_road.sync(); !error.isEmpty())
                return error;
        }
    }
    return {};
}

void VirtualKeyboard::releaseAll()
{
    while (!m_held.isEmpty())
        release(m_held.last());
}

std::optional<VirtualKeyboard::Key> VirtualKeyboard::typingKey(xkb_keysym_t keysym) const
{
    // What a typist holds for the higher levels, the fewest keys first.
    const xkb_keycode_t shift = keyAtLevel(XKB_KEY_Shift_L, 0);
    const xkb_keycode_t level3 = keyAtLevel(XKB_KEY_ISO_Level3_Shift, 0);
    const QList<QList<xkb_keycode_t>> choices = {{}, {shift}, {level3}, {shift, level3}};
    for (const QList<xkb_keycode_t> &modifiers : choices) {
        if (modifiers.contains(0))
            continue;
        xkb_state *state = xkb_state_new(m_keymap);
        for (const xkb_keycode_t modifier : modifiers)
            xkb_state_update_key(state, modifier, XKB_KEY_DOWN);
        xkb_keycode_t found = 0;
        // Codes below 8 have no evdev number.
        for (xkb_keycode_t code = std::max(xkb_keymap_min_keycode(m_keymap), 8u);
             !found && code <= xkb_keymap_max_keycode(m_keymap); ++code) {
            if (xkb_state_key_get_layout(state, code) == 0 && xkb_state_key_get_one_sym(state, code) == keysym)
                found = code;
        }
        xkb_state_unref(state);
        if (found)
            return Key{found, modifiers};
    }
    return std::nullopt;
}

xkb_keycode_t VirtualKeyboard::keyAtLevel(xkb_keysym_t keysym, xkb_level_index_t level) const
{
    Search search{keysym, level};
    xkb_keymap_key_for_each(
        m_keymap,
        [](xkb_keymap *keymap, xkb_keycode_t code, void *data) {
            auto *search = static_cast<Search *>(data);
            const xkb_keysym_t *syms = nullptr;
            const int count = xkb_keymap_key_get_syms_by_level(keymap, code, 0, search->level, &syms);
            // Codes below 8 have no evdev number.
            if (search->found || code < 8 || count != 1 || syms[0] != search->keysym)
                return;
            search->found = code;
        },
        &search);
    return search.found;
}
