#pragma once

// Test programs take their commands as lines on stdin; a closed stdin means the test is gone.
#include <QByteArray>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <functional>
#include <utility>
#include <unistd.h>

class StdinLines final {
public:
    explicit StdinLines(std::function<void(const QByteArray &line)> onLine)
        : m_onLine(std::move(onLine))
        , m_notifier(STDIN_FILENO, QSocketNotifier::Read)
    {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, [this] { read(); });
    }

    void setEnabled(bool enabled) { m_notifier.setEnabled(enabled); }

private:
    void read()
    {
        static char buffer[1 << 20];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            m_notifier.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        // Lines can be megabytes of clipboard content: search only the bytes just read.
        const qsizetype from = m_pending.size();
        m_pending.append(buffer, n);
        for (qsizetype nl = m_pending.indexOf('\n', from); nl >= 0; nl = m_pending.indexOf('\n')) {
            const QByteArray line = m_pending.left(nl);
            m_pending.remove(0, nl + 1);
            m_onLine(line);
        }
    }

    std::function<void(const QByteArray &)> m_onLine;
    QSocketNotifier m_notifier;
    QByteArray m_pending;
};

// "name rest of line" -> {name, rest}.
inline std::pair<QByteArray, QByteArray> splitCommand(const QByteArray &line)
{
    const qsizetype space = line.indexOf(' ');
    return space < 0 ? std::pair{line, QByteArray()} : std::pair{line.left(space), line.mid(space + 1)};
}

// One answer line on stdout, flushed at once because the test waits for it.
inline void replyLine(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
