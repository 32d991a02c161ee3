#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace TestSupport {
// A session bus of the test's own, so that no real portal answers and none is started on demand.
class PrivateBus final {
public:
    PrivateBus() = default;
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    // Starts the bus daemon and connects to it as `connectionName`.
    bool start(const QString &connectionName);
    QString address() const { return m_address; }
    QDBusConnection &bus() { return m_bus; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QDBusConnection m_bus{QString()};
};
} // namespace TestSupport
