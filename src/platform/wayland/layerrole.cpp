#include "platform/wayland/layerrole.h"

#include "platform/wayland/layershellprotocol.h"
#include "platform/wayland/waylandglobals.h"

#include <QByteArray>

namespace {
LayerRole *self(void *data)
{
    return static_cast<LayerRole *>(data);
}

void configure(void *data, zwlr_layer_surface_v1 *, uint32_t serial, uint32_t width, uint32_t height)
{
    self(data)->configure(serial, QSize(int(width), int(height)));
}

void closed(void *data, zwlr_layer_surface_v1 *)
{
    self(data)->close();
}

const zwlr_layer_surface_v1_listener listener = {.configure = configure, .closed = closed};

constexpr quint32 allEdges = ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM
    | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;
constexpr quint32 topLeft = ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT;
} // namespace

LayerRole::LayerRole(zwlr_layer_shell_v1 *shell, wl_surface *surface, wl_output *output, const QString &name,
                     Placement placement, Keyboard keyboard)
    : m_layer(zwlr_layer_shell_v1_get_layer_surface(shell, surface, output, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY,
                                                    name.toUtf8().constData()))
{
    zwlr_layer_surface_v1_add_listener(m_layer, &listener, this);
    // Other surfaces' exclusive zones (panels) do not move Ringle's: positions are the output's.
    zwlr_layer_surface_v1_set_exclusive_zone(m_layer, -1);
    setPlacement(placement);
    setKeyboard(keyboard);
}

LayerRole::~LayerRole()
{
    zwlr_layer_surface_v1_destroy(m_layer);
}

void LayerRole::setPlacement(Placement placement)
{
    if (placement.size.isEmpty()) {
        zwlr_layer_surface_v1_set_anchor(m_layer, allEdges);
        zwlr_layer_surface_v1_set_size(m_layer, 0, 0);
        zwlr_layer_surface_v1_set_margin(m_layer, 0, 0, 0, 0);
        return;
    }
    zwlr_layer_surface_v1_set_anchor(m_layer, topLeft);
    zwlr_layer_surface_v1_set_size(m_layer, quint32(placement.size.width()), quint32(placement.size.height()));
    const QMargins &m = placement.margins;
    zwlr_layer_surface_v1_set_margin(m_layer, m.top(), m.right(), m.bottom(), m.left());
}

bool LayerRole::supportsOnDemandKeyboard() const
{
    return zwlr_layer_surface_v1_get_version(m_layer) >= WaylandGlobals::onDemandKeyboardVersion;
}

void LayerRole::setKeyboard(Keyboard keyboard)
{
    quint32 mode = ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE;
    if (keyboard == Keyboard::exclusive)
        mode = ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE;
    else if (keyboard == Keyboard::onDemand)
        mode = supportsOnDemandKeyboard() ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_ON_DEMAND
                                          : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE;
    zwlr_layer_surface_v1_set_keyboard_interactivity(m_layer, mode);
}

void LayerRole::configure(quint32 serial, QSize size)
{
    zwlr_layer_surface_v1_ack_configure(m_layer, serial);
    m_isConfigured = true;
    m_size = size;
    if (m_configured)
        m_configured(size);
}

void LayerRole::close()
{
    if (m_closed)
        m_closed();
}
