#include "platform/wayland/pointercatcher.h"

#include "platform/wayland/layerrole.h"
#include "platform/wayland/scaledsurface.h"
#include "platform/wayland/shmbuffer.h"
#include "platform/wayland/waylandglobals.h"
#include "platform/wayland/waylandoutputs.h"

#include "viewporter-client-protocol.h"

#include <wayland-client.h>

struct PointerCatcher::Cover {
    wl_output *output = nullptr;
    QRect geometry;
    int scale = 1;
    wl_surface *surface = nullptr;
    wp_viewport *viewport = nullptr;
    std::unique_ptr<LayerRole> role;
    // Without a viewporter, a clear picture as large as the output.
    std::unique_ptr<ShmBuffer> clear;
    bool mapped = false;

    ~Cover()
    {
        role.reset();
        clear.reset();
        if (viewport)
            wp_viewport_destroy(viewport);
        if (surface)
            wl_surface_destroy(surface);
    }
};

PointerCatcher::PointerCatcher(SurfaceContext context, QString name)
    : m_context(context)
    , m_name(std::move(name))
{
}

PointerCatcher::~PointerCatcher()
{
    hide();
}

void PointerCatcher::show()
{
    if (m_shown || !m_context.globals.layerShell)
        return;
    m_shown = true;
    for (const WaylandOutputs::Output *output : m_context.outputs.outputs()) {
        auto cover = std::make_shared<Cover>();
        cover->output = output->output;
        cover->geometry = output->geometry;
        cover->scale = output->scale;
        cover->surface = wl_compositor_create_surface(m_context.globals.compositor);
        if (m_context.globals.viewporter)
            cover->viewport = wp_viewporter_get_viewport(m_context.globals.viewporter, cover->surface);
        cover->role = std::make_unique<LayerRole>(m_context.globals.layerShell, cover->surface, cover->output, m_name,
                                                  LayerRole::Placement{}, LayerRole::Keyboard::none);
        Cover *raw = cover.get();
        cover->role->setConfigured([this, raw](QSize size) { configured(*raw, size); });
        cover->role->setClosed([this] {
            hide();
            if (m_handlers.closed)
                m_handlers.closed();
        });
        m_context.seat.addSink(cover->surface, this);
        wl_surface_commit(cover->surface);
        m_covers.append(cover);
    }
}

void PointerCatcher::configured(Cover &cover, QSize size)
{
    if (size.isEmpty())
        size = cover.geometry.size();
    wl_buffer *buffer = nullptr;
    if (cover.viewport) {
        // One clear pixel, stretched over the output: nothing to draw, nothing to send.
        if (!m_clearPixel)
            m_clearPixel = ShmBuffer::create(m_context.globals.shm, QSize(1, 1));
        if (m_clearPixel) {
            buffer = m_clearPixel->buffer();
            wp_viewport_set_destination(cover.viewport, size.width(), size.height());
        }
    } else {
        cover.clear = ShmBuffer::create(m_context.globals.shm, size * cover.scale);
        if (cover.clear) {
            buffer = cover.clear->buffer();
            wl_surface_set_buffer_scale(cover.surface, cover.scale);
        }
    }
    if (!buffer)
        return;
    wl_surface_attach(cover.surface, buffer, 0, 0);
    wl_surface_damage(cover.surface, 0, 0, size.width(), size.height());
    wl_surface_commit(cover.surface);
    cover.mapped = true;
    if (!m_content && coverFor(m_rect) == &cover)
        placeContent();
}

PointerCatcher::Cover *PointerCatcher::coverFor(const QRect &rect) const
{
    const WaylandOutputs::Output *output = m_context.outputs.at(rect.center());
    for (const std::shared_ptr<Cover> &c : m_covers) {
        if (output && c->output == output->output)
            return c.get();
    }
    return nullptr;
}

void PointerCatcher::placeContent()
{
    Cover *cover = coverFor(m_rect);
    if (!cover || !cover->mapped || !m_context.globals.subcompositor || m_rect.isEmpty())
        return;
    m_contentCover = cover;
    m_content = std::make_unique<ScaledSurface>(m_context.globals, m_context.outputs);
    m_content->expectOutput(cover->output);
    // Input goes to the cover below, which sees the whole output.
    m_content->setTakesInput(false);
    m_content->setRedraw([this] {
        if (m_handlers.redraw)
            m_handlers.redraw();
    });
    m_subsurface = wl_subcompositor_get_subsurface(m_context.globals.subcompositor, m_content->surface(), cover->surface);
    wl_subsurface_set_desync(m_subsurface);
    const QPoint offset = m_rect.topLeft() - cover->geometry.topLeft();
    wl_subsurface_set_position(m_subsurface, offset.x(), offset.y());
    wl_surface_commit(cover->surface);
    if (m_handlers.redraw)
        m_handlers.redraw();
}

void PointerCatcher::dropContent()
{
    if (m_subsurface)
        wl_subsurface_destroy(m_subsurface);
    m_subsurface = nullptr;
    m_content.reset();
    m_contentCover = nullptr;
}

void PointerCatcher::setContentRect(const QRect &rect)
{
    const QSize before = m_rect.size();
    m_rect = rect;
    if (!m_shown)
        return;
    Cover *cover = coverFor(rect);
    if (!m_content || cover != m_contentCover) {
        dropContent();
        placeContent();
        return;
    }
    const QPoint offset = rect.topLeft() - cover->geometry.topLeft();
    wl_subsurface_set_position(m_subsurface, offset.x(), offset.y());
    // A subsurface moves with its parent's next commit.
    wl_surface_commit(cover->surface);
    if (rect.size() != before && m_handlers.redraw)
        m_handlers.redraw();
}

void PointerCatcher::hide()
{
    if (!m_shown)
        return;
    m_shown = false;
    dropContent();
    for (const std::shared_ptr<Cover> &c : std::as_const(m_covers))
        m_context.seat.removeSink(c->surface);
    m_covers.clear();
    m_clearPixel.reset();
}

SurfaceCanvas PointerCatcher::beginFrame()
{
    return m_content ? m_content->beginFrame(m_rect.size()) : SurfaceCanvas{};
}

void PointerCatcher::endFrame()
{
    if (m_content)
        m_content->endFrame();
}

QPointF PointerCatcher::surfaceOrigin(wl_surface *surface) const
{
    for (const std::shared_ptr<Cover> &c : m_covers) {
        if (c->surface == surface)
            return c->geometry.topLeft();
    }
    return {};
}

void PointerCatcher::pointerEvent(wl_surface *, const SurfacePointerEvent &event)
{
    if (!m_handlers.pointer)
        return;
    SurfacePointerEvent local = event;
    local.position = event.global - QPointF(m_rect.topLeft());
    m_handlers.pointer(local);
}

int PointerCatcher::surfaceScale(wl_surface *surface) const
{
    for (const std::shared_ptr<Cover> &c : m_covers) {
        if (c->surface == surface)
            return c->scale;
    }
    return 1;
}
