#include "app/appsession.h"

#include "actions/appchoices.h"
#include "actions/appcontroller.h"
#include "actions/appnotifications.h"
#include "app/appidentity.h"
#include "app/autostartentry.h"
#include "app/desktopbackend.h"
#include "app/desktopparts.h"
#include "app/trayicon.h"
#include "globalshortcuts/name.h"
#include "platform/accessibilitytree.h"
#include "platform/jsonfiledefaults.h"
#include "platform/overlaysurfaces.h"
#include "ui/askwindow.h"
#include "ui/settingscontext.h"
#include "ui/surfacehost.h"
#include "ui/wheelsettingsview.h"

// What the app adds to the desktop's parts: the Ask window, the controller and what the settings
// and the tray work with. Members are declared in the order they depend on each other.
struct AppSession::Parts : DesktopParts {
    Parts(UserDefaults &defaults, ControllerStatus &status, AppNotifications &notifications,
          std::unique_ptr<DesktopBackend> desktop)
        : DesktopParts(defaults, status, std::move(desktop))
        , appChoices(core.platform.workspace, AppIdentity::desktopId())
        , ask(AskWindow::Parts{{core.localModels, core.platform.onDeviceModel, core.defaults},
                               core.platform.screens,
                               core.platform.windows,
                               [&notifications] { Q_EMIT notifications.openRingleSettings(); },
                               askPresenter(backend->overlaySurfaces(), core.platform.clipboard)})
        , controller(core)
    {
        core.ask = &ask;
    }

    // On a desktop of overlay surfaces, each Ask panel goes on one that takes the keyboard; the
    // host belongs to the panel and goes with it.
    static std::function<void(QWidget &)> askPresenter(OverlaySurfaces *surfaces, Clipboard &clipboard)
    {
        if (!surfaces)
            return {};
        return [surfaces, &clipboard](QWidget &panel) {
            auto *host = new SurfaceHost(panel, surfaces->create(OverlaySurfaces::Kind::keyboardWindow, u"ringle-ask"_qs),
                                         &panel);
            host->setClipboard(&clipboard);
        };
    }

    AppChoices appChoices;
    AskWindow ask;
    AppController controller;
    std::unique_ptr<SettingsContext> settings;
};

std::unique_ptr<AppSession> AppSession::create(std::unique_ptr<DesktopBackend> desktop, UserDefaults &defaults,
                                               ControllerStatus &status, AppNotifications &notifications)
{
    std::unique_ptr<AppSession> session(
        new AppSession(std::make_unique<Parts>(defaults, status, notifications, std::move(desktop))));
    Parts &p = *session->m_parts;
    // A change made in the desktop's own shortcut settings is stored as if recorded in Ringle's.
    p.backend->setShortcutChangeHandler([&shortcuts = p.core.shortcuts](std::optional<Key> key, KeyModifiers modifiers) {
        shortcuts.setShortcut(key ? std::optional<GlobalShortcuts::Shortcut>({*key, modifiers}) : std::nullopt,
                              GlobalShortcuts::Name::actionWheel());
    });
    p.backend->askForAccess();
    session->controller().start();
    return session;
}

AppSession::AppSession(std::unique_ptr<Parts> parts)
    : m_parts(std::move(parts))
{
}

AppSession::~AppSession() = default;

AppController &AppSession::controller()
{
    return m_parts->controller;
}

AccessibilityStatus AppSession::accessibility() const
{
    return m_parts->core.platform.accessibility.status();
}

SettingsContext &AppSession::settingsContext(QMenu *trayMenu)
{
    Parts &p = *m_parts;
    SessionParts &c = p.core;
    if (!p.settings) {
        p.settings = std::make_unique<SettingsContext>(SettingsContext{
            c.defaults, c.shortcuts, c.platform.keyboardLayout, c.engine, c.localModels,
            c.platform.accessibilitySwitch, c.status, trayMenu,
            &AutostartEntry::isEnabled,
            [](bool on) {
                QString error;
                AutostartEntry::setEnabled(on, &error);
                return error;
            },
            [&p] { return p.backend->capabilities(); }});
    }
    return *p.settings;
}

QWidget *AppSession::makeWheelSettings()
{
    Parts &p = *m_parts;
    SessionParts &c = p.core;
    return new WheelSettingsView(WheelSettingsParts{
        c.store, c.combos, c.prompts, c.display, p.appChoices, p.appIcons,
        [&p](const WheelItem &item) { return p.labels.label(item); },
        [&c] { return c.shortcutsCLI.folders(); }, c.platform.keyboardLayout, &c.shortcuts, JsonFileDefaults::filePathOf(c.defaults)});
}

void AppSession::prepareWheel()
{
    m_parts->core.wheel.prepare();
}

void AppSession::watchTrayHosts(TrayIcon &icon)
{
    m_parts->backend->watchTrayHosts(icon);
}

QCoro::Task<void> AppSession::prepareToQuit()
{
    SessionParts &core = m_parts->core;
    core.replacer.stop();
    core.mouseTrigger.stop();
    core.shortcuts.disable(GlobalShortcuts::Name::actionWheel());
    co_await m_parts->backend->handOverClipboard();
}
