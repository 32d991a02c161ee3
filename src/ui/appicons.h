#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

class AppLookup;

// Application icons by application id, from the icon theme or the file the desktop entry names.
// Found icons are kept for the life of the process; a miss is asked again next time.
class AppIcons final {
public:
    explicit AppIcons(const AppLookup &lookup);

    // The application's icon, or a null icon when it has none.
    QIcon icon(const QString &appId);

    // An icon reference as desktop entries give it: an absolute path, or a theme name looked up
    // in the theme and then among the legacy pixmaps.
    static QIcon resolve(const QString &iconName);

private:
    const AppLookup &m_lookup;
    QHash<QString, QIcon> m_cache;
};
