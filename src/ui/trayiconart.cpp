#include "ui/trayiconart.h"

#include <QPainter>
#include <QtMath>

namespace TrayIconArt {
namespace {

constexpr qreal centre = designSize / 2;
constexpr qreal innerRadius = 3.8;
constexpr qreal outerRadius = 8.5;
constexpr qreal cornerRadius = 0.47;
constexpr qreal outerCornerDistance = outerRadius - cornerRadius;
constexpr qreal innerCornerDistance = innerRadius + cornerRadius;
// How far inside the segment's span each edge starts and ends, and how far the corners turn; the
// rounded corners meet straight side edges parallel to the segment's bisector, leaving even gaps.
constexpr qreal outerInset = 0.15882379152775034;
constexpr qreal innerInset = 0.3019932969108131;
constexpr qreal outerCornerSweep = 1.729620118322647;
constexpr qreal innerCornerSweep = 1.2688030298840833;

constexpr int traySizes[] = {16, 22, 24, 32, 48, 64};

QRectF circle(QPointF c, qreal radius)
{
    return {c.x() - radius, c.y() - radius, 2 * radius, 2 * radius};
}

// A point at `distance` from the centre in the direction `radians` (counter-clockwise from +x, y up),
// in y-down coordinates.
QPointF polar(qreal distance, qreal radians)
{
    return {centre + distance * qCos(radians), centre - distance * qSin(radians)};
}

} // namespace

QPainterPath segmentPath(int segment)
{
    // QPainterPath's arc angles run counter-clockwise as seen on screen, which matches angles in
    // the y-up design once points are flipped as polar() does.
    const qreal start = qDegreesToRadians(segment * 90.0 - 135.0);
    const qreal end = qDegreesToRadians(segment * 90.0 - 45.0);
    const QPointF origin(centre, centre);
    const auto deg = [](qreal radians) { return qRadiansToDegrees(radians); };

    QPainterPath path;
    // Outer edge, counter-clockwise.
    path.moveTo(polar(outerRadius, start + outerInset));
    path.arcTo(circle(origin, outerRadius), deg(start + outerInset), deg(end - start - 2 * outerInset));
    // Outer corner at the end, then the straight side to the inner corner.
    const QPointF endOuterCorner = polar(outerCornerDistance, end - outerInset);
    path.arcTo(circle(endOuterCorner, cornerRadius), deg(end - outerInset), deg(outerCornerSweep));
    const QPointF endInnerCorner = polar(innerCornerDistance, end - innerInset);
    path.arcTo(circle(endInnerCorner, cornerRadius), deg(end - innerInset + M_PI - innerCornerSweep),
               deg(innerCornerSweep));
    // Inner edge, clockwise.
    path.arcTo(circle(origin, innerRadius), deg(end - innerInset), -deg(end - start - 2 * innerInset));
    const QPointF startInnerCorner = polar(innerCornerDistance, start + innerInset);
    path.arcTo(circle(startInnerCorner, cornerRadius), deg(start + innerInset + M_PI), deg(innerCornerSweep));
    const QPointF startOuterCorner = polar(outerCornerDistance, start + outerInset);
    path.arcTo(circle(startOuterCorner, cornerRadius), deg(start + outerInset - outerCornerSweep),
               deg(outerCornerSweep));
    path.closeSubpath();
    return path;
}

void paint(QPainter &painter, const QRectF &target, int highlighted, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.translate(target.topLeft());
    painter.scale(target.width() / designSize, target.height() / designSize);
    for (int segment = 0; segment < segmentCount; ++segment) {
        QColor fill = color;
        const bool strong = highlighted == allSegments || highlighted == segment;
        fill.setAlphaF(float(color.alphaF() * (strong ? highlightedAlpha : dimmedAlpha)));
        painter.setBrush(fill);
        painter.drawPath(segmentPath(segment));
    }
    painter.restore();
}

QImage image(int highlighted, int pixelSize, const QColor &color)
{
    QImage result(pixelSize, pixelSize, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    paint(painter, QRectF(0, 0, pixelSize, pixelSize), highlighted, color);
    return result;
}

QIcon icon(int highlighted, const QColor &color)
{
    QIcon result;
    for (int size : traySizes)
        result.addPixmap(QPixmap::fromImage(image(highlighted, size, color)));
    return result;
}

} // namespace TrayIconArt
