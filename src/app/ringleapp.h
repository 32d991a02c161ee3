#pragma once

#include <QObject>
#include <functional>

class AppNotifications;
class ControllerStatus;
class ReducedMotion;
class SettingsWindow;
class TrayIcon;
class TrayMenu;
class UserDefaults;

// The application shell: the tray icon with its menu, and the settings window, made on first use.
// It answers "Settings…" and the openRingleSettings request, and passes "Quit Ringle" on.
class RingleApp final : public QObject {
    Q_OBJECT
public:
    RingleApp(UserDefaults &defaults, ControllerStatus &status, AppNotifications &notifications,
              QObject *parent = nullptr);
    ~RingleApp() override;

    // Shows the tray icon, or says how to reach the settings until a tray appears.
    void start();

    TrayIcon &trayIcon() { return *m_trayIcon; }
    TrayMenu &trayMenu() { return *m_trayMenu; }
    // None until the settings were first opened.
    SettingsWindow *settingsWindow() const { return m_settings; }
    // Until a model provider is stored: the menu says how to connect a model server, and
    // "Settings…" opens the General tab.
    void suggestModelSetup();
    // Gives each new settings window its tabs' content.
    std::function<void(SettingsWindow &)> fillSettings;

Q_SIGNALS:
    // "Quit Ringle" (or Ctrl+Q in the settings window); whoever made the app quits it.
    void quitRequested();

public Q_SLOTS:
    // The menu's "Settings…": opens the window on the stored tab, or brings it forward.
    void openSettings();
    // Stores the General tab, then opens the window.
    void openRingleSettings();

private:
    void settingChanged(const QString &key);

    UserDefaults &m_defaults;
    TrayMenu *m_trayMenu;
    TrayIcon *m_trayIcon;
    ReducedMotion *m_reducedMotion;
    SettingsWindow *m_settings = nullptr;
    bool m_suggestsModelSetup = false;
};
