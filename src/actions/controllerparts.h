#pragma once

#include "platform/platform.h"

#include <functional>

class ActionWheel;
class AskOpener;
class AIEngine;
class CaretLocator;
class ControllerStatus;
class ResultPanel;
class KeyComboStore;
class MouseWheelTrigger;
class PromptStore;
class ShortcutsCLI;
class TextReplacer;
class UserDefaults;
namespace GlobalShortcuts {
class Registry;
}

// What the action controller works with. Every part must outlive the controller.
struct ControllerParts {
    Platform platform;
    ControllerStatus &status;
    GlobalShortcuts::Registry &shortcuts;
    ActionWheel &wheel;
    MouseWheelTrigger &mouseTrigger;
    ResultPanel &resultPanel;
    CaretLocator &caret;
    TextReplacer &replacer;
    AIEngine &engine;
    PromptStore &prompts;
    KeyComboStore &combos;
    ShortcutsCLI &shortcutsCLI;
    const UserDefaults &defaults;
    // Whether other applications may be read and typed into; none means always.
    std::function<bool()> isTrusted;
    // The Ask window; none leaves Ask slots unavailable.
    AskOpener *ask = nullptr;
};
