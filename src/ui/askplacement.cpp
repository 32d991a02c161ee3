#include "ui/askplacement.h"

namespace AskPlacement {
QRectF initialFrame(const QList<ScreenInfo> &screens, std::optional<ScreenInfo> mainScreen, QPointF pointer)
{
    QRectF visible(0, 0, 1440, 900);
    const auto holding = std::find_if(screens.cbegin(), screens.cend(),
                                      [pointer](const ScreenInfo &screen) { return screen.frame.contains(pointer); });
    if (holding != screens.cend())
        visible = holding->visibleFrame;
    else if (mainScreen)
        visible = mainScreen->visibleFrame;
    // y up: the top edge is the larger y.
    const qreal top = visible.bottom() - topFraction * visible.height();
    return QRectF(visible.center().x() - width / 2, top - initialHeight, width, initialHeight);
}
} // namespace AskPlacement
