#include "platform/wayland/shelloverlaysurfaces.h"

#include "base/latencyprobe.h"
#include "platform/wayland/shellextension.h"
#include "platform/wayland/xkbqtkeys.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace {
constexpr int qtAnglePerStep = 120;

// Clutter's state bits are X11's, the buttons among them.
constexpr quint32 shiftMask = 1u << 0;
constexpr quint32 controlMask = 1u << 2;
constexpr quint32 altMask = 1u << 3;
constexpr quint32 superMask = 1u << 6;
constexpr quint32 button1Mask = 1u << 8;
constexpr quint32 button2Mask = 1u << 9;
constexpr quint32 button3Mask = 1u << 10;

QString kindName(OverlaySurfaces::Kind kind)
{
    switch (kind) {
    case OverlaySurfaces::Kind::pointerCatcher:
        return QStringLiteral("pointer-catcher");
    case OverlaySurfaces::Kind::panel:
        return QStringLiteral("panel");
    case OverlaySurfaces::Kind::keyboardWindow:
        break;
    }
    return QStringLiteral("keyboard-window");
}

Qt::MouseButton qtButton(quint32 button)
{
    switch (button) {
    case 1:
        return Qt::LeftButton;
    case 2:
        return Qt::MiddleButton;
    case 3:
        return Qt::RightButton;
    case 8:
        return Qt::BackButton;
    case 9:
        return Qt::ForwardButton;
    default:
        return Qt::NoButton;
    }
}

Qt::MouseButtons qtButtons(quint32 state)
{
    Qt::MouseButtons buttons;
    if (state & button1Mask)
        buttons |= Qt::LeftButton;
    if (state & button2Mask)
        buttons |= Qt::MiddleButton;
    if (state & button3Mask)
        buttons |= Qt::RightButton;
    return buttons;
}

// Qt's Wayland screens carry whole scales; the shell scales the picture to its logical size.
qreal scaleAt(const QRect &rect)
{
    const QScreen *screen = QGuiApplication::screenAt(rect.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? std::max<qreal>(1, std::ceil(screen->devicePixelRatio())) : 1;
}
} // namespace

std::unique_ptr<OverlaySurface> ShellOverlaySurfaces::create(Kind kind, const QString &name)
{
    return std::make_unique<ShellOverlaySurface>(m_extension, m_nextId++, kind, name);
}

ShellOverlaySurface::ShellOverlaySurface(ShellExtension &extension, quint32 id, OverlaySurfaces::Kind kind, QString name)
    : m_extension(extension)
    , m_id(id)
    , m_kind(kind)
    , m_name(std::move(name))
{
    connect(&extension, &ShellExtension::surfacePointer, this,
            [this](quint32 id, const QString &type, QPointF global, quint32 button, quint32 state, QPointF delta) {
                if (id == m_id)
                    pointer(type, global, button, state, delta);
            });
    connect(&extension, &ShellExtension::surfaceKey, this,
            [this](quint32 id, bool pressed, quint32 keycode, quint32 keysym, quint32 state, const QString &text) {
                if (id == m_id)
                    key(pressed, keycode, keysym, state, text);
            });
    connect(&extension, &ShellExtension::surfaceFocus, this, [this](quint32 id, bool has) {
        if (id == m_id && m_handlers.keyboardFocus)
            m_handlers.keyboardFocus(has);
    });
    // What the extension showed went with it.
    connect(&extension, &ShellExtension::lost, this, [this] {
        m_created = false;
        if (std::exchange(m_shown, false) && m_handlers.closed)
            m_handlers.closed();
    });
}

ShellOverlaySurface::~ShellOverlaySurface()
{
    if (m_created)
        m_extension.send(u"DestroySurface"_qs, {m_id});
}

void ShellOverlaySurface::create()
{
    if (m_created || !m_extension.isConnected())
        return;
    m_extension.send(u"CreateSurface"_qs, {m_id, kindName(m_kind), m_name});
    m_created = true;
    place();
}

void ShellOverlaySurface::place()
{
    if (!m_created)
        return;
    m_extension.send(u"PlaceSurface"_qs, {m_id, qint32(m_rect.x()), qint32(m_rect.y()), qint32(m_rect.width()),
                                          qint32(m_rect.height()), m_takesInput, m_cursor});
}

void ShellOverlaySurface::setContentRect(const QRect &rect)
{
    if (rect == m_rect)
        return;
    m_rect = rect;
    place();
}

void ShellOverlaySurface::setTakesInput(bool takes)
{
    if (takes == m_takesInput)
        return;
    m_takesInput = takes;
    place();
}

void ShellOverlaySurface::setCursorShape(const QString &name)
{
    if (name == m_cursor)
        return;
    m_cursor = name;
    place();
}

void ShellOverlaySurface::show()
{
    if (m_shown)
        return;
    create();
    if (!m_created)
        return;
    m_shown = true;
    m_firstFrame = true;
    // Shown with its first frame, so the picture of its last showing never flashes up; with no
    // content (the wheel's cover, waiting to learn where the pointer is) at once.
    m_revealPending = true;
    if (m_rect.isEmpty()) {
        reveal();
        return;
    }
    QTimer::singleShot(firstFrameWaitMs, this, [this] { reveal(); });
    if (m_handlers.redraw)
        m_handlers.redraw();
}

void ShellOverlaySurface::reveal()
{
    if (!m_shown || !std::exchange(m_revealPending, false))
        return;
    m_extension.send(u"ShowSurface"_qs, {m_id, true});
}

void ShellOverlaySurface::hide()
{
    if (!std::exchange(m_shown, false))
        return;
    m_revealPending = false;
    m_extension.send(u"ShowSurface"_qs, {m_id, false});
}

SurfaceCanvas ShellOverlaySurface::beginFrame()
{
    if (!m_shown || m_rect.isEmpty())
        return {};
    const qreal scale = scaleAt(m_rect);
    const QSize size = (QSizeF(m_rect.size()) * scale).toSize();
    if (m_frame.size() != size)
        m_frame = QImage(size, QImage::Format_ARGB32_Premultiplied);
    m_frame.fill(Qt::transparent);
    return {m_frame.bits(), m_frame.size(), int(m_frame.bytesPerLine()), scale};
}

void ShellOverlaySurface::endFrame()
{
    if (!m_shown || m_frame.isNull())
        return;
    const QByteArray pixels(reinterpret_cast<const char *>(m_frame.constBits()), m_frame.sizeInBytes());
    // The shell answers once the picture is in place: for the latency benchmark, the first time.
    std::function<void()> shown;
    if (std::exchange(m_firstFrame, false) && m_kind == OverlaySurfaces::Kind::pointerCatcher)
        shown = [] { LatencyProbe::mark("shown"); };
    m_extension.send(u"DrawSurface"_qs,
                     {m_id, qint32(m_frame.width()), qint32(m_frame.height()), qint32(m_frame.bytesPerLine()), pixels},
                     std::move(shown));
    reveal();
}

Qt::KeyboardModifiers ShellOverlaySurface::qtModifiers(quint32 state)
{
    Qt::KeyboardModifiers modifiers;
    if (state & shiftMask)
        modifiers |= Qt::ShiftModifier;
    if (state & controlMask)
        modifiers |= Qt::ControlModifier;
    if (state & altMask)
        modifiers |= Qt::AltModifier;
    if (state & superMask)
        modifiers |= Qt::MetaModifier;
    return modifiers;
}

std::optional<SurfacePointerEvent> ShellOverlaySurface::pointerEvent(const QString &type, QPointF global,
                                                                     quint32 button, quint32 state, QPointF delta,
                                                                     const QRect &content)
{
    using Type = SurfacePointerEvent::Type;
    SurfacePointerEvent event;
    event.global = global;
    event.position = global - QPointF(content.topLeft());
    event.buttons = qtButtons(state);
    event.modifiers = qtModifiers(state);
    if (type == u"enter") {
        event.type = Type::enter;
    } else if (type == u"leave") {
        event.type = Type::leave;
    } else if (type == u"motion") {
        event.type = Type::motion;
    } else if (type == u"press" || type == u"release") {
        event.type = type == u"press" ? Type::press : Type::release;
        event.button = qtButton(button);
        if (event.button == Qt::NoButton)
            return std::nullopt;
        // Clutter's state is the one before the event.
        if (event.type == Type::press)
            event.buttons |= event.button;
        else
            event.buttons &= ~event.button;
    } else if (type == u"scroll") {
        // Clutter's steps go down for positive values; Qt's and the wheel's go up.
        event.type = Type::scroll;
        event.angleDelta = (-delta * qtAnglePerStep).toPoint();
        event.scroll.lines = -delta.y();
    } else if (type == u"smooth-scroll") {
        // Clutter's smooth deltas count steps too, in fractions.
        event.type = Type::scroll;
        event.angleDelta = (-delta * qtAnglePerStep).toPoint();
        event.scroll.lines = -delta.y();
        event.scroll.isContinuous = true;
    } else {
        return std::nullopt;
    }
    return event;
}

void ShellOverlaySurface::pointer(const QString &type, QPointF global, quint32 button, quint32 state, QPointF delta)
{
    if (!m_shown || !m_handlers.pointer)
        return;
    if (const std::optional<SurfacePointerEvent> event = pointerEvent(type, global, button, state, delta, m_rect))
        m_handlers.pointer(*event);
}

void ShellOverlaySurface::key(bool pressed, quint32 keycode, quint32 keysym, quint32 state, const QString &text)
{
    if (!m_shown || !m_handlers.key)
        return;
    SurfaceKeyEvent event;
    event.pressed = pressed;
    event.key = XkbQtKeys::qtKey(keysym);
    event.modifiers = qtModifiers(state);
    if (XkbQtKeys::isKeypad(keysym))
        event.modifiers |= Qt::KeypadModifier;
    event.text = pressed ? text : QString();
    event.nativeScanCode = keycode;
    event.nativeVirtualKey = keysym;
    event.nativeModifiers = state;
    m_handlers.key(event);
}
