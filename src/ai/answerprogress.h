#pragma once

#include "base/answerstream.h"

#include <QString>
#include <exception>
#include <functional>

// Thrown by a streamed run that the user stopped: what had been written, cleaned, is kept.
class AnswerStopped final : public std::exception {
public:
    explicit AnswerStopped(QString written)
        : m_written(std::move(written))
    {
    }
    const QString &written() const { return m_written; }
    const char *what() const noexcept override { return "The answer was stopped."; }

private:
    QString m_written;
};

// Asks a run for a streamed answer and hears it as it is written. The checks that need the whole
// answer still run at its end, so what is shown meanwhile is only a preview. A retry writes anew:
// `written` then starts again from its first words.
class AnswerProgress final {
public:
    // The whole visible answer so far, cleaned as far as a part can be.
    std::function<void(const QString &written)> written;

    // Ends the answer where it is; the run then throws AnswerStopped with what was written.
    void stop()
    {
        m_stopped = true;
        if (m_stream)
            m_stream->cancel();
    }
    bool isStopped() const { return m_stopped; }

    // The stream being read, so stop() can end its pending step; the run sets and clears it.
    void follow(AnswerStream *stream) { m_stream = stream; }

private:
    bool m_stopped = false;
    AnswerStream *m_stream = nullptr;
};
