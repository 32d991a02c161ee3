#include "platform/wayland/waylandseat.h"

#include "platform/wayland/waylandconnection.h"
#include "platform/wayland/waylandcursor.h"
#include "platform/wayland/waylandkeyboard.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <linux/input-event-codes.h>

#include <cstdlib>

namespace {
constexpr quint32 seatVersion = 7;
// A wheel step as Wayland reports it in surface pixels, and as Qt counts it.
constexpr double pixelsPerStep = 15.0;
constexpr int qtAnglePerStep = 120;

WaylandSeat *seatOf(void *data)
{
    return static_cast<WaylandSeat *>(data);
}

void capabilities(void *data, wl_seat *, uint32_t caps)
{
    seatOf(data)->capabilitiesChanged(caps);
}

void seatName(void *, wl_seat *, const char *) {}

const wl_seat_listener seatListener = {.capabilities = capabilities, .name = seatName};

QPointF point(wl_fixed_t x, wl_fixed_t y)
{
    return {wl_fixed_to_double(x), wl_fixed_to_double(y)};
}

void enter(void *data, wl_pointer *, uint32_t serial, wl_surface *surface, wl_fixed_t x, wl_fixed_t y)
{
    seatOf(data)->pointerEnter(serial, surface, point(x, y));
}

void leave(void *data, wl_pointer *, uint32_t, wl_surface *surface)
{
    seatOf(data)->pointerLeave(surface);
}

void motion(void *data, wl_pointer *, uint32_t, wl_fixed_t x, wl_fixed_t y)
{
    seatOf(data)->pointerMotion(point(x, y));
}

void button(void *data, wl_pointer *, uint32_t, uint32_t, uint32_t button, uint32_t state)
{
    seatOf(data)->pointerButton(button, state == WL_POINTER_BUTTON_STATE_PRESSED);
}

void axis(void *data, wl_pointer *, uint32_t, uint32_t axis, wl_fixed_t value)
{
    seatOf(data)->pointerAxis(axis, wl_fixed_to_double(value));
}

void frame(void *data, wl_pointer *)
{
    seatOf(data)->pointerFrame();
}

void axisSource(void *data, wl_pointer *, uint32_t source)
{
    seatOf(data)->pointerAxisSource(source);
}

void axisStop(void *, wl_pointer *, uint32_t, uint32_t) {}

void axisDiscrete(void *data, wl_pointer *, uint32_t axis, int32_t discrete)
{
    seatOf(data)->pointerAxisDiscrete(axis, discrete);
}

// Only sent from seat version 8, which is not asked for.
void axisValue120(void *, wl_pointer *, uint32_t, int32_t) {}

const wl_pointer_listener pointerListener = {
    .enter = enter,
    .leave = leave,
    .motion = motion,
    .button = button,
    .axis = axis,
    .frame = frame,
    .axis_source = axisSource,
    .axis_stop = axisStop,
    .axis_discrete = axisDiscrete,
    .axis_value120 = axisValue120,
};

Qt::MouseButton qtButton(quint32 code)
{
    switch (code) {
    case BTN_LEFT:
        return Qt::LeftButton;
    case BTN_RIGHT:
        return Qt::RightButton;
    case BTN_MIDDLE:
        return Qt::MiddleButton;
    case BTN_SIDE:
        return Qt::BackButton;
    case BTN_EXTRA:
        return Qt::ForwardButton;
    default:
        return Qt::NoButton;
    }
}
} // namespace

std::unique_ptr<WaylandSeat> WaylandSeat::create(WaylandConnection &connection, wl_compositor *compositor,
                                                 wl_shm *shm)
{
    auto *seat = static_cast<wl_seat *>(connection.bind(&wl_seat_interface, seatVersion));
    if (!seat)
        return nullptr;
    std::unique_ptr<WaylandSeat> result(new WaylandSeat(connection, seat));
    result->m_cursor = std::make_unique<WaylandCursor>(compositor, shm);
    wl_seat_add_listener(seat, &seatListener, result.get());
    // The capabilities, then the keymap of the keyboard they bring.
    connection.roundtrip();
    connection.roundtrip();
    return result;
}

WaylandSeat::WaylandSeat(WaylandConnection &connection, wl_seat *seat)
    : m_connection(connection)
    , m_seat(seat)
{
}

WaylandSeat::~WaylandSeat()
{
    m_keyboard.reset();
    if (m_pointer) {
        if (wl_pointer_get_version(m_pointer) >= 3)
            wl_pointer_release(m_pointer);
        else
            wl_pointer_destroy(m_pointer);
    }
    m_cursor.reset();
    xkb_keymap_unref(m_defaultKeymap);
    xkb_context_unref(m_xkb);
    if (wl_seat_get_version(m_seat) >= 5)
        wl_seat_release(m_seat);
    else
        wl_seat_destroy(m_seat);
}

xkb_keymap *WaylandSeat::keymap() const
{
    if (m_keyboard && m_keyboard->keymap())
        return m_keyboard->keymap();
    if (!m_defaultKeymap) {
        auto *self = const_cast<WaylandSeat *>(this);
        self->m_xkb = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        self->m_defaultKeymap = m_xkb ? xkb_keymap_new_from_names(m_xkb, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr;
        if (char *text = m_defaultKeymap ? xkb_keymap_get_as_string(m_defaultKeymap, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr) {
            self->m_defaultKeymapText = QByteArray(text);
            std::free(text);
        }
    }
    return m_defaultKeymap;
}

QByteArray WaylandSeat::keymapText() const
{
    if (m_keyboard && !m_keyboard->keymapText().isEmpty())
        return m_keyboard->keymapText();
    keymap();
    return m_defaultKeymapText;
}

void WaylandSeat::capabilitiesChanged(quint32 capabilities)
{
    const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    const bool pointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
    if (keyboard && !m_keyboard) {
        m_keyboard = std::make_unique<WaylandKeyboard>(wl_seat_get_keyboard(m_seat),
                                                       [this](wl_surface *s) { return sinkFor(s); });
        connect(m_keyboard.get(), &WaylandKeyboard::keymapChanged, this, &WaylandSeat::keymapChanged);
    } else if (!keyboard && m_keyboard) {
        m_keyboard.reset();
    }
    if (pointer && !m_pointer) {
        m_pointer = wl_seat_get_pointer(m_seat);
        wl_pointer_add_listener(m_pointer, &pointerListener, this);
    } else if (!pointer && m_pointer) {
        wl_pointer_release(m_pointer);
        m_pointer = nullptr;
        m_pointerSurface = nullptr;
    }
}

void WaylandSeat::addSink(wl_surface *surface, SeatInputSink *sink)
{
    m_sinks.insert(surface, sink);
}

void WaylandSeat::removeSink(wl_surface *surface)
{
    m_sinks.remove(surface);
    if (m_pointerSurface == surface)
        m_pointerSurface = nullptr;
}

SeatInputSink *WaylandSeat::sinkFor(wl_surface *surface) const
{
    return surface ? m_sinks.value(surface) : nullptr;
}

void WaylandSeat::deliver(SurfacePointerEvent event)
{
    SeatInputSink *sink = sinkFor(m_pointerSurface);
    if (!sink)
        return;
    event.position = m_surfacePosition;
    event.global = sink->surfaceOrigin(m_pointerSurface) + m_surfacePosition;
    event.buttons = m_buttons;
    m_lastPointer = event.global;
    wl_surface *surface = m_pointerSurface;
    sink->pointerEvent(surface, event);
    if (event.type == SurfacePointerEvent::Type::enter || event.type == SurfacePointerEvent::Type::motion)
        Q_EMIT pointerMoved(event.global);
    else if (event.type == SurfacePointerEvent::Type::scroll)
        Q_EMIT scrolled(event.scroll);
    else if (event.type == SurfacePointerEvent::Type::press || event.type == SurfacePointerEvent::Type::release)
        Q_EMIT buttonChanged(event.button, event.type == SurfacePointerEvent::Type::press);
}

void WaylandSeat::refreshCursor(wl_surface *surface)
{
    SeatInputSink *sink = sinkFor(surface);
    if (sink && surface == m_pointerSurface)
        m_cursor->show(m_pointer, m_enterSerial, sink->cursorShape(), sink->surfaceScale(surface));
}

void WaylandSeat::pointerEnter(quint32 serial, wl_surface *surface, QPointF position)
{
    m_pointerSurface = surface;
    m_enterSerial = serial;
    m_surfacePosition = position;
    m_buttons = {};
    refreshCursor(surface);
    SurfacePointerEvent event;
    event.type = SurfacePointerEvent::Type::enter;
    deliver(event);
}

void WaylandSeat::pointerLeave(wl_surface *surface)
{
    if (surface != m_pointerSurface)
        return;
    SurfacePointerEvent event;
    event.type = SurfacePointerEvent::Type::leave;
    deliver(event);
    m_pointerSurface = nullptr;
    m_buttons = {};
}

void WaylandSeat::pointerMotion(QPointF position)
{
    m_surfacePosition = position;
    SurfacePointerEvent event;
    event.type = SurfacePointerEvent::Type::motion;
    deliver(event);
}

void WaylandSeat::pointerButton(quint32 button, bool pressed)
{
    const Qt::MouseButton qt = qtButton(button);
    if (qt == Qt::NoButton)
        return;
    if (pressed)
        m_buttons |= qt;
    else
        m_buttons &= ~qt;
    SurfacePointerEvent event;
    event.type = pressed ? SurfacePointerEvent::Type::press : SurfacePointerEvent::Type::release;
    event.button = qt;
    deliver(event);
}

void WaylandSeat::pointerAxisSource(quint32 source)
{
    m_axisFinger = source == WL_POINTER_AXIS_SOURCE_FINGER || source == WL_POINTER_AXIS_SOURCE_CONTINUOUS;
}

void WaylandSeat::pointerAxis(quint32 axis, double value)
{
    if (axis == WL_POINTER_AXIS_VERTICAL_SCROLL)
        m_axisValue.ry() += value;
    else
        m_axisValue.rx() += value;
    m_axisPending = true;
    // Before version 5 there are no frames: every axis event is a scroll of its own.
    if (wl_pointer_get_version(m_pointer) < 5)
        pointerFrame();
}

void WaylandSeat::pointerAxisDiscrete(quint32 axis, qint32 steps)
{
    if (axis == WL_POINTER_AXIS_VERTICAL_SCROLL)
        m_axisSteps.ry() += steps;
    else
        m_axisSteps.rx() += steps;
}

void WaylandSeat::pointerFrame()
{
    if (!m_axisPending)
        return;
    SurfacePointerEvent event;
    event.type = SurfacePointerEvent::Type::scroll;
    // Wayland's positive values scroll down (content up); Qt's and the wheel's positive deltas go up.
    const QPointF steps = m_axisSteps.isNull() ? m_axisValue / pixelsPerStep : QPointF(m_axisSteps);
    event.angleDelta = (-steps * qtAnglePerStep).toPoint();
    if (m_axisFinger)
        event.pixelDelta = (-m_axisValue).toPoint();
    event.scroll.isContinuous = m_axisFinger;
    event.scroll.lines = m_axisFinger ? 0 : -steps.y();
    event.scroll.points = -m_axisValue.y();
    m_axisValue = {};
    m_axisSteps = {};
    m_axisPending = false;
    deliver(event);
}
