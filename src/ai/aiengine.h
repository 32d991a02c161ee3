#pragma once

#include "ai/aiaction.h"
#include "ai/localmodelconfig.h"
#include "ai/targetlanguage.h"

#include <QString>
#include <QCoroTask>
#include <optional>

class AnswerProgress;
class LocalModelClient;
class OnDeviceModel;
class UserDefaults;

// What a custom prompt contributes to a request.
struct CustomInstruction {
    QString instruction;
    bool keepLanguage = true; // the answer must stay in the language of the text
};

// Runs a built-in action or a custom prompt on the selected text, on the local model server chosen
// in the settings or else on the on-device model, and checks the answer (language, plausibility)
// with one retry. Every call stands alone. The answer comes back with the white space that
// surrounded the selection put back around it. Failures are RingleError values, RequestCancelled,
// AnswerStopped, or errors of the on-device model carrying their own message.
// Given an AnswerProgress, a run streams its answer there as it is written; the checks still run
// on the whole answer, and a retry streams again.
class AIEngine final {
public:
    AIEngine(UserDefaults &defaults, LocalModelClient &localModels, OnDeviceModel &onDevice);

    // `language`: the language to translate into or answer in; nothing means the user's target language.
    QCoro::Task<QString> run(AIAction action, QString text, std::optional<TargetLanguage> language = std::nullopt,
                             AnswerProgress *progress = nullptr);
    QCoro::Task<QString> run(CustomInstruction prompt, QString text, AnswerProgress *progress = nullptr);

    // The on-device model's state for the settings: "Ready" or "Unavailable (reason)".
    QString statusText() const;

private:
    // The local server configuration, or nothing for an on-device model that is available.
    std::optional<LocalModelConfig> chosenModel() const;
    TargetLanguage targetLanguage(std::optional<TargetLanguage> requested) const;
    QCoro::Task<QString> generate(std::optional<LocalModelConfig> local, QString instructions, QString text,
                                  double temperature, AnswerProgress *progress);
    // The raw answer, shown to `progress` as it is written.
    QCoro::Task<QString> streamed(std::optional<LocalModelConfig> local, QString instructions, QString text,
                                  double temperature, AnswerProgress &progress);

    UserDefaults &m_defaults;
    LocalModelClient &m_localModels;
    OnDeviceModel &m_onDevice;
};
