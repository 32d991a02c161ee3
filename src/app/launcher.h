#pragma once

#include <QStringList>

class QApplication;
class UserDefaults;

// The tray application's start after the settings migration: hands the request to a Ringle already
// running for this display and settings file, or becomes that instance and runs until quit.
// `arguments` are the words after the program name: none, or "--settings" to open the settings.
namespace Launcher {
int run(QApplication &app, UserDefaults &defaults, const QString &settingsPath, const QStringList &arguments);
} // namespace Launcher
