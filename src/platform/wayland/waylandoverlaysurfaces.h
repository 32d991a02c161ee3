#pragma once

#include "platform/overlaysurfaces.h"
#include "platform/wayland/surfacecontext.h"

// Ringle's overlay surfaces as layer-shell surfaces of its own Wayland connection.
class WaylandOverlaySurfaces final : public OverlaySurfaces {
public:
    explicit WaylandOverlaySurfaces(SurfaceContext context)
        : m_context(context)
    {
    }

    std::unique_ptr<OverlaySurface> create(Kind kind, const QString &name) override;

private:
    SurfaceContext m_context;
};
