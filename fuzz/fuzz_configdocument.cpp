// The file `ringle config import` reads: refused with ConfigTransferError only; what is accepted
// reads back the same after it is written, and merging it into itself either is refused or leaves
// no repeated id and no slot naming a record that is not there.
#include "fuzzsupport.h"

#include "wheel/configdocument.h"
#include "wheel/configimport.h"
#include "wheel/configtransfererror.h"
#include "wheel/slotreferences.h"

#include <QSet>
#include <algorithm>

namespace {
template <typename T> bool uniqueIds(const QList<T> &records)
{
    QSet<QUuid> ids;
    for (const T &record : records)
        ids.insert(record.id);
    return ids.size() == records.size();
}

template <typename T> bool holds(const QList<T> &records, const QUuid &id)
{
    return std::any_of(records.begin(), records.end(), [&](const T &record) { return record.id == id; });
}

void checkWhole(const ConfigContents &contents)
{
    FUZZ_CHECK(uniqueIds(contents.sets));
    FUZZ_CHECK(uniqueIds(contents.combos));
    FUZZ_CHECK(uniqueIds(contents.prompts));
    QList<WheelTab> rings;
    for (const WheelSet &set : contents.sets)
        rings.append(set.rings);
    FUZZ_CHECK(uniqueIds(rings));
    FUZZ_CHECK(!SlotReferences::firstDangling(
        contents.sets, [&](const QUuid &id) { return holds(contents.combos, id); },
        [&](const QUuid &id) { return holds(contents.prompts, id); }));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ConfigContents file;
    try {
        file = ConfigDocument::decode(fuzzBytes(data, size));
    } catch (const ConfigTransferError &refusal) {
        FUZZ_CHECK(!refusal.message().isEmpty());
        return 0;
    }
    FUZZ_CHECK(ConfigDocument::decode(ConfigDocument::encode(file)) == file);

    const ConfigImport::Prepared prepared = ConfigImport::prepare(file, file);
    FUZZ_CHECK(prepared.merge.plan || !prepared.merge.refusal.isEmpty());
    FUZZ_CHECK(prepared.replace.plan || !prepared.replace.refusal.isEmpty());
    if (prepared.merge.plan) {
        const ConfigContents &merged = prepared.merge.plan->result;
        FUZZ_CHECK(merged.sets.size() == 2 * file.sets.size());
        FUZZ_CHECK(merged.combos.size() == 2 * file.combos.size());
        FUZZ_CHECK(merged.prompts.size() == 2 * file.prompts.size());
        checkWhole(merged);
    }
    if (prepared.replace.plan)
        checkWhole(prepared.replace.plan->result);
    return 0;
}
