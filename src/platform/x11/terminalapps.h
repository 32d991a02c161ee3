#pragma once

#include <QString>

// Terminal emulators take Ctrl+C as an interrupt; they copy and paste with Ctrl+Shift+C/V.
namespace TerminalApps {
// Whether the application id (a desktop-entry id or a window class) is a known terminal.
bool isTerminalEmulator(const QString &appId);
} // namespace TerminalApps
