#pragma once

// One scroll event as the wheel consumes it. Positive values scroll up (content moves down).
struct ScrollInput {
    double lines = 0;      // line-based delta of the vertical axis
    double points = 0;     // pixel-precise delta of the vertical axis
    bool isContinuous = false; // precise deltas, as trackpads report them
    bool isMomentum = false;   // the inertial phase after the fingers left the trackpad

    friend bool operator==(const ScrollInput &, const ScrollInput &) = default;
};
