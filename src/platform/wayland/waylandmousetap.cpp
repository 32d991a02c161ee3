#include "platform/wayland/waylandmousetap.h"

#include "platform/wayland/swaybindings.h"
#include "platform/wayland/waylandseat.h"

namespace {
const QString tag = QStringLiteral("mouse");

Qt::MouseButton qtButton(qint64 button)
{
    switch (button) {
    case 1:
        return Qt::RightButton;
    case 2:
        return Qt::MiddleButton;
    case 3:
        return Qt::BackButton;
    case 4:
        return Qt::ForwardButton;
    default:
        return Qt::NoButton;
    }
}
} // namespace

WaylandMouseTap::WaylandMouseTap(WaylandSeat &seat, SwayBindings *bindings, PointerNow pointerNow, QObject *parent)
    : QObject(parent)
    , m_seat(seat)
    , m_bindings(bindings)
    , m_pointerNow(std::move(pointerNow))
{
    if (m_bindings) {
        connect(m_bindings, &SwayBindings::triggered, this, [this](const QString &which, bool pressed) {
            if (which == tag)
                triggered(pressed);
        });
    }
    connect(&seat, &WaylandSeat::pointerMoved, this, [this](QPointF global) {
        if (!m_held || !m_trigger)
            return;
        MouseTapEvent event;
        event.type = MouseTapEvent::Type::buttonDragged;
        event.button = m_trigger->button;
        event.modifiers = m_trigger->modifiers;
        event.location = global;
        deliver(event);
    });
    // sway matches button bindings over windows only: the release over the wheel's own surface
    // comes to that surface instead.
    connect(&seat, &WaylandSeat::buttonChanged, this, [this](Qt::MouseButton button, bool pressed) {
        if (!pressed && m_held && m_trigger && button == qtButton(m_trigger->button))
            triggered(false);
    });
    connect(&seat, &WaylandSeat::scrolled, this, [this](const ScrollInput &input) {
        if (!m_capturesScroll)
            return;
        MouseTapEvent event;
        event.type = MouseTapEvent::Type::scrollWheel;
        event.scroll = input;
        event.location = m_pointerNow();
        deliver(event);
    });
}

WaylandMouseTap::~WaylandMouseTap()
{
    if (m_bindings)
        m_bindings->remove(tag);
}

QString WaylandMouseTap::buttonName(qint64 button)
{
    // sway numbers buttons as X does: 2 middle, 3 right, 8 and 9 the side buttons.
    switch (button) {
    case 1:
        return QStringLiteral("button3");
    case 2:
        return QStringLiteral("button2");
    case 3:
        return QStringLiteral("button8");
    case 4:
        return QStringLiteral("button9");
    default:
        return {};
    }
}

bool WaylandMouseTap::watch(const std::optional<Trigger> &trigger)
{
    if (trigger == m_trigger)
        return true;
    m_trigger.reset();
    m_held = false;
    if (!m_bindings)
        return true;
    m_bindings->remove(tag);
    const QString button = trigger ? buttonName(trigger->button) : QString();
    if (button.isEmpty())
        return true;
    QStringList keys = SwayBindings::modifierNames(trigger->modifiers.without(KeyModifiers::function));
    keys.append(button);
    if (!m_bindings->add(tag, {u"bindsym"_qs, {u"--whole-window"_qs}, keys.join(u'+')}))
        return false;
    m_trigger = trigger;
    return true;
}

void WaylandMouseTap::triggered(bool pressed)
{
    // A release comes from sway's binding or from the wheel's surface, whichever is first.
    if (!m_trigger || (!pressed && !m_held))
        return;
    m_held = pressed;
    MouseTapEvent event;
    event.type = pressed ? MouseTapEvent::Type::buttonDown : MouseTapEvent::Type::buttonUp;
    event.button = m_trigger->button;
    event.modifiers = m_trigger->modifiers;
    // Where Ringle last saw the pointer: the trigger measures the drag from here on.
    event.location = m_pointerNow();
    deliver(event);
}

void WaylandMouseTap::deliver(MouseTapEvent event)
{
    if (m_handler)
        m_handler(event);
}
