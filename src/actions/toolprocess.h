#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <chrono>
#include <coroutine>

// A child process whose standard output and standard error are read as they arrive, so a full
// pipe never stalls the child. Each is kept up to its cap; what comes beyond is read and dropped.
// The child is started with a request to end when this process dies. Main thread only.
class ToolProcess final : public QObject {
    Q_OBJECT
public:
    ToolProcess(qsizetype outputCap, qsizetype errorCap, QObject *parent = nullptr);
    ~ToolProcess() override;

    // Waits for the end of a started child. The waiting coroutine is resumed directly when it ends,
    // not from the event loop, so that a child ended while quitting still finishes its caller.
    struct Ending {
        ToolProcess *tool;
        bool await_ready() const noexcept { return tool->hasEnded(); }
        void await_suspend(std::coroutine_handle<> waiter) noexcept { tool->m_waiter = waiter; }
        void await_resume() const noexcept {}
    };

    void start(const QString &program, const QStringList &arguments);
    Ending ending() { return Ending{this}; }
    // Exited, crashed or could not be started.
    bool hasEnded() const { return m_ended; }
    bool failedToStart() const { return m_failedToStart; }
    QString errorString() const { return m_process.errorString(); }
    // The exit code; a child that died of a signal counts as a failure (non-zero).
    int exitStatus() const;
    const QByteArray &output() const { return m_output; }
    const QByteArray &error() const { return m_error; }

    // Asks a running child to end and kills it after `grace`; waits for it, and its waiter has
    // been resumed when this returns. For quitting only: it blocks.
    void endNow(std::chrono::milliseconds grace);

private:
    void readOutput();
    void readError();
    void finish();

    QProcess m_process;
    qsizetype m_outputCap;
    qsizetype m_errorCap;
    QByteArray m_output;
    QByteArray m_error;
    bool m_ended = false;
    bool m_failedToStart = false;
    std::coroutine_handle<> m_waiter;
};
