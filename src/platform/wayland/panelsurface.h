#pragma once

#include "platform/overlaysurfaces.h"
#include "platform/wayland/surfacecontext.h"
#include "platform/wayland/waylandseat.h"

#include <memory>

struct wl_output;
class LayerRole;
class ScaledSurface;

// A panel or window of Ringle's on the overlay layer, at a place of the desktop: on the output that
// holds it, sized to its content. A keyboard window takes the keyboard while shown.
class PanelSurface final : public OverlaySurface, public SeatInputSink {
public:
    PanelSurface(SurfaceContext context, bool takesKeyboard, QString name);
    ~PanelSurface() override;

    void setHandlers(Handlers handlers) override { m_handlers = std::move(handlers); }
    void setContentRect(const QRect &rect) override;
    QRect contentRect() const override { return m_rect; }
    void setTakesInput(bool takes) override;
    void setCursorShape(const QString &name) override;
    void show() override;
    void hide() override;
    bool isShown() const override { return m_shown; }
    SurfaceCanvas beginFrame() override;
    void endFrame() override;

    QPointF surfaceOrigin(wl_surface *surface) const override;
    void pointerEvent(wl_surface *surface, const SurfacePointerEvent &event) override;
    void keyEvent(const SurfaceKeyEvent &event) override;
    void keyboardFocusChanged(bool has) override;
    QString cursorShape() const override { return m_cursor; }
    int surfaceScale(wl_surface *surface) const override;

private:
    void create();
    void destroy();
    void redraw();

    SurfaceContext m_context;
    bool m_takesKeyboard;
    QString m_name;
    Handlers m_handlers;
    QRect m_rect;
    bool m_shown = false;
    bool m_takesInput = true;
    QString m_cursor = QStringLiteral("default");
    wl_output *m_output = nullptr;
    QPoint m_outputOrigin;
    std::unique_ptr<ScaledSurface> m_surface;
    std::unique_ptr<LayerRole> m_role;
};
