#pragma once

#include <QtGlobal>

// Virtual desktops as the window manager keeps them (EWMH).
namespace X11Desktops {
// Asks for `window` to show on every desktop (_NET_WM_DESKTOP 0xFFFFFFFF). Set before the window is
// first shown, which is when window managers read it.
void showOnAllDesktops(quintptr window);
} // namespace X11Desktops
