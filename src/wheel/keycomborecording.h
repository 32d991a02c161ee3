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

// Control, Alt, Shift and Super as the stored modifier flags.
KeyModifiers modifiers(Qt::KeyboardModifiers held);

// `keyCode` is the press's virtual key code, if the product has one for it; `character` what the
// key types with no modifier applied.
Decision decide(int qtKey, Qt::KeyboardModifiers held, std::optional<int> keyCode, const QString &character);
} // namespace KeyComboRecording
