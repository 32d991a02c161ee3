#pragma once

#include "platform/overlaysurfaces.h"
#include "platform/wayland/surfacecontext.h"
#include "platform/wayland/waylandseat.h"

#include <QList>
#include <memory>

struct wl_output;
struct wl_subsurface;
struct wl_surface;
struct wp_viewport;
class LayerRole;
class ScaledSurface;
class ShmBuffer;

// The wheel's surface: a clear cover over every output that takes the pointer (so motion anywhere
// selects and scrolling never reaches the application below, and the pointer's entry tells where
// it is), never the keyboard. The content is a small picture of its own above the cover of the
// output that holds it, so only the wheel's pixels are drawn and sent.
class PointerCatcher final : public OverlaySurface, public SeatInputSink {
public:
    PointerCatcher(SurfaceContext context, QString name);
    ~PointerCatcher() override;

    void setHandlers(Handlers handlers) override { m_handlers = std::move(handlers); }
    void setContentRect(const QRect &rect) override;
    QRect contentRect() const override { return m_rect; }
    void setTakesInput(bool) override {}
    void setCursorShape(const QString &) override {}
    void show() override;
    void hide() override;
    bool isShown() const override { return m_shown; }
    SurfaceCanvas beginFrame() override;
    void endFrame() override;

    QPointF surfaceOrigin(wl_surface *surface) const override;
    void pointerEvent(wl_surface *surface, const SurfacePointerEvent &event) override;
    int surfaceScale(wl_surface *surface) const override;

private:
    struct Cover;

    void configured(Cover &cover, QSize size);
    Cover *coverFor(const QRect &rect) const;
    void placeContent();
    void dropContent();

    SurfaceContext m_context;
    QString m_name;
    Handlers m_handlers;
    QRect m_rect;
    bool m_shown = false;
    QList<std::shared_ptr<Cover>> m_covers;
    std::unique_ptr<ShmBuffer> m_clearPixel;
    std::unique_ptr<ScaledSurface> m_content;
    wl_subsurface *m_subsurface = nullptr;
    Cover *m_contentCover = nullptr;
};
