#pragma once

// A virtual keyboard and a virtual pointer of their own on the seat (wlroots' compositors). The
// compositor reads the keys with the keymap we hand it and takes the modifiers from us.
#include "inputroad.h"

class OutputLayout;
struct wl_seat;
struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;
struct zwlr_virtual_pointer_manager_v1;
struct zwlr_virtual_pointer_v1;

class VirtualDevicesRoad final : public InputRoad {
public:
    VirtualDevicesRoad(WaylandConnection &connection, zwp_virtual_keyboard_manager_v1 *keyboards,
                       zwlr_virtual_pointer_manager_v1 *pointers, wl_seat *seat, const OutputLayout &layout);
    ~VirtualDevicesRoad() override;
    VirtualDevicesRoad(const VirtualDevicesRoad &) = delete;
    VirtualDevicesRoad &operator=(const VirtualDevicesRoad &) = delete;

    bool useKeymap(xkb_keymap *keymap) override;
    void key(xkb_keycode_t code, bool down) override;
    void moveTo(QPoint at) override;
    void moveBy(QPointF by) override;
    void button(uint32_t evdev, bool down) override;
    void scroll(int steps) override;
    QByteArray sync() override { return roundtripped(m_connection); }

private:
    WaylandConnection &m_connection;
    zwp_virtual_keyboard_v1 *m_keyboard = nullptr;
    zwlr_virtual_pointer_v1 *m_pointer = nullptr;
    const OutputLayout &m_layout;
    xkb_state *m_state = nullptr;
    uint32_t m_sentMods[4] = {};
};
