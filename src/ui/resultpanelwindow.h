#pragma once

#include "actions/resultpanelview.h"

#include <QWidget>

class IndicatorSymbolView;
class QPropertyAnimation;
class QScrollArea;
class QLabel;
class ResultButton;
class SpinnerView;
class WrappedText;

// The result panel as a Qt window: frameless, above other windows, never activated and never given
// the keyboard focus (its buttons still take clicks). Without a compositing manager translucency is
// not available, so the rounded corners come from a window mask.
class ResultPanelWindow final : public QWidget, public ResultPanelView {
    Q_OBJECT
public:
    // Clicks on the buttons go to `buttons`, when given.
    explicit ResultPanelWindow(ResultPanelButtons *buttons = nullptr, QWidget *parent = nullptr);
    ~ResultPanelWindow() override;

    qreal answerTextHeight(const ResultPanelState &state) override;
    QSizeF setContent(const ResultPanelState &state, qreal answerHeight, bool offersReplace,
                      QSizeF proposed) override;
    void setFrame(const QRectF &frame) override;
    void setTakesClicks(bool takesClicks) override;
    bool isOnScreen() const override;
    void showPanel() override;
    void hidePanel() override;
    void animateOpacity(qreal opacity, std::chrono::milliseconds duration) override;

    // For tests and screenshots.
    ResultButton *copyButton() const { return m_copy; }
    ResultButton *replaceButton() const { return m_replace; }
    ResultButton *stopButton() const { return m_stop; }
    ResultButton *undoButton() const { return m_undo; }
    ResultButton *changesButton() const { return m_changesSwitch; }
    QLabel *noteLabel() const { return m_note; }
    WrappedText *answerText() const { return m_answer; }
    WrappedText *messageText() const { return m_message; }
    QScrollArea *answerArea() const { return m_answerArea; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitMessage(const QString &text, int availableWidth);
    // The answer as the panel shows it: marked changes or the clean text.
    void setAnswerText(const ResultPanelState &state);
    void layOutAnswer(qreal answerHeight, bool keepEnd);
    void switchChanges();
    void applyInputShape();

    ResultPanelButtons *m_buttons;
    SpinnerView *m_spinner;
    IndicatorSymbolView *m_symbol;
    WrappedText *m_message;
    QWidget *m_statusRow;
    QScrollArea *m_answerArea;
    WrappedText *m_answer;
    QWidget *m_buttonRow;
    QLabel *m_note;
    ResultButton *m_changesSwitch;
    ResultButton *m_stop;
    ResultButton *m_copy;
    ResultButton *m_replace;
    ResultButton *m_undo;
    QPropertyAnimation *m_fade;
    bool m_takesClicks = false;
    // The result whose changes the switch shows or hides; each new result starts with its changes.
    ResultPanelState m_shown;
    bool m_showsChanges = true;
    qreal m_answerHeight = 0;
    // The state whose first paint is still to come, named for latency measurements.
    QString m_unpaintedState;
};
