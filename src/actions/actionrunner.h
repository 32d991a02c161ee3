#pragma once

#include "actions/textreplacer.h"

#include <QCoroTask>
#include <QObject>
#include <QPointF>
#include <QString>
#include <exception>
#include <optional>

struct SessionParts;

// Runs actions on the selection under the rules they share: at most one that must not overlap runs
// at a time, its progress shows next to the caret, its result replaces the selection or is shown
// first, and every failure is shown there with the alert sound and kept as the last error.
class ActionRunner final : public QObject {
    Q_OBJECT
public:
    // Where progress is shown when the caret cannot be found: this far from the pointer (y up).
    static constexpr QPointF pointerAnchorOffset{12, -30};
    static constexpr qreal pointerAnchorHeight = 18;

    explicit ActionRunner(SessionParts &parts);

    // The message shown for a failure; none for a cancelled request, which is not one.
    static std::optional<QString> failureMessage(const std::exception_ptr &error);
    static QString accessibilityMessage();

    // True (after a beep) while an action that must not overlap runs.
    bool refusedWhileBusy();
    // The guard of the actions that must not overlap: false (after telling the user) when refused.
    // Otherwise the runner counts as busy until the action given to a run below ends.
    bool beginBusyAction();
    // False, after telling the user, when other applications may not be read and typed into.
    bool ensureTrusted();

    // Transforms the selection: pastes the result over it directly, or shows it first with Copy and,
    // when `canReplace`, Replace.
    void runOnSelection(const QString &title, bool direct, bool canReplace, TextReplacer::Transform run);
    // Runs on the selection or on none, pasting any output over the selection.
    void runOnOptionalSelection(const QString &title, TextReplacer::Body run);

    void reportFailure(const QString &message);
    void reportFailure(const std::exception_ptr &error);

private:
    void showProgress(const QString &title);
    QCoro::Task<void> finishBusy(QCoro::Task<void> action);
    QCoro::Task<void> replaceDirectly(TextReplacer::Transform run);
    QCoro::Task<void> showResult(bool canReplace, TextReplacer::Transform run);
    QCoro::Task<void> replace(QString text, std::optional<RunningApp> app);
    QCoro::Task<void> replaceOptionalSelection(TextReplacer::Body run);
    // Waits for a replacement of the selection, then hides the panel or shows why it failed.
    QCoro::Task<void> finishReplacement(QCoro::Task<void> replacing);

    SessionParts &m_parts;
    // The result on the panel, for its Copy and Replace buttons.
    QString m_result;
    std::optional<RunningApp> m_resultApp;
};
