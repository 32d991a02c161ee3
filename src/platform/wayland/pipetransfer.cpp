#include "platform/wayland/pipetransfer.h"

#include <QSocketNotifier>
#include <QCoroTimer>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr qsizetype pieceSize = 64 * 1024;
// One wake-up moves at most this much, so a peer that never pauses cannot hold the loop.
constexpr qsizetype perWakeUp = 1024 * 1024;

bool makeNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) >= 0;
}

struct FdCloser {
    int fd;
    ~FdCloser()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

enum class Drained { more, end, full, failed };

// Kept out of the coroutine so the buffer lives on the stack, not in the frame.
Drained drain(int fd, QByteArray &data, qsizetype maxSize, bool *progressed, int *error)
{
    char buffer[pieceSize];
    for (qsizetype taken = 0; taken < perWakeUp;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            return Drained::end;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                return Drained::more;
            *error = errno;
            return Drained::failed;
        }
        *progressed = true;
        if (data.size() + n > maxSize)
            return Drained::full;
        data.append(buffer, n);
        taken += n;
    }
    return Drained::more;
}

// write() on a pipe whose reader is gone raises SIGPIPE, which would end the whole program; the
// signal is held back for this thread meanwhile and taken if the write raised it.
ssize_t writeQuietly(int fd, bool socket, const char *data, size_t size)
{
    if (socket)
        return ::send(fd, data, size, MSG_NOSIGNAL | MSG_DONTWAIT);
    sigset_t pipeSignal;
    sigset_t previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    sigset_t pending;
    sigpending(&pending);
    const bool alreadyPending = sigismember(&pending, SIGPIPE) == 1;
    const ssize_t n = ::write(fd, data, size);
    const int error = errno;
    if (n < 0 && error == EPIPE && !alreadyPending) {
        const timespec none{};
        while (sigtimedwait(&pipeSignal, nullptr, &none) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = error;
    return n;
}
} // namespace

namespace PipeTransfer {
QCoro::Task<ReadResult> readToEnd(int fd, ReadLimits limits)
{
    const FdCloser closer{fd};
    ReadResult result;
    if (fd < 0 || !makeNonBlocking(fd)) {
        result.error = fd < 0 ? EBADF : errno;
        co_return result;
    }
    QSocketNotifier notifier(fd, QSocketNotifier::Read);
    QTimer wake;
    wake.setSingleShot(true);
    QObject::connect(&notifier, &QSocketNotifier::activated, &wake, [&notifier, &wake] {
        // Level-triggered: quiet until the coroutine has read what is there.
        notifier.setEnabled(false);
        wake.start(0);
    });
    QByteArray data;
    auto lastProgress = Clock::now();
    for (;;) {
        bool progressed = false;
        const Drained drained = drain(fd, data, limits.maxSize, &progressed, &result.error);
        const auto now = Clock::now();
        if (progressed)
            lastProgress = now;
        switch (drained) {
        case Drained::end:
            result.status = ReadStatus::complete;
            result.data = std::move(data);
            co_return result;
        case Drained::full:
            result.status = ReadStatus::tooLarge;
            co_return result;
        case Drained::failed:
            co_return result;
        case Drained::more:
            break;
        }
        const auto idleEnd = lastProgress + limits.idleTimeout;
        if (now >= limits.deadline || now >= idleEnd) {
            result.status = ReadStatus::timedOut;
            co_return result;
        }
        const auto wait = std::min(limits.deadline, idleEnd) - now;
        notifier.setEnabled(true);
        wake.start(std::chrono::ceil<std::chrono::milliseconds>(wait));
        co_await wake;
    }
}
} // namespace PipeTransfer

PipeWriter::PipeWriter(int fd, QByteArray data, QObject *parent)
    : QObject(parent)
    , m_fd(fd)
    , m_data(std::move(data))
{
    struct stat info {};
    m_socket = ::fstat(fd, &info) == 0 && S_ISSOCK(info.st_mode);
    m_stall = new QTimer(this);
    m_stall->setSingleShot(true);
    m_stall->setTimerType(Qt::PreciseTimer);
    m_stall->setInterval(stallTimeout);
    connect(m_stall, &QTimer::timeout, this, [this] { finish(false); });
    if (!makeNonBlocking(fd)) {
        // Still ends through the loop, so whoever connects to finished() hears of it.
        QTimer::singleShot(0, this, [this] { finish(false); });
        return;
    }
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Write, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PipeWriter::writeSome);
    m_stall->start();
}

PipeWriter::~PipeWriter()
{
    if (m_notifier)
        m_notifier->setEnabled(false);
    if (m_fd >= 0)
        ::close(m_fd);
}

void PipeWriter::writeSome()
{
    for (qsizetype written = 0; !m_finished && written < perWakeUp;) {
        if (m_offset >= m_data.size())
            return finish(true);
        const size_t size = size_t(std::min(m_data.size() - m_offset, pieceSize));
        const ssize_t n = writeQuietly(m_fd, m_socket, m_data.constData() + m_offset, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                finish(false);
            return;
        }
        m_offset += n;
        written += n;
        m_stall->start();
    }
}

void PipeWriter::finish(bool complete)
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_notifier)
        m_notifier->setEnabled(false);
    m_stall->stop();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_data.clear();
    Q_EMIT finished(complete);
    deleteLater();
}
