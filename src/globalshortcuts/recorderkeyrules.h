#pragma once

#include "globalshortcuts/shortcut.h"

#include <Qt>
#include <optional>

namespace GlobalShortcuts::RecorderKeyRules {

enum class Outcome {
    ignore,        // a modifier key on its own: wait for the real key
    moveFocus,     // Tab (or Shift+Tab): recording ends and focus moves on
    clearShortcut, // Backspace or Delete alone: the shortcut is removed, recording goes on
    endRecording,  // Escape alone: the old shortcut stays
    reject,        // beep; nothing is stored and recording goes on
    candidate,     // a shortcut to check for conflicts
};

struct Decision {
    Outcome outcome = Outcome::reject;
    std::optional<Shortcut> candidate;
};

// What a key press means while recording. A key without Ctrl, Alt or Super must be F1–F35;
// `key` is the pressed key, if the product has a code for it.
Decision decide(int qtKey, Qt::KeyboardModifiers modifiers, std::optional<Key> key);

} // namespace GlobalShortcuts::RecorderKeyRules
