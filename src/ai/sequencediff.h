#pragma once

#include <QtGlobal>
#include <span>
#include <vector>

// A shortest edit script between two sequences of item ids: Myers' O(ND) search for the middle
// snake, divide and conquer, in linear space.
namespace SequenceDiff {

struct Alignment {
    // Per item: whether it is part of the common subsequence. Both sides keep equally many, and
    // the n-th kept item of one side equals the n-th kept item of the other.
    std::vector<bool> keptBefore;
    std::vector<bool> keptAfter;
};

// workLimit bounds the search steps over the whole run. A stretch still unmatched once it is spent
// stays unmatched (all removed, all added): a longer script, but still a correct one.
Alignment align(std::span<const int> before, std::span<const int> after, qint64 workLimit);

} // namespace SequenceDiff
