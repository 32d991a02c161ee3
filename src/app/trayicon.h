#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QObject>
#include <chrono>

class ControllerStatus;
class QSystemTrayIcon;
class QTimer;
class TrayAnimation;
class TrayMenu;

// Ringle's icon in the desktop's tray (StatusNotifierItem where the desktop offers it, the XEmbed
// tray otherwise): idle, or stepping through the working frames while the controller works. Without
// a tray it waits for one to appear and says once, on standard error, how to reach the settings.
// It looks for a tray every two seconds unless something calls show() when trays come and go.
class TrayIcon final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::seconds trayRecheckInterval{2};

    TrayIcon(ControllerStatus &status, TrayMenu &menu, QObject *parent = nullptr);
    ~TrayIcon() override;

    // Shows the icon now, or as soon as a tray is there.
    void show();
    // Whether show() is called when a tray may have started, so the icon need not poll for one.
    // Set before the first show().
    void setTrayHostsWatched(bool watched) { m_trayHostsWatched = watched; }
    TrayAnimation &animation() { return *m_animation; }
    const QIcon &currentIcon() const { return m_current; }
    // The colour the XEmbed tray asks icons to be drawn in; invalid to follow the desktop's palette.
    void setPanelForeground(const QColor &color);

Q_SIGNALS:
    void shown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showWhenTrayAvailable();
    void renderIcons();
    void updateIcon();

    ControllerStatus &m_status;
    TrayMenu &m_menu;
    QSystemTrayIcon *m_tray;
    TrayAnimation *m_animation;
    QTimer *m_recheck = nullptr;
    QList<QIcon> m_icons; // idle, then the four working frames
    QIcon m_current;
    QColor m_panelForeground;
    bool m_shown = false;
    bool m_toldNoTray = false;
    bool m_trayHostsWatched = false;
};
