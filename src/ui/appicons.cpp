#include "ui/appicons.h"

#include "actions/applookup.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

AppIcons::AppIcons(const AppLookup &lookup)
    : m_lookup(lookup)
{
}

QIcon AppIcons::icon(const QString &appId)
{
    const auto cached = m_cache.constFind(appId);
    if (cached != m_cache.cend())
        return *cached;
    const std::optional<QString> name = m_lookup.iconName(appId);
    if (!name)
        return {};
    const QIcon icon = resolve(*name);
    if (!icon.isNull())
        m_cache.insert(appId, icon);
    return icon;
}

QIcon AppIcons::resolve(const QString &iconName)
{
    if (iconName.isEmpty())
        return {};
    if (QDir::isAbsolutePath(iconName))
        return QFileInfo(iconName).isFile() ? QIcon(iconName) : QIcon();
    if (iconName.contains(u'/'))
        return {};
    QIcon themed = QIcon::fromTheme(iconName);
    if (!themed.isNull())
        return themed;
    for (const QString &dataDir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        for (const char *ext : {".png", ".svg", ".xpm"}) {
            const QString path = dataDir + u"/pixmaps/"_qs + iconName + QLatin1String(ext);
            if (QFileInfo(path).isFile())
                return QIcon(path);
        }
    }
    return {};
}
