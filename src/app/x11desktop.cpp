#include "app/x11desktop.h"

#include "app/backendchoice.h"
#include "app/trayicon.h"
#include "platform/linux/statusnotifierwatch.h"
#include "platform/wayland/portalshortcutbinder.h"
#include "platform/wayland/waylandhotkeyservice.h"
#include "platform/windowsystem.h"
#include "platform/x11/x11clipboard.h"
#include "platform/x11/x11connection.h"
#include "platform/x11/x11platform.h"
#include "platform/x11/x11trayhostwatch.h"

#include <QCoreApplication>

namespace {
bool underXWayland()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
} // namespace

X11Desktop::X11Desktop(std::unique_ptr<X11Platform> x11)
    : m_x11(std::move(x11))
{
    if (underXWayland() && BackendChoice::onGnome()) {
        if (std::unique_ptr<PortalShortcutBinder> portal = PortalShortcutBinder::create())
            m_portalHotKeys = std::make_unique<WaylandHotKeyService>(std::move(portal));
    }
}

X11Desktop::~X11Desktop() = default;

Platform X11Desktop::platform()
{
    const Platform x11 = m_x11->platform();
    if (!m_portalHotKeys)
        return x11;
    return {x11.clipboard,      x11.keyboard,   x11.screens,       x11.workspace,      x11.sound,
            x11.accessibility,  x11.accessibilitySwitch, *m_portalHotKeys, x11.mouseTap, x11.inputMonitor,
            x11.keyboardLayout, x11.onDeviceModel, x11.windows};
}

void X11Desktop::watchTrayHosts(TrayIcon &icon)
{
    m_trayHosts = std::make_unique<X11TrayHostWatch>(m_x11->connection());
    X11TrayHostWatch *watch = m_trayHosts.get();
    QObject::connect(watch, &X11TrayHostWatch::trayHostsChanged, &icon, [watch, &icon] {
        icon.setPanelForeground(watch->xembedForeground());
        icon.show();
    });
    icon.setTrayHostsWatched(watch->isActive());
    icon.setPanelForeground(watch->xembedForeground());
}

QCoro::Task<void> X11Desktop::handOverClipboard()
{
    co_await m_x11->clipboard().handOverToManager();
}

QString X11Desktop::name() const
{
    return QStringLiteral("X11");
}

QList<DesktopCapability> X11Desktop::capabilities()
{
    using Kind = DesktopCapability::Kind;
    const auto tr = [](const char *text) { return QCoreApplication::translate("X11Desktop", text); };
    const bool xtest = m_x11->connection().hasXTest();
    const bool compositing = m_x11->platform().windows.isCompositing();
    const bool tray = X11TrayHostWatch(m_x11->connection()).hasXembedTray() || StatusNotifierWatch::hasWatcher();
    // Under XWayland grabs hold, and XTest's keys go, only where an XWayland window has the keyboard.
    const bool xwayland = underXWayland();
    const QString onWayland = BackendChoice::onGnome()
                                  ? BackendChoice::gnomeExtensionAdvice()
                                  : tr("\"ringle doctor --backend=wayland\" says what this compositor lacks for Ringle "
                                       "to run on Wayland.");
    const DesktopCapability shortcut =
        m_portalHotKeys ? DesktopCapability{Kind::shortcut, true, tr("bound through the desktop's GlobalShortcuts portal"), {}}
        : !xwayland     ? DesktopCapability{Kind::shortcut, true, tr("grabbed from the X server"), {}}
                        : DesktopCapability{Kind::shortcut, false,
                                        tr("grabbed from XWayland, so it works only while an XWayland app is in front"),
                                        onWayland};
    const DesktopCapability keystrokes =
        !xtest      ? DesktopCapability{Kind::keystrokes, false, tr("the X server has no XTest extension"),
                                   tr("Use an X server with the XTest extension (every desktop's has it).")}
        : !xwayland ? DesktopCapability{Kind::keystrokes, true, tr("XTest"), {}}
                    : DesktopCapability{Kind::keystrokes, false, tr("XTest, which reaches only the XWayland apps"), onWayland};
    return {
        shortcut,
        {Kind::mouseTrigger, true, tr("grabbed from the X server"), {}},
        {Kind::overlay, true, compositing ? tr("translucent windows (a compositor runs)") : tr("shaped windows"), {}},
        {Kind::clipboard, true, tr("the CLIPBOARD selection"), {}},
        keystrokes,
        {Kind::frontApplication, true, tr("the window manager's active window"), {}},
        {Kind::tray, tray, tray ? tr("a system tray runs") : tr("no system tray runs"),
         tray ? QString() : tr("Start a panel with a system tray; meanwhile \"ringle --settings\" opens the settings.")},
    };
}
