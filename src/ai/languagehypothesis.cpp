#include "ai/languagehypothesis.h"

#include "ai/targetlanguage.h"

#include <QHash>
#include <algorithm>

// The identifier (CLD2) gives no probability: it reports which share of the text's letters each
// language claims, whether it deems the answer reliable, and a normalized score that is high for real
// text (about 700 and more for ordinary sentences in the sixteen languages) and low for keyboard noise
// or strings of symbols (below about 300). The probability judged against the threshold is
//
//     share of the whole text claimed by the target language (guesses merged per target code)
//   × 1 when the identifier deems the answer reliable, else 0.75
//   × plausibility of the normalized score: 0 at 200 or less, rising linearly to 1 at 500 and above.
//
// So a text counts as detected when at least 60 % of it is in one target language, the identifier
// stands by it, and it reads like language; letters in other languages count against it.

namespace {

constexpr double kUnreliableFactor = 0.75;
constexpr double kNoiseScore = 200.0;
constexpr double kLanguageScore = 500.0;

// The target code a CLD2 code stands for; nothing for languages outside the sixteen.
std::optional<QString> targetCode(const QString &identifierCode)
{
    if (identifierCode == QLatin1String("no") || identifierCode == QLatin1String("nn"))
        return QStringLiteral("nb");
    if (identifierCode == QLatin1String("zh"))
        return QStringLiteral("zh-Hans");
    if (TargetLanguages::fromRawValue(identifierCode))
        return identifierCode;
    return std::nullopt;
}

// 0…1: how much the score looks like real text rather than noise.
double plausibility(double normalizedScore)
{
    return std::clamp((normalizedScore - kNoiseScore) / (kLanguageScore - kNoiseScore), 0.0, 1.0);
}

} // namespace

namespace LanguageHypotheses {

std::optional<LanguageHypothesis> best(const LanguageEvidence &evidence)
{
    struct Claim {
        int percent = 0;
        double score = 0;
        qsizetype firstSeen = 0;
    };
    QHash<QString, Claim> claims;
    for (qsizetype i = 0; i < evidence.guesses.size(); ++i) {
        const auto &guess = evidence.guesses.at(i);
        const auto code = targetCode(guess.code);
        if (!code || guess.percent <= 0)
            continue;
        auto it = claims.find(*code);
        if (it == claims.end())
            it = claims.insert(*code, Claim{0, 0, i});
        it->percent += guess.percent;
        it->score = std::max(it->score, guess.normalizedScore);
    }
    std::optional<LanguageHypothesis> result;
    qsizetype resultSeen = 0;
    for (auto it = claims.cbegin(); it != claims.cend(); ++it) {
        const double share = std::clamp(it->percent, 0, 100) / 100.0;
        const double probability =
            share * (evidence.reliable ? 1.0 : kUnreliableFactor) * plausibility(it->score);
        const bool better = !result || probability > result->probability
            || (probability == result->probability && it->firstSeen < resultSeen);
        if (better) {
            result = LanguageHypothesis{it.key(), probability};
            resultSeen = it->firstSeen;
        }
    }
    return result;
}

std::optional<QString> accepted(const std::optional<LanguageHypothesis> &hypothesis)
{
    if (!hypothesis || hypothesis->probability < kAcceptanceThreshold)
        return std::nullopt;
    return hypothesis->code;
}

} // namespace LanguageHypotheses
