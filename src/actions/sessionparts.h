#pragma once

#include "actions/applookup.h"
#include "actions/resultpanel.h"
#include "actions/shortcutscli.h"
#include "actions/textreplacer.h"
#include "ai/aiengine.h"
#include "ai/localmodelclient.h"
#include "caret/caretlocator.h"
#include "globalshortcuts/registry.h"
#include "platform/platform.h"
#include "wheel/actionwheel.h"
#include "wheel/keycombostore.h"
#include "wheel/mousewheeltrigger.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitemdisplay.h"
#include "wheel/wheelstore.h"

class AskOpener;
class ControllerStatus;
class MenuTracker;

// A session's core, joined over one backend's ports: caret, text replacer, model engine, stores,
// shortcuts, the wheel with its mouse trigger and the result panel; what the action controller works
// with. The application, the wheel demo and the tests make it the same way and add the windows it
// shows in. Members are declared in the order they depend on each other, so they are made and
// destroyed in a safe order.
struct SessionParts {
    // The windows the wheel and the result panel show in, and what tests change.
    struct Views {
        ActionWheel::PanelFactory wheelPanel;
        ResultPanel::PanelFactory resultPanel;
        // The application's menus, which hold the shortcuts back while open; none in tests.
        MenuTracker *menus = nullptr;
        // Whether other applications may be read and typed into; none means always.
        std::function<bool()> isTrusted = {};
        QString shortcutsTool = ShortcutsCLI::locateTool();
        ResultPanel::Timings resultTimings = {};
    };

    // The platform's backend and the status must outlive the parts.
    SessionParts(Platform platform, UserDefaults &defaults, ControllerStatus &status, Views views);

    Platform platform;
    UserDefaults &defaults;
    ControllerStatus &status;
    const std::function<bool()> isTrusted;
    // The Ask window, set once it is made; none leaves Ask slots unavailable.
    AskOpener *ask = nullptr;
    CaretLocator caret;
    TextReplacer replacer;
    // Made before the controller and gone after it: a script still running at quit is ended
    // here, and its run finishes (folder removed, clipboard restored) while the replacer lives.
    ShortcutsCLI shortcutsCLI;
    LocalModelClient localModels;
    AIEngine engine;
    WheelStore store;
    KeyComboStore combos;
    PromptStore prompts;
    AppLookup apps;
    WheelItemDisplay display;
    GlobalShortcuts::Registry shortcuts;
    MouseWheelTrigger mouseTrigger;
    ActionWheel wheel;
    ResultPanel resultPanel;
};
