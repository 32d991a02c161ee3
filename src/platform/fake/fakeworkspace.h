#pragma once

#include "platform/workspace.h"

#include <QHash>

// Scriptable workspace: the test sets the front application and the installed ones, and reads
// back what was opened.
class FakeWorkspace final : public Workspace {
public:
    std::optional<RunningApp> frontApplication() override { return m_front; }
    QList<RunningApp> runningApplications() override { return m_running; }
    std::optional<ApplicationInfo> application(const QString &appId) override
    {
        const auto it = m_installed.constFind(appId);
        return it == m_installed.cend() ? std::nullopt : std::optional<ApplicationInfo>(*it);
    }
    QList<ApplicationInfo> installedApplications() override { return m_installed.values(); }
    bool openApplication(const QString &appId) override
    {
        m_openedApps.append(appId);
        return m_installed.contains(appId) && m_opensSucceed;
    }
    bool openUrl(const QUrl &url) override
    {
        m_openedUrls.append(url);
        return m_opensSucceed;
    }
    QCoro::Task<std::optional<ApplicationInfo>> applicationForUrl(const QUrl &url) override
    {
        ++m_handlerQueries;
        const QString appId = m_schemeHandlers.value(url.scheme());
        co_return appId.isEmpty() ? std::nullopt : application(appId);
    }

    void setFrontApplication(std::optional<RunningApp> app) { m_front = std::move(app); }
    void setRunningApplications(QList<RunningApp> apps) { m_running = std::move(apps); }
    void install(const ApplicationInfo &info) { m_installed.insert(info.appId, info); }
    void setSchemeHandler(const QString &scheme, const QString &appId) { m_schemeHandlers.insert(scheme, appId); }
    void setOpensSucceed(bool succeed) { m_opensSucceed = succeed; }
    const QStringList &openedApps() const { return m_openedApps; }
    const QList<QUrl> &openedUrls() const { return m_openedUrls; }
    int handlerQueries() const { return m_handlerQueries; }

private:
    std::optional<RunningApp> m_front;
    QList<RunningApp> m_running;
    QHash<QString, ApplicationInfo> m_installed;
    QHash<QString, QString> m_schemeHandlers;
    QStringList m_openedApps;
    QList<QUrl> m_openedUrls;
    bool m_opensSucceed = true;
    int m_handlerQueries = 0;
};
