#pragma once

#include "platform/accessibleelement.h"

#include <QString>
#include <chrono>

// Whether the desktop's accessibility service can be used, and if not, what the user can do.
struct AccessibilityStatus {
    enum class State {
        available,  // the service answers
        notEnabled, // it answers, but applications were not asked to take part
        missing,    // there is no service to ask
    };

    State state = State::missing;
    QString explanation; // a sentence for the user; empty when available

    bool isUsable() const { return state != State::missing; }
};

// The accessibility trees of the running applications, as far as the desktop offers them.
class AccessibilityTree {
public:
    // Every call to another application gives up after this long.
    static constexpr std::chrono::milliseconds callTimeout{250};

    virtual ~AccessibilityTree() = default;

    // The element with the keyboard focus in the application in front; null when there is none
    // or it cannot be told.
    virtual AccessibleElement::Ptr focusedElement() = 0;
    // The focused window of the application with this process id; null when it cannot be told.
    virtual AccessibleElement::Ptr focusedWindow(qint64 processId) = 0;
    virtual AccessibilityStatus status() = 0;
};
