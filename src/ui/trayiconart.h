#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

// The tray icon: four ring segments around the centre of an 18 × 18 point box. The idle icon shows
// all four at full strength; working frame k shows segment k (0 bottom, 1 right, 2 top, 3 left) at full
// strength and the others faint, so the frames step counter-clockwise from the bottom.
namespace TrayIconArt {

constexpr qreal designSize = 18;
constexpr int segmentCount = 4;
constexpr int allSegments = -1; // the idle icon
constexpr qreal highlightedAlpha = 1.0;
constexpr qreal dimmedAlpha = 0.3;

// The outline of one segment in the design box, in Qt's y-down coordinates.
QPainterPath segmentPath(int segment);

// Paints the icon scaled into `target`; `highlighted` is a segment or allSegments.
void paint(QPainter &painter, const QRectF &target, int highlighted, const QColor &color);

// The icon alone on a transparent square image of `pixelSize` pixels.
QImage image(int highlighted, int pixelSize, const QColor &color);

// The icon at the sizes trays ask for, so it is drawn at the tray's size rather than scaled.
QIcon icon(int highlighted, const QColor &color);

} // namespace TrayIconArt
