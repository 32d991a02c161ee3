#include "platform/linux/atspistatusswitch.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QCoroSignal>
#include <memory>

namespace {
constexpr int callTimeoutMs = 250;
const QString service = QStringLiteral("org.a11y.Bus");
const QString path = QStringLiteral("/org/a11y/bus");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString statusInterface = QStringLiteral("org.a11y.Status");

// Without an address, asking for the session bus would try to launch one.
bool hasSessionBus()
{
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") && QDBusConnection::sessionBus().isConnected();
}

QCoro::Task<QDBusMessage> call(QDBusMessage message)
{
    auto watcher = std::make_unique<QDBusPendingCallWatcher>(QDBusConnection::sessionBus().asyncCall(message, callTimeoutMs));
    if (!watcher->isFinished())
        co_await qCoro(watcher.get(), &QDBusPendingCallWatcher::finished);
    co_return watcher->reply();
}
} // namespace

QCoro::Task<AccessibilityStatus::State> AtspiStatusSwitch::state()
{
    if (!hasSessionBus())
        co_return AccessibilityStatus::State::missing;
    QDBusMessage request = QDBusMessage::createMethodCall(service, path, properties, QStringLiteral("GetAll"));
    request << statusInterface;
    const QDBusMessage reply = co_await call(request);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        co_return AccessibilityStatus::State::missing;
    const QVariantMap values = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
    const bool enabled = values.value(QStringLiteral("IsEnabled")).toBool()
        || values.value(QStringLiteral("ScreenReaderEnabled")).toBool();
    co_return enabled ? AccessibilityStatus::State::available : AccessibilityStatus::State::notEnabled;
}

QCoro::Task<bool> AtspiStatusSwitch::turnOn()
{
    if (!hasSessionBus())
        co_return false;
    QDBusMessage request = QDBusMessage::createMethodCall(service, path, properties, QStringLiteral("Set"));
    request << statusInterface << QStringLiteral("IsEnabled") << QVariant::fromValue(QDBusVariant(true));
    const QDBusMessage reply = co_await call(request);
    co_return reply.type() == QDBusMessage::ReplyMessage;
}
