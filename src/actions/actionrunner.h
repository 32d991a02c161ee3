#pragma once

#include "actions/textreplacer.h"

#include <QCoroTask>
#include <QObject>
#include <QPointF>
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

class AnswerProgress;
struct SessionParts;

// A language-model action on the selection, as the runner needs it.
struct ModelRequest {
    using Answer = std::function<QCoro::Task<QString>(QString text, AnswerProgress *progress)>;

    QString title; // the progress title, "Proofreading…"
    bool direct = false; // paste the answer over the selection without showing it first
    bool canReplace = false;
    // Mark the answer's changes against the selection (proofreading, rewriting).
    bool marksChanges = false;
    // Given a progress, the answer is streamed there as it is written.
    Answer answer;
};

// Runs actions on the selection under the rules they share: at most one that must not overlap runs
// at a time, its progress shows next to the caret, its result replaces the selection or is shown
// first (as it is written), and every failure is shown there with the alert sound and kept as the
// last error. Each replacement can be undone until the next action; each answer joins the
// session's recent results.
class ActionRunner final : public QObject {
    Q_OBJECT
public:
    // Where progress is shown when the caret cannot be found: this far from the pointer (y up).
    static constexpr QPointF pointerAnchorOffset{12, -30};
    static constexpr qreal pointerAnchorHeight = 18;

    explicit ActionRunner(SessionParts &parts);
    ~ActionRunner() override;

    // The message shown for a failure; none for a cancelled request, which is not one.
    static std::optional<QString> failureMessage(const std::exception_ptr &error);
    static QString accessibilityMessage();
    static QString undoCopiedMessage();

    // True (after a beep) while an action that must not overlap runs.
    bool refusedWhileBusy();
    // The guard of the actions that must not overlap: false (after telling the user) when refused.
    // Otherwise the runner counts as busy until the action given to a run below ends.
    bool beginBusyAction();
    // False, after telling the user, when other applications may not be read and typed into.
    bool ensureTrusted();

    // Transforms the selection: pastes the answer over it directly, or streams it into the panel
    // with Copy and, when it can replace, Replace.
    void runOnSelection(ModelRequest request);
    // Runs on the selection or on none, pasting any output over the selection.
    void runOnOptionalSelection(const QString &title, TextReplacer::Body run);
    // Puts back the text the last replacement replaced, when it still can be; see TextReplacer::undo.
    void undoLastReplace();

    void reportFailure(const QString &message);
    void reportFailure(const std::exception_ptr &error);

private:
    void showProgress(const QString &title);
    void forgetReplacement();
    void remember(TextReplacer::Replacement replacement);
    void keepAnswer(const QString &title, const QString &answer);
    QCoro::Task<void> finishBusy(QCoro::Task<void> action);
    QCoro::Task<void> replaceDirectly(ModelRequest request);
    QCoro::Task<void> showResult(ModelRequest request);
    QCoro::Task<void> replace(QString text, std::optional<RunningApp> app);
    QCoro::Task<void> replaceOptionalSelection(TextReplacer::Body run);
    QCoro::Task<void> undo(TextReplacer::Replacement replacement);
    // Waits for a replacement of the selection, then offers to undo it (or hides the panel when
    // nothing was replaced) or shows why it failed.
    QCoro::Task<void> finishReplacement(QCoro::Task<void> replacing,
                                        std::shared_ptr<std::optional<TextReplacer::Replacement>> made);

    SessionParts &m_parts;
    // The result on the panel, for its Copy and Replace buttons, and the selection it came from.
    QString m_result;
    QString m_original;
    std::optional<RunningApp> m_resultApp;
    // The answer being written into the panel, for Stop.
    std::shared_ptr<AnswerProgress> m_progress;
    std::optional<TextReplacer::Replacement> m_lastReplacement;
};
