#include "actions/actionrunner.h"

#include "actions/controllerstatus.h"
#include "actions/resultpanel.h"
#include "actions/sessionparts.h"
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

// The work's result, with "Done" shown while it is pasted.
template <typename T>
QCoro::Task<T> thenDone(QCoro::Task<T> work, QPointer<QObject> owner, ResultPanel *resultPanel)
{
    T result = co_await std::move(work);
    if (owner)
        resultPanel->show(ResultPanelState::done());
    co_return result;
}

// Runs the model, then says "Done" while the result is pasted. A free function so that nothing it
// uses lives in a lambda that could go away while it waits.
QCoro::Task<QString> transformThenDone(TextReplacer::Transform run, QPointer<QObject> owner,
                                       ResultPanel *resultPanel, QString text)
{
    co_return co_await thenDone(run(std::move(text)), std::move(owner), resultPanel);
}

} // namespace

ActionRunner::ActionRunner(SessionParts &parts)
    : m_parts(parts)
{
    connect(&parts.resultPanel, &ResultPanel::copyChosen, this,
            [this] { m_parts.platform.clipboard.writeText(m_result.trimmed(), false); });
    connect(&parts.resultPanel, &ResultPanel::replaceChosen, this,
            [this] { replace(m_result, m_resultApp); });
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

void ActionRunner::runOnSelection(const QString &title, bool direct, bool canReplace, TextReplacer::Transform run)
{
    showProgress(title);
    finishBusy(direct ? replaceDirectly(std::move(run)) : showResult(canReplace, std::move(run)));
}

void ActionRunner::runOnOptionalSelection(const QString &title, TextReplacer::Body run)
{
    showProgress(title);
    finishBusy(replaceOptionalSelection(std::move(run)));
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

QCoro::Task<void> ActionRunner::replaceDirectly(TextReplacer::Transform run)
{
    const QPointer<ActionRunner> self(this);
    ResultPanel *resultPanel = &m_parts.resultPanel;
    // Named, not a temporary in the co_await: this compiler destroys such temporaries twice.
    TextReplacer::Transform transform = [run, self, resultPanel](QString text) {
        return transformThenDone(run, QPointer<QObject>(self.data()), resultPanel, std::move(text));
    };
    QCoro::Task<void> replacing = m_parts.replacer.replaceSelection(std::move(transform));
    co_await finishReplacement(std::move(replacing));
}

QCoro::Task<void> ActionRunner::showResult(bool canReplace, TextReplacer::Transform run)
{
    const QPointer<ActionRunner> self(this);
    // Taken before anything is copied: Replace goes back to this application only.
    const std::optional<RunningApp> app = m_parts.platform.workspace.frontApplication();
    QString result;
    try {
        QString text = co_await m_parts.replacer.copySelection();
        if (!self)
            co_return;
        result = co_await run(std::move(text));
    } catch (...) {
        if (self)
            reportFailure(std::current_exception());
        co_return;
    }
    if (!self)
        co_return;
    m_parts.status.setLastError(std::nullopt);

    // The panel and Copy show the bare text; Replace keeps the spacing that surrounded the selection.
    m_result = result;
    m_resultApp = app;
    m_parts.resultPanel.show(ResultPanelState::result(result.trimmed()), canReplace);
}

QCoro::Task<void> ActionRunner::replace(QString text, std::optional<RunningApp> app)
{
    const QPointer<ActionRunner> self(this);
    try {
        co_await m_parts.replacer.paste(std::move(text), std::move(app));
    } catch (...) {
        if (self)
            reportFailure(std::current_exception());
    }
}

QCoro::Task<void> ActionRunner::replaceOptionalSelection(TextReplacer::Body run)
{
    const QPointer<ActionRunner> self(this);
    ResultPanel *resultPanel = &m_parts.resultPanel;
    // Named, not a temporary in the co_await: this compiler destroys such temporaries twice.
    TextReplacer::Body body = [run, resultPanel, self](std::optional<QString> selection) {
        return thenDone(run(std::move(selection)), QPointer<QObject>(self.data()), resultPanel);
    };
    QCoro::Task<void> replacing = m_parts.replacer.withOptionalSelection(std::move(body));
    co_await finishReplacement(std::move(replacing));
}

QCoro::Task<void> ActionRunner::finishReplacement(QCoro::Task<void> replacing)
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
        reportFailure(error);
        co_return;
    }
    m_parts.resultPanel.hide();
    m_parts.status.setLastError(std::nullopt);
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
