#pragma once

#include "wheel/actionwheel.h"

// The desktop's screens and pointer as Qt knows them, converted to the wheel's screen points
// (y up from the bottom of the primary screen).
namespace WheelDesktop {
QPointF pointerLocation();
QList<ActionWheel::Screen> screens();
std::optional<ActionWheel::Screen> mainScreen();
// A context whose desktop queries answer from Qt; the other questions are left unanswered.
ActionWheel::Context context();
} // namespace WheelDesktop
