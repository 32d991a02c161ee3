#pragma once

#include "base/sentenceerror.h"

// Why a configuration could not be exported or imported: one sentence for the user, already
// translated, the same on the command line and in the settings window.
class ConfigTransferError final : public SentenceError {
public:
    using SentenceError::SentenceError;
};
