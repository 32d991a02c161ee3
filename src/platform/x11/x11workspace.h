#pragma once

#include "platform/linux/xdgworkspace.h"

class X11Connection;

// Applications on an X11 desktop: windows from the window manager's hints, applications from
// XDG desktop entries (the desktop-file id is the app id).
class X11Workspace final : public XdgWorkspace {
public:
    explicit X11Workspace(X11Connection &connection, DesktopEntryIndex index = DesktopEntryIndex());

    std::optional<RunningApp> frontApplication() override;
    QList<RunningApp> runningApplications() override;

private:
    RunningApp appForWindow(quint32 window, std::optional<DesktopEntry> *entry);

    X11Connection &m_connection;
};
