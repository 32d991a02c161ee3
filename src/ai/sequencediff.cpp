#include "ai/sequencediff.h"

#include <optional>

namespace {

struct Point {
    qsizetype x;
    qsizetype y;
};

class Aligner {
public:
    Aligner(std::span<const int> before, std::span<const int> after, qint64 workLimit)
        : m_a(before)
        , m_b(after)
        , m_workLeft(workLimit)
    {
        m_result.keptBefore.assign(before.size(), false);
        m_result.keptAfter.assign(after.size(), false);
    }

    SequenceDiff::Alignment run() &&
    {
        diff(0, qsizetype(m_a.size()), 0, qsizetype(m_b.size()));
        return std::move(m_result);
    }

private:
    void keep(qsizetype x, qsizetype y)
    {
        m_result.keptBefore[size_t(x)] = true;
        m_result.keptAfter[size_t(y)] = true;
    }

    void diff(qsizetype a0, qsizetype a1, qsizetype b0, qsizetype b1)
    {
        while (a0 < a1 && b0 < b1 && m_a[size_t(a0)] == m_b[size_t(b0)])
            keep(a0++, b0++);
        while (a0 < a1 && b0 < b1 && m_a[size_t(a1 - 1)] == m_b[size_t(b1 - 1)])
            keep(--a1, --b1);
        if (a0 == a1 || b0 == b1)
            return;
        const std::optional<Point> split = middleSnake(a0, a1, b0, b1);
        // A split at either corner would recurse on the same stretch; it cannot happen once the
        // ends differ, but never loop on it.
        if (!split || (split->x == a0 && split->y == b0) || (split->x == a1 && split->y == b1))
            return;
        diff(a0, split->x, b0, split->y);
        diff(split->x, a1, split->y, b1);
    }

    // One direction of the search: the furthest x reached on each diagonal k (at offset + k), -1
    // where none is yet, and how many diagonals at either side ran off the grid and are done.
    struct Frontier {
        std::vector<qsizetype> furthest;
        qsizetype doneLow = 0;
        qsizetype doneHigh = 0;

        void reset(qsizetype width, qsizetype offset)
        {
            furthest.assign(size_t(width), -1);
            furthest[size_t(offset + 1)] = 0;
            doneLow = doneHigh = 0;
        }
    };

    // Round d: every diagonal one edit further, then along its snake of items that `same` finds
    // equal. `met(k, x, y)` is asked at each end still on the grid; true stops the round.
    template <typename Same, typename Met>
    bool advance(Frontier &frontier, qsizetype d, qsizetype offset, qsizetype n, qsizetype m, Same same, Met met)
    {
        std::vector<qsizetype> &v = frontier.furthest;
        for (qsizetype k = -d + frontier.doneLow; k <= d - frontier.doneHigh; k += 2) {
            const size_t i = size_t(offset + k);
            qsizetype x = (k == -d || (k != d && v[i - 1] < v[i + 1])) ? v[i + 1] : v[i - 1] + 1;
            qsizetype y = x - k;
            const qsizetype snakeStart = x;
            while (x < n && y < m && same(x, y)) {
                ++x;
                ++y;
            }
            m_workLeft -= 1 + (x - snakeStart);
            v[i] = x;
            if (x > n)
                frontier.doneHigh += 2;
            else if (y > m)
                frontier.doneLow += 2;
            else if (met(k, x, y))
                return true;
        }
        return false;
    }

    // Runs the forward and the reverse search together until their furthest paths overlap; the
    // end of the forward snake there splits the stretch into two of half the edit distance each.
    std::optional<Point> middleSnake(qsizetype a0, qsizetype a1, qsizetype b0, qsizetype b1)
    {
        const int *a = m_a.data() + a0;
        const int *b = m_b.data() + b0;
        const qsizetype n = a1 - a0;
        const qsizetype m = b1 - b0;
        const qsizetype maxD = (n + m + 1) / 2;
        const qsizetype offset = maxD;
        const qsizetype width = 2 * maxD + 1;
        m_forward.reset(width, offset);
        m_reverse.reset(width, offset);
        const qsizetype delta = n - m;
        // With an odd delta the paths meet while extending forward, with an even one in reverse.
        const bool meetsForward = delta % 2 != 0;
        // The other direction's furthest x on the diagonal that continues k, if it got there.
        const auto opposite = [&](const Frontier &other, qsizetype k) -> std::optional<qsizetype> {
            const qsizetype j = offset + delta - k;
            if (j < 0 || j >= width || other.furthest[size_t(j)] == -1)
                return std::nullopt;
            return other.furthest[size_t(j)];
        };
        std::optional<Point> split;
        const auto forwardMet = [&](qsizetype k, qsizetype x, qsizetype y) {
            const std::optional<qsizetype> reverseX = meetsForward ? opposite(m_reverse, k) : std::nullopt;
            if (reverseX && x >= n - *reverseX)
                split = Point{a0 + x, b0 + y};
            return split.has_value();
        };
        const auto reverseMet = [&](qsizetype k, qsizetype x, qsizetype) {
            const std::optional<qsizetype> forwardX = meetsForward ? std::nullopt : opposite(m_forward, k);
            if (forwardX && *forwardX >= n - x)
                split = Point{a0 + *forwardX, b0 + *forwardX - (delta - k)};
            return split.has_value();
        };
        const auto forwardSame = [&](qsizetype x, qsizetype y) { return a[x] == b[y]; };
        const auto reverseSame = [&](qsizetype x, qsizetype y) { return a[n - x - 1] == b[m - y - 1]; };
        for (qsizetype d = 0; d < maxD && m_workLeft > 0; ++d) {
            if (advance(m_forward, d, offset, n, m, forwardSame, forwardMet)
                || advance(m_reverse, d, offset, n, m, reverseSame, reverseMet))
                return split;
        }
        return std::nullopt;
    }

    std::span<const int> m_a;
    std::span<const int> m_b;
    qint64 m_workLeft;
    SequenceDiff::Alignment m_result;
    Frontier m_forward;
    Frontier m_reverse;
};

} // namespace

namespace SequenceDiff {

Alignment align(std::span<const int> before, std::span<const int> after, qint64 workLimit)
{
    return Aligner(before, after, workLimit).run();
}

} // namespace SequenceDiff
