#include "platform/wayland/waylandplatform.h"

#include "platform/linux/atspiaccessibility.h"
#include "platform/linux/atspistatusswitch.h"
#include "platform/linux/desktopsound.h"
#include "platform/linux/qtscreens.h"
#include "platform/unavailableondevicemodel.h"
#include "platform/wayland/datacontrolclipboard.h"
#include "platform/wayland/fakeinputkeyboard.h"
#include "platform/wayland/foreigntoplevels.h"
#include "platform/wayland/gnomekeyboard.h"
#include "platform/wayland/kglobalaccelbinder.h"
#include "platform/wayland/kwinwindows.h"
#include "platform/wayland/mutterclipboard.h"
#include "platform/wayland/mutterremotedesktop.h"
#include "platform/wayland/portalremotekeyboard.h"
#include "platform/wayland/portalshortcutbinder.h"
#include "platform/wayland/shellextension.h"
#include "platform/wayland/shelloverlaysurfaces.h"
#include "platform/wayland/shellshortcutbinder.h"
#include "platform/wayland/swaybindings.h"
#include "platform/wayland/swayfocusmonitor.h"
#include "platform/wayland/swayipc.h"
#include "platform/wayland/swayshortcutbinder.h"
#include "platform/wayland/virtualkeyboard.h"
#include "platform/wayland/waylandconnection.h"
#include "platform/wayland/waylandglobals.h"
#include "platform/wayland/waylandhotkeyservice.h"
#include "platform/wayland/waylandkeyboardlayout.h"
#include "platform/wayland/waylandmousetap.h"
#include "platform/wayland/waylandoutputs.h"
#include "platform/wayland/waylandoverlaysurfaces.h"
#include "platform/wayland/waylandprobe.h"
#include "platform/wayland/waylandseat.h"
#include "platform/wayland/waylandwindowsystem.h"
#include "platform/wayland/waylandworkspace.h"


#include <QLoggingCategory>

#include <wayland-client.h>

Q_DECLARE_LOGGING_CATEGORY(lcWayland)

namespace {
constexpr std::chrono::milliseconds swayTimeout{1000};

// A compositor without a clipboard Ringle can reach: nothing is ever read, written or changed.
class NoClipboard final : public Clipboard {
public:
    qint64 changeCount() override { return 0; }
    QCoro::Task<QList<ClipboardItem>> readItems() override { co_return QList<ClipboardItem>{}; }
    void writeItems(const QList<ClipboardItem> &) override {}
    void writeText(const QString &, bool) override {}
    QCoro::Task<std::optional<QString>> readText() override { co_return std::nullopt; }
};
} // namespace

std::unique_ptr<WaylandPlatform> WaylandPlatform::create(QString *why)
{
    std::unique_ptr<WaylandConnection> connection = WaylandConnection::open();
    if (!connection) {
        if (why)
            *why = tr("no Wayland compositor answered");
        return nullptr;
    }
    WaylandProbe::Result offered;
    offered.reachable = true;
    for (const WaylandConnection::Global &g : connection->globals())
        offered.interfaces.append(QString::fromLatin1(g.interface));
    QStringList missing = WaylandProbe::missingEssentials(offered);
    std::unique_ptr<ShellExtension> shell;
    if (missing == QStringList{WaylandProbe::layerShell}) {
        QString shellWhy;
        shell = ShellExtension::create(&shellWhy);
        if (shell)
            missing.clear();
        else
            missing.append(shellWhy);
    }
    if (!missing.isEmpty()) {
        if (why)
            *why = tr("the compositor lacks %1").arg(missing.join(QStringLiteral(", ")));
        return nullptr;
    }
    std::unique_ptr<WaylandPlatform> p(new WaylandPlatform);
    p->m_shell = std::move(shell);
    p->m_connection = std::move(connection);
    WaylandConnection &c = *p->m_connection;
    connect(&c, &WaylandConnection::lost, p.get(), &WaylandPlatform::lost);
    p->m_globals = std::make_unique<WaylandGlobals>(c);
    p->m_outputs = std::make_unique<WaylandOutputs>(c);
    p->m_seat = WaylandSeat::create(c, p->m_globals->compositor, p->m_globals->shm);
    if (!p->m_seat) {
        if (why)
            *why = tr("the compositor offers no seat");
        return nullptr;
    }
    if (p->m_shell)
        p->m_overlays = std::make_unique<ShellOverlaySurfaces>(*p->m_shell);
    else
        p->m_overlays = std::make_unique<WaylandOverlaySurfaces>(SurfaceContext{*p->m_globals, *p->m_outputs, *p->m_seat});
    p->connectToSway();
    p->m_toplevels = std::make_unique<ForeignToplevels>(c);

    if (DataControlClipboard::isOffered(c)) {
        auto clipboard = std::make_unique<DataControlClipboard>(c, *p->m_seat);
        p->m_dataControl = clipboard.get();
        p->m_clipboard = std::move(clipboard);
    } else if (MutterRemoteDesktop::isOffered()) {
        // A session for the clipboard alone, which the top bar does not show as remote access.
        p->m_mutter = std::make_unique<MutterRemoteDesktop>(MutterRemoteDesktop::Use::clipboard);
        auto clipboard = std::make_unique<MutterClipboard>(*p->m_mutter);
        p->m_mutterClipboard = clipboard.get();
        p->m_clipboard = std::move(clipboard);
    } else {
        p->m_clipboard = std::make_unique<NoClipboard>();
    }
    p->chooseKeyboard();
    if (!p->m_sway && !p->m_shell)
        p->m_kwin = KWinWindows::create();
    WaylandSeat *seat = p->m_seat.get();
    if (ShellExtension *extension = p->m_shell.get()) {
        // Ringle's own surfaces never see the pointer there: the shell tells where it is.
        p->m_screens = std::make_unique<QtScreens>([extension] { return extension->pointer(); });
    } else {
        p->m_screens = std::make_unique<QtScreens>([seat] { return seat->lastPointerPosition(); });
    }
    const WindowReports *reports = p->m_kwin ? static_cast<const WindowReports *>(p->m_kwin.get()) : p->m_shell.get();
    p->m_workspace = std::make_unique<WaylandWorkspace>(p->m_sway.get(), reports, p->m_toplevels.get());
    p->m_sound = std::make_unique<DesktopSound>();
    WaylandWorkspace *workspace = p->m_workspace.get();
    p->m_accessibility = std::make_unique<AtspiAccessibility>(
        *p->m_workspace,
        AtspiAccessibility::DesktopHints{{}, [workspace](qint64 pid) { return workspace->windowOrigin(pid); }});
    p->m_accessibilitySwitch = std::make_unique<AtspiStatusSwitch>();

    std::unique_ptr<ShortcutBinder> binder;
    if (p->m_sway) {
        binder = std::make_unique<SwayShortcutBinder>(*p->m_sway, *p->m_swayBindings, *p->m_seat);
    } else if (p->m_shell) {
        binder = std::make_unique<ShellShortcutBinder>(*p->m_shell);
    } else if (std::unique_ptr<KGlobalAccelBinder> kglobalaccel = KGlobalAccelBinder::create()) {
        p->m_kglobalaccel = kglobalaccel.get();
        WaylandPlatform *platform = p.get();
        kglobalaccel->setChangeHandler([platform](quint64, std::optional<KGlobalAccelKeys::Combination> now) {
            Q_EMIT platform->shortcutChangedByDesktop(now ? std::optional<Key>(now->key) : std::nullopt,
                                                      now ? now->modifiers : KeyModifiers());
        });
        binder = std::move(kglobalaccel);
    } else if (std::unique_ptr<PortalShortcutBinder> portal = PortalShortcutBinder::create()) {
        p->m_portal = portal.get();
        binder = std::move(portal);
    }
    p->m_hotKeys = std::make_unique<WaylandHotKeyService>(std::move(binder));
    QtScreens *screens = p->m_screens.get();
    p->m_mouseTap = std::make_unique<WaylandMouseTap>(*p->m_seat, p->m_swayBindings.get(),
                                                      [screens] { return screens->desktopPointer(); });
    if (p->m_sway)
        p->m_inputMonitor = std::make_unique<SwayFocusMonitor>(*p->m_sway);
    else
        p->m_inputMonitor = std::make_unique<NoGlobalInputMonitor>();
    p->m_keyboardLayout = std::make_unique<WaylandKeyboardLayout>(*p->m_seat);
    p->m_onDeviceModel = std::make_unique<UnavailableOnDeviceModel>();
    p->m_windows = std::make_unique<WaylandWindowSystem>();
    return p;
}

void WaylandPlatform::chooseKeyboard()
{
    WaylandConnection &c = *m_connection;
    if (VirtualKeyboard::isOffered(c)) {
        m_keyboard = std::make_unique<VirtualKeyboard>(c, *m_seat);
        m_keyRoad = KeyRoad::virtualKeyboard;
    } else if (FakeInputKeyboard::isOffered(c)) {
        m_keyboard = std::make_unique<FakeInputKeyboard>(c, *m_seat);
        m_keyRoad = KeyRoad::fakeInput;
    } else if (m_shell) {
        auto keyboard = std::make_unique<GnomeKeyboard>(*m_seat, *m_shell);
        m_gnomeKeyboard = keyboard.get();
        m_keyboard = std::move(keyboard);
        m_keyRoad = KeyRoad::gnomeShell;
    } else if (std::unique_ptr<PortalRemoteKeyboard> remote =
                   PortalRemoteKeyboard::create(*m_seat, PortalRemoteKeyboard::defaultTokenPath())) {
        m_remoteDesktop = remote.get();
        m_keyboard = std::move(remote);
        m_keyRoad = KeyRoad::remoteDesktop;
    } else {
        // Posts nothing, and says so, until the compositor offers a way.
        m_keyboard = std::make_unique<VirtualKeyboard>(c, *m_seat);
        m_keyRoad = KeyRoad::none;
    }
}

void WaylandPlatform::connectToSway()
{
    const QString socket = SwayIpc::socketPath();
    if (socket.isEmpty())
        return;
    auto sway = std::make_unique<SwayIpc>(socket);
    if (!sway->open(swayTimeout)) {
        qCWarning(lcWayland) << "SWAYSOCK names a socket where sway does not answer:" << socket;
        return;
    }
    m_swayBindings = std::make_unique<SwayBindings>(*sway, SwayBindings::ledgerPath(socket));
    m_swayBindings->removeLeftovers();
    m_sway = std::move(sway);
}

WaylandPlatform::~WaylandPlatform()
{
    // What binds in sway lets go first, while sway can still be told; surfaces before the seat.
    m_mouseTap.reset();
    m_hotKeys.reset();
    m_swayBindings.reset();
    m_kwin.reset();
    m_inputMonitor.reset();
    m_accessibility.reset();
    m_keyboard.reset();
    m_clipboard.reset();
    m_overlays.reset();
}

Platform WaylandPlatform::platform()
{
    return {*m_clipboard,      *m_keyboard,      *m_screens,        *m_workspace,     *m_sound,
            *m_accessibility,  *m_accessibilitySwitch, *m_hotKeys,  *m_mouseTap,      *m_inputMonitor,
            *m_keyboardLayout, *m_onDeviceModel, *m_windows};
}
