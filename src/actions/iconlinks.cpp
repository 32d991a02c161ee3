#include "actions/iconlinks.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

const QRegularExpression &linkTag()
{
    static const QRegularExpression pattern(QStringLiteral("<link\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QRegularExpression attributePattern(const char *name)
{
    return QRegularExpression(QStringLiteral("\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(QLatin1String(name)),
                              QRegularExpression::CaseInsensitiveOption);
}

// The first of the three forms that matched: double-quoted, single-quoted or bare.
std::optional<QString> attribute(const QString &tag, const QRegularExpression &pattern)
{
    const QRegularExpressionMatch match = pattern.match(tag);
    if (!match.hasMatch())
        return std::nullopt;
    for (int group = 1; group <= 3; ++group) {
        if (match.capturedStart(group) >= 0)
            return match.captured(group);
    }
    return std::nullopt;
}

// A whole decimal number, sign allowed, as an integer conversion of the text would take it.
std::optional<qint64> wholeNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    bool fits = false;
    const qint64 value = text.toLongLong(&fits);
    return fits ? std::optional<qint64>(value) : std::nullopt;
}

struct Candidate {
    QUrl url;
    qint64 score = 0;
};

} // namespace

QList<QUrl> iconLinks(const QString &page, const QUrl &base)
{
    static const QRegularExpression rel = attributePattern("rel");
    static const QRegularExpression href = attributePattern("href");
    static const QRegularExpression sizes = attributePattern("sizes");

    QList<Candidate> candidates;
    QRegularExpressionMatchIterator tags = linkTag().globalMatch(page);
    while (tags.hasNext()) {
        const QString tag = tags.next().captured(0);
        const std::optional<QString> relation = attribute(tag, rel);
        if (!relation)
            continue;
        const QString relationLower = relation->toLower();
        if (!relationLower.contains(QLatin1String("icon")))
            continue;
        const std::optional<QString> reference = attribute(tag, href);
        if (!reference)
            continue;
        const QUrl relative(*reference, QUrl::StrictMode);
        if (!relative.isValid())
            continue;
        const QUrl absolute = base.resolved(relative);
        if (!absolute.isValid() || absolute.isRelative())
            continue;

        qint64 score = relationLower.contains(QLatin1String("apple-touch-icon")) ? 1000 : 0;
        if (const std::optional<QString> declared = attribute(tag, sizes)) {
            const QStringList pieces = declared->split(QLatin1Char('x'), Qt::SkipEmptyParts);
            if (const std::optional<qint64> width = pieces.isEmpty() ? std::nullopt : wholeNumber(pieces.first())) {
                // A page can claim any width; past the integer range it counts as the largest.
                if (__builtin_add_overflow(score, *width, &score))
                    score = *width > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
            }
        }
        candidates.append({absolute, score});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) { return a.score > b.score; });

    QList<QUrl> urls;
    urls.reserve(candidates.size());
    for (const Candidate &candidate : std::as_const(candidates))
        urls.append(candidate.url);
    return urls;
}
