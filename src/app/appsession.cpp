#include "app/appsession.h"

#include "actions/appchoices.h"
#include "actions/appcontroller.h"
#include "actions/appnotifications.h"
#include "app/appidentity.h"
#include "app/autostartentry.h"
#include "app/desktopparts.h"
#include "app/trayicon.h"
#include "globalshortcuts/name.h"
#include "platform/accessibilitytree.h"
#include "platform/x11/x11clipboard.h"
#include "platform/x11/x11platform.h"
#include "platform/x11/x11trayhostwatch.h"
#include "ui/askwindow.h"
#include "ui/settingscontext.h"
#include "ui/wheelsettingsview.h"

// What the app adds to the desktop's parts: the Ask window, the controller and what the settings
// and the tray work with. Members are declared in the order they depend on each other.
struct AppSession::Parts : DesktopParts {
    Parts(UserDefaults &defaults, ControllerStatus &status, AppNotifications &notifications,
          std::unique_ptr<X11Platform> x11)
        : DesktopParts(defaults, status, std::move(x11))
        , appChoices(core.platform.workspace, AppIdentity::desktopId())
        , ask(AskWindow::Parts{{core.localModels, core.platform.onDeviceModel, core.defaults},
                               core.platform.screens,
                               core.platform.windows,
                               [&notifications] { Q_EMIT notifications.openRingleSettings(); }})
        , controller(core)
    {
        core.ask = &ask;
    }

    AppChoices appChoices;
    AskWindow ask;
    AppController controller;
    std::unique_ptr<X11TrayHostWatch> trayHosts;
    std::unique_ptr<SettingsContext> settings;
};

std::unique_ptr<AppSession> AppSession::create(UserDefaults &defaults, ControllerStatus &status,
                                               AppNotifications &notifications)
{
    std::unique_ptr<X11Platform> x11 = X11Platform::create();
    if (!x11)
        return nullptr;
    std::unique_ptr<AppSession> session(
        new AppSession(std::make_unique<Parts>(defaults, status, notifications, std::move(x11))));
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
            }});
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
        [&c] { return c.shortcutsCLI.folders(); }, c.platform.keyboardLayout, &c.shortcuts});
}

void AppSession::prepareWheel()
{
    m_parts->core.wheel.prepare();
}

void AppSession::watchTrayHosts(TrayIcon &icon)
{
    m_parts->trayHosts = std::make_unique<X11TrayHostWatch>(m_parts->x11->connection());
    X11TrayHostWatch *watch = m_parts->trayHosts.get();
    QObject::connect(watch, &X11TrayHostWatch::trayHostsChanged, &icon, [watch, &icon] {
        icon.setPanelForeground(watch->xembedForeground());
        icon.show();
    });
    icon.setTrayHostsWatched(watch->isActive());
    icon.setPanelForeground(watch->xembedForeground());
}

QCoro::Task<void> AppSession::prepareToQuit()
{
    SessionParts &core = m_parts->core;
    core.replacer.stop();
    core.mouseTrigger.stop();
    core.shortcuts.disable(GlobalShortcuts::Name::actionWheel());
    co_await m_parts->x11->clipboard().handOverToManager();
}
