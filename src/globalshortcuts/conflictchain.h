#pragma once

#include "globalshortcuts/conflictpolicy.h"

#include <QString>
#include <functional>
#include <optional>

namespace GlobalShortcuts {

// The checks a recorded shortcut goes through, in this order.
enum class ConflictCheck { menu, system, validation };

// What the recorder does with a candidate: take it, or show an alert that blocks it or warns and
// lets the user take it anyway (the chain then goes on with `next`).
struct ConflictStep {
    enum class Kind { accept, block, warn };
    Kind kind = Kind::accept;
    QString title;
    QString message;
    ConflictCheck next = ConflictCheck::validation;
    bool operator==(const ConflictStep &) const = default;
};

// What the chain asks about the candidate; each is asked only when its check is reached.
struct ConflictQuestions {
    // The title of the menu item whose shortcut the candidate repeats; none when there is none.
    std::function<std::optional<QString>()> menuItem;
    std::function<bool()> takenBySystem;
    // The validation hook; none allows everything.
    std::function<ValidationResult()> validate;
};

// Runs the checks from `from` on, passing over those the policy allows.
ConflictStep checkConflicts(const ConflictPolicy &policy, ConflictCheck from, const ConflictQuestions &ask);

} // namespace GlobalShortcuts
