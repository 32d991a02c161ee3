#pragma once

#include "actions/resultpanelview.h"

#include <QList>

// A result panel that records what the result panel asked of it. Answers are 16 points per line; the
// content fits at 364 points wide for a result, 200 for the other states.
class FakeResultPanelView final : public ResultPanelView {
public:
    explicit FakeResultPanelView(ResultPanelButtons &buttons)
        : m_buttons(buttons)
    {
    }

    // The user's click on a button.
    void copyClicked() { m_buttons.copyClicked(); }
    void replaceClicked() { m_buttons.replaceClicked(); }
    void stopClicked() { m_buttons.stopClicked(); }
    void undoClicked() { m_buttons.undoClicked(); }

    struct Content {
        ResultPanelState state;
        qreal answerHeight = 0;
        bool offersReplace = false;
        QSizeF proposed;
    };

    qreal answerTextHeight(const ResultPanelState &state) override
    {
        return 16.0 * (state.text.count(QLatin1Char('\n')) + 1) - 0.4;
    }
    QSizeF setContent(const ResultPanelState &state, qreal answerHeight, bool offersReplace,
                      QSizeF proposed) override
    {
        contents.append({state, answerHeight, offersReplace, proposed});
        return state.takesClicks() ? QSizeF(364, answerHeight + 48) : QSizeF(200, 36);
    }
    void setFrame(const QRectF &f) override { frame = f; }
    void setTakesClicks(bool takes) override { takesClicks = takes; }
    bool isOnScreen() const override { return onScreen; }
    void showPanel() override
    {
        onScreen = true;
        opacity = 0;
        ++frontOrders;
    }
    void hidePanel() override
    {
        onScreen = false;
        ++outOrders;
    }
    void animateOpacity(qreal to, std::chrono::milliseconds) override { opacity = to; }

    QList<Content> contents;
    QRectF frame;
    bool takesClicks = false;
    bool onScreen = false;
    qreal opacity = 0; // where the last animation ends
    int frontOrders = 0;
    int outOrders = 0;

private:
    ResultPanelButtons &m_buttons;
};
