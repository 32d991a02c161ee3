#pragma once

#include "ai/worddiff.h"

#include <QList>
#include <QString>
#include <optional>

// What the result panel shows: work in progress with a title, an answer being written, a failure
// message, a result with Copy and Replace, or a brief "Done" (with Undo after a replacement).
struct ResultPanelState {
    enum class Kind {
        working,
        failed,
        result,
        done,
        streaming,
    };

    Kind kind = Kind::done;
    QString text; // the title, the message, the result or the answer so far; empty for done
    // Streaming: the progress title shown above the answer.
    QString title;
    // Result: the answer's changes against the selected text, when they are to be marked.
    std::optional<QList<WordChange>> changes;
    // Result: the answer was stopped before it was complete.
    bool stopped = false;
    // Done: the replacement can be undone from the panel.
    bool offersUndo = false;

    static ResultPanelState of(Kind kind, const QString &text)
    {
        ResultPanelState state;
        state.kind = kind;
        state.text = text;
        return state;
    }
    static ResultPanelState working(const QString &title) { return of(Kind::working, title); }
    static ResultPanelState failed(const QString &message) { return of(Kind::failed, message); }
    static ResultPanelState result(const QString &text) { return of(Kind::result, text); }
    static ResultPanelState done() { return of(Kind::done, {}); }
    static ResultPanelState streaming(const QString &title, const QString &written)
    {
        ResultPanelState state = of(Kind::streaming, written);
        state.title = title;
        return state;
    }
    static ResultPanelState changed(const QString &text, QList<WordChange> changes)
    {
        ResultPanelState state = of(Kind::result, text);
        state.changes = std::move(changes);
        return state;
    }
    static ResultPanelState stoppedResult(const QString &text)
    {
        ResultPanelState state = of(Kind::result, text);
        state.stopped = true;
        return state;
    }
    static ResultPanelState doneWithUndo()
    {
        ResultPanelState state = of(Kind::done, {});
        state.offersUndo = true;
        return state;
    }

    // For diagnostics.
    const char *kindName() const
    {
        switch (kind) {
        case Kind::working:
            return "working";
        case Kind::failed:
            return "failed";
        case Kind::result:
            return "result";
        case Kind::streaming:
            return "streaming";
        case Kind::done:
            break;
        }
        return offersUndo ? "done-undo" : "done";
    }

    // States with buttons take clicks; the others let clicks through to what lies below.
    bool takesClicks() const { return kind == Kind::result || kind == Kind::streaming || offersUndo; }
    // A finished state with buttons goes when the user clicks or types elsewhere; an answer being
    // written stays while the user works on.
    bool hidesOnOutsideInput() const { return kind == Kind::result || offersUndo; }
    // An answer text laid out in the scrolling area.
    bool showsAnswer() const { return kind == Kind::result || kind == Kind::streaming; }
    // A result whose answer is the selected text unchanged: nothing to replace.
    bool isUnchanged() const { return changes && !WordDiff::hasChanges(*changes); }

    friend bool operator==(const ResultPanelState &, const ResultPanelState &) = default;
};
