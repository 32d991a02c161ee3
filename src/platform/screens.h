#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <optional>

// A display in global points, y pointing up, origin at the bottom left of the primary screen.
struct ScreenInfo {
    QRectF frame;
    QRectF visibleFrame; // without panels and docks

    friend bool operator==(const ScreenInfo &, const ScreenInfo &) = default;
};

class Screens {
public:
    virtual ~Screens() = default;

    // All screens; the primary screen comes first.
    virtual QList<ScreenInfo> screens() = 0;
    // The screen the user works on (the one holding the pointer), or none without screens.
    virtual std::optional<ScreenInfo> mainScreen() = 0;
    virtual QPointF pointerLocation() = 0;
};
