// Stored wheel sets ("wheelSets"): bad data is refused with JsonDecodeError only, and what is
// accepted reads back the same after it is written.
#include "fuzzsupport.h"

#include "wheel/jsondecodeerror.h"
#include "wheel/wheelset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<WheelSet> sets;
    try {
        sets = WheelSet::decodeList(fuzzBytes(data, size));
    } catch (const JsonDecodeError &) {
        return 0;
    }
    for (const WheelSet &set : sets)
        FUZZ_CHECK(!set.displayTitle().isEmpty());
    FUZZ_CHECK(WheelSet::decodeList(WheelSet::encodeList(sets)) == sets);
    return 0;
}
