#include "app/reducedmotion.h"

#include "app/applogging.h"

#include <QProcess>
#include <QTimer>

namespace {
constexpr int queryTimeoutMs = 3000;
}

ReducedMotion::ReducedMotion(QObject *parent)
    : QObject(parent)
{
}

std::optional<bool> ReducedMotion::fromEnableAnimations(const QByteArray &gsettingsOutput)
{
    const QByteArray value = gsettingsOutput.trimmed();
    if (value == "false")
        return true;
    if (value == "true")
        return false;
    return std::nullopt;
}

void ReducedMotion::query()
{
    if (m_process)
        return;
    m_process = new QProcess(this);
    m_process->setProgram(QStringLiteral("gsettings"));
    m_process->setArguments({QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                             QStringLiteral("enable-animations")});
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process, &QProcess::finished, this, &ReducedMotion::finished);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            qCDebug(lcApp) << "no gsettings; motion is not reduced";
            m_process->deleteLater();
        }
    });
    QTimer::singleShot(queryTimeoutMs, m_process, [process = m_process] { process->kill(); });
    m_process->start();
}

void ReducedMotion::finished()
{
    const std::optional<bool> on = m_process->exitStatus() == QProcess::NormalExit && m_process->exitCode() == 0
        ? fromEnableAnimations(m_process->readAllStandardOutput())
        : std::nullopt;
    m_process->deleteLater();
    if (on && *on != m_on) {
        m_on = *on;
        Q_EMIT changed(m_on);
    }
}
