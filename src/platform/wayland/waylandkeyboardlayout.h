#pragma once

#include "platform/keyboardlayout.h"

class WaylandSeat;

// The recorder's view of a key press on Wayland: Qt reports the keymap's keycode and keysym, and
// the keycode's first keysym in the seat's keymap names the key (as on X11).
class WaylandKeyboardLayout final : public KeyboardLayout {
public:
    explicit WaylandKeyboardLayout(WaylandSeat &seat)
        : m_seat(seat)
    {
    }

    std::optional<Key> keyForKeyPress(const NativeKeyPress &press) const override;
    QString characterForKey(Key key) const override;

private:
    WaylandSeat &m_seat;
};
