#include "platform/linux/qtscreens.h"

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

QtScreens::QtScreens(PointerSource pointer)
    : m_pointer(std::move(pointer))
{
}

QPointF QtScreens::desktopPointer() const
{
    if (!m_pointer)
        return QPointF(QCursor::pos()); // QCursor asks the X server (QueryPointer) on every call.
    if (const std::optional<QPointF> known = m_pointer())
        return *known;
    // Before the pointer was ever seen: the middle of the primary screen.
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? QRectF(primary->geometry()).center() : QPointF();
}

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
    const QScreen *screen = QGuiApplication::screenAt(desktopPointer().toPoint());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return infoFor(screen, primaryFrame());
}

QPointF QtScreens::pointerLocation()
{
    return ScreenCoordinates::toYUp(desktopPointer(), primaryFrame());
}
