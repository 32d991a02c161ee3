#include "actions/actionrunner.h"

#include "actions/controllerstatus.h"
#include "actions/resultpanel.h"
#include "actions/sessionparts.h"
#include "ai/answerprogress.h"
#include "base/ringleerror.h"
#include "ai/requestcancelled.h"
#include "caret/caretlocator.h"
#include "platform/clipboard.h"
#include "platform/screens.h"
#include "platform/sound.h"
#include "platform/workspace.h"

#include <QLoggingCategory>
#include <QPointer>

// The same category as the rest of the controller: its log lines are what the end-to-end tests wait for.
Q_LOGGING_CATEGORY(lcRunner, "ringle.controller", QtInfoMsg)

namespace {

using Replacement = TextReplacer::Replacement;
using MadeReplacement = std::shared_ptr<std::optional<Replacement>>;

// The work's result, with "Done" shown while it is pasted.
template <typename T>
QCoro::Task<T> thenDone(QCoro::Task<T> work, QPointer<QObject> owner, ResultPanel *resultPanel)
{
    T result = co_await std::move(work);
    if (owner)
        resultPanel->show(ResultPanelState::done());
    co_return result;
}

// Runs the model, notes what is about to replace what, then says "Done" while the result is
// pasted. A free function so that nothing it uses lives in a lambda that could go away while it waits.
QCoro::Task<QString> answerThenDone(ModelRequest::Answer answer, QPointer<QObject> owner, ResultPanel *resultPanel,
                                    MadeReplacement made, std::optional<RunningApp> app, QString text)
{
    QString answered = co_await thenDone(answer(text, nullptr), std::move(owner), resultPanel);
    *made = Replacement{std::move(text), answered, std::move(app)};
    co_return answered;
}

QCoro::Task<std::optional<QString>> bodyThenDone(TextReplacer::Body run, QPointer<QObject> owner,
                                                 ResultPanel *resultPanel, MadeReplacement made,
                                                 std::optional<RunningApp> app, std::optional<QString> selection)
{
    std::optional<QString> output = co_await thenDone(run(selection), std::move(owner), resultPanel);
    // Only a selection with an output is pasted over.
    if (selection && output)
        *made = Replacement{std::move(*selection), *output, std::move(app)};
    co_return output;
}

// How the recent results name an action: its progress title without the ellipsis.
QString actionName(const QString &title)
{
    QString name = title;
    if (name.endsWith(QChar(0x2026)))
        name.chop(1);
    return name;
}

} // namespace

ActionRunner::ActionRunner(SessionParts &parts)
    : m_parts(parts)
{
    connect(&parts.resultPanel, &ResultPanel::copyChosen, this,
            [this] { m_parts.platform.clipboard.writeText(m_result.trimmed(), false); });
    connect(&parts.resultPanel, &ResultPanel::replaceChosen, this,
            [this] {
                // It types into the application: not while another action does.
                if (beginBusyAction())
                    finishBusy(replace(m_result, m_resultApp));
            });
    connect(&parts.resultPanel, &ResultPanel::stopChosen, this, [this] {
        if (m_progress)
            m_progress->stop();
    });
    connect(&parts.resultPanel, &ResultPanel::undoChosen, this, &ActionRunner::undoLastReplace);
    RecentResults &results = parts.status.results();
    connect(&results, &RecentResults::undoRequested, this, &ActionRunner::undoLastReplace);
    connect(&results, &RecentResults::copyRequested, this,
            [this](const QString &text) { m_parts.platform.clipboard.writeText(text.trimmed(), false); });
}

ActionRunner::~ActionRunner()
{
    m_parts.status.results().setCanUndo(false);
}

QString ActionRunner::accessibilityMessage()
{
    return tr("Ringle needs Accessibility permission.");
}

std::optional<QString> ActionRunner::failureMessage(const std::exception_ptr &error)
{
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const RingleError &e) {
        return e.errorDescription();
    } catch (const RequestCancelled &) {
        return std::nullopt;
    } catch (const std::exception &e) {
        const QString what = QString::fromUtf8(e.what()).trimmed();
        if (!what.isEmpty())
            return what;
    } catch (...) {
    }
    return tr("Something went wrong.");
}

bool ActionRunner::refusedWhileBusy()
{
    if (!m_parts.status.isWorking())
        return false;
    qCDebug(lcRunner) << "busy: refused";
    m_parts.platform.sound.beep();
    return true;
}

bool ActionRunner::ensureTrusted()
{
    if (!m_parts.isTrusted || m_parts.isTrusted())
        return true;
    reportFailure(accessibilityMessage());
    return false;
}

bool ActionRunner::beginBusyAction()
{
    if (refusedWhileBusy() || !ensureTrusted())
        return false;
    m_parts.status.setWorking(true);
    return true;
}

QString ActionRunner::undoCopiedMessage()
{
    return tr("The text has changed since, so the original is on the clipboard instead.");
}

void ActionRunner::runOnSelection(ModelRequest request)
{
    forgetReplacement();
    showProgress(request.title);
    const bool direct = request.direct;
    finishBusy(direct ? replaceDirectly(std::move(request)) : showResult(std::move(request)));
}

void ActionRunner::runOnOptionalSelection(const QString &title, TextReplacer::Body run)
{
    forgetReplacement();
    showProgress(title);
    finishBusy(replaceOptionalSelection(std::move(run)));
}

void ActionRunner::forgetReplacement()
{
    m_lastReplacement.reset();
    m_parts.status.results().setCanUndo(false);
}

void ActionRunner::remember(Replacement replacement)
{
    m_lastReplacement = std::move(replacement);
    m_parts.status.results().setCanUndo(true);
}

void ActionRunner::keepAnswer(const QString &title, const QString &answer)
{
    m_parts.status.results().add(actionName(title), answer.trimmed());
}

void ActionRunner::undoLastReplace()
{
    if (!m_lastReplacement || !beginBusyAction())
        return;
    Replacement replacement = *std::exchange(m_lastReplacement, std::nullopt);
    m_parts.status.results().setCanUndo(false);
    finishBusy(undo(std::move(replacement)));
}

QCoro::Task<void> ActionRunner::undo(Replacement replacement)
{
    const QPointer<ActionRunner> self(this);
    TextReplacer::UndoOutcome outcome = TextReplacer::UndoOutcome::copied;
    try {
        outcome = co_await m_parts.replacer.undo(std::move(replacement));
    } catch (...) {
        if (self)
            reportFailure(std::current_exception());
        co_return;
    }
    if (!self)
        co_return;
    qCInfo(lcRunner) << "undo:" << (outcome == TextReplacer::UndoOutcome::restored ? "restored" : "copied");
    if (outcome == TextReplacer::UndoOutcome::restored)
        m_parts.resultPanel.hide();
    else
        m_parts.resultPanel.fail(undoCopiedMessage());
}

void ActionRunner::showProgress(const QString &title)
{
    std::optional<QRectF> anchor = m_parts.caret.selectionEndRect();
    if (!anchor) {
        const QPointF pointer = m_parts.platform.screens.pointerLocation() + pointerAnchorOffset;
        anchor = QRectF(pointer.x(), pointer.y(), 1, pointerAnchorHeight);
    }
    m_parts.resultPanel.anchor = anchor;
    m_parts.resultPanel.show(ResultPanelState::working(title));
}

QCoro::Task<void> ActionRunner::finishBusy(QCoro::Task<void> action)
{
    const QPointer<ActionRunner> self(this);
    co_await action;
    if (self)
        m_parts.status.setWorking(false);
}

QCoro::Task<void> ActionRunner::replaceDirectly(ModelRequest request)
{
    const QPointer<ActionRunner> self(this);
    ResultPanel *resultPanel = &m_parts.resultPanel;
    const MadeReplacement made = std::make_shared<std::optional<Replacement>>();
    const std::optional<RunningApp> app = m_parts.platform.workspace.frontApplication();
    // Named, not a temporary in the co_await: this compiler destroys such temporaries twice.
    TextReplacer::Transform transform = [answer = request.answer, self, resultPanel, made, app](QString text) {
        return answerThenDone(answer, QPointer<QObject>(self.data()), resultPanel, made, app, std::move(text));
    };
    QCoro::Task<void> replacing = m_parts.replacer.replaceSelection(std::move(transform));
    co_await finishReplacement(std::move(replacing), made);
    if (self && *made)
        keepAnswer(request.title, (*made)->pasted);
}

QCoro::Task<void> ActionRunner::showResult(ModelRequest request)
{
    const QPointer<ActionRunner> self(this);
    // Taken before anything is copied: Replace goes back to this application only.
    const std::optional<RunningApp> app = m_parts.platform.workspace.frontApplication();
    auto progress = std::make_shared<AnswerProgress>();
    ResultPanel *resultPanel = &m_parts.resultPanel;
    progress->written = [resultPanel, title = request.title, canReplace = request.canReplace](const QString &written) {
        // Until its first words (again, on a retry) the answer is work in progress.
        resultPanel->show(written.isEmpty() ? ResultPanelState::working(title)
                                            : ResultPanelState::streaming(title, written),
                          canReplace);
    };
    QString text;
    QString result;
    std::optional<QString> stopped;
    try {
        text = co_await m_parts.replacer.copySelection();
        if (!self)
            co_return;
        m_progress = progress;
        result = co_await request.answer(text, progress.get());
    } catch (const AnswerStopped &stop) {
        stopped = stop.written();
    } catch (...) {
        if (self) {
            m_progress.reset();
            reportFailure(std::current_exception());
        }
        co_return;
    }
    if (!self)
        co_return;
    m_progress.reset();
    m_parts.status.setLastError(std::nullopt);

    if (stopped) {
        // Part of an answer: to copy, never to replace the whole selection with.
        m_result = *stopped;
        m_resultApp.reset();
        keepAnswer(request.title, *stopped);
        m_parts.resultPanel.show(ResultPanelState::stoppedResult(stopped->trimmed()));
        co_return;
    }
    // The panel and Copy show the bare text; Replace keeps the spacing that surrounded the selection.
    m_result = result;
    m_original = text;
    m_resultApp = app;
    keepAnswer(request.title, result);
    const ResultPanelState state = request.marksChanges
        ? ResultPanelState::changed(result.trimmed(), WordDiff::compare(text.trimmed(), result.trimmed()))
        : ResultPanelState::result(result.trimmed());
    m_parts.resultPanel.show(state, request.canReplace);
}

QCoro::Task<void> ActionRunner::replace(QString text, std::optional<RunningApp> app)
{
    const QPointer<ActionRunner> self(this);
    forgetReplacement();
    const QString original = m_original;
    try {
        co_await m_parts.replacer.paste(text, app);
    } catch (...) {
        if (self)
            reportFailure(std::current_exception());
        co_return;
    }
    if (!self)
        co_return;
    remember({original, std::move(text), std::move(app)});
    m_parts.resultPanel.offerUndo();
}

QCoro::Task<void> ActionRunner::replaceOptionalSelection(TextReplacer::Body run)
{
    const QPointer<ActionRunner> self(this);
    ResultPanel *resultPanel = &m_parts.resultPanel;
    const MadeReplacement made = std::make_shared<std::optional<Replacement>>();
    const std::optional<RunningApp> app = m_parts.platform.workspace.frontApplication();
    // Named, not a temporary in the co_await: this compiler destroys such temporaries twice.
    TextReplacer::Body body = [run, resultPanel, self, made, app](std::optional<QString> selection) {
        return bodyThenDone(run, QPointer<QObject>(self.data()), resultPanel, made, app, std::move(selection));
    };
    QCoro::Task<void> replacing = m_parts.replacer.withOptionalSelection(std::move(body));
    co_await finishReplacement(std::move(replacing), made);
}

QCoro::Task<void> ActionRunner::finishReplacement(QCoro::Task<void> replacing, MadeReplacement made)
{
    const QPointer<ActionRunner> self(this);
    std::exception_ptr error;
    try {
        co_await std::move(replacing);
    } catch (...) {
        error = std::current_exception();
    }
    if (!self)
        co_return;
    if (error) {
        // A paste that failed replaced nothing, whatever was noted before it.
        made->reset();
        reportFailure(error);
        co_return;
    }
    m_parts.status.setLastError(std::nullopt);
    if (*made) {
        remember(**made);
        m_parts.resultPanel.offerUndo();
    } else {
        m_parts.resultPanel.hide();
    }
}

void ActionRunner::reportFailure(const QString &message)
{
    qCInfo(lcRunner) << "failure:" << message;
    m_parts.status.setLastError(message);
    m_parts.resultPanel.fail(message);
    m_parts.platform.sound.beep();
}

void ActionRunner::reportFailure(const std::exception_ptr &error)
{
    if (const std::optional<QString> message = failureMessage(error))
        reportFailure(*message);
}
