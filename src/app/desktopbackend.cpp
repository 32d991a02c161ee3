#include "app/desktopbackend.h"

#include "app/waylanddesktop.h"
#include "app/x11desktop.h"
#include "platform/wayland/waylandplatform.h"
#include "platform/x11/x11platform.h"

#include <QCoreApplication>

std::unique_ptr<DesktopBackend> DesktopBackend::create(Kind kind, QString *why)
{
    if (kind == Kind::wayland) {
        std::unique_ptr<WaylandPlatform> wayland = WaylandPlatform::create(why);
        return wayland ? std::make_unique<WaylandDesktop>(std::move(wayland)) : nullptr;
    }
    std::unique_ptr<X11Platform> x11 = X11Platform::create();
    if (!x11 && why)
        *why = QCoreApplication::translate("DesktopBackend", "the X11 display could not be used");
    return x11 ? std::make_unique<X11Desktop>(std::move(x11)) : nullptr;
}
