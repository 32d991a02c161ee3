#pragma once

#include "actions/resultpanelview.h"

#include <memory>

class OverlaySurface;
class ResultPanelWindow;
class SurfaceHost;

// The result panel's window shown through an overlay surface (Wayland): the window lays out and
// draws as everywhere, the surface puts it beside the caret above other windows, takes clicks on
// its buttons only while it offers them, and never the keyboard.
class SurfaceResultPanel final : public ResultPanelView {
public:
    SurfaceResultPanel(std::unique_ptr<ResultPanelWindow> window, std::unique_ptr<OverlaySurface> surface);
    ~SurfaceResultPanel() override;

    qreal answerTextHeight(const ResultPanelState &state) override;
    QSizeF setContent(const ResultPanelState &state, qreal answerHeight, bool offersReplace, QSizeF proposed) override;
    void setFrame(const QRectF &frame) override;
    void setTakesClicks(bool takesClicks) override;
    bool isOnScreen() const override;
    void showPanel() override;
    void hidePanel() override;
    void animateOpacity(qreal opacity, std::chrono::milliseconds duration) override;

    ResultPanelWindow &window() { return *m_window; }

private:
    std::unique_ptr<ResultPanelWindow> m_window;
    std::unique_ptr<SurfaceHost> m_host;
};
