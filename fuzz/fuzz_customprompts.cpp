// The user's prompts ("customPrompts"): refused with JsonDecodeError only; what is accepted reads
// back the same after it is written.
#include "fuzzsupport.h"

#include "wheel/customprompt.h"
#include "wheel/jsondecodeerror.h"
#include "wheel/jsonfields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<CustomPrompt> prompts;
    try {
        prompts = JsonFields::decodeArray<CustomPrompt>(fuzzBytes(data, size), &CustomPrompt::fromJson);
    } catch (const JsonDecodeError &) {
        return 0;
    }
    for (const CustomPrompt &prompt : prompts)
        FUZZ_CHECK(!prompt.title().isEmpty());
    FUZZ_CHECK(JsonFields::decodeArray<CustomPrompt>(JsonFields::encodeArray(prompts), &CustomPrompt::fromJson)
               == prompts);
    return 0;
}
