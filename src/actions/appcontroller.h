#pragma once

#include "actions/actionrunner.h"
#include "actions/gesturewiring.h"
#include "actions/slotdispatcher.h"

#include <QObject>

class WheelItem;
struct SessionParts;

// Turns the user's gestures into actions: connects the wheel's gestures to the running of the chosen
// slot, and that to the rules every action runs under.
// Main thread only.
class AppController final : public QObject {
    Q_OBJECT
public:
    // The parts must outlive the controller.
    explicit AppController(SessionParts &parts, QObject *parent = nullptr);
    ~AppController() override;

    // Attaches the wheel to the shortcut and to the mouse trigger, and starts the trigger.
    void start();
    // Runs a slot's action as if it had been chosen on the wheel.
    void run(const WheelItem &item);
    // The wheel's shortcut pressed or released where the desktop tells Ringle by a command
    // (`ringle wheel press`) instead of a key it binds itself.
    void wheelCommand(bool pressed) { m_gestures.shortcutEvent(pressed); }
    void wheelToggle() { m_gestures.shortcutToggled(); }

private:
    SessionParts &m_parts;
    ActionRunner m_runner;
    SlotDispatcher m_slots;
    GestureWiring m_gestures;
};
