#pragma once

struct wl_compositor;
struct wl_shm;
struct wl_subcompositor;
struct wp_fractional_scale_manager_v1;
struct wp_viewporter;
struct zwlr_layer_shell_v1;
class WaylandConnection;

// The compositor's interfaces every surface of Ringle's needs, bound once. Those a compositor may
// lack are null then.
struct WaylandGlobals {
    explicit WaylandGlobals(WaylandConnection &connection);
    ~WaylandGlobals();
    WaylandGlobals(const WaylandGlobals &) = delete;
    WaylandGlobals &operator=(const WaylandGlobals &) = delete;

    // The layer-shell version that brought the on-demand keyboard mode.
    static constexpr unsigned onDemandKeyboardVersion = 4;

    wl_compositor *compositor = nullptr;
    wl_subcompositor *subcompositor = nullptr;
    wl_shm *shm = nullptr;
    zwlr_layer_shell_v1 *layerShell = nullptr;
    wp_viewporter *viewporter = nullptr;
    wp_fractional_scale_manager_v1 *fractionalScale = nullptr;
};
