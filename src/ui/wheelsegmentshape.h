#pragma once

#include <QPainterPath>
#include <QRectF>

// One slot's segment of the wheel: the ring between two radii from `start` to `end` (degrees
// clockwise from straight up) with rounded corners, or the whole ring when it spans 360 degrees.
struct WheelSegmentShape {
    double start = 0;
    double end = 360;
    double innerRadius = 0;
    double outerRadius = 0;

    // Centred in `rect`, in coordinates with y down.
    QPainterPath path(const QRectF &rect) const;
};
