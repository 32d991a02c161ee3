#include "platform/x11/x11workspace.h"

#include "platform/x11/x11connection.h"
#include "platform/x11/x11windowprops.h"

X11Workspace::X11Workspace(X11Connection &connection, DesktopEntryIndex index)
    : XdgWorkspace(std::move(index))
    , m_connection(connection)
{
}

RunningApp X11Workspace::appForWindow(quint32 window, std::optional<DesktopEntry> *entry)
{
    const auto [instance, cls] = X11WindowProps::wmClass(m_connection, window);
    RunningApp app = appFor(X11WindowProps::gtkApplicationId(m_connection, window), instance, cls, entry);
    app.pid = X11WindowProps::pid(m_connection, window);
    if (app.pid == 0)
        app.instance = X11WindowProps::owningClient(m_connection, window);
    return app;
}

std::optional<RunningApp> X11Workspace::frontApplication()
{
    const quint32 window = X11WindowProps::activeWindow(m_connection);
    if (!window)
        return std::nullopt;
    std::optional<DesktopEntry> entry;
    RunningApp app = appForWindow(window, &entry);
    if (app.appId.isEmpty() && app.pid == 0)
        return std::nullopt;
    return app;
}

QList<RunningApp> X11Workspace::runningApplications()
{
    QList<RunningApp> apps;
    for (quint32 window : X11WindowProps::clientList(m_connection)) {
        if (!X11WindowProps::isRegularWindow(m_connection, window))
            continue;
        std::optional<DesktopEntry> entry;
        const RunningApp app = appForWindow(window, &entry);
        if (!entry || entry->noDisplay)
            continue;
        const bool known = std::any_of(apps.cbegin(), apps.cend(), [&](const RunningApp &a) {
            return a.appId == app.appId && a.pid == app.pid && a.instance == app.instance;
        });
        if (!known)
            apps.append(app);
    }
    return apps;
}
