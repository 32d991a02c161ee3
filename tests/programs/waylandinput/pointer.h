#pragma once

// The pointer, in desktop coordinates (logical pixels); held buttons stay known.
#include <QByteArray>
#include <QList>

#include <cstdint>
#include <optional>

class InputRoad;
class OutputLayout;

class VirtualPointer final {
public:
    VirtualPointer(InputRoad &road, const OutputLayout &layout);

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
    InputRoad &m_road;
    const OutputLayout &m_layout;
    QList<uint32_t> m_held;
};
