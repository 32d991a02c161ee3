#pragma once

#include "platform/mousetap.h"

#include <QObject>
#include <optional>

class SwayBindings;
class WaylandSeat;

// The mouse trigger on Wayland: the button with its modifiers bound in sway for the whole window
// (so the click is swallowed), its drag seen on the wheel's surface, and scrolling taken from that
// surface while the wheel is open. Without sway nothing can bind a button, and nothing is watched.
class WaylandMouseTap final : public QObject, public MouseTap {
    Q_OBJECT
public:
    // Where the pointer is as far as Ringle knows, desktop coordinates y down (the screens' answer,
    // so the drag is measured from where the wheel thinks it started).
    using PointerNow = std::function<QPointF()>;

    // `bindings` may be null.
    WaylandMouseTap(WaylandSeat &seat, SwayBindings *bindings, PointerNow pointerNow, QObject *parent = nullptr);
    ~WaylandMouseTap() override;

    bool canWatch() const { return m_bindings != nullptr; }
    // sway's name of a trigger button ("button3"), empty for a button it has no name for.
    static QString buttonName(qint64 button);

    void setHandler(Handler handler) override { m_handler = std::move(handler); }
    bool watch(const std::optional<Trigger> &trigger) override;
    void setScrollCapture(bool on) override { m_capturesScroll = on; }

private:
    void deliver(MouseTapEvent event);
    void triggered(bool pressed);

    WaylandSeat &m_seat;
    SwayBindings *m_bindings;
    PointerNow m_pointerNow;
    Handler m_handler;
    std::optional<Trigger> m_trigger;
    bool m_capturesScroll = false;
    bool m_held = false;
};
