#include "platform/x11/x11trayhostwatch.h"

#include "platform/x11/x11connection.h"
#include "platform/x11/x11selectionwatch.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>

X11TrayHostWatch::X11TrayHostWatch(X11Connection &connection, QObject *parent)
    : QObject(parent)
    , m_xembedTray(std::make_unique<X11SelectionWatch>(
          connection, "_NET_SYSTEM_TRAY_S" + QByteArray::number(connection.screenNumber()),
          [this] { Q_EMIT trayHostsChanged(); }))
{
    // Without an address, asking for the session bus would try to launch one.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    auto *statusNotifierWatcher = new QDBusServiceWatcher(QStringLiteral("org.kde.StatusNotifierWatcher"), bus,
                                                          QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(statusNotifierWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &X11TrayHostWatch::trayHostsChanged);
}

X11TrayHostWatch::~X11TrayHostWatch() = default;

bool X11TrayHostWatch::isActive() const
{
    return m_xembedTray->isActive();
}
