#pragma once

#include "platform/screens.h"

#include <QPointF>
#include <functional>
#include <optional>

// Screens as Qt knows them, in the core's y-up coordinates. The pointer comes from `pointer`
// (desktop coordinates, y down; none when unknown), by default from Qt, which asks the X server.
class QtScreens final : public Screens {
public:
    using PointerSource = std::function<std::optional<QPointF>()>;

    explicit QtScreens(PointerSource pointer = {});

    QList<ScreenInfo> screens() override;
    std::optional<ScreenInfo> mainScreen() override;
    QPointF pointerLocation() override;
    // The same in desktop coordinates, y down.
    QPointF desktopPointer() const;

private:
    PointerSource m_pointer;
};
