#pragma once

#include "platform/screens.h"

// Screens and pointer set by the test.
class FakeScreens final : public Screens {
public:
    QList<ScreenInfo> screens() override { return m_screens; }
    std::optional<ScreenInfo> mainScreen() override
    {
        for (const ScreenInfo &s : m_screens) {
            if (s.frame.contains(m_pointer))
                return s;
        }
        return m_screens.isEmpty() ? std::nullopt : std::optional<ScreenInfo>(m_screens.first());
    }
    QPointF pointerLocation() override { return m_pointer; }

    void setScreens(QList<ScreenInfo> screens) { m_screens = std::move(screens); }
    void setPointerLocation(QPointF p) { m_pointer = p; }

private:
    QList<ScreenInfo> m_screens{{QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 875)}};
    QPointF m_pointer{720, 450};
};
