#include "wheel/slotreferences.h"

#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"

namespace SlotReferences {
WheelTab withoutRemovedRecords(WheelTab ring, const KeyComboStore &combos, const PromptStore &prompts)
{
    for (WheelSlot &slot : ring.slots) {
        if (!slot)
            continue;
        const bool removed = (slot->kind() == WheelItem::Kind::customKeys && !combos.combo(slot->recordID()))
                             || (slot->kind() == WheelItem::Kind::customPrompt && !prompts.prompt(slot->recordID()));
        if (removed)
            slot.reset();
    }
    return ring;
}
} // namespace SlotReferences
