#pragma once

#include "actions/shortcutinfo.h"
#include "ui/wheelfacepainter.h"

#include <QCoroTask>
#include <QList>
#include <QString>
#include <functional>

class AppChoices;
class AppIcons;
class KeyboardLayout;
class KeyComboStore;
class PromptStore;
class WheelItemDisplay;
class WheelStore;

namespace GlobalShortcuts {
class Registry;
}

// What the Action Wheel tab works with; everything outlives the tab.
struct WheelSettingsParts {
    WheelStore &store;
    KeyComboStore &combos;
    PromptStore &prompts;
    const WheelItemDisplay &display;
    AppChoices &apps;
    AppIcons &appIcons;
    // Labels and images of slots for the ring preview.
    WheelFacePainter::LabelSource labels;
    // The Shortcuts tool's folders; without it the Shortcuts menu says that none were found.
    std::function<QCoro::Task<QList<ShortcutFolder>>()> loadShortcutFolders;
    // Recording a key combination: the keys' codes, and the hot keys to pause meanwhile (may be null).
    const KeyboardLayout &keyboardLayout;
    GlobalShortcuts::Registry *hotKeys = nullptr;
    // The settings file that an import keeps its backup next to; without it, imports are refused.
    QString settingsFile = {};
};
