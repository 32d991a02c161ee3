#include "app/x11desktop.h"

#include "app/backendchoice.h"
#include "app/trayicon.h"
#include "platform/linux/statusnotifierwatch.h"
#include "platform/windowsystem.h"
#include "platform/x11/x11clipboard.h"
#include "platform/x11/x11connection.h"
#include "platform/x11/x11platform.h"
#include "platform/x11/x11trayhostwatch.h"

#include <QCoreApplication>

X11Desktop::X11Desktop(std::unique_ptr<X11Platform> x11)
    : m_x11(std::move(x11))
{
}

X11Desktop::~X11Desktop() = default;

Platform X11Desktop::platform()
{
    return m_x11->platform();
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
    // Under XWayland the grab holds only while an XWayland window has the keyboard.
    const bool xwayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const DesktopCapability shortcut =
        !xwayland ? DesktopCapability{Kind::shortcut, true, tr("grabbed from the X server"), {}}
                  : DesktopCapability{Kind::shortcut, false,
                                      tr("grabbed from XWayland, so it works only while an XWayland app is in front"),
                                      BackendChoice::onGnome()
                                          ? BackendChoice::gnomeExtensionAdvice()
                                          : tr("\"ringle doctor --backend=wayland\" says what this compositor lacks for "
                                               "Ringle to run on Wayland.")};
    return {
        shortcut,
        {Kind::mouseTrigger, true, tr("grabbed from the X server"), {}},
        {Kind::overlay, true, compositing ? tr("translucent windows (a compositor runs)") : tr("shaped windows"), {}},
        {Kind::clipboard, true, tr("the CLIPBOARD selection"), {}},
        {Kind::keystrokes, xtest, xtest ? tr("XTest") : tr("the X server has no XTest extension"),
         xtest ? QString() : tr("Use an X server with the XTest extension (every desktop's has it).")},
        {Kind::frontApplication, true, tr("the window manager's active window"), {}},
        {Kind::tray, tray, tray ? tr("a system tray runs") : tr("no system tray runs"),
         tray ? QString() : tr("Start a panel with a system tray; meanwhile \"ringle --settings\" opens the settings.")},
    };
}
