#pragma once

#include "keys/keymodifiers.h"
#include "platform/scrollinput.h"

#include <QPointF>
#include <QtGlobal>
#include <functional>
#include <optional>

// A mouse event seen by the tap. Buttons are numbered as the trigger counts them: 0 primary,
// 1 secondary (right), 2 middle, 3 and 4 the side buttons.
struct MouseTapEvent {
    enum class Type {
        // The desktop stopped delivering for a while; a gesture in progress is lost.
        tapDisabled,
        buttonDown,
        buttonDragged,
        buttonUp,
        scrollWheel,
        other,
    };

    Type type = Type::other;
    qint64 button = 0;
    // Held with the event; lock keys do not count.
    KeyModifiers modifiers;
    // Desktop coordinates, y pointing down.
    QPointF location;
    std::optional<ScrollInput> scroll;
};

// The system-wide source of the mouse trigger's events. Events reach the handler on the main
// thread; a handler answering true swallows the event, so the application below never sees it.
class MouseTap {
public:
    using Handler = std::function<bool(const MouseTapEvent &event)>;

    // The gesture worth watching: a button with exactly these modifiers.
    struct Trigger {
        qint64 button = 1;
        KeyModifiers modifiers;
        friend bool operator==(const Trigger &, const Trigger &) = default;
    };

    virtual ~MouseTap() = default;

    virtual void setHandler(Handler handler) = 0;
    // Starts watching presses, drags and releases of the trigger (none: watch nothing). A desktop
    // that cannot see every event catches only these. False when it cannot watch now; try again later.
    virtual bool watch(const std::optional<Trigger> &trigger) = 0;
    // While on, scroll events go to the handler and no further.
    virtual void setScrollCapture(bool on) = 0;
};
