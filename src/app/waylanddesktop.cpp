#include "app/waylanddesktop.h"

#include "app/backendchoice.h"
#include "app/trayicon.h"
#include "platform/linux/statusnotifierwatch.h"
#include "platform/wayland/datacontrolclipboard.h"
#include "platform/wayland/foreigntoplevels.h"
#include "platform/wayland/kglobalaccelbinder.h"
#include "platform/wayland/kwinwindows.h"
#include "platform/wayland/mutterclipboard.h"
#include "platform/wayland/gnomekeyboard.h"
#include "platform/wayland/mutterkeyboard.h"
#include "platform/wayland/portalremotekeyboard.h"
#include "platform/wayland/shellextension.h"
#include "platform/wayland/waylandconnection.h"
#include "platform/wayland/waylandplatform.h"

#include <QCoreApplication>

WaylandDesktop::WaylandDesktop(std::unique_ptr<WaylandPlatform> wayland)
    : m_wayland(std::move(wayland))
{
}

WaylandDesktop::~WaylandDesktop() = default;

Platform WaylandDesktop::platform()
{
    return m_wayland->platform();
}

OverlaySurfaces *WaylandDesktop::overlaySurfaces()
{
    return &m_wayland->overlaySurfaces();
}

void WaylandDesktop::watchTrayHosts(TrayIcon &icon)
{
    // Wayland has only the StatusNotifierItem tray.
    m_trayHosts = std::make_unique<StatusNotifierWatch>();
    QObject::connect(m_trayHosts.get(), &StatusNotifierWatch::changed, &icon, [&icon] { icon.show(); });
    icon.setTrayHostsWatched(m_trayHosts->isActive());
}

QCoro::Task<void> WaylandDesktop::handOverClipboard()
{
    if (DataControlClipboard *clipboard = m_wayland->dataControl())
        co_await clipboard->handOverAtQuit();
}

void WaylandDesktop::setLostHandler(std::function<void(const QString &)> handler)
{
    QObject::connect(m_wayland.get(), &WaylandPlatform::lost, m_wayland.get(), std::move(handler));
}

void WaylandDesktop::setShortcutChangeHandler(std::function<void(std::optional<Key>, KeyModifiers)> handler)
{
    QObject::connect(m_wayland.get(), &WaylandPlatform::shortcutChangedByDesktop, m_wayland.get(), std::move(handler));
}

QString WaylandDesktop::name() const
{
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").section(u':', 0, 0);
    if (m_wayland->sway())
        return QStringLiteral("sway (Wayland)");
    if (m_wayland->kwin() || m_wayland->kglobalaccel())
        return QStringLiteral("KDE Plasma (Wayland)");
    if (const ShellExtension *shell = m_wayland->shell(); shell && shell->shellMajor() > 0)
        return QStringLiteral("GNOME %1 (Wayland)").arg(shell->shellMajor());
    return desktop.isEmpty() ? QStringLiteral("Wayland") : desktop + QStringLiteral(" (Wayland)");
}

DesktopCapability WaylandDesktop::keystrokeLine() const
{
    using Kind = DesktopCapability::Kind;
    using State = PortalRemoteKeyboard::State;
    const auto tr = [](const char *text) { return QCoreApplication::translate("WaylandDesktop", text); };
    const bool kwin = m_wayland->kglobalaccel() || m_wayland->kwin();
    const QString grantFakeInput = tr("KWin grants its fake input to programs whose desktop entry asks for it: install "
                                      "Ringle's package (or, for a build of your own, run scripts/run once), then "
                                      "start Ringle again.");
    switch (m_wayland->keyRoad()) {
    case WaylandPlatform::KeyRoad::virtualKeyboard:
        return {Kind::keystrokes, true, tr("a virtual keyboard with your keymap"), {}};
    case WaylandPlatform::KeyRoad::fakeInput:
        return {Kind::keystrokes, true, tr("KWin's fake input, with your keymap"), {}};
    case WaylandPlatform::KeyRoad::gnomeShell:
        if (const MutterKeyboard *fallback = m_wayland->gnomeKeyboard()->fallback())
            return mutterLine(Kind::keystrokes, fallback->session());
        return m_wayland->shell()->isConnected()
                   ? DesktopCapability{Kind::keystrokes, true, tr("through Ringle's GNOME Shell extension, with your keymap"), {}}
                   : DesktopCapability{Kind::keystrokes, false, tr("Ringle's GNOME Shell extension is off"),
                                       BackendChoice::gnomeExtensionAdvice()};
    case WaylandPlatform::KeyRoad::remoteDesktop:
        break;
    case WaylandPlatform::KeyRoad::none:
        return kwin ? DesktopCapability{Kind::keystrokes, false, tr("KWin has not granted Ringle its fake input"), grantFakeInput}
                    : DesktopCapability{Kind::keystrokes, false, tr("the compositor offers no virtual keyboard"),
                                        tr("Use a compositor that offers zwp_virtual_keyboard_v1, or start Ringle with "
                                           "--backend=x11 to work in XWayland apps.")};
    }
    const PortalRemoteKeyboard &remote = *m_wayland->remoteDesktop();
    const QString askAgain = kwin ? grantFakeInput + u' ' + tr("Or start Ringle again and allow the keyboard when the desktop asks.")
                                  : tr("Start Ringle again and allow the keyboard when the desktop asks.");
    switch (remote.state()) {
    case State::idle:
        return {Kind::keystrokes, true,
                remote.wasGrantedBefore()
                    ? tr("the RemoteDesktop portal, which you allowed before")
                    : tr("the RemoteDesktop portal (the desktop may ask you to allow it when Ringle starts)"),
                {}};
    case State::opening:
    case State::asking:
        return {Kind::keystrokes, false, tr("waiting for you to allow Ringle to control the keyboard"),
                tr("Answer the desktop's question about remote control: allow the keyboard.")};
    case State::granted:
        return {Kind::keystrokes, true, tr("the RemoteDesktop portal, with your keymap"), {}};
    case State::refused:
        return {Kind::keystrokes, false, tr("Ringle was not allowed to control the keyboard"), askAgain};
    case State::ended:
        break;
    }
    return {Kind::keystrokes, false, tr("the RemoteDesktop portal ended Ringle's session"), askAgain};
}

void WaylandDesktop::askForAccess()
{
    if (PortalRemoteKeyboard *remote = m_wayland->remoteDesktop())
        remote->begin();
}

QList<DesktopCapability> WaylandDesktop::gnomeCapabilities(const ShellExtension &shell)
{
    using Kind = DesktopCapability::Kind;
    const auto tr = [](const char *text) { return QCoreApplication::translate("WaylandDesktop", text); };
    const bool on = shell.isConnected();
    const DesktopCapability off{Kind::shortcut, false, tr("Ringle's GNOME Shell extension is off"), BackendChoice::gnomeExtensionAdvice()};
    const auto ifOn = [&](Kind kind, const QString &how) {
        DesktopCapability line = off;
        line.kind = kind;
        return on ? DesktopCapability{kind, true, how, {}} : line;
    };
    const bool tray = StatusNotifierWatch::hasWatcher();
    return {
        ifOn(Kind::shortcut, tr("bound in GNOME Shell by Ringle's extension")),
        {Kind::mouseTrigger, false, tr("GNOME Shell gives clicks in a window to that window alone"),
         tr("Open the wheel with the keyboard shortcut.")},
        ifOn(Kind::overlay, tr("shown by Ringle's GNOME Shell extension")),
        clipboardLine(),
        keystrokeLine(),
        ifOn(Kind::frontApplication, tr("from Ringle's GNOME Shell extension")),
        tray ? DesktopCapability{Kind::tray, true, tr("a StatusNotifierItem tray runs"), {}}
             : DesktopCapability{Kind::tray, false, tr("GNOME shows no tray icons of its own"),
                                 tr("Install and turn on a GNOME Shell extension for tray icons (\"AppIndicator and "
                                    "KStatusNotifierItem Support\"); meanwhile \"ringle --settings\" opens the settings.")},
    };
}

DesktopCapability WaylandDesktop::mutterLine(DesktopCapability::Kind kind, const MutterRemoteDesktop &session)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("WaylandDesktop", text); };
    if (session.state() == MutterRemoteDesktop::State::failed || session.state() == MutterRemoteDesktop::State::ended)
        return {kind, false, tr("Mutter's remote desktop session: %1").arg(session.whyNotReady()),
                tr("Start Ringle again; if this stays, GNOME Shell may need to be restarted (log out and in).")};
    return {kind, true,
            kind == DesktopCapability::Kind::clipboard ? tr("through Mutter's remote desktop session, every type")
                                                       : tr("through Mutter's remote desktop session, with your keymap"),
            {}};
}

DesktopCapability WaylandDesktop::clipboardLine() const
{
    using Kind = DesktopCapability::Kind;
    const auto tr = [](const char *text) { return QCoreApplication::translate("WaylandDesktop", text); };
    if (const MutterClipboard *mutter = m_wayland->mutterClipboard())
        return mutterLine(Kind::clipboard, mutter->session());
    if (m_wayland->dataControl()) {
        const bool ext = m_wayland->connection().offers("ext_data_control_manager_v1");
        return {Kind::clipboard, true, ext ? tr("over ext-data-control") : tr("over wlr-data-control"), {}};
    }
    return {Kind::clipboard, false, tr("the compositor offers no data-control protocol"),
            tr("Use a compositor that offers ext-data-control-v1 or wlr-data-control, or start Ringle with "
               "--backend=x11 to work in XWayland apps.")};
}

QList<DesktopCapability> WaylandDesktop::capabilities()
{
    if (const ShellExtension *shell = m_wayland->shell())
        return gnomeCapabilities(*shell);
    using Kind = DesktopCapability::Kind;
    const auto tr = [](const char *text) { return QCoreApplication::translate("WaylandDesktop", text); };
    const WaylandConnection &c = m_wayland->connection();
    const bool sway = m_wayland->sway() != nullptr;
    const bool portal = m_wayland->portal() != nullptr;
    const bool kglobalaccel = m_wayland->kglobalaccel() != nullptr;
    const bool kwin = kglobalaccel || m_wayland->kwin() != nullptr;
    const bool tray = StatusNotifierWatch::hasWatcher();
    const ForeignToplevels *toplevels = m_wayland->toplevels();
    const bool front = sway || m_wayland->kwin() || (toplevels && toplevels->knowsActivated());
    return {
        sway           ? DesktopCapability{Kind::shortcut, true, tr("bound in sway over its IPC"), {}}
        : kglobalaccel ? DesktopCapability{Kind::shortcut, true,
                                           tr("bound in KWin's global shortcuts (Plasma's shortcut settings list it)"), {}}
        : portal ? DesktopCapability{Kind::shortcut, true, tr("bound through the desktop's GlobalShortcuts portal"), {}}
                 : DesktopCapability{Kind::shortcut, false, tr("this compositor lets no program bind keys"),
                                     tr("Bind \"ringle wheel press\" to a key and \"ringle wheel release\" to its "
                                        "release in the compositor's configuration (the README has the lines).")},
        sway ? DesktopCapability{Kind::mouseTrigger, true, tr("bound in sway for the whole window"), {}}
        : kwin
            ? DesktopCapability{Kind::mouseTrigger, false, tr("KWin lets no program bind a mouse button"),
                                tr("Open the wheel with the keyboard shortcut.")}
            : DesktopCapability{Kind::mouseTrigger, false, tr("this compositor lets no program bind a mouse button"),
                                 tr("Open the wheel with the shortcut.")},
        {Kind::overlay, true,
         tr("layer-shell surfaces (version %1)").arg(c.offeredVersion("zwlr_layer_shell_v1")), {}},
        clipboardLine(),
        keystrokeLine(),
        front ? DesktopCapability{Kind::frontApplication, true,
                                  sway            ? tr("from sway's tree")
                                  : m_wayland->kwin() ? tr("from Ringle's KWin script")
                                                    : tr("from the compositor's list of windows"),
                                  {}}
              : DesktopCapability{Kind::frontApplication, false, tr("the compositor does not tell which window is in front"),
                                  tr("Sets bound to apps are not chosen here; the default set opens instead.")},
        tray   ? DesktopCapability{Kind::tray, true, tr("a StatusNotifierItem tray runs"), {}}
        : kwin ? DesktopCapability{Kind::tray, false, tr("no tray runs"),
                                   tr("Add the System Tray widget to a Plasma panel; meanwhile \"ringle --settings\" "
                                      "opens the settings.")}
               : DesktopCapability{Kind::tray, false, tr("no tray runs"),
                                   tr("Start a panel with a tray (waybar's tray module, or swaybar); meanwhile "
                                      "\"ringle --settings\" opens the settings.")},
    };
}
