#pragma once

#include <QString>
#include <QCoroAsyncGenerator>
#include <functional>
#include <memory>

// A model's answer as it is written: each element is the whole visible answer so far.
// Iterate with QCORO_FOREACH or begin()/++; a failure is thrown from the step that meets it.
// Dropping the stream ends the request; cancel() ends it while a step is waiting, and that step
// then throws RequestCancelled.
class AnswerStream final {
public:
    // Lets the producer know about cancellation; shared between the stream and its producer.
    class Control final {
    public:
        bool isCancelled() const { return m_cancelled; }
        // What cancel() must interrupt right now (the pending request), or nothing.
        void setInterrupt(std::function<void()> interrupt) { m_interrupt = std::move(interrupt); }
        void cancel()
        {
            m_cancelled = true;
            if (const std::function<void()> interrupt = std::exchange(m_interrupt, {}))
                interrupt();
        }

    private:
        bool m_cancelled = false;
        std::function<void()> m_interrupt;
    };

    AnswerStream() = default;
    AnswerStream(std::shared_ptr<Control> control, QCoro::AsyncGenerator<QString> generator)
        : m_control(std::move(control))
        , m_generator(std::move(generator))
    {
    }
    AnswerStream(AnswerStream &&) noexcept = default;
    AnswerStream &operator=(AnswerStream &&) noexcept = default;

    auto begin() { return m_generator.begin(); }
    auto end() { return m_generator.end(); }
    void cancel()
    {
        if (m_control)
            m_control->cancel();
    }

private:
    // Declared first so the generator, and the request it owns, goes before the control.
    std::shared_ptr<Control> m_control;
    QCoro::AsyncGenerator<QString> m_generator;
};
