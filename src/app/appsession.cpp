#include "app/appsession.h"

#include "actions/appchoices.h"
#include "actions/appcontroller.h"
#include "actions/applookup.h"
#include "actions/appnotifications.h"
#include "actions/resultpanel.h"
#include "actions/shortcutscli.h"
#include "actions/textreplacer.h"
#include "app/appidentity.h"
#include "app/autostartentry.h"
#include "app/trayicon.h"
#include "ai/aiengine.h"
#include "ai/localmodelclient.h"
#include "caret/caretlocator.h"
#include "globalshortcuts/name.h"
#include "globalshortcuts/registry.h"
#include "net/httpclient.h"
#include "platform/unavailableondevicemodel.h"
#include "platform/x11/atspiaccessibility.h"
#include "platform/x11/atspistatusswitch.h"
#include "platform/x11/x11clipboard.h"
#include "platform/x11/x11compositing.h"
#include "platform/x11/x11desktops.h"
#include "platform/x11/x11globalinputmonitor.h"
#include "platform/x11/x11hotkeyservice.h"
#include "platform/x11/x11keyboardlayout.h"
#include "platform/x11/x11mousetap.h"
#include "platform/x11/x11platform.h"
#include "platform/x11/x11trayhostwatch.h"
#include "ui/appicons.h"
#include "ui/askwindow.h"
#include "ui/resultpanelwindow.h"
#include "ui/faviconstore.h"
#include "ui/qtmenutracker.h"
#include "ui/schemeappicons.h"
#include "ui/settingscontext.h"
#include "ui/siteicons.h"
#include "ui/slotlabels.h"
#include "ui/wheeloverlay.h"
#include "ui/wheelsettingsview.h"
#include "wheel/actionwheel.h"
#include "wheel/keycombostore.h"
#include "wheel/mousewheeltrigger.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitemdisplay.h"
#include "wheel/wheelstore.h"

namespace {
std::unique_ptr<GlobalInputMonitor> outsideInputMonitor(X11Platform &x11)
{
    if (std::unique_ptr<X11GlobalInputMonitor> monitor = X11GlobalInputMonitor::create(x11.connection()))
        return monitor;
    return std::make_unique<NoGlobalInputMonitor>();
}
} // namespace

// Members are declared in the order they depend on each other, so they are made and destroyed
// in a safe order.
struct AppSession::Parts {
    Parts(UserDefaults &defaults, ControllerStatus &status, AppNotifications &notifications,
          std::unique_ptr<X11Platform> x11In, std::unique_ptr<X11MouseTap> tapIn)
        : defaults(defaults)
        , status(status)
        , x11(std::move(x11In))
        , ports(x11->platform())
        , tap(std::move(tapIn))
        , accessibility(ports.workspace)
        , caret(accessibility, ports.workspace, ports.screens)
        , replacer(ports.clipboard, ports.keyboard, ports.workspace, caret)
        , shortcutsCLI(ShortcutsCLI::locateTool())
        , engine(defaults, localModels, onDevice)
        , store(defaults)
        , combos(defaults, store)
        , prompts(defaults, store)
        , apps(ports.workspace)
        , display(combos, prompts, defaults, [this](const QString &appId) { return apps.name(appId); })
        , appChoices(ports.workspace, AppIdentity::desktopId())
        , appIcons(apps)
        , favicons(http)
        , schemeApps(ports.workspace)
        , siteIcons(favicons, schemeApps, store)
        , labels(
              display, [this](const QString &appId) { return appIcons.icon(appId); },
              [this](const QString &address) { return siteIcons.icon(address); })
        , shortcuts(defaults, hotKeys, &menus)
        , mouseTrigger(defaults, *tap, ports.screens)
        , wheel(store, ports.screens, wheelContext(),
                [this](WheelModel &model) {
                    return std::make_unique<WheelOverlay>(
                        model, [this](const WheelItem &item) { return labels.label(item); },
                        &X11Compositing::isActive);
                })
        , outsideInput(outsideInputMonitor(*x11))
        , resultPanel(ports.screens, *outsideInput, [] { return std::make_unique<ResultPanelWindow>(); },
                    [this] { return caret.selectionEndRect(); })
        , ask(AskWindow::Parts{{localModels, onDevice, defaults},
                               ports.screens,
                               &X11Compositing::isActive,
                               [](QWidget &window) { X11Desktops::showOnAllDesktops(window.winId()); },
                               [&notifications] { Q_EMIT notifications.openRingleSettings(); }})
        , controller(AppController::Parts{ports, status, shortcuts, wheel, mouseTrigger, resultPanel, caret, replacer,
                                          engine, prompts, combos, shortcutsCLI, defaults, {}, &ask})
    {
    }

    ActionWheel::Context wheelContext()
    {
        ActionWheel::Context context;
        context.browserHost = [this] { return caret.browserHost(); };
        context.frontApplication = [this]() -> std::optional<QString> {
            const std::optional<RunningApp> app = ports.workspace.frontApplication();
            return app ? std::optional<QString>(app->appId) : std::nullopt;
        };
        context.focusedTextIsReadOnly = [this] { return caret.textAccess() == TextAccess::readOnly; };
        return context;
    }

    UserDefaults &defaults;
    ControllerStatus &status;
    std::unique_ptr<X11Platform> x11;
    Platform ports;
    std::unique_ptr<X11MouseTap> tap;
    AtspiAccessibility accessibility;
    CaretLocator caret;
    TextReplacer replacer;
    // Made before the controller and gone after it: a script still running at quit is ended
    // here, and its run finishes (folder removed, clipboard restored) while the replacer lives.
    ShortcutsCLI shortcutsCLI;
    LocalModelClient localModels;
    UnavailableOnDeviceModel onDevice;
    AIEngine engine;
    WheelStore store;
    KeyComboStore combos;
    PromptStore prompts;
    AppLookup apps;
    WheelItemDisplay display;
    AppChoices appChoices;
    AppIcons appIcons;
    HttpClient http;
    FaviconStore favicons;
    SchemeAppIcons schemeApps;
    SiteIcons siteIcons;
    SlotLabels labels;
    X11HotKeyService hotKeys;
    QtMenuTracker menus;
    GlobalShortcuts::Registry shortcuts;
    MouseWheelTrigger mouseTrigger;
    ActionWheel wheel;
    std::unique_ptr<GlobalInputMonitor> outsideInput;
    ResultPanel resultPanel;
    AskWindow ask;
    AppController controller;
    std::unique_ptr<X11TrayHostWatch> trayHosts;
    X11KeyboardLayout keyboardLayout;
    AtspiStatusSwitch accessibilitySwitch;
    std::unique_ptr<SettingsContext> settings;
};

std::unique_ptr<AppSession> AppSession::create(UserDefaults &defaults, ControllerStatus &status,
                                               AppNotifications &notifications)
{
    std::unique_ptr<X11Platform> x11 = X11Platform::create();
    std::unique_ptr<X11MouseTap> tap = X11MouseTap::create();
    if (!x11 || !tap)
        return nullptr;
    std::unique_ptr<AppSession> session(
        new AppSession(std::make_unique<Parts>(defaults, status, notifications, std::move(x11), std::move(tap))));
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
    return m_parts->accessibility.status();
}

SettingsContext &AppSession::settingsContext(QMenu *trayMenu)
{
    Parts &p = *m_parts;
    if (!p.settings) {
        p.settings = std::make_unique<SettingsContext>(SettingsContext{
            p.defaults, p.shortcuts, p.keyboardLayout, p.store, p.combos, p.prompts, p.engine, p.localModels,
            p.ports.workspace, p.accessibilitySwitch, p.status, trayMenu, &AutostartEntry::isEnabled,
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
    return new WheelSettingsView(WheelSettingsParts{
        p.store, p.combos, p.prompts, p.display, p.appChoices, p.appIcons,
        [&p](const WheelItem &item) { return p.labels.label(item); },
        [&p] { return p.shortcutsCLI.folders(); }, p.keyboardLayout, &p.shortcuts});
}

void AppSession::prepareWheel()
{
    m_parts->wheel.prepare();
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
    Parts &parts = *m_parts;
    parts.replacer.stop();
    parts.mouseTrigger.stop();
    parts.shortcuts.disable(GlobalShortcuts::Name::actionWheel());
    co_await parts.x11->clipboard().handOverToManager();
}
