#pragma once

#include "platform/linux/desktopentryindex.h"
#include "platform/workspace.h"

#include <QCoroTask>

// The installed applications of a freedesktop desktop (XDG desktop entries; the desktop-file id is
// the app id): looking them up, starting them, and opening addresses with the desktop's handlers.
// Every backend's workspace answers these the same way.
class XdgApplications final {
public:
    // How long the desktop's MIME database may take to name a handler.
    static constexpr int handlerQueryTimeoutMs = 3000;

    explicit XdgApplications(DesktopEntryIndex index = DesktopEntryIndex());

    DesktopEntryIndex &index() { return m_index; }
    // The app a window belongs to: its entry when one matches the window's names, else the window
    // class (or instance) as the id.
    RunningApp appFor(const QString &applicationId, const QString &instance, const QString &windowClass,
                      std::optional<DesktopEntry> *entry);

    std::optional<ApplicationInfo> application(const QString &appId);
    QList<ApplicationInfo> installedApplications();
    bool openApplication(const QString &appId);
    bool openUrl(const QUrl &url);
    QCoro::Task<std::optional<ApplicationInfo>> applicationForUrl(const QUrl &url);

private:
    DesktopEntryIndex m_index;
};
