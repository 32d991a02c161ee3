#pragma once

#include <QString>

// What the result panel shows: work in progress with a title, a failure message, a result with Copy
// and Replace, or a brief "Done".
struct ResultPanelState {
    enum class Kind {
        working,
        failed,
        result,
        done,
    };

    Kind kind = Kind::done;
    QString text; // the title, the message or the result; empty for done

    static ResultPanelState working(const QString &title) { return {Kind::working, title}; }
    static ResultPanelState failed(const QString &message) { return {Kind::failed, message}; }
    static ResultPanelState result(const QString &text) { return {Kind::result, text}; }
    static ResultPanelState done() { return {Kind::done, {}}; }

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
        case Kind::done:
            break;
        }
        return "done";
    }

    // Only a result has buttons; the other states let clicks through to what lies below.
    bool takesClicks() const { return kind == Kind::result; }

    friend bool operator==(const ResultPanelState &, const ResultPanelState &) = default;
};
