#pragma once

// Runs command lines one at a time: a command that waits (a timer, a pipe) holds back the next,
// so every command gets its reply line before the next one starts.
#include <QByteArray>
#include <QList>

#include <functional>
#include <utility>

#include "stdinlines.h"

class CommandQueue final {
public:
    // `run` gets each line and must call reply() exactly once, at once or later (quit need not).
    explicit CommandQueue(std::function<void(const QByteArray &line)> run)
        : m_run(std::move(run))
        , m_input([this](const QByteArray &line) {
            m_lines.append(line);
            next();
        })
    {}

    void reply(const QByteArray &line)
    {
        replyLine(line);
        m_busy = false;
        next();
    }

private:
    void next()
    {
        // A reply given inside run() lets the loop below go on once run() has returned.
        if (m_running)
            return;
        m_running = true;
        while (!m_busy && !m_lines.isEmpty()) {
            m_busy = true;
            m_run(m_lines.takeFirst());
        }
        m_running = false;
    }

    std::function<void(const QByteArray &)> m_run;
    StdinLines m_input;
    QList<QByteArray> m_lines;
    bool m_busy = false;
    bool m_running = false;
};
