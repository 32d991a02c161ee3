#pragma once

#include "platform/windowsystem.h"

#include <QList>

// A window system whose compositing the test sets; records the windows put on every desktop.
class FakeWindowSystem final : public WindowSystem {
public:
    bool compositing = true;
    QList<quintptr> onAllDesktops;

    bool isCompositing() const override { return compositing; }
    void showOnAllDesktops(quintptr window) override { onAllDesktops.append(window); }
};
