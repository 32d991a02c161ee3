#include "platform/wayland/waylandglobals.h"

#include "platform/wayland/layershellprotocol.h"
#include "platform/wayland/waylandconnection.h"

#include "fractional-scale-v1-client-protocol.h"
#include "viewporter-client-protocol.h"

#include <wayland-client.h>

WaylandGlobals::WaylandGlobals(WaylandConnection &connection)
    : compositor(static_cast<wl_compositor *>(connection.bind(&wl_compositor_interface, 4)))
    , subcompositor(static_cast<wl_subcompositor *>(connection.bind(&wl_subcompositor_interface, 1)))
    , shm(static_cast<wl_shm *>(connection.bind(&wl_shm_interface, 1)))
    , layerShell(static_cast<zwlr_layer_shell_v1 *>(connection.bind(&zwlr_layer_shell_v1_interface, 4)))
    , viewporter(static_cast<wp_viewporter *>(connection.bind(&wp_viewporter_interface, 1)))
    , fractionalScale(static_cast<wp_fractional_scale_manager_v1 *>(
          connection.bind(&wp_fractional_scale_manager_v1_interface, 1)))
{
}

WaylandGlobals::~WaylandGlobals()
{
    if (fractionalScale)
        wp_fractional_scale_manager_v1_destroy(fractionalScale);
    if (viewporter)
        wp_viewporter_destroy(viewporter);
    if (layerShell) {
        if (zwlr_layer_shell_v1_get_version(layerShell) >= 3)
            zwlr_layer_shell_v1_destroy(layerShell);
        else
            wl_proxy_destroy(reinterpret_cast<wl_proxy *>(layerShell));
    }
    if (shm)
        wl_shm_destroy(shm);
    if (subcompositor)
        wl_subcompositor_destroy(subcompositor);
    if (compositor)
        wl_compositor_destroy(compositor);
}
