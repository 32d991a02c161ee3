#include "platform/wayland/panelsurface.h"

#include "platform/wayland/layerrole.h"
#include "platform/wayland/scaledsurface.h"
#include "platform/wayland/waylandglobals.h"
#include "platform/wayland/waylandoutputs.h"

#include <QLoggingCategory>

#include <wayland-client.h>

Q_DECLARE_LOGGING_CATEGORY(lcWayland)

namespace {
LayerRole::Placement placementIn(const QRect &rect, QPoint outputOrigin)
{
    const QPoint offset = rect.topLeft() - outputOrigin;
    return {rect.size(), QMargins(offset.x(), offset.y(), 0, 0)};
}
} // namespace

PanelSurface::PanelSurface(SurfaceContext context, bool takesKeyboard, QString name)
    : m_context(context)
    , m_takesKeyboard(takesKeyboard)
    , m_name(std::move(name))
{
}

PanelSurface::~PanelSurface()
{
    destroy();
}

void PanelSurface::create()
{
    const WaylandOutputs::Output *output = m_context.outputs.at(m_rect.center());
    if (!output || !m_context.globals.layerShell || m_rect.isEmpty()) {
        qCWarning(lcWayland) << "no screen to show" << m_name << "on";
        return;
    }
    m_output = output->output;
    m_outputOrigin = output->geometry.topLeft();
    m_surface = std::make_unique<ScaledSurface>(m_context.globals, m_context.outputs);
    m_surface->expectOutput(m_output);
    m_surface->setTakesInput(m_takesInput);
    m_surface->setRedraw([this] { redraw(); });
    m_role = std::make_unique<LayerRole>(m_context.globals.layerShell, m_surface->surface(), m_output, m_name,
                                         placementIn(m_rect, m_outputOrigin),
                                         m_takesKeyboard ? LayerRole::Keyboard::onDemand : LayerRole::Keyboard::none);
    m_role->setConfigured([this](QSize) { redraw(); });
    m_role->setClosed([this] {
        destroy();
        m_shown = false;
        if (m_handlers.closed)
            m_handlers.closed();
    });
    m_context.seat.addSink(m_surface->surface(), this);
    // The first commit carries no picture: the compositor answers with the size to draw at.
    wl_surface_commit(m_surface->surface());
}

void PanelSurface::destroy()
{
    if (m_surface)
        m_context.seat.removeSink(m_surface->surface());
    m_role.reset();
    m_surface.reset();
    m_output = nullptr;
}

void PanelSurface::redraw()
{
    if (m_handlers.redraw)
        m_handlers.redraw();
}

void PanelSurface::setContentRect(const QRect &rect)
{
    const QSize before = m_rect.size();
    m_rect = rect;
    if (!m_shown)
        return;
    const WaylandOutputs::Output *output = m_context.outputs.at(rect.center());
    if (!m_surface || !output || output->output != m_output) {
        // Another screen: a surface of that screen's.
        destroy();
        create();
        return;
    }
    m_role->setPlacement(placementIn(rect, m_outputOrigin));
    if (rect.size() != before)
        redraw();
    else
        wl_surface_commit(m_surface->surface());
}

void PanelSurface::setTakesInput(bool takes)
{
    m_takesInput = takes;
    if (m_surface) {
        m_surface->setTakesInput(takes);
        wl_surface_commit(m_surface->surface());
    }
}

void PanelSurface::setCursorShape(const QString &name)
{
    if (name == m_cursor)
        return;
    m_cursor = name;
    if (m_surface)
        m_context.seat.refreshCursor(m_surface->surface());
}

void PanelSurface::show()
{
    if (m_shown)
        return;
    m_shown = true;
    create();
}

void PanelSurface::hide()
{
    if (!m_shown)
        return;
    m_shown = false;
    destroy();
}

SurfaceCanvas PanelSurface::beginFrame()
{
    if (!m_surface || !m_role || !m_role->isConfigured())
        return {};
    return m_surface->beginFrame(m_rect.size());
}

void PanelSurface::endFrame()
{
    if (m_surface)
        m_surface->endFrame();
}

QPointF PanelSurface::surfaceOrigin(wl_surface *) const
{
    return m_rect.topLeft();
}

void PanelSurface::pointerEvent(wl_surface *, const SurfacePointerEvent &event)
{
    if (m_handlers.pointer)
        m_handlers.pointer(event);
}

void PanelSurface::keyEvent(const SurfaceKeyEvent &event)
{
    if (m_handlers.key)
        m_handlers.key(event);
}

void PanelSurface::keyboardFocusChanged(bool has)
{
    if (m_handlers.keyboardFocus)
        m_handlers.keyboardFocus(has);
}

int PanelSurface::surfaceScale(wl_surface *) const
{
    return m_surface ? std::max(1, qRound(m_surface->scale())) : 1;
}
