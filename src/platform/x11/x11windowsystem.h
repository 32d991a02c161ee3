#pragma once

#include "platform/windowsystem.h"

// The X server's window manager and compositing manager, spoken to over Qt's xcb connection.
class X11WindowSystem final : public WindowSystem {
public:
    // A compositing manager runs on the application's X screen (it owns _NET_WM_CM_S<screen>).
    bool isCompositing() const override;
    // _NET_WM_DESKTOP 0xFFFFFFFF (EWMH), which window managers read when the window is first shown.
    void showOnAllDesktops(quintptr window) override;
};
