#include "actions/appchoices.h"

#include <QCollator>
#include <QSet>
#include <algorithm>

AppChoices::AppChoices(Workspace &workspace, QString ownAppId)
    : m_workspace(workspace)
    , m_ownAppId(std::move(ownAppId))
{
}

void AppChoices::sortByName(QList<ApplicationInfo> &apps)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(apps.begin(), apps.end(), [&](const ApplicationInfo &a, const ApplicationInfo &b) {
        return collator.compare(a.name, b.name) < 0;
    });
}

ApplicationInfo AppChoices::info(const QString &appId) const
{
    std::optional<ApplicationInfo> known = m_workspace.application(appId);
    if (!known)
        return ApplicationInfo{appId, appId, {}, {}};
    if (known->name.trimmed().isEmpty())
        known->name = appId;
    return *known;
}

QList<ApplicationInfo> AppChoices::running(const QStringList &excluded) const
{
    QList<ApplicationInfo> apps;
    QSet<QString> seen;
    for (const RunningApp &app : m_workspace.runningApplications()) {
        if (app.appId.isEmpty() || app.appId == m_ownAppId || excluded.contains(app.appId) || seen.contains(app.appId))
            continue;
        seen.insert(app.appId);
        ApplicationInfo found = info(app.appId);
        if (found.name == app.appId && !app.name.isEmpty())
            found.name = app.name;
        apps.append(found);
    }
    sortByName(apps);
    return apps;
}

QList<ApplicationInfo> AppChoices::installed() const
{
    QList<ApplicationInfo> apps;
    QSet<QString> seen;
    for (const ApplicationInfo &app : m_workspace.installedApplications()) {
        if (app.appId.isEmpty() || app.appId == m_ownAppId || seen.contains(app.appId))
            continue;
        seen.insert(app.appId);
        apps.append(app);
    }
    sortByName(apps);
    return apps;
}
