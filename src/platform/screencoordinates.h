#pragma once

#include <QPointF>
#include <QRectF>

// Conversion between the desktop's coordinates (y down, origin at the top left of the virtual
// desktop) and the core's (y up, origin at the bottom left of the primary screen).
namespace ScreenCoordinates {
QPointF toYUp(QPointF desktopPoint, const QRectF &primaryDesktopFrame);
QPointF fromYUp(QPointF point, const QRectF &primaryDesktopFrame);
QRectF toYUp(const QRectF &desktopRect, const QRectF &primaryDesktopFrame);
QRectF fromYUp(const QRectF &rect, const QRectF &primaryDesktopFrame);
} // namespace ScreenCoordinates
