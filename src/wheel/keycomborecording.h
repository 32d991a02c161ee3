#pragma once

#include "wheel/keycombo.h"

#include <QString>
#include <Qt>
#include <optional>

// What the key-combination editor does with one key press while it records.
namespace KeyComboRecording {
enum class Outcome {
    passOn, // the key acts as usual (Tab alone moves the focus)
    stop,   // recording ends without a new combination (Escape alone)
    wait,   // swallowed, recording goes on (a modifier pressed alone)
    reject, // swallowed with a beep: the key has no virtual key code
    record, // the press is the new combination
};

struct Decision {
    Outcome outcome = Outcome::passOn;
    std::optional<KeyCombo> combo; // for `record`: empty title, code, modifiers and label
};

// `key` is the pressed key, if the product has a code for it; `character` what the key types with no
// modifier applied.
Decision decide(int qtKey, Qt::KeyboardModifiers held, std::optional<Key> key, const QString &character);
} // namespace KeyComboRecording
