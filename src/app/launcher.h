#pragma once

#include "app/desktopbackend.h"

#include <QString>

class QApplication;
class UserDefaults;

// The tray application's start after the settings migration: hands the request to a Ringle already
// running for this display and settings file, or becomes that instance and runs until quit.
// With `openSettings` the settings window opens (in the running instance, or in this one).
namespace Launcher {
int run(QApplication &app, DesktopBackend::Kind backend, UserDefaults &defaults, const QString &settingsPath,
        bool openSettings);
} // namespace Launcher
