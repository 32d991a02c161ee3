#pragma once

#include "platform/linux/desktopentryindex.h"
#include "platform/workspace.h"

#include <QCoroTask>

// A workspace on a freedesktop desktop. Its installed applications are the XDG desktop entries (the
// desktop-file id is the app id), looked up, started and asked to open addresses the same way on
// every backend; each backend tells its windows.
class XdgWorkspace : public Workspace {
public:
    // How long the desktop's MIME database may take to name a handler.
    static constexpr int handlerQueryTimeoutMs = 3000;

    explicit XdgWorkspace(DesktopEntryIndex index = DesktopEntryIndex());

    std::optional<ApplicationInfo> application(const QString &appId) final;
    QList<ApplicationInfo> installedApplications() final;
    bool openApplication(const QString &appId) final;
    bool openUrl(const QUrl &url) final;
    QCoro::Task<std::optional<ApplicationInfo>> applicationForUrl(const QUrl &url) final;

protected:
    // The app a window belongs to: its entry when one matches the window's names, else the window
    // class (or instance) as the id.
    RunningApp appFor(const QString &applicationId, const QString &instance, const QString &windowClass,
                      std::optional<DesktopEntry> *entry);

private:
    DesktopEntryIndex m_index;
};
