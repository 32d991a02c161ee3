#pragma once

#include <QString>
#include <optional>

// The Ask window as the controller sees it.
class AskOpener {
public:
    virtual ~AskOpener() = default;
    // Replaces any open chat with a new one about `context` (none: about anything).
    virtual void open(std::optional<QString> context) = 0;
    // Whether the open chat is writing an answer.
    virtual bool isAnswering() const = 0;
};
