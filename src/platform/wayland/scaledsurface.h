#pragma once

#include "platform/overlaysurfaces.h"
#include "platform/wayland/shmbuffer.h"

#include <QList>
#include <QSize>
#include <functional>

struct wl_callback;
struct wl_output;
struct wl_surface;
struct wp_fractional_scale_v1;
struct wp_viewport;
struct WaylandGlobals;
class WaylandOutputs;

// A wl_surface that Ringle draws into: buffers at the scale of the screen it is on (the
// compositor's fractional scale where offered, else the largest integer scale of its outputs),
// crisp at 1.5×, and at most one frame ahead of the compositor.
class ScaledSurface final {
public:
    ScaledSurface(WaylandGlobals &globals, WaylandOutputs &outputs);
    ~ScaledSurface();
    ScaledSurface(const ScaledSurface &) = delete;
    ScaledSurface &operator=(const ScaledSurface &) = delete;

    wl_surface *surface() const { return m_surface; }
    qreal scale() const;
    // Called when the scale changed or a frame the compositor held back may be drawn now.
    void setRedraw(std::function<void()> redraw) { m_redraw = std::move(redraw); }

    // Pixels for `logicalSize`, or a null canvas while the last frame is still on its way.
    SurfaceCanvas beginFrame(QSize logicalSize);
    void endFrame();
    // The output the surface is made for, so the first frame has its scale before the compositor
    // says where the surface is.
    void expectOutput(wl_output *output);
    // Clicks pass through (false) or reach the surface (true).
    void setTakesInput(bool takes);

    // Internal to the protocol listeners.
    void entered(wl_output *output);
    void left(wl_output *output);
    void setPreferredScale(quint32 scale120);
    void frameDone();

private:
    void scaleChanged();

    WaylandGlobals &m_globals;
    WaylandOutputs &m_outputs;
    wl_surface *m_surface = nullptr;
    wp_viewport *m_viewport = nullptr;
    wp_fractional_scale_v1 *m_fractional = nullptr;
    ShmBufferPool m_pool;
    QList<wl_output *> m_on;
    quint32 m_scale120 = 0;
    int m_appliedBufferScale = 1;
    wl_callback *m_frame = nullptr;
    bool m_redrawWanted = false;
    ShmBuffer *m_drawing = nullptr;
    QSize m_logicalSize;
    std::function<void()> m_redraw;
};
