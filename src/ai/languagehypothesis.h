#pragma once

#include <QList>
#include <QString>
#include <optional>

// What the language identifier reported about a text, in its own codes, best guess first.
struct LanguageEvidence {
    struct Guess {
        QString code;                // the identifier's code: "no", "zh", "zh-Hant", "fi", …
        int percent = 0;             // share of the text's letters, 0…100, of the whole text
        double normalizedScore = 0;  // how typical the letters are of the language; noise scores low
    };
    QList<Guess> guesses;
    bool reliable = false;
};

// One of the sixteen target codes with the probability the detection threshold judges.
struct LanguageHypothesis {
    QString code;
    double probability = 0;
};

namespace LanguageHypotheses {
// A hypothesis below this is no detection; the threshold itself is accepted.
inline constexpr double kAcceptanceThreshold = 0.6;

// The target code an identifier code stands for ("no" and "nn" → "nb", "zh" → "zh-Hans"), or nothing
// for languages outside the sixteen.
std::optional<QString> targetCode(const QString &identifierCode);
// 0…1: how much the identifier's score looks like real text rather than noise.
double plausibility(double normalizedScore);
// The most probable target language among the guesses, or nothing when none is a target language.
std::optional<LanguageHypothesis> best(const LanguageEvidence &evidence);
// The hypothesis' code when its probability reaches the threshold.
std::optional<QString> accepted(const std::optional<LanguageHypothesis> &hypothesis);
} // namespace LanguageHypotheses
