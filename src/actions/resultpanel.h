#pragma once

#include "actions/resultpanelstate.h"
#include "actions/resultpanelgeometry.h"
#include "actions/resultpanelview.h"
#include "platform/globalinputmonitor.h"

#include <QObject>
#include <QRectF>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QTimer;
class Screens;

struct ResultPanelTimings {
    std::chrono::milliseconds fadeIn = ResultPanelGeometry::fadeIn;
    std::chrono::milliseconds fadeOut = ResultPanelGeometry::fadeOut;
    std::chrono::milliseconds hideDelay = ResultPanelGeometry::hideDelay;
    std::chrono::milliseconds failureHide = ResultPanelGeometry::failureHide;
};

// The small panel next to the caret (or the pointer) that shows an action's progress and outcome.
// It never takes the keyboard focus. It places and sizes itself, fades in and out, hides a failure
// after three seconds and a result when the user clicks or types anywhere else. A generation counter
// keeps a late fade-out from hiding a newer state. Main thread only.
class ResultPanel final : public QObject {
    Q_OBJECT
public:
    using Timings = ResultPanelTimings;
    using PanelFactory = std::function<std::unique_ptr<ResultPanelView>()>;
    // Where the selection ends (global points, y up), when that can be told.
    using CaretSource = std::function<std::optional<QRectF>()>;

    // The panel is made on the first show and kept. The screens and the monitor must outlive it.
    ResultPanel(Screens &screens, GlobalInputMonitor &outsideInput, PanelFactory panelFactory,
                    CaretSource caret = {}, Timings timings = {}, QObject *parent = nullptr);
    ~ResultPanel() override;

    // The rectangle the panel is placed next to; set before show(). Cleared once the panel is hidden.
    std::optional<QRectF> anchor;
    // Run after the panel hid itself for Copy; the one set when Copy is clicked counts.
    std::function<void()> onCopy = [] {};
    // Run after the panel hid itself for Replace; the one set when show() was called counts. Without
    // one, a result offers Copy only.
    std::function<void()> onReplace;

    // Shows `state`, placed next to the anchor (or the caret, or the pointer, when none is set).
    void show(const ResultPanelState &state);
    // Shows the failure and hides it after three seconds unless something else is shown first.
    void fail(const QString &message);
    // Fades out and forgets the anchor.
    void hide();

    // For observers and tests.
    quint64 generation() const { return m_generation; }
    bool isVisible() const;
    std::optional<ResultPanelState> state() const { return m_state; }
    QRectF frame() const { return m_frame; }
    bool watchesOutsideInput() const;
    bool hideIsPending() const;
    ResultPanelView *panel() const { return m_panel.get(); }

private:
    void outsideInput(GlobalInputMonitor::Input input);

    Screens &m_screens;
    GlobalInputMonitor &m_outsideInput;
    PanelFactory m_panelFactory;
    CaretSource m_caret;
    Timings m_timings;
    std::unique_ptr<ResultPanelView> m_panel;
    QTimer *m_hideTimer;
    quint64 m_generation = 0;
    std::optional<ResultPanelState> m_state;
    std::function<void()> m_shownReplace;
    bool m_buttonsLive = false;
    QRectF m_frame;
};
