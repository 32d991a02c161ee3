#include "ai/answercleaning.h"

#include "ai/graphemes.h"

#include <algorithm>

namespace {

struct QuotePair {
    QChar open;
    QChar close;
};

constexpr QuotePair kQuotePairs[] = {
    {u'"', u'"'},
    {QChar(0x201C), QChar(0x201D)},
    {QChar(0x201D), QChar(0x201D)},
    {QChar(0x00AB), QChar(0x00BB)},
};

bool sameRun(const QList<QStringView> &characters, qsizetype a, qsizetype b, qsizetype length)
{
    return std::equal(characters.begin() + a, characters.begin() + a + length, characters.begin() + b);
}

qsizetype leadingLength(const QString &text)
{
    qsizetype length = 0;
    while (length < text.size() && text.at(length).isSpace())
        ++length;
    return length;
}

} // namespace

namespace AnswerCleaning {

QString clean(const QString &answer, const QString &original)
{
    QString result = answer.trimmed();
    for (const QLatin1String marker : {QLatin1String("<text>"), QLatin1String("</text>"), QLatin1String("```")}) {
        if (result.startsWith(marker))
            result.remove(0, marker.size());
        if (result.endsWith(marker))
            result.chop(marker.size());
        result = result.trimmed();
    }
    for (const QuotePair &pair : kQuotePairs) {
        if (result.size() >= 2 && result.startsWith(pair.open) && result.endsWith(pair.close)
            && !original.startsWith(pair.open)) {
            result = result.mid(1, result.size() - 2);
            break;
        }
    }
    return result.trimmed();
}

std::optional<QString> withoutRepetition(const QString &text)
{
    const QList<QStringView> characters = Graphemes::split(text);
    const qsizetype n = characters.size();
    if (n < 24)
        return std::nullopt;
    const qsizetype lastPeriod = std::min<qsizetype>(n / 2, 400);
    for (qsizetype p = 8; p <= lastPeriod; ++p) {
        const qsizetype copies = p <= 39 ? 3 : 2;
        if (n < p * copies)
            return std::nullopt;
        bool matches = true;
        for (qsizetype i = 2; i <= copies && matches; ++i)
            matches = sameRun(characters, n - i * p, n - p, p);
        if (!matches)
            continue;
        qsizetype cut = n - (copies - 1) * p;
        while (cut >= 2 * p && sameRun(characters, cut - 2 * p, cut - p, p))
            cut -= p;
        QString kept;
        for (qsizetype i = 0; i < cut; ++i)
            kept += characters[i];
        return kept.trimmed();
    }
    return std::nullopt;
}

QString leadingWhitespace(const QString &text)
{
    return text.left(leadingLength(text));
}

QString trailingWhitespace(const QString &text)
{
    // A text of white space only has it all at the start; counting it twice would double it.
    const qsizetype start = leadingLength(text);
    qsizetype end = text.size();
    while (end > start && text.at(end - 1).isSpace())
        --end;
    return text.mid(end);
}

} // namespace AnswerCleaning
