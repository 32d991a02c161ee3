#pragma once

#include "platform/platform.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include "keys/key.h"
#include <memory>

class AtspiAccessibility;
class AtspiStatusSwitch;
class DataControlClipboard;
class ForeignToplevels;
class KGlobalAccelBinder;
class KWinWindows;
class GnomeKeyboard;
class MutterClipboard;
class MutterRemoteDesktop;
class SeatKeyboard;
class ShellExtension;
class GlobalInputMonitor;
class OnDeviceModel;
class OverlaySurfaces;
class PortalRemoteKeyboard;
class PortalShortcutBinder;
class QtScreens;
class Sound;
class SwayBindings;
class SwayIpc;
class WaylandConnection;
class WaylandHotKeyService;
class WaylandKeyboardLayout;
class WaylandMouseTap;
class WaylandOutputs;
class WaylandSeat;
class WaylandWorkspace;
class WindowSystem;
class Clipboard;
struct WaylandGlobals;

// The Wayland backend of every port, on a connection of Ringle's own beside Qt's (which must be on
// its Wayland platform too). What the compositor lacks is reported by its ports (refusals, the
// capabilities) rather than by failing to start.
class WaylandPlatform final : public QObject {
    Q_OBJECT
public:
    // None when there is no compositor to connect to, or it lacks an essential interface
    // (`why` then says which).
    static std::unique_ptr<WaylandPlatform> create(QString *why = nullptr);
    ~WaylandPlatform() override;

    Platform platform();
    OverlaySurfaces &overlaySurfaces() { return *m_overlays; }
    DataControlClipboard *dataControl() const { return m_dataControl; }
    WaylandConnection &connection() { return *m_connection; }
    SwayIpc *sway() const { return m_sway.get(); }
    WaylandHotKeyService &hotKeys() { return *m_hotKeys; }
    WaylandMouseTap &mouseTap() { return *m_mouseTap; }
    WaylandWorkspace &workspace() { return *m_workspace; }
    ForeignToplevels *toplevels() const { return m_toplevels.get(); }
    // The desktop's GlobalShortcuts portal, where it binds the shortcut (not under sway or KWin).
    PortalShortcutBinder *portal() const { return m_portal; }
    // KWin's global shortcuts and Ringle's script there, under KWin.
    KGlobalAccelBinder *kglobalaccel() const { return m_kglobalaccel; }
    KWinWindows *kwin() const { return m_kwin.get(); }
    // Ringle's GNOME Shell extension, where it shows the overlays and binds the shortcut.
    ShellExtension *shell() const { return m_shell.get(); }
    // How synthetic keys reach the app in front.
    enum class KeyRoad { virtualKeyboard, fakeInput, gnomeShell, remoteDesktop, none };
    KeyRoad keyRoad() const { return m_keyRoad; }
    // The RemoteDesktop portal's keyboard, where keys go through it.
    PortalRemoteKeyboard *remoteDesktop() const { return m_remoteDesktop; }
    // GNOME's clipboard, through a remote desktop session of Mutter's own, and its keys.
    MutterClipboard *mutterClipboard() const { return m_mutterClipboard; }
    GnomeKeyboard *gnomeKeyboard() const { return m_gnomeKeyboard; }

Q_SIGNALS:
    // The compositor went away; Ringle cannot go on.
    void lost(const QString &reason);
    // The user gave the wheel's shortcut another combination in the desktop's own settings (none
    // when cleared there).
    void shortcutChangedByDesktop(std::optional<Key> key, KeyModifiers modifiers);

private:
    WaylandPlatform() = default;
    void connectToSway();
    void chooseKeyboard();

    std::unique_ptr<WaylandConnection> m_connection;
    std::unique_ptr<WaylandGlobals> m_globals;
    std::unique_ptr<WaylandOutputs> m_outputs;
    std::unique_ptr<WaylandSeat> m_seat;
    std::unique_ptr<ShellExtension> m_shell;
    std::unique_ptr<OverlaySurfaces> m_overlays;
    std::unique_ptr<SwayIpc> m_sway;
    std::unique_ptr<SwayBindings> m_swayBindings;
    std::unique_ptr<ForeignToplevels> m_toplevels;
    // Before the clipboard, which uses it.
    std::unique_ptr<MutterRemoteDesktop> m_mutter;
    MutterClipboard *m_mutterClipboard = nullptr;
    GnomeKeyboard *m_gnomeKeyboard = nullptr;
    std::unique_ptr<Clipboard> m_clipboard;
    DataControlClipboard *m_dataControl = nullptr;
    std::unique_ptr<Keyboard> m_keyboard;
    KeyRoad m_keyRoad = KeyRoad::none;
    PortalRemoteKeyboard *m_remoteDesktop = nullptr;
    std::unique_ptr<KWinWindows> m_kwin;
    std::unique_ptr<QtScreens> m_screens;
    std::unique_ptr<WaylandWorkspace> m_workspace;
    std::unique_ptr<Sound> m_sound;
    std::unique_ptr<AtspiAccessibility> m_accessibility;
    std::unique_ptr<AtspiStatusSwitch> m_accessibilitySwitch;
    std::unique_ptr<WaylandHotKeyService> m_hotKeys;
    PortalShortcutBinder *m_portal = nullptr;
    KGlobalAccelBinder *m_kglobalaccel = nullptr;
    std::unique_ptr<WaylandMouseTap> m_mouseTap;
    std::unique_ptr<GlobalInputMonitor> m_inputMonitor;
    std::unique_ptr<WaylandKeyboardLayout> m_keyboardLayout;
    std::unique_ptr<OnDeviceModel> m_onDeviceModel;
    std::unique_ptr<WindowSystem> m_windows;
};
