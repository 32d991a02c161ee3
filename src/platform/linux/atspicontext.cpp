#include "platform/linux/atspicontext.h"

#include "platform/linux/atspiref.h"

#include <QGuiApplication>
#include <QScreen>
#include <atspi/atspi.h>

QByteArray AtspiContext::busName(_AtspiAccessible *object)
{
    const AtspiApplication *app = object ? object->parent.app : nullptr;
    return app && app->bus_name ? QByteArray(app->bus_name) : QByteArray();
}

bool AtspiContext::mayCall(const QByteArray &bus)
{
    if (bus.isEmpty())
        return false;
    const auto it = m_hungUntil.constFind(bus);
    if (it == m_hungUntil.cend())
        return true;
    if (Clock::now() < *it)
        return false;
    m_hungUntil.remove(bus);
    return true;
}

void AtspiContext::noteFailure(const QByteArray &bus, Clock::duration took)
{
    if (took >= hungAfter)
        m_hungUntil.insert(bus, Clock::now() + hungPause);
}

std::optional<qint64> AtspiContext::processId(_AtspiAccessible *object)
{
    const QByteArray bus = busName(object);
    if (bus.isEmpty())
        return std::nullopt;
    const auto it = m_processIds.constFind(bus);
    if (it != m_processIds.cend())
        return *it;
    // Asked of the accessibility bus itself, not of the application, so a hung application
    // cannot stall it.
    AtspiError error;
    const guint pid = atspi_accessible_get_process_id(object, error.out());
    if (error.isSet() || pid == 0 || pid == guint(-1))
        return std::nullopt;
    m_processIds.insert(bus, qint64(pid));
    return qint64(pid);
}

QRectF AtspiContext::toAccessibilityCoordinates(_AtspiAccessible *object, const QRect &screenRect)
{
    QRect rect = screenRect;
    if (m_windowOrigin) {
        const std::optional<qint64> pid = processId(object);
        if (const std::optional<QPoint> origin = pid ? m_windowOrigin(*pid) : std::nullopt)
            rect.translate(*origin);
    }
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QPoint origin = primary ? primary->geometry().topLeft() : QPoint();
    return QRectF(rect.translated(-origin));
}
