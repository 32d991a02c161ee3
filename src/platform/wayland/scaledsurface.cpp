#include "platform/wayland/scaledsurface.h"

#include "platform/wayland/waylandglobals.h"
#include "platform/wayland/waylandoutputs.h"

#include "fractional-scale-v1-client-protocol.h"
#include "viewporter-client-protocol.h"

#include <wayland-client.h>

#include <QtMath>
#include <cstring>

namespace {
ScaledSurface *self(void *data)
{
    return static_cast<ScaledSurface *>(data);
}

void enter(void *data, wl_surface *, wl_output *output)
{
    self(data)->entered(output);
}

void leave(void *data, wl_surface *, wl_output *output)
{
    self(data)->left(output);
}

const wl_surface_listener surfaceListener = {.enter = enter, .leave = leave};

void preferredScale(void *data, wp_fractional_scale_v1 *, uint32_t scale)
{
    self(data)->setPreferredScale(scale);
}

const wp_fractional_scale_v1_listener fractionalListener = {.preferred_scale = preferredScale};

void frameDone(void *data, wl_callback *callback, uint32_t)
{
    wl_callback_destroy(callback);
    self(data)->frameDone();
}

const wl_callback_listener frameListener = {.done = frameDone};
} // namespace

ScaledSurface::ScaledSurface(WaylandGlobals &globals, WaylandOutputs &outputs)
    : m_globals(globals)
    , m_outputs(outputs)
    , m_pool(globals.shm)
{
    m_surface = wl_compositor_create_surface(globals.compositor);
    wl_surface_add_listener(m_surface, &surfaceListener, this);
    if (globals.viewporter)
        m_viewport = wp_viewporter_get_viewport(globals.viewporter, m_surface);
    // A fractional scale needs the viewport to say the surface's size in logical pixels.
    if (globals.fractionalScale && m_viewport) {
        m_fractional = wp_fractional_scale_manager_v1_get_fractional_scale(globals.fractionalScale, m_surface);
        wp_fractional_scale_v1_add_listener(m_fractional, &fractionalListener, this);
    }
}

ScaledSurface::~ScaledSurface()
{
    if (m_frame)
        wl_callback_destroy(m_frame);
    if (m_fractional)
        wp_fractional_scale_v1_destroy(m_fractional);
    if (m_viewport)
        wp_viewport_destroy(m_viewport);
    m_pool.clear();
    wl_surface_destroy(m_surface);
}

qreal ScaledSurface::scale() const
{
    if (m_scale120 > 0)
        return m_scale120 / 120.0;
    int largest = 1;
    for (wl_output *output : m_on) {
        if (const WaylandOutputs::Output *o = m_outputs.find(output))
            largest = std::max(largest, o->scale);
    }
    return largest;
}

SurfaceCanvas ScaledSurface::beginFrame(QSize logicalSize)
{
    if (m_frame || logicalSize.isEmpty()) {
        m_redrawWanted = true;
        return {};
    }
    const qreal s = scale();
    // Rounded up: a pixel short would leave the right and bottom edges blurred by the scaler.
    const QSize pixels(qCeil(logicalSize.width() * s), qCeil(logicalSize.height() * s));
    m_drawing = m_pool.next(pixels);
    if (!m_drawing) {
        m_redrawWanted = true;
        return {};
    }
    m_logicalSize = logicalSize;
    std::memset(m_drawing->pixels(), 0, size_t(m_drawing->bytesPerLine()) * size_t(pixels.height()));
    return {m_drawing->pixels(), pixels, m_drawing->bytesPerLine(), s};
}

void ScaledSurface::endFrame()
{
    if (!m_drawing)
        return;
    const qreal s = scale();
    const bool integral = qFuzzyCompare(s, qreal(qRound(s)));
    if (m_viewport && (!integral || m_scale120 > 0)) {
        if (m_appliedBufferScale != 1) {
            wl_surface_set_buffer_scale(m_surface, 1);
            m_appliedBufferScale = 1;
        }
        wp_viewport_set_destination(m_viewport, m_logicalSize.width(), m_logicalSize.height());
    } else {
        const int bufferScale = std::max(1, qRound(s));
        if (m_viewport)
            wp_viewport_set_destination(m_viewport, -1, -1);
        if (bufferScale != m_appliedBufferScale) {
            wl_surface_set_buffer_scale(m_surface, bufferScale);
            m_appliedBufferScale = bufferScale;
        }
    }
    wl_surface_attach(m_surface, m_drawing->buffer(), 0, 0);
    const QSize size = m_drawing->size();
    if (wl_surface_get_version(m_surface) >= 4)
        wl_surface_damage_buffer(m_surface, 0, 0, size.width(), size.height());
    else
        wl_surface_damage(m_surface, 0, 0, INT32_MAX, INT32_MAX);
    m_frame = wl_surface_frame(m_surface);
    wl_callback_add_listener(m_frame, &frameListener, this);
    wl_surface_commit(m_surface);
    m_drawing->setBusy();
    m_drawing = nullptr;
}

void ScaledSurface::setTakesInput(bool takes)
{
    if (takes) {
        wl_surface_set_input_region(m_surface, nullptr);
    } else {
        wl_region *none = wl_compositor_create_region(m_globals.compositor);
        wl_surface_set_input_region(m_surface, none);
        wl_region_destroy(none);
    }
}

void ScaledSurface::expectOutput(wl_output *output)
{
    if (m_on.isEmpty() && output)
        m_on.append(output);
}

void ScaledSurface::entered(wl_output *output)
{
    const qreal before = scale();
    if (!m_on.contains(output))
        m_on.append(output);
    if (scale() != before)
        scaleChanged();
}

void ScaledSurface::left(wl_output *output)
{
    const qreal before = scale();
    m_on.removeAll(output);
    if (scale() != before)
        scaleChanged();
}

void ScaledSurface::setPreferredScale(quint32 scale120)
{
    if (scale120 == m_scale120)
        return;
    m_scale120 = scale120;
    scaleChanged();
}

void ScaledSurface::frameDone()
{
    m_frame = nullptr;
    if (std::exchange(m_redrawWanted, false) && m_redraw)
        m_redraw();
}

void ScaledSurface::scaleChanged()
{
    if (m_redraw)
        m_redraw();
}
