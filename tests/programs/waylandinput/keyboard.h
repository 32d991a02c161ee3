#pragma once

// The keys a user would type, by name or character, from a full keymap; held keys stay known.
#include <QByteArray>
#include <QList>

#include <xkbcommon/xkbcommon.h>

#include <optional>

class InputRoad;

class VirtualKeyboard final {
public:
    // A key to type, and the modifier keys held around it.
    struct Key {
        xkb_keycode_t code = 0;
        QList<xkb_keycode_t> modifiers;
    };

    explicit VirtualKeyboard(InputRoad &road);
    ~VirtualKeyboard();
    VirtualKeyboard(const VirtualKeyboard &) = delete;
    VirtualKeyboard &operator=(const VirtualKeyboard &) = delete;

    // Compiles the keymap from XKB_DEFAULT_* and hands it to the road; false with a message on
    // stderr when it cannot.
    bool start();

    // A key by keysym name, alias ("ctrl", "enter", ...) or character: the one making it at the
    // first level it is found on, so "H" is the h key; 0 when there is none.
    xkb_keycode_t keyForName(const QByteArray &name) const;
    // The keys typing `text` takes, or nothing when the keymap lacks a character (`missing`).
    std::optional<QList<Key>> keysForText(const QString &text, QString *missing) const;

    // Pressing a held key or releasing a free one sends nothing.
    void press(xkb_keycode_t code);
    void release(xkb_keycode_t code);
    // Empty, or why the compositor stopped taking them on the way.
    QByteArray type(const QList<Key> &keys);
    bool isDown(xkb_keycode_t code) const { return m_held.contains(code); }
    void releaseAll();

private:
    std::optional<Key> typingKey(xkb_keysym_t keysym) const;
    xkb_keycode_t keyAtLevel(xkb_keysym_t keysym, xkb_level_index_t level) const;

    InputRoad &m_road;
    xkb_context *m_context = nullptr;
    xkb_keymap *m_keymap = nullptr;
    QList<xkb_keycode_t> m_held;
};
