#include "ai/targetlanguage.h"

#include "ai/languagenames.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<TargetLanguage, const char *>, 16> kRawValues{{
    {TargetLanguage::english, "en"},
    {TargetLanguage::swedish, "sv"},
    {TargetLanguage::danish, "da"},
    {TargetLanguage::norwegian, "nb"},
    {TargetLanguage::german, "de"},
    {TargetLanguage::french, "fr"},
    {TargetLanguage::spanish, "es"},
    {TargetLanguage::italian, "it"},
    {TargetLanguage::dutch, "nl"},
    {TargetLanguage::portuguese, "pt"},
    {TargetLanguage::turkish, "tr"},
    {TargetLanguage::japanese, "ja"},
    {TargetLanguage::korean, "ko"},
    {TargetLanguage::chineseSimplified, "zh-Hans"},
    {TargetLanguage::chineseTraditional, "zh-Hant"},
    {TargetLanguage::vietnamese, "vi"},
}};

} // namespace

namespace TargetLanguages {

const QList<TargetLanguage> &allCases()
{
    static const QList<TargetLanguage> cases = [] {
        QList<TargetLanguage> list;
        for (const auto &[language, raw] : kRawValues)
            list.append(language);
        return list;
    }();
    return cases;
}

QString rawValue(TargetLanguage language)
{
    for (const auto &[candidate, raw] : kRawValues) {
        if (candidate == language)
            return QString::fromLatin1(raw);
    }
    Q_UNREACHABLE();
    return {};
}

std::optional<TargetLanguage> fromRawValue(const QString &raw)
{
    for (const auto &[language, candidate] : kRawValues) {
        if (raw == QLatin1String(candidate))
            return language;
    }
    return std::nullopt;
}

QString localizedName(TargetLanguage language)
{
    return LanguageNames::localizedName(rawValue(language));
}

QString englishName(TargetLanguage language)
{
    return LanguageNames::englishName(rawValue(language));
}

const SettingKey settingKey{QStringLiteral("targetLanguage"), SettingKey::Type::string, rawValue(TargetLanguage::english),
                            QStringLiteral("The language Translate writes in and answers are given in."),
                            SettingKey::texts(allCases(), &rawValue)};

TargetLanguage stored(const UserDefaults &defaults)
{
    return *fromRawValue(settingKey.chosen(defaults));
}

} // namespace TargetLanguages
