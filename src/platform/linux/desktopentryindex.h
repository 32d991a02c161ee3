#pragma once

#include "platform/linux/desktopentry.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QStringList>

// The desktop entries of the installed applications, found under
// $XDG_DATA_HOME/applications and each $XDG_DATA_DIRS/applications (earlier directories win).
// Read on first use and again whenever one of those directories changed.
class DesktopEntryIndex final {
public:
    // The directories searched, best first; the environment's when empty.
    explicit DesktopEntryIndex(QStringList applicationDirs = {});

    static QStringList defaultApplicationDirs();

    std::optional<DesktopEntry> find(const QString &appId);
    // The entry of an application window, from the toolkit's application id or its window class.
    std::optional<DesktopEntry> matchWindow(const QString &gtkApplicationId, const QString &wmInstance, const QString &wmClass);
    QList<DesktopEntry> applications();

    // The matching rule on its own: an id equal to the application id, then an entry naming the
    // window class as its StartupWMClass, then an id equal to the class or instance (ignoring
    // case), then an id whose last dotted part is the class or instance.
    static std::optional<DesktopEntry> match(const QList<DesktopEntry> &entries, const QString &gtkApplicationId,
                                             const QString &wmInstance, const QString &wmClass);

private:
    void refreshIfChanged();

    QStringList m_dirs;
    QList<QDateTime> m_stamps;
    QList<DesktopEntry> m_entries;
    QHash<QString, qsizetype> m_byId;
    bool m_loaded = false;
};
