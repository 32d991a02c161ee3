#pragma once

#include "base/sentenceerror.h"

// Thrown by the configuration decoders when stored JSON does not have the expected form.
// Callers that fall back to defaults catch it; `ringle config set` shows its message.
class JsonDecodeError final : public SentenceError {
public:
    using SentenceError::SentenceError;
};
