#pragma once

// The compositor's own way in for our keys and pointer: the keyboard and pointer keep the names and
// the held keys and buttons, a road only carries the events.
#include <QByteArray>
#include <QPoint>
#include <QPointF>

#include <xkbcommon/xkbcommon.h>

#include <cstdint>

#include "waylandtoolconnection.h"

class InputRoad {
public:
    virtual ~InputRoad() = default;

    // Only a compositor that reads the keys with our keymap needs it; false when it cannot take it.
    virtual bool useKeymap(xkb_keymap *) { return true; }
    // `code`: an xkb keycode, the evdev number + 8.
    virtual void key(xkb_keycode_t code, bool down) = 0;
    // Desktop coordinates in logical pixels, on the desktop.
    virtual void moveTo(QPoint at) = 0;
    virtual void moveBy(QPointF by) = 0;
    virtual void button(uint32_t evdev, bool down) = 0;
    // Wheel steps: positive is down.
    virtual void scroll(int steps) = 0;
    // Once the compositor has taken everything sent before: empty, else why not.
    virtual QByteArray sync() = 0;
};

// The angle one wheel notch reports through libinput.
inline constexpr int notchAngle = 15;

// The sync of the roads on the Wayland connection.
inline QByteArray roundtripped(WaylandConnection &connection)
{
    return connection.roundtrip() ? QByteArray() : QByteArrayLiteral("the compositor did not answer within 5 s");
}
