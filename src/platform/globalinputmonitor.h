#pragma once

#include <functional>

// Mouse-button and key presses anywhere on the desktop, seen without taking them from the
// application that receives them. Scrolling and modifier keys pressed alone are not reported.
class GlobalInputMonitor {
public:
    enum class Input {
        buttonPress,
        keyPress,
    };
    using Handler = std::function<void(Input)>;

    virtual ~GlobalInputMonitor() = default;

    // Reports every press to `handler` on the main thread until stop(), replacing an earlier
    // handler. False when the desktop cannot report such input.
    virtual bool start(Handler handler) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// For a desktop that cannot report input from other applications: a result then stays until the
// user clicks Copy or Replace or something else is shown.
class NoGlobalInputMonitor final : public GlobalInputMonitor {
public:
    bool start(Handler) override { return false; }
    void stop() override {}
    bool isActive() const override { return false; }
};
