#pragma once

#include "ui/settingstab.h"

#include <QWidget>

class QTabWidget;
class UserDefaults;

// The settings window "Ringle": the tabs "General" and "Action Wheel". The selected tab is the stored
// "settingsTab": choosing a tab stores it, and a tab stored by someone else is selected. The window
// takes the size of its content.
class SettingsWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SettingsWindow(UserDefaults &defaults, QWidget *parent = nullptr);

    SettingsTab currentTab() const;
    // Puts `content` on a tab, replacing what was there; the window owns it.
    void setTabContent(SettingsTab tab, QWidget *content);

    // Shows the window on the stored tab, or brings it forward, and asks for the keyboard focus.
    void present();

protected:
    bool event(QEvent *event) override;

private:
    void selectStoredTab();
    QWidget *page(SettingsTab tab) const;

    UserDefaults &m_defaults;
    QTabWidget *m_tabs;
    bool m_paintPending = false;
};
