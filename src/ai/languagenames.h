#pragma once

#include <QString>

// Names of language codes ("de", "zh-Hant", …) from ICU's locale data.
namespace LanguageNames {
// The language the interface is shown in: "en" unless a loaded translation names its own.
QString interfaceLanguage();
// The name of `code` in the language `inLanguage`; the code itself when the locale data has none.
QString displayName(const QString &code, const QString &inLanguage);
// The name in the interface language (menus, pickers, progress titles, error messages).
QString localizedName(const QString &code);
// The name in English (only inside prompts sent to models).
QString englishName(const QString &code);
} // namespace LanguageNames
