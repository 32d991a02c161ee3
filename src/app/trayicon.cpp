#include "app/trayicon.h"

#include "actions/controllerstatus.h"
#include "app/applogging.h"
#include "app/trayanimation.h"
#include "app/appidentity.h"
#include "app/namedtrayiconengine.h"
#include "app/traymenu.h"
#include "ui/trayiconart.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPalette>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>

TrayIcon::TrayIcon(ControllerStatus &status, TrayMenu &menu, QObject *parent)
    : QObject(parent)
    , m_status(status)
    , m_menu(menu)
    , m_tray(new QSystemTrayIcon(this))
    , m_animation(new TrayAnimation(this))
{
    m_tray->setToolTip(QStringLiteral("Ringle"));
    m_tray->setContextMenu(menu.menu());
    // Trays differ in which click opens the menu; a menu-only icon opens it on any click.
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::MiddleClick)
            m_menu.menu()->popup(QCursor::pos());
    });
    connect(&m_status, &ControllerStatus::isWorkingChanged, m_animation, &TrayAnimation::setWorking);
    connect(m_animation, &TrayAnimation::highlightedSegmentChanged, this, &TrayIcon::updateIcon);
    m_animation->setWorking(m_status.isWorking());
    qApp->installEventFilter(this);
    renderIcons();
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::show()
{
    if (m_shown)
        return;
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        if (m_recheck)
            m_recheck->stop();
        m_tray->show();
        m_shown = true;
        qCDebug(lcApp) << "tray icon shown";
        Q_EMIT shown();
        return;
    }
    if (!m_toldNoTray) {
        m_toldNoTray = true;
        std::fputs(qPrintable(tr("Ringle: no system tray is available; the icon appears when one starts. "
                                 "Open the settings with \"ringle --settings\".\n")),
                   stderr);
    }
    showWhenTrayAvailable();
}

void TrayIcon::showWhenTrayAvailable()
{
    if (m_trayHostsWatched)
        return;
    if (!m_recheck) {
        m_recheck = new QTimer(this);
        m_recheck->setInterval(trayRecheckInterval);
        connect(m_recheck, &QTimer::timeout, this, &TrayIcon::show);
    }
    m_recheck->start();
}

bool TrayIcon::eventFilter(QObject *watched, QEvent *event)
{
    // The icon is drawn in the text colour of the desktop's palette, so a dark theme gets a light icon.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        renderIcons();
    return QObject::eventFilter(watched, event);
}

void TrayIcon::setPanelForeground(const QColor &color)
{
    if (color == m_panelForeground)
        return;
    m_panelForeground = color;
    renderIcons();
}

void TrayIcon::renderIcons()
{
    const QColor color = m_panelForeground.isValid()
                           ? m_panelForeground
                           : QApplication::palette().color(QPalette::Active, QPalette::WindowText);
    const QString id = AppIdentity::desktopId();
    m_icons.clear();
    m_icons.append(NamedTrayIconEngine::icon(TrayIconArt::icon(TrayIconArt::allSegments, color), id + u"-symbolic"_qs));
    for (int frame = 0; frame < TrayIconArt::segmentCount; ++frame)
        m_icons.append(NamedTrayIconEngine::icon(TrayIconArt::icon(frame, color),
                                                 u"%1-working%2-symbolic"_qs.arg(id).arg(frame)));
    updateIcon();
}

void TrayIcon::updateIcon()
{
    const int segment = m_animation->highlightedSegment();
    m_current = m_icons.at(segment == TrayAnimation::idle ? 0 : segment + 1);
    m_tray->setIcon(m_current);
}
