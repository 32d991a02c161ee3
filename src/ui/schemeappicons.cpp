#include "ui/schemeappicons.h"

#include "platform/workspace.h"
#include "ui/appicons.h"

#include <QUrl>

namespace {
QString schemeOf(const QString &address)
{
    const QUrl url(address);
    return url.isValid() ? url.scheme().toLower() : QString();
}
} // namespace

SchemeAppIcons::SchemeAppIcons(Workspace &workspace)
    : m_workspace(workspace)
{
}

QIcon SchemeAppIcons::icon(const QString &address) const
{
    return m_icons.value(schemeOf(address));
}

QCoro::Task<void> SchemeAppIcons::lookUp(QString address)
{
    const QString scheme = schemeOf(address);
    if (scheme.isEmpty() || m_asked.contains(scheme))
        co_return;
    m_asked.insert(scheme);
    const std::optional<ApplicationInfo> app = co_await m_workspace.applicationForUrl(QUrl(address));
    if (!app)
        co_return;
    const QIcon icon = AppIcons::resolve(app->icon);
    if (!icon.isNull())
        m_icons.insert(scheme, icon);
}
