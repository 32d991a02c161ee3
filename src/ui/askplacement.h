#pragma once

#include "platform/screens.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <optional>

// Where the Ask panel opens: 640 wide and 60 high, centred on the screen holding the pointer, its
// top edge a fifth of the work area's height below the work area's top. Global points, y up.
namespace AskPlacement {
inline constexpr qreal width = 640;
inline constexpr qreal initialHeight = 60;
inline constexpr qreal topFraction = 0.2;

QRectF initialFrame(const QList<ScreenInfo> &screens, std::optional<ScreenInfo> mainScreen, QPointF pointer);
} // namespace AskPlacement
