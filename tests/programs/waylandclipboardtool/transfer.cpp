#include "transfer.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {
void setNonBlocking(int fd)
{
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0)
        fcntl(fd, F_SETFL, flags | O_NONBLOCK);
}
} // namespace

PipeWriter::PipeWriter(const QByteArray &bytes, int fd, QObject *parent)
    : QObject(parent)
    , m_bytes(bytes)
    , m_fd(fd)
    , m_notifier(fd, QSocketNotifier::Write)
{
    setNonBlocking(fd);
    connect(&m_notifier, &QSocketNotifier::activated, this, &PipeWriter::write);
    write();
}

PipeWriter::~PipeWriter()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void PipeWriter::write()
{
    while (m_written < m_bytes.size()) {
        const ssize_t n = ::write(m_fd, m_bytes.constData() + m_written, size_t(m_bytes.size() - m_written));
        if (n > 0) {
            m_written += n;
        } else if (n < 0 && errno == EAGAIN) {
            return;
        } else if (n == 0 || errno != EINTR) {
            // The reader is gone (SIGPIPE is ignored): nothing more to do for it.
            break;
        }
    }
    finish();
}

void PipeWriter::finish()
{
    m_notifier.setEnabled(false);
    ::close(m_fd);
    m_fd = -1;
    deleteLater();
}

PipeReader::PipeReader(int fd, int timeoutMs, Done done, QObject *parent)
    : QObject(parent)
    , m_fd(fd)
    , m_notifier(fd, QSocketNotifier::Read)
    , m_done(std::move(done))
{
    setNonBlocking(fd);
    connect(&m_notifier, &QSocketNotifier::activated, this, &PipeReader::read);
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this,
            [this, timeoutMs] { finish("the owner did not finish within " + QByteArray::number(timeoutMs) + " ms"); });
    m_timeout.start(timeoutMs);
}

PipeReader::~PipeReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void PipeReader::read()
{
    char buffer[65536];
    // Back to the event loop now and then, so an endless writer still meets the time-out.
    for (int chunk = 0; chunk < 16; ++chunk) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0)
            m_bytes.append(buffer, n);
        else if (n == 0)
            return finish({});
        else if (errno == EAGAIN)
            return;
        else if (errno != EINTR)
            return finish(QByteArray("cannot read: ") + std::strerror(errno));
    }
}

void PipeReader::finish(const QByteArray &error)
{
    m_notifier.setEnabled(false);
    m_timeout.stop();
    ::close(m_fd);
    m_fd = -1;
    deleteLater();
    // Last: the callback may start the next reader or reply and go on with other commands.
    const Done done = std::move(m_done);
    done(m_bytes, error);
}
