#include "ai/cld2identifier.h"

#include <cstdio>
#include <cld2/public/compact_lang_det.h>
#include <cld2/public/encodings.h>

namespace {

bool isInterchangeValid(char32_t c)
{
    if (c < 0x20)
        return c == u'\t' || c == u'\n' || c == u'\r';
    if (c >= 0x7F && c < 0xA0)
        return false;
    if (c >= 0xFDD0 && c <= 0xFDEF)
        return false;
    return (c & 0xFFFE) != 0xFFFE;
}

// CLD2 gives up on the whole text at the first byte that is not interchange-valid UTF-8 (controls,
// noncharacters); such characters carry no language, so they become spaces. Its tables know
// precomposed letters only, so decomposed text (ü as u + U+0308) is composed first.
QByteArray interchangeUtf8(const QString &text)
{
    QString composed = text.normalized(QString::NormalizationForm_C);
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar unit = composed.at(i);
        if (unit.isHighSurrogate() && i + 1 < composed.size() && composed.at(i + 1).isLowSurrogate()) {
            if (!isInterchangeValid(QChar::surrogateToUcs4(unit, composed.at(i + 1))))
                composed.replace(i, 2, QStringLiteral("  "));
            ++i;
        } else if (unit.isSurrogate() || !isInterchangeValid(unit.unicode())) {
            composed[i] = QLatin1Char(' ');
        }
    }
    return composed.toUtf8();
}

} // namespace

namespace Cld2Identifier {

LanguageEvidence identify(const QString &text, const QStringList &boostedCodes)
{
    const QByteArray utf8 = interchangeUtf8(text);
    const QByteArray hint = boostedCodes.join(QLatin1Char(',')).toLatin1();
    const CLD2::CLDHints hints{hint.isEmpty() ? nullptr : hint.constData(), nullptr, CLD2::UNKNOWN_ENCODING,
                               CLD2::UNKNOWN_LANGUAGE};

    CLD2::Language languages[3];
    int percents[3] = {};
    double scores[3] = {};
    int textBytes = 0;
    bool reliable = false;
    int validPrefix = 0;
    // Best effort: short texts (a question, a reply of a few words) get an answer instead of none;
    // the normalized score then keeps noise from passing as language.
    CLD2::ExtDetectLanguageSummaryCheckUTF8(utf8.constData(), int(utf8.size()), true, &hints,
                                            CLD2::kCLDFlagBestEffort, languages, percents, scores, nullptr,
                                            &textBytes, &reliable, &validPrefix);

    LanguageEvidence evidence;
    evidence.reliable = reliable && validPrefix == utf8.size();
    if (validPrefix != utf8.size())
        return evidence;
    for (int i = 0; i < 3; ++i) {
        if (languages[i] == CLD2::UNKNOWN_LANGUAGE || percents[i] <= 0)
            continue;
        evidence.guesses.append({QString::fromLatin1(CLD2::LanguageCode(languages[i])), percents[i], scores[i]});
    }
    return evidence;
}

} // namespace Cld2Identifier
