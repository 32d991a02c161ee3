#pragma once

#include "platform/workspace.h"

#include <QList>
#include <QString>
#include <QStringList>

// The applications the wheel editor offers: the running ones for the quick menus and every
// installed one for the chooser. An application is known by its id (the desktop-file id on Linux).
class AppChoices final {
public:
    // `ownAppId` is this application, never offered.
    AppChoices(Workspace &workspace, QString ownAppId);

    // Running regular applications with an id, without this one, those in `excluded` and duplicates,
    // sorted by name as the user's language sorts.
    QList<ApplicationInfo> running(const QStringList &excluded = {}) const;
    // Installed applications a user can start, sorted by name; the same id once.
    QList<ApplicationInfo> installed() const;
    // What the workspace knows of an application; its id as the name and no icon when it is unknown.
    ApplicationInfo info(const QString &appId) const;

    static void sortByName(QList<ApplicationInfo> &apps);

private:
    Workspace &m_workspace;
    QString m_ownAppId;
};
