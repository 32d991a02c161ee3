#pragma once

#include <exception>

// A request to a model was cancelled by its caller. Not a failure to show: callers let it pass silently.
class RequestCancelled final : public std::exception {
public:
    const char *what() const noexcept override { return "The request was cancelled."; }
};
