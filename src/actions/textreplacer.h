#pragma once

#include "actions/clipboardsnapshot.h"
#include "platform/workspace.h"

#include <QCoroTask>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

class Clipboard;
class Keyboard;
class SelectionStateSource;

// Copies the selection of the application in front the way a user would (its copy keys and the
// clipboard) and pastes text over it, putting the user's own clipboard content back afterwards.
// Runs on the main thread; every wait suspends the calling task. Failures are RingleError values
// (nothingSelected, focusChanged) or whatever a transform or body throws.
class TextReplacer final {
public:
    static constexpr std::chrono::milliseconds modifierReleaseTimeout{1000};
    static constexpr std::chrono::milliseconds modifierPollInterval{15};
    static constexpr std::chrono::milliseconds changeTimeout{800};
    static constexpr std::chrono::milliseconds changePollInterval{20};
    static constexpr std::chrono::milliseconds restoreDelay{500};
    // How long Replace waits for the application to be in front again after the panel's click
    // (KWin gives a clicked panel the focus until it is gone).
    static constexpr std::chrono::milliseconds focusReturnTimeout{500};
    static constexpr std::chrono::milliseconds keyboardReturnDelay{100};
    static constexpr std::chrono::milliseconds panelClickSettle{100};
    // An undo selects the replacement back one character at a time; longer ones are not selected.
    static constexpr qsizetype maximumUndoLength = 4000;

    // A replacement of the selection, as an undo needs it.
    struct Replacement {
        QString original; // the selected text, as it was copied
        QString pasted;   // what was pasted over it
        std::optional<RunningApp> app;
    };
    enum class UndoOutcome {
        restored, // the original is back in the application
        copied,   // the original is on the clipboard instead
    };

    using Transform = std::function<QCoro::Task<QString>(QString)>;
    using Body = std::function<QCoro::Task<std::optional<QString>>(std::optional<QString>)>;

    TextReplacer(Clipboard &clipboard, Keyboard &keyboard, Workspace &workspace, SelectionStateSource &selection);

    // The selected text, untrimmed; throws nothingSelected when there is none.
    QCoro::Task<QString> copySelection();
    // Returns once none of shift, control, option and command is held, or at the deadline.
    QCoro::Task<void> waitForModifierRelease(std::chrono::milliseconds timeout);
    // Pastes a finished text, provided `app` is still in front; does not wait for the modifiers.
    QCoro::Task<void> paste(QString text, std::optional<RunningApp> app);
    // Copies the selection, transforms it and pastes the result over it.
    QCoro::Task<void> replaceSelection(Transform transform);
    // Runs the body on the selection or on none, and pastes its output when there was a
    // selection and there is an output.
    QCoro::Task<void> withOptionalSelection(Body body);

    // Puts the original text back, but only where that is safe: the same application is in front,
    // it is not a terminal, and the text just before the caret, selected back and copied, is exactly
    // what was pasted. Otherwise nothing is typed and the original goes on the clipboard.
    QCoro::Task<UndoOutcome> undo(Replacement replacement);

    // For quitting: puts back the user's content a running copy or paste has taken off the
    // clipboard, and from then on touches neither clipboard nor keyboard; steps still under way
    // end with RequestCancelled.
    void stop();

private:
    struct Copied {
        ClipboardSnapshot snapshot;
        std::optional<QString> text;
    };

    QCoro::Task<bool> waitForChange(qint64 fromCount, std::chrono::milliseconds timeout);
    // Snapshot, copy keys, wait for the clipboard, read the text; nothing is restored here.
    QCoro::Task<Copied> copyKeepingSnapshot(std::optional<RunningApp> app);
    QCoro::Task<void> pasteOver(QString text, std::optional<RunningApp> app, ClipboardSnapshot snapshot);
    QCoro::Task<void> pasteAndRestore(QString text, std::optional<RunningApp> front, ClipboardSnapshot snapshot);
    // The user's content is off the clipboard until this snapshot is restored.
    void owe(const ClipboardSnapshot &snapshot);
    // Whether the replacement can be selected back by its characters with `front` in front.
    bool canSelectBack(const Replacement &replacement, const std::optional<RunningApp> &front) const;
    // What is in front once the focus a click on the panel took has gone back, waiting a moment for
    // `app` to be in front again.
    QCoro::Task<std::optional<RunningApp>> frontAfterPanelClick(std::optional<RunningApp> app);
    void restore(const ClipboardSnapshot &snapshot);
    void throwIfStopped() const;

    Clipboard &m_clipboard;
    Keyboard &m_keyboard;
    Workspace &m_workspace;
    SelectionStateSource &m_selection;
    // The oldest snapshot not yet restored: later ones may hold this app's own writes.
    std::optional<ClipboardSnapshot> m_owed;
    bool m_stopped = false;
};
