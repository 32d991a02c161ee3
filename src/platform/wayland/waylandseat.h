#pragma once

#include "keys/keymodifiers.h"
#include "platform/overlaysurfaces.h"

#include <QHash>
#include <QObject>
#include <QPointF>
#include <memory>
#include <optional>

struct wl_compositor;
struct wl_pointer;
struct wl_shm;
struct wl_seat;
struct wl_surface;
struct xkb_context;
struct xkb_keymap;
class WaylandConnection;
class WaylandCursor;
class WaylandKeyboard;

// Where the seat hands the input that arrives on one of Ringle's surfaces. Positions given to it
// are the surface's own (logical pixels from its top left).
class SeatInputSink {
public:
    // Where the surface's top left lies on the desktop.
    virtual QPointF surfaceOrigin(wl_surface *surface) const = 0;
    virtual void pointerEvent(wl_surface *surface, const SurfacePointerEvent &event) = 0;
    virtual void keyEvent(const SurfaceKeyEvent &) {}
    virtual void keyboardFocusChanged(bool) {}
    virtual QString cursorShape() const { return QStringLiteral("default"); }
    virtual int surfaceScale(wl_surface *) const { return 1; }

protected:
    ~SeatInputSink() = default;
};

// The first seat: its keyboard (the user's keymap, modifiers while Ringle has the focus, keys for
// Ringle's surfaces) and its pointer (events on Ringle's surfaces, the last place it was seen).
class WaylandSeat final : public QObject {
    Q_OBJECT
public:
    // None when the compositor offers no seat.
    static std::unique_ptr<WaylandSeat> create(WaylandConnection &connection, wl_compositor *compositor, wl_shm *shm);
    ~WaylandSeat() override;

    wl_seat *seat() const { return m_seat; }
    WaylandKeyboard *keyboard() const { return m_keyboard.get(); }
    // The keymap the seat's keyboard sent, or until it has (a seat without a keyboard yet), one of
    // the user's defaults (XKB_DEFAULT_LAYOUT and its kin). Never null unless xkb has no data.
    xkb_keymap *keymap() const;
    QByteArray keymapText() const;
    bool hasPointer() const { return m_pointer != nullptr; }

    void addSink(wl_surface *surface, SeatInputSink *sink);
    void removeSink(wl_surface *surface);

    // The last pointer position seen on any of Ringle's surfaces, desktop logical pixels.
    std::optional<QPointF> lastPointerPosition() const { return m_lastPointer; }
    // The surface the pointer is on now, if it is one of Ringle's.
    wl_surface *pointerSurface() const { return m_pointerSurface; }
    // Sets the pointer's shape again while it is on `surface` (the content's shape changed).
    void refreshCursor(wl_surface *surface);

    // Internal to the protocol listeners.
    void capabilitiesChanged(quint32 capabilities);
    void pointerEnter(quint32 serial, wl_surface *surface, QPointF position);
    void pointerLeave(wl_surface *surface);
    void pointerMotion(QPointF position);
    void pointerButton(quint32 button, bool pressed);
    void pointerAxis(quint32 axis, double value);
    void pointerAxisSource(quint32 source);
    void pointerAxisDiscrete(quint32 axis, qint32 steps);
    void pointerFrame();

Q_SIGNALS:
    void keymapChanged();
    // The pointer moved on (or entered) one of Ringle's surfaces; desktop logical pixels.
    void pointerMoved(QPointF global);
    // A scroll on one of Ringle's surfaces.
    void scrolled(const ScrollInput &input);
    // A button pressed or released on one of Ringle's surfaces.
    void buttonChanged(Qt::MouseButton button, bool pressed);

private:
    explicit WaylandSeat(WaylandConnection &connection, wl_seat *seat);
    SeatInputSink *sinkFor(wl_surface *surface) const;
    void deliver(SurfacePointerEvent event);

    WaylandConnection &m_connection;
    wl_seat *m_seat;
    wl_pointer *m_pointer = nullptr;
    std::unique_ptr<WaylandKeyboard> m_keyboard;
    std::unique_ptr<WaylandCursor> m_cursor;
    xkb_context *m_xkb = nullptr;
    xkb_keymap *m_defaultKeymap = nullptr;
    QByteArray m_defaultKeymapText;
    QHash<wl_surface *, SeatInputSink *> m_sinks;

    wl_surface *m_pointerSurface = nullptr;
    quint32 m_enterSerial = 0;
    QPointF m_surfacePosition;
    std::optional<QPointF> m_lastPointer;
    Qt::MouseButtons m_buttons;
    // One scroll gesture's parts until the frame event ends it.
    QPointF m_axisValue;
    QPoint m_axisSteps;
    bool m_axisFinger = false;
    bool m_axisPending = false;
    bool m_framesSent = false;
};
