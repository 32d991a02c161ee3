#pragma once

#include "platform/linux/xdgapplications.h"
#include "platform/workspace.h"

#include <QPoint>
#include <optional>

class ForeignToplevels;
class SwayIpc;

// Applications on a Wayland desktop: the window in front from sway's tree (with its process id and
// place) where sway runs, else from the compositor's list of windows; applications from XDG
// desktop entries as on X11.
class WaylandWorkspace final : public Workspace {
public:
    // How long one question to sway may take.
    static constexpr std::chrono::milliseconds swayTimeout{250};

    // Either may be null.
    WaylandWorkspace(SwayIpc *sway, ForeignToplevels *toplevels, DesktopEntryIndex index = DesktopEntryIndex());

    std::optional<RunningApp> frontApplication() override;
    QList<RunningApp> runningApplications() override;
    std::optional<ApplicationInfo> application(const QString &appId) override;
    QList<ApplicationInfo> installedApplications() override;
    bool openApplication(const QString &appId) override;
    bool openUrl(const QUrl &url) override;
    QCoro::Task<std::optional<ApplicationInfo>> applicationForUrl(const QUrl &url) override;

    // Where the focused window of the process starts on the desktop, for accessibility extents
    // that native Wayland windows report relative to themselves; none for XWayland windows (they
    // report desktop positions) and when it cannot be told.
    std::optional<QPoint> windowOrigin(qint64 processId);
    // Whether the application in front can be told at all on this desktop.
    bool knowsFrontApplication() const;

private:
    RunningApp appFor(const QString &appId, std::optional<DesktopEntry> *entry);

    SwayIpc *m_sway;
    ForeignToplevels *m_toplevels;
    XdgApplications m_apps;
};
