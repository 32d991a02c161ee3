#include "textwindowdriver.h"

TextWindowDriver::~TextWindowDriver()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.write("quit\n");
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool TextWindowDriver::start()
{
    m_process.setProgram(qEnvironmentVariable("RINGLE_BUILD_DIR")
                         + QStringLiteral("/tests/programs/accessibletextwindow/accessibletextwindow"));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
    return m_process.waitForStarted(5000) && readLine() == QLatin1String("ready");
}

QString TextWindowDriver::send(const QString &command)
{
    m_process.write(command.toUtf8() + '\n');
    return readLine();
}

QRect TextWindowDriver::rect(const QString &command)
{
    const QStringList n = send(command).split(QLatin1Char(' '));
    return n.size() == 4 ? QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()) : QRect();
}

QString TextWindowDriver::readLine()
{
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(5000))
            return {};
    }
    return QString::fromUtf8(m_process.readLine()).trimmed();
}
