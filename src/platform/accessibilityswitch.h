#pragma once

#include "platform/accessibilitytree.h"

#include <QCoroTask>

// The desktop's accessibility support as the settings show it: whether its bus runs and whether
// applications were asked to take part, and a way to ask them for this session.
class AccessibilitySwitch {
public:
    virtual ~AccessibilitySwitch() = default;

    // Asked afresh on every call; never waits long.
    virtual QCoro::Task<AccessibilityStatus::State> state() = 0;
    // Asks applications to take part until the session ends; whether the desktop accepted.
    virtual QCoro::Task<bool> turnOn() = 0;
};
