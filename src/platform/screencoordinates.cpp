#include "platform/screencoordinates.h"

namespace ScreenCoordinates {
// The mapping is its own inverse apart from the origin shift, so both directions share it.
QPointF toYUp(QPointF p, const QRectF &primary)
{
    return {p.x() - primary.left(), primary.bottom() - p.y()};
}

QPointF fromYUp(QPointF p, const QRectF &primary)
{
    return {p.x() + primary.left(), primary.bottom() - p.y()};
}

QRectF toYUp(const QRectF &r, const QRectF &primary)
{
    return {QPointF(r.left() - primary.left(), primary.bottom() - r.bottom()), r.size()};
}

QRectF fromYUp(const QRectF &r, const QRectF &primary)
{
    return {QPointF(r.left() + primary.left(), primary.bottom() - r.bottom()), r.size()};
}
} // namespace ScreenCoordinates
