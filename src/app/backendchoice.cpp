#include "app/backendchoice.h"

#include "platform/wayland/waylandprobe.h"
#include "platform/x11/x11displayprobe.h"

#include <QCoreApplication>

namespace BackendChoice {
namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("BackendChoice", text);
}

QString x11Problem(const Environment &e)
{
    if (e.display.isEmpty())
        return tr("Ringle needs an X11 display, but DISPLAY is not set: start it from an X11 session.");
    if (!e.x11Reachable())
        return tr("Ringle needs an X11 display, but it cannot connect to \"%1\".").arg(QString::fromLocal8Bit(e.display));
    return {};
}

// Empty when Wayland can be used; else why not.
QString waylandProblem(const Environment &e)
{
    if (e.waylandDisplay.isEmpty())
        return tr("Ringle was asked to use Wayland, but WAYLAND_DISPLAY is not set.");
    const std::optional<QStringList> missing = e.waylandMissing();
    if (!missing)
        return tr("Ringle cannot connect to the Wayland compositor at \"%1\".").arg(QString::fromLocal8Bit(e.waylandDisplay));
    if (!missing->isEmpty())
        return tr("This Wayland compositor lacks what Ringle needs (%1): turn on XWayland and start Ringle with "
                  "--backend=x11.")
            .arg(missing->join(u", "_qs));
    return {};
}
} // namespace

Choice choose(const Environment &e)
{
    if (e.forced == u"x11") {
        const QString problem = x11Problem(e);
        return problem.isEmpty() ? Choice{DesktopBackend::Kind::x11, {}, {}} : Choice{std::nullopt, problem, {}};
    }
    if (e.forced == u"wayland") {
        const QString problem = waylandProblem(e);
        return problem.isEmpty() ? Choice{DesktopBackend::Kind::wayland, {}, {}} : Choice{std::nullopt, problem, {}};
    }
    if (!e.forced.isEmpty())
        return {std::nullopt, tr("The backend must be x11 or wayland, not \"%1\".").arg(e.forced), {}};
    if (e.waylandDisplay.isEmpty()) {
        const QString problem = x11Problem(e);
        return problem.isEmpty() ? Choice{DesktopBackend::Kind::x11, {}, {}} : Choice{std::nullopt, problem, {}};
    }
    const QString notWayland = waylandProblem(e);
    if (notWayland.isEmpty())
        return {DesktopBackend::Kind::wayland, {}, {}};
    if (!e.display.isEmpty() && e.x11Reachable())
        return {DesktopBackend::Kind::x11, {}, notWayland};
    return {std::nullopt, notWayland, {}};
}

Environment current(const QString &forcedByOption)
{
    Environment e;
    e.forced = !forcedByOption.isEmpty() ? forcedByOption : qEnvironmentVariable("RINGLE_BACKEND");
    e.display = qgetenv("DISPLAY");
    e.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    const QByteArray display = e.display;
    e.x11Reachable = [display] { return X11DisplayProbe::reachable(display); };
    e.waylandMissing = []() -> std::optional<QStringList> {
        const WaylandProbe::Result result = WaylandProbe::probe();
        if (!result.reachable)
            return std::nullopt;
        return WaylandProbe::missingEssentials(result);
    };
    return e;
}

void applyQtPlatform(DesktopBackend::Kind kind)
{
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (chosen == "offscreen" || chosen == "minimal")
        return;
    // Without Qt's Wayland plugin its windows go to XWayland; Ringle's own surfaces do not need it.
    qputenv("QT_QPA_PLATFORM", kind == DesktopBackend::Kind::wayland ? "wayland;xcb" : "xcb");
}
} // namespace BackendChoice
