#include "privatebus.h"

#include <QFile>

namespace TestSupport {
bool PrivateBus::start(const QString &connectionName)
{
    QFile config(m_dir.filePath(u"bus.conf"_qs));
    if (!m_dir.isValid() || !config.open(QIODevice::WriteOnly))
        return false;
    config.write("<busconfig><type>session</type><listen>unix:dir=" + m_dir.path().toUtf8()
                 + "</listen><policy context='default'><allow send_destination='*' eavesdrop='true'/>"
                   "<allow eavesdrop='true'/><allow own='*'/></policy></busconfig>\n");
    config.close();
    m_daemon.start(u"dbus-daemon"_qs, {u"--config-file="_qs + config.fileName(), u"--print-address"_qs, u"--nofork"_qs});
    if (!m_daemon.waitForReadyRead(5000))
        return false;
    m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
    m_bus = QDBusConnection::connectToBus(m_address, connectionName);
    return m_bus.isConnected();
}

PrivateBus::~PrivateBus()
{
    if (!m_bus.name().isEmpty())
        QDBusConnection::disconnectFromBus(m_bus.name());
    m_bus = QDBusConnection(QString());
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
}
} // namespace TestSupport
