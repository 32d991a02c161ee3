#pragma once

#include "platform/desktopcapability.h"

#include <QString>
#include <functional>

class AccessibilitySwitch;
class AIEngine;
class ControllerStatus;
class KeyboardLayout;
class LocalModelClient;
class QMenu;
class UserDefaults;

namespace GlobalShortcuts {
class Registry;
}

// What the settings tabs work with, handed in by the app so that no tab reaches into the session.
// Everything outlives the settings window.
struct SettingsContext {
    UserDefaults &defaults;
    GlobalShortcuts::Registry &shortcuts;
    const KeyboardLayout &keyboardLayout;
    AIEngine &engine;
    LocalModelClient &models;
    AccessibilitySwitch &accessibility;
    ControllerStatus &controller;
    // The tray's menu: a recorded shortcut must not repeat one of its items. May be null.
    QMenu *trayMenu = nullptr;
    // "Start Ringle at login", where the app offers it: whether it is on, and switching it (the
    // reason it failed, or empty).
    std::function<bool()> startsAtLogin;
    std::function<QString(bool)> setStartsAtLogin;
    // What this desktop offers of the shortcut, the mouse trigger and the rest (the lines of
    // `ringle doctor`); none where the app does not tell.
    std::function<QList<DesktopCapability>()> desktopCapabilities = {};
};
