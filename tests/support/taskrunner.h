#pragma once

#include "base/ringleerror.h"
#include "base/answerstream.h"
#include "ai/requestcancelled.h"

#include <QStringList>
#include <QCoroTask>
#include <exception>
#include <optional>

// Runs a coroutine to its end from test code (a nested event loop; never in product code) and keeps
// its result or the exception it ended with.
namespace TaskRunner {

template <typename T> struct Outcome {
    std::optional<T> value;
    std::exception_ptr error;

    std::optional<RingleError> ringleError() const
    {
        try {
            if (error)
                std::rethrow_exception(error);
        } catch (const RingleError &e) {
            return e;
        } catch (...) {
        }
        return std::nullopt;
    }
    bool wasCancelled() const
    {
        try {
            if (error)
                std::rethrow_exception(error);
        } catch (const RequestCancelled &) {
            return true;
        } catch (...) {
        }
        return false;
    }
};

template <typename T> QCoro::Task<Outcome<T>> capture(QCoro::Task<T> task)
{
    Outcome<T> outcome;
    try {
        outcome.value = co_await task;
    } catch (...) {
        outcome.error = std::current_exception();
    }
    co_return outcome;
}

template <typename T> Outcome<T> run(QCoro::Task<T> task)
{
    return QCoro::waitFor(capture(std::move(task)));
}

// A task cannot yield an exception_ptr itself, so a void task's ending travels in a struct.
struct VoidOutcome {
    std::exception_ptr error;
};

inline QCoro::Task<VoidOutcome> captureVoid(QCoro::Task<void> task)
{
    VoidOutcome outcome;
    try {
        co_await task;
    } catch (...) {
        outcome.error = std::current_exception();
    }
    co_return outcome;
}

// The exception a void task ended with, or none.
inline std::exception_ptr run(QCoro::Task<void> task)
{
    return QCoro::waitFor(captureVoid(std::move(task))).error;
}

// The error as type E if it is one, else none.
template <typename E> std::optional<E> errorAs(const std::exception_ptr &error)
{
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const E &e) {
        return e;
    } catch (...) {
    }
    return std::nullopt;
}

// The elements a stream delivered (value, always set) and how it ended (error). After `stopAfter`
// elements (if not negative) the stream is dropped.
inline QCoro::Task<Outcome<QStringList>> collect(AnswerStream &stream, int stopAfter = -1)
{
    Outcome<QStringList> outcome;
    outcome.value.emplace();
    try {
        for (auto it = co_await stream.begin(); it != stream.end(); co_await ++it) {
            outcome.value->append(*it);
            if (stopAfter >= 0 && outcome.value->size() >= stopAfter)
                break;
        }
    } catch (...) {
        outcome.error = std::current_exception();
    }
    co_return outcome;
}

inline Outcome<QStringList> runStream(AnswerStream &stream, int stopAfter = -1)
{
    return QCoro::waitFor(collect(stream, stopAfter));
}

// Runs a stream and drops it at the end.
inline Outcome<QStringList> runStream(AnswerStream &&stream, int stopAfter = -1)
{
    AnswerStream owned = std::move(stream);
    return runStream(owned, stopAfter);
}

} // namespace TaskRunner
