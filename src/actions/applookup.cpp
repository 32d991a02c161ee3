#include "actions/applookup.h"

#include "platform/workspace.h"

AppLookup::AppLookup(Workspace &workspace)
    : m_workspace(workspace)
{
}

QString AppLookup::name(const QString &appId) const
{
    const std::optional<ApplicationInfo> info = m_workspace.application(appId);
    if (!info || info->name.trimmed().isEmpty())
        return appId;
    return info->name;
}

std::optional<QString> AppLookup::iconName(const QString &appId) const
{
    const std::optional<ApplicationInfo> info = m_workspace.application(appId);
    if (!info || info->icon.isEmpty())
        return std::nullopt;
    return info->icon;
}
