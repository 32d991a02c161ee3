#pragma once

#include <QJsonObject>
#include <QString>
#include <QUuid>
#include <optional>

// The user's own instruction for the selected text, referred to from slots by id. A default-built
// prompt is a new one: fresh id, empty name and instruction, "text.bubble", replace, keepLanguage.
struct CustomPrompt {
    enum class ResultMode {
        replace, // the answer is pasted over the selection
        show,    // the answer is shown next to the cursor
    };

    QUuid id = QUuid::createUuid();
    QString name;
    QString symbol = QStringLiteral("text.bubble");
    QString instruction;
    ResultMode result = ResultMode::replace;
    bool keepLanguage = true;

    // The name trimmed of spaces and tabs, or "Untitled Prompt".
    QString title() const;

    static QString rawValue(ResultMode mode);
    static std::optional<ResultMode> resultModeFromRawValue(const QString &raw);

    // All six keys required; "result" is "replace" or "show". Throws JsonDecodeError.
    QJsonObject toJson() const;
    static CustomPrompt fromJson(const QJsonValue &value);

    bool operator==(const CustomPrompt &) const = default;
};

size_t qHash(const CustomPrompt &prompt, size_t seed = 0) noexcept;
