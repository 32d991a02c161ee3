#pragma once

#include "platform/workspace.h"
#include "platform/linux/xdgapplications.h"

class X11Connection;

// Applications on an X11 desktop: windows from the window manager's hints, applications from
// XDG desktop entries (the desktop-file id is the app id).
class X11Workspace final : public Workspace {
public:
    explicit X11Workspace(X11Connection &connection, DesktopEntryIndex index = DesktopEntryIndex());

    std::optional<RunningApp> frontApplication() override;
    QList<RunningApp> runningApplications() override;
    std::optional<ApplicationInfo> application(const QString &appId) override;
    QList<ApplicationInfo> installedApplications() override;
    bool openApplication(const QString &appId) override;
    bool openUrl(const QUrl &url) override;
    QCoro::Task<std::optional<ApplicationInfo>> applicationForUrl(const QUrl &url) override;

private:
    RunningApp appForWindow(quint32 window, std::optional<DesktopEntry> *entry);

    X11Connection &m_connection;
    XdgApplications m_apps;
};
