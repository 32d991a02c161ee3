#pragma once

#include <QPointF>
#include <QRectF>
#include <functional>
#include <optional>

// The overlay window of the wheel as the wheel drives it; it draws the wheel's model.
class WheelPanel {
public:
    virtual ~WheelPanel() = default;

    // Shows the model's current state with the wheel's centre on `origin` (screen points, y up),
    // kept inside the visible frame of the screen when one is known.
    virtual void showWheel(QPointF origin, const std::optional<QRectF> &visibleFrame) = 0;
    // Hides at once; the window is kept for the next show.
    virtual void hideWheel() = 0;
    // Loads, out of sight, what the first show would load (window, fonts, pictures), so that one
    // is as quick as the later ones. Nothing by default.
    virtual void prepare() {}
    // Where a panel that cannot know the pointer's position before it shows (Wayland) reports it
    // once it knows: the wheel then opens there instead (screen points, y up).
    virtual void setPointerFoundHandler(std::function<void(QPointF)>) {}
    // Where a panel that takes the pointer reports a click of the primary button on it: the wheel
    // closes there, as if the gesture ended (screen points, y up).
    virtual void setClickHandler(std::function<void(QPointF)>) {}
};
