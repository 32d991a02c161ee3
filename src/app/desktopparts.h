#pragma once

#include "actions/sessionparts.h"
#include "net/httpclient.h"
#include "ui/appicons.h"
#include "ui/faviconstore.h"
#include "ui/qtmenutracker.h"
#include "ui/schemeappicons.h"
#include "ui/siteicons.h"
#include "ui/slotlabels.h"

#include <memory>

class DesktopBackend;

// A session on this desktop: its backend of every port, the core over it, and the windows and
// icons the wheel and the result panel are shown with. The application adds the Ask window, the
// controller and the settings; the wheel demo uses it as it is.
struct DesktopParts {
    DesktopParts(UserDefaults &defaults, ControllerStatus &status, std::unique_ptr<DesktopBackend> backend);
    ~DesktopParts();

    std::unique_ptr<DesktopBackend> backend;
    QtMenuTracker menus;
    SessionParts core;
    AppIcons appIcons;
    HttpClient http;
    FaviconStore favicons;
    SchemeAppIcons schemeApps;
    SiteIcons siteIcons;
    SlotLabels labels;

private:
    SessionParts::Views views();
};
