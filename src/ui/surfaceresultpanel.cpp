#include "ui/surfaceresultpanel.h"

#include "platform/overlaysurfaces.h"
#include "ui/resultpanelwindow.h"
#include "ui/surfacehost.h"

SurfaceResultPanel::SurfaceResultPanel(std::unique_ptr<ResultPanelWindow> window, std::unique_ptr<OverlaySurface> surface)
    : m_window(std::move(window))
    , m_host(std::make_unique<SurfaceHost>(*m_window, std::move(surface)))
{
    m_host->surface().setTakesInput(false);
}

SurfaceResultPanel::~SurfaceResultPanel() = default;

qreal SurfaceResultPanel::answerTextHeight(const ResultPanelState &state)
{
    return m_window->answerTextHeight(state);
}

QSizeF SurfaceResultPanel::setContent(const ResultPanelState &state, qreal answerHeight, bool offersReplace,
                                      QSizeF proposed)
{
    return m_window->setContent(state, answerHeight, offersReplace, proposed);
}

void SurfaceResultPanel::setFrame(const QRectF &frame)
{
    m_window->setFrame(frame);
}

void SurfaceResultPanel::setTakesClicks(bool takesClicks)
{
    m_window->setTakesClicks(takesClicks);
    m_host->surface().setTakesInput(takesClicks);
}

bool SurfaceResultPanel::isOnScreen() const
{
    return m_window->isOnScreen();
}

void SurfaceResultPanel::showPanel()
{
    m_window->showPanel();
}

void SurfaceResultPanel::hidePanel()
{
    m_window->hidePanel();
}

void SurfaceResultPanel::animateOpacity(qreal opacity, std::chrono::milliseconds duration)
{
    m_window->animateOpacity(opacity, duration);
}
