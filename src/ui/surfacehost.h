#pragma once

#include "platform/overlaysurfaces.h"

#include <QObject>
#include <QCoroTask>
#include <QPointer>
#include <functional>
#include <memory>

class Clipboard;
class QWidget;

// Shows a top-level widget through an overlay surface instead of a window of its own (Wayland,
// where a window cannot float above others without the focus): the widget's geometry, visibility
// and opacity are followed, its pixels drawn into the surface whenever Qt would repaint it, and the
// surface's pointer and keys given to it as if it were on screen.
class SurfaceHost final : public QObject {
    Q_OBJECT
public:
    SurfaceHost(QWidget &window, std::unique_ptr<OverlaySurface> surface, QObject *parent = nullptr);
    ~SurfaceHost() override;

    OverlaySurface &surface() { return *m_surface; }
    // Sees the pointer's events first; answering true keeps one from the widget.
    void setPointerHook(std::function<bool(const SurfacePointerEvent &)> hook) { m_pointerHook = std::move(hook); }
    // Whether the widget follows its own visibility onto the surface (the default); off, the owner
    // shows and hides the surface itself.
    void setFollowsVisibility(bool follows) { m_followsVisibility = follows; }

    // The desktop's clipboard for the widget's copy and paste keys: Qt's own clipboard needs a
    // window of Qt's with the keyboard, which a hosted widget never is.
    void setClipboard(Clipboard *clipboard) { m_clipboard = clipboard; }

    // Draws the widget now, if the surface can take a frame (for measurements and tests).
    void renderNow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scheduleRender();
    void watchOpacity();
    void deliverPointer(const SurfacePointerEvent &event);
    void deliverKey(const SurfaceKeyEvent &event);
    QCoro::Task<void> pasteFromClipboard();
    void setKeyboardFocus(bool has);
    void updateCursor(QPointF position);
    bool belongsToWindow(QObject *object) const;

    QPointer<QWidget> m_window;
    std::unique_ptr<OverlaySurface> m_surface;
    std::function<bool(const SurfacePointerEvent &)> m_pointerHook;
    Clipboard *m_clipboard = nullptr;
    bool m_followsVisibility = true;
    bool m_renderScheduled = false;
    bool m_opacityWatched = false;
    // The first frame since the widget showed is still to be sent (for the latency benchmark).
    bool m_firstFrame = false;
};
