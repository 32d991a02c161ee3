#include "ui/wheeldesktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace WheelDesktop {
namespace {
QRectF primaryFrame()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? QRectF(primary->geometry()) : QRectF();
}

QRectF toYUp(const QRectF &rect, const QRectF &primary)
{
    return QRectF(rect.left() - primary.left(), primary.bottom() - rect.bottom(), rect.width(), rect.height());
}

ActionWheel::Screen screen(const QScreen *s, const QRectF &primary)
{
    return {toYUp(QRectF(s->geometry()), primary), toYUp(QRectF(s->availableGeometry()), primary)};
}
} // namespace

QPointF pointerLocation()
{
    // QCursor asks the X server every time.
    const QRectF primary = primaryFrame();
    const QPointF p = QCursor::pos();
    return QPointF(p.x() - primary.left(), primary.bottom() - p.y());
}

QList<ActionWheel::Screen> screens()
{
    QList<ActionWheel::Screen> result;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return result;
    const QRectF frame = primaryFrame();
    result.append(screen(primary, frame));
    for (const QScreen *s : QGuiApplication::screens()) {
        if (s != primary)
            result.append(screen(s, frame));
    }
    return result;
}

std::optional<ActionWheel::Screen> mainScreen()
{
    const QScreen *s = QGuiApplication::screenAt(QCursor::pos());
    if (!s)
        s = QGuiApplication::primaryScreen();
    if (!s)
        return std::nullopt;
    return screen(s, primaryFrame());
}

ActionWheel::Context context()
{
    ActionWheel::Context context;
    context.pointerLocation = &pointerLocation;
    context.screens = &screens;
    context.mainScreen = &mainScreen;
    return context;
}
} // namespace WheelDesktop
