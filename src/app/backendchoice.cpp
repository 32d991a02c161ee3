#include "app/backendchoice.h"

#include "platform/wayland/mutterremotedesktop.h"
#include "platform/wayland/portalremotekeyboard.h"
#include "platform/wayland/shellextension.h"
#include "platform/wayland/waylandprobe.h"
#include "platform/x11/x11displayprobe.h"

#include <QCoreApplication>
#include <QDBusConnection>

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

QString cannotConnect(const Environment &e)
{
    return tr("Ringle cannot connect to the Wayland compositor at \"%1\".").arg(QString::fromLocal8Bit(e.waylandDisplay));
}

bool namesGnome(const QString &desktop)
{
    return desktop.split(u':').contains(u"GNOME"_qs, Qt::CaseInsensitive);
}

bool onGnome(const Environment &e)
{
    return namesGnome(e.desktop);
}

QString lacking(const Environment &e, const QStringList &missing)
{
    if (onGnome(e) && missing.contains(WaylandProbe::layerShell))
        return gnomeExtensionAdvice();
    return tr("This Wayland compositor lacks what Ringle needs (%1): turn on XWayland and start Ringle with "
              "--backend=x11.")
        .arg(missing.join(u", "_qs));
}
} // namespace

Choice choose(const Environment &e)
{
    if (!e.forced.isEmpty() && e.forced != u"x11" && e.forced != u"wayland")
        return {std::nullopt, tr("The backend must be x11 or wayland, not \"%1\".").arg(e.forced), {}};
    const auto x11 = [&](const QString &note) {
        const QString problem = x11Problem(e);
        return problem.isEmpty() ? Choice{DesktopBackend::Kind::x11, {}, note} : Choice{std::nullopt, problem, {}};
    };
    if (e.forced == u"x11" || (e.forced.isEmpty() && e.waylandDisplay.isEmpty()))
        return x11({});
    if (e.waylandDisplay.isEmpty())
        return {std::nullopt, tr("Ringle was asked to use Wayland, but WAYLAND_DISPLAY is not set."), {}};
    const std::optional<WaylandGaps> gaps = e.waylandGaps();
    if (!gaps) {
        if (e.forced.isEmpty() && !e.display.isEmpty() && e.x11Reachable())
            return {DesktopBackend::Kind::x11, {}, cannotConnect(e)};
        return {std::nullopt, cannotConnect(e), {}};
    }
    if (e.forced == u"wayland") {
        return gaps->essential.isEmpty() ? Choice{DesktopBackend::Kind::wayland, {}, {}}
                                         : Choice{std::nullopt, lacking(e, gaps->essential), {}};
    }
    const QStringList missing = gaps->essential + gaps->road;
    if (missing.isEmpty())
        return {DesktopBackend::Kind::wayland, {}, {}};
    if (!e.display.isEmpty() && e.x11Reachable()) {
        if (onGnome(e) && gaps->essential.contains(WaylandProbe::layerShell))
            return {DesktopBackend::Kind::x11, {},
                    tr("Ringle works only in the XWayland apps for now.") + u' ' + gnomeExtensionAdvice()};
        return {DesktopBackend::Kind::x11, {},
                tr("This Wayland compositor lacks %1, so Ringle uses XWayland: it works in the XWayland apps. "
                   "\"ringle doctor --backend=wayland\" says what to do.")
                    .arg(missing.join(u", "_qs))};
    }
    // Half the road on Wayland is better than none; `ringle doctor` says what is missing.
    if (gaps->essential.isEmpty()) {
        return {DesktopBackend::Kind::wayland, {},
                tr("This Wayland compositor lacks %1: Ringle shows the wheel but cannot copy or paste the "
                   "selection; \"ringle doctor\" says more.")
                    .arg(gaps->road.join(u", "_qs))};
    }
    return {std::nullopt, lacking(e, gaps->essential), {}};
}

bool onGnome()
{
    return namesGnome(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

QString gnomeExtensionAdvice()
{
    return tr("On GNOME, Ringle needs its GNOME Shell extension: run \"gnome-extensions enable %1\". Just after "
              "installing Ringle, log out and in first: GNOME Shell on Wayland finds new extensions only when it "
              "starts.")
        .arg(ShellExtension::uuid);
}

Environment current(const QString &forcedByOption)
{
    Environment e;
    e.desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    e.forced = !forcedByOption.isEmpty() ? forcedByOption : qEnvironmentVariable("RINGLE_BACKEND");
    e.display = qgetenv("DISPLAY");
    e.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    const QByteArray display = e.display;
    e.x11Reachable = [display] { return X11DisplayProbe::reachable(display); };
    e.waylandGaps = []() -> std::optional<WaylandGaps> {
        const WaylandProbe::Result result = WaylandProbe::probe();
        if (!result.reachable)
            return std::nullopt;
        QStringList road = WaylandProbe::missingForTheRoad(result);
        QStringList essential = WaylandProbe::missingEssentials(result);
        // The choice is made under a short-lived application (see main.cpp); the session bus joined
        // there would hold back its messages for the rest of the run, so the probe asks on a
        // connection of its own.
        const QString probeBus = u"ringle-backend-probe"_qs;
        const QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, probeBus);
        if (essential == QStringList{WaylandProbe::layerShell} && ShellExtension::isOffered(bus)) {
            essential.clear();
            // GNOME: the extension takes the keys, Mutter's remote desktop serves the clipboard.
            road.removeAll(WaylandProbe::virtualKeyboard);
            if (MutterRemoteDesktop::isOffered(bus))
                road.clear();
        }
        // Where the compositor takes no client's keys, the desktop's portal may post them.
        if (road.contains(WaylandProbe::virtualKeyboard) && PortalRemoteKeyboard::isOffered(bus))
            road.removeAll(WaylandProbe::virtualKeyboard);
        QDBusConnection::disconnectFromBus(probeBus);
        return WaylandGaps{essential, road};
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
