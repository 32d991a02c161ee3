#include "app/desktopparts.h"

#include "platform/windowsystem.h"
#include "platform/x11/x11platform.h"
#include "ui/resultpanelwindow.h"
#include "ui/wheeloverlay.h"

DesktopParts::DesktopParts(UserDefaults &defaults, ControllerStatus &status,
                           std::unique_ptr<X11Platform> x11In)
    : x11(std::move(x11In))
    , core(x11->platform(), defaults, status,
           {.wheelPanel =
                [this](WheelModel &model) {
                    return std::make_unique<WheelOverlay>(
                        model, [this](const WheelItem &item) { return labels.label(item); },
                        [this] { return core.platform.windows.isCompositing(); });
                },
            .resultPanel =
                [](ResultPanelButtons &buttons) { return std::make_unique<ResultPanelWindow>(&buttons); },
            .menus = &menus})
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
