#pragma once

#include "wheel/wheeltab.h"

class KeyComboStore;
class PromptStore;

namespace SlotReferences {
// The ring with every slot emptied that names a key combination or prompt no longer in its store,
// so that writing back an edited copy cannot bring a removed record's slot back.
WheelTab withoutRemovedRecords(WheelTab ring, const KeyComboStore &combos, const PromptStore &prompts);
} // namespace SlotReferences
