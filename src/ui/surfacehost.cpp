#include "ui/surfacehost.h"

#include "base/latencyprobe.h"
#include "platform/clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace {
QtMessageHandler previousHandler = nullptr;

// The host applies a hosted window's opacity as it draws; the platform saying it cannot do that
// itself, on every frame of a fade, is expected and says nothing.
void withoutOpacityRefusals(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message == u"This plugin does not support setting window opacity")
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

void silenceOpacityRefusals()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        previousHandler = qInstallMessageHandler(withoutOpacityRefusals);
}

QString cursorName(Qt::CursorShape shape)
{
    switch (shape) {
    case Qt::IBeamCursor:
        return QStringLiteral("text");
    case Qt::PointingHandCursor:
        return QStringLiteral("pointer");
    default:
        return QStringLiteral("default");
    }
}
} // namespace

SurfaceHost::SurfaceHost(QWidget &window, std::unique_ptr<OverlaySurface> surface, QObject *parent)
    : QObject(parent)
    , m_window(&window)
    , m_surface(std::move(surface))
{
    // The widget keeps its whole life as a window (layouts, focus, repaints) without Qt putting a
    // window of its own on screen.
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.installEventFilter(this);
    silenceOpacityRefusals();
    // Tooltips and context menus would open as windows of their own, which this desktop cannot
    // place beside the surface.
    qApp->installEventFilter(this);
    m_surface->setHandlers({
        .pointer = [this](const SurfacePointerEvent &e) { deliverPointer(e); },
        .key = [this](const SurfaceKeyEvent &e) { deliverKey(e); },
        .keyboardFocus = [this](bool has) { setKeyboardFocus(has); },
        .redraw = [this] { scheduleRender(); },
        .closed =
            [this] {
                if (m_window)
                    m_window->hide();
            },
    });
    if (window.isVisible()) {
        m_surface->setContentRect(window.geometry());
        m_surface->show();
    }
}

SurfaceHost::~SurfaceHost()
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_surface->hide();
}

bool SurfaceHost::belongsToWindow(QObject *object) const
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && m_window && widget->window() == m_window;
}

bool SurfaceHost::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ToolTip || type == QEvent::ContextMenu || type == QEvent::WhatsThis)
        return belongsToWindow(watched);
    if (watched != m_window)
        return false;
    switch (type) {
    case QEvent::Show:
        m_firstFrame = true;
        watchOpacity();
        m_surface->setContentRect(m_window->geometry());
        if (m_followsVisibility)
            m_surface->show();
        scheduleRender();
        break;
    case QEvent::Hide:
        if (m_followsVisibility)
            m_surface->hide();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        m_surface->setContentRect(m_window->geometry());
        scheduleRender();
        break;
    case QEvent::UpdateRequest:
        scheduleRender();
        break;
    default:
        break;
    }
    return false;
}

void SurfaceHost::watchOpacity()
{
    QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
    if (m_opacityWatched || !handle)
        return;
    m_opacityWatched = true;
    connect(handle, &QWindow::opacityChanged, this, &SurfaceHost::scheduleRender);
}

void SurfaceHost::scheduleRender()
{
    if (m_renderScheduled)
        return;
    m_renderScheduled = true;
    // After the event at hand: Qt finishes its own layout and repaint bookkeeping first.
    QTimer::singleShot(0, this, [this] {
        m_renderScheduled = false;
        renderNow();
    });
}

void SurfaceHost::renderNow()
{
    if (!m_window || !m_window->isVisible() || !m_surface->isShown())
        return;
    const SurfaceCanvas canvas = m_surface->beginFrame();
    if (canvas.isNull())
        return;
    QImage image(canvas.pixels, canvas.size.width(), canvas.size.height(), canvas.bytesPerLine,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(canvas.scale);
    // The widget paints its own background (rounded, translucent); the canvas starts clear.
    const QWidget::RenderFlags flags = QWidget::DrawChildren;
    const qreal opacity = m_window->windowOpacity();
    if (opacity >= 1.0) {
        m_window->render(&image, QPoint(), QRegion(), flags);
    } else {
        QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
        layer.setDevicePixelRatio(canvas.scale);
        layer.fill(Qt::transparent);
        m_window->render(&layer, QPoint(), QRegion(), flags);
        QPainter painter(&image);
        painter.setOpacity(opacity);
        painter.drawImage(QPoint(), layer);
    }
    m_surface->endFrame();
    if (std::exchange(m_firstFrame, false))
        LatencyProbe::mark("committed");
}

void SurfaceHost::deliverPointer(const SurfacePointerEvent &event)
{
    if (m_pointerHook && m_pointerHook(event))
        return;
    QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
    if (!handle)
        return;
    const QPointF local = event.position;
    switch (event.type) {
    case SurfacePointerEvent::Type::enter: {
        QEnterEvent enter(local, local, event.global);
        QCoreApplication::sendEvent(handle, &enter);
        updateCursor(local);
        break;
    }
    case SurfacePointerEvent::Type::leave: {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(handle, &leave);
        break;
    }
    case SurfacePointerEvent::Type::motion: {
        QMouseEvent move(QEvent::MouseMove, local, local, event.global, Qt::NoButton, event.buttons, event.modifiers);
        QCoreApplication::sendEvent(handle, &move);
        updateCursor(local);
        break;
    }
    case SurfacePointerEvent::Type::press:
    case SurfacePointerEvent::Type::release: {
        const bool press = event.type == SurfacePointerEvent::Type::press;
        QMouseEvent click(press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, local, local, event.global,
                          event.button, event.buttons, event.modifiers);
        QCoreApplication::sendEvent(handle, &click);
        break;
    }
    case SurfacePointerEvent::Type::scroll: {
        QWheelEvent wheel(local, event.global, event.pixelDelta, event.angleDelta, event.buttons, event.modifiers,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(handle, &wheel);
        break;
    }
    }
}

void SurfaceHost::updateCursor(QPointF position)
{
    Qt::CursorShape shape = Qt::ArrowCursor;
    for (QWidget *w = m_window->childAt(position.toPoint()); w; w = w->parentWidget()) {
        if (w->testAttribute(Qt::WA_SetCursor)) {
            shape = w->cursor().shape();
            break;
        }
    }
    m_surface->setCursorShape(cursorName(shape));
}

void SurfaceHost::deliverKey(const SurfaceKeyEvent &event)
{
    QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
    if (!handle)
        return;
    QKeyEvent key(event.pressed ? QEvent::KeyPress : QEvent::KeyRelease, event.key, event.modifiers,
                  event.nativeScanCode, event.nativeVirtualKey, event.nativeModifiers, event.text, event.autoRepeat);
    if (m_clipboard && event.pressed && key.matches(QKeySequence::Paste)) {
        pasteFromClipboard();
        return;
    }
    QCoreApplication::sendEvent(handle, &key);
    // What the widget copied went to Qt's clipboard, which only Qt's own windows can publish.
    if (m_clipboard && event.pressed && (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut))) {
        const QString copied = QGuiApplication::clipboard()->text();
        if (!copied.isEmpty())
            m_clipboard->writeText(copied, false);
    }
}

QCoro::Task<void> SurfaceHost::pasteFromClipboard()
{
    const QPointer<SurfaceHost> self(this);
    const std::optional<QString> text = co_await m_clipboard->readText();
    if (!self || !text || text->isEmpty() || !m_window)
        co_return;
    // Typed text arrives as an input method's commit, which every text widget inserts at its cursor.
    if (QWidget *focus = m_window->focusWidget()) {
        QInputMethodEvent insert;
        insert.setCommitString(*text);
        QCoreApplication::sendEvent(focus, &insert);
    }
}

void SurfaceHost::setKeyboardFocus(bool has)
{
    if (!m_window)
        return;
    // The window is never on screen for the window system to activate: it is made the active one
    // here, so its focus widget shows the caret and takes the keys.
    if (has)
        QApplication::setActiveWindow(m_window);
    else if (QApplication::activeWindow() == m_window)
        QApplication::setActiveWindow(nullptr);
}
