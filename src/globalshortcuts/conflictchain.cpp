#include "globalshortcuts/conflictchain.h"

#include "globalshortcuts/recordertexts.h"

namespace GlobalShortcuts {

namespace {

std::optional<ConflictStep> conflict(ConflictBehavior behavior, QString title, QString message, ConflictCheck next)
{
    if (behavior == ConflictBehavior::allow)
        return std::nullopt;
    const auto kind = behavior == ConflictBehavior::warn ? ConflictStep::Kind::warn : ConflictStep::Kind::block;
    return ConflictStep{kind, std::move(title), std::move(message), next};
}

} // namespace

ConflictStep checkConflicts(const ConflictPolicy &policy, ConflictCheck from, const ConflictQuestions &ask)
{
    if (from == ConflictCheck::menu && ask.menuItem) {
        if (const std::optional<QString> title = ask.menuItem()) {
            if (auto step = conflict(policy.menuItem, RecorderTexts::usedByMenuItem(*title), QString(),
                                     ConflictCheck::system))
                return *step;
        }
    }
    // There is no platform rule on X11 that refuses shortcuts, so `disallowed` never applies here.
    if (from != ConflictCheck::validation && ask.takenBySystem && ask.takenBySystem()) {
        // X11 gives a key to one client only: a key another program holds could be stored but would
        // never fire, so warning is not enough.
        const ConflictBehavior behavior =
            policy.systemShortcut == ConflictBehavior::warn ? ConflictBehavior::block : policy.systemShortcut;
        if (auto step = conflict(behavior, RecorderTexts::text("keyboard_shortcut_used_by_system"),
                                 RecorderTexts::text("keyboard_shortcuts_can_be_changed"), ConflictCheck::validation))
            return *step;
    }
    if (ask.validate) {
        if (const ValidationResult result = ask.validate(); !result.allowed)
            return {ConflictStep::Kind::block, result.reason, QString(), ConflictCheck::validation};
    }
    return {};
}

} // namespace GlobalShortcuts
