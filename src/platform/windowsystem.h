#pragma once

#include <QtGlobal>

// What the window system does for the app's own floating windows.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Whether windows can be translucent now.
    virtual bool isCompositing() const = 0;
    // Asks for `window` to show on every virtual desktop; set before it is first shown.
    virtual void showOnAllDesktops(quintptr window) = 0;
};
