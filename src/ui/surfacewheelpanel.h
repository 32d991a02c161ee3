#pragma once

#include "wheel/wheelpanel.h"

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <memory>
#include <optional>

class OverlaySurface;
class QTimer;
class SurfaceHost;
class WheelOverlay;

// The wheel on a desktop that tells a client where the pointer is only when it enters one of the
// client's surfaces (Wayland): the overlay's surface covers the screens first, and the wheel is
// drawn once the pointer's entry says where; if none comes in time, where the wheel was asked to.
class SurfaceWheelPanel final : public QObject, public WheelPanel {
    Q_OBJECT
public:
    // How long the wheel waits for the pointer's entry before it opens where it was asked to.
    static constexpr int pointerWaitMilliseconds = 150;

    SurfaceWheelPanel(std::unique_ptr<WheelOverlay> overlay, std::unique_ptr<OverlaySurface> surface);
    ~SurfaceWheelPanel() override;

    void showWheel(QPointF origin, const std::optional<QRectF> &visibleFrame) override;
    void hideWheel() override;
    void prepare() override;
    void setPointerFoundHandler(std::function<void(QPointF)> handler) override { m_pointerFound = std::move(handler); }
    void setClickHandler(std::function<void(QPointF)> handler) override { m_clicked = std::move(handler); }

    WheelOverlay &overlay() { return *m_overlay; }

private:
    void pointerFound(QPointF global);
    void showAsked();

    std::unique_ptr<WheelOverlay> m_overlay;
    std::unique_ptr<SurfaceHost> m_host;
    std::function<void(QPointF)> m_pointerFound;
    std::function<void(QPointF)> m_clicked;
    QTimer *m_wait;
    bool m_waiting = false;
    QPointF m_askedOrigin;
    std::optional<QRectF> m_askedFrame;
};
