#include "actions/toolprocess.h"

#include <csignal>
#include <utility>
#include <sys/prctl.h>

namespace {
void appendUpTo(QByteArray &kept, const QByteArray &chunk, qsizetype cap)
{
    kept.append(chunk.left(std::max<qsizetype>(0, cap - kept.size())));
}
} // namespace

ToolProcess::ToolProcess(qsizetype outputCap, qsizetype errorCap, QObject *parent)
    : QObject(parent)
    , m_outputCap(outputCap)
    , m_errorCap(errorCap)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    // The tool passes its standard input on to a script run without an input file.
    m_process.setStandardInputFile(QProcess::nullDevice());
    // Without this, a Ringle that is killed outright would leave the tool (and its script) running.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &ToolProcess::readOutput);
    connect(&m_process, &QProcess::readyReadStandardError, this, &ToolProcess::readError);
    connect(&m_process, &QProcess::finished, this, &ToolProcess::finish);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        // A child that cannot be started never finishes; this is its only word.
        if (error == QProcess::FailedToStart) {
            m_failedToStart = true;
            finish();
        }
    });
}

ToolProcess::~ToolProcess()
{
    // The child must not outlive its reader; ending it here makes no one wait.
    m_process.disconnect(this);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

void ToolProcess::start(const QString &program, const QStringList &arguments)
{
    m_process.start(program, arguments, QIODevice::ReadOnly);
}

int ToolProcess::exitStatus() const
{
    if (m_failedToStart || m_process.exitStatus() == QProcess::CrashExit)
        return -1;
    return m_process.exitCode();
}

void ToolProcess::readOutput()
{
    appendUpTo(m_output, m_process.readAllStandardOutput(), m_outputCap);
}

void ToolProcess::readError()
{
    appendUpTo(m_error, m_process.readAllStandardError(), m_errorCap);
}

void ToolProcess::finish()
{
    if (m_ended)
        return;
    readOutput();
    readError();
    m_ended = true;
    if (std::coroutine_handle<> waiter = std::exchange(m_waiter, {}))
        waiter.resume();
}

void ToolProcess::endNow(std::chrono::milliseconds grace)
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(int(grace.count()))) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
    finish();
}
