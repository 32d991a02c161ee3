#pragma once

#include "platform/accessibilityswitch.h"

// A switch whose state the test sets; turning it on works only where the service runs.
class FakeAccessibilitySwitch final : public AccessibilitySwitch {
public:
    AccessibilityStatus::State current = AccessibilityStatus::State::available;
    int turnOnRequests = 0;

    QCoro::Task<AccessibilityStatus::State> state() override { co_return current; }
    QCoro::Task<bool> turnOn() override
    {
        ++turnOnRequests;
        if (current == AccessibilityStatus::State::missing)
            co_return false;
        current = AccessibilityStatus::State::available;
        co_return true;
    }
};
