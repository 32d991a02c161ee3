#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QCoroTask>
#include <optional>

// A running application as the workspace knows it. On Linux the application id is the
// desktop-entry id without ".desktop" (or the window class when no entry matches).
struct RunningApp {
    qint64 pid = 0;
    QString appId;
    QString name;
    // Tells apart applications that give no process id (0: unknown). On X11 the client that made
    // the application's windows.
    quint64 instance = 0;

    friend bool operator==(const RunningApp &, const RunningApp &) = default;
};

// Two applications are the same when both are absent, or both present with the same process id.
// Without process ids they must agree on the application id and the instance; knowing neither,
// they count as different, since pasting into the wrong window is the worse mistake.
inline bool isSameApp(const std::optional<RunningApp> &a, const std::optional<RunningApp> &b)
{
    if (!a || !b)
        return !a && !b;
    if (a->pid != 0 || b->pid != 0)
        return a->pid == b->pid;
    return a->instance != 0 && a->instance == b->instance && a->appId == b->appId;
}

// An installed application.
struct ApplicationInfo {
    QString appId;
    QString name;
    QString icon;     // an icon-theme name or an absolute file path; may be empty
    QString location; // where it is installed (the desktop entry's path)

    friend bool operator==(const ApplicationInfo &, const ApplicationInfo &) = default;
};

// The running applications, the one in front, and opening applications and addresses.
class Workspace {
public:
    virtual ~Workspace() = default;

    virtual std::optional<RunningApp> frontApplication() = 0;
    // Regular applications (those a user switches between), each once.
    virtual QList<RunningApp> runningApplications() = 0;

    virtual std::optional<ApplicationInfo> application(const QString &appId) = 0;
    // The applications a user can start from a menu, in no particular order.
    virtual QList<ApplicationInfo> installedApplications() = 0;
    // Starts the application; false when it cannot be started.
    virtual bool openApplication(const QString &appId) = 0;
    // Opens the address with the desktop's handler for it; false when none takes it.
    virtual bool openUrl(const QUrl &url) = 0;
    // The application that opens this address, if the desktop names one.
    virtual QCoro::Task<std::optional<ApplicationInfo>> applicationForUrl(const QUrl &url) = 0;
};
