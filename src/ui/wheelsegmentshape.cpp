#include "ui/wheelsegmentshape.h"

#include <QtMath>
#include <cmath>

namespace {
// An arc around `center` in y-down coordinates, angles in radians growing clockwise on screen.
// Joined to the path's current point by a straight line, as arcs in a path are.
void addArc(QPainterPath &path, QPointF center, double radius, double startAngle, double sweep)
{
    const QRectF box(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    // Qt counts degrees counter-clockwise on screen.
    path.arcTo(box, -qRadiansToDegrees(startAngle), -qRadiansToDegrees(sweep));
}

QPointF polar(QPointF center, double radius, double angle)
{
    return center + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}
} // namespace

QPainterPath WheelSegmentShape::path(const QRectF &rect) const
{
    const QPointF c = rect.center();
    const double R = outerRadius;
    const double r = innerRadius;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);

    if (end - start >= 360) {
        path.moveTo(c.x() + R, c.y());
        addArc(path, c, R, 0, 2 * M_PI);
        path.closeSubpath();
        // The inner circle runs the other way, so the middle stays empty under the winding rule.
        path.moveTo(c.x() + r, c.y());
        addArc(path, c, r, 0, -2 * M_PI);
        path.closeSubpath();
        return path;
    }

    const double q = (R - r) * 0.1;
    const double a0 = qDegreesToRadians(start - 90);
    const double a1 = qDegreesToRadians(end - 90);
    const double phiO = std::asin(q / (R - q));
    const double phiI = std::asin(q / (r + q));

    path.moveTo(polar(c, R, a0 + phiO));
    addArc(path, c, R, a0 + phiO, (a1 - phiO) - (a0 + phiO));
    addArc(path, polar(c, R - q, a1 - phiO), q, a1 - phiO, phiO + M_PI / 2);
    addArc(path, polar(c, r + q, a1 - phiI), q, a1 + M_PI / 2, M_PI / 2 - phiI);
    addArc(path, c, r, a1 - phiI, (a0 + phiI) - (a1 - phiI));
    addArc(path, polar(c, r + q, a0 + phiI), q, a0 + phiI + M_PI, M_PI / 2 - phiI);
    addArc(path, polar(c, R - q, a0 + phiO), q, a0 - M_PI / 2, phiO + M_PI / 2);
    path.closeSubpath();
    return path;
}
