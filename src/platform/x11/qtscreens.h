#pragma once

#include "platform/screens.h"

// Screens as Qt knows them, in the core's y-up coordinates; the pointer as the X server reports it.
class QtScreens final : public Screens {
public:
    QList<ScreenInfo> screens() override;
    std::optional<ScreenInfo> mainScreen() override;
    QPointF pointerLocation() override;
};
