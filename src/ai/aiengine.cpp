#include "ai/aiengine.h"

#include "base/ringleerror.h"
#include "ai/aiprompts.h"
#include "ai/answerprogress.h"
#include "ai/answercleaning.h"
#include "ai/graphemes.h"
#include "ai/languagedetector.h"
#include "ai/localmodelclient.h"
#include "platform/ondevicemodel.h"
#include "platform/userdefaults.h"
#include "ai/requestcancelled.h"

#include <QCoreApplication>

namespace {

// Proofreading answers much shorter or longer than the text are not corrections. Short texts vary
// too much to judge.
constexpr qsizetype kMinimumRatioCheckedLength = 41;
constexpr double kMinimumRatio = 0.6;
constexpr double kMaximumRatio = 1.6;
constexpr double kCustomPromptTemperature = 0.4;

QString wrapped(const QString &answer, const QString &selection)
{
    return AnswerCleaning::leadingWhitespace(selection) + answer + AnswerCleaning::trailingWhitespace(selection);
}

} // namespace

AIEngine::AIEngine(UserDefaults &defaults, LocalModelClient &localModels, OnDeviceModel &onDevice)
    : m_defaults(defaults)
    , m_localModels(localModels)
    , m_onDevice(onDevice)
{
}

std::optional<LocalModelConfig> AIEngine::chosenModel() const
{
    std::optional<LocalModelConfig> local = LocalModelConfig::current(m_defaults);
    if (!local) {
        const OnDeviceAvailability availability = m_onDevice.availability();
        if (!availability.available)
            throw RingleError::modelUnavailable(availability.reason);
    }
    return local;
}

TargetLanguage AIEngine::targetLanguage(std::optional<TargetLanguage> requested) const
{
    return requested ? *requested : TargetLanguages::stored(m_defaults);
}

QCoro::Task<QString> AIEngine::run(AIAction action, QString text, std::optional<TargetLanguage> language,
                                   AnswerProgress *progress)
{
    const std::optional<LocalModelConfig> local = chosenModel();
    const QString trimmed = text.trimmed();
    const TargetLanguage target = targetLanguage(language);
    const std::optional<QString> detected = LanguageDetector::detect(trimmed);

    QString instructions = AIActions::instructions(action, target);
    if (action == AIAction::translate && detected && *detected == TargetLanguages::rawValue(target))
        throw RingleError::alreadyInLanguage(TargetLanguages::localizedName(target));
    if (detected) {
        const QString name = LanguageDetector::englishName(*detected);
        instructions += AIPrompts::writtenIn(name);
        if (action == AIAction::proofread || action == AIAction::rewrite)
            instructions += AIPrompts::answerMustBeIn(name);
    }

    QString answer = co_await generate(local, instructions, trimmed, AIActions::temperature(action), progress);

    std::optional<QString> expected;
    if (action == AIAction::proofread || action == AIAction::rewrite)
        expected = detected;
    else if (action == AIAction::explain || action == AIAction::summarize)
        expected = TargetLanguages::rawValue(target);
    if (expected && !LanguageDetector::textIsIn(answer, *expected)) {
        const QString name = LanguageDetector::englishName(*expected);
        instructions += action == AIAction::explain || action == AIAction::summarize ? AIPrompts::replyIn(name)
                                                                                     : AIPrompts::doNotTranslate(name);
        answer = co_await generate(local, instructions, trimmed, 0.0, progress);
        if (!LanguageDetector::textIsIn(answer, *expected))
            throw RingleError::wrongLanguage(LanguageDetector::localizedName(*expected));
    }

    if (action == AIAction::proofread) {
        const qsizetype textLength = Graphemes::count(trimmed);
        if (textLength >= kMinimumRatioCheckedLength) {
            const double ratio = double(Graphemes::count(answer)) / double(textLength);
            if (ratio < kMinimumRatio || ratio > kMaximumRatio)
                throw RingleError::suspiciousResult();
        }
    }
    co_return wrapped(answer, text);
}

QCoro::Task<QString> AIEngine::run(CustomInstruction prompt, QString text, AnswerProgress *progress)
{
    const std::optional<LocalModelConfig> local = chosenModel();
    const QString trimmed = text.trimmed();
    const std::optional<QString> detected = LanguageDetector::detect(trimmed);

    QString instructions = AIPrompts::customInstructions(prompt.instruction);
    if (detected) {
        instructions += AIPrompts::writtenIn(LanguageDetector::englishName(*detected));
        if (prompt.keepLanguage)
            instructions += AIPrompts::answerMustBeIn(LanguageDetector::englishName(*detected));
    }

    QString answer = co_await generate(local, instructions, trimmed, kCustomPromptTemperature, progress);
    if (detected && prompt.keepLanguage && !LanguageDetector::textIsIn(answer, *detected)) {
        instructions += AIPrompts::doNotTranslate(LanguageDetector::englishName(*detected));
        answer = co_await generate(local, instructions, trimmed, 0.0, progress);
        if (!LanguageDetector::textIsIn(answer, *detected))
            throw RingleError::wrongLanguage(LanguageDetector::localizedName(*detected));
    }
    if (const std::optional<QString> shortened = AnswerCleaning::withoutRepetition(answer))
        answer = shortened->trimmed();
    co_return wrapped(answer, text);
}

QCoro::Task<QString> AIEngine::generate(std::optional<LocalModelConfig> local, QString instructions, QString text,
                                        double temperature, AnswerProgress *progress)
{
    QString answer;
    if (progress) {
        answer = co_await streamed(local, instructions, text, temperature, *progress);
    } else if (local) {
        const QList<ChatMessage> messages{{QStringLiteral("system"), instructions},
                                          {QStringLiteral("user"), AIPrompts::userMessage(text)}};
        answer = co_await m_localModels.complete(*local, messages, temperature);
    } else {
        const std::unique_ptr<OnDeviceSession> session = m_onDevice.makeSession(instructions);
        OnDeviceGenerationOptions options;
        options.temperature = temperature;
        bool contextExceeded = false;
        try {
            answer = co_await session->respond(AIPrompts::userMessage(text), options);
        } catch (const ContextWindowExceeded &) {
            contextExceeded = true;
        }
        if (contextExceeded)
            throw RingleError::textTooLong();
    }
    const QString cleaned = AnswerCleaning::clean(answer, text);
    if (cleaned.isEmpty())
        throw RingleError::suspiciousResult();
    co_return cleaned;
}

QCoro::Task<QString> AIEngine::streamed(std::optional<LocalModelConfig> local, QString instructions, QString text,
                                        double temperature, AnswerProgress &progress)
{
    std::unique_ptr<OnDeviceSession> session;
    AnswerStream stream;
    if (local) {
        const QList<ChatMessage> messages{{QStringLiteral("system"), instructions},
                                          {QStringLiteral("user"), AIPrompts::userMessage(text)}};
        stream = m_localModels.stream(*local, messages, temperature);
    } else {
        session = m_onDevice.makeSession(instructions);
        OnDeviceGenerationOptions options;
        options.temperature = temperature;
        stream = session->streamResponse(AIPrompts::userMessage(text), options);
    }
    if (progress.written)
        progress.written(QString());
    progress.follow(&stream);
    QString answer;
    // Caught outside the loop: a co_await may not stand in a handler.
    enum class Ending { complete, stopped, contextExceeded } ending = Ending::complete;
    std::exception_ptr failure;
    try {
        for (auto it = co_await stream.begin(); it != stream.end() && !progress.isStopped(); co_await ++it) {
            answer = *it;
            if (progress.written)
                progress.written(AnswerCleaning::clean(answer, text));
        }
        if (progress.isStopped())
            ending = Ending::stopped;
    } catch (const RequestCancelled &) {
        if (progress.isStopped())
            ending = Ending::stopped;
        else
            failure = std::current_exception();
    } catch (const ContextWindowExceeded &) {
        ending = Ending::contextExceeded;
    } catch (...) {
        failure = std::current_exception();
    }
    progress.follow(nullptr);
    if (failure)
        std::rethrow_exception(failure);
    if (ending == Ending::contextExceeded)
        throw RingleError::textTooLong();
    if (ending == Ending::stopped)
        throw AnswerStopped(AnswerCleaning::clean(answer, text));
    co_return answer;
}

QString AIEngine::statusText() const
{
    const OnDeviceAvailability availability = m_onDevice.availability();
    if (availability.available)
        return QCoreApplication::translate("AIEngine", "Ready");
    return QCoreApplication::translate("AIEngine", "Unavailable (%1)").arg(availability.reason);
}
