#include "ui/surfacewheelpanel.h"

#include "platform/overlaysurfaces.h"
#include "platform/screencoordinates.h"
#include "ui/surfacehost.h"
#include "ui/wheeloverlay.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {
QRectF primaryFrame()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return primary ? QRectF(primary->geometry()) : QRectF();
}
} // namespace

SurfaceWheelPanel::SurfaceWheelPanel(std::unique_ptr<WheelOverlay> overlay, std::unique_ptr<OverlaySurface> surface)
    : m_overlay(std::move(overlay))
    , m_host(std::make_unique<SurfaceHost>(*m_overlay, std::move(surface)))
    , m_wait(new QTimer(this))
{
    // The cover goes up before the wheel is drawn, and comes down with it.
    m_host->setFollowsVisibility(false);
    m_host->setPointerHook([this](const SurfacePointerEvent &event) {
        if (m_waiting && (event.type == SurfacePointerEvent::Type::enter || event.type == SurfacePointerEvent::Type::motion))
            pointerFound(event.global);
        else if (event.type == SurfacePointerEvent::Type::release && event.button == Qt::LeftButton && m_clicked)
            m_clicked(ScreenCoordinates::toYUp(event.global, primaryFrame()));
        // The wheel takes no input of its own: the triggers drive it.
        return true;
    });
    m_wait->setSingleShot(true);
    m_wait->setInterval(pointerWaitMilliseconds);
    connect(m_wait, &QTimer::timeout, this, [this] {
        if (m_waiting) {
            m_waiting = false;
            showAsked();
        }
    });
}

SurfaceWheelPanel::~SurfaceWheelPanel() = default;

void SurfaceWheelPanel::showWheel(QPointF origin, const std::optional<QRectF> &visibleFrame)
{
    m_askedOrigin = origin;
    m_askedFrame = visibleFrame;
    OverlaySurface &surface = m_host->surface();
    if (!surface.isShown()) {
        // Nothing to draw yet: the cover alone, so the pointer's entry tells where it is.
        surface.setContentRect(QRect());
        surface.show();
        m_waiting = true;
        m_wait->start();
        return;
    }
    if (!m_waiting)
        showAsked();
}

void SurfaceWheelPanel::showAsked()
{
    m_overlay->showWheel(m_askedOrigin, m_askedFrame);
}

void SurfaceWheelPanel::pointerFound(QPointF global)
{
    m_waiting = false;
    m_wait->stop();
    if (m_pointerFound)
        m_pointerFound(ScreenCoordinates::toYUp(global, primaryFrame()));
    else
        showAsked();
}

void SurfaceWheelPanel::hideWheel()
{
    m_waiting = false;
    m_wait->stop();
    m_overlay->hideWheel();
    m_host->surface().hide();
}

void SurfaceWheelPanel::prepare()
{
    m_overlay->prepare();
}
