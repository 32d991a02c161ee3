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
    std::chrono::milliseconds undoOffer = ResultPanelGeometry::undoOffer;
};

// The small panel next to the caret (or the pointer) that shows an action's progress and outcome.
// It never takes the keyboard focus. It places and sizes itself, fades in and out, hides a failure
// after three seconds, an offer to undo after five, and a result when the user clicks or types
// anywhere else. A generation counter
// keeps a late fade-out from hiding a newer state. Main thread only.
class ResultPanel final : public QObject, private ResultPanelButtons {
    Q_OBJECT
public:
    using Timings = ResultPanelTimings;
    using PanelFactory = std::function<std::unique_ptr<ResultPanelView>(ResultPanelButtons &buttons)>;
    // Where the selection ends (global points, y up), when that can be told.
    using CaretSource = std::function<std::optional<QRectF>()>;

    // The panel is made on the first show and kept. The screens and the monitor must outlive it.
    ResultPanel(Screens &screens, GlobalInputMonitor &outsideInput, PanelFactory panelFactory,
                    CaretSource caret = {}, Timings timings = {}, QObject *parent = nullptr);
    ~ResultPanel() override;

    // The rectangle the panel is placed next to; set before show(). Cleared once the panel is hidden.
    std::optional<QRectF> anchor;

    // Shows `state`, placed next to the anchor (or the caret, or the pointer, when none is set). A
    // result offers Replace besides Copy when `offersReplace`.
    void show(const ResultPanelState &state, bool offersReplace = false);
    // Shows the failure and hides it after three seconds unless something else is shown first.
    void fail(const QString &message);
    // Shows "Done" with Undo, for a few seconds unless something else is shown first.
    void offerUndo();
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

Q_SIGNALS:
    // After the panel hid itself for the button; a second click while it fades counts for nothing.
    void copyChosen();
    void replaceChosen();
    // Stop keeps the panel: what was written stays on it.
    void stopChosen();
    void undoChosen();

private:
    void copyClicked() override;
    void replaceClicked() override;
    void stopClicked() override;
    void undoClicked() override;
    void hideAfter(std::chrono::milliseconds delay);
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
    bool m_offersReplace = false;
    bool m_buttonsLive = false;
    QRectF m_frame;
};
