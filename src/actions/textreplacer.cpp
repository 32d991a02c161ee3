#include "actions/textreplacer.h"

#include <QDeadlineTimer>

#include "actions/keystroke.h"
#include "ai/graphemes.h"
#include "base/ringleerror.h"
#include "ai/requestcancelled.h"
#include "caret/selectionstate.h"
#include "platform/clipboard.h"
#include "platform/keyboard.h"
#include "platform/monotonicsleep.h"

#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcReplacer, "ringle.actions.textreplacer")

using Clock = std::chrono::steady_clock;

bool isBlank(const std::optional<QString> &text)
{
    return !text || text->trimmed().isEmpty();
}

// Applications may hand back line breaks in their own form.
QString withUnixLineBreaks(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
} // namespace

TextReplacer::TextReplacer(Clipboard &clipboard, Keyboard &keyboard, Workspace &workspace, SelectionStateSource &selection)
    : m_clipboard(clipboard)
    , m_keyboard(keyboard)
    , m_workspace(workspace)
    , m_selection(selection)
{
}

void TextReplacer::stop()
{
    if (m_stopped)
        return;
    m_stopped = true;
    if (m_owed) {
        qCInfo(lcReplacer) << "quitting in the middle of an action: the user's clipboard is put back";
        m_owed->restore(m_clipboard);
        m_owed.reset();
    }
}

void TextReplacer::owe(const ClipboardSnapshot &snapshot)
{
    if (!m_owed)
        m_owed = snapshot;
}

void TextReplacer::restore(const ClipboardSnapshot &snapshot)
{
    if (m_stopped)
        return;
    snapshot.restore(m_clipboard);
    m_owed.reset();
}

void TextReplacer::throwIfStopped() const
{
    if (m_stopped)
        throw RequestCancelled();
}

QCoro::Task<void> TextReplacer::waitForModifierRelease(std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    while (!m_keyboard.heldModifiers().without(KeyModifiers::function).isEmpty() && Clock::now() < deadline)
        co_await MonotonicSleep::sleepFor(modifierPollInterval);
}

QCoro::Task<bool> TextReplacer::waitForChange(qint64 fromCount, std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    while (m_clipboard.changeCount() == fromCount && Clock::now() < deadline)
        co_await MonotonicSleep::sleepFor(changePollInterval);
    co_return m_clipboard.changeCount() != fromCount;
}

QCoro::Task<TextReplacer::Copied> TextReplacer::copyKeepingSnapshot(std::optional<RunningApp> app)
{
    Copied copied;
    copied.snapshot = co_await ClipboardSnapshot::take(m_clipboard);
    throwIfStopped();
    owe(copied.snapshot);
    const qint64 count = m_clipboard.changeCount();
    Keystroke::send(m_keyboard, m_keyboard.copyChord(app));
    const bool changed = co_await waitForChange(count, changeTimeout);
    if (m_stopped) {
        // The copy may have landed after stop() put the user's content back.
        copied.snapshot.restore(m_clipboard);
        throw RequestCancelled();
    }
    if (changed)
        copied.text = co_await m_clipboard.readText();
    else
        qCDebug(lcReplacer) << "the clipboard did not change after the copy keys";
    if (isBlank(copied.text))
        copied.text.reset();
    co_return copied;
}

QCoro::Task<QString> TextReplacer::copySelection()
{
    if (m_selection.selectionState() == SelectionState::empty)
        throw RingleError::nothingSelected();
    co_await waitForModifierRelease(modifierReleaseTimeout);
    const Copied copied = co_await copyKeepingSnapshot(m_workspace.frontApplication());
    restore(copied.snapshot);
    if (!copied.text)
        throw RingleError::nothingSelected();
    co_return *copied.text;
}

QCoro::Task<std::optional<RunningApp>> TextReplacer::frontAfterPanelClick(std::optional<RunningApp> app)
{
    throwIfStopped();
    // A button clicked on Ringle's panel, which KWin gives the focus until the panel is gone, and
    // says so only a moment after the click.
    co_await MonotonicSleep::sleepFor(panelClickSettle);
    throwIfStopped();
    std::optional<RunningApp> front = m_workspace.frontApplication();
    bool cameBack = false;
    for (const QDeadlineTimer deadline(focusReturnTimeout); app && !isSameApp(front, app) && !deadline.hasExpired();) {
        co_await MonotonicSleep::sleepFor(changePollInterval);
        throwIfStopped();
        front = m_workspace.frontApplication();
        cameBack = isSameApp(front, app);
    }
    // The compositor says which window is in front a moment before that window has the keyboard.
    if (cameBack) {
        co_await MonotonicSleep::sleepFor(keyboardReturnDelay);
        throwIfStopped();
    }
    co_return front;
}

QCoro::Task<void> TextReplacer::paste(QString text, std::optional<RunningApp> app)
{
    const std::optional<RunningApp> front = co_await frontAfterPanelClick(app);
    if (!isSameApp(front, app)) {
        m_clipboard.writeText(text, true);
        throw RingleError::focusChanged();
    }
    ClipboardSnapshot snapshot = co_await ClipboardSnapshot::take(m_clipboard);
    throwIfStopped();
    owe(snapshot);
    co_await pasteOver(std::move(text), std::move(app), std::move(snapshot));
}

QCoro::Task<void> TextReplacer::replaceSelection(Transform transform)
{
    // The same pass as a body that needs a selection, so both paths behave identically.
    Body body = [transform = std::move(transform)](std::optional<QString> selection) -> QCoro::Task<std::optional<QString>> {
        if (!selection)
            throw RingleError::nothingSelected();
        co_return co_await transform(std::move(*selection));
    };
    co_await withOptionalSelection(std::move(body));
}

QCoro::Task<void> TextReplacer::withOptionalSelection(Body body)
{
    if (m_selection.selectionState() == SelectionState::empty) {
        co_await body(std::nullopt);
        co_return;
    }
    const std::optional<RunningApp> app = m_workspace.frontApplication();
    co_await waitForModifierRelease(modifierReleaseTimeout);
    Copied copied = co_await copyKeepingSnapshot(app);

    std::optional<QString> output;
    try {
        output = co_await body(copied.text);
    } catch (...) {
        restore(copied.snapshot);
        throw;
    }
    if (!copied.text || !output) {
        restore(copied.snapshot);
        co_return;
    }
    co_await pasteOver(std::move(*output), app, std::move(copied.snapshot));
}

QCoro::Task<void> TextReplacer::pasteOver(QString text, std::optional<RunningApp> app, ClipboardSnapshot snapshot)
{
    throwIfStopped();
    const std::optional<RunningApp> front = m_workspace.frontApplication();
    if (!isSameApp(front, app)) {
        // The user finds the result on the clipboard, as the message says; nothing is owed back.
        m_owed.reset();
        m_clipboard.writeText(text, true);
        throw RingleError::focusChanged();
    }
    co_await pasteAndRestore(std::move(text), front, std::move(snapshot));
}

QCoro::Task<void> TextReplacer::pasteAndRestore(QString text, std::optional<RunningApp> front, ClipboardSnapshot snapshot)
{
    m_clipboard.writeText(text, true);
    Keystroke::send(m_keyboard, m_keyboard.pasteChord(front));
    // There is no way to learn when the other application has read the clipboard.
    co_await MonotonicSleep::sleepFor(restoreDelay);
    restore(snapshot);
}

bool TextReplacer::canSelectBack(const Replacement &replacement, const std::optional<RunningApp> &front) const
{
    if (!replacement.app || !isSameApp(front, replacement.app))
        return false;
    // Terminals take other copy keys, and the arrow keys move their shell's cursor instead of
    // selecting.
    if (!(m_keyboard.copyChord(replacement.app) == m_keyboard.copyChord(std::nullopt)))
        return false;
    const qsizetype length = Graphemes::count(replacement.pasted);
    return length > 0 && length <= maximumUndoLength;
}

QCoro::Task<TextReplacer::UndoOutcome> TextReplacer::undo(Replacement replacement)
{
    const std::optional<RunningApp> frontAtStart = co_await frontAfterPanelClick(replacement.app);
    if (!canSelectBack(replacement, frontAtStart)) {
        qCInfo(lcReplacer) << "undo: cannot select the replacement here; the original goes on the clipboard";
        m_clipboard.writeText(replacement.original, false);
        co_return UndoOutcome::copied;
    }
    co_await waitForModifierRelease(modifierReleaseTimeout);
    ClipboardSnapshot snapshot = co_await ClipboardSnapshot::take(m_clipboard);
    throwIfStopped();
    owe(snapshot);

    const int length = int(Graphemes::count(replacement.pasted));
    m_keyboard.post(Keystroke::comboEvents({Key::leftArrow, KeyModifiers::shift}, length));
    const qint64 count = m_clipboard.changeCount();
    Keystroke::send(m_keyboard, m_keyboard.copyChord(replacement.app));
    const bool changed = co_await waitForChange(count, changeTimeout);
    throwIfStopped();
    // Not a co_await inside a conditional expression: this compiler destroys its temporaries twice.
    std::optional<QString> selected;
    if (changed)
        selected = co_await m_clipboard.readText();
    throwIfStopped();

    const std::optional<RunningApp> front = m_workspace.frontApplication();
    if (selected && withUnixLineBreaks(*selected) == withUnixLineBreaks(replacement.pasted)
        && isSameApp(front, replacement.app)) {
        co_await pasteAndRestore(std::move(replacement.original), front, std::move(snapshot));
        co_return UndoOutcome::restored;
    }
    qCInfo(lcReplacer) << "undo: the text before the caret is not the replacement any more";
    // The caret goes back where it was: the selection made above ends there.
    if (isSameApp(front, replacement.app))
        Keystroke::send(m_keyboard, {Key::rightArrow, {}});
    restore(snapshot);
    m_clipboard.writeText(replacement.original, false);
    co_return UndoOutcome::copied;
}
