#pragma once

#include <QPointF>
#include <QRectF>
#include <optional>

// Where the wheel and the list of rings sit in the overlay. Overlay coordinates have their origin
// at the top left, y down; the panel frame is in screen points, y up.
struct WheelLayout {
    static constexpr double wheelDiameter = 230;
    static constexpr double listGap = 10;
    static constexpr double listWidth = 128;
    static constexpr double overlayWidth = wheelDiameter + listGap + listWidth;
    static constexpr double rowHeight = 26;
    static constexpr double rowSpacing = 4;
    static constexpr double listPadding = 8;
    // Half the wheel, the gap and the list: the room the list needs left of the pointer.
    static constexpr double listReach = wheelDiameter / 2 + listGap + listWidth;

    int tabCount = 1;
    bool listOnLeft = true;

    double listHeight() const;
    double overlayHeight() const;
    QRectF listFrame() const;
    QRectF wheelRect() const;
    QPointF wheelCenter() const { return wheelRect().center(); }

    // The panel in screen points (y up) that puts the wheel's centre on `origin`, kept inside the
    // visible frame when one is known.
    QRectF panelFrame(QPointF origin, const std::optional<QRectF> &visibleFrame) const;

    friend bool operator==(const WheelLayout &, const WheelLayout &) = default;
};
