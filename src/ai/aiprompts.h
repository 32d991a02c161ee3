#pragma once

#include <QString>

// The parts of a request that do not depend on the action: the custom-prompt system prompt, the
// clauses that name languages, and the user message.
namespace AIPrompts {
QString customInstructions(const QString &instruction);
// " The text is written in D."
QString writtenIn(const QString &englishName);
// " Your answer must be in D too."
QString answerMustBeIn(const QString &englishName);
// " Reply in E only.", after one answer came back in another language.
QString replyIn(const QString &englishName);
// " Do not translate. Reply in E only."
QString doNotTranslate(const QString &englishName);
// "<text>\n…\n</text>"
QString userMessage(const QString &trimmedText);
} // namespace AIPrompts
