#pragma once

#include <QHash>
#include <QLocale>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// Identifies which of the sixteen target languages a text is in. Stateless: every call builds its own
// hints from the current locale.
namespace LanguageDetector {

// Swedish, Danish, Norwegian Bokmål, Nynorsk and Norwegian: too close to tell apart reliably, so any
// two of them count as the same language in checks.
const QSet<QString> &nordic();

// Weights for the identifier: every target code 1.0, English 1.5, the locale's language 2.0.
QHash<QString, double> hints(const QLocale &locale = QLocale());

// The target code of the text, or nothing when no target language reaches the confidence threshold.
std::optional<QString> detect(const QString &text);
std::optional<QString> detect(const QString &text, const QLocale &locale);

// Whether the text may be taken to be in `code`; short or undetectable texts are never judged.
bool textIsIn(const QString &text, const QString &code);

// The language of the user's own text; a Scandinavian detection becomes the first Scandinavian
// language among `preferredLanguages` (BCP 47 tags, "no" given as "nb").
std::optional<QString> detectUserText(const QString &text, const QStringList &preferredLanguages);
// As above with the user's preferred languages from the system.
std::optional<QString> detectUserText(const QString &text);

// Display name of a code in the interface language; English name for prompts.
QString localizedName(const QString &code);
QString englishName(const QString &code);

// Texts with fewer user-perceived characters than this are never judged by textIsIn.
inline constexpr int kMinimumJudgedLength = 20;

} // namespace LanguageDetector
