#pragma once

#include <QCoroTask>
#include <memory>

class AppController;
class AppNotifications;
class ControllerStatus;
class DesktopBackend;
class LocalModelClient;
class QMenu;
class QWidget;
class TrayIcon;
class UserDefaults;
struct AccessibilityStatus;
struct SettingsContext;

// Everything the running app is made of on this desktop: the desktop's parts (its backend, the
// core over it, the wheel and result panel windows) with the Ask window, the controller and what the
// settings and the tray work with. Made once after the settings migration; lives until quit.
class AppSession final {
public:
    static std::unique_ptr<AppSession> create(std::unique_ptr<DesktopBackend> desktop, UserDefaults &defaults,
                                              ControllerStatus &status, AppNotifications &notifications);
    ~AppSession();

    AppController &controller();
    // Whether the focused text and the browser's website can be asked about.
    AccessibilityStatus accessibility() const;
    // What the settings window works with; made on first use. `trayMenu` is the tray's menu.
    SettingsContext &settingsContext(QMenu *trayMenu);
    // A new Action Wheel tab for the settings window, editing this session's stores.
    QWidget *makeWheelSettings();
    // Loads what the wheel's first opening would (window, fonts, icons), so that one is as quick as
    // the later ones.
    void prepareWheel();
    // Shows the icon when a tray starts later, without polling where the display can tell.
    void watchTrayHosts(TrayIcon &icon);
    // The first half of quitting, while the event loop still runs: puts back the user's clipboard
    // if an action is under way, lets go of the shortcut and the mouse button, and hands the
    // clipboard to the clipboard manager if this app owns it. Bounded in time.
    QCoro::Task<void> prepareToQuit();

private:
    struct Parts;
    explicit AppSession(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> m_parts;
};
