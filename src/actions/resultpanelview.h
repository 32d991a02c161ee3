#pragma once

#include "actions/resultpanelstate.h"

#include <QRectF>
#include <QSizeF>
#include <chrono>

// Where the panel reports clicks on its buttons.
class ResultPanelButtons {
public:
    virtual void copyClicked() = 0;
    virtual void replaceClicked() = 0;
    virtual void stopClicked() = 0;
    virtual void undoClicked() = 0;

protected:
    ~ResultPanelButtons() = default;
};

// The floating panel of the result panel as the result panel drives it: it lays out and draws one
// state, and reports clicks on its buttons to the ResultPanelButtons it was made with. Frames are
// global points with y up. It never takes the keyboard focus.
class ResultPanelView {
public:
    virtual ~ResultPanelView() = default;

    // The height of the state's answer as it would be laid out, at the answer width, unlimited.
    virtual qreal answerTextHeight(const ResultPanelState &state) = 0;
    // Shows `state` (an answer in an area `answerHeight` high, with Replace when `offersReplace`) and
    // answers the content's fitting size within `proposed`. An answer being written keeps its
    // newest words in view.
    virtual QSizeF setContent(const ResultPanelState &state, qreal answerHeight, bool offersReplace,
                              QSizeF proposed) = 0;
    virtual void setFrame(const QRectF &frame) = 0;
    // Whether clicks reach the panel or pass through to what lies below.
    virtual void setTakesClicks(bool takesClicks) = 0;

    virtual bool isOnScreen() const = 0;
    // Puts the panel on screen at opacity 0 without activating anything.
    virtual void showPanel() = 0;
    virtual void hidePanel() = 0;
    virtual void animateOpacity(qreal opacity, std::chrono::milliseconds duration) = 0;
};
