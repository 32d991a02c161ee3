#include "actions/resultpanelgeometry.h"

#include <QtMath>
#include <algorithm>

namespace ResultPanelGeometry {
namespace {
// Half-open, so a point on the border between two screens belongs to one of them only.
bool holds(const QRectF &rect, QPointF point)
{
    return point.x() >= rect.left() && point.x() < rect.right() && point.y() >= rect.top() && point.y() < rect.bottom();
}
} // namespace

QSizeF proposedSize(ResultPanelState::Kind kind)
{
    const bool answer = kind == ResultPanelState::Kind::result || kind == ResultPanelState::Kind::streaming;
    return answer ? QSizeF(380, 340) : QSizeF(340, 400);
}

qreal answerHeight(qreal fittingHeight)
{
    return std::min(qreal(qCeil(fittingHeight)) + 1, maximumAnswerHeight);
}

QRectF fallbackAnchor(QPointF pointer)
{
    return {pointer.x() + 12, pointer.y() - 30, 1, 18};
}

QRectF frame(QSizeF size, const QRectF &anchor, const QList<ScreenInfo> &screens,
             const std::optional<ScreenInfo> &mainScreen)
{
    qreal x = anchor.right() + anchorGap;
    qreal y = anchor.center().y() - size.height() / 2;

    std::optional<ScreenInfo> screen;
    for (const ScreenInfo &candidate : screens) {
        if (holds(candidate.frame, anchor.center())) {
            screen = candidate;
            break;
        }
    }
    if (!screen)
        screen = mainScreen;
    if (!screen)
        return {QPointF(x, y), size};

    // With y up, a QRectF's top() is its lowest y and bottom() its highest.
    const QRectF visible = screen->visibleFrame;
    if (x + size.width() > visible.right() - screenMargin)
        x = anchor.left() - anchorGap - size.width();
    x = std::max(x, visible.left() + screenMargin);
    x = std::min(x, visible.right() - size.width() - screenMargin);
    y = std::max(y, visible.top() + screenMargin);
    y = std::min(y, visible.bottom() - size.height() - screenMargin);
    return {QPointF(x, y), size};
}

} // namespace ResultPanelGeometry
