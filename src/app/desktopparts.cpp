#include "app/desktopparts.h"

#include "app/desktopbackend.h"
#include "platform/overlaysurfaces.h"
#include "platform/windowsystem.h"
#include "ui/resultpanelwindow.h"
#include "ui/surfaceresultpanel.h"
#include "ui/surfacewheelpanel.h"
#include "ui/wheeloverlay.h"

DesktopParts::DesktopParts(UserDefaults &defaults, ControllerStatus &status, std::unique_ptr<DesktopBackend> backendIn)
    : backend(std::move(backendIn))
    , core(backend->platform(), defaults, status, views())
    , appIcons(core.apps)
    , favicons(http)
    , schemeApps(core.platform.workspace)
    , siteIcons(favicons, schemeApps, core.store)
    , labels(
          core.display, [this](const QString &appId) { return appIcons.icon(appId); },
          [this](const QString &address) { return siteIcons.icon(address); })
{
}

DesktopParts::~DesktopParts() = default;

SessionParts::Views DesktopParts::views()
{
    const auto overlay = [this](WheelModel &model) {
        return std::make_unique<WheelOverlay>(
            model, [this](const WheelItem &item) { return labels.label(item); },
            [this] { return core.platform.windows.isCompositing(); });
    };
    if (OverlaySurfaces *surfaces = backend->overlaySurfaces()) {
        return {.wheelPanel =
                    [overlay, surfaces](WheelModel &model) {
                        return std::make_unique<SurfaceWheelPanel>(
                            overlay(model), surfaces->create(OverlaySurfaces::Kind::pointerCatcher, u"ringle-wheel"_qs));
                    },
                .resultPanel =
                    [surfaces](ResultPanelButtons &buttons) {
                        return std::make_unique<SurfaceResultPanel>(
                            std::make_unique<ResultPanelWindow>(&buttons),
                            surfaces->create(OverlaySurfaces::Kind::panel, u"ringle-result"_qs));
                    },
                .menus = &menus};
    }
    return {.wheelPanel = overlay,
            .resultPanel = [](ResultPanelButtons &buttons) { return std::make_unique<ResultPanelWindow>(&buttons); },
            .menus = &menus};
}
