#pragma once

// A virtual keyboard on the seat with a full keymap, so toolkits see the keys a user would type.
#include <QByteArray>
#include <QList>

#include <xkbcommon/xkbcommon.h>

#include <optional>

class WaylandConnection;
struct wl_seat;
struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;
struct org_kde_kwin_fake_input;

class VirtualKeyboard final {
public:
    // A key to type, and the modifier keys held around it.
    struct Key {
        xkb_keycode_t code = 0;
        QList<xkb_keycode_t> modifiers;
    };

    VirtualKeyboard(WaylandConnection &connection, zwp_virtual_keyboard_manager_v1 *manager, wl_seat *seat);
    // KWin's fake input, which reads the keys with KWin's own keymap (the same names: keep
    // XKB_DEFAULT_* alike for both).
    VirtualKeyboard(WaylandConnection &connection, org_kde_kwin_fake_input *fakeInput);
    ~VirtualKeyboard();
    VirtualKeyboard(const VirtualKeyboard &) = delete;
    VirtualKeyboard &operator=(const VirtualKeyboard &) = delete;

    // Compiles the keymap from XKB_DEFAULT_* and hands it to the compositor; false with a
    // message on stderr when it cannot.
    bool start();

    // A key by keysym name, alias ("ctrl", "enter", ...) or character: the one making it at the
    // first level it is found on, so "H" is the h key; 0 when there is none.
    xkb_keycode_t keyForName(const QByteArray &name) const;
    // The keys typing `text` takes, or nothing when the keymap lacks a character (`missing`).
    std::optional<QList<Key>> keysForText(const QString &text, QString *missing) const;

    // Pressing a held key or releasing a free one sends nothing.
    void press(xkb_keycode_t code);
    void release(xkb_keycode_t code);
    // False when the compositor stopped answering on the way.
    bool type(const QList<Key> &keys);
    bool isDown(xkb_keycode_t code) const { return m_held.contains(code); }
    void releaseAll();

private:
    std::optional<Key> typingKey(xkb_keysym_t keysym) const;
    xkb_keycode_t keyAtLevel(xkb_keysym_t keysym, xkb_level_index_t level) const;
    void send(xkb_keycode_t code, bool down);

    WaylandConnection &m_connection;
    zwp_virtual_keyboard_v1 *m_keyboard = nullptr;
    org_kde_kwin_fake_input *m_fakeInput = nullptr;
    xkb_context *m_context = nullptr;
    xkb_keymap *m_keymap = nullptr;
    xkb_state *m_state = nullptr;
    QList<xkb_keycode_t> m_held;
    uint32_t m_sentMods[4] = {};
};
