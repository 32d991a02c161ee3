#pragma once

#include "platform/linux/xdgworkspace.h"

#include <QPoint>
#include <optional>

class ForeignToplevels;
class WindowReports;
class SwayIpc;

// Applications on a Wayland desktop: the window in front from sway's tree or from the reports of
// Ringle's KWin script or GNOME Shell extension (with its process id and place), else from the
// compositor's list of windows; applications from XDG desktop entries as on X11.
class WaylandWorkspace final : public XdgWorkspace {
public:
    // How long one question to sway may take.
    static constexpr std::chrono::milliseconds swayTimeout{250};

    // Any may be null.
    WaylandWorkspace(SwayIpc *sway, const WindowReports *reports, ForeignToplevels *toplevels,
                     DesktopEntryIndex index = DesktopEntryIndex());

    std::optional<RunningApp> frontApplication() override;
    QList<RunningApp> runningApplications() override;

    // Where the focused window of the process starts on the desktop, for accessibility extents
    // that native Wayland windows report relative to themselves; none for XWayland windows (they
    // report desktop positions) and when it cannot be told.
    std::optional<QPoint> windowOrigin(qint64 processId);
    // Whether the application in front can be told at all on this desktop.
    bool knowsFrontApplication() const;

private:
    RunningApp appForId(const QString &appId, std::optional<DesktopEntry> *entry);

    SwayIpc *m_sway;
    const WindowReports *m_reports;
    ForeignToplevels *m_toplevels;
};
