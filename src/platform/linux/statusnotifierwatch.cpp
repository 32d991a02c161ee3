#include "platform/linux/statusnotifierwatch.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>

namespace {
const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");

// Without an address, asking for the session bus would try to launch one.
bool busConfigured()
{
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
}
} // namespace

StatusNotifierWatch::StatusNotifierWatch(QObject *parent)
    : QObject(parent)
{
    if (!busConfigured())
        return;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    auto *watcher = new QDBusServiceWatcher(watcherName, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &StatusNotifierWatch::changed);
    m_active = true;
}

bool StatusNotifierWatch::hasWatcher()
{
    if (!busConfigured())
        return false;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(watcherName).value();
}
