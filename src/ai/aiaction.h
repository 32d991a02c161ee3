#pragma once

#include "ai/targetlanguage.h"
#include "platform/settingkey.h"

#include <QString>

// The built-in language-model actions, in menu order.
enum class AIAction {
    proofread,
    rewrite,
    translate,
    explain,
    summarize,
};

namespace AIActions {
const QList<AIAction> &allCases();
// The working title shown while the action runs ("Proofreading…").
QString progressTitle(AIAction action);
// The answer is always shown next to the caret, never pasted directly.
bool alwaysShowsResult(AIAction action);
// The answer is written in the target language rather than in the language of the text.
bool answersInTargetLanguage(AIAction action);
double temperature(AIAction action);
// The system prompt, naming `language` where the action answers in it.
QString instructions(AIAction action, TargetLanguage language);
// Results go to the panel before replacing anything.
extern const SettingKey showResultFirstKey;
inline bool showResultFirst(const UserDefaults &defaults) { return showResultFirstKey.isOn(defaults); }
} // namespace AIActions
