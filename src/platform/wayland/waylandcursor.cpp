#include "platform/wayland/waylandcursor.h"

#include <QByteArray>
#include <QList>

#include <wayland-client.h>
#include <wayland-cursor.h>

namespace {
// The names cursor themes use for each shape, the freedesktop name first.
QList<QByteArray> themeNames(const QString &shape)
{
    if (shape == u"text")
        return {"text", "xterm", "ibeam"};
    if (shape == u"pointer")
        return {"pointer", "hand2", "hand1", "pointing_hand"};
    return {"default", "left_ptr", "arrow"};
}
} // namespace

WaylandCursor::WaylandCursor(wl_compositor *compositor, wl_shm *shm)
    : m_compositor(compositor)
    , m_shm(shm)
    , m_themeName(qgetenv("XCURSOR_THEME"))
{
    bool ok = false;
    const int size = qEnvironmentVariableIntValue("XCURSOR_SIZE", &ok);
    if (ok && size > 0 && size <= 256)
        m_size = size;
}

WaylandCursor::~WaylandCursor()
{
    for (wl_cursor_theme *t : std::as_const(m_themes))
        wl_cursor_theme_destroy(t);
    if (m_surface)
        wl_surface_destroy(m_surface);
}

wl_cursor_theme *WaylandCursor::theme(int scale)
{
    if (wl_cursor_theme *t = m_themes.value(scale))
        return t;
    wl_cursor_theme *t = wl_cursor_theme_load(m_themeName.isEmpty() ? nullptr : m_themeName.constData(),
                                              m_size * scale, m_shm);
    if (t)
        m_themes.insert(scale, t);
    return t;
}

void WaylandCursor::show(wl_pointer *pointer, quint32 serial, const QString &shape, int scale)
{
    if (!pointer || !m_compositor || !m_shm)
        return;
    scale = std::clamp(scale, 1, 8);
    wl_cursor_theme *t = theme(scale);
    wl_cursor *cursor = nullptr;
    for (const QByteArray &name : themeNames(shape)) {
        if (t && (cursor = wl_cursor_theme_get_cursor(t, name.constData())))
            break;
    }
    if (!cursor || cursor->image_count == 0) {
        // No theme at all: no picture is better than the last one another surface left.
        wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
        return;
    }
    wl_cursor_image *image = cursor->images[0];
    wl_buffer *buffer = wl_cursor_image_get_buffer(image);
    if (!m_surface)
        m_surface = wl_compositor_create_surface(m_compositor);
    wl_surface_set_buffer_scale(m_surface, scale);
    wl_surface_attach(m_surface, buffer, 0, 0);
    wl_surface_damage(m_surface, 0, 0, int32_t(image->width), int32_t(image->height));
    wl_surface_commit(m_surface);
    wl_pointer_set_cursor(pointer, serial, m_surface, int32_t(image->hotspot_x) / scale,
                          int32_t(image->hotspot_y) / scale);
}
