#pragma once

#include "platform/windowsystem.h"

// Every Wayland compositor blends translucent surfaces; Ringle's floating surfaces sit on the
// overlay layer, which shows on every workspace by itself.
class WaylandWindowSystem final : public WindowSystem {
public:
    bool isCompositing() const override { return true; }
    void showOnAllDesktops(quintptr) override {}
};
