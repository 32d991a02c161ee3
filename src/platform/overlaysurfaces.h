#pragma once

#include "platform/scrollinput.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

// Pixels for one frame of a surface: premultiplied ARGB32 rows (QImage::Format_ARGB32_Premultiplied),
// `size` device pixels, `scale` device pixels per logical pixel.
struct SurfaceCanvas {
    uchar *pixels = nullptr;
    QSize size;
    int bytesPerLine = 0;
    qreal scale = 1;

    bool isNull() const { return !pixels; }
};

// The pointer on a surface. Positions are logical pixels: `position` from the content's top left,
// `global` on the desktop (y down).
struct SurfacePointerEvent {
    enum class Type { enter, leave, motion, press, release, scroll };

    Type type = Type::motion;
    QPointF position;
    QPointF global;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    // For scroll: eighths of a degree as Qt counts them (120 a wheel step), and the wheel's view.
    QPoint angleDelta;
    QPoint pixelDelta;
    ScrollInput scroll;
};

// A key on a surface that has the keyboard, translated with the user's keymap.
struct SurfaceKeyEvent {
    bool pressed = true;
    int key = 0; // a Qt::Key
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool autoRepeat = false;
    quint32 nativeScanCode = 0;   // the keymap's keycode (evdev code + 8)
    quint32 nativeVirtualKey = 0; // the keysym
    quint32 nativeModifiers = 0;
};

// A surface of Ringle's own above the desktop, drawn by the core and the views, where the window
// system does not let ordinary windows float above others without the focus (Wayland).
class OverlaySurface {
public:
    struct Handlers {
        std::function<void(const SurfacePointerEvent &)> pointer;
        std::function<void(const SurfaceKeyEvent &)> key;
        std::function<void(bool has)> keyboardFocus;
        // The scale changed (or the surface moved to another screen): draw again.
        std::function<void()> redraw;
        // The compositor took the surface away.
        std::function<void()> closed;
    };

    virtual ~OverlaySurface() = default;

    virtual void setHandlers(Handlers handlers) = 0;
    // Where the content goes on the desktop, logical pixels, y down.
    virtual void setContentRect(const QRect &rect) = 0;
    virtual QRect contentRect() const = 0;
    // Whether clicks reach the surface or pass to what lies below.
    virtual void setTakesInput(bool takes) = 0;
    // The named pointer shape over the content ("default", "text", "pointer").
    virtual void setCursorShape(const QString &name) = 0;

    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;

    // The pixels of the next frame, at the content's size and the screen's scale, or a null canvas
    // while the surface cannot take one yet (not shown, or the compositor has not sized it);
    // `redraw` asks again then.
    virtual SurfaceCanvas beginFrame() = 0;
    // Shows what was drawn since beginFrame().
    virtual void endFrame() = 0;
};

// Makes overlay surfaces of the kinds Ringle shows.
class OverlaySurfaces {
public:
    enum class Kind {
        // Covers every screen while shown and takes all pointer input there (motion anywhere,
        // scrolling that must not reach the application below), never the keyboard; the content
        // is drawn on the screen that holds it. The pointer's position is reported once it is
        // known (enter).
        pointerCatcher,
        // A panel that never takes the keyboard.
        panel,
        // A window that takes the keyboard while shown and gives it back when hidden.
        keyboardWindow,
    };

    virtual ~OverlaySurfaces() = default;
    // `name` tells the compositor what the surface is for ("ringle-wheel").
    virtual std::unique_ptr<OverlaySurface> create(Kind kind, const QString &name) = 0;
};
