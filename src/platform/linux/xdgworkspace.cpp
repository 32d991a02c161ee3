#include "platform/linux/xdgworkspace.h"

#include <QDesktopServices>
#include <QDir>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QCoroProcess>

namespace {
Q_LOGGING_CATEGORY(lcApplications, "ringle.applications")

ApplicationInfo infoFor(const DesktopEntry &e)
{
    return {e.id, e.name.isEmpty() ? e.id : e.name, e.icon, e.path};
}
} // namespace

XdgWorkspace::XdgWorkspace(DesktopEntryIndex index)
    : m_index(std::move(index))
{
}

RunningApp XdgWorkspace::appFor(const QString &applicationId, const QString &instance, const QString &windowClass,
                                   std::optional<DesktopEntry> *entry)
{
    *entry = m_index.matchWindow(applicationId, instance, windowClass);
    RunningApp app;
    if (*entry) {
        app.appId = (*entry)->id;
        app.name = (*entry)->name.isEmpty() ? (*entry)->id : (*entry)->name;
    } else {
        // Without a desktop entry the window class is the best name the application has.
        app.appId = windowClass.isEmpty() ? instance : windowClass;
        app.name = app.appId;
    }
    return app;
}

std::optional<ApplicationInfo> XdgWorkspace::application(const QString &appId)
{
    const std::optional<DesktopEntry> entry = m_index.find(appId);
    if (!entry)
        return std::nullopt;
    return infoFor(*entry);
}

QList<ApplicationInfo> XdgWorkspace::installedApplications()
{
    QList<ApplicationInfo> apps;
    for (const DesktopEntry &entry : m_index.applications()) {
        if (entry.type == u"Application"_qs && !entry.noDisplay && !entry.hidden)
            apps.append(infoFor(entry));
    }
    return apps;
}

bool XdgWorkspace::openApplication(const QString &appId)
{
    const std::optional<DesktopEntry> entry = m_index.find(appId);
    if (!entry)
        return false;
    std::optional<QStringList> args = DesktopEntryParser::execArguments(*entry);
    if (!args) {
        qCWarning(lcApplications) << "the desktop entry of" << appId << "has no usable Exec line";
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
        qCWarning(lcApplications) << "could not start" << program;
        return false;
    }
    return true;
}

bool XdgWorkspace::openUrl(const QUrl &url)
{
    return url.isValid() && QDesktopServices::openUrl(url);
}

QCoro::Task<std::optional<ApplicationInfo>> XdgWorkspace::applicationForUrl(const QUrl &url)
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
