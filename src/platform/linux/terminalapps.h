#pragma once

#include "platform/keyboard.h"

#include <QString>

// Terminal emulators take Ctrl+C as an interrupt; they copy and paste with Ctrl+Shift+C/V.
namespace TerminalApps {
// Whether the application id (a desktop-entry id or a window class) is a known terminal.
bool isTerminalEmulator(const QString &appId);
// The copy and paste keys for the application: Ctrl+C/V, or Ctrl+Shift+C/V in a terminal.
KeyChord copyChord(const std::optional<RunningApp> &app);
KeyChord pasteChord(const std::optional<RunningApp> &app);
} // namespace TerminalApps
