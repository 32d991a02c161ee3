#include "actions/resultpanel.h"

#include "platform/screens.h"

#include <QLoggingCategory>
#include <QTimer>

// Each state shown, for diagnostics and for tests that drive the app from outside.
Q_LOGGING_CATEGORY(lcResultPanel, "ringle.resultpanel", QtInfoMsg)

ResultPanel::ResultPanel(Screens &screens, GlobalInputMonitor &outsideInput, PanelFactory panelFactory,
                                 CaretSource caret, Timings timings, QObject *parent)
    : QObject(parent)
    , m_screens(screens)
    , m_outsideInput(outsideInput)
    , m_panelFactory(std::move(panelFactory))
    , m_caret(std::move(caret))
    , m_timings(timings)
    , m_hideTimer(new QTimer(this))
{
    m_hideTimer->setSingleShot(true);
    connect(m_hideTimer, &QTimer::timeout, this, &ResultPanel::hide);
}

ResultPanel::~ResultPanel()
{
    m_outsideInput.stop();
}

bool ResultPanel::isVisible() const
{
    return m_panel && m_panel->isOnScreen();
}

bool ResultPanel::watchesOutsideInput() const
{
    return m_outsideInput.isActive();
}

bool ResultPanel::hideIsPending() const
{
    return m_hideTimer->isActive();
}

void ResultPanel::show(const ResultPanelState &state, bool offersReplace)
{
    m_hideTimer->stop();
    ++m_generation;
    m_state = state;
    qCDebug(lcResultPanel).noquote() << "shows" << state.kindName() << state.text;

    if (!anchor) {
        if (m_caret)
            anchor = m_caret();
        if (!anchor)
            anchor = ResultPanelGeometry::fallbackAnchor(m_screens.pointerLocation());
    }

    if (!m_panel)
        m_panel = m_panelFactory(*this);

    qreal answerHeight = 0;
    m_buttonsLive = state.takesClicks();
    m_panel->setTakesClicks(state.takesClicks());
    if (state.showsAnswer())
        answerHeight = ResultPanelGeometry::answerHeight(m_panel->answerTextHeight(state));
    if (state.hidesOnOutsideInput()) {
        if (!m_outsideInput.isActive())
            m_outsideInput.start([this](GlobalInputMonitor::Input input) { outsideInput(input); });
    } else {
        m_outsideInput.stop();
    }
    // While the answer is written, Replace shows where it will be, not yet usable. An unchanged or
    // stopped answer has nothing to replace the selection with.
    const bool replaceable = state.kind == ResultPanelState::Kind::streaming
        || (state.kind == ResultPanelState::Kind::result && !state.isUnchanged() && !state.stopped);
    m_offersReplace = offersReplace && replaceable;

    const QSizeF size = m_panel->setContent(state, answerHeight, m_offersReplace,
                                            ResultPanelGeometry::proposedSize(state.kind));
    m_frame = ResultPanelGeometry::frame(size, *anchor, m_screens.screens(), m_screens.mainScreen());
    m_panel->setFrame(m_frame);
    if (!m_panel->isOnScreen())
        m_panel->showPanel();
    m_panel->animateOpacity(1, m_timings.fadeIn);
}

void ResultPanel::fail(const QString &message)
{
    show(ResultPanelState::failed(message));
    hideAfter(m_timings.failureHide);
}

void ResultPanel::offerUndo()
{
    show(ResultPanelState::doneWithUndo());
    hideAfter(m_timings.undoOffer);
}

void ResultPanel::hideAfter(std::chrono::milliseconds delay)
{
    m_hideTimer->setInterval(delay);
    m_hideTimer->start();
}

void ResultPanel::hide()
{
    m_outsideInput.stop();
    m_buttonsLive = false;
    if (!isVisible()) {
        anchor.reset();
        return;
    }
    const quint64 fading = m_generation;
    m_panel->animateOpacity(0, m_timings.fadeOut);
    QTimer::singleShot(m_timings.hideDelay, this, [this, fading] {
        // A show() since the fade began keeps the panel, with its new anchor.
        if (m_generation != fading)
            return;
        m_panel->hidePanel();
        qCDebug(lcResultPanel) << "hidden";
        anchor.reset();
    });
}

// Each button hides the panel first, then acts; a second click while it fades does nothing, so a
// result is never pasted twice.
void ResultPanel::copyClicked()
{
    if (!m_buttonsLive || !m_state || m_state->kind != ResultPanelState::Kind::result)
        return;
    hide();
    Q_EMIT copyChosen();
}

void ResultPanel::replaceClicked()
{
    if (!m_buttonsLive || !m_state || m_state->kind != ResultPanelState::Kind::result)
        return;
    hide();
    if (m_offersReplace)
        Q_EMIT replaceChosen();
}

void ResultPanel::stopClicked()
{
    if (m_buttonsLive && m_state && m_state->kind == ResultPanelState::Kind::streaming)
        Q_EMIT stopChosen();
}

void ResultPanel::undoClicked()
{
    if (!m_buttonsLive || !m_state || !m_state->offersUndo)
        return;
    hide();
    Q_EMIT undoChosen();
}

void ResultPanel::outsideInput(GlobalInputMonitor::Input input)
{
    // A click on the panel itself (its buttons) is not a click elsewhere.
    if (input == GlobalInputMonitor::Input::buttonPress && isVisible()
        && m_frame.contains(m_screens.pointerLocation()))
        return;
    hide();
}
