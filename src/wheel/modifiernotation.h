#pragma once

#include "wheel/keymodifiers.h"
#include "wheel/keyplatform.h"

#include <QString>

// The one place that turns modifier flags into text. Always in the order control, option, shift,
// command: "⌃⌥⇧⌘" on macOS; "Ctrl+Alt+Shift+Super+" on Linux, so that the key label can follow.
namespace ModifierNotation {
QString symbols(KeyModifiers modifiers, KeyPlatform platform);
constexpr KeyPlatform current()
{
    return currentKeyPlatform();
}
} // namespace ModifierNotation
