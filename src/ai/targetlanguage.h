#pragma once

#include "platform/settingkey.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

// The sixteen languages the system translates into and answers in; the raw value is the language code.
enum class TargetLanguage {
    english,
    swedish,
    danish,
    norwegian,
    german,
    french,
    spanish,
    italian,
    dutch,
    portuguese,
    turkish,
    japanese,
    korean,
    chineseSimplified,
    chineseTraditional,
    vietnamese,
};

namespace TargetLanguages {
// Every case, in declaration order.
const QList<TargetLanguage> &allCases();
QString rawValue(TargetLanguage language);
std::optional<TargetLanguage> fromRawValue(const QString &raw);
// Name in the application's interface language (menus, progress titles, errors).
QString localizedName(TargetLanguage language);
// Name in English (only inside prompts sent to models).
QString englishName(TargetLanguage language);

extern const SettingKey settingKey;
// The language translations go into when none is asked for.
TargetLanguage stored(const UserDefaults &defaults);
} // namespace TargetLanguages

inline size_t qHash(TargetLanguage language, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(language), seed);
}
