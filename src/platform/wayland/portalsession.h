#pragma once

#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QString>
#include <QVariant>

// What every session-based portal interface (GlobalShortcuts, RemoteDesktop) shares.
namespace PortalSession {
inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");

// A property of the portal's `interface`; invalid when the portal does not answer by `deadline`
// or has no such interface.
QVariant property(QDBusConnection &bus, const QString &interface, const QString &name, QDeadlineTimer deadline);
// The interface's version, 0 where the portal lacks it.
quint32 version(QDBusConnection &bus, const QString &interface, QDeadlineTimer deadline);
// The handle of a new session of `interface`, or empty when the portal refuses one or does not
// answer by `deadline`.
QString create(QDBusConnection &bus, const QString &interface, QDeadlineTimer deadline);
// Ends a session without waiting for the portal.
void close(QDBusConnection &bus, const QString &session);
} // namespace PortalSession
