#pragma once

#include <QString>

namespace GlobalShortcuts {

// What the recorder does when a new shortcut collides with something.
enum class ConflictBehavior { block, warn, allow };

struct ConflictPolicy {
    ConflictBehavior menuItem = ConflictBehavior::block;     // a key equivalent of the app's menu
    ConflictBehavior systemShortcut = ConflictBehavior::warn; // a shortcut the desktop or another app holds
    ConflictBehavior disallowed = ConflictBehavior::block;   // a shortcut the platform does not allow

    static constexpr ConflictPolicy defaultPolicy() { return {}; }
    static constexpr ConflictPolicy allowAll()
    {
        return {ConflictBehavior::allow, ConflictBehavior::allow, ConflictBehavior::allow};
    }
    bool operator==(const ConflictPolicy &) const = default;
};

// The answer of a recorder's validation hook.
struct ValidationResult {
    bool allowed = true;
    QString reason; // shown as the alert's title when disallowed

    static ValidationResult allow() { return {}; }
    static ValidationResult disallow(QString reason) { return {false, std::move(reason)}; }
};

} // namespace GlobalShortcuts
