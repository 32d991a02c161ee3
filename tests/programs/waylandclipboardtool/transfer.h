#pragma once

// Clipboard bytes through pipes on the event loop, so a slow peer never blocks the program.
#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <functional>

// Writes the bytes to fd as fast as its reader takes them, closes it and deletes itself.
class PipeWriter final : public QObject {
public:
    PipeWriter(const QByteArray &bytes, int fd, QObject *parent);
    ~PipeWriter() override;

private:
    void write();
    void finish();

    QByteArray m_bytes;
    qsizetype m_written = 0;
    int m_fd;
    QSocketNotifier m_notifier;
};

// Reads fd to its end, for at most timeoutMs; then tells `done` (error empty when complete),
// closes fd and deletes itself.
class PipeReader final : public QObject {
public:
    using Done = std::function<void(const QByteArray &bytes, const QByteArray &error)>;
    PipeReader(int fd, int timeoutMs, Done done, QObject *parent);
    ~PipeReader() override;

private:
    void read();
    void finish(const QByteArray &error);

    QByteArray m_bytes;
    int m_fd;
    QSocketNotifier m_notifier;
    QTimer m_timeout;
    Done m_done;
};
