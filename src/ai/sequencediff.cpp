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
        // Diagonal k holds the furthest x reached on it; -1 for not reached yet.
        m_forward.assign(size_t(width), -1);
        m_reverse.assign(size_t(width), -1);
        m_forward[size_t(offset + 1)] = 0;
        m_reverse[size_t(offset + 1)] = 0;
        const qsizetype delta = n - m;
        // With an odd delta the paths meet while extending forward, with an even one in reverse.
        const bool meetsForward = delta % 2 != 0;
        // Diagonals that ran off the grid on either side are not searched again.
        qsizetype forwardStart = 0, forwardEnd = 0, reverseStart = 0, reverseEnd = 0;
        for (qsizetype d = 0; d < maxD; ++d) {
            if (m_workLeft <= 0)
                return std::nullopt;
            for (qsizetype k = -d + forwardStart; k <= d - forwardEnd; k += 2) {
                const qsizetype i = offset + k;
                qsizetype x = (k == -d || (k != d && m_forward[size_t(i - 1)] < m_forward[size_t(i + 1)]))
                    ? m_forward[size_t(i + 1)]
                    : m_forward[size_t(i - 1)] + 1;
                qsizetype y = x - k;
                const qsizetype snakeStart = x;
                while (x < n && y < m && a[x] == b[y]) {
                    ++x;
                    ++y;
                }
                m_workLeft -= 1 + (x - snakeStart);
                m_forward[size_t(i)] = x;
                if (x > n) {
                    forwardEnd += 2;
                } else if (y > m) {
                    forwardStart += 2;
                } else if (meetsForward) {
                    const qsizetype j = offset + delta - k;
                    if (j >= 0 && j < width && m_reverse[size_t(j)] != -1 && x >= n - m_reverse[size_t(j)])
                        return Point{a0 + x, b0 + y};
                }
            }
            for (qsizetype k = -d + reverseStart; k <= d - reverseEnd; k += 2) {
                const qsizetype i = offset + k;
                qsizetype x = (k == -d || (k != d && m_reverse[size_t(i - 1)] < m_reverse[size_t(i + 1)]))
                    ? m_reverse[size_t(i + 1)]
                    : m_reverse[size_t(i - 1)] + 1;
                qsizetype y = x - k;
                const qsizetype snakeStart = x;
                while (x < n && y < m && a[n - x - 1] == b[m - y - 1]) {
                    ++x;
                    ++y;
                }
                m_workLeft -= 1 + (x - snakeStart);
                m_reverse[size_t(i)] = x;
                if (x > n) {
                    reverseEnd += 2;
                } else if (y > m) {
                    reverseStart += 2;
                } else if (!meetsForward) {
                    const qsizetype j = offset + delta - k;
                    if (j >= 0 && j < width && m_forward[size_t(j)] != -1) {
                        const qsizetype forwardX = m_forward[size_t(j)];
                        if (forwardX >= n - x)
                            return Point{a0 + forwardX, b0 + forwardX - (j - offset)};
                    }
                }
            }
        }
        return std::nullopt;
    }

    std::span<const int> m_a;
    std::span<const int> m_b;
    qint64 m_workLeft;
    SequenceDiff::Alignment m_result;
    std::vector<qsizetype> m_forward;
    std::vector<qsizetype> m_reverse;
};

} // namespace

namespace SequenceDiff {

Alignment align(std::span<const int> before, std::span<const int> after, qint64 workLimit)
{
    return Aligner(before, after, workLimit).run();
}

} // namespace SequenceDiff
