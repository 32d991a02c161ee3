#include "app/ringleapp.h"

#include "actions/appnotifications.h"
#include "ai/localmodelconfig.h"
#include "app/reducedmotion.h"
#include "app/trayanimation.h"
#include "app/trayicon.h"
#include "app/traymenu.h"
#include "platform/userdefaults.h"
#include "ui/settingslogging.h"
#include "ui/settingswindow.h"

#include <QApplication>

namespace {
const QString &modelProviderKey = LocalModelConfig::providerKey.name;
}

RingleApp::RingleApp(UserDefaults &defaults, ControllerStatus &status, AppNotifications &notifications,
                     QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_trayMenu(new TrayMenu(status, this))
    , m_trayIcon(new TrayIcon(status, *m_trayMenu, this))
    , m_reducedMotion(new ReducedMotion(this))
{
    // The app lives in the tray: closing the settings window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    connect(m_trayMenu, &TrayMenu::settingsRequested, this, &RingleApp::openSettings);
    connect(m_trayMenu, &TrayMenu::quitRequested, this, &RingleApp::quitRequested, Qt::QueuedConnection);
    connect(&notifications, &AppNotifications::openRingleSettings, this, &RingleApp::openRingleSettings);
    connect(m_reducedMotion, &ReducedMotion::changed, &m_trayIcon->animation(), &TrayAnimation::setReduceMotion);
    connect(&m_defaults, &UserDefaults::valueChanged, this, &RingleApp::settingChanged);
}

RingleApp::~RingleApp()
{
    delete m_settings;
}

void RingleApp::start()
{
    m_reducedMotion->query();
    m_trayIcon->show();
}

void RingleApp::suggestModelSetup()
{
    if (m_defaults.value(modelProviderKey))
        return;
    m_suggestsModelSetup = true;
    m_trayMenu->setModelNotice(tr("No model server found. Start Ollama or LM Studio, or choose a server in Settings…"));
}

void RingleApp::settingChanged(const QString &key)
{
    if (key != modelProviderKey || !m_suggestsModelSetup || !m_defaults.value(modelProviderKey))
        return;
    m_suggestsModelSetup = false;
    m_trayMenu->setModelNotice(QString());
}

void RingleApp::openSettings()
{
    qCDebug(lcSettings) << "opening";
    if (m_suggestsModelSetup)
        SettingsTabs::store(m_defaults, SettingsTab::general);
    if (!m_settings) {
        m_settings = new SettingsWindow(m_defaults);
        // Ctrl+Q quits while the settings window is in front, as the menu item says.
        m_settings->addAction(m_trayMenu->quitAction());
        if (fillSettings)
            fillSettings(*m_settings);
    }
    m_settings->present();
}

void RingleApp::openRingleSettings()
{
    SettingsTabs::store(m_defaults, SettingsTab::general);
    openSettings();
}
