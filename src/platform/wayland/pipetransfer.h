#pragma once

#include <QByteArray>
#include <QObject>
#include <QCoroTask>
#include <chrono>

class QSocketNotifier;
class QTimer;

// Clipboard data moves between clients through pipes the compositor hands over. Both directions
// run on the event loop without blocking, and both are bounded, because the other end is another
// program that may stall, write forever or vanish.
namespace PipeTransfer {
using Clock = std::chrono::steady_clock;

struct ReadLimits {
    // The writer may pause this long between pieces before it counts as stopped.
    std::chrono::milliseconds idleTimeout{1000};
    Clock::time_point deadline = Clock::time_point::max();
    qsizetype maxSize = 64 * 1024 * 1024;
};

enum class ReadStatus { complete, timedOut, tooLarge, failed };
struct ReadResult {
    ReadStatus status = ReadStatus::failed;
    QByteArray data; // only when complete
    int error = 0;   // errno when failed
};

// Reads `fd` (taken over and closed in all cases) to its end.
QCoro::Task<ReadResult> readToEnd(int fd, ReadLimits limits);
} // namespace PipeTransfer

// Writes bytes into a file descriptor it takes over, as fast as the reader takes them, then
// closes it. A reader that takes nothing for `stallTimeout` is dropped; a reader that closed
// its end only ends the transfer (no SIGPIPE). Deletes itself when done.
class PipeWriter final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds stallTimeout{5000};

    PipeWriter(int fd, QByteArray data, QObject *parent);
    ~PipeWriter() override;

Q_SIGNALS:
    void finished(bool complete);

private:
    void writeSome();
    void finish(bool complete);

    int m_fd;
    bool m_socket = false;
    bool m_finished = false;
    QByteArray m_data;
    qsizetype m_offset = 0;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_stall = nullptr;
};
