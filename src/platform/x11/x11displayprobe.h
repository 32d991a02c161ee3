#pragma once

#include <QByteArray>

// Whether an X server answers at `display` (DISPLAY when empty). Asked before Qt opens its own
// connection, because Qt aborts the process when it cannot.
namespace X11DisplayProbe {
bool reachable(const QByteArray &display = {});
} // namespace X11DisplayProbe
