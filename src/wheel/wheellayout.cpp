#include "wheel/wheellayout.h"

#include <algorithm>

double WheelLayout::listHeight() const
{
    const int n = tabCount < 2 ? 1 : tabCount;
    return rowHeight * n + 2 * listPadding + rowSpacing * (n - 1);
}

double WheelLayout::overlayHeight() const
{
    return std::max(listHeight(), wheelDiameter);
}

QRectF WheelLayout::listFrame() const
{
    const double h = listHeight();
    return QRectF(listOnLeft ? 0 : wheelDiameter + listGap, (overlayHeight() - h) / 2, listWidth, h);
}

QRectF WheelLayout::wheelRect() const
{
    return QRectF(listOnLeft ? listWidth + listGap : 0, (overlayHeight() - wheelDiameter) / 2, wheelDiameter,
                  wheelDiameter);
}

QRectF WheelLayout::panelFrame(QPointF origin, const std::optional<QRectF> &visibleFrame) const
{
    const double height = overlayHeight();
    double x = origin.x() - wheelCenter().x();
    double y = origin.y() - height / 2;
    if (visibleFrame) {
        // When the frame is smaller than the panel, its right and upper edges win.
        x = std::min(std::max(x, visibleFrame->left()), visibleFrame->right() - overlayWidth);
        y = std::min(std::max(y, visibleFrame->top()), visibleFrame->bottom() - height);
    }
    return QRectF(x, y, overlayWidth, height);
}
