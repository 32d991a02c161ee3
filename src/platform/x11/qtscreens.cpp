#include "platform/x11/qtscreens.h"

#include "platform/screencoordinates.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {
QRectF primaryFrame()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? QRectF(primary->geometry()) : QRectF();
}

ScreenInfo infoFor(const QScreen *screen, const QRectF &primary)
{
    return {ScreenCoordinates::toYUp(QRectF(screen->geometry()), primary), ScreenCoordinates::toYUp(QRectF(screen->availableGeometry()), primary)};
}
} // namespace

QList<ScreenInfo> QtScreens::screens()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    QList<ScreenInfo> result;
    if (!primary)
        return result;
    const QRectF frame = primaryFrame();
    result.append(infoFor(primary, frame));
    for (const QScreen *s : QGuiApplication::screens()) {
        if (s != primary)
            result.append(infoFor(s, frame));
    }
    return result;
}

std::optional<ScreenInfo> QtScreens::mainScreen()
{
    const QPoint pointer = QCursor::pos();
    const QScreen *screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return infoFor(screen, primaryFrame());
}

QPointF QtScreens::pointerLocation()
{
    // QCursor asks the X server (QueryPointer) on every call.
    return ScreenCoordinates::toYUp(QPointF(QCursor::pos()), primaryFrame());
}
