#pragma once

// A virtual pointer on the seat that moves in desktop coordinates (logical pixels).
#include <QByteArray>
#include <QList>

#include <cstdint>
#include <optional>

class OutputLayout;
struct wl_seat;
struct zwlr_virtual_pointer_manager_v1;
struct zwlr_virtual_pointer_v1;
struct org_kde_kwin_fake_input;

class VirtualPointer final {
public:
    VirtualPointer(zwlr_virtual_pointer_manager_v1 *manager, wl_seat *seat, const OutputLayout &layout);
    // KWin's fake input, in desktop coordinates.
    VirtualPointer(org_kde_kwin_fake_input *fakeInput, const OutputLayout &layout);
    ~VirtualPointer();
    VirtualPointer(const VirtualPointer &) = delete;
    VirtualPointer &operator=(const VirtualPointer &) = delete;

    // The evdev code of a button by X11 number (1 left, 2 middle, 3 right, 4 side, 5 extra) or name.
    static std::optional<uint32_t> buttonCode(const QByteArray &name);

    // Empty, or why the pointer cannot go there.
    QByteArray moveTo(int x, int y);
    void moveBy(double dx, double dy);
    // Pressing a held button or releasing a free one sends nothing.
    void press(uint32_t button);
    void release(uint32_t button);
    void releaseAll();
    // Wheel steps: positive is down.
    void scroll(int steps);

private:
    void button(uint32_t button, bool down);

    zwlr_virtual_pointer_v1 *m_pointer = nullptr;
    org_kde_kwin_fake_input *m_fakeInput = nullptr;
    const OutputLayout &m_layout;
    QList<uint32_t> m_held;
};
