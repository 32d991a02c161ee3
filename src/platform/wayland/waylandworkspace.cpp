#include "platform/wayland/waylandworkspace.h"

#include "platform/wayland/foreigntoplevels.h"
#include "platform/wayland/windowreport.h"
#include "platform/wayland/swayipc.h"

WaylandWorkspace::WaylandWorkspace(SwayIpc *sway, const WindowReports *reports, ForeignToplevels *toplevels,
                                   DesktopEntryIndex index)
    : XdgWorkspace(std::move(index))
    , m_sway(sway)
    , m_reports(reports)
    , m_toplevels(toplevels)
{
}

RunningApp WaylandWorkspace::appForId(const QString &appId, std::optional<DesktopEntry> *entry)
{
    // A Wayland app id is the desktop-file id by convention; older toolkits use the binary's name,
    // which the matching rule's class comparisons find.
    return appFor(appId, appId, appId, entry);
}

bool WaylandWorkspace::knowsFrontApplication() const
{
    return (m_sway && m_sway->isOpen()) || m_reports || (m_toplevels && m_toplevels->knowsActivated());
}

std::optional<RunningApp> WaylandWorkspace::frontApplication()
{
    std::optional<DesktopEntry> entry;
    if (m_sway && m_sway->isOpen()) {
        const std::optional<SwayWindow> window = m_sway->focusedWindow(swayTimeout);
        if (!window || (window->appId.isEmpty() && window->pid == 0))
            return std::nullopt;
        RunningApp app = appForId(window->appId, &entry);
        app.pid = window->pid;
        app.instance = quint64(window->id);
        return app;
    }
    if (m_reports) {
        const std::optional<WindowReport::Window> &window = m_reports->latest().active;
        if (!window || window->appId().isEmpty())
            return std::nullopt;
        RunningApp app = appForId(window->appId(), &entry);
        app.pid = window->pid;
        return app;
    }
    if (!m_toplevels)
        return std::nullopt;
    const std::optional<ForeignToplevels::Toplevel> front = m_toplevels->activated();
    if (!front || front->appId.isEmpty())
        return std::nullopt;
    RunningApp app = appForId(front->appId, &entry);
    app.instance = front->serial;
    return app;
}

QList<RunningApp> WaylandWorkspace::runningApplications()
{
    QList<RunningApp> apps;
    const auto addApp = [&](const QString &appId, qint64 pid, quint64 instance) {
        std::optional<DesktopEntry> entry;
        RunningApp app = appForId(appId, &entry);
        if (!entry || entry->noDisplay)
            return;
        app.pid = pid;
        app.instance = pid ? 0 : instance;
        const bool known = std::any_of(apps.cbegin(), apps.cend(), [&](const RunningApp &a) {
            return a.appId == app.appId && a.pid == app.pid && a.instance == app.instance;
        });
        if (!known)
            apps.append(app);
    };
    if (m_sway && m_sway->isOpen()) {
        for (const SwayWindow &w : m_sway->windows(swayTimeout))
            addApp(w.appId, w.pid, quint64(w.id));
    } else if (m_reports) {
        for (const WindowReport::Window &w : m_reports->latest().windows)
            addApp(w.appId(), w.pid, 0);
    } else if (m_toplevels) {
        for (const ForeignToplevels::Toplevel &t : m_toplevels->toplevels())
            addApp(t.appId, 0, t.serial);
    }
    return apps;
}

std::optional<QPoint> WaylandWorkspace::windowOrigin(qint64 processId)
{
    if (m_reports) {
        const WindowReport &report = m_reports->latest();
        if (report.active && report.active->pid == processId)
            return report.active->area.topLeft();
        for (const WindowReport::Window &w : report.windows) {
            if (w.pid == processId)
                return w.area.topLeft();
        }
        return std::nullopt;
    }
    if (!m_sway || !m_sway->isOpen())
        return std::nullopt;
    const std::optional<SwayWindow> focused = m_sway->focusedWindow(swayTimeout);
    std::optional<SwayWindow> window = focused && focused->pid == processId ? focused : std::nullopt;
    if (!window) {
        for (const SwayWindow &w : m_sway->windows(swayTimeout)) {
            if (w.pid == processId) {
                window = w;
                break;
            }
        }
    }
    if (!window || window->xwayland)
        return std::nullopt;
    return window->contentOrigin();
}
