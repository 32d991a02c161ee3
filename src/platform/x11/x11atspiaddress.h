#pragma once

#include <QByteArray>

// The accessibility bus address at-spi-bus-launcher leaves on the root window of the X display,
// empty when there is none.
namespace X11AtspiAddress {
QByteArray fromRootWindow();
}
