#include "wheel/customprompt.h"

#include "wheel/jsondecodeerror.h"
#include "wheel/jsonfields.h"
#include "wheel/wheeltab.h"

#include <QCoreApplication>

QString CustomPrompt::title() const
{
    const QString trimmed = WheelText::trimmedSpacesAndTabs(name);
    return trimmed.isEmpty() ? QCoreApplication::translate("CustomPrompt", "Untitled Prompt") : trimmed;
}

QString CustomPrompt::rawValue(ResultMode mode)
{
    return mode == ResultMode::show ? QStringLiteral("show") : QStringLiteral("replace");
}

std::optional<CustomPrompt::ResultMode> CustomPrompt::resultModeFromRawValue(const QString &raw)
{
    if (raw == QLatin1String("replace"))
        return ResultMode::replace;
    if (raw == QLatin1String("show"))
        return ResultMode::show;
    return std::nullopt;
}

QJsonObject CustomPrompt::toJson() const
{
    return QJsonObject{
        {QStringLiteral("id"), JsonFields::uuidText(id)},
        {QStringLiteral("name"), name},
        {QStringLiteral("symbol"), symbol},
        {QStringLiteral("instruction"), instruction},
        {QStringLiteral("result"), rawValue(result)},
        {QStringLiteral("keepLanguage"), keepLanguage},
    };
}

CustomPrompt CustomPrompt::fromJson(const QJsonValue &value)
{
    const QJsonObject object = JsonFields::object(value, QT_TRANSLATE_NOOP("JsonFields", "a custom prompt"));
    CustomPrompt prompt;
    prompt.id = JsonFields::uuid(object, "id");
    prompt.name = JsonFields::string(object, "name");
    prompt.symbol = JsonFields::string(object, "symbol");
    prompt.instruction = JsonFields::string(object, "instruction");
    const QString result = JsonFields::string(object, "result");
    const std::optional<ResultMode> mode = resultModeFromRawValue(result);
    if (!mode)
        throw JsonDecodeError(QCoreApplication::translate("JsonFields", "Unknown result mode \"%1\".").arg(result));
    prompt.result = *mode;
    prompt.keepLanguage = JsonFields::boolean(object, "keepLanguage");
    return prompt;
}

size_t qHash(const CustomPrompt &prompt, size_t seed) noexcept
{
    return qHashMulti(seed, prompt.id, prompt.name, prompt.symbol, prompt.instruction, int(prompt.result),
                      prompt.keepLanguage);
}
