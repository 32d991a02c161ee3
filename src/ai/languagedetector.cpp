#include "ai/languagedetector.h"

#include "ai/cld2identifier.h"
#include "ai/languagehypothesis.h"
#include "ai/languagenames.h"
#include "ai/targetlanguage.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace {

bool isShorterThan(const QString &text, int graphemes)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1) {
        if (++count >= graphemes)
            return false;
    }
    return true;
}

QString primaryLanguageSubtag(const QString &tag)
{
    return tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

// CLD2 pairs these with a close neighbour among the targets (Danish with Norwegian, Spanish with
// Portuguese, the two Chinese scripts); a hint for one of them suppresses its neighbour and turns clear
// texts in the neighbour around, so they are never passed on.
bool suppressesANeighbour(const QString &code)
{
    static const QSet<QString> paired{QStringLiteral("da"), QStringLiteral("nb"), QStringLiteral("es"),
                                      QStringLiteral("pt"), QStringLiteral("zh-Hans"), QStringLiteral("zh-Hant")};
    return paired.contains(code);
}

// CLD2 takes a list of favoured languages rather than weights: those weighted above the neutral 1.0,
// strongest first, that can be an answer at all (a boosted language outside the sixteen could only
// take letters away from them) and that do not suppress a neighbour.
QStringList boostedCodes(const QHash<QString, double> &weights)
{
    QStringList codes;
    for (auto it = weights.cbegin(); it != weights.cend(); ++it) {
        if (it.value() > 1.0 && TargetLanguages::fromRawValue(it.key()) && !suppressesANeighbour(it.key()))
            codes.append(it.key());
    }
    std::sort(codes.begin(), codes.end(), [&](const QString &a, const QString &b) {
        return weights.value(a) != weights.value(b) ? weights.value(a) > weights.value(b) : a < b;
    });
    return codes;
}

} // namespace

namespace LanguageDetector {

const QSet<QString> &nordic()
{
    static const QSet<QString> codes{QStringLiteral("sv"), QStringLiteral("da"), QStringLiteral("nb"),
                                     QStringLiteral("nn"), QStringLiteral("no")};
    return codes;
}

QHash<QString, double> hints(const QLocale &locale)
{
    QHash<QString, double> weights;
    for (const TargetLanguage language : TargetLanguages::allCases())
        weights.insert(TargetLanguages::rawValue(language), 1.0);
    weights.insert(QStringLiteral("en"), 1.5);
    if (locale.language() != QLocale::C && locale.language() != QLocale::AnyLanguage) {
        const QString code = QLocale::languageToCode(locale.language());
        if (!code.isEmpty())
            weights.insert(code, 2.0);
    }
    return weights;
}

std::optional<QString> detect(const QString &text)
{
    return detect(text, QLocale());
}

std::optional<QString> detect(const QString &text, const QLocale &locale)
{
    const LanguageEvidence evidence = Cld2Identifier::identify(text, boostedCodes(hints(locale)));
    return LanguageHypotheses::accepted(LanguageHypotheses::best(evidence));
}

bool textIsIn(const QString &text, const QString &code)
{
    if (isShorterThan(text, kMinimumJudgedLength))
        return true;
    const auto detected = detect(text);
    if (!detected || *detected == code)
        return true;
    if (nordic().contains(*detected))
        return nordic().contains(code);
    return false;
}

std::optional<QString> detectUserText(const QString &text, const QStringList &preferredLanguages)
{
    const auto detected = detect(text);
    if (!detected || !nordic().contains(*detected))
        return detected;
    for (const QString &preferred : preferredLanguages) {
        const QString code = primaryLanguageSubtag(preferred);
        if (nordic().contains(code))
            return code == QLatin1String("no") ? QStringLiteral("nb") : code;
    }
    return detected;
}

std::optional<QString> detectUserText(const QString &text)
{
    return detectUserText(text, QLocale::system().uiLanguages());
}

QString localizedName(const QString &code)
{
    return LanguageNames::localizedName(code);
}

QString englishName(const QString &code)
{
    return LanguageNames::englishName(code);
}

} // namespace LanguageDetector
