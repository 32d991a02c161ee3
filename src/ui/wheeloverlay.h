#pragma once

#include "ui/symbolicons.h"
#include "ui/wheelfacepainter.h"
#include "wheel/wheelmodel.h"
#include "wheel/wheelpanel.h"

#include <QWidget>
#include <functional>
#include <optional>

class QVariantAnimation;

// The wheel on screen: a frameless, always-on-top window beside the pointer that never takes focus
// or clicks, showing the current ring as a disc and the set's rings as a list. It follows the
// model: the highlighted slot at once, a ring switch as a short cross-fade.
class WheelOverlay final : public QWidget, public WheelPanel {
    Q_OBJECT
public:
    static constexpr int fadeInMilliseconds = 80;
    static constexpr int crossFadeMilliseconds = 100;

    // `compositing` tells whether a compositing manager runs now: without one, the window is shaped
    // to the disc and the list and painted opaque.
    WheelOverlay(WheelModel &model, WheelFacePainter::LabelSource labels, std::function<bool()> compositing,
                 QWidget *parent = nullptr);
    ~WheelOverlay() override;

    void showWheel(QPointF origin, const std::optional<QRectF> &visibleFrame) override;
    void hideWheel() override;
    void prepare() override;

    bool isComposited() const { return m_composited; }
    // Called at the end of every paint (for measurements).
    void setPaintObserver(std::function<void()> observer) { m_paintObserver = std::move(observer); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void ringChanged();
    void paintSurface(QPainter &painter);
    // The surface and the list of rings.
    void paintBackground(QPainter &painter);
    void paintFace(QPainter &painter, const WheelTab &tab, std::optional<int> selection);
    QRegion shapeRegion() const;
    QColor surfaceColor() const;

    WheelModel &m_model;
    SymbolIcons m_icons;
    WheelFacePainter m_face;
    std::function<bool()> m_compositing;
    std::function<void()> m_paintObserver;
    bool m_composited = false;
    bool m_firstPaintPending = false;
    // The ring shown before a switch, drawn fading out over the new one.
    std::optional<WheelTab> m_shownTab;
    std::optional<WheelTab> m_fadingTab;
    std::optional<int> m_fadingSelection;
    QVariantAnimation *m_crossFade;
    QVariantAnimation *m_fadeIn;
};
