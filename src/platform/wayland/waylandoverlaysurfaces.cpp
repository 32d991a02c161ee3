#include "platform/wayland/waylandoverlaysurfaces.h"

#include "platform/wayland/panelsurface.h"
#include "platform/wayland/pointercatcher.h"

std::unique_ptr<OverlaySurface> WaylandOverlaySurfaces::create(Kind kind, const QString &name)
{
    switch (kind) {
    case Kind::pointerCatcher:
        return std::make_unique<PointerCatcher>(m_context, name);
    case Kind::panel:
        return std::make_unique<PanelSurface>(m_context, false, name);
    case Kind::keyboardWindow:
        return std::make_unique<PanelSurface>(m_context, true, name);
    }
    return nullptr;
}
