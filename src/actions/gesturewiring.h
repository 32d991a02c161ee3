#pragma once

#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>

struct SessionParts;
class WheelItem;

// Opens the wheel from the shortcut or the mouse trigger and hands on the slot chosen when it closes.
// While an action that must not overlap runs, or the Ask window writes an answer, the wheel stays
// closed: the window has the focus, so the wheel's actions would act on it.
class GestureWiring final : public QObject {
    Q_OBJECT
public:
    using RunSlot = std::function<void(const WheelItem &)>;

    GestureWiring(SessionParts &parts, RunSlot runSlot);

    // Attaches the wheel to the shortcut and to the mouse trigger, and starts the trigger.
    void start();
    // The wheel's shortcut went down or up.
    void shortcutEvent(bool pressed);
    // For a shortcut that reports only its presses: the first opens the wheel, the next closes it.
    void shortcutToggled();

private:
    void openWheel(std::optional<QPointF> point);
    void closeWheel(std::optional<QPointF> point);

    SessionParts &m_parts;
    RunSlot m_runSlot;
};
