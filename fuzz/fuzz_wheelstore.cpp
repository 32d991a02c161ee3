// The wheel store loading whatever is stored: the bytes before the first NUL under "wheelSets", the
// rest (if any) under the older "wheelTabs". The store always ends up with something to show, and
// after an edit it reads back what it wrote.
#include "fuzzsupport.h"

#include "platform/fake/memorydefaults.h"
#include "wheel/wheelstore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzBytes(data, size);
    const qsizetype split = input.indexOf('\0');
    MemoryDefaults defaults;
    defaults.setData(QStringLiteral("wheelSets"), input.left(split < 0 ? input.size() : split));
    if (split >= 0)
        defaults.setData(QStringLiteral("wheelTabs"), input.mid(split + 1));

    WheelStore store(defaults);
    FUZZ_CHECK(!store.sets().isEmpty());
    for (const WheelSet &set : store.sets())
        FUZZ_CHECK(!store.ringsToShow(set, [] { return true; }).isEmpty());
    const WheelSet chosen = store.chooseSet([] { return std::optional<QString>(QStringLiteral("docs.example.org")); },
                                            QStringLiteral("org.example.Editor"));
    FUZZ_CHECK(store.set(chosen.id).has_value());

    store.addSet();
    WheelStore reloaded(defaults);
    FUZZ_CHECK(reloaded.sets() == store.sets());
    return 0;
}
