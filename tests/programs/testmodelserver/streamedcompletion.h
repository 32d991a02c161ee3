#pragma once

#include "cannedresponse.h"

#include <optional>

// A canned whole chat completion in the form a server streams it when the request asks for a
// stream: server-sent events of a few words each, `gapMs` apart, then [DONE]. Nothing for any
// other response (errors, event streams already, raw or broken ones), which is sent as it is.
std::optional<CannedResponse> streamedCompletion(const CannedResponse &response, int gapMs);
