#pragma once

#include "platform/accessibilityswitch.h"

// The accessibility bus's status on the session bus (org.a11y.Bus, interface org.a11y.Status):
// the bus runs when it answers, and applications take part while IsEnabled or
// ScreenReaderEnabled is true. Calls give up after a quarter of a second.
class AtspiStatusSwitch final : public AccessibilitySwitch {
public:
    QCoro::Task<AccessibilityStatus::State> state() override;
    QCoro::Task<bool> turnOn() override;
};
