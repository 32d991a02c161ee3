// The older ring list ("wheelTabs"), read once and turned into sets: refused with JsonDecodeError
// only; what is accepted migrates into a usable, writable configuration.
#include "fuzzsupport.h"

#include "wheel/jsondecodeerror.h"
#include "wheel/legacywheeltabs.h"
#include "wheel/wheelstore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<LegacyWheelTabs::LegacyTab> legacy;
    try {
        legacy = LegacyWheelTabs::decode(fuzzBytes(data, size));
    } catch (const JsonDecodeError &) {
        return 0;
    }
    const QList<WheelSet> sets = LegacyWheelTabs::migrate(legacy, WheelStore::maximumSets);
    FUZZ_CHECK(!sets.isEmpty() && sets.size() <= WheelStore::maximumSets);
    FUZZ_CHECK(!sets.first().rings.isEmpty());
    FUZZ_CHECK(WheelSet::decodeList(WheelSet::encodeList(sets)) == sets);
    return 0;
}
