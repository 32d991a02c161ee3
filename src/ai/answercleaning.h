#pragma once

#include <QString>
#include <optional>

// Turning a model's raw answer into the text the user gets.
namespace AnswerCleaning {
// Trims the answer and strips the wrapping models like to add: <text> markers, code fences and
// quotation marks (unless the selected text, `original`, began with the same mark itself).
QString clean(const QString &answer, const QString &original);

// Small models sometimes repeat a passage until their output limit. Returns the text with the
// repeated tail cut down to one copy, trimmed; nothing when no repetition is found.
std::optional<QString> withoutRepetition(const QString &text);

// The run of white space (line breaks included) at the start, and at the end after that run.
QString leadingWhitespace(const QString &text);
QString trailingWhitespace(const QString &text);
} // namespace AnswerCleaning
