#pragma once

#include <QString>

// Which slot a direction belongs to. Angles are degrees clockwise from straight up.
namespace WheelGeometry {
// Within this distance of the opening point nothing is selected.
constexpr double deadZoneRadius = 22.0;

// The direction of a slot's centre: two slots sit left (0) and right (1); otherwise slot 0 is at
// the top and the rest follow clockwise.
double slotCenter(int slot, int count);
// The slot whose centre is nearest; an exact tie goes to the lower slot. 0 when count < 2.
int slot(double angle, int count);
// "Top", "Top right", … for the settings editor; "Whole ring" for a single slot.
QString positionName(int slot, int count);
} // namespace WheelGeometry
