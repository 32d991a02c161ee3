#pragma once

#include "base/answerstream.h"

#include <QString>
#include <QCoroTask>
#include <exception>
#include <memory>
#include <optional>

// The operating system's own language model, where there is one.

struct OnDeviceAvailability {
    bool available = false;
    QString reason; // why not, in words the user can act on; empty when available
};

struct OnDeviceGenerationOptions {
    std::optional<double> temperature; // nothing: the model's default
    std::optional<int> maximumResponseTokens; // nothing: no limit
};

// The conversation no longer fits the model's context window.
class ContextWindowExceeded final : public std::exception {
public:
    const char *what() const noexcept override { return "The context window of the on-device model is full."; }
};

// One conversation with the model under fixed instructions; it remembers earlier turns.
// Failures are ContextWindowExceeded, RequestCancelled, or errors carrying their own message.
class OnDeviceSession {
public:
    virtual ~OnDeviceSession() = default;
    virtual QCoro::Task<QString> respond(QString prompt, OnDeviceGenerationOptions options) = 0;
    // Each element is the whole answer so far.
    virtual AnswerStream streamResponse(QString prompt, OnDeviceGenerationOptions options) = 0;
};

class OnDeviceModel {
public:
    virtual ~OnDeviceModel() = default;
    virtual OnDeviceAvailability availability() const = 0;
    // A new session for general use with permissive content transformations and no tools.
    virtual std::unique_ptr<OnDeviceSession> makeSession(const QString &instructions) = 0;
};
