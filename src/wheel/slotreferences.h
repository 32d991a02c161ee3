#pragma once

#include "wheel/wheelset.h"

#include <functional>
#include <optional>

class KeyComboStore;
class PromptStore;

namespace SlotReferences {
using Known = std::function<bool(const QUuid &id)>;

// Whether the slot names a key combination or prompt that is not known.
bool refersToMissing(const WheelSlot &slot, const Known &combo, const Known &prompt);

// The ring with every slot emptied that names a key combination or prompt no longer in its store,
// so that writing back an edited copy cannot bring a removed record's slot back.
WheelTab withoutRemovedRecords(WheelTab ring, const KeyComboStore &combos, const PromptStore &prompts);

// Where the first slot is, set by set and ring by ring, that names an unknown record.
struct Dangling {
    qsizetype set = 0;
    qsizetype ring = 0;
    qsizetype slot = 0;
    bool operator==(const Dangling &) const = default;
};
std::optional<Dangling> firstDangling(const QList<WheelSet> &sets, const Known &combo, const Known &prompt);
} // namespace SlotReferences
