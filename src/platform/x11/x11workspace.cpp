#include "platform/x11/x11workspace.h"

#include "platform/x11/x11connection.h"
#include "platform/x11/x11windowprops.h"

#include <QDesktopServices>
#include <QDir>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QCoroProcess>

namespace {
Q_LOGGING_CATEGORY(lcWorkspace, "ringle.x11.workspace")

ApplicationInfo infoFor(const DesktopEntry &e)
{
    return {e.id, e.name.isEmpty() ? e.id : e.name, e.icon, e.path};
}
} // namespace

X11Workspace::X11Workspace(X11Connection &connection, DesktopEntryIndex index)
    : m_connection(connection)
    , m_index(std::move(index))
{
}

RunningApp X11Workspace::appForWindow(quint32 window, std::optional<DesktopEntry> *entry)
{
    const auto [instance, cls] = X11WindowProps::wmClass(m_connection, window);
    *entry = m_index.matchWindow(X11WindowProps::gtkApplicationId(m_connection, window), instance, cls);
    RunningApp app;
    app.pid = X11WindowProps::pid(m_connection, window);
    if (app.pid == 0)
        app.instance = X11WindowProps::owningClient(m_connection, window);
    if (*entry) {
        app.appId = (*entry)->id;
        app.name = (*entry)->name.isEmpty() ? (*entry)->id : (*entry)->name;
    } else {
        // Without a desktop entry the window class is the best name the application has.
        app.appId = cls.isEmpty() ? instance : cls;
        app.name = app.appId;
    }
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

std::optional<ApplicationInfo> X11Workspace::application(const QString &appId)
{
    const std::optional<DesktopEntry> entry = m_index.find(appId);
    if (!entry)
        return std::nullopt;
    return infoFor(*entry);
}

QList<ApplicationInfo> X11Workspace::installedApplications()
{
    QList<ApplicationInfo> apps;
    for (const DesktopEntry &entry : m_index.applications()) {
        if (entry.type == u"Application"_qs && !entry.noDisplay && !entry.hidden)
            apps.append(infoFor(entry));
    }
    return apps;
}

bool X11Workspace::openApplication(const QString &appId)
{
    const std::optional<DesktopEntry> entry = m_index.find(appId);
    if (!entry)
        return false;
    std::optional<QStringList> args = DesktopEntryParser::execArguments(*entry);
    if (!args) {
        qCWarning(lcWorkspace) << "the desktop entry of" << appId << "has no usable Exec line";
        return false;
    }
    if (entry->terminal) {
        const QString terminal = QStandardPaths::findExecutable(u"x-terminal-emulator"_qs);
        if (terminal.isEmpty())
            return false;
        args->prepend(u"-e"_qs);
        args->prepend(terminal);
    }
    const QString program = args->takeFirst();
    const QString workingDir = entry->workingDirectory.isEmpty() ? QDir::homePath() : entry->workingDirectory;
    if (!QProcess::startDetached(program, *args, workingDir)) {
        qCWarning(lcWorkspace) << "could not start" << program;
        return false;
    }
    return true;
}

bool X11Workspace::openUrl(const QUrl &url)
{
    return url.isValid() && QDesktopServices::openUrl(url);
}

QCoro::Task<std::optional<ApplicationInfo>> X11Workspace::applicationForUrl(const QUrl &url)
{
    static const QRegularExpression schemeRule(u"^[A-Za-z][A-Za-z0-9+.-]*$"_qs);
    const QString scheme = url.scheme().toLower();
    if (!schemeRule.match(scheme).hasMatch())
        co_return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    auto proc = qCoro(process);
    const QStringList args{u"query"_qs, u"default"_qs, u"x-scheme-handler/"_qs + scheme};
    if (!co_await proc.start(u"xdg-mime"_qs, args))
        co_return std::nullopt;
    if (!co_await proc.waitForFinished(std::chrono::milliseconds(handlerQueryTimeoutMs))) {
        process.kill();
        co_await proc.waitForFinished(std::chrono::milliseconds(1000));
        co_return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        co_return std::nullopt;
    // One desktop-file id; anything else (several lines, paths) is not an answer.
    const QString answer = QString::fromUtf8(process.readAllStandardOutput().left(4096)).trimmed();
    if (answer.isEmpty() || answer.contains(u'\n') || answer.contains(u'/') || !answer.endsWith(u".desktop"))
        co_return std::nullopt;
    co_return application(DesktopEntryParser::idForRelativePath(answer));
}
