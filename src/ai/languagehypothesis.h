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

// The most probable target language among the guesses ("no" and "nn" count as "nb", "zh" as
// "zh-Hans"), or nothing when none is a target language.
std::optional<LanguageHypothesis> best(const LanguageEvidence &evidence);
// The hypothesis' code when its probability reaches the threshold.
std::optional<QString> accepted(const std::optional<LanguageHypothesis> &hypothesis);
} // namespace LanguageHypotheses
