#include "wheel/slotreferences.h"

#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"

namespace SlotReferences {
bool refersToMissing(const WheelSlot &slot, const Known &combo, const Known &prompt)
{
    if (!slot)
        return false;
    return (slot->kind() == WheelItem::Kind::customKeys && !combo(slot->recordID()))
           || (slot->kind() == WheelItem::Kind::customPrompt && !prompt(slot->recordID()));
}

WheelTab withoutRemovedRecords(WheelTab ring, const KeyComboStore &combos, const PromptStore &prompts)
{
    const Known combo = [&](const QUuid &id) { return combos.combo(id).has_value(); };
    const Known prompt = [&](const QUuid &id) { return prompts.prompt(id).has_value(); };
    for (WheelSlot &slot : ring.slots) {
        if (refersToMissing(slot, combo, prompt))
            slot.reset();
    }
    return ring;
}

std::optional<Dangling> firstDangling(const QList<WheelSet> &sets, const Known &combo, const Known &prompt)
{
    for (qsizetype s = 0; s < sets.size(); ++s) {
        const QList<WheelTab> &rings = sets.at(s).rings;
        for (qsizetype r = 0; r < rings.size(); ++r) {
            const QList<WheelSlot> &slots = rings.at(r).slots;
            for (qsizetype i = 0; i < slots.size(); ++i) {
                if (refersToMissing(slots.at(i), combo, prompt))
                    return Dangling{s, r, i};
            }
        }
    }
    return std::nullopt;
}
} // namespace SlotReferences
