#include "ai/worddiff.h"

#include "ai/sequencediff.h"

#include <QHash>
#include <QStringView>

#include <unicode/ubrk.h>
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Some 10 ms of search in a release build, fifteen times what a proofread of 20 000 characters
// takes. Texts that differ more get their unmatched middle shown as one removal and one addition.
constexpr qint64 kWorkLimit = 2'000'000;

bool isSpace(QStringView text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

// Two characters with no grapheme cluster property of their own always have a boundary between
// them; asking the character iterator only elsewhere saves most of its cost.
bool certainCharacterBoundary(const QString &text, qsizetype position)
{
    const auto *units = reinterpret_cast<const UChar *>(text.utf16());
    int32_t index = int32_t(position);
    UChar32 before;
    U16_PREV(units, 0, index, before);
    index = int32_t(position);
    UChar32 after;
    U16_NEXT(units, index, int32_t(text.size()), after);
    return u_getIntPropertyValue(before, UCHAR_GRAPHEME_CLUSTER_BREAK) == U_GCB_OTHER
        && u_getIntPropertyValue(after, UCHAR_GRAPHEME_CLUSTER_BREAK) == U_GCB_OTHER;
}

using BreakIterator = std::unique_ptr<UBreakIterator, decltype(&ubrk_close)>;

BreakIterator openBreaks(UBreakIteratorType type, const QString &text, UErrorCode &status)
{
    return BreakIterator(ubrk_open(type, "", reinterpret_cast<const UChar *>(text.utf16()),
                                   int32_t(text.size()), &status),
                         ubrk_close);
}

// Words, punctuation marks and runs of white space, by the word boundaries of Unicode (dictionaries
// for scripts written without spaces); a boundary inside a user-perceived character is skipped.
QList<QStringView> tokens(const QString &text)
{
    if (text.isEmpty())
        return {};
    if (text.size() > std::numeric_limits<int32_t>::max())
        return {QStringView(text)};
    UErrorCode status = U_ZERO_ERROR;
    const BreakIterator words = openBreaks(UBRK_WORD, text, status);
    const BreakIterator characters = openBreaks(UBRK_CHARACTER, text, status);
    if (U_FAILURE(status) || !words || !characters)
        return {QStringView(text)};
    QList<QStringView> result;
    qsizetype start = 0;
    for (int32_t end = ubrk_next(words.get()); end != UBRK_DONE; end = ubrk_next(words.get())) {
        if (end < text.size() && !certainCharacterBoundary(text, end) && !ubrk_isBoundary(characters.get(), end))
            continue;
        const QStringView token = QStringView(text).sliced(start, end - start);
        // ICU ends a run of spaces at a line break; one run reads as one change.
        if (!result.isEmpty() && isSpace(token) && isSpace(result.last()))
            result.last() = QStringView(text).sliced(start - result.last().size(), end - start + result.last().size());
        else
            result.append(token);
        start = end;
    }
    if (start < text.size())
        result.append(QStringView(text).sliced(start));
    return result;
}

std::vector<int> ids(const QList<QStringView> &tokens, QHash<QStringView, int> &known)
{
    std::vector<int> result;
    result.reserve(size_t(tokens.size()));
    for (const QStringView token : tokens) {
        auto it = known.constFind(token);
        if (it == known.constEnd())
            it = known.insert(token, int(known.size()));
        result.push_back(*it);
    }
    return result;
}

struct Piece {
    WordChange::Kind kind;
    QStringView text;
};

// Token by token, removals before additions between two kept tokens.
QList<Piece> pieces(const QList<QStringView> &before, const QList<QStringView> &after,
                    const SequenceDiff::Alignment &alignment)
{
    QList<Piece> result;
    qsizetype i = 0, j = 0;
    while (i < before.size() || j < after.size()) {
        if (i < before.size() && !alignment.keptBefore[size_t(i)]) {
            result.append({WordChange::Kind::removed, before[i++]});
        } else if (j < after.size() && !alignment.keptAfter[size_t(j)]) {
            result.append({WordChange::Kind::added, after[j++]});
        } else if (i < before.size() && j < after.size()) {
            result.append({WordChange::Kind::same, before[i++]});
            ++j;
        } else {
            break; // unreachable: both sides keep equally many
        }
    }
    return result;
}

class Merger {
public:
    void add(const Piece &piece, bool changeFollows)
    {
        switch (piece.kind) {
        case WordChange::Kind::removed:
            m_removed += piece.text;
            return;
        case WordChange::Kind::added:
            m_added += piece.text;
            return;
        case WordChange::Kind::same:
            break;
        }
        // White space alone between two changes joins them, so that "~~a b~~ c d" reads as one
        // replacement rather than two.
        if (changeFollows && (!m_removed.isEmpty() || !m_added.isEmpty()) && isSpace(piece.text)) {
            m_removed += piece.text;
            m_added += piece.text;
            return;
        }
        flush();
        if (!m_changes.isEmpty() && m_changes.last().kind == WordChange::Kind::same)
            m_changes.last().text += piece.text;
        else
            m_changes.append({WordChange::Kind::same, piece.text.toString()});
    }

    QList<WordChange> finish() &&
    {
        flush();
        return std::move(m_changes);
    }

private:
    void flush()
    {
        if (!m_removed.isEmpty())
            m_changes.append({WordChange::Kind::removed, std::exchange(m_removed, QString())});
        if (!m_added.isEmpty())
            m_changes.append({WordChange::Kind::added, std::exchange(m_added, QString())});
    }

    QList<WordChange> m_changes;
    QString m_removed;
    QString m_added;
};

QString rebuilt(const QList<WordChange> &changes, WordChange::Kind side)
{
    QString text;
    for (const WordChange &change : changes) {
        if (change.kind == WordChange::Kind::same || change.kind == side)
            text += change.text;
    }
    return text;
}

} // namespace

namespace WordDiff {

QList<WordChange> compare(const QString &before, const QString &after)
{
    const QList<QStringView> beforeTokens = tokens(before);
    const QList<QStringView> afterTokens = tokens(after);
    QHash<QStringView, int> known;
    known.reserve(beforeTokens.size() + afterTokens.size());
    const std::vector<int> beforeIds = ids(beforeTokens, known);
    const std::vector<int> afterIds = ids(afterTokens, known);
    const SequenceDiff::Alignment alignment = SequenceDiff::align(beforeIds, afterIds, kWorkLimit);
    const QList<Piece> all = pieces(beforeTokens, afterTokens, alignment);
    Merger merger;
    for (qsizetype p = 0; p < all.size(); ++p)
        merger.add(all[p], p + 1 < all.size() && all[p + 1].kind != WordChange::Kind::same);
    return std::move(merger).finish();
}

bool hasChanges(const QList<WordChange> &changes)
{
    for (const WordChange &change : changes) {
        if (change.kind != WordChange::Kind::same)
            return true;
    }
    return false;
}

QString before(const QList<WordChange> &changes)
{
    return rebuilt(changes, WordChange::Kind::removed);
}

QString after(const QList<WordChange> &changes)
{
    return rebuilt(changes, WordChange::Kind::added);
}

} // namespace WordDiff
